#include "ui/main/BfoFrame.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include "panel/SliderReadouts.h"
#include "ui/main/ControlFactory.h"
#include "ui/main/PanelWidgets.h"

namespace tq::ui {

namespace {

constexpr int kSliderHeight = 120;

}  // namespace

QGroupBox* buildBfoFrame(PanelWidgets& w) {
    w.fraBFO = makeFrame(QStringLiteral("fraBFO"), QStringLiteral("BFO"));
    w.vscBFO = makeVerticalSlider(QStringLiteral("vscBFO"), panel::kBfoBottom, panel::kBfoTop,
                                  panel::kBfoZero);
    w.vscBFO->setMinimumHeight(kSliderHeight);
    // The BFO starts off, and an offset means nothing until it is on.
    w.vscBFO->setEnabled(false);
    w.txtBFO = makeSliderReadout(QStringLiteral("txtBFO"), panel::bfoReadout(panel::kBfoZero),
                                 QStringLiteral("Set BFO Offset"), w.vscBFO);
    w.cmdBFO = makeButton(QStringLiteral("cmdBFO"), QStringLiteral("ON"),
                          QStringLiteral("Toggle BFO State"));
    w.lblBFOOn = makeLabel(QStringLiteral("lblBFOOn"), QStringLiteral("BFO"));
    w.lblPorM = makeLabel(QStringLiteral("lblPorM"), QStringLiteral("+"));
    w.lblBFOHz = makeLabel(QStringLiteral("lblBFOHz"), QStringLiteral("Hz"));

    auto* grid = new QGridLayout(w.fraBFO);
    grid->addWidget(w.vscBFO, 0, 0, 4, 1, Qt::AlignHCenter);
    grid->addWidget(w.lblBFOOn, 0, 1, 1, 3);
    grid->addWidget(w.lblPorM, 1, 1);
    grid->addWidget(w.txtBFO, 1, 2);
    grid->addWidget(w.lblBFOHz, 1, 3);
    grid->addWidget(w.cmdBFO, 2, 1, 1, 3);
    grid->setRowStretch(3, 1);
    return w.fraBFO;
}

}  // namespace tq::ui
