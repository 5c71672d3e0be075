#include "app/PanelCatRig.h"

#include "app/Program.h"
#include "ui/main/StepButton.h"

namespace tq::app {

bool PanelCatRig::extendedCat() const {
    return m_program.stationLinks.extendedCat;
}

QString PanelCatRig::vfoB() const {
    QString digits;
    for (const ui::StepButton* digit : m_program.window->cmdVFOB) {
        digits += digit->text();
    }
    return digits;
}

bool PanelCatRig::setVfoB(const QString& digits) {
    const ui::frmTQ5820& window = *m_program.window;
    const bool transmitting = window.FrequencyLock || window.XmitActive ||
                              m_program.state.RadioKeyed || m_program.link->SyncChar == u"K";
    bool numeric = false;
    const int units = digits.toInt(&numeric);
    if (transmitting || !numeric || digits.size() != static_cast<int>(window.cmdVFOB.size()) ||
        units < ui::VfoControls::kLowest || units >= ui::VfoControls::kBeyondHighest) {
        return false;
    }
    for (std::size_t i = 0; i < window.cmdVFOB.size(); ++i) {
        window.cmdVFOB[i]->setText(digits.at(static_cast<qsizetype>(i)));
    }
    return true;
}

bool PanelCatRig::setTransmit(bool on) {
    return m_program.rigAccess->setTransmit(on) == rigctl::RigResult::Ok;
}

}  // namespace tq::app
