// Drives the wired main window as a user would, for the widget tests:
// typing goes to the edit box that has the focus, clicks and keys go
// through the window (so they land on whatever control lies at that point,
// and modal boxes block them as they block a user).
#pragma once

#include <QPoint>
#include <QString>

#include <memory>
#include <string>
#include <string_view>

#include "app/qt/startup.h"

namespace anod::testing_support {

class FormDriver {
 public:
  // Builds the program's main window, wired, and shows it active.
  FormDriver();
  FormDriver(const FormDriver&) = delete;
  FormDriver& operator=(const FormDriver&) = delete;

  qt::TForm1& Form() { return *form_; }
  QWidget* Control(std::string_view name) const;

  // Clicks into the edit box, selects what it holds and types `text`
  // (UTF-8) over it.
  void Type(std::string_view edit, const QString& text);
  // A left click at `local` in the control's own coordinates (its centre
  // when not given), delivered through the window.
  void Click(std::string_view control, QPoint local = QPoint(-1, -1));
  // Two quick left clicks at the control's centre (the second press arrives
  // as a double click).
  void DoubleClick(std::string_view control);
  // A key typed while `control` has the focus.
  void Key(std::string_view control, Qt::Key key);

  // Window coordinates of a point of a control.
  QPoint InWindow(std::string_view control, QPoint local) const;

  // A caption in UTF-8 (the labels hold Windows-1252).
  QString Caption(std::string_view label) const;

 private:
  QtMainWindowHost host_;  // destroys the window with every control
  qt::TForm1* form_ = nullptr;
};

}  // namespace anod::testing_support
