// Qt's own texts in French: the edit boxes' context menu ("Annuler",
// "Coller", "Tout sélectionner"), the message box's buttons and every other
// text the toolkit shows, whatever the user's locale, as the rest of the
// interface is French.
#pragma once

#include <QTranslator>

namespace anod {

// Installs Qt's French translation (qtbase_fr, from the folder of Qt's
// translations) on the application for as long as this lives. Needs the
// application object. Where the translation is not installed the toolkit's
// texts stay in English and loaded() says so; the program goes on.
class ToolkitFrenchInUse {
 public:
  ToolkitFrenchInUse();
  ~ToolkitFrenchInUse();
  ToolkitFrenchInUse(const ToolkitFrenchInUse&) = delete;
  ToolkitFrenchInUse& operator=(const ToolkitFrenchInUse&) = delete;

  bool loaded() const { return loaded_; }

 private:
  QTranslator translator_;
  bool loaded_ = false;
};

}  // namespace anod
