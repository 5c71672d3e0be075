#pragma once

#include <QString>
#include <QWidget>

namespace tq::test {

/// A control of a window by its established name ("cmdXmit", "cmdF_3"), as
/// desktop automation finds it.
template <typename Control = QWidget>
Control* control(const QWidget& window, const QString& name) {
    return window.findChild<Control*>(name);
}

}  // namespace tq::test
