#pragma once

#include <QStringList>
#include <functional>
#include <memory>

#include "link/RadioLinkFlags.h"
#include "panel/Panel.h"
#include "protocol/ProgramFlags.h"
#include "protocol/RadioState.h"
#include "sim/SimulatedPort.h"
#include "support/TestClock.h"

namespace tq::ui {
class frmTQ5820;
}

namespace tq::test {

/// The front panel with its operations against the simulated radio, in
/// virtual time, started from the radio's status as after start-up. A
/// window on it is made on request.
class PanelFixture {
public:
    static sim::RadioOptions radio(sim::Firmware firmware) {
        sim::RadioOptions options;
        options.firmware = firmware;
        return options;
    }

    explicit PanelFixture(const sim::RadioOptions& options = radio(sim::Firmware::V604Adapt));
    ~PanelFixture();

    panel::PanelModel& model() { return panel.model(); }
    protocol::RadioLink& link() { return panel.link(); }

    /// The main window as a view of this panel, shown offscreen.
    ui::frmTQ5820& window();

    /// Runs action at a moment of virtual time from now.
    void at(double seconds, std::function<void()> action);
    /// Runs action on the first millisecond tick that finds ready.
    void once(std::function<bool()> ready, std::function<void()> action);
    /// Presses a stepping control and lets go after the given virtual time;
    /// returns once the press has returned.
    void hold(panel::Stepper stepper, int index, int button, double seconds);
    /// Runs the served requests the way the main loop would, once.
    void serve(panel::PanelRequest request, const std::function<void()>& operation);

    /// Sets the radio's frequency and lets the panel show it.
    void tuneRadio(const QString& digits);

    /// What the program wrote, one entry per command: the sync characters
    /// stand alone, everything else runs up to its line feed.
    QStringList sent() const;
    QStringList sentFrequencies() const;

    int setting(sim::Setting which) { return port.radio().settings().get(which); }
    bool radioKeyed() { return port.radio().settings().keyed(); }

    protocol::RadioState state;
    protocol::ProgramFlags flags;
    TestClock clock{12 * 3600.0};
    sim::SimulatedPort port;
    link::RadioLinkFlags linkFlags;
    QString source = QStringLiteral("H2");
    QString vox = QStringLiteral("V2");
    panel::Panel panel;
    int beeps = 0;

private:
    std::unique_ptr<ui::frmTQ5820> m_window;
};

}  // namespace tq::test
