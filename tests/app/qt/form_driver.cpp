#include "form_driver.h"

#include <QApplication>
#include <QTest>
#include <QWindow>

#include <stdexcept>

#include "core/codepage.h"
#include "app/qt/failure_report.h"

namespace anod::testing_support {

FormDriver::FormDriver() {
  BuildMainWindow(host_, RunningReporter(), Form1Description());
  form_ = host_.Form();
  form_->show();
  form_->activateWindow();
  if (!QTest::qWaitForWindowActive(form_)) throw std::runtime_error("the main window never became active");
}

QWidget* FormDriver::Control(std::string_view name) const {
  QWidget* widget = form_->Windowed(name);
  if (widget == nullptr) throw std::runtime_error("no windowed control " + std::string(name));
  return widget;
}

QPoint FormDriver::InWindow(std::string_view control, QPoint local) const {
  QWidget* widget = Control(control);
  if (local == QPoint(-1, -1)) local = widget->rect().center();
  return widget->mapTo(form_, local);
}

void FormDriver::Click(std::string_view control, QPoint local) {
  QTest::mouseClick(form_->windowHandle(), Qt::LeftButton, {}, InWindow(control, local));
}

void FormDriver::DoubleClick(std::string_view control) {
  QTest::mouseDClick(form_->windowHandle(), Qt::LeftButton, {}, InWindow(control, QPoint(-1, -1)));
}

void FormDriver::Type(std::string_view edit, const QString& text) {
  Click(edit);
  QWidget* widget = Control(edit);
  QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
  if (text.isEmpty()) {
    QTest::keyClick(widget, Qt::Key_Delete);
  } else {
    QTest::keyClicks(widget, text);
  }
}

void FormDriver::Key(std::string_view control, Qt::Key key) {
  Control(control)->setFocus(Qt::TabFocusReason);
  QTest::keyClick(form_->windowHandle(), key);
}

QString FormDriver::Caption(std::string_view label) const {
  return QString::fromStdString(Cp1252ToUtf8(form_->Model().LabelCaption(label)));
}

}  // namespace anod::testing_support
