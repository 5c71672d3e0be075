#include <gtest/gtest.h>

#include "FakeSerialPort.h"
#include "QStringPrinter.h"
#include "RecordingIndicators.h"
#include "link/PortFailure.h"
#include "link/RadioPort.h"
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
    RecordingIndicators m_indicators;
    RadioPortSetup m_setup;
    RadioLinkFlags m_flags;
    RadioPort m_radio{m_port, m_clock, m_indicators, m_setup, m_flags};
};

const QString kOpenedAsRadioPort = QStringLiteral(
    "open t=0.00 port=3 hs=2 settings=9600 ,O,7,1 rts=1 dtr=0 readLength=0 rx=4096 tx=256 "
    "rth=0 sth=0 nul=1 parity=:");

TEST_F(LinkRadioPort, ClosedPortIsOpenedWithTheRadioSettingsThenEmptied) {
    EXPECT_TRUE(m_radio.SetUpRadioPort());
    EXPECT_EQ(m_port.log(), (QStringList{kOpenedAsRadioPort, QStringLiteral("discard")}));
    EXPECT_TRUE(m_port.isOpen());
    EXPECT_TRUE(m_indicators.shown().isEmpty());
    EXPECT_EQ(m_clock.waitCount(), 0) << "no pause when the port was closed";
}

TEST_F(LinkRadioPort, ReapplyingWhileOpenDiscardsInputClosesAndPausesBeforeReopening) {
    ASSERT_TRUE(m_radio.SetUpRadioPort());
    m_port.clearLog();
    m_port.receive(QStringLiteral("F1420000\r\n"));

    EXPECT_TRUE(m_radio.SetUpRadioPort());

    const QStringList log = m_port.log();
    ASSERT_EQ(log.size(), 5) << log.join(u'|').toStdString();
    EXPECT_EQ(log[0], QStringLiteral("bytesToRead"));
    EXPECT_EQ(log[1], QStringLiteral("readAll"));
    EXPECT_EQ(log[2], QStringLiteral("close t=0.00"));
    EXPECT_TRUE(log[3].startsWith(QStringLiteral("open t=0.50 port=3 "))) << log[3].toStdString();
    EXPECT_EQ(log[4], QStringLiteral("discard"));
    EXPECT_TRUE(m_port.waiting().isEmpty());
    EXPECT_NEAR(m_clock.elapsedTotal(), 0.5, 1e-6);
}

TEST_F(LinkRadioPort, HandshakeNamesGiveTheirPortCodes) {
    const std::pair<const char*, Handshaking> cases[] = {
        {"comXonXoff", Handshaking::None}, {"COMRTSXONXOFF", Handshaking::RtsCts},
        {"comRTS", Handshaking::RtsCts},   {"comNone", Handshaking::None},
        {"anything", Handshaking::None},
    };
    for (const auto& [name, expected] : cases) {
        m_setup.RadioPortHandshake = QString::fromLatin1(name);
        ASSERT_TRUE(m_radio.SetUpRadioPort()) << name;
        EXPECT_EQ(m_port.handshaking(), expected) << name;
    }
}

TEST_F(LinkRadioPort, PortThatStaysClosedIsReportedAsNotOpened) {
    m_port.setOpenSucceeds(false);
    EXPECT_FALSE(m_radio.SetUpRadioPort());
    EXPECT_EQ(m_indicators.info(), QStringLiteral("Selected port did not open..."));
    EXPECT_TRUE(m_indicators.infoVisible());
    EXPECT_EQ(m_port.log().last().left(4), QStringLiteral("open"))
        << "nothing done to a closed port";
}

TEST_F(LinkRadioPort, FailuresGoToTheCaller) {
    const std::pair<const char*, const char*> cases[] = {
        {"0", "9600,O,7,1"},      // no such port number
        {"COM3", "9600,O,7,1"},   // reads as 0
        {"3", "9600,O,seven,1"},  // malformed settings
    };
    const int numbers[] = {PortFailure::kInvalidPortNumber, PortFailure::kInvalidPortNumber,
                           PortFailure::kInvalidPropertyValue};
    for (size_t i = 0; i < std::size(cases); ++i) {
        m_setup.RadioPortNumber = QString::fromLatin1(cases[i].first);
        m_setup.RadioPortSettings = QString::fromLatin1(cases[i].second);
        try {
            m_radio.SetUpRadioPort();
            ADD_FAILURE() << "no failure for " << cases[i].first << " " << cases[i].second;
        } catch (const PortFailure& failure) {
            EXPECT_EQ(failure.number(), numbers[i]) << cases[i].first << " " << cases[i].second;
        }
        EXPECT_FALSE(m_port.isOpen());
        EXPECT_TRUE(m_indicators.shown().isEmpty()) << "the caller reports the failure";
    }
}

TEST_F(LinkRadioPort, BreakRequestsALinkRestart) {
    ASSERT_TRUE(m_radio.SetUpRadioPort());
    m_port.fire(CommEvent::kBreak);
    EXPECT_TRUE(m_flags.LinkRestartRequest);
    EXPECT_TRUE(m_indicators.comStat().isEmpty());
}

TEST_F(LinkRadioPort, LineErrorsShowComError) {
    for (const int code : {1004, 1006, 1008, 1009, 1010, 1011}) {
        m_indicators.setComStat(QStringLiteral("COM3"));
        m_port.fire(code);
        EXPECT_EQ(m_indicators.comStat(), QStringLiteral("Com Error")) << code;
    }
    EXPECT_FALSE(m_flags.LinkRestartRequest);
}

TEST_F(LinkRadioPort, DsrChangeFollowsTheLineOnlyWhenExternalPttIsEnabled) {
    ASSERT_TRUE(m_radio.SetUpRadioPort());

    m_setup.ExtPttEnabled = false;
    m_port.setDsrLine(false);
    m_flags.ExtPttState = false;
    m_port.fire(CommEvent::kDsrChanged);
    EXPECT_TRUE(m_flags.ExtPttState) << "disabled external PTT always reads idle";

    m_setup.ExtPttEnabled = true;
    m_port.fire(CommEvent::kDsrChanged);
    EXPECT_FALSE(m_flags.ExtPttState);
    m_port.setDsrLine(true);
    m_port.fire(CommEvent::kDsrChanged);
    EXPECT_TRUE(m_flags.ExtPttState);
}

TEST_F(LinkRadioPort, DsrChangeArrivingAfterCloseReadsTheLineAsOff) {
    ASSERT_TRUE(m_radio.SetUpRadioPort());
    m_setup.ExtPttEnabled = true;
    m_port.setDsrLine(true);
    m_port.close();
    EXPECT_NO_THROW(m_port.fire(CommEvent::kDsrChanged));
    EXPECT_FALSE(m_flags.ExtPttState);
}

}  // namespace
}  // namespace tq::link
