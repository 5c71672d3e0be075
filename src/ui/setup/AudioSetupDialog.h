#pragma once

#include <QDialog>
#include <QPushButton>

#include "link/LinkIndicators.h"
#include "persist/PersistedAudioSettings.h"
#include "protocol/ProgramFlags.h"
#include "protocol/RadioState.h"
#include "ui/setup/CodeOptionGroup.h"

namespace tq::ui {

/// frmAudioSetup: edits the station's audio routing, keeps it in
/// AudioSetup.txt and hands it to the main window, which brings the radio to
/// it.
///
/// The dialog opens showing what the radio reports now for the phone source,
/// PTT enable and local/remote audio, and what the program uses for digital
/// modes. Its working values change with the option buttons and Load; only
/// Apply hands them on (settings and PanelResetRequest) and only Save writes
/// the file. A failed Save is reported in the main window's information box.
///
/// The opener disables the main window and shows the dialog modal; the
/// dialog has no parent, because a disabled parent would disable it too. When
/// it unloads (Exit, its close box, Escape) it emits unloaded(), on which the
/// opener enables the main window again.
class AudioSetupDialog : public QDialog {
    Q_OBJECT

public:
    AudioSetupDialog(persist::PersistedAudioSettings& settings, const protocol::RadioState& radio,
                     protocol::ProgramFlags& flags, link::LinkIndicators& indicators);

    /// The values Apply would hand on and Save would write now.
    const persist::PersistedAudioSettings& working() const { return m_working; }

    /// Every way of closing ends here; announces the unload.
    void done(int result) override;

signals:
    /// The dialog has closed; values not applied are discarded.
    void unloaded();

private:
    void buildControls();
    void connectControls();
    void showOpeningValues(const protocol::RadioState& radio);
    void load();
    void save();
    void apply();

    persist::PersistedAudioSettings& m_settings;
    protocol::ProgramFlags& m_flags;
    link::LinkIndicators& m_indicators;
    /// Only SetupSource to DigitalVox are used.
    persist::PersistedAudioSettings m_working;

    CodeOptionGroup* m_phoneSource = nullptr;
    CodeOptionGroup* m_ptt = nullptr;
    CodeOptionGroup* m_locRem = nullptr;
    CodeOptionGroup* m_digitalSource = nullptr;
    CodeOptionGroup* m_digitalVox = nullptr;
    QPushButton* m_cmdLoad = nullptr;
    QPushButton* m_cmdSave = nullptr;
    QPushButton* m_cmdApply = nullptr;
    QPushButton* m_cmdExit = nullptr;
};

}  // namespace tq::ui
