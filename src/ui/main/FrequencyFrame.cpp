#include "ui/main/FrequencyFrame.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/main/ControlFactory.h"
#include "ui/main/PanelFonts.h"
#include "ui/main/PanelWidgets.h"
#include "ui/main/StepButton.h"

namespace tq::ui {

namespace {

constexpr int kVfoAPoints = 30;
constexpr int kVfoBPoints = 14;
constexpr int kVfoAWidth = 46;
constexpr int kVfoAHeight = 58;
constexpr int kVfoBWidth = 26;
constexpr int kVfoBHeight = 32;
// The read-outs show kHz: a thousands comma after the MHz digits (index 1)
// and the decimal point before the last two digits (index 4).
constexpr int kCommaAfter = 1;
constexpr int kPointAfter = 4;

QStringList modeItems() {
    return {QStringLiteral("USB"), QStringLiteral("LSB"), QStringLiteral("AME"),
            QStringLiteral("CW")};
}

/// A separator inside a read-out: a flat button, as the digits are buttons.
QPushButton* makeSeparator(const QString& name, const QString& caption, const QFont& font,
                           int width, int height) {
    QPushButton* separator = makeButton(name, caption);
    separator->setFont(font);
    separator->setFlat(true);
    separator->setFixedSize(width / 2, height);
    separator->setFocusPolicy(Qt::NoFocus);
    return separator;
}

struct ReadoutShape {
    QString arrayName;
    QString tooltip;
    QString commaName;
    QString pointName;
    int points;
    int width;
    int height;
};

/// Seven digit buttons with their two separators, left to right.
QHBoxLayout* buildReadout(const ReadoutShape& shape,
                          std::array<StepButton*, panel::PanelModel::kDigits>& digits,
                          QPushButton*& comma, QPushButton*& point) {
    const QFont font = courierNew(shape.points, true);
    auto* row = new QHBoxLayout;
    row->setSpacing(2);
    for (int i = 0; i < panel::PanelModel::kDigits; ++i) {
        StepButton* digit =
            makeStepButton(elementName(shape.arrayName, i), QStringLiteral("0"), shape.tooltip);
        digit->setFont(font);
        digit->setFixedSize(shape.width, shape.height);
        digits[static_cast<std::size_t>(i)] = digit;
        row->addWidget(digit);
        if (i == kCommaAfter) {
            comma = makeSeparator(shape.commaName, QStringLiteral(","), font, shape.width,
                                  shape.height);
            row->addWidget(comma);
        } else if (i == kPointAfter) {
            point = makeSeparator(shape.pointName, QStringLiteral("."), font, shape.width,
                                  shape.height);
            row->addWidget(point);
        }
    }
    row->addStretch();
    return row;
}

QGroupBox* buildVfoA(PanelWidgets& w) {
    w.fraFreq = makeFrame(QStringLiteral("fraFreq"), QStringLiteral("VFO A"));
    QHBoxLayout* row =
        buildReadout({QStringLiteral("cmdF"), QStringLiteral("Left Click Up,Right Click Down"),
                      QStringLiteral("Command1"), QStringLiteral("Command2"), kVfoAPoints,
                      kVfoAWidth, kVfoAHeight},
                     w.cmdF, w.Command1, w.Command2);
    // VFO A is the working frequency: centred, where the eye goes first.
    row->insertStretch(0);
    auto* layout = new QVBoxLayout(w.fraFreq);
    layout->addLayout(row);
    return w.fraFreq;
}

QGroupBox* buildExtKnob(PanelWidgets& w) {
    w.fraExtKnob = makeFrame(QStringLiteral("fraExtKnob"), QStringLiteral("Ext. Knob"));
    w.cmbStepSize =
        makeCombo(QStringLiteral("cmbStepSize"),
                  {QStringLiteral("10Hz"), QStringLiteral("100Hz"), QStringLiteral("1KHz"),
                   QStringLiteral("10KHz"), QStringLiteral("OFF")},
                  QStringLiteral("Step size for KB Input"));
    w.Label2 = makeLabel(QStringLiteral("Label2"), QStringLiteral("Up = i"));
    w.Label4 = makeLabel(QStringLiteral("Label4"), QStringLiteral("Dn = d"));
    auto* layout = new QVBoxLayout(w.fraExtKnob);
    layout->addWidget(w.cmbStepSize);
    layout->addWidget(w.Label2);
    layout->addWidget(w.Label4);
    layout->addStretch();
    return w.fraExtKnob;
}

QLayout* buildVfoB(PanelWidgets& w) {
    w.lblVFOB = makeLabel(QStringLiteral("lblVFOB"), QStringLiteral("VFO B"));
    w.cmbVFOBMode = makeCombo(QStringLiteral("cmbVFOBMode"), modeItems(),
                              QStringLiteral("Select Mode for Channel"));
    auto* row = buildReadout(
        {QStringLiteral("cmdVFOB"), QStringLiteral("Set Freq for Channel"),
         QStringLiteral("cmdCma"), QStringLiteral("cmdDot"), kVfoBPoints, kVfoBWidth, kVfoBHeight},
        w.cmdVFOB, w.cmdCma, w.cmdDot);
    row->insertWidget(0, w.lblVFOB);
    row->insertSpacing(1, 6);
    row->addWidget(w.cmbVFOBMode);
    return row;
}

QLayout* buildVfoButtons(PanelWidgets& w) {
    w.cmdA2B = makeButton(QStringLiteral("cmdA2B"), QStringLiteral("A->B"),
                          QStringLiteral("Copy VFO A  to VFO B"));
    w.cmdSwap = makeButton(QStringLiteral("cmdSwap"), QStringLiteral("Swap "),
                           QStringLiteral("Swap VFO A and VFO B"));
    w.cmdSplit =
        makeButton(QStringLiteral("cmdSplit"), QString(), QStringLiteral("Toggle Split On/Off"));
    w.lblSplit = makeLabel(QStringLiteral("lblSplit"), QStringLiteral("Split Off"));
    auto* row = new QHBoxLayout;
    row->addWidget(w.cmdA2B);
    row->addWidget(w.cmdSwap);
    row->addSpacing(12);
    row->addWidget(w.cmdSplit);
    row->addWidget(w.lblSplit);
    row->addStretch();
    return row;
}

}  // namespace

QGroupBox* buildFrequencyFrame(PanelWidgets& w) {
    w.Frame1 = makeFrame(QStringLiteral("Frame1"), QStringLiteral("Frequency (V)"));
    w.lblTQ5820 = makeLabel(QStringLiteral("lblTQ5820"), QStringLiteral("TQ-5820"));
    w.lblTQ5820->setFont(courierNew(18, true));
    w.lblInfo = makeLabel(QStringLiteral("lblInfo"), QStringLiteral("Frequency Label"));

    auto* grid = new QGridLayout(w.Frame1);
    grid->addWidget(w.lblTQ5820, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(buildVfoA(w), 1, 0);
    grid->addWidget(buildExtKnob(w), 1, 1);
    grid->addLayout(buildVfoB(w), 2, 0);
    grid->addLayout(buildVfoButtons(w), 3, 0);
    grid->addWidget(w.lblInfo, 4, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    return w.Frame1;
}

}  // namespace tq::ui
