#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "cat/CatPortSetup.h"
#include "persist/DataDirectoryTest.h"
#include "persist/PortSetupFile.h"
#include "persist/ReadOnlyDirectory.h"
#include "support/FakeSerialDeviceList.h"
#include "support/ScriptedPort.h"
#include "support/TestClock.h"
#include "support/WidgetApplication.h"
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

class PortSetupDialogTest : public test::DataDirectoryTest {
protected:
    void SetUp() override {
        test::DataDirectoryTest::SetUp();
        test::ensureWidgetApplication();
    }

    PortSetupDialog& open() { return open(PortSetupForm::radioPort()); }

    PortSetupDialog& open(const PortSetupForm& form) {
        PortSetupProbes probes{[this](int n) {
                                   ++m_probed;
                                   return m_present.contains(n);
                               },
                               [this](int n) -> std::optional<link::PortFailure> {
                                   if (!m_refusals.contains(n)) {
                                       return std::nullopt;
                                   }
                                   return link::PortFailure(
                                       link::PortFailure::kHardwareNotAvailable, m_refusals[n]);
                               },
                               &m_devices};
        const bool cat = form.formName == u"frmCATSetup";
        const PortSetupTarget target =
            cat ? PortSetupTarget::catPort(m_cat.CatPortNumber, m_cat.CatPortSettings,
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
        auto* widget = m_dialog->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // Clicks near the left edge: an option button reacts only on its circle
    // and caption.
    void click(const char* name) const {
        auto* button = control<QAbstractButton>(name);
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

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

    /// Port, baud rate, every checked handshake button and (radio form
    /// only) the PTT box.
    QString shown() const {
        QStringList checked;
        for (const QRadioButton* button : m_dialog->findChildren<QRadioButton*>()) {
            if (button->isChecked()) {
                checked << button->objectName();
            }
        }
        const auto* ptt = m_dialog->findChild<QCheckBox*>(QStringLiteral("chkExtPTTEna"));
        return text("cmbSelectPort") + u'|' + text("cmbSelectBaudRate") + u'|' +
               checked.join(u' ') +
               QLatin1String(!ptt               ? ""
                             : ptt->isChecked() ? "|ptt"
                                                : "|");
    }

    /// What the radio port's setup holds, in the same order.
    QString applied() const {
        return m_setup.RadioPortNumber + u'|' + m_setup.RadioPortSettings + u'|' +
               m_setup.RadioPortHandshake + QLatin1String(m_setup.ExtPttEnabled ? "|ptt" : "|");
    }

    QString portDeviceText() const { return control<QLabel>("lblPortDevice")->text(); }

    QSet<int> m_present;
    /// Why a port that is there does not open, by number.
    QMap<int, QString> m_refusals;
    test::FakeSerialDeviceList m_devices;
    int m_probed = 0;
    tq::test::TestClock m_clock;
    test::ScriptedPort m_port{m_clock};
    link::RadioPortSetup m_setup;
    cat::CatPortSetup m_cat;
    protocol::ProgramFlags m_flags;
    std::unique_ptr<PortSetupDialog> m_dialog;
};

TEST_F(PortSetupDialogTest, ControlsCarryTheirNamesCaptionsAndItems) {
    const PortSetupDialog& dialog = open();
    EXPECT_EQ(dialog.objectName(), QStringLiteral("frmPortSetup"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Port Setup"));
    EXPECT_TRUE(dialog.isWindow());
    QStringList captions;
    for (const QWidget* widget : dialog.findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (const auto* label = qobject_cast<const QLabel*>(widget); label && !name.isEmpty()) {
            captions << name + u'=' + label->text();
        } else if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
            captions << name + u'=' + frame->title();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            captions << name + u'=' + button->text();
        }
    }
    EXPECT_EQ(captions.join(u','),
              QStringLiteral("lblPort=Select Port,lblPortDevice=,Label1=Available Ports,"
                             "lblDevice=Serial Device,cmdAttachDevice=Use for This Port,"
                             "cmdRefreshDevices=Refresh,"
                             "lable2=Only Ports 1 through 16 are useable.,"
                             "lblBaudRate=Select Baud Rate,fraHandShake=Handshake Mode,"
                             "optHandShake_0=NONE,optHandShake_1=XON,optHandShake_2=RTS,"
                             "optHandShake_3=RTS  XON,chkExtPTTEna=Enable DSR as External PTT,"
                             "cmdApply=Apply,cmdCancel=Cancel,cmdLoadPortSettings=Load,"
                             "cmdSavePortSettings=Save"));
    EXPECT_EQ(control<QLineEdit>("txtDefaultSettings")->text(),
              QStringLiteral(" Default Settings:  7 Data Bits, Odd Parity, 1 Stop Bit"));
    EXPECT_EQ(items("cmbSelectBaudRate"), QStringLiteral("19200 |9600 |4800 |2400|600|300"));
    // A closed port that was never set up opens on its defaults.
    EXPECT_EQ(shown(), QStringLiteral("|9600|optHandShake_0|"));
}

TEST_F(PortSetupDialogTest, SearchListsFreePortsAndAddsTheOpenOne) {
    // Only COM1 and COM3 exist, and this program holds COM3.
    m_present = {1};
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
    // The device behind each number, beside the bare numbers.
    const QComboBox* ports = control<QComboBox>("cmbSelectPort");
    EXPECT_EQ(ports->itemData(0, Qt::ToolTipRole).toString(),
              QStringLiteral("ttyUSB1: CP2102 USB to UART Bridge Controller (Silicon Labs)"));
    EXPECT_EQ(ports->itemData(1, Qt::ToolTipRole).toString(),
              QStringLiteral("ttyUSB0: FT232R USB UART (FTDI)"));
    EXPECT_EQ(portDeviceText(), QStringLiteral("ttyUSB0: FT232R USB UART (FTDI)"));
    EXPECT_EQ(shown(), QStringLiteral("3|2400|optHandShake_2|ptt"));
}

TEST_F(PortSetupDialogTest, NoPortsFoundLeavesThePortUnchosen) {
    m_port.setSettings(QStringLiteral("4800,O,7,1"));
    open();
    EXPECT_EQ(control<QLineEdit>("txtFound")->text(), QStringLiteral("No Ports"));
    EXPECT_EQ(items("cmbSelectPort"), QString());
    // The closed port still shows its settings.
    EXPECT_EQ(shown(), QStringLiteral("|4800|optHandShake_0|"));
}

TEST_F(PortSetupDialogTest, SaveThenLoadSelectsTheSameControls) {
    m_present = {2, 11};
    open();
    type("cmbSelectPort", QStringLiteral("11"));
    control<QComboBox>("cmbSelectBaudRate")->setCurrentIndex(1);
    click("optHandShake_3");
    click("chkExtPTTEna");
    click("cmdSavePortSettings");
    const QStringList lines =
        QString::fromUtf8(fileBytes(tq::persist::kPortSetupFileName)).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines.mid(0, 4).join(u'|'), QStringLiteral("11|9600 ,O,7,1|comRTSXonXoff|1"));
    EXPECT_TRUE(m_dialog->isVisible());

    type("cmbSelectPort", QStringLiteral("2"));
    control<QComboBox>("cmbSelectBaudRate")->setCurrentIndex(5);
    click("optHandShake_1");
    click("chkExtPTTEna");
    click("cmdLoadPortSettings");
    EXPECT_EQ(shown(), QStringLiteral("11|9600 |optHandShake_3|ptt"));
    // Save changes nothing in the running program.
    EXPECT_FALSE(m_flags.RadioPortChanged);
    EXPECT_EQ(applied(), QStringLiteral("|9600,O,7,1|comNone|"));
}

TEST_F(PortSetupDialogTest, LoadTakesTwoPortCharactersAndMatchesHandshakesInAnyCase) {
    // The file, then what Load shows; each load starts from the opposite
    // PTT box and the RTS button so that every field must change.
    const std::pair<const char*, const char*> cases[] = {
        {"3\r\n2400,O,7,1\r\ncomRTS\r\n0\r\n", "3 |2400|optHandShake_2|"},
        {"10\r\n300\r\nCOMXONXOFF\r\n 1 \r\n", "10|300|optHandShake_1|ptt"},
        {"123\n19200 ,O,7,1\ncomrtsxonxoff\n1", "12|19200 |optHandShake_3|ptt"},
        {"7\r\n4800 ,N,8,1\r\nRTS\r\n2\r\n", "7 |4800 |optHandShake_0|"},
        {"5", "5 ||optHandShake_0|"},
        {"", "  ||optHandShake_0|"},
    };
    open();
    for (const auto& [file, expected] : cases) {
        SCOPED_TRACE(file);
        const QString want = QString::fromLatin1(expected);
        click("optHandShake_2");
        control<QCheckBox>("chkExtPTTEna")->setChecked(!want.endsWith(u"ptt"));
        writeFile(tq::persist::kPortSetupFileName, file);
        click("cmdLoadPortSettings");
        EXPECT_EQ(shown(), want);
    }
    // What Load shows is what Apply hands on.
    click("cmdApply");
    EXPECT_EQ(applied(), QStringLiteral("  |,O,7,1|comNone|"));
}

TEST_F(PortSetupDialogTest, LoadWithoutAFileChangesNothingAndShowsTheReport) {
    m_present = {4};
    open();
    type("cmbSelectPort", QStringLiteral("4"));
    click("optHandShake_3");
    click("cmdLoadPortSettings");
    EXPECT_EQ(shown(), QStringLiteral("4|9600|optHandShake_3|"));
    EXPECT_TRUE(m_indicators.info().startsWith(QStringLiteral("fileExists(PortSetup.txt): Err ")))
        << m_indicators.info().toStdString();
}

TEST_F(PortSetupDialogTest, ApplyHandsOnTheControlsRaisesThePortRequestAndCloses) {
    m_present = {1, 3};
    open();
    QSignalSpy unloaded(m_dialog.get(), &PortSetupDialog::unloaded);
    control<QComboBox>("cmbSelectPort")->setCurrentIndex(1);
    control<QComboBox>("cmbSelectBaudRate")->setCurrentIndex(0);
    click("optHandShake_1");
    click("chkExtPTTEna");
    click("cmdApply");
    EXPECT_EQ(applied(), QStringLiteral("3|19200 ,O,7,1|comXonXoff|ptt"));
    EXPECT_TRUE(m_flags.RadioPortChanged);
    EXPECT_EQ(unloaded.count(), 1);
    EXPECT_FALSE(m_dialog->isVisible());
    EXPECT_FALSE(QFile::exists(tq::persist::kPortSetupFileName));
}

TEST_F(PortSetupDialogTest, TypedTextIsTakenAsTyped) {
    open();
    type("cmbSelectPort", QStringLiteral("COM99"));
    QTest::keyClick(control<QComboBox>("cmbSelectPort")->lineEdit(), Qt::Key_Return);
    type("cmbSelectBaudRate", QStringLiteral("fast"));
    EXPECT_EQ(items("cmbSelectPort"), QString());
    EXPECT_EQ(control<QLabel>("lblPortDevice")->text(), QString());
    click("cmdApply");
    EXPECT_EQ(applied(), QStringLiteral("COM99|fast,O,7,1|comNone|"));
    EXPECT_TRUE(m_flags.RadioPortChanged);
}

TEST_F(PortSetupDialogTest, CancelAndTheCloseBoxChangeNothingAndOnlyCancelWithdrawsACatRequest) {
    m_setup.ExtPttEnabled = true;
    m_present = {5};
    for (const bool isCat : {false, true}) {
        for (const bool byCancel : {true, false}) {
            SCOPED_TRACE(std::string(isCat ? "CAT " : "radio ") +
                         (byCancel ? "Cancel" : "close box"));
            m_flags.CatPortChanged = isCat;
            open(isCat ? PortSetupForm::catPort() : PortSetupForm::radioPort());
            QSignalSpy unloaded(m_dialog.get(), &PortSetupDialog::unloaded);
            control<QComboBox>("cmbSelectPort")->setCurrentIndex(0);
            click("optHandShake_3");
            if (isCat) {
                control<QComboBox>("cmbBits")->setCurrentIndex(1);
            } else {
                click("chkExtPTTEna");
            }
            if (byCancel) {
                click("cmdCancel");
            } else {
                m_dialog->close();
            }
            EXPECT_EQ(unloaded.count(), 1);
            EXPECT_FALSE(m_dialog->isVisible());
            EXPECT_EQ(m_flags.CatPortChanged, isCat && !byCancel);
        }
    }
    EXPECT_EQ(applied(), QStringLiteral("|9600,O,7,1|comNone|ptt"));
    EXPECT_FALSE(m_flags.RadioPortChanged);
    EXPECT_EQ(m_cat.CatPortNumber + u'|' + m_cat.CatPortSettings + u'|' + m_cat.CatPortHandshake,
              QStringLiteral("|9600,N,8,1|comNone"));
}

TEST_F(PortSetupDialogTest, FailedSaveIsReportedInTheInfoBoxAndTheDialogStaysOpen) {
    open();
    {
        test::ReadOnlyDirectory readOnly(directory());
        click("cmdSavePortSettings");
    }
    EXPECT_EQ(m_indicators.info(), QStringLiteral("PortSetup.txt: Err 13. Permission denied"));
    EXPECT_TRUE(m_indicators.infoVisible());
    EXPECT_TRUE(m_dialog->isVisible());
    EXPECT_FALSE(m_flags.RadioPortChanged);
}

TEST_F(PortSetupDialogTest, CatFormShowsDesignValuesWhileClosedAndAddsAnOpenPortsSettings) {
    m_port.setSettings(QStringLiteral("300,E,7,1"));
    m_port.setHandshaking(link::Handshaking::RtsCts);
    const PortSetupDialog& dialog = open(PortSetupForm::catPort());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("CAT Setup"));
    EXPECT_EQ(control<QLabel>("Label1")->text(), QStringLiteral("Available Ports Found"));
    EXPECT_EQ(control<QLabel>("Label2")->text(), QStringLiteral("Parity, Bits, Stops"));
    EXPECT_EQ(control<QLabel>("Label3")->text(), QStringLiteral("Rig Type"));
    EXPECT_EQ(dialog.findChild<QCheckBox*>(QStringLiteral("chkExtPTTEna")), nullptr);
    EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("txtDefaultSettings")), nullptr);
    EXPECT_EQ(items("cmbRigType"), QStringLiteral("Kenwood|Elecraft|FT-450"));
    EXPECT_EQ(shown() + text("cmbBits") + text("cmbRigType"),
              QStringLiteral("|19200 |optHandShake_0N, 8, 1Kenwood"));

