#pragma once

#include "cat/CatPanel.h"
#include "panel/PanelModel.h"

namespace tq::app {

/// The CAT bridge's view of the panel: the CAT frame's two boxes and the
/// link status. The bridge may run on its own thread; what it shows reaches
/// the model on the model's thread.
class CatWindowPanel final : public cat::CatPanel {
public:
    explicit CatWindowPanel(panel::PanelModel& model) : m_model(model) {}

    void showCatInput(const QString& text) override;
    void showCatOutput(const QString& text) override;
    void setComStat(const QString& caption) override;

private:
    void onModelThread(std::function<void(panel::PanelModel&)> show);

    panel::PanelModel& m_model;
};

}  // namespace tq::app
