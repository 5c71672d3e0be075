#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>

#include "link/LinkIndicators.h"
#include "link/PortDevices.h"
#include "link/SerialPort.h"
#include "persist/PortSetupFile.h"
#include "protocol/ProgramFlags.h"
#include "ui/setup/CodeOptionGroup.h"
#include "ui/setup/PortSetupForm.h"
#include "ui/setup/PortSetupProbes.h"
#include "ui/setup/PortSetupTarget.h"

namespace tq::ui {

/// A port setup dialog (frmPortSetup for the radio port, frmCATSetup for the
/// CAT port): chooses a serial port's number, baud rate and handshaking (and
/// on the CAT port its parity, data and stop bits and the rig type), keeps the choice in its
/// settings file and hands it to the running program.
///
/// The dialog opens on the ports found free among numbers 1 to 16, plus the
/// port itself when it is open, and on the port's present settings. Beside
/// the chosen number it shows the device that number names (or that it is
/// missing, or why it does not open), and it lists the serial devices this
/// computer has: "Use for This Port" names the listed device for the chosen
/// number in SerialPorts.txt, so the settings files keep their bare numbers.
/// The
/// controls are taken as they stand when Save or Apply runs, text typed into
/// the combo boxes included. Save writes the file only; Apply writes the
/// target variables, raises the form's request for the main loop and closes.
/// A failed Save is reported in the main window's information box.
///
/// The opener disables the main window and shows the dialog modal; the
/// dialog has no parent, because a disabled parent would disable it too. When
/// it unloads (Apply, Cancel, its close box, Escape) it emits unloaded(), on
/// which the opener enables the main window again.
class PortSetupDialog : public QDialog {
    Q_OBJECT

public:
    /// port is the serial port the dialog sets up, read for its number,
    /// settings, handshaking and open state.
    PortSetupDialog(PortSetupForm form, PortSetupTarget target, const link::SerialPort& port,
                    PortSetupProbes probes, protocol::ProgramFlags& flags,
                    link::LinkIndicators& indicators);

    /// Every way of closing ends here; announces the unload.
    void done(int result) override;

signals:
    /// The dialog has closed.
    void unloaded();

private:
    void buildControls();
    void connectControls();
    void listDevices();
    void searchPorts();
    void showOpeningValues(const link::SerialPort& port);
    /// Adds the port this program holds open to the list, as the search
    /// cannot find it.
    void showHeldPort();
    void showPortDevice(const QString& portText);
    void attachDevice();
    /// Lists the devices and searches the ports again, keeping the choice.
    void refresh();
    /// The number a port text chooses within the searched range; 0 if none.
    static int chosenPortNumber(const QString& portText);
    /// The lowest searched number that neither names a device in
    /// SerialPorts.txt nor was found; 0 when all do.
    int firstUnusedPortNumber() const;
    link::PortDevices portDevices() const;
    void selectHandshake(int index);
    void load();
    void save();
    void apply();
    void cancel();
    /// The four data lines as the controls stand.
    persist::PortSetupFile shownLines() const;

    PortSetupForm m_form;
    PortSetupTarget m_target;
    PortSetupProbes m_probes;
    protocol::ProgramFlags& m_flags;
    link::LinkIndicators& m_indicators;
    int m_handshakeIndex = 0;
    /// The serial devices listed when the dialog opened or was refreshed.
    QList<link::SerialDevice> m_devices;
    /// The numbers the last search found free.
    QSet<int> m_found;
    /// The port's item while this program holds it open; empty otherwise.
    QString m_heldPort;

    QComboBox* m_cmbSelectPort = nullptr;
    QLabel* m_lblPortDevice = nullptr;
    QLineEdit* m_txtFound = nullptr;
    QComboBox* m_cmbDevice = nullptr;
    QPushButton* m_cmdAttachDevice = nullptr;
    QPushButton* m_cmdRefreshDevices = nullptr;
    QComboBox* m_cmbSelectBaudRate = nullptr;
    CodeOptionGroup* m_fraHandShake = nullptr;
    QComboBox* m_cmbBits = nullptr;
    QCheckBox* m_chkExtPTTEna = nullptr;
    QComboBox* m_cmbRigType = nullptr;
    QPushButton* m_cmdApply = nullptr;
    QPushButton* m_cmdCancel = nullptr;
    QPushButton* m_cmdLoad = nullptr;
    QPushButton* m_cmdSave = nullptr;
};

}  // namespace tq::ui
