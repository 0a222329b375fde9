#include "app/qt/toolkit_french.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace anod {

ToolkitFrenchInUse::ToolkitFrenchInUse() {
  // By name and folder, not by QLocale: the user's own locale must not
  // choose the language.
  loaded_ = translator_.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
            QCoreApplication::installTranslator(&translator_);
}

ToolkitFrenchInUse::~ToolkitFrenchInUse() {
  if (loaded_) QCoreApplication::removeTranslator(&translator_);
}

}  // namespace anod
