#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <functional>
#include <memory>

#include "link/RadioLinkFlags.h"
#include "protocol/ProgramFlags.h"
#include "protocol/RadioCommands.h"
#include "protocol/RadioLink.h"
#include "protocol/RadioState.h"
#include "sim/SimulatedPort.h"
#include "support/TestClock.h"
#include "support/WidgetApplication.h"
#include "ui/main/KeyPreview.h"
#include "ui/main/ReceiverControls.h"
#include "ui/main/TransmitControls.h"
#include "ui/main/VfoControls.h"
#include "ui/main/frmTQ5820.h"

namespace tq::test {

/// The main window with its frequency and transmit operations, wired as the
/// program wires them, talking to the simulated radio in virtual time. The
/// panel starts from the radio's status, as after start-up.
struct VfoPanelFixture {
    static sim::RadioOptions radio(sim::Firmware firmware) {
        sim::RadioOptions options;
        options.firmware = firmware;
        return options;
    }

    explicit VfoPanelFixture(const sim::RadioOptions& options = radio(sim::Firmware::V604Adapt))
        : port(clock, options) {
        ensureWidgetApplication();
        using ui::frmTQ5820;
        window = std::make_unique<frmTQ5820>(state, flags);
        link = std::make_unique<protocol::RadioLink>(port, clock, *window, state);
        commands = std::make_unique<protocol::RadioCommands>(*link);
        receiver = std::make_unique<ui::ReceiverControls>(*window, *link, *commands, source, vox);
        transmit = std::make_unique<ui::TransmitControls>(*window, *link, linkFlags);
        vfo = std::make_unique<ui::VfoControls>(*window, *link, *receiver, *transmit);
        keys = std::make_unique<ui::KeyPreview>(
            *window, [this](const QKeyEvent& key) { return vfo->Form_KeyDown(key.key()); });
        window->attachLink(*link, *commands);
        vfo->setBeep([this] { ++beeps; });
        frmTQ5820* w = window.get();
        QObject::connect(w, &frmTQ5820::vfoADigitDown, w,
                         [this](int i, int b) { vfo->cmdF_MouseDown(i, b); });
        QObject::connect(w, &frmTQ5820::vfoADigitUp, w,
                         [this](int i, int b) { vfo->cmdF_MouseUp(i, b); });
        QObject::connect(w, &frmTQ5820::vfoBDigitDown, w,
                         [this](int i, int b) { vfo->cmdVFOB_MouseDown(i, b); });
        QObject::connect(w, &frmTQ5820::vfoBDigitUp, w,
                         [this](int i, int b) { vfo->cmdVFOB_MouseUp(i, b); });
        QObject::connect(w, &frmTQ5820::pttDown, w,
                         [this](int b) { transmit->cmdPTT_MouseDown(b, 0, 0, 0); });
        QObject::connect(w, &frmTQ5820::pttUp, w,
                         [this](int b) { transmit->cmdPTT_MouseUp(b, 0, 0, 0); });

        window->show();
        QApplication::setActiveWindow(w);
        port.open();
        state.FirmwareType = static_cast<int>(options.firmware);
        link->SendRadioCommand(QStringLiteral("?"), true, 0.6);
        link->AwaitRadioReply();
        window->gUpdateDisplay();
        // The main loop's keep-alive has run before any operation.
        link->gSendSync(QStringLiteral("U"));
        port.clearWritten();
    }

    void at(double seconds, std::function<void()> action) {
        clock.schedule(seconds, std::move(action));
    }
    /// Runs action on the first millisecond tick that finds ready.
    void once(std::function<bool()> ready, std::function<void()> action) {
        at(0.001, [this, ready, action] { ready() ? action() : once(ready, action); });
    }
    /// Presses a button and lets it go after the given virtual time; returns
    /// once the press handler has returned.
    void hold(QWidget* button, Qt::MouseButton mouse, double seconds) {
        at(seconds, [button, mouse] { QTest::mouseRelease(button, mouse); });
        QTest::mousePress(button, mouse);
    }
    void click(QWidget* button, Qt::MouseButton mouse = Qt::LeftButton) {
        hold(button, mouse, 0.01);
    }

    /// Sets the radio's frequency and lets the panel show it.
    void tuneRadio(const QString& digits) {
        link->SendRadioCommand(QStringLiteral("F") + digits, true, 0.45);
        link->AwaitRadioReply();
        window->gUpdateDisplay();
        port.clearWritten();
    }

    QString vfoA() const { return joined(window->cmdF); }
    QString vfoB() const { return joined(window->cmdVFOB); }
    static QString joined(const std::array<ui::StepButton*, ui::frmTQ5820::kDigits>& row) {
        QString text;
        for (const ui::StepButton* digit : row)
            text += digit->text();
        return text;
    }
    void setVfoB(const QString& digits) {
        for (int k = 0; k < ui::frmTQ5820::kDigits; ++k)
            window->cmdVFOB[static_cast<std::size_t>(k)]->setText(digits.mid(k, 1));
    }

    /// What the program wrote, one entry per command: the sync characters
    /// stand alone, everything else runs up to its line feed.
    QStringList sent() const {
        QStringList all;
        QString line;
        for (char c : port.written()) {
            if (line.isEmpty() && (c == 'K' || c == 'U')) {
                all << QString(QLatin1Char(c));
            } else if (c == '\n') {
                all << line;
                line.clear();
            } else {
                line += QLatin1Char(c);
            }
        }
        return all;
    }
    QStringList sentFrequencies() const {
        QStringList frequencies;
        for (const QString& command : sent())
            if (command.startsWith(u'F'))
                frequencies << command;
        return frequencies;
    }

    int setting(sim::Setting which) { return port.radio().settings().get(which); }
    bool radioKeyed() { return port.radio().settings().keyed(); }

    protocol::RadioState state;
    protocol::ProgramFlags flags;
    tq::test::TestClock clock{12 * 3600.0};
    sim::SimulatedPort port;
    link::RadioLinkFlags linkFlags;
    QString source = QStringLiteral("H2");
    QString vox = QStringLiteral("V2");
    std::unique_ptr<ui::frmTQ5820> window;
    std::unique_ptr<protocol::RadioLink> link;
    std::unique_ptr<protocol::RadioCommands> commands;
    std::unique_ptr<ui::ReceiverControls> receiver;
    std::unique_ptr<ui::TransmitControls> transmit;
    std::unique_ptr<ui::VfoControls> vfo;
    std::unique_ptr<ui::KeyPreview> keys;
    int beeps = 0;
};

}  // namespace tq::test
