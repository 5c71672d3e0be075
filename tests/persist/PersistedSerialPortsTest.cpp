// SerialPorts.txt as the port dialogs rewrite it: one port's line changes,
// everything else the operator wrote stays.
#include <gtest/gtest.h>

#include "link/PortMap.h"
#include "link/QStringPrinter.h"
#include "persist/SerialPortsFile.h"

namespace tq::persist {
namespace {

TEST(PersistedSerialPorts, OnePortsLineChangesAndTheRestStays) {
    const struct {
        const char* before;
        const char* after;
    } cases[] = {
        // A new file says what its lines mean.
        {"",
         "# Serial ports: one line per port number, \"n device\"; Port Setup and CAT Setup "
         "write them.\r\n3 /dev/ttyUSB0\r\n"},
        // In place, comments and other ports kept, LF lines written as CR LF.
        {"# shack\n3 /dev/ttyS2\n4 /dev/pts/7\n", "# shack\r\n3 /dev/ttyUSB0\r\n4 /dev/pts/7\r\n"},
        // A later line for the number would win over the new one: dropped.
        {"3 a\r\n5 b\r\n 3\tc\r\n", "3 /dev/ttyUSB0\r\n5 b\r\n"},
        // "13" and "#3" do not name port 3; a file without a final line end.
        {"13 x\r\n#3 y", "13 x\r\n#3 y\r\n3 /dev/ttyUSB0\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before);
        const QString written =
            withSerialPort(QString::fromLatin1(c.before), 3, QStringLiteral("/dev/ttyUSB0"));
        EXPECT_EQ(written, QString::fromLatin1(c.after));
        EXPECT_EQ(link::PortMap::parse(written).value(3), QStringLiteral("/dev/ttyUSB0"));
    }
}

}  // namespace
}  // namespace tq::persist
