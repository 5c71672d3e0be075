#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>

#include "cat/CatPortSetup.h"
#include "persist/DataDirectoryTest.h"
#include "persist/PortSetupFile.h"
#include "persist/ReadOnlyDirectory.h"
#include "support/FakeSerialDeviceList.h"
#include "support/ScriptedPort.h"
#include "support/TestClock.h"
#include "support/WidgetApplication.h"
#include "ui/WidgetText.h"
#include "ui/setup/PortSetupDialog.h"

namespace tq::ui {
namespace {

// Adapters as Qt describes them; their paths exist on no machine.
const link::SerialDevice kFtdi{
    QStringLiteral("ttyUSB0"), QStringLiteral("/dev/tq5820-test-usb0"),
    QStringLiteral("/dev/serial/by-id/tq5820-test-FTDI_FT232R_A600-if00-port0"),
    QStringLiteral("FT232R USB UART"), QStringLiteral("FTDI")};
const link::SerialDevice kCp2102{QStringLiteral("ttyUSB1"), QStringLiteral("/dev/tq5820-test-usb1"),
                                 QString(), QStringLiteral("CP2102 USB to UART Bridge Controller"),
                                 QStringLiteral("Silicon Labs")};
const QString kFtdiText = QStringLiteral("ttyUSB0: FT232R USB UART (FTDI)");
const QString kCp2102Text =
    QStringLiteral("ttyUSB1: CP2102 USB to UART Bridge Controller (Silicon Labs)");

class PortSetupDialogTest : public test::DataDirectoryTest {
protected:
    void SetUp() override {
        test::DataDirectoryTest::SetUp();
        test::ensureWidgetApplication();
    }

    PortSetupDialog& open(const PortSetupForm& form = PortSetupForm::radioPort()) {
        PortSetupProbes probes{
            [this](int n) {
                ++m_probed;
                return m_present.contains(n);
            },
            [this](int n) -> std::optional<link::PortFailure> {
                return n != m_refused
                           ? std::nullopt
                           : std::optional(link::PortFailure(
                                 link::PortFailure::kHardwareNotAvailable, QStringLiteral("busy")));
            },
            &m_devices};
        const PortSetupTarget target =
            form.formName == u"frmCATSetup"
                ? PortSetupTarget::catPort(m_cat.CatPortNumber, m_cat.CatPortSettings,
                                           m_cat.CatPortHandshake)
                : PortSetupTarget::radioPort(m_setup);
        m_dialog =
            std::make_unique<PortSetupDialog>(form, target, m_port, probes, m_flags, m_indicators);
        m_dialog->show();
        return *m_dialog;
    }
    void openPort(int number, const QString& settings, link::Handshaking handshaking) {
        m_port.setPortNumber(number);
        m_port.setSettings(settings);
        m_port.setHandshaking(handshaking);
        m_port.open();
    }
    template <typename Widget>
    Widget* control(const char* name) const {
        return m_dialog->findChild<Widget*>(QString::fromLatin1(name));
    }
    void click(const char* name) const { EXPECT_TRUE(test::clickButton(*m_dialog, name)) << name; }
    void type(const char* comboName, const QString& text) const {
        QComboBox* combo = control<QComboBox>(comboName);
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), text);
    }
    QString text(const char* comboName) const {
        return control<QComboBox>(comboName)->currentText();
    }
    QString items(const char* comboName) const {
        const QComboBox* combo = control<QComboBox>(comboName);
        QStringList all;
        for (int i = 0; i < combo->count(); ++i) {
            all << combo->itemText(i);
        }
        return all.join(u'|');
    }
    /// Port, baud rate, the checked handshake button and the radio's PTT box.
    QString shown() const {
        const auto* ptt = control<QCheckBox>("chkExtPTTEna");
        return text("cmbSelectPort") + u'|' + text("cmbSelectBaudRate") + u'|' +
               test::checkedOptions(*m_dialog) +
               QLatin1String(!ptt               ? ""
                             : ptt->isChecked() ? "|ptt"
                                                : "|");
    }
    /// What the radio port's setup holds, in the same order.
    QString applied() const {
        return m_setup.RadioPortNumber + u'|' + m_setup.RadioPortSettings + u'|' +
               m_setup.RadioPortHandshake + QLatin1String(m_setup.ExtPttEnabled ? "|ptt" : "|");
    }
    QString catApplied() const {
        return m_cat.CatPortNumber + u'|' + m_cat.CatPortSettings + u'|' + m_cat.CatPortHandshake +
               u'|' + m_cat.CatRigType;
    }
    QString portDevice() const { return control<QLabel>("lblPortDevice")->text(); }

