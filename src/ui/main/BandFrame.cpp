#include "ui/main/BandFrame.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>

#include "ui/main/ControlFactory.h"
#include "ui/main/PanelWidgets.h"

namespace tq::ui {

namespace {

// The window's named member for each row of the band table, in table order.
constexpr std::array<QPushButton * PanelWidgets::*, panel::kBandButtonCount> kMembers{
    &PanelWidgets::cmd160M, &PanelWidgets::cmd75M, &PanelWidgets::cmd60M, &PanelWidgets::cmd40M,
    &PanelWidgets::cmd30M,  &PanelWidgets::cmd20M, &PanelWidgets::cmd17M, &PanelWidgets::cmd15M,
    &PanelWidgets::cmd12M,  &PanelWidgets::cmd10M, &PanelWidgets::cmdWWV, &PanelWidgets::cmdMARS,
};

constexpr int kPerRow = 6;

}  // namespace

QGroupBox* buildBandFrame(PanelWidgets& w) {
    w.fraBand = makeFrame(QStringLiteral("fraBand"), QStringLiteral("Band"));
    auto* grid = new QGridLayout(w.fraBand);
    for (std::size_t i = 0; i < panel::kBandButtonCount; ++i) {
        const panel::BandButton& band = panel::bandButtons()[i];
        QPushButton* button =
            makeButton(QString::fromLatin1(band.name), QString::fromLatin1(band.caption),
                       QString::fromLatin1(band.tooltip));
        w.*kMembers[i] = button;
        w.bandButtons[i] = button;
        grid->addWidget(button, static_cast<int>(i) / kPerRow, static_cast<int>(i) % kPerRow);
    }
    return w.fraBand;
}

}  // namespace tq::ui
