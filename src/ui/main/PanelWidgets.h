#pragma once

// The controls are what the frame builders make and the panel view binds:
// whoever includes these uses them, so their types come with it.
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <array>

#include "panel/BandButtons.h"
#include "panel/MeterScale.h"
#include "panel/PanelModel.h"
#include "ui/main/StepButton.h"

namespace tq::ui {

/// Every control of the main window under its established name, as the
/// frame builders make them. Only the window and its panel view hold them.
struct PanelWidgets {
    // Frequency (V): VFO A, VFO B, external knob, A/B operations.
    QGroupBox* Frame1 = nullptr;
    QGroupBox* fraFreq = nullptr;
    std::array<StepButton*, panel::PanelModel::kDigits> cmdF{};
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QLabel* lblVFOB = nullptr;
    std::array<StepButton*, panel::PanelModel::kDigits> cmdVFOB{};
    QPushButton* cmdCma = nullptr;
    QPushButton* cmdDot = nullptr;
    QComboBox* cmbVFOBMode = nullptr;
    QGroupBox* fraExtKnob = nullptr;
    QComboBox* cmbStepSize = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* cmdA2B = nullptr;
    QPushButton* cmdSwap = nullptr;
    QPushButton* cmdSplit = nullptr;
    QLabel* lblSplit = nullptr;
    QLabel* lblInfo = nullptr;
    QLabel* lblTQ5820 = nullptr;

    // Right buttons: mode, AGC, source, digital; transmit and tune.
    QGroupBox* fraRightButtons = nullptr;
    QLabel* lblMode = nullptr;
    QComboBox* cmbMode = nullptr;
    QLabel* lblAGC = nullptr;
    QComboBox* cmbAGC = nullptr;
    QLabel* lblSource = nullptr;
    QComboBox* cmbSource = nullptr;
    QLabel* lblDig = nullptr;
    QComboBox* cmbDig = nullptr;
    QPushButton* cmdTune = nullptr;
    QPushButton* cmdXmit = nullptr;
    StepButton* cmdPTT = nullptr;
    QLabel* lblXMTRCV = nullptr;
    QLabel* lblInBand = nullptr;

    // Left buttons: panel switches and their indicators.
    QGroupBox* fraLeftButtons = nullptr;
    QPushButton* cmdMute = nullptr;
    QLabel* lblMute = nullptr;
    QPushButton* cmdPTTEn = nullptr;
    QLabel* lblPTTEn = nullptr;
    QPushButton* cmdSideTone = nullptr;
    QLabel* lblSideTone = nullptr;
    QPushButton* cmdVOX = nullptr;
    QLabel* lblVox = nullptr;
    QPushButton* cmdClipping = nullptr;
    QLabel* lblClipping = nullptr;
    QPushButton* cmdGetStatus = nullptr;
    QLabel* lblREMOTE = nullptr;
    QLabel* lblExtPTT = nullptr;

    // Meter.
    QGroupBox* fraMeter = nullptr;
    std::array<QRadioButton*, panel::kMeterCount> optMeter{};
    std::array<QLabel*, panel::kMeterCount> lblMeter{};
    QLabel* lblMeterScale = nullptr;
    QProgressBar* pbMeter = nullptr;

    // BFO and RF gain.
    QGroupBox* fraBFO = nullptr;
    QSlider* vscBFO = nullptr;
    QLineEdit* txtBFO = nullptr;
    QPushButton* cmdBFO = nullptr;
    QLabel* lblBFOOn = nullptr;
    QLabel* lblPorM = nullptr;
    QLabel* lblBFOHz = nullptr;
    QGroupBox* fraRF = nullptr;
    QSlider* vscRFG = nullptr;
    QLineEdit* txtRFG = nullptr;

    // Band buttons, from 160 m up; bandButtons holds the same buttons in
    // the order of the band table.
    QGroupBox* fraBand = nullptr;
    QPushButton* cmd160M = nullptr;
    QPushButton* cmd75M = nullptr;
    QPushButton* cmd60M = nullptr;
    QPushButton* cmd40M = nullptr;
    QPushButton* cmd30M = nullptr;
    QPushButton* cmd20M = nullptr;
    QPushButton* cmd17M = nullptr;
    QPushButton* cmd15M = nullptr;
    QPushButton* cmd12M = nullptr;
    QPushButton* cmd10M = nullptr;
    QPushButton* cmdWWV = nullptr;
    QPushButton* cmdMARS = nullptr;
    std::array<QPushButton*, panel::kBandButtonCount> bandButtons{};

    // Memory.
    QGroupBox* Frame3 = nullptr;
    QGroupBox* Frame2 = nullptr;
    std::array<StepButton*, panel::PanelModel::kChannelDigits> cmdM{};
    QPushButton* cmdM2V = nullptr;
    QPushButton* cmdV2M = nullptr;
    QPushButton* cmdVM = nullptr;

    // Amplifier.
    QGroupBox* fraAmp = nullptr;
    QPushButton* cmdAmpPwr = nullptr;
    QLabel* lblAmpPwr = nullptr;
    QPushButton* cmdAmpOpr = nullptr;
    QLabel* lblAmpOpStby = nullptr;
    QPushButton* cmdTuneAmp = nullptr;
    QLabel* lblAmpTuned = nullptr;

    // CAT.
    QGroupBox* fraCAT = nullptr;
    QLineEdit* txtInCat = nullptr;
    QLineEdit* txtOutCAT = nullptr;

    // Information and link status.
    QLineEdit* txtInfo = nullptr;
    QLineEdit* txtInData = nullptr;
    QPushButton* cmdViewInData = nullptr;
    QLabel* lblComStat = nullptr;
    QLabel* lblFWType = nullptr;
    QLabel* lblU = nullptr;
    QLabel* shaTrace = nullptr;

    // Menus.
    QMenu* mnuFile = nullptr;
    QAction* mnuFileExit = nullptr;
    QMenu* mnuScan = nullptr;
    QAction* mnuScanBands = nullptr;
    QAction* mnuScanFreqs = nullptr;
    QMenu* mnuSetup = nullptr;
    QAction* mnuPortSetup = nullptr;
    QAction* mnuAudioSetup = nullptr;
    QAction* mnuCATSetup = nullptr;
    QAction* mnuLinkSetup = nullptr;
    QAction* mnuChannelSetup = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpAbout = nullptr;
    QAction* mnuHelpTQ5820 = nullptr;
};

}  // namespace tq::ui