    QSet<int> m_present;
    int m_refused = 0;  // a port that is there but does not open
    test::FakeSerialDeviceList m_devices;
    int m_probed = 0;
    tq::test::TestClock m_clock;
    test::ScriptedPort m_port{m_clock};
    link::RadioPortSetup m_setup;
    cat::CatPortSetup m_cat;
    protocol::ProgramFlags m_flags;
    std::unique_ptr<PortSetupDialog> m_dialog;
};

TEST_F(PortSetupDialogTest, AClosedPortShowsTheFormsOwnValuesAndAnOpenOneItsSettings) {
    m_port.setSettings(QStringLiteral("4800,O,7,1"));
    open();
    EXPECT_EQ(control<QLineEdit>("txtFound")->text(), QStringLiteral("No Ports"));
    EXPECT_EQ(items("cmbSelectPort"), QString());
    EXPECT_EQ(shown(), QStringLiteral("|4800|optHandShake_0|"));
    // The CAT form shows its design values while the port is closed, and an
    // open port's own settings beside them, named by its device path.
    m_port.setHandshaking(link::Handshaking::RtsCts);
    open(PortSetupForm::catPort());
    EXPECT_EQ(shown() + text("cmbBits") + text("cmbRigType"),
              QStringLiteral("|19200 |optHandShake_0N, 8, 1Kenwood"));
    m_port.setDevicePath(QStringLiteral("/dev/pts/7"));
    openPort(4, QStringLiteral("9600,N,8,1"), link::Handshaking::RtsCts);
    open(PortSetupForm::catPort());
    EXPECT_EQ(shown() + text("cmbBits"), QStringLiteral("/dev/pts/7|9600|optHandShake_2N,8,1"));
    open();
    EXPECT_EQ(text("cmbSelectPort"), QStringLiteral("4")) << "the radio port keeps to numbers";
}

TEST_F(PortSetupDialogTest, SearchListsFreePortsAndTheOpenOneAndApplyHandsOnTheControls) {
    m_present = {1};  // COM3 is there too, held by this program
    m_devices.plugIn(kFtdi);
    m_devices.plugIn(kCp2102);
    writeFile(QStringLiteral("SerialPorts.txt"),
              "1 /dev/tq5820-test-usb1\n3 " + kFtdi.stablePath.toUtf8() + '\n');
    openPort(3, QStringLiteral("2400,O,7,1"), link::Handshaking::RtsCts);
    m_setup.ExtPttEnabled = true;
    open();
    EXPECT_EQ(m_probed, 16);
    EXPECT_EQ(items("cmbSelectPort"), QStringLiteral("1|3"));
    EXPECT_EQ(control<QLineEdit>("txtFound")->text(), QStringLiteral("1, "));
    const QComboBox* ports = control<QComboBox>("cmbSelectPort");
    EXPECT_EQ(ports->itemData(0, Qt::ToolTipRole).toString() + u'|' +
                  ports->itemData(1, Qt::ToolTipRole).toString(),
              kCp2102Text + u'|' + kFtdiText);
    EXPECT_EQ(portDevice(), kFtdiText);
    EXPECT_EQ(shown(), QStringLiteral("3|2400|optHandShake_2|ptt"));
    // Apply hands on the controls as typed, raises the port request and
    // closes without writing the file.
    QSignalSpy unloaded(m_dialog.get(), &PortSetupDialog::unloaded);
    control<QComboBox>("cmbSelectPort")->setCurrentIndex(0);
    type("cmbSelectBaudRate", QStringLiteral("fast"));
    click("optHandShake_1");
    click("chkExtPTTEna");
    click("cmdApply");
    EXPECT_EQ(applied(), QStringLiteral("1|fast,O,7,1|comXonXoff|"));
    EXPECT_TRUE(m_flags.RadioPortChanged);
    EXPECT_EQ(unloaded.count(), 1);
    EXPECT_FALSE(m_dialog->isVisible());
    EXPECT_FALSE(QFile::exists(persist::kPortSetupFileName));
}

TEST_F(PortSetupDialogTest, LoadTakesTwoPortCharactersAndMatchesHandshakesInAnyCase) {
    // Each load starts from the opposite PTT box and the RTS button.
    const std::pair<const char*, const char*> cases[] = {
        {"3\r\n2400,O,7,1\r\ncomRTS\r\n0\r\n", "3 |2400|optHandShake_2|"},
        {"10\r\n300\r\nCOMXONXOFF\r\n 1 \r\n", "10|300|optHandShake_1|ptt"},
        {"123\n19200 ,O,7,1\ncomrtsxonxoff\n1", "12|19200 |optHandShake_3|ptt"},
        {"7\r\n4800 ,N,8,1\r\nRTS\r\n2\r\n", "7 |4800 |optHandShake_0|"},
        {"", "  ||optHandShake_0|"},
    };
    open();
    for (const auto& [file, expected] : cases) {
        const QString want = QString::fromLatin1(expected);
        click("optHandShake_2");
        control<QCheckBox>("chkExtPTTEna")->setChecked(!want.endsWith(u"ptt"));
        writeFile(persist::kPortSetupFileName, file);
        click("cmdLoadPortSettings");
        EXPECT_EQ(shown(), want) << file;
    }
}

