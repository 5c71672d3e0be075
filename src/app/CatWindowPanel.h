#pragma once

#include "cat/CatPanel.h"

namespace tq::ui {
class frmTQ5820;
}

namespace tq::app {

/// The CAT bridge's view of the main window: the CAT frame's two boxes,
/// the link status label and the digital-mode box.
class CatWindowPanel final : public cat::CatPanel {
public:
    explicit CatWindowPanel(ui::frmTQ5820& window) : m_window(window) {}

    void showCatInput(const QString& text) override;
    void showCatOutput(const QString& text) override;
    QString catOutput() const override;
    void setComStat(const QString& caption) override;
    QString digitalMode() const override;

private:
    ui::frmTQ5820& m_window;
};

}  // namespace tq::app
