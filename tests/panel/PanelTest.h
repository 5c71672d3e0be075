#pragma once

#include <gtest/gtest.h>

#include "panel/Panel.h"
#include "support/PanelFixture.h"
#include "support/QStringPrinter.h"

namespace tq::test {

/// One main loop pass: each raised request served once, and cleared by it.
void servePass(panel::Panel& panel);

/// The panel against the simulated radio (the Adapt firmware), started from
/// the radio's status; the test plays the main loop's part.
struct PanelTest : ::testing::Test {
    /// A click served by the main loop; returns what that sent to the radio.
    QStringList click(panel::PanelRequest request);
    /// The main loop's next pass; returns what it sent.
    QStringList serve();
    /// Time passes in the main loop, showing what the radio reported.
    void after(double seconds);
    /// A reply as the decoder leaves it: the value and its new-value flag.
    void reply(QString protocol::RadioState::*field, bool protocol::RadioState::*flag,
               const char* text);

    PanelFixture bench;
    panel::PanelModel& model = bench.model();
    panel::Panel& panel = bench.panel;
};

}  // namespace tq::test
