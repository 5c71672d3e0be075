#include "app/PanelCatRig.h"

#include "app/Program.h"

namespace tq::app {

bool PanelCatRig::extendedCat() const {
    return m_program.stationLinks.extendedCat;
}

QString PanelCatRig::vfoB() const {
    return m_program.panel->model().vfoB();
}

bool PanelCatRig::setVfoB(const QString& digits) {
    panel::PanelModel& model = m_program.panel->model();
    const bool transmitting = model.frequencyLock() || model.xmitActive() ||
                              m_program.state.RadioKeyed ||
                              m_program.panel->link().SyncChar == protocol::SyncCharacter::K;
    bool numeric = false;
    const int units = digits.toInt(&numeric);
    if (transmitting || !numeric || digits.size() != panel::PanelModel::kDigits ||
        units < panel::VfoControls::kLowest || units >= panel::VfoControls::kBeyondHighest) {
        return false;
    }
    model.vfoB.set(digits);
    return true;
}

bool PanelCatRig::setTransmit(bool on) {
    return m_program.rigAccess->setTransmit(on) == rigctl::RigResult::Ok;
}

}  // namespace tq::app
