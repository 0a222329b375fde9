// The yardstick of the start-up benchmark: the least a Qt program does to
// show a window of the main window's size with text on it. It shows a
// 1081 x 963 window with one line of text in the window's font, mapped as
// the main window maps it ("MS Sans Serif" -11: Liberation Sans, 11 pixels,
// vertical hinting) and given to the widget as the main window gives it to
// its surface, so it pays the font set-up every window with text pays; it
// quits once its first paint is done.
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
  window.setFont(anod::ToQFont(anod::FontSpec{}));  // the description's window font
  window.resize(1081, 963);
  window.show();
  return QApplication::exec();
}
