#pragma once

namespace tq::test {

/// Makes sure the test process has a QCoreApplication, which serial ports and
/// queued events need; created once and kept for the whole run.
void ensureCoreApplication();

}  // namespace tq::test
