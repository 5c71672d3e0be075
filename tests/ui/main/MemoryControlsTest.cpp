#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <string>

#include "protocol/ProgramFlags.h"
#include "protocol/RadioCommands.h"
#include "protocol/RadioLink.h"
#include "sim/SimulatedPort.h"
#include "support/TestClock.h"
#include "support/WidgetApplication.h"
#include "ui/main/MemoryControls.h"

using tq::panel::PanelRequest;
using tq::sim::Setting;
using tq::ui::frmTQ5820;

namespace {

/// The window with its memory controls and the simulated radio, in virtual
/// time, after the radio's status (14.200 00 MHz USB) has reached the panel.
struct UiMemory : tq::test::WidgetTest {
    UiMemory() {
        port.open();
        window.attachLink(link, commands);
        state.FirmwareType = 2;  // the simulated radio's default dialect
        QObject::connect(&window, &frmTQ5820::channelDigitDown, &window,
                         [this](int index, int button) { memory.channelDigitDown(index, button); });
        QObject::connect(&window, &frmTQ5820::channelDigitUp, &window,
                         [this](int index, int button) { memory.channelDigitUp(index, button); });
        memory.setBeep([this] { ++beeps; });
        link.SendRadioCommand(QStringLiteral("?"), true, 0.6);
        settle();
        port.clearWritten();
    }

    void showChannel(const char* digits) {
        for (std::size_t k = 0; k < 2; ++k)
            window.cmdM[k]->setText(QString(QLatin1Char(digits[k])));
    }
    QString channel() const { return window.cmdM[0]->text() + window.cmdM[1]->text(); }
    QString vfoA() const {
        QString digits;
        for (auto* digit : window.cmdF)
            digits += digit->text();
        return digits;
    }
    std::string written() const { return port.written().toStdString(); }

    /// Presses a channel digit and lets go after heldSeconds of clock time.
    void press(int index, Qt::MouseButton button, double heldSeconds = 0.1) {
        tq::ui::StepButton* digit = window.cmdM[static_cast<std::size_t>(index)];
        clock.schedule(heldSeconds, [digit, button] { QTest::mouseRelease(digit, button); });
        QTest::mousePress(digit, button);
    }
    /// The main loop between operations: a channel change, replies, display.
    void settle() {
        memory.sendChannelChange();
        link.AwaitRadioReply();
        window.gUpdateDisplay();
    }

