#include "ui/main/BandFrame.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>

#include "ui/main/ControlFactory.h"
#include "ui/main/frmTQ5820.h"

namespace tq::ui {

namespace {

// The window's named member for each row of the band table, in table order.
constexpr std::array<QPushButton * frmTQ5820::*, panel::kBandButtonCount> kMembers{
    &frmTQ5820::cmd160M, &frmTQ5820::cmd75M, &frmTQ5820::cmd60M, &frmTQ5820::cmd40M,
    &frmTQ5820::cmd30M,  &frmTQ5820::cmd20M, &frmTQ5820::cmd17M, &frmTQ5820::cmd15M,
    &frmTQ5820::cmd12M,  &frmTQ5820::cmd10M, &frmTQ5820::cmdWWV, &frmTQ5820::cmdMARS,
};

constexpr int kPerRow = 6;

}  // namespace

QGroupBox* buildBandFrame(frmTQ5820& w) {
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
