#pragma once

#include "cat/CatPanel.h"
#include "panel/PanelModel.h"

namespace tq::app {

/// The CAT bridge's view of the panel: the CAT frame's two boxes, the link
/// status and the digital mode.
class CatWindowPanel final : public cat::CatPanel {
public:
    explicit CatWindowPanel(panel::PanelModel& model) : m_model(model) {}

    void showCatInput(const QString& text) override;
    void showCatOutput(const QString& text) override;
    QString catOutput() const override;
    void setComStat(const QString& caption) override;
    QString digitalMode() const override;

private:
    panel::PanelModel& m_model;
};

}  // namespace tq::app
