#pragma once

#include <QString>
#include <QStringList>

namespace tq::test {

/// A day's worth of a digital-mode program's requests in one rigctl run:
/// 20 frequency sets, 20 mode sets and 10 transmit cycles, all inside the
/// 20 m band so every transmit is allowed.
QStringList hamlibWorkout();

/// The lines of a rigctl -vvvvv trace that show Hamlib waiting in vain or
/// asking again: a timeout, a retry, a reply it could not match. Empty for a
/// clean run.
QStringList hamlibTrouble(const QString& trace);

}  // namespace tq::test
