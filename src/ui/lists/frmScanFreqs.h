#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <array>

#include "panel/PanelContext.h"
#include "panel/ScanTuning.h"
#include "persist/ScanFreqsFile.h"
#include "ui/main/MainWindowPlace.h"

namespace tq::protocol {
class RadioCommands;
class RadioLink;
}  // namespace tq::protocol

namespace tq::ui {

/// frmScanFreqs: a list of 13 frequencies with mode and note, kept in
/// ScanFreqs.txt. Scanning tunes the radio to each ticked row in turn (mode
/// first, then frequency), shows the row's note on the main window, dwells
/// there and starts the list again until stopped.
///
/// The scan runs inside the Scan click handler and handles events while it
/// dwells, so Stop, ticks, row edits and the close box act during a scan;
/// ticks and row texts are read afresh for every row. A close while
/// scanning hides the window; the scan ends at its next check before the
/// opener's modal wait returns, so the window outlives its scan.
class frmScanFreqs : public QWidget {
    Q_OBJECT

public:
    static constexpr int kRows = persist::ScanFreqsFile::kRows;
    static constexpr int kOpeningDwell = 3;

    frmScanFreqs(panel::PanelContext panel, MainWindowPlace place);

    bool scanning() const { return m_scanning; }
    /// Drains what the radio sent while no scan runs, so a switch to local
    /// control is noticed (the window then closes); run by the opener's
    /// modal wait.
    void idleTick();

    QGroupBox* fraBand = nullptr;
    std::array<QCheckBox*, kRows> Check1{};
    std::array<QLineEdit*, kRows> txtFreq{};
    std::array<QLineEdit*, kRows> txtMode{};
    std::array<QLineEdit*, kRows> txtInfo{};
    QPushButton* cmdScan = nullptr;
    QPushButton* cmdStop = nullptr;
    QPushButton* cmdWriteFile = nullptr;
    QLineEdit* txtDelay = nullptr;
    QLabel* lblDelay = nullptr;
    QLabel* lblError = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void connectControls();
    void readFile();
    void cmdScan_Click();
    void cmdStop_Click();
    void cmdWriteFile_Click();
    /// Passes over the list until the scan finishes.
    void scan();
    /// Tunes and dwells on row i; false when the scan must finish.
    bool scanRow(int i);
    bool dwell();
    bool mustEnd() const;
    void setRowColour(int i, const QColor& colour);

    panel::PanelContext m_panel;
    MainWindowPlace m_place;
    protocol::RadioLink& m_link;
    protocol::RadioCommands& m_commands;
    panel::ScanTuning m_tuning;

    bool m_stopRequest = false;
    bool m_scanning = false;
    int m_dwell = kOpeningDwell;
};

}  // namespace tq::ui
