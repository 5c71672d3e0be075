#include "web/PanelDriver.h"

#include <QElapsedTimer>
#include <QTimer>
#include <array>

#include "panel/PanelCaptions.h"
#include "panel/PanelNames.h"

namespace tq::web {

namespace {

using Kind = PageCommand::Kind;

const QString kPanelBusy = QStringLiteral("The panel is busy in another window.");
const QString kDisabled = QStringLiteral("That control is disabled.");
const QString kHeldElsewhere = QStringLiteral("Another page holds that control.");
/// A press lets window events run once before its first step and then pauses
/// 50 ms; a release that lands in that first look cancels the step. A tap on
/// a phone lasts less than that, so its release is held back into the pause:
/// every press steps at least once, as a click on the window's button does.
constexpr int kFirstStepMs = 40;

}  // namespace

PanelDriver::PanelDriver(panel::PanelModel& model, panel::PanelActions& actions, WebTime& time,
                         QObject* parent)
    : QObject(parent), m_model(model), m_actions(actions), m_holds(time) {}

std::optional<QString> PanelDriver::refusal(const PageCommand& command) const {
    if (command.kind == Kind::Heartbeat || command.kind == Kind::Release) {
        return std::nullopt;  // letting go and staying alive always work
    }
    if (!m_model.panelEnabled()) {
        return kPanelBusy;
    }
    std::optional<panel::Control> gate;
    switch (command.kind) {
        case Kind::Click:
            gate = panel::gateOf(command.request);
            break;
        case Kind::Press:
            gate = panel::gateOf(command.stepper);
            break;
        case Kind::Meter:
            gate = panel::Control::optMeter;
            break;
        case Kind::Bfo:
            gate = panel::Control::vscBFO;
            break;
        case Kind::RfGain:
            gate = panel::Control::vscRFG;
            break;
        default:
            break;
    }
    if (gate && !(m_model.enabled(*gate) && m_model.visible(*gate))) {
        return kDisabled;
    }
    return std::nullopt;
}

std::optional<QString> PanelDriver::run(quint64 page, const PageCommand& command) {
    m_holds.alive(page);
    if (const std::optional<QString> reason = refusal(command)) {
        return reason;
    }
    switch (command.kind) {
        case Kind::Click:
            m_actions.click(command.request);
            break;
        case Kind::Press:
            if (!m_holds.take(page, command.stepper, command.index, command.button)) {
                return kHeldElsewhere;
            }
            queuePress({page, command.stepper, command.index, command.button});
            emit holdsChanged();
            break;
        case Kind::Release:
            if (const std::optional<HoldTracker::Hold> hold = m_holds.end(page, command.stepper)) {
                letGoAfterFirstStep(*hold);
                emit holdsChanged();
            }
            break;
        case Kind::Choose:
            choose(command);
            break;
        case Kind::Meter:
            m_actions.chooseMeter(command.value);
            break;
        case Kind::Bfo:
            m_actions.moveBfo(command.value);
            break;
        case Kind::RfGain:
            m_actions.moveRfGain(command.value);
            break;
        case Kind::Heartbeat:
            break;
    }
    return std::nullopt;
}

void PanelDriver::choose(const PageCommand& command) {
    // The texts were checked against the boxes' items when the message was read.
    switch (command.box) {
        case ChoiceBox::Mode:
            m_actions.chooseMode(*panel::fromCaption<panel::Mode>(command.text));
            break;
        case ChoiceBox::Agc:
            m_actions.chooseAgc(*panel::fromCaption<panel::Agc>(command.text));
            break;
        case ChoiceBox::Source:
            m_actions.chooseSource(*panel::fromCaption<panel::Source>(command.text));
            break;
        case ChoiceBox::DigitalMode:
            m_actions.chooseDigitalMode(*panel::fromCaption<panel::DigitalMode>(command.text));
            break;
        case ChoiceBox::StepSize:
            m_actions.chooseStepSize(*panel::fromCaption<panel::StepSize>(command.text));
            break;
        case ChoiceBox::VfoBMode:
            m_actions.chooseVfoBMode(*panel::fromCaption<panel::Mode>(command.text));
            break;
    }
}

void PanelDriver::pageClosed(quint64 page) {
    const std::vector<HoldTracker::Hold> released = m_holds.dropPage(page);
    for (const HoldTracker::Hold& hold : released) {
        letGo(hold);
    }
    if (!released.empty()) {
        emit holdsChanged();
    }
}

void PanelDriver::check() {
    const std::vector<HoldTracker::Hold> released = m_holds.lapsed();
    for (const HoldTracker::Hold& hold : released) {
        letGo(hold);
    }
    if (!released.empty()) {
        emit holdsChanged();
    }
}

void PanelDriver::later(std::function<void()> action, int delayMs) {
    auto* timer = new QTimer(this);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, [timer, action = std::move(action)] {
        timer->deleteLater();
        action();
    });
    timer->start(delayMs);
}

void PanelDriver::queuePress(const HoldTracker::Hold& hold) {
    ++m_queuedPresses[hold.stepper];
    later([this, hold] { startPress(hold); });
}

void PanelDriver::startPress(const HoldTracker::Hold& hold) {
    --m_queuedPresses[hold.stepper];
    std::deque<HoldTracker::Hold>& early = m_earlyReleases[hold.stepper];
    if (!early.empty()) {
        const HoldTracker::Hold release = early.front();
        early.pop_front();
        // Started before the press, so it fires inside the press's loop;
        // letting go of the transmitter is never held back.
        later(
            [this, release] { m_actions.release(release.stepper, release.index, release.button); },
            release.stepper == panel::Stepper::Ptt ? 0 : kFirstStepMs);
    }
    m_pressStarted[hold.stepper].start();
    m_actions.press(hold.stepper, hold.index, hold.button);
}

void PanelDriver::letGoAfterFirstStep(const HoldTracker::Hold& hold) {
    const QElapsedTimer& started = m_pressStarted[hold.stepper];
    if (hold.stepper != panel::Stepper::Ptt && started.isValid() &&
        started.elapsed() < kFirstStepMs) {
        later([this, hold] { letGo(hold); }, kFirstStepMs - static_cast<int>(started.elapsed()));
        return;
    }
    letGo(hold);
}

void PanelDriver::letGo(const HoldTracker::Hold& hold) {
    if (m_queuedPresses[hold.stepper] > 0) {
        m_earlyReleases[hold.stepper].push_back(hold);
        return;
    }
    m_actions.release(hold.stepper, hold.index, hold.button);
}

}  // namespace tq::web
