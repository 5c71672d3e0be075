#include "ui/main/PanelView.h"

#include <QAbstractEventDispatcher>
#include <QKeyEvent>
#include <QMainWindow>

#include "panel/PanelCaptions.h"
#include "panel/SliderReadouts.h"
#include "ui/main/KeyPreview.h"
#include "ui/main/WidgetColours.h"

namespace tq::ui {

using namespace tq::panel;

namespace {

/// The colour a view paints for a panel colour; nothing for Default, which
/// leaves the control's own.
std::optional<QColor> qtColour(Colour colour) {
    switch (colour) {
        case Colour::Default:
            return std::nullopt;
        case Colour::GreyText:
            return greyTextColour();
        case Colour::ButtonText:
            return buttonTextColour();
        default:
            break;
    }
    return QColor(*fixedRgb(colour));
}

void paintBack(QWidget* widget, Colour colour) {
    if (const auto qt = qtColour(colour)) {
        setBackColour(widget, *qt);
    }
}

void paintFore(QWidget* widget, Colour colour) {
    if (const auto qt = qtColour(colour)) {
        setForeColour(widget, *qt);
    }
}

template <std::size_t N>
void showDigits(const std::array<StepButton*, N>& digits, const QString& text) {
    for (std::size_t i = 0; i < N; ++i) {
        digits[i]->setText(text.mid(static_cast<int>(i), 1));
    }
}

QColor lampColour(protocol::Lamp lamp) {
    switch (lamp) {
        case protocol::Lamp::Sending:
            return QColor(*fixedRgb(Colour::Red));
        case protocol::Lamp::Awaiting:
            return QColor(*fixedRgb(Colour::Green));
        case protocol::Lamp::Syncing:
            return QColor(*fixedRgb(Colour::Yellow));
        case protocol::Lamp::Idle:
            break;
    }
    return greyTextColour();
}

/// Unchecks every button of an exclusive group: Qt keeps one checked unless
/// exclusivity is lifted while they are cleared.
void uncheckAll(const std::array<QRadioButton*, kMeterCount>& options) {
    for (QRadioButton* option : options) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
}

}  // namespace

PanelView::PanelView(QMainWindow& window, PanelWidgets& widgets, PanelModel& model,
                     PanelActions& actions)
    : m_window(window), m_w(widgets), m_model(model), m_actions(actions) {
    buildPainters();
    // The window starts as the model stands.
    for (int field = 0; field < kFieldCount; ++field) {
        paint(static_cast<Field>(field));
    }
    for (int control = 0; control < kControlCount; ++control) {
        paintControl(static_cast<Control>(control));
    }
    connect(&m_model, &PanelModel::changed, this, &PanelView::paint);
    connect(&m_model, &PanelModel::controlChanged, this, &PanelView::paintControl);
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) {
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                &PanelView::showLampColour);
    }
    connectInput();
}

PanelView::~PanelView() = default;

void PanelView::paint(Field field) {
    if (const auto& painter = m_painters[static_cast<std::size_t>(field)]) {
        painter();
    }
}