    openPort(4, QStringLiteral("9600,N,8,1"), link::Handshaking::RtsCts);
    open(PortSetupForm::catPort());
    EXPECT_EQ(items("cmbBits"), QStringLiteral("N, 8, 1|O, 7, 1|E, 7, 1|N,8,1"));
    EXPECT_EQ(text("cmbBits"), QStringLiteral("N,8,1"));
    EXPECT_TRUE(items("cmbSelectBaudRate").endsWith(u"|9600"));
    EXPECT_EQ(shown(), QStringLiteral("4|9600|optHandShake_2"));
}

TEST_F(PortSetupDialogTest, CatSaveThenLoadBringsBackBlanksAndATypedRigType) {
    m_cat.CatRigType = QStringLiteral("Kenwood");
    open(PortSetupForm::catPort());
    type("cmbSelectPort", QStringLiteral("12"));
    control<QComboBox>("cmbSelectBaudRate")->setCurrentIndex(2);
    control<QComboBox>("cmbBits")->setCurrentIndex(2);
    type("cmbRigType", QStringLiteral("TS-590"));
    click("optHandShake_2");
    click("cmdSavePortSettings");
    EXPECT_EQ(QString::fromUtf8(fileBytes(tq::persist::kCatSetupFileName)),
              tq::persist::formatPortSetup({QStringLiteral("12"), QStringLiteral("4800 ,E, 7, 1"),
                                            QStringLiteral("comRTS"), QStringLiteral("TS-590")},
                                           QStringLiteral("Line 4: RigType")));

    open(PortSetupForm::catPort());
    click("cmdLoadPortSettings");
    EXPECT_EQ(shown() + u'|' + text("cmbBits") + u'|' + text("cmbRigType"),
              QStringLiteral("12|4800 |optHandShake_2|E, 7, 1|TS-590"));
    EXPECT_EQ(items("cmbRigType"), QStringLiteral("Kenwood|Elecraft|FT-450|TS-590"));

    // Apply hands on the settings, never the rig type.
    click("cmdApply");
    EXPECT_EQ(m_cat.CatPortNumber + u'|' + m_cat.CatPortSettings + u'|' + m_cat.CatPortHandshake +
                  u'|' + m_cat.CatRigType,
              QStringLiteral("12|4800 ,E, 7, 1|comRTS|Kenwood"));
    EXPECT_TRUE(m_flags.CatPortChanged);
    EXPECT_FALSE(m_flags.RadioPortChanged);
}

