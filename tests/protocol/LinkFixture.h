#pragma once

#include <gtest/gtest.h>

#include "protocol/RadioCommands.h"
#include "protocol/RadioLink.h"
#include "support/RecordingIndicators.h"
#include "support/ScriptedPort.h"
#include "support/TestClock.h"

namespace tq::test {

/// A radio link over a scripted port in virtual time, opened and ready.
struct ScriptedLink {
    explicit ScriptedLink(double startTime = 12 * 3600.0) : clock(startTime) { port.open(); }

    /// Makes the port answer the next write with text after a short delay.
    void answerEachWriteWith(const QString& text) {
        port.onWrite = [this, text](const QString&) { port.arriveAfter(0.02, text); };
    }
    QStringList written() const {
        QStringList texts;
        for (const auto& write : port.writes) {
            texts << write.text;
        }
        return texts;
    }

    tq::test::TestClock clock;
    ScriptedPort port{clock};
    RecordingIndicators shown;
    protocol::RadioState state;
    protocol::RadioLink link{port, clock, shown, state};
    protocol::RadioCommands commands{link};
};

struct LinkFixture : ::testing::Test, ScriptedLink {};

}  // namespace tq::test
