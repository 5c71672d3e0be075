#include "ui/main/InfoArea.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "panel/PanelCaptions.h"
#include "ui/main/ControlFactory.h"
#include "ui/main/PanelFonts.h"
#include "ui/main/PanelWidgets.h"
#include "ui/main/WidgetColours.h"

namespace tq::ui {

namespace {

constexpr int kLampSize = 16;
constexpr int kSyncWidth = 22;
constexpr int kDataPoints = 9;

}  // namespace

QLayout* buildInfoArea(PanelWidgets& w) {
    w.txtInfo = makeTextBox(QStringLiteral("txtInfo"));
    w.txtInData =
        makeTextBox(QStringLiteral("txtInData"), QString(), QStringLiteral("Data from TQ-5820"));
    // Raw replies are columns of codes: fixed pitch keeps them readable.
    w.txtInData->setFont(courierNew(kDataPoints));
    w.cmdViewInData = makeButton(QStringLiteral("cmdViewInData"), panel::viewDataCaption(true),
                                 QStringLiteral("Show / Hide the Data Box"));

    w.shaTrace = makeLabel(QStringLiteral("shaTrace"));
    w.shaTrace->setFixedSize(kLampSize, kLampSize);
    // A round lamp: the label's background is the fill, the mask the shape.
    w.shaTrace->setMask(QRegion(0, 0, kLampSize, kLampSize, QRegion::Ellipse));
    setBackColour(w.shaTrace, greyTextColour());
    w.lblU = makeLabel(QStringLiteral("lblU"), QStringLiteral("U"));
    w.lblU->setToolTip(QStringLiteral("Sync Character"));
    w.lblU->setAlignment(Qt::AlignCenter);
    w.lblU->setFixedWidth(kSyncWidth);
    w.lblU->setFrameShape(QFrame::Panel);
    w.lblU->setFrameShadow(QFrame::Sunken);
    w.lblComStat = makeLabel(QStringLiteral("lblComStat"), QStringLiteral("No Com"));
    w.lblFWType = makeLabel(QStringLiteral("lblFWType"), QStringLiteral("F/W: v604M NonAdapt "));

    auto* status = new QHBoxLayout;
    status->addWidget(w.shaTrace);
    status->addWidget(w.lblU);
    status->addWidget(w.lblComStat);
    status->addStretch();
    status->addWidget(w.lblFWType);

    auto* grid = new QGridLayout;
    grid->addWidget(w.txtInfo, 0, 0, 1, 2);
    grid->addWidget(w.txtInData, 1, 0);
    grid->addWidget(w.cmdViewInData, 1, 1);
    grid->addLayout(status, 2, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    return grid;
}

}  // namespace tq::ui