#ifndef Q_OS_WIN
TEST_F(PortSetupDialogTest, CatPortTakesATypedDevicePathWholeWhereDevicesHaveNoNumbers) {
    open(PortSetupForm::catPort());
    type("cmbSelectPort", QStringLiteral("/dev/serial/by-id/usb-FTDI_A1-if00"));
    click("cmdSavePortSettings");
    click("cmdApply");
    EXPECT_EQ(m_cat.CatPortNumber, QStringLiteral("/dev/serial/by-id/usb-FTDI_A1-if00"));
    EXPECT_TRUE(QString::fromUtf8(fileBytes(tq::persist::kCatSetupFileName))
                    .startsWith(QStringLiteral("/dev/serial/by-id/usb-FTDI_A1-if00\r\n")));

    // Load brings the path back whole (a number still gives two characters),
    // and a port opened by its path shows that path.
    open(PortSetupForm::catPort());
    click("cmdLoadPortSettings");
    EXPECT_EQ(text("cmbSelectPort"), QStringLiteral("/dev/serial/by-id/usb-FTDI_A1-if00"));
    m_port.setDevicePath(QStringLiteral("/dev/pts/7"));
    openPort(3, QStringLiteral("9600,N,8,1"), link::Handshaking::None);
    open(PortSetupForm::catPort());
    EXPECT_EQ(text("cmbSelectPort"), QStringLiteral("/dev/pts/7"));
    // The radio port's dialog keeps to numbers.
    open(PortSetupForm::radioPort());
    EXPECT_EQ(text("cmbSelectPort"), QStringLiteral("3"));
}
#endif

