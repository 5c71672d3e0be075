#pragma once

#include <functional>

namespace tq::test {

/// Makes sure the test process has a QCoreApplication, which serial ports and
/// queued events need; created once and kept for the whole run.
void ensureCoreApplication();

/// Handles this process's events, woken by a short timer, until done() holds
/// or limitMs passes; returns done(). The limit only keeps a broken build
/// from hanging (or, with a done() that never holds, is how long to serve).
bool serveEventsUntil(const std::function<bool()>& done, int limitMs);

}  // namespace tq::test
