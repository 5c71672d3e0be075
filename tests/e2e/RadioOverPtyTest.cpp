// The real serial layer talking to tq5820-sim over a pseudo-terminal: the
// radio port is set up from its saved settings, a status is queried until it
// is complete, settings are changed, and the radio going away is reported.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include "link/Pause.h"
#include "link/PortMap.h"
#include "link/QtSerialPort.h"
#include "link/RadioPort.h"
#include "link/SystemClock.h"
#include "protocol/FirmwareRule.h"
#include "protocol/RadioCommands.h"
#include "protocol/RadioLink.h"
#include "support/CoreApplication.h"
#include "support/RecordingIndicators.h"
#include "support/SimProcess.h"

namespace {

class RadioOverPty : public ::testing::Test {
protected:
    void SetUp() override {
        tq::test::ensureCoreApplication();
        ASSERT_TRUE(m_dir.isValid());
        m_linkPath = m_dir.filePath(QStringLiteral("radio"));
        m_sim = std::make_unique<tq::test::SimProcess>(
            m_linkPath, QStringList{QStringLiteral("--firmware"), QStringLiteral("3"),
                                    QStringLiteral("--reply-delay"), QStringLiteral("5")});
        ASSERT_FALSE(m_sim->devicePath().isEmpty()) << "tq5820-sim did not start";
        QFile map(m_dir.filePath(QString::fromLatin1(tq::link::PortMap::kFileName)));
        ASSERT_TRUE(map.open(QIODevice::WriteOnly));
        QTextStream(&map) << "# the simulator stands in for the radio\n4 " << m_linkPath << "\n";
    }

    QTemporaryDir m_dir;
    QString m_linkPath;
    std::unique_ptr<tq::test::SimProcess> m_sim;
};

TEST_F(RadioOverPty, SetsUpTheRadioPortQueriesStatusAndChangesSettings) {
    tq::link::SystemClock clock;
    tq::link::QtSerialPort port(clock, tq::link::PortMap(m_dir.path()));
    tq::test::RecordingIndicators shown;
    tq::link::RadioPortSetup setup;
    setup.RadioPortNumber = QStringLiteral("4");
    setup.RadioPortSettings = QStringLiteral("9600 ,O,7,1");  // as the dialog writes it
    setup.RadioPortHandshake = QStringLiteral("comRTSXonXoff");
    tq::link::RadioLinkFlags flags;
    tq::link::RadioPort radioPort(port, clock, shown, setup, flags);
    int lostEvents = 0;
    port.setEventHandler([&](int code) {
        lostEvents += code == tq::link::CommEvent::kDeviceLost ? 1 : 0;
        radioPort.MSComm1_OnComm();
    });

    ASSERT_TRUE(radioPort.SetUpRadioPort());
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(port.handshaking(), tq::link::Handshaking::RtsCts);

    tq::protocol::RadioState state;
    tq::protocol::RadioLink link(port, clock, shown, state);
    tq::protocol::RadioCommands commands(link);
    for (int i = 0; i < 5 && !state.StatusComplete; ++i) {
        link.SendRadioCommand(QStringLiteral("?"), true, 0.6);
        link.AwaitRadioReply();
    }
    ASSERT_TRUE(state.StatusComplete);
    EXPECT_EQ(shown.comStat, "Com OK");
    tq::protocol::applyFirmwareRule(state, shown, tq::protocol::ControlSetUp::Remote);
    EXPECT_EQ(state.FirmwareType, tq::protocol::Firmware::V604NonAdapt);
    EXPECT_EQ(shown.firmwareCaption, "F/W: v604 NonAdapt");
    EXPECT_EQ(state.RemoteReply, "R1");

    commands.SelectMode(QStringLiteral("M3"));
    EXPECT_EQ(state.ModeReply, "M3");
    commands.SendFrequency(QStringLiteral("0707400"));
    EXPECT_EQ(state.FreqReply, "F0707400");
    EXPECT_TRUE(state.FreqReplyValid);

    // Setting the same port up again closes and reopens it, and it still works.
    ASSERT_TRUE(radioPort.SetUpRadioPort());
    link.SendRadioCommand(QStringLiteral("?"), true, 0.6);
    link.AwaitRadioReply();
    EXPECT_TRUE(state.StatusComplete);

    // The radio goes away: reported once, the port closed, nothing thrown.
    ASSERT_TRUE(m_sim->stop());
    tq::link::Pause(clock, 1.5);
    EXPECT_EQ(lostEvents, 1);
    EXPECT_FALSE(port.isOpen());
    EXPECT_TRUE(flags.PortLost);
    EXPECT_EQ(shown.comStat, tq::link::RadioPort::waitingCaption(m_linkPath));
    EXPECT_NO_THROW(link.SendRadioCommand(QStringLiteral("?"), true, 0));
}

}  // namespace