#ifndef Q_OS_WIN
// SerialPorts.txt maps numbers to devices where devices have no numbers.
TEST_F(PortSetupDialogTest, AListedDeviceIsNamedForTheChosenNumberInSerialPortsTxt) {
    m_devices.plugIn(kFtdi);
    m_devices.plugIn(kCp2102);
    writeFile(QStringLiteral("SerialPorts.txt"), "# bench\n5 /dev/tq5820-test-other\n3 /dev/old\n");
    m_present = {1};
    open();
    EXPECT_EQ(items("cmbDevice"),
              QStringLiteral("ttyUSB0: FT232R USB UART (FTDI)|"
                             "ttyUSB1: CP2102 USB to UART Bridge Controller (Silicon Labs)"));
    type("cmbSelectPort", QStringLiteral("3"));
    EXPECT_EQ(portDeviceText(), QStringLiteral("/dev/old: missing"));
    control<QComboBox>("cmbDevice")->setCurrentIndex(0);
    click("cmdAttachDevice");
    // The stable name, in place of the old line; the rest of the file kept.
    EXPECT_EQ(fileBytes(QStringLiteral("SerialPorts.txt")),
              "# bench\r\n5 /dev/tq5820-test-other\r\n3 " + kFtdi.stablePath.toUtf8() + "\r\n");
    EXPECT_EQ(portDeviceText(), QStringLiteral("ttyUSB0: FT232R USB UART (FTDI)"));
    click("cmdSavePortSettings");
    EXPECT_TRUE(fileBytes(tq::persist::kPortSetupFileName).startsWith("3\r\n"));

    // With no number chosen, the CAT dialog gives the device the first number
    // that neither names a device nor was found (1 was), and the settings
    // file keeps that bare number.
    open(PortSetupForm::catPort());
    control<QComboBox>("cmbDevice")->setCurrentIndex(1);
    click("cmdAttachDevice");
    EXPECT_EQ(text("cmbSelectPort"), QStringLiteral("2"));
    EXPECT_TRUE(
        fileBytes(QStringLiteral("SerialPorts.txt")).endsWith("\r\n2 /dev/tq5820-test-usb1\r\n"));
    click("cmdSavePortSettings");
    EXPECT_TRUE(fileBytes(tq::persist::kCatSetupFileName).startsWith("2\r\n"));
}

