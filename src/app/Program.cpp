#include "app/Program.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <array>
#include <utility>

#include "app/AppTitle.h"
#include "link/Pause.h"
#include "link/PortFailure.h"
#include "panel/AmateurBands.h"
#include "persist/IniFile.h"
#include "ui/about/HelpBrowser.h"
#include "ui/about/HelpPage.h"
#include "ui/about/frmHelp.h"
#include "ui/channels/frmChannelSetup.h"
#include "ui/lists/frmBandSelect.h"
#include "ui/lists/frmScanBands.h"
#include "ui/lists/frmScanFreqs.h"
#include "ui/main/ModalWindow.h"
#include "ui/main/StatusDisplay.h"
#include "ui/main/StepButton.h"
#include "ui/setup/AudioSetupDialog.h"
#include "ui/setup/LinkSetupDialog.h"
#include "ui/setup/PortSetupDialog.h"

namespace tq::app {

Program::Program(link::Clock& clock_, link::SerialPort& radioPort_, link::SerialPort& catPort_,
                 PortProbe portExists_, ui::Prompts& prompts_, EndProgram endProgram_)
    : clock(clock_),
      radioPort(radioPort_),
      catPort(catPort_),
      portExists(std::move(portExists_)),
      prompts(prompts_),
      endProgram(std::move(endProgram_)),
      audio(persist::PersistedAudioSettings::defaults()) {
    window = std::make_unique<ui::frmTQ5820>(state, flags);
    link = std::make_unique<protocol::RadioLink>(radioPort, clock, *window, state);
    commands = std::make_unique<protocol::RadioCommands>(*link);
    window->attachLink(*link, *commands);
    radioPortControl =
        std::make_unique<link::RadioPort>(radioPort, clock, *window, portSetup, linkFlags);
    catPanel = std::make_unique<CatWindowPanel>(*window);
    catBridge = std::make_unique<cat::CatBridge>(catPort, clock, *catPanel, state, *commands, flags,
                                                 catSetup);
    receiver = std::make_unique<ui::ReceiverControls>(*window, *link, *commands,
                                                      audio.DigitalSource, audio.DigitalVox);
    transmit = std::make_unique<ui::TransmitControls>(*window, *link, linkFlags);
    vfo = std::make_unique<ui::VfoControls>(*window, *link, *receiver, *transmit);
    // A click that arrives while an operation pauses must not start a second
    // exchange in the middle of the first.
    transmit->setServedOperationCheck([this] { return operationRunning; });
    memory = std::make_unique<ui::MemoryControls>(*window, *link, *commands);
    amplifier = std::make_unique<ui::AmplifierControls>(*window, *link);
    rigctlServer = std::make_unique<rigctl::RigctlServer>(flags.RigctlCommandPending);
    rigAccess = std::make_unique<PanelRigAccess>(*this);
    catRig = std::make_unique<PanelCatRig>(*this);
    catBridge->attachRig(*catRig);
    keyPreview = std::make_unique<ui::KeyPreview>(
        *window, [this](const QKeyEvent& key) { return vfo->Form_KeyDown(key.key()); });

    radioPort.setEventHandler([this](int) { radioPortControl->MSComm1_OnComm(); });
    catPort.setEventHandler([this](int) { catBridge->MSComm2_OnComm(); });
    QObject::connect(window.get(), &ui::frmTQ5820::queryUnload, [this] { Form_QueryUnload(); });
    QObject::connect(window.get(), &ui::frmTQ5820::vfoADigitDown,
                     [this](int index, int button) { vfo->cmdF_MouseDown(index, button); });
    QObject::connect(window.get(), &ui::frmTQ5820::vfoADigitUp,
                     [this](int index, int button) { vfo->cmdF_MouseUp(index, button); });
    QObject::connect(window.get(), &ui::frmTQ5820::vfoBDigitDown,
                     [this](int index, int button) { vfo->cmdVFOB_MouseDown(index, button); });
    QObject::connect(window.get(), &ui::frmTQ5820::vfoBDigitUp,
                     [this](int index, int button) { vfo->cmdVFOB_MouseUp(index, button); });
    QObject::connect(window.get(), &ui::frmTQ5820::pttDown,
                     [this](int button) { transmit->cmdPTT_MouseDown(button, 0, 0, 0); });
    QObject::connect(window.get(), &ui::frmTQ5820::pttUp,
                     [this](int button) { transmit->cmdPTT_MouseUp(button, 0, 0, 0); });
    QObject::connect(window.get(), &ui::frmTQ5820::channelDigitDown,
                     [this](int index, int button) { memory->channelDigitDown(index, button); });
    QObject::connect(window.get(), &ui::frmTQ5820::channelDigitUp,
                     [this](int index, int button) { memory->channelDigitUp(index, button); });
    // Menu entries act at once, in the click handler.
    const std::array<std::pair<QAction*, void (Program::*)()>, 10> menuEntries{{
        {window->mnuFileExit, &Program::Form_QueryUnload},
        {window->mnuScanBands, &Program::openScanBands},
        {window->mnuScanFreqs, &Program::openScanFreqs},
        {window->mnuPortSetup, &Program::openPortSetup},
        {window->mnuAudioSetup, &Program::openAudioSetup},
        {window->mnuCATSetup, &Program::openCatSetup},
        {window->mnuChannelSetup, &Program::openChannelSetup},
        {window->mnuLinkSetup, &Program::openLinkSetup},
        {window->mnuHelpAbout, &Program::openAbout},
        {window->mnuHelpTQ5820, &Program::openHelp},
    }};
    for (const auto& entry : menuEntries) {
        const auto open = entry.second;
        QObject::connect(entry.first, &QAction::triggered, [this, open] { (this->*open)(); });
    }
}

Program::~Program() {
    radioPort.setEventHandler({});
    catPort.setEventHandler({});
}

void Program::Form_QueryUnload() {
    if (m_ended) {
        return;  // a second close while the first one pauses
    }
    m_ended = true;
    rigctlServer->stop();

    persist::PersistedState remembered;
    remembered.left = window->x() * persist::kTwipsPerPixel;
    remembered.top = window->y() * persist::kTwipsPerPixel;
    QString digits;
    for (const ui::StepButton* digit : window->cmdVFOB) {
        digits += digit->text();
    }
    remembered.vfoBDigits = digits;
    remembered.vfoBMode = window->cmbVFOBMode->currentText();
    remembered.splitCaption = window->lblSplit->text();
    remembered.stepSize = window->cmbStepSize->currentText();
    if (const auto failure = persist::saveIniFile(remembered)) {
        window->showErrorInfo(failure->report(persist::kIniFileName));
    }

    if (radioPort.isOpen()) {
        try {
            // Full RF gain, so the radio is left usable from its own panel.
            link->writeDirect(QStringLiteral("G00\n"));
            link::Pause(clock, 0.3);
            if (radioPort.isOpen() && radioPort.bytesToRead() > 0) {
                radioPort.readAll();
            }
        } catch (const link::PortFailure&) {
            // The radio is gone; closing is all that is left to do.
        }
        radioPort.close();
    }
    catPort.close();
    endProgram();
}

void Program::openAudioSetup() {
    ui::AudioSetupDialog dialog(audio, state, flags, *window);
    ui::runModalWindow(dialog, *window, clock);
}

void Program::openPortSetup() {
    ui::PortSetupDialog dialog(
        ui::PortSetupForm::radioPort(), ui::PortSetupTarget::radioPort(portSetup), radioPort,
        ui::PortSetupProbes::onThisMachine(portExists, serialDevices), flags, *window);
    ui::runModalWindow(dialog, *window, clock);
}

void Program::bandOperation(const panel::BandButton& button) {
    window->setEnabled(false);
    SelectedBand = QString::fromLatin1(button.band);
    ui::frmBandSelect list(SelectedBand, *window, *link, *commands);
    ui::runModalWindow(list, *window, clock, list.syncTimer());
    window->requests().clear(button.request);
}

void Program::openAbout() {
    ui::frmHelp about(AppTitle, QDir::currentPath());
    about.adjustSize();
    about.move(window->frameGeometry().center() - about.rect().center());
    ui::runModalWindow(about, *window, clock);
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
            catPort, ui::PortSetupProbes::onThisMachine(portExists, serialDevices), flags, *window);
        ui::runModalWindow(dialog, *window, clock);
    }
    if (!flags.CatPortChanged) {
        return;
    }
    try {
        catBridge->ConfigureCatPort();
    } catch (const link::PortFailure& failure) {
        // Runs from a menu, outside the main loop's own failure handling:
        // the failure is shown and the program goes on without CAT.
        window->showErrorInfo(QStringLiteral("ConfigureCatPort: Err %1. %2")
                                  .arg(failure.number())
                                  .arg(failure.description()));
    }
    flags.CatPortChanged = false;
}

