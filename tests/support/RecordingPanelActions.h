#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <vector>

#include "panel/PanelActions.h"

class QEventLoop;

namespace tq::test {

/// The panel's operations as a view would call them, written down one line
/// per call ("click 35" by request number, "press vfoA 3 1", "release ptt 0 1",
/// "mode LSB", "meter 2", "bfo 120"), so tests read what reached the panel.
///
/// With holdUntilRelease set, press() behaves as the program's stepping
/// loops do: it returns only after the matching release(), handling events
/// meanwhile, so a caller must cope with being re-entered.
class RecordingPanelActions : public panel::PanelActions {
public:
    void click(panel::PanelRequest request) override;
    void press(panel::Stepper stepper, int index, int button) override;
    void release(panel::Stepper stepper, int index, int button) override;
    void chooseMode(panel::Mode mode) override;
    void chooseAgc(panel::Agc agc) override;
    void chooseSource(panel::Source source) override;
    void chooseDigitalMode(panel::DigitalMode mode) override;
    void chooseStepSize(panel::StepSize step) override;
    void chooseVfoBMode(panel::Mode mode) override;
    void chooseMeter(int index) override;
    void moveBfo(int value) override;
    void moveRfGain(int value) override;
    bool key(int qtKey) override;

    /// Every call so far, oldest first.
    QStringList calls;
    /// The requests clicked, oldest first (their lines name them by number).
    std::vector<panel::PanelRequest> clicks;
    bool holdUntilRelease = false;
    /// Steppers whose press() is running now.
    int pressesRunning() const { return static_cast<int>(m_running.size()); }
    /// Called after each recorded call, with its line.
    std::function<void(const QString&)> onCall;

protected:
    void record(const QString& line);

private:
    std::map<panel::Stepper, QEventLoop*> m_running;
};

/// The stepper's name in the recorded lines ("vfoA", "vfoB", "channel", "ptt").
QString stepperWord(panel::Stepper stepper);

}  // namespace tq::test
