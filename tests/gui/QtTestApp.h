// Helpers of the GUI tests; the offscreen QApplication itself is made by GuiTestMain.cpp.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace lavix::testing {

// The running application (GuiTestMain.cpp creates it before any test runs).
inline QApplication& qtApp() { return *static_cast<QApplication*>(QCoreApplication::instance()); }

// Runs `act` on the next modal dialog that opens (polling the event loop), so that a test
// can answer a prompt that the code under test runs with exec().
inline void whenModalShows(std::function<void(QWidget*)> act) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, act = std::move(act)] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    timer->stop();
    timer->deleteLater();
    act(modal);
  });
  timer->start();
}

}  // namespace lavix::testing
