#pragma once

#include <QColor>
#include <QObject>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "panel/PanelActions.h"
#include "panel/PanelModel.h"
#include "ui/main/PanelWidgets.h"

class QMainWindow;

namespace tq::ui {

class KeyPreview;

/// Binds the main window's controls to the panel model: every change of the
/// model is painted on the controls that show it, and every click, hold,
/// choice and key of the operator goes to the panel's actions.
class PanelView : public QObject {
public:
    PanelView(QMainWindow& window, PanelWidgets& widgets, panel::PanelModel& model,
              panel::PanelActions& actions);
    ~PanelView() override;

private:
    /// Turns the operator's clicks, choices, slider moves, holds and keys
    /// into the panel's operations.
    void connectInput();
    void connectButtons();
    void connectChoices();
    void connectSliders();
    void connectSteppers();
    void buildPainters();
    void paint(panel::Field field);
    void paintControl(panel::Control control);
    /// The widgets (and menu entries) a control entry stands for.
    std::vector<QObject*> controlsOf(panel::Control control) const;
    void showLampColour();

    QMainWindow& m_window;
    PanelWidgets& m_w;
    panel::PanelModel& m_model;
    panel::PanelActions& m_actions;
    std::unique_ptr<KeyPreview> m_keys;
    std::array<std::function<void()>, panel::kFieldCount> m_painters;
    // The link lamp changes colour several times in every pass of the main
    // loop. The colour reaches the widget only when the program is about to
    // wait for events, the one moment a repaint could show it; touching the
    // widget on every change would cost a repaint per pass.
    QColor m_lampColour;
    bool m_infoPainted = false;
};

}  // namespace tq::ui
