#include "ui/setup/PortSetupForm.h"

#include "persist/PortSetupFile.h"

namespace tq::ui {

PortSetupForm PortSetupForm::radioPort() {
    PortSetupForm form;
    form.formName = QStringLiteral("frmPortSetup");
    form.caption = QStringLiteral("Port Setup");
    form.fileName = persist::kPortSetupFileName;
    form.foundCaption = QStringLiteral("Available Ports");
    form.portRangeNote = QStringLiteral("Only Ports 1 through 16 are useable.");
    form.defaultSettingsNote =
        QStringLiteral(" Default Settings:  7 Data Bits, Odd Parity, 1 Stop Bit");
    // The radio speaks 7 data bits with odd parity, whatever the baud rate.
    form.lineSettings = QStringLiteral(",O,7,1");
    form.extPttCaption = QStringLiteral("Enable DSR as External PTT");
    form.fourthDescription = persist::extPttDescription();
    form.changedFlag = &protocol::ProgramFlags::RadioPortChanged;
    form.cancelClearsChanged = false;
    form.showsClosedPort = true;
    return form;
}

PortSetupForm PortSetupForm::catPort() {
    PortSetupForm form;
    form.formName = QStringLiteral("frmCATSetup");
    form.caption = QStringLiteral("CAT Setup");
    form.fileName = persist::kCatSetupFileName;
    form.foundCaption = QStringLiteral("Available Ports Found");
    // Station software comes with its own line settings, so they are chosen
    // rather than fixed.
    form.bitsCaption = QStringLiteral("Parity, Bits, Stops");
    form.bitsItems = {QStringLiteral("N, 8, 1"), QStringLiteral("O, 7, 1"),
                      QStringLiteral("E, 7, 1")};
    form.rigTypeCaption = QStringLiteral("Rig Type");
    form.rigTypeItems = {QStringLiteral("Kenwood"), QStringLiteral("Elecraft"),
                         QStringLiteral("FT-450")};
    form.fourthDescription = persist::rigTypeDescription();
    form.changedFlag = &protocol::ProgramFlags::CatPortChanged;
    // The port is re-opened by the menu after the dialog closes; Cancel must
    // not leave an earlier request behind for it.
    form.cancelClearsChanged = true;
    form.showsClosedPort = false;
    form.openPortAddsItems = true;
    form.acceptsDevicePath = true;
    return form;
}

}  // namespace tq::ui
