#include "panel/PanelTest.h"

#include <array>

namespace tq::test {

using panel::Panel;
using panel::PanelRequest;

namespace {

struct Row {
    PanelRequest request;
    void (*serve)(Panel&);
};

// The rows of the main loop's request table these tests raise, in serving
// order.
constexpr std::array<Row, 24> kRows{{
    {PanelRequest::cmbSource, [](Panel& p) { p.receiver().sourceCmd(); }},
    {PanelRequest::cmbAGC, [](Panel& p) { p.receiver().agcCmd(); }},
    {PanelRequest::cmdBFO, [](Panel& p) { p.receiver().bfoButton(); }},
    {PanelRequest::cmdClipping, [](Panel& p) { p.receiver().clippingCmd(); }},
    {PanelRequest::optMeter, [](Panel& p) { p.receiver().meterCmd(); }},
    {PanelRequest::cmbMode, [](Panel& p) { p.receiver().modeCmd(); }},
    {PanelRequest::cmdMute, [](Panel& p) { p.receiver().muteCmd(); }},
    {PanelRequest::cmdPTTEn, [](Panel& p) { p.receiver().pttEnableCmd(); }},
    {PanelRequest::cmdSideTone, [](Panel& p) { p.receiver().sideToneCmd(); }},
    {PanelRequest::cmdTune, [](Panel& p) { p.transmit().tuneCmd(); }},
    {PanelRequest::cmdVOX, [](Panel& p) { p.receiver().voxStep(); }},
    {PanelRequest::cmdXmit, [](Panel& p) { p.transmit().xmitCmd(); }},
    {PanelRequest::cmdAmpPwr, [](Panel& p) { p.amplifier().ampPwrCmd(); }},
    {PanelRequest::cmdAmpOpr, [](Panel& p) { p.amplifier().ampOprCmd(); }},
    {PanelRequest::cmdTuneAmp, [](Panel& p) { p.amplifier().tuneAmpCmd(); }},
    {PanelRequest::cmdM2V, [](Panel& p) { p.memory().m2vCmd(); }},
    {PanelRequest::cmdV2M, [](Panel& p) { p.memory().v2mCmd(); }},
    {PanelRequest::cmdGetStatus, [](Panel& p) { p.receiver().refreshCmd(); }},
    {PanelRequest::vscBFO, [](Panel& p) { p.receiver().bfoSend(); }},
    {PanelRequest::vscRFG, [](Panel& p) { p.receiver().rfGainSend(); }},
    {PanelRequest::cmbDig, [](Panel& p) { p.receiver().digitalModeCmd(); }},
    {PanelRequest::cmdSwap, [](Panel& p) { p.vfo().swapCmd(); }},
    {PanelRequest::cmdA2B, [](Panel& p) { p.vfo().a2bCmd(); }},
    {PanelRequest::cmdVM, [](Panel& p) { p.memory().vmCmd(); }},
}};

}  // namespace

void servePass(Panel& panel) {
    for (const Row& row : kRows) {
        if (panel.requests().isRaised(row.request)) {
            row.serve(panel);
            EXPECT_FALSE(panel.requests().isRaised(row.request))
                << "request " << static_cast<int>(row.request) << " left raised";
        }
    }
}

QStringList PanelTest::click(PanelRequest request) {
    panel.click(request);
    EXPECT_TRUE(panel.requests().isRaised(request)) << "click " << static_cast<int>(request);
    return serve();
}

QStringList PanelTest::serve() {
    bench.port.clearWritten();
    servePass(panel);
    return bench.sent();
}

void PanelTest::after(double seconds) {
    bench.clock.advance(seconds);
    bench.link().DrainRadioInput();
    panel.gUpdateDisplay();
}

void PanelTest::reply(QString protocol::RadioState::*field, bool protocol::RadioState::*flag,
                      const char* text) {
    bench.state.*field = QString::fromLatin1(text);
    bench.state.*flag = true;
}

}  // namespace tq::test
