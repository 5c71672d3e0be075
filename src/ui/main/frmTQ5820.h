#pragma once

#include <QMainWindow>
#include <memory>

#include "panel/PanelActions.h"
#include "panel/PanelModel.h"
#include "ui/main/MainWindowPlace.h"
#include "ui/main/MenuEntry.h"
#include "ui/main/PanelWidgets.h"

namespace tq::ui {

class PanelView;

/// The main window: the radio's front panel as a view of the panel model.
/// It holds every control under its established name (tests and desktop
/// automation find them by name); what they show comes from the model, and
/// what the operator does with them goes to the panel's actions.
class frmTQ5820 : public QMainWindow {
    Q_OBJECT

public:
    frmTQ5820(panel::PanelModel& model, panel::PanelActions& actions, QWidget* parent = nullptr);
    ~frmTQ5820() override;

    /// Where the list and scan windows open: over the band frame.
    MainWindowPlace place() const;

signals:
    void menuTriggered(tq::ui::MenuEntry entry);
    /// The window is about to close (its close box): the close handler runs.
    void queryUnload();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPanel();

    PanelWidgets m_widgets;
    std::unique_ptr<PanelView> m_view;
};

}  // namespace tq::ui
