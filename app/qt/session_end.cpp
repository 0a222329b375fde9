#include "app/qt/session_end.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

namespace anod {

SessionEndWatcher::SessionEndWatcher(QObject* parent) : QObject(parent) {
  if (signals_.ReadyFd() >= 0) {
    notifier_ = new QSocketNotifier(signals_.ReadyFd(), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
      // Every loop ends, a message box's among them: the session will not
      // wait for a box to be answered.
      if (signals_.Drain()) QCoreApplication::exit(0);
    });
  }
  if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    // Nothing to save and no reason to object: let the session end.
    gui->setQuitOnLastWindowClosed(true);
    connect(gui, &QGuiApplication::commitDataRequest, this, [](QSessionManager& manager) { manager.release(); });
  }
}

// The notifier goes before the pipe it watches.
SessionEndWatcher::~SessionEndWatcher() { delete notifier_; }

}  // namespace anod
