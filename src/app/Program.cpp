#include "app/Program.h"

#include <QApplication>
#include <QDir>
#include <array>
#include <utility>

#include "app/AppTitle.h"
#include "link/FailureReport.h"
#include "link/Pause.h"
#include "link/PortFailure.h"
#include "panel/AmateurBands.h"
#include "panel/PanelCaptions.h"
#include "panel/TransmitPermission.h"
#include "persist/IniFile.h"
#include "persist/WebPasswordFile.h"
#include "ui/about/HelpBrowser.h"
#include "ui/about/HelpPage.h"
#include "ui/about/frmHelp.h"
#include "ui/channels/frmChannelSetup.h"
#include "ui/lists/frmBandSelect.h"
#include "ui/lists/frmScanBands.h"
#include "ui/lists/frmScanFreqs.h"
#include "ui/main/ModalWindow.h"
#include "ui/setup/AudioSetupDialog.h"
#include "ui/setup/LinkSetupDialog.h"
#include "ui/setup/PortSetupDialog.h"
#include "web/PasswordHash.h"

namespace tq::app {

Program::Program(link::Clock& clock_, link::SerialPort& radioPort_, link::SerialPort& catPort_,
                 link::Clock& stationClock, PortProbe portExists_, ui::Prompts& prompts_,
                 EndProgram endProgram_)
    : clock(clock_),
      radioPort(radioPort_),
      catPort(catPort_),
      portExists(std::move(portExists_)),
      prompts(prompts_),
      endProgram(std::move(endProgram_)),
      audio(persist::PersistedAudioSettings::defaults()) {
    panel = std::make_unique<panel::Panel>(radioPort, clock, state, flags, linkFlags,
                                           audio.DigitalSource, audio.DigitalVox);
    window = std::make_unique<ui::frmTQ5820>(panel->model(), *panel);
    radioPortControl =
        std::make_unique<link::RadioPort>(radioPort, clock, panel->display(), portSetup, linkFlags);
    // A click that arrives while an operation pauses must not start a second
    // exchange in the middle of the first.
    panel->setServedOperationCheck([this] { return operationRunning; });
    panel->setStationGateway(gateway);
    panel->setBeep(&QApplication::beep);
    stationService = std::make_unique<StationService>(*this, gateway);
    catPanel = std::make_unique<CatWindowPanel>(panel->model());
    stationSoftware = std::make_unique<StationSoftware>(catPort, stationClock, gateway, *catPanel);

    webPanel = std::make_unique<web::WebPanelServer>(panel->model(), *panel, clock);
    radioWatch = std::make_unique<link::DeviceWatch>(radioPort, [this] {
        radioPortControl->SetUpRadioPort();
        // The program let go of the transmitter when the port went, but a
        // radio last sent "K" holds it by itself for a while: it hears "U"
        // first, before anything that follows could retune it still keyed.
        if (radioPort.isOpen()) {
            radioLink().gSendSync(protocol::SyncCharacter::U);
        }
    });
    QObject::connect(radioWatch.get(), &link::DeviceWatch::reopenFailed,
                     [this](int number, const QString& description) {
                         link::reportFailure(panel->display(), QStringLiteral("SetUpRadioPort"),
                                             link::PortFailure(number, description));
                     });
    radioPort.setEventHandler([this](int) { radioPortControl->MSComm1_OnComm(); });
    QObject::connect(window.get(), &ui::frmTQ5820::queryUnload, [this] { Form_QueryUnload(); });
    // Menu entries act at once, in the click handler.
    static constexpr std::array<std::pair<ui::MenuEntry, void (Program::*)()>, 10> kMenuEntries{{
        {ui::MenuEntry::FileExit, &Program::Form_QueryUnload},
        {ui::MenuEntry::ScanBands, &Program::openScanBands},
        {ui::MenuEntry::ScanFreqs, &Program::openScanFreqs},
        {ui::MenuEntry::PortSetup, &Program::openPortSetup},
        {ui::MenuEntry::AudioSetup, &Program::openAudioSetup},
        {ui::MenuEntry::CatSetup, &Program::openCatSetup},
        {ui::MenuEntry::ChannelSetup, &Program::openChannelSetup},
        {ui::MenuEntry::LinkSetup, &Program::openLinkSetup},
        {ui::MenuEntry::HelpAbout, &Program::openAbout},
        {ui::MenuEntry::HelpTQ5820, &Program::openHelp},
    }};
    QObject::connect(window.get(), &ui::frmTQ5820::menuTriggered, [this](ui::MenuEntry chosen) {
        for (const auto& [entry, open] : kMenuEntries) {
            if (entry == chosen) {
                (this->*open)();
            }
        }
    });
}

Program::~Program() {
    radioPort.setEventHandler({});
}

void Program::Form_QueryUnload() {
    if (m_ended) {
        return;  // a second close while the first one pauses
    }
    m_ended = true;
    // Station software and pages let go of the transmitter before the
    // window state is saved and the radio is left.
    webPanel->stop();
    stationSoftware->shutDown();

    const panel::PanelModel& shown = model();
    persist::PersistedState remembered;
    remembered.left = window->x() * persist::kTwipsPerPixel;
    remembered.top = window->y() * persist::kTwipsPerPixel;
    remembered.vfoBDigits = shown.vfoB();
    remembered.vfoBMode = panel::caption(shown.vfoBMode());
    remembered.splitCaption = panel::caption(shown.split());
    remembered.stepSize = panel::caption(shown.stepSize());
    const int exitStatus = shutdownSave.run([&] { return persist::saveIniFile(remembered); },
                                            persist::kIniFileName, window.get(), panel->display());

    if (radioPort.isOpen()) {
        try {
            // Full RF gain, so the radio is left usable from its own panel.
            radioLink().writeDirect(QStringLiteral("G00\n"));
            link::Pause(clock, 0.3);
            if (radioPort.isOpen() && radioPort.bytesToRead() > 0) {
                radioPort.readAll();
            }
        } catch (const link::PortFailure&) {
            // The radio is gone; closing is all that is left to do.
        }
        radioPort.close();
    }
    endProgram(exitStatus);
}

void Program::openAudioSetup() {
    ui::AudioSetupDialog dialog(audio, state, flags, panel->display());
    ui::runModalWindow(dialog, model(), clock);
}

void Program::openPortSetup() {
    ui::PortSetupDialog dialog(
        ui::PortSetupForm::radioPort(), ui::PortSetupTarget::radioPort(portSetup), radioPort,
        ui::PortSetupProbes::onThisMachine(portExists, serialDevices), flags, panel->display());
    ui::runModalWindow(dialog, model(), clock);
}

void Program::bandOperation(const panel::BandButton& button) {
    model().panelEnabled.set(false);
    SelectedBand = QString::fromLatin1(button.band);
    ui::frmBandSelect list(SelectedBand, panel->context(), window->place());
    ui::runModalWindow(list, model(), clock, list.syncTimer());
    panel->requests().clear(button.request);
}

void Program::openAbout() {
    ui::frmHelp about(AppTitle, QDir::currentPath());
    about.adjustSize();
    about.move(window->frameGeometry().center() - about.rect().center());
    ui::runModalWindow(about, model(), clock);
}

void Program::openHelp() {
    if (!helpBrowser) {
        helpBrowser = std::make_unique<ui::HelpBrowser>(
            ui::helpPageLocation(QCoreApplication::applicationDirPath()));
    }
    helpBrowser->show();
    helpBrowser->raise();
    helpBrowser->activateWindow();
}

void Program::openCatSetup() {
    {
        ui::PortSetupDialog dialog(
            ui::PortSetupForm::catPort(),
            ui::PortSetupTarget::catPort(catSetup.CatPortNumber, catSetup.CatPortSettings,
                                         catSetup.CatPortHandshake),
            catPort, ui::PortSetupProbes::onThisMachine(portExists, serialDevices), flags,
            panel->display());
        ui::runModalWindow(dialog, model(), clock);
    }
    if (!flags.CatPortChanged) {
        return;
    }
    // The program goes on without CAT when the port does not open; a device
    // that is not there yet is waited for.
    if (const auto failure = stationSoftware->configureCat(catSetup)) {
        link::reportFailure(panel->display(), QStringLiteral("ConfigureCatPort"), *failure);
    }
    flags.CatPortChanged = false;
}

void Program::openChannelSetup() {
    ui::frmChannelSetup channels(radioLink(), prompts, panel->display());
    ui::runModalWindow(channels, model(), clock);
}

void Program::openLinkSetup() {
    ui::LinkSetupDialog dialog(
        stationLinks, [this] { return applyStationLinks(); }, panel->display(), stationLinksStatus);
    dialog.addWebPanel(
        webPanelSettings, persist::loadWebPasswordHash().has_value(),
        [this] { return applyWebPanel(); },
        [this](const QString& password) { return setWebPassword(password); }, webPanelStatus);
    ui::runModalWindow(dialog, model(), clock);
}

void Program::startWebPanel() {
    webPanelSettings = persist::loadWebPanelSettings();
    if (webThisRun) {
        webPanelSettings.enabled = true;
        if (*webThisRun > 0) {
            webPanelSettings.port = *webThisRun;
        }
    }
    applyWebPanel();
}

QString Program::applyWebPanel() {
    if (!webPanelSettings.enabled) {
        webPanel->stop();
        webPanelStatus = QStringLiteral("Web panel is off.");
        return webPanelStatus;
    }
    web::WebPanelOptions options;
    options.address = webPanelSettings.address;
    options.port = static_cast<quint16>(webPanelSettings.port);
    options.certificateFile = webPanelSettings.certificateFile;
    options.keyFile = webPanelSettings.keyFile;
    options.passwordHash = persist::loadWebPasswordHash();
    if (const auto failure = webPanel->start(options)) {
        webPanel->stop();
        webPanelStatus = QStringLiteral("Web panel cannot listen on %1:%2: %3")
                             .arg(webPanelSettings.address)
                             .arg(webPanelSettings.port)
                             .arg(*failure);
        panel->display().ShowErrorInfo(webPanelStatus);
        return webPanelStatus;
    }
    webPanelStatus = QStringLiteral("Web panel on ") + webPanel->address();
    if (announce) {
        announce(QStringLiteral("Web panel: ") + webPanel->accessAddress());
    }
    return webPanelStatus;
}

QString Program::setWebPassword(const QString& password) {
    const QString hash = web::PasswordHash::make(password);
    if (const auto failure = persist::saveWebPasswordHash(hash)) {
        return failure->report(persist::kWebPasswordFileName);
    }
    webPanel->setPasswordHash(hash);
    return QStringLiteral("Password set.");
}

void Program::startStationLinks() {
    stationLinks = persist::loadStationLinks(panel->display());
    if (rigctldThisRun) {
        stationLinks.networkEnabled = true;
        if (*rigctldThisRun > 0) {
            stationLinks.networkPort = *rigctldThisRun;
        }
    }
    applyStationLinks();
}

QString Program::applyStationLinks() {
    stationSoftware->setExtendedCat(stationLinks.extendedCat);
    stationLinksStatus = serveStationLinks();
    return stationLinksStatus;
}

QString Program::serveStationLinks() {
    const QString where =
        QStringLiteral("%1:%2").arg(stationLinks.networkAddress).arg(stationLinks.networkPort);
    if (!stationLinks.networkEnabled) {
        stationSoftware->stopNetwork();
        return QStringLiteral("Network rig control is off.");
    }
    const auto address = rigctl::RigctlServer::listenAddress(stationLinks.networkAddress);
    QString failure;
    if (!address) {
        failure = QStringLiteral("\"%1\" is not an IP address").arg(stationLinks.networkAddress);
    } else if (stationSoftware->isListeningOn(*address,
                                              static_cast<quint16>(stationLinks.networkPort))) {
        return QStringLiteral("Network rig control listening on ") + where;  // clients stay
    } else if (const auto error = stationSoftware->listen(
                   *address, static_cast<quint16>(stationLinks.networkPort))) {
        failure = *error;
    }
    if (!failure.isEmpty()) {
        stationSoftware->stopNetwork();
        const QString text =
            QStringLiteral("Network rig control cannot listen on %1: %2").arg(where, failure);
        panel->display().ShowErrorInfo(text);
        return text;
    }
    const QString text = QStringLiteral("Network rig control listening on ") + where;
    if (announce) {
        announce(text);
    }
    return text;
}

namespace {

/// Applies the band limits, reporting a radio that went away meanwhile.
void applyScanLimits(panel::StatusDisplay& display, bool inBand) {
    try {
        display.ApplyBandLimits(inBand);
    } catch (const link::PortFailure& failure) {
        link::reportFailure(display, QStringLiteral("ApplyBandLimits"), failure);
    }
}

constexpr double kScanIdleTick = 0.5;

}  // namespace

namespace {

/// Runs a scan window with transmitting blocked while it is open; afterwards
/// the frequency the scan left the radio on decides whether transmitting
/// comes back. The two scanners differ only in whether the main window is
/// disabled before or after the scan is marked active.
template <typename ScanWindow>
void runScan(Program& program, bool disableFirst) {
    // A scan retunes the radio, and a latch or tune holding the transmitter
    // would key it again wherever the scan left it.
    if (!panel::frequencyMayMove(program.radioLink())) {
        return;
    }
    // A menu acts at once, inside whatever the main loop is doing: an
    // operation pausing between its check and its keying must not have the
    // radio retuned meanwhile, so the scan waits for it to end.
    if (program.operationRunning) {
        program.scanWanted = [&program, disableFirst] {
            runScan<ScanWindow>(program, disableFirst);
        };
        return;
    }
    panel::PanelModel& model = program.model();
    panel::StatusDisplay& display = program.panel->display();
    if (disableFirst) {
        model.panelEnabled.set(false);
    }
    program.flags.ScanActive = true;
    applyScanLimits(display, false);
    model.panelEnabled.set(false);
    {
        ScanWindow scan(program.panel->context(), program.window->place());
        ui::runModalWindow(scan, model, program.clock,
                           {kScanIdleTick, [&scan] { scan.idleTick(); }});
    }
    program.flags.ScanActive = false;
    // A frequency that is no number (no reply yet) is not a band to send on.
    applyScanLimits(display,
                    panel::InAmateurBand(program.state.FreqReply, program.flags.OutOfBandAllowed)
                        .value_or(false));
}

}  // namespace

void Program::openScanBands() {
    runScan<ui::frmScanBands>(*this, false);
}

void Program::openScanFreqs() {
    runScan<ui::frmScanFreqs>(*this, true);
}

}  // namespace tq::app
