#include "app/CatWindowPanel.h"

#include <QMetaObject>

namespace tq::app {

void CatWindowPanel::onModelThread(std::function<void(panel::PanelModel&)> show) {
    // At once on the model's own thread, queued to it from any other.
    QMetaObject::invokeMethod(
        &m_model, [model = &m_model, show = std::move(show)] { show(*model); }, Qt::AutoConnection);
}

void CatWindowPanel::showCatInput(const QString& text) {
    onModelThread([text](panel::PanelModel& model) { model.catInput.set(text); });
}

void CatWindowPanel::showCatOutput(const QString& text) {
    onModelThread([text](panel::PanelModel& model) { model.catOutput.set(text); });
}

void CatWindowPanel::setComStat(const QString& caption) {
    onModelThread([caption](panel::PanelModel& model) { model.comStatus.set(caption); });
}

}  // namespace tq::app