    tq::protocol::RadioState state;
    tq::protocol::ProgramFlags flags;
    frmTQ5820 window{state, flags};
    tq::test::TestClock clock;
    tq::sim::SimulatedPort port{clock};
    tq::protocol::RadioLink link{port, clock, window, state};
    tq::protocol::RadioCommands commands{link};
    tq::ui::MemoryControls memory{window, link, commands};
    int beeps = 0;
};

TEST_F(UiMemory, ChannelDigitsStepWithoutWrappingAround) {
    struct Case {
        const char* from;
        int index;
        Qt::MouseButton button;
        double held;
        const char* to;
        int beeps;
    };
    const Case cases[] = {
        {"95", 0, Qt::LeftButton, 0.1, "95", 1},   // tens stop at 9x
        {"00", 1, Qt::RightButton, 0.1, "00", 1},  // units stop at 00
        {"09", 1, Qt::LeftButton, 0.1, "10", 0},   // units carry into the tens
        {"00", 1, Qt::LeftButton, 0.6, "03", 0},   // held: a step every 0.25 s
        {"50", 0, Qt::LeftButton, 1.1, "90", 1},   // held past the end: stays
        {"x ", 1, Qt::LeftButton, 0.1, "01", 0},   // no number: counts as 00
    };
    for (const Case& c : cases) {
        showChannel(c.from);
        beeps = 0;
        press(c.index, c.button, c.held);
        EXPECT_EQ(channel(), QLatin1String(c.to)) << c.from << " index " << c.index;
        EXPECT_EQ(beeps, c.beeps) << c.from << " index " << c.index;
    }
    // A second button pressed while one is held is ignored.
    showChannel("20");
    clock.schedule(0.3, [this] { QTest::mousePress(window.cmdM[1], Qt::RightButton); });
    press(1, Qt::LeftButton, 0.6);
    EXPECT_EQ(channel(), "23");
    // In VFO operation the radio hears nothing of it.
    memory.sendChannelChange();
    EXPECT_EQ(written(), "");
}

TEST_F(UiMemory, InMemoryOperationAReleasedChannelGoesOutOnceBetweenExchanges) {
    memory.vmCmd();
    settle();
    port.clearWritten();
    showChannel("10");

    // Stepped while a frequency is on its way: its reply is read undisturbed.
    clock.schedule(0.1, [this] { press(1, Qt::LeftButton, 0.6); });
    commands.SendFrequency(QStringLiteral("1410500"));
    EXPECT_EQ(written(), "F1410500\n");
    EXPECT_EQ(state.FreqReply, "F1410500");

    settle();
    EXPECT_EQ(written(), "F1410500\nC13\n");
    EXPECT_EQ(port.radio().settings().get(Setting::Channel), 13);
    EXPECT_EQ(vfoA(), "1413000");
    settle();
    EXPECT_EQ(written(), "F1410500\nC13\n");
}

TEST_F(UiMemory, RecallAndStoreUseTheSelectedChannel) {
    showChannel("07");
    window.requests().raise(tq::panel::PanelRequest::cmdM2V);
    memory.m2vCmd();
    EXPECT_EQ(written(), "C07\n");
    EXPECT_EQ(window.lblInfo->text(), "Channel 07");
    EXPECT_FALSE(window.requests().isRaised(tq::panel::PanelRequest::cmdM2V));
    settle();
    EXPECT_EQ(vfoA(), "1407000");
    EXPECT_EQ(window.cmbMode->currentText(), "CW");

    // The radio's report is stored, not the digits the panel shows.
    port.clearWritten();
    state.FreqReply = QStringLiteral("F1420000");
    state.ModeReply = QStringLiteral("M1");
    showChannel("12");
    window.requests().raise(tq::panel::PanelRequest::cmdV2M);
    memory.v2mCmd();
    EXPECT_EQ(written(), "P1214200001\n");
    EXPECT_FALSE(window.requests().isRaised(tq::panel::PanelRequest::cmdV2M));
    EXPECT_EQ(port.radio().memory().channel(12).frequency, 1420000);

    port.clearWritten();
    state.FreqReply = QStringLiteral("F14a0000");
    memory.v2mCmd();
    EXPECT_EQ(written(), "") << "a garbled report is not stored";
}

TEST_F(UiMemory, LeavingMemoryOperationRestoresVfoAExactly) {
    ASSERT_EQ(vfoA(), "1420000");
    showChannel("06");  // 14.060 00 MHz AME
    QTest::mouseClick(window.cmdVM, Qt::LeftButton);
    memory.vmCmd();
    EXPECT_FALSE(window.requests().isRaised(tq::panel::PanelRequest::cmdVM));
    EXPECT_EQ(window.cmdVM->text(), "VFO");
    EXPECT_TRUE(window.FrequencyLock);
    EXPECT_EQ(written(), "C06\n");
    settle();
    press(1, Qt::LeftButton);
    settle();
    EXPECT_EQ(vfoA(), "1407000");

    memory.vmCmd();
    EXPECT_EQ(window.cmdVM->text(), "MEM");
    EXPECT_FALSE(window.FrequencyLock);
    EXPECT_TRUE(port.written().endsWith("F1420000\n")) << written();
    settle();
    EXPECT_EQ(vfoA(), "1420000");
    EXPECT_EQ(window.cmbMode->currentText(), "USB");
    EXPECT_EQ(port.radio().settings().get(Setting::Frequency), 1420000);
    EXPECT_EQ(port.radio().settings().get(Setting::Mode), 1);
}

}  // namespace