void PanelView::buildPainters() {
    PanelModel& m = m_model;
    PanelWidgets& w = m_w;
    const auto on = [this](Field field, std::function<void()> painter) {
        m_painters[static_cast<std::size_t>(field)] = std::move(painter);
    };
    on(Field::vfoA, [&] { showDigits(w.cmdF, m.vfoA()); });
    on(Field::vfoB, [&] { showDigits(w.cmdVFOB, m.vfoB()); });
    on(Field::vfoBMode, [&] { w.cmbVFOBMode->setCurrentIndex(itemIndex(m.vfoBMode())); });
    on(Field::split, [&] { w.lblSplit->setText(caption(m.split())); });
    on(Field::stepSize, [&] { w.cmbStepSize->setCurrentIndex(itemIndex(m.stepSize())); });
    on(Field::infoLine, [&] { w.lblInfo->setText(m.infoLine()); });
    on(Field::mode, [&] { w.cmbMode->setCurrentIndex(itemIndex(m.mode())); });
    on(Field::agc, [&] { w.cmbAGC->setCurrentIndex(itemIndex(m.agc())); });
    on(Field::source, [&] { w.cmbSource->setCurrentIndex(itemIndex(m.source())); });
    on(Field::digitalMode, [&] { w.cmbDig->setCurrentIndex(itemIndex(m.digitalMode())); });
    on(Field::xmitActive, [&] { w.cmdXmit->setText(xmitCaption(m.xmitActive())); });
    on(Field::tuning, [&] { w.cmdTune->setText(tuneCaption(m.tuning())); });
    on(Field::transmitting, [&] {
        w.lblXMTRCV->setText(transmitCaption(m.transmitting()));
        paintBack(w.lblXMTRCV, transmitColour(m.transmitting()));
    });
    on(Field::bandIndicator, [&] { w.lblInBand->setText(caption(m.bandIndicator())); });
    on(Field::bandIndicatorColour, [&] { paintBack(w.lblInBand, m.bandIndicatorColour()); });
    on(Field::mute, [&] { w.lblMute->setText(caption(m.mute())); });
    on(Field::pttEnable, [&] { w.lblPTTEn->setText(caption(m.pttEnable())); });
    on(Field::sideTone, [&] { w.lblSideTone->setText(caption(m.sideTone())); });
    on(Field::vox, [&] { w.lblVox->setText(caption(m.vox())); });
    on(Field::clipping, [&] { w.lblClipping->setText(caption(m.clipping())); });
    on(Field::remoteIndicator, [&] { w.lblREMOTE->setText(caption(m.remoteIndicator())); });
    on(Field::remoteIndicatorColour, [&] { paintFore(w.lblREMOTE, m.remoteIndicatorColour()); });
    on(Field::extPtt, [&] { paintBack(w.lblExtPTT, extPttColour(m.extPtt())); });
    on(Field::meterChecked, [&] {
        uncheckAll(w.optMeter);
        if (const auto index = m.meterChecked()) {
            w.optMeter[static_cast<std::size_t>(*index)]->setChecked(true);
        }
    });
    on(Field::meterLabels, [&] {
        const MeterLabels labels = m.meterLabels();
        for (int i = 0; i < kMeterCount; ++i) {
            const Colour colour = labels.lit == i ? Colour::ButtonText
                                  : labels.greyed ? Colour::GreyText
                                                  : Colour::Default;
            paintFore(w.lblMeter[static_cast<std::size_t>(i)], colour);
        }
    });
    on(Field::meterScale, [&] { w.lblMeterScale->setText(m.meterScale()); });
    on(Field::meterLevel, [&] { w.pbMeter->setValue(m.meterLevel()); });
    on(Field::bfoValue, [&] {
        w.vscBFO->setValue(m.bfoValue());
        w.txtBFO->setText(bfoReadout(m.bfoValue()));
    });
    on(Field::bfoOn, [&] { w.cmdBFO->setText(bfoButtonCaption(m.bfoOn())); });
    on(Field::bfoLabel,
       [&] { w.lblBFOOn->setText(m.bfoLabel() ? QStringLiteral("BFO") : QString()); });
    on(Field::bfoSign, [&] { w.lblPorM->setText(caption(m.bfoSign())); });
    on(Field::rfGain, [&] {
        w.vscRFG->setValue(m.rfGain());
        w.txtRFG->setText(rfgReadout(m.rfGain()));
    });
    on(Field::channel, [&] { showDigits(w.cmdM, m.channel()); });
    on(Field::channelOperation,
       [&] { w.cmdVM->setText(memoryButtonCaption(m.channelOperation())); });
    on(Field::ampPower, [&] { w.lblAmpPwr->setText(caption(m.ampPower())); });
    on(Field::ampPowerColour, [&] { paintBack(w.lblAmpPwr, m.ampPowerColour()); });
    on(Field::ampOperate, [&] { w.lblAmpOpStby->setText(caption(m.ampOperate())); });
    on(Field::ampOperateColour, [&] { paintBack(w.lblAmpOpStby, m.ampOperateColour()); });
    on(Field::ampTune, [&] { w.lblAmpTuned->setText(caption(m.ampTune())); });
    on(Field::ampTuneColour, [&] { paintBack(w.lblAmpTuned, m.ampTuneColour()); });
    on(Field::catInput, [&] { w.txtInCat->setText(m.catInput()); });
    on(Field::catOutput, [&] { w.txtOutCAT->setText(m.catOutput()); });
    on(Field::info, [&] { w.txtInfo->setText(m.info()); });
    // The set-up's standby warning is red and bold; the box is painted only
    // once a set-up has shown one, so until then it keeps the desktop's look.
    on(Field::infoStandby, [&] {
        if (!m.infoStandby() && !m_infoPainted) {
            return;
        }
        m_infoPainted = true;
        paintFore(w.txtInfo, m.infoStandby() ? Colour::Red : Colour::Black);
        QFont font = w.txtInfo->font();
        font.setBold(m.infoStandby());
        w.txtInfo->setFont(font);
    });
    on(Field::rawData, [&] { w.txtInData->setText(m.rawData()); });
    on(Field::rawDataOn, [&] { w.cmdViewInData->setText(viewDataCaption(m.rawDataOn())); });
    on(Field::comStatus, [&] { w.lblComStat->setText(m.comStatus()); });
    on(Field::firmwareCaption, [&] { w.lblFWType->setText(m.firmwareCaption()); });
    on(Field::syncLabel, [&] { w.lblU->setText(m.syncLabel()); });
    on(Field::syncLabelColour, [&] { paintBack(w.lblU, m.syncLabelColour()); });
    on(Field::lamp, [&] { m_lampColour = lampColour(m.lamp()); });
    on(Field::panelEnabled, [&] { m_window.setEnabled(m.panelEnabled()); });
}

