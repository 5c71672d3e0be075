#include "ui/main/MeterFrame.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>

#include "ui/main/ControlFactory.h"
#include "ui/main/PanelFonts.h"
#include "ui/main/PanelWidgets.h"

namespace tq::ui {

namespace {

constexpr int kScalePoints = 10;
// Meter readings are two digits; the design range of the bar is 0..21.
constexpr int kMeterMinimum = 0;
constexpr int kMeterMaximum = 21;
constexpr int kBarHeight = 18;

constexpr std::array<const char*, panel::kMeterCount> kMeterNames{"Aud", "Line", "Patch",
                                                                  "FWD", "REF",  "VSWR"};

}  // namespace

QGroupBox* buildMeterFrame(PanelWidgets& w) {
    w.fraMeter = makeFrame(QStringLiteral("fraMeter"), QStringLiteral("Meter"));
    auto* grid = new QGridLayout(w.fraMeter);
    for (int i = 0; i < panel::kMeterCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        auto* option = new QRadioButton;
        option->setObjectName(elementName(QStringLiteral("optMeter"), i));
        w.optMeter[k] = option;
        w.lblMeter[k] = makeLabel(elementName(QStringLiteral("lblMeter"), i),
                                  QString::fromLatin1(kMeterNames[k]));
        w.lblMeter[k]->setBuddy(option);
        auto* pair = new QHBoxLayout;
        pair->setSpacing(2);
        pair->addWidget(option);
        pair->addWidget(w.lblMeter[k]);
        pair->addStretch();
        grid->addLayout(pair, 0, i);
    }

    const QFont scaleFont = courierNew(kScalePoints);
    w.lblMeterScale = makeLabel(QStringLiteral("lblMeterScale"));
    w.lblMeterScale->setFont(scaleFont);
    w.pbMeter = new QProgressBar;
    w.pbMeter->setObjectName(QStringLiteral("pbMeter"));
    w.pbMeter->setRange(kMeterMinimum, kMeterMaximum);
    w.pbMeter->setValue(kMeterMinimum);
    w.pbMeter->setTextVisible(false);

    // The scales are blank-padded to line up with the bar: give the bar
    // exactly the width of the widest scale in the scale's font.
    const QFontMetrics metrics(scaleFont);
    int width = 0;
    for (const QString& scale : panel::allMeterScales()) {
        width = std::max(width, metrics.horizontalAdvance(scale));
    }
    w.lblMeterScale->setFixedWidth(width);
    w.pbMeter->setFixedSize(width, kBarHeight);

    grid->addWidget(w.lblMeterScale, 1, 0, 1, panel::kMeterCount, Qt::AlignHCenter);
    grid->addWidget(w.pbMeter, 2, 0, 1, panel::kMeterCount, Qt::AlignHCenter);
    return w.fraMeter;
}

}  // namespace tq::ui
