#include <gtest/gtest.h>

#include <cerrno>

#include "QStringPrinter.h"
#include "link/OpenRefusal.h"

namespace tq::link {
namespace {

// As root every device opens, so the operator's texts for a refused open
// are checked from the error numbers an ordinary user's open would give.
TEST(LinkOpenRefusal, ErrorNumbersOfARefusedOpenGiveCauseDeviceAndRemedy) {
    const QString device = QStringLiteral("/dev/ttyUSB0");
    const struct {
        int error;
        const char* text;  // empty: the system's own text stands
    } cases[] = {
#ifdef Q_OS_LINUX
        {EACCES,
         "Permission denied: /dev/ttyUSB0. Add your user to the dialout group and log in again."},
        {EPERM,
         "Permission denied: /dev/ttyUSB0. Add your user to the dialout group and log in again."},
#endif
        {EBUSY,
         "In use by another program: /dev/ttyUSB0. Close that program or choose another port."},
        {ENOENT, ""},  // missing: reported as before
        {ENODEV, ""},
        {EIO, ""},
        {0, ""},
    };
    for (const auto& [error, text] : cases) {
        EXPECT_EQ(refusalText(refusalFromSystemError(error), device), QString::fromUtf8(text))
            << "errno " << error;
    }
}

}  // namespace
}  // namespace tq::link
