#include "ui/setup/PortSetupForm.h"

#include "app/persist/PortSetupFile.h"

namespace tq::ui {

PortSetupForm PortSetupForm::radioPort() {
    PortSetupForm form;
    form.formName = QStringLiteral("frmPortSetup");
    form.caption = QStringLiteral("Port Setup");
    form.fileName = app::kPortSetupFileName;
    form.foundCaption = QStringLiteral("Available Ports");
    form.portRangeNote = QStringLiteral("Only Ports 1 through 16 are useable.");
    form.defaultSettingsNote =
        QStringLiteral(" Default Settings:  7 Data Bits, Odd Parity, 1 Stop Bit");
    // The radio speaks 7 data bits with odd parity, whatever the baud rate.
    form.lineSettings = QStringLiteral(",O,7,1");
    form.extPttCaption = QStringLiteral("Enable DSR as External PTT");
    form.fourthDescription = app::extPttDescription();
    form.changedFlag = &protocol::ProgramFlags::RadioPortChanged;
    form.cancelClearsChanged = false;
    form.showsClosedPort = true;
    return form;
}

}  // namespace tq::ui
