#include "ui/main/MemoryFrame.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>

#include "ui/main/ControlFactory.h"
#include "ui/main/PanelFonts.h"
#include "ui/main/PanelWidgets.h"
#include "ui/main/StepButton.h"

namespace tq::ui {

namespace {

constexpr int kDigitPoints = 16;
constexpr int kDigitWidth = 30;
constexpr int kDigitHeight = 36;

}  // namespace

QGroupBox* buildMemoryFrame(PanelWidgets& w) {
    w.Frame3 = makeFrame(QStringLiteral("Frame3"), QStringLiteral("Memory"));
    w.Frame2 = makeFrame(QStringLiteral("Frame2"), QStringLiteral("CH"));
    auto* digits = new QHBoxLayout(w.Frame2);
    for (int i = 0; i < panel::PanelModel::kChannelDigits; ++i) {
        StepButton* digit =
            makeStepButton(elementName(QStringLiteral("cmdM"), i), QStringLiteral("0"),
                           QStringLiteral("Left Click Up,Right Click Down"));
        digit->setFont(courierNew(kDigitPoints, true));
        digit->setFixedSize(kDigitWidth, kDigitHeight);
        w.cmdM[static_cast<std::size_t>(i)] = digit;
        digits->addWidget(digit);
    }

    w.cmdM2V = makeButton(QStringLiteral("cmdM2V"), QStringLiteral("M->V"),
                          QStringLiteral("Memory to VFO"));
    w.cmdV2M = makeButton(QStringLiteral("cmdV2M"), QStringLiteral("V->M"),
                          QStringLiteral("VFO to Memory"));
    w.cmdVM = makeButton(QStringLiteral("cmdVM"), QStringLiteral("MEM"),
                         QStringLiteral("Toggle between VFO and MEM"));

    auto* grid = new QGridLayout(w.Frame3);
    grid->addWidget(w.Frame2, 0, 0, 3, 1, Qt::AlignVCenter);
    grid->addWidget(w.cmdM2V, 0, 1);
    grid->addWidget(w.cmdV2M, 1, 1);
    grid->addWidget(w.cmdVM, 2, 1);
    return w.Frame3;
}

}  // namespace tq::ui
