#pragma once

#include <QProcess>

namespace tq::test {

/// Makes a program the test starts end when the test process does, however
/// that ends (a timeout's SIGKILL included). A program left running would
/// keep its ports and, watching for a lost device, open the next test's
/// pseudo-terminal when the kernel hands out the same number again.
void endWithTest(QProcess& process);

}  // namespace tq::test
