#include <gtest/gtest.h>

#include <array>

#include "link/PortFailure.h"
#include "link/RadioPort.h"
#include "support/FakeSerialPort.h"
#include "support/QStringPrinter.h"
#include "support/RecordingLinkIndicators.h"
#include "support/TestClock.h"

namespace tq::link {
namespace {

class LinkRadioPort : public ::testing::Test {
protected:
    LinkRadioPort() {
        m_setup.RadioPortNumber = QStringLiteral("3");
        m_setup.RadioPortSettings = QStringLiteral("9600 ,O,7,1");
        m_setup.RadioPortHandshake = QStringLiteral("comRTS");
        m_port.setEventHandler([this](int) { m_radio.MSComm1_OnComm(); });
    }

    test::TestClock m_clock;
    FakeSerialPort m_port{m_clock};
    RecordingLinkIndicators m_indicators;
    RadioPortSetup m_setup;
    RadioLinkFlags m_flags;
    RadioPort m_radio{m_port, m_clock, m_indicators, m_setup, m_flags};
};

TEST_F(LinkRadioPort, OpensWithTheRadioSettingsAndReopensAnOpenPortAfterAPause) {
    EXPECT_TRUE(m_radio.SetUpRadioPort());
    const QString opened = QStringLiteral(
        "open t=%1 port=3 hs=2 settings=9600 ,O,7,1 rts=1 dtr=0 readLength=0 rx=4096 tx=256 "
        "rth=0 sth=0 nul=1 parity=:");
    EXPECT_EQ(m_port.log(), (QStringList{opened.arg("0.00"), QStringLiteral("discard")}));
    EXPECT_TRUE(m_indicators.shown().isEmpty());
    EXPECT_EQ(m_clock.waitCount(), 0) << "no pause when the port was closed";

    m_port.clearLog();
    m_port.receive(QStringLiteral("F1420000\r\n"));
    EXPECT_TRUE(m_radio.SetUpRadioPort());
    EXPECT_EQ(m_port.log(), (QStringList{"bytesToRead", "readAll", "close t=0.00",
                                         opened.arg("0.50"), "discard"}));
    EXPECT_TRUE(m_port.waiting().isEmpty());
}

TEST_F(LinkRadioPort, BadSettingsGoToTheCallerAndAPortThatStaysClosedIsReported) {
    const std::tuple<const char*, const char*, int> cases[] = {
        {"0", "9600,O,7,1", PortFailure::kInvalidPortNumber},
        {"3", "9600,O,seven,1", PortFailure::kInvalidPropertyValue},
    };
    for (const auto& [number, settings, expected] : cases) {
        m_setup.RadioPortNumber = QString::fromLatin1(number);
        m_setup.RadioPortSettings = QString::fromLatin1(settings);
        try {
            m_radio.SetUpRadioPort();
            ADD_FAILURE() << "no failure for " << number << " " << settings;
        } catch (const PortFailure& failure) {
            EXPECT_EQ(failure.number(), expected) << number << " " << settings;
        }
        EXPECT_FALSE(m_port.isOpen());
        EXPECT_TRUE(m_indicators.shown().isEmpty()) << "the caller reports the failure";
    }
    m_setup.RadioPortNumber = QStringLiteral("3");
    m_setup.RadioPortSettings = QStringLiteral("9600,O,7,1");
    m_port.setOpenSucceeds(false);
    EXPECT_FALSE(m_radio.SetUpRadioPort());
    EXPECT_EQ(m_indicators.shown(), QStringList{"Selected port did not open..."});
    EXPECT_TRUE(m_port.log().last().startsWith("open")) << "nothing done to a closed port";
}

TEST_F(LinkRadioPort, BreakRestartsTheLinkAndLineErrorsShowComError) {
    for (const int code : {1004, 1006, 1008, 1009, 1010, 1011, CommEvent::kBreak}) {
        m_indicators.setComStat(QStringLiteral("COM3"));
        m_port.fire(code);
        const bool isBreak = code == CommEvent::kBreak;
        EXPECT_EQ(m_indicators.comStat(), isBreak ? "COM3" : "Com Error") << code;
        EXPECT_EQ(m_flags.LinkRestartRequest, isBreak) << code;
    }
}

TEST_F(LinkRadioPort, DsrChangeFollowsTheLineOnlyWhenExternalPttIsEnabledAndThePortOpen) {
    ASSERT_TRUE(m_radio.SetUpRadioPort());
    // Enabled, line, port open: the state read. Disabled reads idle (true);
    // after the close the line reads off.
    const std::array<bool, 4> cases[] = {{false, false, true, true},
                                         {true, false, true, false},
                                         {true, true, true, true},
                                         {true, true, false, false}};
    for (const auto& [enabled, line, open, ptt] : cases) {
        m_setup.ExtPttEnabled = enabled;
        m_port.setDsrLine(line);
        if (!open) {
            m_port.close();
        }
        m_flags.ExtPttState = !ptt;
        EXPECT_NO_THROW(m_port.fire(CommEvent::kDsrChanged));
        EXPECT_EQ(m_flags.ExtPttState, ptt) << enabled << line << open;
    }
}

}  // namespace
}  // namespace tq::link
