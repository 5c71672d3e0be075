#include "support/RecordingPanelActions.h"

#include <QEventLoop>

#include "panel/PanelCaptions.h"

namespace tq::test {

QString stepperWord(panel::Stepper stepper) {
    switch (stepper) {
        case panel::Stepper::VfoA:
            return QStringLiteral("vfoA");
        case panel::Stepper::VfoB:
            return QStringLiteral("vfoB");
        case panel::Stepper::Channel:
            return QStringLiteral("channel");
        case panel::Stepper::Ptt:
            break;
    }
    return QStringLiteral("ptt");
}

void RecordingPanelActions::record(const QString& line) {
    calls << line;
    if (onCall) {
        onCall(line);
    }
}

void RecordingPanelActions::click(panel::PanelRequest request) {
    clicks.push_back(request);
    record(QStringLiteral("click %1").arg(static_cast<int>(request)));
}

void RecordingPanelActions::press(panel::Stepper stepper, int index, int button) {
    record(QStringLiteral("press %1 %2 %3").arg(stepperWord(stepper)).arg(index).arg(button));
    if (!holdUntilRelease || m_running.contains(stepper)) {
        return;
    }
    // A release already handled while the press was being recorded ends it
    // at once rather than leaving the loop waiting for one that never comes.
    if (!calls.last().startsWith(QStringLiteral("release ") + stepperWord(stepper))) {
        QEventLoop loop;
        m_running[stepper] = &loop;
        loop.exec();
        m_running.erase(stepper);
    }
    record(QStringLiteral("press ended %1").arg(stepperWord(stepper)));
}

void RecordingPanelActions::release(panel::Stepper stepper, int index, int button) {
    record(QStringLiteral("release %1 %2 %3").arg(stepperWord(stepper)).arg(index).arg(button));
    if (const auto found = m_running.find(stepper); found != m_running.end()) {
        found->second->quit();
    }
}

void RecordingPanelActions::chooseMode(panel::Mode mode) {
    record(QStringLiteral("mode ") + panel::caption(mode));
}
void RecordingPanelActions::chooseAgc(panel::Agc agc) {
    record(QStringLiteral("agc ") + panel::caption(agc));
}
void RecordingPanelActions::chooseSource(panel::Source source) {
    record(QStringLiteral("source ") + panel::caption(source));
}
void RecordingPanelActions::chooseDigitalMode(panel::DigitalMode mode) {
    record(QStringLiteral("digitalMode ") + panel::caption(mode));
}
void RecordingPanelActions::chooseStepSize(panel::StepSize step) {
    record(QStringLiteral("stepSize ") + panel::caption(step));
}
void RecordingPanelActions::chooseVfoBMode(panel::Mode mode) {
    record(QStringLiteral("vfoBMode ") + panel::caption(mode));
}
void RecordingPanelActions::chooseMeter(int index) {
    record(QStringLiteral("meter %1").arg(index));
}
void RecordingPanelActions::moveBfo(int value) {
    record(QStringLiteral("bfo %1").arg(value));
}
void RecordingPanelActions::moveRfGain(int value) {
    record(QStringLiteral("rfGain %1").arg(value));
}
bool RecordingPanelActions::key(int qtKey) {
    record(QStringLiteral("key %1").arg(qtKey));
    return false;
}

}  // namespace tq::test