#ifndef Q_OS_WIN
TEST_F(PortSetupDialogTest, CatSaveReportsAFailureAndLoadBringsBackAPathAndRigTypeApplyKeeps) {
    const QString path = QStringLiteral("/dev/serial/by-id/usb-FTDI_A1-if00");
    m_cat.CatRigType = QStringLiteral("Kenwood");
    open(PortSetupForm::catPort());
    type("cmbSelectPort", path);
    control<QComboBox>("cmbSelectBaudRate")->setCurrentIndex(2);
    control<QComboBox>("cmbBits")->setCurrentIndex(2);
    type("cmbRigType", QStringLiteral("TS-590"));
    click("optHandShake_2");
    {
        test::ReadOnlyDirectory readOnly(directory());
        click("cmdSavePortSettings");
    }
    EXPECT_EQ(m_indicators.info(), QStringLiteral("CATSetup.txt: Err 13. Permission denied"));
    click("cmdSavePortSettings");
    EXPECT_EQ(QString::fromUtf8(fileBytes(persist::kCatSetupFileName)),
              persist::formatPortSetup({path, QStringLiteral("4800 ,E, 7, 1"),
                                        QStringLiteral("comRTS"), QStringLiteral("TS-590")},
                                       QStringLiteral("Line 4: RigType")));
    open(PortSetupForm::catPort());
    click("cmdLoadPortSettings");
    EXPECT_EQ(shown() + u'|' + text("cmbBits") + u'|' + text("cmbRigType"),
              path + QStringLiteral("|4800 |optHandShake_2|E, 7, 1|TS-590"));
    click("cmdApply");
    EXPECT_EQ(catApplied(), path + QStringLiteral("|4800 ,E, 7, 1|comRTS|Kenwood"));
    EXPECT_TRUE(m_flags.CatPortChanged);
    EXPECT_FALSE(m_flags.RadioPortChanged);
}

TEST_F(PortSetupDialogTest, AttachNamesADeviceForANumberAndTheLabelSaysWhatBecameOfIt) {
    const QString held = QDir(directory()).filePath(QStringLiteral("tty-held-elsewhere"));
    writeFile(held, {});
    writeFile(QStringLiteral("SerialPorts.txt"), "# bench\n3 /dev/old\n4 " + held.toUtf8() + '\n');
    m_refused = 4;
    m_devices.plugIn(kFtdi);
    m_devices.plugIn(kCp2102);
    m_present = {1};
    open();
    type("cmbSelectPort", QStringLiteral("3"));
    EXPECT_EQ(portDevice(), QStringLiteral("/dev/old: missing"));
    control<QComboBox>("cmbDevice")->setCurrentIndex(0);
    click("cmdAttachDevice");
    // The stable name, in place of the old line; the rest of the file kept.
    EXPECT_EQ(fileBytes(QStringLiteral("SerialPorts.txt")),
              "# bench\r\n3 " + kFtdi.stablePath.toUtf8() + "\r\n4 " + held.toUtf8() + "\r\n");
    EXPECT_EQ(portDevice(), kFtdiText);
    type("cmbSelectPort", QStringLiteral("4"));
    EXPECT_EQ(portDevice(), held + QStringLiteral("\nDid not open: busy"));
    // With no number chosen, the device gets the first number that neither
    // names a device nor was found (1 was).
    open(PortSetupForm::catPort());
    control<QComboBox>("cmbDevice")->setCurrentIndex(1);
    click("cmdAttachDevice");
    EXPECT_EQ(text("cmbSelectPort") + u' ' + portDevice(), "2 " + kCp2102Text);
    m_devices.pullOut(QStringLiteral("ttyUSB0"));  // while the dialog is open
    m_devices.pullOut(QStringLiteral("ttyUSB1"));
    click("cmdRefreshDevices");
    EXPECT_EQ(portDevice(), QStringLiteral("/dev/tq5820-test-usb1: missing"));
    EXPECT_FALSE(control<QPushButton>("cmdAttachDevice")->isEnabled());
}
#endif

}  // namespace
}  // namespace tq::ui