void Program::openChannelSetup() {
    ui::frmChannelSetup channels(*link, prompts, *window);
    ui::runModalWindow(channels, *window, clock);
}

void Program::openLinkSetup() {
    ui::LinkSetupDialog dialog(
        stationLinks, [this] { return applyStationLinks(); }, *window, stationLinksStatus);
    ui::runModalWindow(dialog, *window, clock);
}

void Program::startStationLinks() {
    stationLinks = persist::loadStationLinks();
    if (rigctldThisRun) {
        stationLinks.networkEnabled = true;
        if (*rigctldThisRun > 0) {
            stationLinks.networkPort = *rigctldThisRun;
        }
    }
    applyStationLinks();
}

QString Program::applyStationLinks() {
    stationLinksStatus = serveStationLinks();
    return stationLinksStatus;
}

QString Program::serveStationLinks() {
    const QString where =
        QStringLiteral("%1:%2").arg(stationLinks.networkAddress).arg(stationLinks.networkPort);
    if (!stationLinks.networkEnabled) {
        rigctlServer->stop();
        return QStringLiteral("Network rig control is off.");
    }
    const auto address = rigctl::RigctlServer::listenAddress(stationLinks.networkAddress);
    QString failure;
    if (!address) {
        failure = QStringLiteral("\"%1\" is not an IP address").arg(stationLinks.networkAddress);
    } else if (rigctlServer->isListening() && rigctlServer->serverAddress() == *address &&
               rigctlServer->serverPort() == stationLinks.networkPort) {
        return QStringLiteral("Network rig control listening on ") + where;  // clients stay
    } else if (const auto error =
                   rigctlServer->listen(*address, static_cast<quint16>(stationLinks.networkPort))) {
        failure = *error;
    }
    if (!failure.isEmpty()) {
        rigctlServer->stop();
        const QString text =
            QStringLiteral("Network rig control cannot listen on %1: %2").arg(where, failure);
        window->showErrorInfo(text);
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
void applyScanLimits(ui::frmTQ5820& window, bool inBand) {
    try {
        window.display().ApplyBandLimits(inBand);
    } catch (const link::PortFailure& failure) {
        window.showErrorInfo(QStringLiteral("ApplyBandLimits: Err %1. %2")
                                 .arg(failure.number())
                                 .arg(failure.description()));
    }
}

constexpr double kScanIdleTick = 0.5;

}  // namespace

namespace {

/// Runs a scan window with transmitting blocked while it is open; afterwards
/// the frequency the scan left the radio on decides whether transmitting
/// comes back. The two scanners differ only in whether the main window is
/// disabled before or after the scan is marked active.
template <typename ScanWindow, typename... Links>
void runScan(Program& program, bool disableFirst, Links&... links) {
    if (disableFirst) {
        program.window->setEnabled(false);
    }
    program.flags.ScanActive = true;
    applyScanLimits(*program.window, false);
    program.window->setEnabled(false);
    {
        ScanWindow scan(*program.window, links...);
        ui::runModalWindow(scan, *program.window, program.clock,
                           {kScanIdleTick, [&scan] { scan.idleTick(); }});
    }
    program.flags.ScanActive = false;
    // A frequency that is no number (no reply yet) is not a band to send on.
    applyScanLimits(*program.window,
                    panel::InAmateurBand(program.state.FreqReply, program.flags.OutOfBandAllowed)
                        .value_or(false));
}

}  // namespace

void Program::openScanBands() {
    runScan<ui::frmScanBands>(*this, false, *link);
}

void Program::openScanFreqs() {
    runScan<ui::frmScanFreqs>(*this, true, *link, *commands);
}

}  // namespace tq::app
