// Answers the stop boxes the program opens during a test, as a user would:
// while it lives, every box that shows is recorded (caption, text, icon) and
// its OK button is clicked. The watch runs from the event loop, so it also
// runs inside the box's own loop; no box is ever left to a timeout.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <vector>

namespace anod::testing_support {

struct AnsweredBox {
  QString caption;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  bool application_modal = false;
};

class BoxAnswerer : public QObject {
 public:
  // `while_open`, when given, runs once per box while it shows, before OK
  // is clicked (to try the program's other windows meanwhile).
  explicit BoxAnswerer(std::function<void(QMessageBox&)> while_open = {});

  const std::vector<AnsweredBox>& Boxes() const { return boxes_; }

 private:
  void Poll();

  QTimer timer_;
  std::function<void(QMessageBox&)> while_open_;
  std::vector<AnsweredBox> boxes_;
  bool busy_ = false;  // while_open_ may run the loop, and this poll with it
};

}  // namespace anod::testing_support
