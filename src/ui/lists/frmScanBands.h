#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "panel/PanelContext.h"
#include "panel/ScanTuning.h"
#include "ui/main/MainWindowPlace.h"

namespace tq::protocol {
class RadioLink;
}

namespace tq::ui {

/// frmScanBands: sweeps the radio upward from a lower to an upper limit in
/// fixed steps, dwelling on each frequency, and starts again from the lower
/// limit after each sweep until the operator stops it.
///
/// The sweep runs inside the Scan click handler; its waits handle events, so
/// Stop, Pause, the step and dwell options, the band buttons and the close
/// box act while it runs. They only set requests and values that the sweep
/// reads at its next check. A close while sweeping hides the window at once;
/// the sweep then ends, and only then does the opener's modal wait return, so
/// the window is never destroyed under a running sweep.
class frmScanBands : public QWidget {
    Q_OBJECT

public:
    static constexpr int kStepCount = 5;
    static constexpr int kDwellCount = 2;
    static constexpr int kBandCount = 9;
    /// Dwell until a dwell option is clicked, although "Fast Scan" shows
    /// selected: the sweep starts a little faster than either option.
    static constexpr double kOpeningDwell = 0.4;
    static constexpr double kPausedKeepAlive = 0.3;
    static constexpr double kSweepRestPause = 2.0;

    frmScanBands(panel::PanelContext panel, MainWindowPlace place);

    /// The system beep at the end of each sweep; tests count it instead.
    void setBeep(std::function<void()> beep) { m_beep = std::move(beep); }

    /// Whether a sweep runs now.
    bool scanning() const { return m_scanning; }
    /// Step in 10 Hz units and dwell in seconds as the options set them.
    int step() const { return m_step; }
    double dwell() const { return m_dwell; }

    /// Drains what the radio sent while no sweep runs, so a switch to local
    /// control is noticed (the window then closes); run by the opener's
    /// modal wait.
    void idleTick();

    QLineEdit* txtFreq = nullptr;
    QLineEdit* txtScanLow = nullptr;
    QLineEdit* txtScanHi = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    std::array<QLabel*, 2> Label3{};
    QPushButton* cmdScanUp = nullptr;
    QPushButton* cmdStop = nullptr;
    QPushButton* cmdPauseCont = nullptr;
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, kStepCount> Option1{};
    QGroupBox* Frame2 = nullptr;
    std::array<QRadioButton*, kDwellCount> Option2{};
    QPushButton* cmd160M = nullptr;
    QPushButton* cmd75M = nullptr;
    QPushButton* cmd40M = nullptr;
    QPushButton* cmd30M = nullptr;
    QPushButton* cmd20M = nullptr;
    QPushButton* cmd17M = nullptr;
    QPushButton* cmd15M = nullptr;
    QPushButton* cmd12M = nullptr;
    QPushButton* cmd10M = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void connectControls();
    void cmdScanUp_Click();
    void cmdStop_Click();
    void cmdPauseCont_Click();
    void bandClicked(int index);
    /// Sweeps again and again; returns when the scan finishes.
    void scan();
    /// One sweep from low to high; false when the scan must finish.
    bool sweep(int low, int high);
    /// Converts a limit box, marking it "Error" in red when it is no
    /// frequency the radio can tune.
    std::optional<int> limit(QLineEdit* box);
    bool mustEnd() const;
    /// Hides the window and gives the main window back its information box
    /// and label as they were.
    void closingRoutine();

    panel::PanelContext m_panel;
    MainWindowPlace m_place;
    protocol::RadioLink& m_link;
    panel::ScanTuning m_tuning;
    std::function<void()> m_beep;

    bool m_stopRequest = false;
    bool m_closeRequest = false;
    bool m_paused = false;
    bool m_scanning = false;
    int m_step = 10;
    double m_dwell = kOpeningDwell;
    bool m_savedTxtInfoVisible = false;
    bool m_savedLblInfoVisible = true;
};

}  // namespace tq::ui
