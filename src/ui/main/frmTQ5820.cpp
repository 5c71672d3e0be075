#include "ui/main/frmTQ5820.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>

#include "ui/main/AmpFrame.h"
#include "ui/main/BandFrame.h"
#include "ui/main/BfoFrame.h"
#include "ui/main/CatFrame.h"
#include "ui/main/FrequencyFrame.h"
#include "ui/main/InfoArea.h"
#include "ui/main/LeftButtonsFrame.h"
#include "ui/main/MemoryFrame.h"
#include "ui/main/MenuBar.h"
#include "ui/main/MeterFrame.h"
#include "ui/main/PanelView.h"
#include "ui/main/RfGainFrame.h"
#include "ui/main/RightButtonsFrame.h"

namespace tq::ui {

frmTQ5820::frmTQ5820(panel::PanelModel& model, panel::PanelActions& actions, QWidget* parent)
    : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmTQ5820"));
    buildMenuBar(*this, m_widgets, [this](MenuEntry entry) { emit menuTriggered(entry); });
    buildPanel();
    m_view = std::make_unique<PanelView>(*this, m_widgets, model, actions);
}

frmTQ5820::~frmTQ5820() = default;

MainWindowPlace frmTQ5820::place() const {
    return {*this, m_widgets.fraBand->width()};
}

void frmTQ5820::buildPanel() {
    PanelWidgets& w = m_widgets;
    auto* central = new QWidget;
    central->setObjectName(QStringLiteral("centralPanel"));
    auto* grid = new QGridLayout(central);

    // The frequency read-out in the middle, the switches either side of it,
    // meter and bands beneath; the slower-changing settings along the bottom.
    grid->addWidget(buildLeftButtonsFrame(w), 0, 0, 2, 1);
    grid->addWidget(buildFrequencyFrame(w), 0, 1);
    grid->addWidget(buildRightButtonsFrame(w), 0, 2, 2, 1);

    auto* middle = new QHBoxLayout;
    middle->addWidget(buildMeterFrame(w));
    middle->addWidget(buildBandFrame(w), 1);
    grid->addLayout(middle, 1, 1);

    auto* lower = new QHBoxLayout;
    lower->addWidget(buildBfoFrame(w));
    lower->addWidget(buildRfGainFrame(w));
    lower->addWidget(buildMemoryFrame(w));
    lower->addWidget(buildAmpFrame(w));
    lower->addWidget(buildCatFrame(w), 1);
    grid->addLayout(lower, 2, 0, 1, 3);

    grid->addLayout(buildInfoArea(w), 3, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    // Spare height goes to the read-out; the settings rows keep their size.
    grid->setRowStretch(0, 1);
    setCentralWidget(central);
}

void frmTQ5820::closeEvent(QCloseEvent* event) {
    emit queryUnload();
    QMainWindow::closeEvent(event);
}

}  // namespace tq::ui
