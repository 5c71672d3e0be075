#include "support/PanelFixture.h"

#include <QApplication>

#include "support/WidgetApplication.h"
#include "ui/main/frmTQ5820.h"

namespace tq::test {

PanelFixture::PanelFixture(const sim::RadioOptions& options)
    : port(clock, options), panel(port, clock, state, flags, linkFlags, source, vox) {
    ensureWidgetApplication();
    panel.setBeep([this] { ++beeps; });
    port.open();
    // As after the remote set-up: the panel may transmit in band.
    panel.model().controlMode.set(panel::ControlMode::Remote);
    state.FirmwareType = static_cast<protocol::Firmware>(options.firmware);
    link().SendRadioCommand(QStringLiteral("?"), true, 0.6);
    link().AwaitRadioReply();
    panel.gUpdateDisplay();
    // The main loop's keep-alive has run before any operation.
    link().gSendSync(protocol::SyncCharacter::U);
    port.clearWritten();
}

PanelFixture::~PanelFixture() = default;

ui::frmTQ5820& PanelFixture::window() {
    if (!m_window) {
        m_window = std::make_unique<ui::frmTQ5820>(panel.model(), panel);
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
    }
    return *m_window;
}

void PanelFixture::at(double seconds, std::function<void()> action) {
    clock.schedule(seconds, std::move(action));
}

void PanelFixture::once(std::function<bool()> ready, std::function<void()> action) {
    at(0.001, [this, ready, action] { ready() ? action() : once(ready, action); });
}

void PanelFixture::hold(panel::Stepper stepper, int index, int button, double seconds) {
    at(seconds, [this, stepper, index, button] { panel.release(stepper, index, button); });
    panel.press(stepper, index, button);
}

void PanelFixture::serve(panel::PanelRequest request, const std::function<void()>& operation) {
    if (panel.requests().isRaised(request)) {
        operation();
    }
}

void PanelFixture::tuneRadio(const QString& digits) {
    link().SendRadioCommand(QStringLiteral("F") + digits, true, 0.45);
    link().AwaitRadioReply();
    panel.gUpdateDisplay();
    port.clearWritten();
}

QStringList PanelFixture::sent() const {
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

QStringList PanelFixture::sentFrequencies() const {
    QStringList frequencies;
    for (const QString& command : sent())
        if (command.startsWith(u'F'))
            frequencies << command;
    return frequencies;
}

}  // namespace tq::test
