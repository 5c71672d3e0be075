// The CAT bridge between station software (a fake CAT port) and the radio (a
// scripted radio port), in virtual time.
#include <gtest/gtest.h>

#include "cat/CatBridge.h"
#include "cat/CatPanel.h"
#include "link/PortFailure.h"
#include "link/QStringPrinter.h"
#include "protocol/LinkFixture.h"
#include "protocol/ProgramFlags.h"

namespace tq::cat {
namespace {

/// The CAT port as station software's end of the line: what it sends
/// arrives at once and the port reports it as the device would.
class StationPort : public test::ScriptedPort {
public:
    using ScriptedPort::ScriptedPort;
    void receive(const QString& text) { arriveAfter(0, text); }
    void fire(int code) { raiseEvent(code); }
};

class RecordingPanel : public CatPanel {
public:
    void showCatInput(const QString& text) override { input = text; }
    void showCatOutput(const QString& text) override { output = text; }
    QString catOutput() const override { return output; }
    void setComStat(const QString& caption) override { comStat = caption; }
    QString digitalMode() const override { return digital; }

    QString input;
    QString output;
    QString comStat;
    QString digital = QStringLiteral("OFF");
};

class CatBridgeTest : public test::LinkFixture {
protected:
    CatBridgeTest() {
        state.FreqReply = QStringLiteral("F1420000");
        state.ModeReply = QStringLiteral("M2");
        state.FirmwareType = 2;
        setup.CatPortNumber = QStringLiteral("4");
        setup.CatPortSettings = QStringLiteral("4800 ,N, 8, 1");
        catPort.setEventHandler([this](int) { bridge.MSComm2_OnComm(); });
    }

    /// Station software sends text; the port reports it as one batch.
    void stationSends(const QString& text) {
        catPort.receive(text);
        catPort.fire(link::CommEvent::kReceiveThreshold);
    }

    /// The replies station software has received since the last call.
    QStringList replies() {
        QStringList sent;
        for (const auto& write : catPort.writes) {
            sent << write.text;
        }
        catPort.writes.clear();
        return sent;
    }

