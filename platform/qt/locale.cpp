#include "platform/locale.h"

#include <QLocale>
#include <QString>

#include "platform/qt/qt_text.h"
#include "core/decimal_mark.h"

namespace anod {
namespace {

// QLocale::system() reads the environment once per process and keeps it, so
// a later change would never be seen: the numeric locale is looked up here
// each time, in the POSIX order (LC_ALL, LC_NUMERIC, LANG).
QLocale UserNumericLocale() {
  for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
    const QByteArray name = qgetenv(variable);
    if (!name.isEmpty()) return QLocale(QString::fromLocal8Bit(name));
  }
  return QLocale::system();
}

}  // namespace

char ReadSystemDecimalMark() {
  const QString mark = UserNumericLocale().decimalPoint();
  if (mark.isEmpty()) return '.';
  // The first character, as one byte of the code page; a character the code
  // page lacks cannot be the mark.
  const QString first = mark.left(mark.at(0).isHighSurrogate() ? 2 : 1);
  const std::string converted = ToCp1252(first);
  if (converted.size() != 1 || converted == "?") return '.';
  return converted[0];
}

void RereadLocaleDecimalMark() { SetLocaleDecimalMark(ReadSystemDecimalMark()); }

}  // namespace anod
