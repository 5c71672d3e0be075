#include "support/EndsWithTest.h"

#include <csignal>
#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#endif

namespace tq::test {

void endWithTest(QProcess& process) {
#ifdef Q_OS_LINUX
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
#else
    Q_UNUSED(process);
#endif
}

}  // namespace tq::test
