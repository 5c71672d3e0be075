// The program's first start in an empty data directory: the operator chooses
// the radio's port from the adapters this computer has.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QPushButton>

#include "ProgramHarness.h"

using tq::test::ProgramHarness;

namespace {

TEST(FirstStart, OpensThePortDialogOnTheAdaptersFound) {
    ProgramHarness h;
    QFile::remove(h.dir.filePath(QStringLiteral("PortSetup.txt")));
    h.devices.plugIn({"ttyUSB0", "/dev/tq5820-test-usb0", {}, "FT232R USB UART", "FTDI"});
    QStringList offered;
    h.clock.schedule(2.0, [&] {
        QWidget* dialog = ProgramHarness::openWindow("frmPortSetup");
        ASSERT_NE(dialog, nullptr);
        const auto* devices = dialog->findChild<QComboBox*>(QStringLiteral("cmbDevice"));
        for (int i = 0; i < devices->count(); ++i) {
            offered << devices->itemText(i);
        }
        dialog->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
    });
    h.runFor(3.0);
    EXPECT_EQ(offered, QStringList{QStringLiteral("ttyUSB0: FT232R USB UART (FTDI)")});
}

}  // namespace
