#include "ui/main/LeftButtonsFrame.h"

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

constexpr int kStateWidth = 52;
// The control mode reads red before contact, white during set-up and in the
// button text colour afterwards: a mid grey carries all three.
constexpr QRgb kModeBackground = qRgb(128, 128, 128);

QLabel* makeStateLabel(const QString& name) {
    QLabel* label = makeLabel(name);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(kStateWidth);
    return label;
}

}  // namespace

QGroupBox* buildLeftButtonsFrame(PanelWidgets& w) {
    w.fraLeftButtons = makeFrame(QStringLiteral("fraLeftButtons"), QString());
    w.cmdMute = makeButton(QStringLiteral("cmdMute"), QStringLiteral("SPKR"),
                           QStringLiteral("Toggle Panel Speaker"));
    w.lblMute = makeStateLabel(QStringLiteral("lblMute"));
    w.cmdPTTEn = makeButton(QStringLiteral("cmdPTTEn"), QStringLiteral("PTT En"),
                            QStringLiteral("Toggle XCVR PTT Enable"));
    w.lblPTTEn = makeStateLabel(QStringLiteral("lblPTTEn"));
    w.cmdSideTone = makeButton(QStringLiteral("cmdSideTone"), QStringLiteral("SideTone"));
    w.lblSideTone = makeStateLabel(QStringLiteral("lblSideTone"));
    w.cmdVOX = makeButton(QStringLiteral("cmdVOX"), QStringLiteral(" VOX"));
    w.lblVox = makeStateLabel(QStringLiteral("lblVox"));
    w.cmdClipping = makeButton(QStringLiteral("cmdClipping"), QStringLiteral("CLIP"));
    w.lblClipping = makeStateLabel(QStringLiteral("lblClipping"));
    w.cmdGetStatus = makeButton(QStringLiteral("cmdGetStatus"), QStringLiteral("Refresh"),
                                QStringLiteral("Refresh Radio Status"));

    w.lblREMOTE = makeStateLabel(QStringLiteral("lblREMOTE"));
    w.lblREMOTE->setText(QStringLiteral("NoComm"));
    QFont bold = w.lblREMOTE->font();
    bold.setBold(true);
    w.lblREMOTE->setFont(bold);
    setForeColour(w.lblREMOTE, QColor(panel::kRed));
    setBackColour(w.lblREMOTE, QColor(kModeBackground));
    w.lblExtPTT = makeStateLabel(QStringLiteral("lblExtPTT"));
    w.lblExtPTT->setText(QStringLiteral("EXT PTT"));
    w.lblExtPTT->setToolTip(QStringLiteral("Yellow: Disabled, Green: Ready, Red: Active"));
    setBackColour(w.lblExtPTT, QColor(panel::kYellow));

    auto* grid = new QGridLayout(w.fraLeftButtons);
    const std::array<std::pair<QPushButton*, QLabel*>, 5> rows{{{w.cmdMute, w.lblMute},
                                                                {w.cmdPTTEn, w.lblPTTEn},
                                                                {w.cmdSideTone, w.lblSideTone},
                                                                {w.cmdVOX, w.lblVox},
                                                                {w.cmdClipping, w.lblClipping}}};
    int row = 0;
    for (const auto& [button, state] : rows) {
        grid->addWidget(button, row, 0);
        grid->addWidget(state, row, 1);
        ++row;
    }
    grid->addWidget(w.cmdGetStatus, row++, 0, 1, 2);
    grid->addWidget(w.lblREMOTE, row++, 0, 1, 2);
    grid->addWidget(w.lblExtPTT, row++, 0, 1, 2);
    grid->setRowStretch(row, 1);
    return w.fraLeftButtons;
}

}  // namespace tq::ui