std::vector<QObject*> PanelView::controlsOf(Control control) const {
    const PanelWidgets& w = m_w;
    const auto row = [](const auto& widgets) {
        return std::vector<QObject*>(widgets.begin(), widgets.end());
    };
    switch (control) {
        case Control::cmdF:
            return row(w.cmdF);
        case Control::cmdVFOB:
            return row(w.cmdVFOB);
        case Control::cmdM:
            return row(w.cmdM);
        case Control::optMeter:
            return row(w.optMeter);
        case Control::cmdMute:
            return {w.cmdMute};
        case Control::cmdPTTEn:
            return {w.cmdPTTEn};
        case Control::cmdSideTone:
            return {w.cmdSideTone};
        case Control::cmdVOX:
            return {w.cmdVOX};
        case Control::cmdClipping:
            return {w.cmdClipping};
        case Control::cmdViewInData:
            return {w.cmdViewInData};
        case Control::cmdBFO:
            return {w.cmdBFO};
        case Control::vscBFO:
            return {w.vscBFO};
        case Control::vscRFG:
            return {w.vscRFG};
        case Control::cmdTune:
            return {w.cmdTune};
        case Control::cmdXmit:
            return {w.cmdXmit};
        case Control::cmdPTT:
            return {w.cmdPTT};
        case Control::lblXMTRCV:
            return {w.lblXMTRCV};
        case Control::pbMeter:
            return {w.pbMeter};
        case Control::cmdAmpPwr:
            return {w.cmdAmpPwr};
        case Control::cmdAmpOpr:
            return {w.cmdAmpOpr};
        case Control::cmdTuneAmp:
            return {w.cmdTuneAmp};
        case Control::mnuScanBands:
            return {w.mnuScanBands};
        case Control::mnuScanFreqs:
            return {w.mnuScanFreqs};
        case Control::lblInfo:
            return {w.lblInfo};
        case Control::txtInfo:
            return {w.txtInfo};
        case Control::txtInData:
            return {w.txtInData};
        case Control::lblU:
            return {w.lblU};
        case Control::shaTrace:
            return {w.shaTrace};
    }
    return {};
}

void PanelView::paintControl(Control control) {
    const bool enabled = m_model.enabled(control);
    const bool visible = m_model.visible(control);
    for (QObject* object : controlsOf(control)) {
        if (auto* action = qobject_cast<QAction*>(object)) {
            action->setEnabled(enabled);
        } else if (auto* widget = qobject_cast<QWidget*>(object)) {
            widget->setEnabled(enabled);
            widget->setVisible(visible);
        }
    }
}

void PanelView::showLampColour() {
    setBackColour(m_w.shaTrace, m_lampColour);
}

void PanelView::connectInput() {
    connectButtons();
    connectChoices();
    connectSliders();
    connectSteppers();
    m_keys = std::make_unique<KeyPreview>(
        m_window, [this](const QKeyEvent& key) { return m_actions.key(key.key()); });
}

