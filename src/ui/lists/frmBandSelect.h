#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <array>
#include <optional>

#include "panel/PanelContext.h"
#include "persist/BandList.h"
#include "ui/main/MainWindowPlace.h"
#include "ui/main/ModalWindow.h"

namespace tq::ui {

/// frmBandSelect: the frequency list of one band. It reads the band's list
/// file, tunes the radio to the row the operator selects, captures the
/// radio's frequency into the last row, sorts the rows and writes them back.
///
/// The main loop waits inside the band operation while this window is open,
/// so the window keeps the radio link alive itself: its SyncTimer tick (run
/// by the opener's modal wait every 100 ms) sends the sync character every
/// 3.1 s and shows whatever the radio reports on the main window.
class frmBandSelect : public QWidget {
    Q_OBJECT

public:
    static constexpr int kSyncTimerInterval = 100;  // ms
    /// The keep-alive goes out once the ticks add up to more than this.
    static constexpr int kSyncPeriod = 3000;  // ms

    /// Loads the window for the band (SelectedBand): placement beside the
    /// main window's band frame, title, list file, the radio's frequency in
    /// the last row, and the SyncTimer started.
    frmBandSelect(const QString& selectedBand, panel::PanelContext panel, MainWindowPlace place);
    ~frmBandSelect() override;

    /// SyncTimer as the opener's modal wait runs it.
    ModalTick syncTimer();
    bool syncTimerEnabled() const { return m_syncTimerEnabled; }

    /// The list file of this band, by bare name; empty for an unknown band.
    QString BandListFile;

    // Rows 0..13, top to bottom.
    QGroupBox* fraBand = nullptr;
    std::array<QRadioButton*, persist::kBandListRows> Option1{};
    std::array<QLineEdit*, persist::kBandListRows> txtFreq{};
    std::array<QLineEdit*, persist::kBandListRows> txtMode{};
    std::array<QLineEdit*, persist::kBandListRows> txtInfo{};

    QPushButton* cmdGetFreq = nullptr;
    QPushButton* cmdSort = nullptr;
    QPushButton* cmdWriteFile = nullptr;
    QPushButton* cmdExit = nullptr;
    QLabel* lblError = nullptr;

    /// What the rows' text boxes hold now, and filling them.
    persist::BandListRows rows() const;
    void showRows(const persist::BandListRows& rows);

    void cmdGetFreq_Click();
    void cmdSort_Click();
    void cmdWriteFile_Click();
    void Option1_Click(int index);
    void SyncTimer_Timer();

protected:
    /// Unloading (Exit or the close box) stops the SyncTimer; the opener
    /// enables the main window again.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void connectControls();
    void Form_Load(const QString& selectedBand);
    void placeBesideBandFrame();
    void selectRow(std::size_t row);
    void showFrequencyError(std::size_t row);
    void clearFrequencyError(std::size_t row);
    void reportFailure(const char* routine, int number, const QString& description);

    panel::PanelContext m_panel;
    MainWindowPlace m_place;
    protocol::RadioLink& m_link;
    protocol::RadioCommands& m_commands;

    bool m_syncTimerEnabled = false;
    int m_syncTimerInterval = 0;
    qint16 m_syncTicks = 0;
    /// Closed while a row's exchange paused: the timer stays stopped.
    bool m_unloaded = false;
    /// The row whose selection is being served; a row clicked while its
    /// exchange pauses is not served inside it.
    std::optional<std::size_t> m_selecting;
};

}  // namespace tq::ui
