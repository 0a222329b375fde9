#include "box_answerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

#include "platform/message_box.h"

namespace anod::testing_support {

BoxAnswerer::BoxAnswerer(std::function<void(QMessageBox&)> while_open)
    : while_open_(std::move(while_open)) {
  timer_.setInterval(0);
  connect(&timer_, &QTimer::timeout, this, &BoxAnswerer::Poll);
  timer_.start();
}

void BoxAnswerer::Poll() {
  if (busy_) return;
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (box == nullptr || !box->isVisible() || box->objectName() != kStopMessageBoxName) return;
  boxes_.push_back({box->windowTitle(), box->text(), box->icon(),
                    box->windowModality() == Qt::ApplicationModal});
  busy_ = true;
  if (while_open_) while_open_(*box);
  busy_ = false;
  QAbstractButton* ok = box->button(QMessageBox::Ok);
  if (ok != nullptr) {
    QTest::mouseClick(ok, Qt::LeftButton);
  } else {
    box->reject();
  }
}

}  // namespace anod::testing_support