    StationPort catPort{clock};
    RecordingPanel panel;
    protocol::ProgramFlags flags;
    CatPortSetup setup;
    CatBridge bridge{catPort, clock, panel, state, commands, flags, setup};
};

TEST_F(CatBridgeTest, ConfigureOpensTheSavedPortWithAnEventAfterThreeCharacters) {
    setup.CatPortHandshake = QStringLiteral("COMRTSXONXOFF");
    flags.CatPortChanged = true;
    catPort.arriveAfter(0, QStringLiteral("stale"));
    bridge.ConfigureCatPort();
    ASSERT_TRUE(catPort.isOpen());
    EXPECT_EQ(catPort.portNumber(), 4);
    EXPECT_EQ(catPort.settings(), QStringLiteral("4800 ,N, 8, 1"));
    EXPECT_EQ(catPort.handshaking(), link::Handshaking::RtsCts);
    EXPECT_TRUE(catPort.rts());
    const link::BufferOptions& options = catPort.bufferOptions();
    EXPECT_EQ(options.receiveThreshold, 3);
    EXPECT_EQ(options.sendThreshold, 0);
    EXPECT_EQ(options.readLength, 0);
    EXPECT_EQ(options.receiveBufferSize, 4096);
    EXPECT_EQ(options.transmitBufferSize, 256);
    EXPECT_TRUE(options.discardNull);
    EXPECT_EQ(options.parityReplacement, u':');
    EXPECT_EQ(catPort.bytesToRead(), 0) << "what waited before is no request";
    EXPECT_FALSE(flags.CatPortChanged);

    // Configuring an open port again closes it first (else the number could
    // not change); "comXonXoff" gives no flow control.
    setup.CatPortNumber = QStringLiteral("5");
    setup.CatPortHandshake = QStringLiteral("comXonXoff");
    bridge.ConfigureCatPort();
    EXPECT_EQ(catPort.portNumber(), 5);
    EXPECT_EQ(catPort.handshaking(), link::Handshaking::None);

    // A port number that is no number fails to the caller, request kept.
    catPort.close();
    setup.CatPortNumber = QStringLiteral("x");
    flags.CatPortChanged = true;
    EXPECT_THROW(bridge.ConfigureCatPort(), link::PortFailure);
    EXPECT_TRUE(flags.CatPortChanged);
}

TEST_F(CatBridgeTest, ReceivingWaitsForTheRestThenStoresTheBatchForTheMainLoop) {
    bridge.ConfigureCatPort();
    catPort.receive(QStringLiteral("FA;"));
    // The rest of the command arrives during the pause.
    clock.schedule(0.010, [this] { catPort.receive(QStringLiteral("MD;")); });
    const double before = clock.elapsedTotal();
    catPort.fire(link::CommEvent::kReceiveThreshold);
    EXPECT_NEAR(clock.elapsedTotal() - before, CatBridge::kReceivePause, 1e-6);
    EXPECT_EQ(bridge.CatRxBuffer, QStringLiteral("FA;MD;"));
    EXPECT_EQ(panel.input, QStringLiteral("FA;MD;"));
    EXPECT_TRUE(flags.CatCommandPending);
    EXPECT_TRUE(port.writes.empty()) << "receiving never talks to the radio";

    // A second batch before the first is served replaces it.
    stationSends(QStringLiteral("MD;"));
    bridge.HandleCatCommands();
    EXPECT_FALSE(flags.CatCommandPending);
    EXPECT_EQ(replies(), QStringList({QStringLiteral("MD1;")}));
}

TEST_F(CatBridgeTest, ReadsAreAnsweredInTurnThroughTheReplyBox) {
    bridge.ConfigureCatPort();
    stationSends(QStringLiteral("FA;MD;IF;FA"));
    bridge.HandleCatCommands();
    EXPECT_EQ(replies(), QStringList({QStringLiteral("FA00014200000;"), QStringLiteral("MD1;")}));
    EXPECT_EQ(panel.output, QStringLiteral("MD1;"));

    panel.digital = QStringLiteral("RTTY");
    stationSends(QStringLiteral("MD;"));
    bridge.HandleCatCommands();
    EXPECT_EQ(replies(), QStringList({QStringLiteral("MD6;")}));

    // Nothing known to report: no reply at all, the box keeps the last one.
    state.FreqReply = QStringLiteral("        ");
    stationSends(QStringLiteral("FA;IF;ID;"));
    bridge.HandleCatCommands();
    EXPECT_TRUE(replies().isEmpty());
    EXPECT_EQ(panel.output, QStringLiteral("MD6;"));
    EXPECT_TRUE(port.writes.empty());
}

TEST_F(CatBridgeTest, SetsGoToTheRadioAndLaterReadsReportTheResult) {
    bridge.ConfigureCatPort();
    port.onWrite = [this](const QString& text) {
        if (text.startsWith(u'F')) {
            port.arriveAfter(0.02, text);  // the radio confirms the frequency
        } else if (text.startsWith(QStringLiteral("M1"))) {
            port.arriveAfter(0.02, QStringLiteral("M1\nF0707400\n"));
        }
    };
    stationSends(QStringLiteral("FA00107074000;FA00007074000;FA;MD4;MD2;MD;"));
    bridge.HandleCatCommands();
    EXPECT_EQ(written(),
              QStringList({QStringLiteral("F0707400\n"), QStringLiteral("M1\nF0707400\n")}));
    EXPECT_EQ(replies(), QStringList({QStringLiteral("FA00007074000;"), QStringLiteral("MD2;")}));
}

TEST_F(CatBridgeTest, PortTroubleOnlyShowsInTheStatusLabel) {
    bridge.ConfigureCatPort();
    for (const int code : {link::CommEvent::kFramingError, link::CommEvent::kOverrun,
                           link::CommEvent::kReceiveOverflow, link::CommEvent::kParityError,
                           link::CommEvent::kTransmitFull, link::CommEvent::kConfigurationError}) {
        panel.comStat.clear();
        catPort.fire(code);
        EXPECT_EQ(panel.comStat, QStringLiteral("Com2 Error")) << code;
    }
    panel.comStat.clear();
    for (const int code : {link::CommEvent::kBreak, link::CommEvent::kCtsChanged,
                           link::CommEvent::kDsrChanged, link::CommEvent::kRing}) {
        catPort.fire(code);
    }
    EXPECT_EQ(panel.comStat, QString());
    EXPECT_FALSE(flags.CatCommandPending);

    // A batch reported after the port was closed is dropped quietly.
    catPort.receive(QStringLiteral("FA;"));
    catPort.close();
    catPort.fire(link::CommEvent::kReceiveThreshold);
    EXPECT_FALSE(flags.CatCommandPending);
}

TEST_F(CatBridgeTest, SoftwareThatNeverReadsItsRepliesCannotHoldTheProgramUp) {
    bridge.ConfigureCatPort();
    QString flood;
    while (flood.size() + 3 <= CatBridge::kReceiveBufferSize) {
        flood += QStringLiteral("FA;");
    }
    stationSends(flood);
    bridge.HandleCatCommands();
    EXPECT_EQ(replies().size(), flood.size() / 3);

    // Replies that do not fit the transmit buffer are dropped and reported.
    catPort.stuckOutgoingBytes = CatBridge::kTransmitBufferSize - 10;
    stationSends(flood);
    bridge.HandleCatCommands();
    EXPECT_TRUE(replies().isEmpty());
    EXPECT_EQ(panel.comStat, QStringLiteral("Com2 Error"));
    EXPECT_TRUE(port.writes.empty()) << "reads never reach the radio";
}

}  // namespace
}  // namespace tq::cat
