#include "ui/main/RfGainFrame.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QSlider>
#include <QVBoxLayout>

#include "panel/SliderReadouts.h"
#include "ui/main/ControlFactory.h"
#include "ui/main/PanelWidgets.h"

namespace tq::ui {

namespace {

constexpr int kSliderHeight = 120;

}  // namespace

QGroupBox* buildRfGainFrame(PanelWidgets& w) {
    w.fraRF = makeFrame(QStringLiteral("fraRF"), QStringLiteral("RF Gain"));
    w.vscRFG = makeVerticalSlider(QStringLiteral("vscRFG"), panel::kRfgBottom, panel::kRfgTop,
                                  panel::kRfgTop);
    w.vscRFG->setMinimumHeight(kSliderHeight);
    w.txtRFG = makeSliderReadout(QStringLiteral("txtRFG"), panel::rfgReadout(panel::kRfgTop),
                                 QStringLiteral("Set RF Gain"), w.vscRFG);

    auto* layout = new QVBoxLayout(w.fraRF);
    layout->addWidget(w.vscRFG, 1, Qt::AlignHCenter);
    layout->addWidget(w.txtRFG, 0, Qt::AlignHCenter);
    return w.fraRF;
}

}  // namespace tq::ui
