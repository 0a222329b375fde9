// The yardstick of the start-up benchmark: the least a Qt program does to
// show a window of the main window's size. It shows an empty 1081 x 963
// window and quits once its first paint is done.
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class EmptyWindow : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter(this).fillRect(rect(), QColor(0, 0, 128));
    if (!painted_) {
      painted_ = true;
      // Queued: runs once the whole paint pass has reached the screen.
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
  }

 private:
  bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  EmptyWindow window;
  window.resize(1081, 963);
  window.show();
  return QApplication::exec();
}
