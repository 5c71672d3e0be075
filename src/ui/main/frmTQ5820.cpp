#include "ui/main/frmTQ5820.h"

#include <QAbstractEventDispatcher>

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include "panel/PanelColours.h"
#include "panel/SliderReadouts.h"
#include "ui/main/AmpFrame.h"
#include "ui/main/BandFrame.h"
#include "ui/main/BfoFrame.h"
#include "ui/main/CatFrame.h"
#include "ui/main/FrequencyFrame.h"
#include "ui/main/InfoArea.h"
#include "ui/main/LeftButtonsFrame.h"
#include "ui/main/MemoryFrame.h"
#include "ui/main/MenuBar.h"
#include "ui/main/MeterFrame.h"
#include "ui/main/RfGainFrame.h"
#include "ui/main/RightButtonsFrame.h"
#include "ui/main/StatusDisplay.h"
#include "ui/main/StepButton.h"
#include "ui/main/WidgetColours.h"

namespace tq::ui {

frmTQ5820::frmTQ5820(protocol::RadioState& state, protocol::ProgramFlags& flags, QWidget* parent)
    : QMainWindow(parent), m_display(std::make_unique<StatusDisplay>(*this, state, flags)) {
    setObjectName(QStringLiteral("frmTQ5820"));
    buildMenuBar(*this);
    buildPanel();
    connectPanel();
    m_lampColour = backColour(shaTrace);
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) {
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                &frmTQ5820::showLampColour);
    }
}

void frmTQ5820::showLampColour() {
    setBackColour(shaTrace, m_lampColour);
}

frmTQ5820::~frmTQ5820() = default;

void frmTQ5820::attachLink(protocol::RadioLink& link, protocol::RadioCommands& commands) {
    m_display->attachLink(link, commands);
}

void frmTQ5820::gUpdateDisplay() {
    m_display->gUpdateDisplay();
}

