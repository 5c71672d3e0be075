#include "ui/main/RightButtonsFrame.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "panel/PanelColours.h"
#include "ui/main/ControlFactory.h"
#include "ui/main/PanelWidgets.h"
#include "ui/main/StepButton.h"
#include "ui/main/WidgetColours.h"

namespace tq::ui {

namespace {

constexpr int kPttHeight = 48;

QLabel* makeIndicator(const QString& name, const QString& caption) {
    QLabel* label = makeLabel(name, caption);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    return label;
}

}  // namespace

QGroupBox* buildRightButtonsFrame(PanelWidgets& w) {
    w.fraRightButtons = makeFrame(QStringLiteral("fraRightButtons"), QString());
    w.lblMode = makeLabel(QStringLiteral("lblMode"), QStringLiteral("Mode"));
    w.cmbMode = makeCombo(
        QStringLiteral("cmbMode"),
        {QStringLiteral("USB"), QStringLiteral("LSB"), QStringLiteral("AME"), QStringLiteral("CW")},
        QStringLiteral("Select Mode"));
    w.lblAGC = makeLabel(QStringLiteral("lblAGC"), QStringLiteral("AGC"));
    w.cmbAGC = makeCombo(QStringLiteral("cmbAGC"),
                         {QStringLiteral("SLOW"), QStringLiteral("MED"), QStringLiteral("FAST"),
                          QStringLiteral("OFF")},
                         QStringLiteral("Select AGC Time"));
    w.lblSource = makeLabel(QStringLiteral("lblSource"), QStringLiteral("Source"));
    w.cmbSource =
        makeCombo(QStringLiteral("cmbSource"),
                  {QStringLiteral("MIC"), QStringLiteral("AUDIO2"), QStringLiteral("PATCH"),
                   QStringLiteral("REMOTE"), QStringLiteral("OFF/CW")},
                  QStringLiteral("Select Audio Source"));
    w.lblDig = makeLabel(QStringLiteral("lblDig"), QStringLiteral("Digital"));
    w.cmbDig = makeCombo(QStringLiteral("cmbDig"),
                         {QStringLiteral("OFF"), QStringLiteral("PSK"), QStringLiteral("FSK"),
                          QStringLiteral("RTTY")},
                         QStringLiteral("Choose Digital Mode"));
    // No digital mode until the operator picks one.
    w.cmbDig->setCurrentIndex(0);

    w.cmdTune = makeButton(QStringLiteral("cmdTune"), QStringLiteral("T&UNE ON"));
    w.cmdXmit = makeButton(QStringLiteral("cmdXmit"), QStringLiteral("&XMT ON"));
    w.cmdPTT = makeStepButton(QStringLiteral("cmdPTT"), QStringLiteral("PTT"),
                              QStringLiteral("Press Mouse Button to Transmit"));
    w.cmdPTT->setMinimumHeight(kPttHeight);

    w.lblXMTRCV = makeIndicator(QStringLiteral("lblXMTRCV"), QStringLiteral("Receive"));
    QFont bold = w.lblXMTRCV->font();
    bold.setBold(true);
    w.lblXMTRCV->setFont(bold);
    setBackColour(w.lblXMTRCV, QColor(panel::kGreen));
    w.lblInBand = makeIndicator(QStringLiteral("lblInBand"), QString());
    setBackColour(w.lblInBand, QColor(panel::kLightGrey));

    auto* form = new QFormLayout(w.fraRightButtons);
    form->addRow(w.lblMode, w.cmbMode);
    form->addRow(w.lblAGC, w.cmbAGC);
    form->addRow(w.lblSource, w.cmbSource);
    form->addRow(w.lblDig, w.cmbDig);
    form->addRow(w.cmdTune);
    form->addRow(w.cmdXmit);
    form->addRow(w.cmdPTT);
    form->addRow(w.lblXMTRCV);
    form->addRow(w.lblInBand);
    return w.fraRightButtons;
}

}  // namespace tq::ui
