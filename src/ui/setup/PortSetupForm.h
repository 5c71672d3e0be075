#pragma once

#include <QString>
#include <QStringList>

#include "protocol/ProgramFlags.h"

namespace tq::ui {

/// What sets one port setup dialog apart from its twin: the radio port's
/// dialog and the CAT port's are one window, shown with a different form.
/// An empty caption means the form has no such control.
struct PortSetupForm {
    /// The window's name (objectName) and caption.
    QString formName;
    QString caption;
    /// The settings file that Load reads and Save writes.
    QString fileName;
    /// Label1 beside the list of ports found.
    QString foundCaption;
    /// lable2, a note on which port numbers the search covers.
    QString portRangeNote;
    /// txtDefaultSettings, telling the parity, data and stop bits that the
    /// port always uses.
    QString defaultSettingsNote;
    /// Appended to the baud rate to make the settings text (",O,7,1"), when
    /// the form offers no choice of them.
    QString lineSettings;
    /// Label2 and cmbBits: the parity, data and stop bits chosen in a list
    /// (the first item shown at first) instead of the fixed lineSettings.
    QString bitsCaption;
    QStringList bitsItems;
    /// chkExtPTTEna: line 4 of the file is the external PTT switch.
    QString extPttCaption;
    /// Label3 and cmbRigType: line 4 of the file is the rig type.
    QString rigTypeCaption;
    QStringList rigTypeItems;
    /// The description the file gives of its line 4.
    QString fourthDescription;
    /// The request that Apply raises for the main loop.
    bool protocol::ProgramFlags::*changedFlag = nullptr;
    /// Whether Cancel withdraws a request raised before.
    bool cancelClearsChanged = false;
    /// Whether the dialog opens on the port's settings and handshaking while
    /// the port is closed, or on its own design-time values.
    bool showsClosedPort = true;
    /// Whether an open port's baud rate (and parity, data and stop bits)
    /// become list items too, or are only shown as text.
    bool openPortAddsItems = false;
    /// Whether a device path typed in place of the number is kept whole,
    /// for devices the platform gives no number.
    bool acceptsDevicePath = false;

    /// frmPortSetup, the radio port's dialog.
    static PortSetupForm radioPort();
    /// frmCATSetup, the CAT port's dialog.
    static PortSetupForm catPort();
};

}  // namespace tq::ui
