// The yardstick of the start-up benchmark: the least a Qt program does to
// show a window of the main window's size with text on it. It shows a
// 1081 x 963 window with one line of text in the window's font (so it pays
// the font set-up every window with text pays) and quits once its first
// paint is done.
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include "platform/canvas.h"
#include "platform/qt/fonts.h"

namespace {

class OneLineWindow : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 0, 128));
    painter.setFont(anod::ToQFont(anod::FontSpec{}));  // "MS Sans Serif" -11, the window's font
    painter.setPen(Qt::white);
    painter.drawText(16, 24, QStringLiteral("Calcul de la surface"));
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
  OneLineWindow window;
  window.resize(1081, 963);
  window.show();
  return QApplication::exec();
}
