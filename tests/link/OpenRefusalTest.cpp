#include <gtest/gtest.h>

#include <cerrno>

#include "link/OpenRefusal.h"
#include "support/QStringPrinter.h"

namespace tq::link {
namespace {

// As root every device opens, so the operator's texts for a refused open
// are checked from the error numbers an ordinary user's open would give.
TEST(LinkOpenRefusal, ErrorNumbersOfARefusedOpenGiveCauseDeviceAndRemedy) {
    const char* denied =
        "Permission denied: /dev/ttyUSB0. Add your user to the dialout group and log in again.";
    const std::pair<int, const char*> cases[] = {
        {EACCES, denied},
        {EPERM, denied},
        {EBUSY,
         "In use by another program: /dev/ttyUSB0. Close that program or choose another port."},
        {ENOENT, ""},  // the system's own text stands
        {ENODEV, ""},
        {EIO, ""},
        {0, ""},
    };
    for (const auto& [error, text] : cases) {
        EXPECT_EQ(refusalText(refusalFromSystemError(error), QStringLiteral("/dev/ttyUSB0")),
                  QString::fromUtf8(text))
            << "errno " << error;
    }
}

}  // namespace
}  // namespace tq::link