void PanelView::connectButtons() {
    PanelWidgets& w = m_w;
    PanelActions& actions = m_actions;
    struct ClickRequest {
        QPushButton* PanelWidgets::*button;
        PanelRequest request;
    };
    static constexpr std::array<ClickRequest, 19> kClicks{{
        {&PanelWidgets::cmdBFO, PanelRequest::cmdBFO},
        {&PanelWidgets::cmdClipping, PanelRequest::cmdClipping},
        {&PanelWidgets::cmdMute, PanelRequest::cmdMute},
        {&PanelWidgets::cmdPTTEn, PanelRequest::cmdPTTEn},
        {&PanelWidgets::cmdSideTone, PanelRequest::cmdSideTone},
        {&PanelWidgets::cmdTune, PanelRequest::cmdTune},
        {&PanelWidgets::cmdViewInData, PanelRequest::cmdViewInData},
        {&PanelWidgets::cmdVOX, PanelRequest::cmdVOX},
        {&PanelWidgets::cmdXmit, PanelRequest::cmdXmit},
        {&PanelWidgets::cmdAmpPwr, PanelRequest::cmdAmpPwr},
        {&PanelWidgets::cmdAmpOpr, PanelRequest::cmdAmpOpr},
        {&PanelWidgets::cmdTuneAmp, PanelRequest::cmdTuneAmp},
        {&PanelWidgets::cmdM2V, PanelRequest::cmdM2V},
        {&PanelWidgets::cmdV2M, PanelRequest::cmdV2M},
        {&PanelWidgets::cmdGetStatus, PanelRequest::cmdGetStatus},
        {&PanelWidgets::cmdSwap, PanelRequest::cmdSwap},
        {&PanelWidgets::cmdA2B, PanelRequest::cmdA2B},
        {&PanelWidgets::cmdSplit, PanelRequest::cmdSplit},
        {&PanelWidgets::cmdVM, PanelRequest::cmdVM},
    }};
    for (const ClickRequest& click : kClicks) {
        const PanelRequest request = click.request;
        connect(w.*click.button, &QPushButton::clicked, this,
                [&actions, request] { actions.click(request); });
    }
    for (std::size_t i = 0; i < kBandButtonCount; ++i) {
        const PanelRequest request = bandButtons()[i].request;
        connect(w.bandButtons[i], &QPushButton::clicked, this,
                [&actions, request] { actions.click(request); });
    }
}

void PanelView::connectChoices() {
    PanelWidgets& w = m_w;
    PanelActions& actions = m_actions;
    // Only the operator's choice asks for radio work (activated, not
    // currentIndexChanged): the model setting a box never sends it back.
    connect(w.cmbMode, &QComboBox::activated, this,
            [&actions](int index) { actions.chooseMode(modeItem(index)); });
    connect(w.cmbAGC, &QComboBox::activated, this,
            [&actions](int index) { actions.chooseAgc(agcItem(index)); });
    connect(w.cmbSource, &QComboBox::activated, this,
            [&actions](int index) { actions.chooseSource(sourceItem(index)); });
    connect(w.cmbDig, &QComboBox::activated, this,
            [&actions](int index) { actions.chooseDigitalMode(digitalModeItem(index)); });
    connect(w.cmbStepSize, &QComboBox::activated, this,
            [&actions](int index) { actions.chooseStepSize(stepSizeItem(index)); });
    connect(w.cmbVFOBMode, &QComboBox::activated, this,
            [&actions](int index) { actions.chooseVfoBMode(modeItem(index)); });
    for (int i = 0; i < kMeterCount; ++i) {
        connect(w.optMeter[static_cast<std::size_t>(i)], &QRadioButton::clicked, this,
                [&actions, i] { actions.chooseMeter(i); });
    }
}

void PanelView::connectSliders() {
    PanelWidgets& w = m_w;
    // valueChanged, not sliderMoved: the operator's move and the model's
    // value meet in one place; a value the model already has changes nothing.
    // A move the panel refuses puts the slider back where the model has it.
    connect(w.vscBFO, &QSlider::valueChanged, this, [this](int v) {
        m_actions.moveBfo(v);
        m_w.vscBFO->setValue(m_model.bfoValue());
    });
    connect(w.vscRFG, &QSlider::valueChanged, this, [this](int v) {
        m_actions.moveRfGain(v);
        m_w.vscRFG->setValue(m_model.rfGain());
    });
}

void PanelView::connectSteppers() {
    PanelWidgets& w = m_w;
    PanelActions& actions = m_actions;
    struct StepperRow {
        Stepper stepper;
        std::vector<StepButton*> buttons;
    };
    const std::array<StepperRow, 4> steppers{{
        {Stepper::VfoA, {w.cmdF.begin(), w.cmdF.end()}},
        {Stepper::VfoB, {w.cmdVFOB.begin(), w.cmdVFOB.end()}},
        {Stepper::Channel, {w.cmdM.begin(), w.cmdM.end()}},
        {Stepper::Ptt, {w.cmdPTT}},
    }};
    for (const StepperRow& row : steppers) {
        for (std::size_t i = 0; i < row.buttons.size(); ++i) {
            const Stepper stepper = row.stepper;
            const int index = static_cast<int>(i);
            connect(
                row.buttons[i], &StepButton::mouseDown, this,
                [&actions, stepper, index](int button) { actions.press(stepper, index, button); });
            connect(row.buttons[i], &StepButton::mouseUp, this,
                    [&actions, stepper, index](int button) {
                        actions.release(stepper, index, button);
                    });
        }
    }
}

}  // namespace tq::ui