TEST_F(PortSetupDialogTest, ANumberWhoseDeviceIsGoneOrDoesNotOpenSaysSo) {
    const QString held = QDir(directory()).filePath(QStringLiteral("tty-held-elsewhere"));
    writeFile(held, {});
    writeFile(QStringLiteral("SerialPorts.txt"),
              "3 /dev/tq5820-test-usb1\n4 " + held.toUtf8() + '\n');
    m_refusals[4] = QStringLiteral("Permission denied");
    m_devices.plugIn(kCp2102);
    open();
    type("cmbSelectPort", QStringLiteral("3"));
    EXPECT_EQ(portDeviceText(),
              QStringLiteral("ttyUSB1: CP2102 USB to UART Bridge Controller (Silicon Labs)"));

    // Pulled out while the dialog is open.
    m_devices.pullOut(QStringLiteral("ttyUSB1"));
    click("cmdRefreshDevices");
    EXPECT_EQ(text("cmbSelectPort"), QStringLiteral("3"));
    EXPECT_EQ(portDeviceText(), QStringLiteral("/dev/tq5820-test-usb1: missing"));
    EXPECT_EQ(items("cmbDevice"), QString());
    EXPECT_FALSE(control<QPushButton>("cmdAttachDevice")->isEnabled());

    // There, but not free: the serial layer's reason, as it gives it.
    type("cmbSelectPort", QStringLiteral("4"));
    EXPECT_EQ(portDeviceText(), held + QStringLiteral("\nDid not open: Permission denied"));
}
#endif

}  // namespace
}  // namespace tq::ui
