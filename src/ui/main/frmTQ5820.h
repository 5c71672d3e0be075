#pragma once

// The controls are the window's interface: whoever includes the window uses
// them, so their types come with it.
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <array>
#include <memory>

#include "panel/BandButtons.h"
#include "panel/MeterScale.h"
#include "panel/PanelRequest.h"
#include "protocol/Indicators.h"
#include "ui/main/StepButton.h"

namespace tq::protocol {
class RadioCommands;
class RadioLink;
struct ProgramFlags;
struct RadioState;
}  // namespace tq::protocol

namespace tq::ui {

class StatusDisplay;

/// The main window: the radio's front panel. It holds every control under
/// its established name, raises a panel request for each control that asks
/// for radio work, and shows the radio state through the status display.
/// The operations behind the requests and the stepping buttons belong to
/// whoever serves them; this window only reports.
class frmTQ5820 : public QMainWindow, public protocol::Indicators {
    Q_OBJECT

public:
    static constexpr int kDigits = 7;
    static constexpr int kChannelDigits = 2;

    frmTQ5820(protocol::RadioState& state, protocol::ProgramFlags& flags,
              QWidget* parent = nullptr);
    ~frmTQ5820() override;

    /// Gives the display the link it sends through: band limits toggle PTT
    /// enable, a finished amplifier tune releases the transmitter. Without a
    /// link those commands are left out and only the panel changes.
    void attachLink(protocol::RadioLink& link, protocol::RadioCommands& commands);

    /// Raised requests, served and cleared by the main loop.
    panel::PanelRequests& requests() { return m_requests; }
    const panel::PanelRequests& requests() const { return m_requests; }

    StatusDisplay& display() { return *m_display; }
    /// Shows every reply that arrived since the last refresh.
    void gUpdateDisplay();

    /// The meter chosen last with an option button (0..5).
    int meterChoice() const { return m_meterChoice; }

    /// The raw reply view is on while its button offers to hide it.
    static inline const QString kHideData = QStringLiteral("Hide Data");

    // protocol::Indicators
    void showErrorInfo(const QString& text) override;
    void setComStat(const QString& caption) override;
    void setLamp(protocol::Lamp lamp) override;
    void setSyncLabel(const QString& caption) override;
    bool rawDataShown() const override;
    void setRawData(const QString& text) override;
    void setFirmwareCaption(const QString& caption) override;
    void displayMeterData(const QString& line) override;
    void greyMeterLabels() override;
    void showMode() override;
    void showSideTone() override;
    void showSource() override;
    void showPttEnable() override;

    /// While set, the VFO A digits and keys change nothing: set while the
    /// radio transmits, in memory operation and during the set-ups.
    bool FrequencyLock = false;
    /// The latching transmit button holds the transmitter keyed.
    bool XmitActive = false;

    /// The sliders' change handlers: refresh the read-out and raise the
    /// request. Run on every value change, and directly by the set-ups.
    void bfoChanged();
    void rfgChanged();

    // Program-wide amplifier tune state: set by the tune operation, timed out
    // by the main loop, ended by the display when the amplifier reports.
    bool AmpTuneActive = false;
    double AmpTuneStarted = 0.0;

    // Frequency (V): VFO A, VFO B, external knob, A/B operations.
    QGroupBox* Frame1 = nullptr;
    QGroupBox* fraFreq = nullptr;
    std::array<StepButton*, kDigits> cmdF{};
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QLabel* lblVFOB = nullptr;
    std::array<StepButton*, kDigits> cmdVFOB{};
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
    std::array<StepButton*, kChannelDigits> cmdM{};
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

signals:
    /// Mouse press and release on a VFO A digit (index 0 = tens of MHz),
    /// with the button code (1 left, 2 right).
    void vfoADigitDown(int index, int button);
    void vfoADigitUp(int index, int button);
    /// The same for the VFO B digits.
    void vfoBDigitDown(int index, int button);
    void vfoBDigitUp(int index, int button);
    /// The same for the channel digits (0 tens, 1 units).
    void channelDigitDown(int index, int button);
    void channelDigitUp(int index, int button);
    /// Mouse press and release on the push-to-talk button.
    void pttDown(int button);
    void pttUp(int button);
    /// The window is about to close (its close box): the close handler runs.
    void queryUnload();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPanel();
    void connectPanel();
    void meterClicked(int index);

    panel::PanelRequests m_requests;
    std::unique_ptr<StatusDisplay> m_display;
    int m_meterChoice = 0;
    // The link lamp changes colour several times in every pass of the main
    // loop. The colour reaches the widget only when the program is about to
    // wait for events, the one moment a repaint could show it; touching the
    // widget on every change would cost a repaint per pass.
    void showLampColour();
    QColor m_lampColour;
};

}  // namespace tq::ui
