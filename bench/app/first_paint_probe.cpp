// The window program as the start-up benchmark runs it: the same start-up
// in full (RunAnodisation), ending right after the first complete paint of
// the main window, the eight pictures decoded and drawn.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include "app/qt/startup.h"

namespace {

// Quits once the window's surface, which draws the pictures of the shape
// columns and holds the picture panels, has been painted for the first
// time. The quit is queued, so the rest of that paint pass (the panels and
// the buttons) is done first.
class FirstPaintWatch : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  FirstPaintWatch watch;
  anod::StartUpHooks hooks;
  hooks.after_show = [&watch](anod::qt::TForm1& form) { form.Surface()->installEventFilter(&watch); };
  return anod::RunAnodisation(argc, argv, hooks);
}
