#pragma once

#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

#include "link/LinkIndicators.h"
#include "panel/ChannelTransfer.h"
#include "persist/ChannelFolders.h"
#include "protocol/RadioLink.h"
#include "ui/setup/Prompts.h"

namespace tq::ui {

/// frmChannelSetup: the radio's 100 memory channels as a list of channel
/// entries, read from and stored into the radio, and opened from and saved
/// to channel list files.
///
/// The list lives only in the window. Load and Store run inside their click
/// handlers and take half a minute; meanwhile the progress bar counts the
/// channels, Cancel (and closing the window) stops the transfer after its
/// present exchange, and the buttons that would start another transfer or
/// change the list are disabled. The window is destroyed by its opener only
/// after its modal wait has returned, which is after any transfer's handler
/// has returned, so a transfer never outlives the window.
///
/// The window remembers the current (data) directory when it opens and
/// returns to it when it closes, so whatever a file dialog does to the
/// current directory, the program's bare file names keep naming the data
/// directory. Save results and failures go to the main window's information
/// box.
class frmChannelSetup : public QDialog {
    Q_OBJECT

public:
    frmChannelSetup(protocol::RadioLink& link, Prompts& prompts, link::LinkIndicators& mainInfo);
    ~frmChannelSetup() override;

    /// The list's entries, in list order.
    QStringList entries() const;
    const persist::ChannelFolders& folders() const { return m_folders; }

    /// Every way of closing ends here: stops a transfer and returns to the
    /// directory the window opened in.
    void done(int result) override;

    QGroupBox* Frame1 = nullptr;
    QListWidget* lsbChList = nullptr;
    QLineEdit* txtFilename = nullptr;
    QPushButton* cmdBrowse = nullptr;
    QPushButton* cmdOpenFile = nullptr;
    QLineEdit* txtSaveFilename = nullptr;
    QPushButton* cmdSaveFile = nullptr;
    QPushButton* cmdLoad = nullptr;
    QPushButton* cmdStore = nullptr;
    QLineEdit* txtResp = nullptr;
    QPushButton* cmdOK = nullptr;
    /// The transfer's progress, shown while Load or Store runs.
    QProgressBar* prgTransfer = nullptr;
    /// Stops a running Load or Store.
    QPushButton* cmdCancel = nullptr;

private:
    void buildControls();
    void connectControls();

    void findFile();
    void openFile();
    void saveFile();
    void loadChannels();
    void storeChannels();

    /// Where the save dialog starts: the file named in txtSaveFilename, in
    /// the dialogs' folder unless it names its own.
    QString saveDialogStart() const;
    void showTransfer(bool running, const QString& progressFormat = QString());
    panel::ChannelTransfer::Report transferReport();

    Prompts& m_prompts;
    link::LinkIndicators& m_mainInfo;
    panel::ChannelTransfer m_transfer;
    const QString m_openingDirectory;
    const persist::ChannelFolders m_folders;
    bool m_directoryRestored = false;
};

}  // namespace tq::ui
