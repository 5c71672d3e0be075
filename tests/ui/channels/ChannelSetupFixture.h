#pragma once

#include <QTest>
#include <functional>
#include <memory>

#include "app/persist/DataDirectoryTest.h"
#include "link/TestClock.h"
#include "protocol/RadioLink.h"
#include "protocol/RadioState.h"
#include "sim/SimulatedPort.h"
#include "support/RecordingIndicators.h"
#include "support/WidgetApplication.h"
#include "ui/channels/frmChannelSetup.h"
#include "ui/setup/ScriptedPrompts.h"

namespace tq::test {

/// The channel manager opened in its own data directory, talking to the
/// simulated radio over the link in virtual time; the main window's
/// information box is recorded.
class ChannelSetupFixture : public DataDirectoryTest {
protected:
    void SetUp() override {
        DataDirectoryTest::SetUp();
        ensureWidgetApplication();
        port.open();
        link = std::make_unique<protocol::RadioLink>(port, clock, info, state);
        window = std::make_unique<ui::frmChannelSetup>(*link, prompts, info);
        window->show();
    }

    void TearDown() override { window.reset(); }

    /// Runs action at a virtual time from now, inside whatever wait is
    /// running then.
    void at(double seconds, std::function<void()> action) {
        clock.schedule(seconds, std::move(action));
    }
    /// Runs action on the first millisecond tick that finds ready.
    void once(std::function<bool()> ready, std::function<void()> action) {
        at(0.001, [this, ready, action] { ready() ? action() : once(ready, action); });
    }
    static void click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }

    /// The lines the program wrote, without their line feeds.
    QStringList sent() const {
        QStringList lines = QString::fromLatin1(port.written()).split(u'\n');
        lines.removeLast();  // after the last line feed
        return lines;
    }

    protocol::RadioState state;
    link::TestClock clock{12 * 3600.0};
    sim::SimulatedPort port{clock};
    RecordingIndicators info;
    ui::ScriptedPrompts prompts;
    std::unique_ptr<protocol::RadioLink> link;
    std::unique_ptr<ui::frmChannelSetup> window;
};

}  // namespace tq::test
