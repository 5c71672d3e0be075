#include "app/CatWindowPanel.h"

#include "panel/PanelCaptions.h"

namespace tq::app {

void CatWindowPanel::showCatInput(const QString& text) {
    m_model.catInput.set(text);
}

void CatWindowPanel::showCatOutput(const QString& text) {
    m_model.catOutput.set(text);
}

QString CatWindowPanel::catOutput() const {
    return m_model.catOutput();
}

void CatWindowPanel::setComStat(const QString& caption) {
    m_model.comStatus.set(caption);
}

QString CatWindowPanel::digitalMode() const {
    return panel::caption(m_model.digitalMode());
}

}  // namespace tq::app
