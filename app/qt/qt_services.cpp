#include "app/qt/qt_services.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include "platform/message_box.h"

namespace anod {
namespace {

class QtSavedActivation final : public SavedActivation {
 public:
  QtSavedActivation() : active_(QApplication::activeWindow()), focus_(QApplication::focusWidget()) {}
  void Restore() override {
    if (!active_ || !active_->isVisible()) return;
    active_->activateWindow();
    if (focus_ && focus_->window() == active_) focus_->setFocus(Qt::ActiveWindowFocusReason);
  }

 private:
  QPointer<QWidget> active_;
  QPointer<QWidget> focus_;
};

}  // namespace

void QtMessageBoxService::ShowStop(std::string_view caption, std::string_view text, BoxOwner) {
  ShowStopMessageBox(caption, text);
}

void QtWindowServices::CancelMouseGrab() {
  if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
}

std::unique_ptr<SavedActivation> QtWindowServices::SaveActivation() { return std::make_unique<QtSavedActivation>(); }

void QtWindowServices::PostAfterEvent(EventSender sender, std::function<void(EventSender sender)> task) {
  QMetaObject::invokeMethod(
      QCoreApplication::instance(),
      [guarded = QPointer<QObject>(static_cast<QObject*>(sender)), task = std::move(task)] { task(guarded.data()); },
      Qt::QueuedConnection);
}

int QtScreenService::ColorDepth() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->depth() : 0;
}

}  // namespace anod
