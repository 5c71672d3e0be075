#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "app/CatWindowPanel.h"
#include "app/ShutdownSave.h"
#include "app/StationService.h"
#include "app/StationSoftware.h"
#include "cat/CatPortSetup.h"
#include "link/Clock.h"
#include "link/DeviceWatch.h"
#include "link/RadioLinkFlags.h"
#include "link/RadioPort.h"
#include "link/RadioPortSetup.h"
#include "link/SerialDeviceList.h"
#include "link/SerialPort.h"
#include "panel/Panel.h"
#include "persist/PersistedAudioSettings.h"
#include "persist/StationLinksFile.h"
#include "persist/WebPanelFile.h"
#include "protocol/ProgramFlags.h"
#include "protocol/RadioCommands.h"
#include "protocol/RadioLink.h"
#include "protocol/RadioState.h"
#include "ui/main/MenuEntry.h"
#include "ui/main/frmTQ5820.h"
#include "ui/setup/Prompts.h"
#include "web/WebPanelServer.h"

namespace tq::ui {
class HelpBrowser;
}  // namespace tq::ui

namespace tq::app {

/// The program's long-lived objects, made once by main() and handed to the
/// start-up, the main loop, the set-ups and the close handler: the radio
/// port and its settings, the panel with the radio state and link, the main
/// window, the routes of station software, and the operator's saved audio
/// settings.
class Program {
public:
    /// What ends the process once the close handler has done its work, with
    /// the exit status (0, or ShutdownSave::kNotSaved).
    using EndProgram = std::function<void(int exitStatus)>;
    /// Whether a serial port number is present on this machine.
    using PortProbe = std::function<bool(int)>;

    /// The CAT port and the station clock serve station software, which
    /// may run on a thread of its own (StationSoftware::startThread).
    Program(link::Clock& clock, link::SerialPort& radioPort, link::SerialPort& catPort,
            link::Clock& stationClock, PortProbe portExists, ui::Prompts& prompts,
            EndProgram endProgram);
    ~Program();

    link::Clock& clock;
    link::SerialPort& radioPort;
    link::SerialPort& catPort;
    PortProbe portExists;
    /// The serial devices the port dialogs offer; null: none are listed.
    const link::SerialDeviceList* serialDevices = nullptr;
    ui::Prompts& prompts;
    EndProgram endProgram;
    /// Saves TQ5820ini.txt as the program closes; a signal tells it first.
    ShutdownSave shutdownSave{prompts};

    protocol::RadioState state;
    protocol::ProgramFlags flags;
    link::RadioPortSetup portSetup;
    /// Line 4 of PortSetup.txt as read: only exactly "1" enables the
    /// external PTT line.
    QString ExtPttSetting;
    link::RadioLinkFlags linkFlags;
    persist::PersistedAudioSettings audio;

    /// CAT port settings: read at start-up, written by the CAT setup dialog.
    cat::CatPortSetup catSetup;

    bool SyncLossRestart = false;
    /// Local operation with the Adapt firmware may scan and tune.
    bool ScanMenusEnabled = false;

    /// The front panel: its values, operations and the link to the radio.
    std::unique_ptr<panel::Panel> panel;
    /// The window the operator sees: a view of the panel.
    std::unique_ptr<ui::frmTQ5820> window;
    std::unique_ptr<link::RadioPort> radioPortControl;
    /// Watches for the radio port's device while it is lost.
    std::unique_ptr<link::DeviceWatch> radioWatch;
    /// Where station software meets the panel, the main loop's side of it,
    /// and the CAT and network routes themselves.
    panel::StationGateway gateway;
    std::unique_ptr<StationService> stationService;
    std::unique_ptr<CatWindowPanel> catPanel;
    std::unique_ptr<StationSoftware> stationSoftware;

    panel::PanelModel& model() { return panel->model(); }
    protocol::RadioLink& radioLink() { return panel->link(); }
    protocol::RadioCommands& commands() { return panel->commands(); }

    /// How station software reaches the radio besides the plain CAT port.
    persist::StationLinks stationLinks;
    /// --rigctld: network rig control on for this run, on this port (0: the
    /// file's port), whatever persist::StationLinks.txt says.
    std::optional<int> rigctldThisRun;

    /// Tells whoever started the program, in a line on its output, that the
    /// link is up and the main loop running; empty: nobody is told.
    std::function<void(const QString&)> announce;

    /// Form_QueryUnload: remembers the window, says goodbye to the radio,
    /// closes the ports and ends the program. Never cancels.
    void Form_QueryUnload();
    /// Opens the audio setup dialog modally, the main window disabled.
    void openAudioSetup();
    /// Opens the radio port setup dialog modally, the main window disabled.
    void openPortSetup();
    /// A band button's served request: its band's list window opens modal
    /// and keeps the link alive until it closes; then the request is cleared.
    void bandOperation(const panel::BandButton& button);

    /// Opens the About window modally, the main window disabled.
    void openAbout();
    /// Shows the operator's help page beside the panel.
    void openHelp();

    /// The band whose list window opens next ("160" ... "MARS").
    QString SelectedBand;
    std::unique_ptr<ui::HelpBrowser> helpBrowser;
    /// Opens the CAT port setup dialog modally, the main window disabled;
    /// re-opens the CAT port when the dialog applied new settings.
    void openCatSetup();
    /// Opens the channel manager modally, the main window disabled.
    void openChannelSetup();
    /// Opens the station software links dialog modally.
    void openLinkSetup();
    /// Reads persist::StationLinks.txt (and --rigctld) and starts the links.
    void startStationLinks();
    /// Starts, moves or stops the network rig control server as
    /// stationLinks says; what it now does, as a line for the operator.
    QString applyStationLinks();
    /// --web: the browser panel on for this run, on this port (0: the
    /// file's port), whatever WebPanel.txt says.
    std::optional<int> webThisRun;
    persist::WebPanelSettings webPanelSettings;
    /// The front panel as a web page: a view of the panel beside the window.
    std::unique_ptr<web::WebPanelServer> webPanel;
    /// Reads WebPanel.txt (and --web) and starts the browser panel.
    void startWebPanel();
    /// Starts, moves or stops the browser panel as webPanelSettings says;
    /// what it now does, as a line for the operator.
    QString applyWebPanel();
    /// Hashes and keeps a new password for the browser panel; the line for
    /// the operator.
    QString setWebPassword(const QString& password);
    QString webPanelStatus = QStringLiteral("Web panel is off.");
    /// What the last applyStationLinks() said.
    QString stationLinksStatus = QStringLiteral("Network rig control is off.");
    /// Open a scanner modally with transmitting blocked while it is open;
    /// afterwards the frequency the scan left decides whether it comes back.
    void openScanBands();
    void openScanFreqs();
    /// True while the main loop serves a request or runs a step or set-up
    /// of its own: a press that arrives then runs inside that operation's
    /// pause and must not start an exchange of its own.
    bool operationRunning = false;
    /// A scan chosen from the menu while an operation ran; the main loop
    /// opens it as soon as that operation has ended.
    std::function<void()> scanWanted;

    /// Whether the close handler has run.
    bool ended() const { return m_ended; }

private:
    QString serveStationLinks();

    bool m_ended = false;
};

}  // namespace tq::app
