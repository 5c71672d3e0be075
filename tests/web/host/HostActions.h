#pragma once

#include <QObject>
#include <QString>
#include <QTextStream>
#include <map>

#include "panel/PanelActions.h"
#include "panel/PanelModel.h"

class QEventLoop;

namespace tq::test {

/// A stand-in for the program behind the web panel, for driving the page in
/// a browser before the program runs on the panel model: each operation
/// changes the model roughly as the radio's answer would, and writes what
/// the program would send the radio as a "WIRE ..." line ("WIRE F1420100",
/// "WIRE K", "WIRE U", "WIRE M2") and each click as "CLICK name". Held
/// controls repeat their step while held, as the window's buttons do.
class HostActions : public QObject, public panel::PanelActions {
    Q_OBJECT

public:
    HostActions(panel::PanelModel& model, QTextStream& out);

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

private:
    void wire(const QString& command);
    void step(panel::Stepper stepper, int index, int button);
    void transmit(bool on);
    void holdUntilReleased(panel::Stepper stepper, int repeatMs, int index, int button);

    panel::PanelModel& m_model;
    QTextStream& m_out;
    std::map<panel::Stepper, QEventLoop*> m_held;
};

}  // namespace tq::test
