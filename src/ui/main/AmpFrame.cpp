#include "ui/main/AmpFrame.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "panel/PanelColours.h"
#include "ui/main/ControlFactory.h"
#include "ui/main/PanelWidgets.h"
#include "ui/main/WidgetColours.h"

namespace tq::ui {

namespace {

constexpr int kStateWidth = 80;

QLabel* makeAmpState(const QString& name, const QString& caption) {
    QLabel* label = makeLabel(name, caption);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(kStateWidth);
    setBackColour(label, QColor(panel::kWhite));
    return label;
}

}  // namespace

QGroupBox* buildAmpFrame(PanelWidgets& w) {
    w.fraAmp = makeFrame(QStringLiteral("fraAmp"), QStringLiteral("Amp"));
    w.cmdAmpPwr = makeButton(QStringLiteral("cmdAmpPwr"), QStringLiteral("PWR ->"),
                             QStringLiteral("Turn Amp ON / OFF"));
    w.lblAmpPwr = makeAmpState(QStringLiteral("lblAmpPwr"), QStringLiteral("OFF"));
    w.cmdAmpOpr = makeButton(QStringLiteral("cmdAmpOpr"), QStringLiteral("OPR ->"),
                             QStringLiteral("Place AMP in Operate / Standby"));
    w.lblAmpOpStby = makeAmpState(QStringLiteral("lblAmpOpStby"), QString());
    w.cmdTuneAmp = makeButton(QStringLiteral("cmdTuneAmp"), QStringLiteral("TUN ->"),
                              QStringLiteral("Start Amp Tune Cycle"));
    w.lblAmpTuned = makeAmpState(QStringLiteral("lblAmpTuned"), QString());

    auto* grid = new QGridLayout(w.fraAmp);
    grid->addWidget(w.cmdAmpPwr, 0, 0);
    grid->addWidget(w.lblAmpPwr, 0, 1);
    grid->addWidget(w.cmdAmpOpr, 1, 0);
    grid->addWidget(w.lblAmpOpStby, 1, 1);
    grid->addWidget(w.cmdTuneAmp, 2, 0);
    grid->addWidget(w.lblAmpTuned, 2, 1);
    return w.fraAmp;
}

}  // namespace tq::ui