void frmTQ5820::buildPanel() {
    auto* central = new QWidget;
    central->setObjectName(QStringLiteral("centralPanel"));
    auto* grid = new QGridLayout(central);

    // The frequency read-out in the middle, the switches either side of it,
    // meter and bands beneath; the slower-changing settings along the bottom.
    grid->addWidget(buildLeftButtonsFrame(*this), 0, 0, 2, 1);
    grid->addWidget(buildFrequencyFrame(*this), 0, 1);
    grid->addWidget(buildRightButtonsFrame(*this), 0, 2, 2, 1);

    auto* middle = new QHBoxLayout;
    middle->addWidget(buildMeterFrame(*this));
    middle->addWidget(buildBandFrame(*this), 1);
    grid->addLayout(middle, 1, 1);

    auto* lower = new QHBoxLayout;
    lower->addWidget(buildBfoFrame(*this));
    lower->addWidget(buildRfGainFrame(*this));
    lower->addWidget(buildMemoryFrame(*this));
    lower->addWidget(buildAmpFrame(*this));
    lower->addWidget(buildCatFrame(*this), 1);
    grid->addLayout(lower, 2, 0, 1, 3);

    grid->addLayout(buildInfoArea(*this), 3, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    // Spare height goes to the read-out; the settings rows keep their size.
    grid->setRowStretch(0, 1);
    setCentralWidget(central);
}

void frmTQ5820::connectPanel() {
    struct ClickRequest {
        QPushButton* frmTQ5820::*button;
        panel::PanelRequest request;
    };
    static constexpr std::array<ClickRequest, 19> kClicks{{
        {&frmTQ5820::cmdBFO, panel::PanelRequest::cmdBFO},
        {&frmTQ5820::cmdClipping, panel::PanelRequest::cmdClipping},
        {&frmTQ5820::cmdMute, panel::PanelRequest::cmdMute},
        {&frmTQ5820::cmdPTTEn, panel::PanelRequest::cmdPTTEn},
        {&frmTQ5820::cmdSideTone, panel::PanelRequest::cmdSideTone},
        {&frmTQ5820::cmdTune, panel::PanelRequest::cmdTune},
        {&frmTQ5820::cmdViewInData, panel::PanelRequest::cmdViewInData},
        {&frmTQ5820::cmdVOX, panel::PanelRequest::cmdVOX},
        {&frmTQ5820::cmdXmit, panel::PanelRequest::cmdXmit},
        {&frmTQ5820::cmdAmpPwr, panel::PanelRequest::cmdAmpPwr},
        {&frmTQ5820::cmdAmpOpr, panel::PanelRequest::cmdAmpOpr},
        {&frmTQ5820::cmdTuneAmp, panel::PanelRequest::cmdTuneAmp},
        {&frmTQ5820::cmdM2V, panel::PanelRequest::cmdM2V},
        {&frmTQ5820::cmdV2M, panel::PanelRequest::cmdV2M},
        {&frmTQ5820::cmdGetStatus, panel::PanelRequest::cmdGetStatus},
        {&frmTQ5820::cmdSwap, panel::PanelRequest::cmdSwap},
        {&frmTQ5820::cmdA2B, panel::PanelRequest::cmdA2B},
        {&frmTQ5820::cmdSplit, panel::PanelRequest::cmdSplit},
        {&frmTQ5820::cmdVM, panel::PanelRequest::cmdVM},
    }};
    for (const ClickRequest& click : kClicks) {
        const panel::PanelRequest request = click.request;
        connect(this->*click.button, &QPushButton::clicked, this,
                [this, request] { m_requests.raise(request); });
    }
    for (std::size_t i = 0; i < panel::kBandButtonCount; ++i) {
        const panel::PanelRequest request = panel::bandButtons()[i].request;
        connect(bandButtons[i], &QPushButton::clicked, this,
                [this, request] { m_requests.raise(request); });
    }

    // Only the operator's choice asks for radio work: the display setting a
    // combo to what the radio reported must not send it back.
    struct ChoiceRequest {
        QComboBox* frmTQ5820::*combo;
        panel::PanelRequest request;
    };
    static constexpr std::array<ChoiceRequest, 4> kChoices{{
        {&frmTQ5820::cmbSource, panel::PanelRequest::cmbSource},
        {&frmTQ5820::cmbAGC, panel::PanelRequest::cmbAGC},
        {&frmTQ5820::cmbMode, panel::PanelRequest::cmbMode},
        {&frmTQ5820::cmbDig, panel::PanelRequest::cmbDig},
    }};
    for (const ChoiceRequest& choice : kChoices) {
        const panel::PanelRequest request = choice.request;
        connect(this->*choice.combo, &QComboBox::activated, this,
                [this, request] { m_requests.raise(request); });
    }

    for (int i = 0; i < panel::kMeterCount; ++i) {
        connect(optMeter[static_cast<std::size_t>(i)], &QRadioButton::clicked, this,
                [this, i] { meterClicked(i); });
    }

    // valueChanged, not sliderMoved: a value set from code runs the handler
    // exactly as the operator's move does.
    connect(vscBFO, &QSlider::valueChanged, this, &frmTQ5820::bfoChanged);
    connect(vscRFG, &QSlider::valueChanged, this, &frmTQ5820::rfgChanged);

    for (int i = 0; i < kDigits; ++i) {
        const auto k = static_cast<std::size_t>(i);
        connect(cmdF[k], &StepButton::mouseDown, this,
                [this, i](int button) { emit vfoADigitDown(i, button); });
        connect(cmdF[k], &StepButton::mouseUp, this,
                [this, i](int button) { emit vfoADigitUp(i, button); });
        connect(cmdVFOB[k], &StepButton::mouseDown, this,
                [this, i](int button) { emit vfoBDigitDown(i, button); });
        connect(cmdVFOB[k], &StepButton::mouseUp, this,
                [this, i](int button) { emit vfoBDigitUp(i, button); });
    }
    for (int i = 0; i < kChannelDigits; ++i) {
        const auto k = static_cast<std::size_t>(i);
        connect(cmdM[k], &StepButton::mouseDown, this,
                [this, i](int button) { emit channelDigitDown(i, button); });
        connect(cmdM[k], &StepButton::mouseUp, this,
                [this, i](int button) { emit channelDigitUp(i, button); });
    }
    connect(cmdPTT, &StepButton::mouseDown, this, &frmTQ5820::pttDown);
    connect(cmdPTT, &StepButton::mouseUp, this, &frmTQ5820::pttUp);
}

void frmTQ5820::bfoChanged() {
    txtBFO->setText(panel::bfoReadout(vscBFO->value()));
    m_requests.raise(panel::PanelRequest::vscBFO);
}

void frmTQ5820::rfgChanged() {
    txtRFG->setText(panel::rfgReadout(vscRFG->value()));
    m_requests.raise(panel::PanelRequest::vscRFG);
}

void frmTQ5820::meterClicked(int index) {
    m_meterChoice = index;
    m_requests.raise(panel::PanelRequest::optMeter);
}

void frmTQ5820::closeEvent(QCloseEvent* event) {
    emit queryUnload();
    QMainWindow::closeEvent(event);
}

void frmTQ5820::showErrorInfo(const QString& text) {
    m_display->ShowErrorInfo(text);
}

void frmTQ5820::setComStat(const QString& caption) {
    lblComStat->setText(caption);
}

void frmTQ5820::setLamp(protocol::Lamp lamp) {
    QColor colour = greyTextColour();
    switch (lamp) {
        case protocol::Lamp::Sending:
            colour = QColor(panel::kRed);
            break;
        case protocol::Lamp::Awaiting:
            colour = QColor(panel::kGreen);
            break;
        case protocol::Lamp::Syncing:
            colour = QColor(panel::kYellow);
            break;
        case protocol::Lamp::Idle:
            break;
    }
    m_lampColour = colour;
}

void frmTQ5820::setSyncLabel(const QString& caption) {
    lblU->setText(caption);
    // A character just sent stands out on white; a blanked label keeps the
    // colour the transmit state gave it.
    if (!caption.isEmpty()) {
        setBackColour(lblU, QColor(panel::kWhite));
    }
}

bool frmTQ5820::rawDataShown() const {
    return cmdViewInData->text() == kHideData;
}

void frmTQ5820::setRawData(const QString& text) {
    txtInData->setText(text);
}

void frmTQ5820::setFirmwareCaption(const QString& caption) {
    lblFWType->setText(caption);
}

void frmTQ5820::displayMeterData(const QString& line) {
    m_display->gDisplayMeterData(line);
}

void frmTQ5820::greyMeterLabels() {
    m_display->greyMeterLabels();
}

void frmTQ5820::showMode() {
    m_display->ShowMode();
}

void frmTQ5820::showSideTone() {
    m_display->ShowSideTone();
}

void frmTQ5820::showSource() {
    m_display->ShowSource();
}

void frmTQ5820::showPttEnable() {
    m_display->ShowPttEn();
}

}  // namespace tq::ui
