#include "app/FormLoad.h"

#include <utility>

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>

#include <algorithm>

#include "app/AppTitle.h"
#include "link/FailureReport.h"
#include "link/FileExists.h"
#include "link/IntegerValue.h"
#include "link/Pause.h"
#include "link/PortFailure.h"
#include "link/PortMap.h"
#include "panel/DisplayFailure.h"
#include "panel/PanelCaptions.h"
#include "persist/IniFile.h"
#include "persist/PersistedFile.h"
#include "persist/PortSetupFile.h"

namespace tq::app {

using panel::Control;
using panel::ControlMode;
using panel::ExtPtt;
using panel::PanelRequest;

FormLoad::FormLoad(Program& program)
    : m_program(program), m_setUps(program), m_table(program.panel->requests(), program.flags) {
    buildRequestTable();
}

bool FormLoad::stopping() const {
    return m_program.ended() || (stopWhen && stopWhen());
}

void FormLoad::run() {
    if (!m_started) {
        m_started = true;
        startUp();
    }
    while (m_stage != Stage::Ended && !stopping()) {
        m_stage = runStage(m_stage);
    }
}

Stage FormLoad::runStage(Stage stage) {
    // Every stage but the main loop itself talks to the radio from start to
    // end; the main loop marks its own served requests.
    m_program.operationRunning = stage != Stage::MainLoop;
    try {
        return enterStage(stage);
    } catch (const link::PortFailure& failure) {
        return afterFailure(stage, QStringLiteral("Main loop"), failure.number(),
                            failure.description());
    } catch (const panel::DisplayFailure& failure) {
        return afterFailure(stage, QStringLiteral("Main loop"), failure.number(),
                            failure.description());
    }
}

Stage FormLoad::enterStage(Stage stage) {
    switch (stage) {
        case Stage::PortStep:
            return portStep();
        case Stage::PortLost:
            return portLostStep();
        case Stage::LinkStep:
            return linkStep();
        case Stage::RemoteSetUp:
            return m_setUps.remoteSetUp(stopWhen);
        case Stage::RemotePanelStep:
            return m_setUps.remotePanelStep(stopWhen);
        case Stage::LocalSetUp:
            return m_setUps.localSetUp(stopWhen);
        case Stage::MainLoopSetUp:
            return mainLoopSetUp();
        case Stage::MainLoop:
            return mainLoopPass();
        case Stage::Ended:
            break;
    }
    return Stage::Ended;
}

Stage FormLoad::afterFailure(Stage stage, const QString& where, int number,
                             const QString& description) {
    // A port that went away waits for its device; nothing else is tried
    // until it is back.
    if (radioPortLost()) {
        return Stage::PortLost;
    }
    link::reportFailure(m_program.panel->display(), where, link::PortFailure(number, description));
    // A failure inside the loop starts it again from its set-up, the panel
    // and the radio state kept; a set-up cut short starts from the link.
    return stage == Stage::MainLoop ? Stage::MainLoopSetUp : Stage::LinkStep;
}

bool FormLoad::radioPortLost() const {
    return m_program.linkFlags.PortLost || !m_program.radioPort.isOpen();
}

double FormLoad::secondsUntilDue() {
    const panel::PanelModel& model = m_program.model();
    double wait = kLongestIdleWait;
    if (model.controlMode() == ControlMode::Remote) {
        const protocol::RadioLink& radio = m_program.radioLink();
        double since = m_program.clock.now() - radio.SyncTime;
        if (since < 0) {
            since += link::Clock::kSecondsPerDay;  // past midnight
        }
        // The sync label blanks a second after a sync character went out,
        // and the next one is due after two.
        const double due = since < protocol::RadioLink::kSyncBlinkTime
                               ? protocol::RadioLink::kSyncBlinkTime - since
                               : protocol::RadioLink::kSyncRepeatInterval - since;
        wait = std::min(wait, due + kDueMargin);
        if (model.ampTuneActive()) {
            const double left = kAmpTuneTimeout - (m_program.clock.now() - model.ampTuneStarted());
            wait = std::min(wait, left + kDueMargin);
        }
        // The external PTT line is watched only while it is in use.
        if (m_program.portSetup.ExtPttEnabled) {
            wait = std::min(wait, kExtPttPoll);
        }
    }
    return std::max(wait, kDueMargin);
}

void FormLoad::handleEvents(bool idle) {
    m_program.clock.waitForEvents(idle ? secondsUntilDue() : 0);
}

int FormLoad::bytesWaiting() {
    try {
        return m_program.radioPort.isOpen() ? m_program.radioPort.bytesToRead() : 0;
    } catch (const link::PortFailure&) {
        return 0;
    }
}

void FormLoad::applyIniFile() {
    ui::frmTQ5820& window = *m_program.window;
    panel::PanelModel& model = m_program.model();
    const auto remembered = persist::loadIniFile(m_program.panel->display());
    if (!remembered) {
        return;
    }
    window.move(static_cast<int>(remembered->left / persist::kTwipsPerPixel),
                static_cast<int>(remembered->top / persist::kTwipsPerPixel));
    if (remembered->vfoBDigits) {
        model.vfoB.set(*remembered->vfoBDigits);
    }
    // The boxes take only one of their items; the split line shows as read.
    if (const auto mode = panel::fromCaption<panel::Mode>(remembered->vfoBMode)) {
        model.vfoBMode.set(*mode);
    }
    model.split.set(
        panel::fromCaption<panel::Split>(remembered->splitCaption).value_or(panel::Split::Blank));
    if (const auto step = panel::fromCaption<panel::StepSize>(remembered->stepSize)) {
        model.stepSize.set(*step);
    }
}

void FormLoad::readCatSetup() {
    panel::PanelModel& model = m_program.model();
    const QString& name = persist::kCatSetupFileName;
    model.info.set(QStringLiteral("Opening ") + QCoreApplication::applicationDirPath() + name +
                   QStringLiteral(" File.. "));
    if (!link::fileExists(name, m_program.panel->display())) {
        return;  // no CAT port; the information box keeps the report
    }
    model.info.set(name + QStringLiteral(" Opened"));
    const persist::PortSetupFile saved =
        persist::parsePortSetup(persist::readPersistedFile(name).value_or(QString()));
    cat::CatPortSetup& setup = m_program.catSetup;
    setup.CatPortNumber = saved.portNumber;
    setup.CatPortSettings = saved.settings;
    setup.CatPortHandshake = saved.handshake;
    setup.CatRigType = saved.fourth;
    const auto typedPath = link::PortMap::typedDevicePath(setup.CatPortNumber);
    if (typedPath ? QFileInfo::exists(*typedPath)
                  : m_program.portExists(link::integerValue(setup.CatPortNumber))) {
        if (const auto failure = m_program.stationSoftware->configureCat(setup)) {
            throw *failure;
        }
    } else {
        model.catInput.set(QStringLiteral("No CAT Port"));
        model.catOutput.set(QStringLiteral("No CAT Port"));
    }
}

void FormLoad::readPortSetup() {
    panel::PanelModel& model = m_program.model();
    const QString name = QStringLiteral("PortSetup.txt");
    model.setVisible(Control::txtInfo, true);
    model.info.set(QStringLiteral("Opening ") + QCoreApplication::applicationDirPath() + name +
                   QStringLiteral(" File.. "));
    if (link::fileExists(name, m_program.panel->display())) {
        model.info.set(name + QStringLiteral(" File Opened"));
        const persist::PortSetupFile saved =
            persist::parsePortSetup(persist::readPersistedFile(name).value_or(QString()));
        m_program.portSetup.RadioPortNumber = saved.portNumber;
        m_program.portSetup.RadioPortSettings = saved.settings;
        m_program.portSetup.RadioPortHandshake = saved.handshake;
        m_program.ExtPttSetting = saved.fourth;
        m_program.portSetup.ExtPttEnabled = m_program.ExtPttSetting == u"1";
        model.info.set(QString());
    } else {
        // Without saved settings the operator chooses a port first.
        m_program.portSetup.ExtPttEnabled = false;
        m_program.openPortSetup();
    }
}

void FormLoad::placeWindow() {
    ui::frmTQ5820& window = *m_program.window;
    const QRect screen = QGuiApplication::primaryScreen() != nullptr
                             ? QGuiApplication::primaryScreen()->availableGeometry()
                             : QRect(0, 0, 1280, 800);
    const QSize size = window.sizeHint().boundedTo(screen.size());
    window.resize(size);
    window.move(screen.x() + (screen.width() - size.width()) / 2,
                screen.y() + (screen.height() - size.height()) / 3);
}

void FormLoad::showPanelBeforeContact() {
    panel::PanelModel& model = m_program.model();
    model.syncLabel.set(QString());
    model.setEnabled(Control::lblXMTRCV, false);
    model.transmitting.set(false);
    model.setEnabled(Control::cmdF, true);
    model.setEnabled(Control::cmdM, true);
    m_program.panel->receiver().BfoOn = false;
    m_program.panel->receiver().BfoCode = QStringLiteral("100");
    model.bfoSign.set(panel::BfoSign::Blank);
    model.bfoLabel.set(false);
    model.remoteIndicatorColour.set(panel::Colour::Red);
    model.remoteIndicator.set(panel::RemoteIndicator::NoComm);
    model.comStatus.set(QStringLiteral("No Com"));
    model.setVisible(Control::shaTrace, false);
}

void FormLoad::showAmplifierBeforeContact() {
    panel::PanelModel& model = m_program.model();
    model.ampPower.set(panel::AmpPower::Blank);
    model.ampOperate.set(panel::AmpOperate::Blank);
    model.ampTune.set(panel::AmpTune::Blank);
    for (Control control : {Control::cmdAmpPwr, Control::cmdAmpOpr, Control::cmdTuneAmp}) {
        model.setEnabled(control, false);
    }
    model.setVisible(Control::txtInData, true);
    model.setVisible(Control::txtInfo, true);
}

void FormLoad::startUp() {
    panel::PanelModel& model = m_program.model();
    placeWindow();
    applyIniFile();
    m_program.window->setWindowTitle(AppTitle);
    model.infoLine.set(QString());
    model.setVisible(Control::txtInData, false);
    model.setVisible(Control::lblU, false);

    // From here on a failing step is skipped and start-up goes on; a
    // failure is shown, never swallowed.
    const auto step = [this](const char* name, void (FormLoad::*action)()) {
        try {
            (this->*action)();
        } catch (const link::PortFailure& failure) {
            link::reportFailure(m_program.panel->display(), QString::fromLatin1(name), failure);
        } catch (const std::exception& failure) {
            m_program.panel->display().ShowErrorInfo(QString::fromLatin1(name) +
                                                     QStringLiteral(": ") +
                                                     QString::fromLocal8Bit(failure.what()));
        }
    };
    link::Pause(m_program.clock, 0.5);
    step("Form_Load", &FormLoad::showPanelBeforeContact);
    m_program.window->show();
    step("Form_Load", &FormLoad::showAmplifierBeforeContact);
    step("CATSetup.txt", &FormLoad::readCatSetup);
    step("StationLinks.txt", &FormLoad::startStationLinks);
    step("WebPanel.txt", &FormLoad::startWebPanel);
    step("PortSetup.txt", &FormLoad::readPortSetup);
}

void FormLoad::startStationLinks() {
    m_program.startStationLinks();
}

void FormLoad::startWebPanel() {
    m_program.startWebPanel();
}

Stage FormLoad::portStep() {
    panel::PanelModel& model = m_program.model();
    for (;;) {
        const int number = link::integerValue(m_program.portSetup.RadioPortNumber);
        if (m_program.radioPort.portNumber() == number || m_program.portExists(number)) {
            try {
                if (m_program.radioPortControl->SetUpRadioPort()) {
                    model.comStatus.set(QStringLiteral("COM") +
                                        m_program.portSetup.RadioPortNumber);
                    model.info.set(QStringLiteral("Querying radio status"));
                }
            } catch (const link::PortFailure& failure) {
                // Start-up goes on; the link step's queries then fail quietly
                // until the operator applies other settings.
                link::reportFailure(m_program.panel->display(), QStringLiteral("SetUpRadioPort"),
                                    failure);
            }
            m_program.flags.RadioPortChanged = false;
            return Stage::LinkStep;
        }
        m_program.panel->display().ShowErrorInfo(
            QStringLiteral("Port is not available. Use Setup menu or Exit."));
        model.comStatus.set(QStringLiteral("No Port"));
        model.remoteIndicator.set(panel::RemoteIndicator::Blank);
        m_program.flags.RadioPortChanged = false;
        while (!m_program.flags.RadioPortChanged) {
            if (stopping()) {
                return Stage::PortStep;
            }
            handleEvents(true);
        }
    }
}

void FormLoad::releaseTransmitter() {
    panel::PanelModel& model = m_program.model();
    // The radio unkeys itself once its keep-alive stops; the panel shows
    // it so and offers nothing to key until the link is back, and the first
    // sync character the radio then gets is "U". Nor does a request to key
    // made before the loss key the radio once the link is back.
    m_program.panel->transmit().withdrawRequests();
    m_program.gateway.withdrawTransmit();
    m_program.radioLink().SyncChar = protocol::SyncCharacter::U;
    m_program.state.RadioKeyed = false;
    model.xmitActive.set(false);
    model.tuning.set(false);
    model.ampTuneActive.set(false);
    model.transmitting.set(false);
    model.frequencyLock.set(false);
    for (Control control : {Control::cmdPTT, Control::cmdXmit, Control::cmdTune}) {
        model.setEnabled(control, false);
    }
}

Stage FormLoad::portLostStep() {
    link::SerialPort& port = m_program.radioPort;
    const QString device = port.deviceName();
    if (!m_program.linkFlags.PortLost) {
        // Found closed by a failing operation rather than by its own event.
        m_program.linkFlags.PortLost = true;
        m_program.model().comStatus.set(link::RadioPort::waitingCaption(device));
        m_program.panel->display().ShowErrorInfo(link::RadioPort::portLostInfo(device));
    }
    releaseTransmitter();
    m_program.stationService->publish();
    if (m_program.announce) {
        m_program.announce(link::RadioPort::portLostInfo(device));
    }
    link::DeviceWatch& watch = *m_program.radioWatch;
    watch.watch();
    // The watch's own timer looks for the device; the wait costs nothing.
    while (watch.isWatching()) {
        if (stopping()) {
            return Stage::PortLost;
        }
        if (m_program.flags.RadioPortChanged) {
            watch.stop();
            m_program.linkFlags.PortLost = false;
            return Stage::PortStep;  // the operator chose other settings
        }
        m_program.clock.waitForEvents(kPortLostWait);
    }
    m_program.linkFlags.PortLost = false;
    if (m_program.announce) {
        m_program.announce(QStringLiteral("Radio port back: ") + device);
    }
    m_program.model().comStatus.set(QStringLiteral("COM") + m_program.portSetup.RadioPortNumber);
    m_program.model().info.set(QStringLiteral("Querying radio status"));
    // The radio may have changed meanwhile: its status and control mode
    // are asked afresh and the panel set up for them.
    m_program.state.StatusComplete = false;
    m_program.SyncLossRestart = false;
    m_program.stationService->publish();
    return Stage::LinkStep;
}

Stage FormLoad::afterStatus() {
    m_program.panel->display().ShowRemote();
    m_program.model().remoteIndicatorColour.set(panel::Colour::White);
    if (m_program.state.RemoteReply == u"R1")
        return Stage::RemoteSetUp;
    if (m_program.state.RemoteReply == u"R0")
        return Stage::LocalSetUp;
    return Stage::MainLoopSetUp;
}

Stage FormLoad::linkStep() {
    protocol::RadioState& state = m_program.state;
    protocol::RadioLink& radio = m_program.radioLink();
    m_program.flags.RadioPortChanged = false;
    link::Pause(m_program.clock, 0.5);
    state.RemoteReplyNew = false;
    m_setUps.statusQuery();
    if (bytesWaiting() > 0) {
        radio.AwaitRadioReply();
        if (state.RemoteReplyNew) {
            const Stage next = afterStatus();
            if (next != Stage::MainLoopSetUp)
                return next;
        }
    }
    do {
        if (stopping()) {
            return Stage::LinkStep;
        }
        handleEvents(false);
        if (m_program.flags.RadioPortChanged) {
            m_program.flags.RadioPortChanged = false;
            return Stage::PortStep;
        }
        if (radioPortLost()) {
            return Stage::PortLost;
        }
        m_setUps.statusQuery();
        if (bytesWaiting() > 0) {
            try {
                radio.DrainRadioInput();
                m_setUps.statusQuery();
                radio.AwaitRadioReply();
            } catch (const link::PortFailure&) {
                // A radio that went away mid-reply is asked again next time.
            }
            if (state.StatusComplete) {
                const Stage next = afterStatus();
                if (next != Stage::MainLoopSetUp)
                    return next;
            }
        } else if (m_program.radioPort.lastEvent() == link::CommEvent::kBreak) {
            link::Pause(m_program.clock, 5.0);
        }
    } while (!state.StatusComplete);
    return Stage::MainLoopSetUp;
}

void FormLoad::checkExternalPtt() {
    panel::PanelModel& model = m_program.model();
    if (!m_program.portSetup.ExtPttEnabled) {
        m_program.linkFlags.ExtPttState = true;
        model.extPtt.set(ExtPtt::Disabled);
        return;
    }
    const auto idle = [this] { return m_program.radioPort.isOpen() && m_program.radioPort.dsr(); };
    m_program.linkFlags.ExtPttState = idle();
    if (m_program.linkFlags.ExtPttState) {
        model.extPtt.set(ExtPtt::Ready);
        return;
    }
    model.extPtt.set(ExtPtt::Active);
    m_program.prompts.message(m_program.window.get(), ui::Prompts::Icon::Warning, AppTitle,
                              QStringLiteral("Check for stuck Push-to-Talk key, then click OK."));
    m_program.linkFlags.ExtPttState = idle();
    model.extPtt.set(m_program.linkFlags.ExtPttState ? ExtPtt::Ready : ExtPtt::Disabled);
}

Stage FormLoad::mainLoopSetUp() {
    panel::PanelModel& model = m_program.model();
    protocol::RadioLink& radio = m_program.radioLink();
    m_program.linkFlags.LinkRestartRequest = false;
    m_program.flags.ScanActive = false;
    radio.SyncCount = 0;
    m_program.SyncLossRestart = false;
    radio.SyncChar = protocol::SyncCharacter::U;
    // Under local control no keep-alive follows to carry that "U": a radio
    // last told "K" (a latch held when it went local) hears it now, or it
    // would stay keyed while the panel believes it is not and lets its
    // frequency move.
    if (radio.LastSyncChar == protocol::SyncCharacter::K && m_program.radioPort.isOpen()) {
        try {
            radio.gSendSync(protocol::SyncCharacter::U);
        } catch (const link::PortFailure& failure) {
            link::reportFailure(m_program.panel->display(), QStringLiteral("gSendSync"), failure);
        }
    }
    try {
        checkExternalPtt();
    } catch (const link::PortFailure& failure) {
        link::reportFailure(m_program.panel->display(), QStringLiteral("ExtPtt"), failure);
    }
    if (model.split() == panel::Split::Blank) {
        model.split.set(panel::Split::Off);
    }
    if (model.stepSize() == panel::StepSize::Blank) {
        model.stepSize.set(panel::StepSize::Off);
    }
    if (m_program.announce) {
        const ControlMode mode = model.controlMode();
        const QString modeName = mode == ControlMode::Remote  ? QStringLiteral("REMOTE")
                                 : mode == ControlMode::Local ? QStringLiteral("LOCAL")
                                                              : QStringLiteral("-");
        m_program.announce(
            QStringLiteral("Main loop running: %1 %2").arg(modeName, model.firmwareCaption()));
    }
    return Stage::MainLoop;
}

void FormLoad::ampTuneTimeout() {
    panel::PanelModel& model = m_program.model();
    if (!model.ampTuneActive()) {
        return;
    }
    const double now = m_program.clock.now();
    if (static_cast<float>(now) < static_cast<float>(model.ampTuneStarted())) {
        // Midnight has passed.
        model.ampTuneStarted.set(model.ampTuneStarted() - link::Clock::kSecondsPerDay);
        return;
    }
    if (now - model.ampTuneStarted() > kAmpTuneTimeout) {
        m_program.radioLink().SyncChar = protocol::SyncCharacter::U;
        model.ampTuneActive.set(false);
        model.info.set(QStringLiteral("Timeout: Tune Cancelled"));
        m_program.panel->receiver().refreshCmd();
    }
}

void FormLoad::externalPtt() {
    panel::PanelModel& model = m_program.model();
    const bool enabled = m_program.portSetup.ExtPttEnabled;
    const bool idle = m_program.linkFlags.ExtPttState;
    if (model.pttEnable() == panel::OnOff::Off || !enabled) {
        model.extPtt.set(ExtPtt::Disabled);
    } else if (model.pttEnable() == panel::OnOff::On && model.extPtt() == ExtPtt::Disabled &&
               idle) {
        model.extPtt.set(ExtPtt::Ready);
    }
    if (!enabled) {
        return;
    }
    if (model.extPtt() == ExtPtt::Ready && !idle && !model.xmitActive()) {
        model.extPtt.set(ExtPtt::Active);
        m_program.panel->transmit().cmdPTT_MouseDown(0, 0, 0, 0);
    }
    if (model.extPtt() == ExtPtt::Active && m_program.linkFlags.ExtPttState) {
        model.extPtt.set(ExtPtt::Ready);
    }
}

Stage FormLoad::mainLoopPass() {
    panel::PanelModel& model = m_program.model();
    const ControlMode mode = model.controlMode();
    const panel::RemoteIndicator shown = model.remoteIndicator();
    if (mode == ControlMode::Remote && shown == panel::RemoteIndicator::Local)
        return Stage::LocalSetUp;
    if (mode == ControlMode::Local && shown == panel::RemoteIndicator::Remote)
        return Stage::RemoteSetUp;
    // A radio that never reports its control mode: keep the window
    // responsive and the link served while waiting for it.
    handleEvents(!m_table.anyRaised() && bytesWaiting() == 0);
    if (m_program.linkFlags.PortLost) {
        return Stage::PortLost;
    }
    if (m_program.linkFlags.LinkRestartRequest) {
        return Stage::LinkStep;
    }
    m_program.panel->gUpdateDisplay();
    model.lamp.set(protocol::Lamp::Idle);
    if (mode == ControlMode::Remote) {
        ampTuneTimeout();
        externalPtt();
        // The keep-alive's pause lies between operations: a press that arrives
        // in it may start its own exchange, whose reply wait also picks up the
        // sync answer.
        m_program.panel->transmit().RefreshTransmitState();
        if (m_program.radioLink().SyncCount > 5) {
            model.info.set(QStringLiteral("No Sync Response: Restarting..."));
            m_program.SyncLossRestart = true;
            return Stage::LinkStep;
        }
    }
    // A garbled frequency or mode reply: the radio is asked for its whole
    // status again, and the pass ends by reading it.
    if (m_program.state.StatusRequestDue) {
        m_program.state.StatusRequestDue = false;
        m_setUps.statusQuery();
    }
    // A channel stepped in memory operation is sent here, between
    // exchanges, rather than from the press that may run inside one.
    m_program.panel->memory().sendChannelChange();
    m_program.operationRunning = true;
    const auto leave = m_table.serve();
    m_program.operationRunning = false;
    if (leave) {
        m_program.scanWanted = {};  // the panel is set up anew first
        return *leave;
    }
    if (const auto scan = std::exchange(m_program.scanWanted, {})) {
        scan();
    }
    if (bytesWaiting() > 0) {
        m_program.radioLink().AwaitRadioReply();
    }
    return Stage::MainLoop;
}

void FormLoad::buildRequestTable() {
    panel::Panel& panel = *m_program.panel;
    panel::ReceiverControls& receiver = panel.receiver();
    panel::TransmitControls& transmit = panel.transmit();
    panel::MemoryControls& memory = panel.memory();
    panel::VfoControls& vfo = panel.vfo();
    panel::AmplifierControls& amplifier = panel.amplifier();
    const auto row = [this](PanelRequest request, RequestTable::Operation operation) {
        m_table.addPanelRow(request, std::move(operation));
    };
    row(PanelRequest::cmbSource, [&] { receiver.sourceCmd(); });
    row(PanelRequest::cmbAGC, [&] { receiver.agcCmd(); });
    row(PanelRequest::cmdBFO, [&] { receiver.bfoButton(); });
    row(PanelRequest::cmdClipping, [&] { receiver.clippingCmd(); });
    for (const panel::BandButton& button : panel::bandButtons()) {
        row(button.request, [this, &button] { m_program.bandOperation(button); });
    }
    row(PanelRequest::optMeter, [&] { receiver.meterCmd(); });
    row(PanelRequest::cmbMode, [&] { receiver.modeCmd(); });
    row(PanelRequest::cmdMute, [&] { receiver.muteCmd(); });
    row(PanelRequest::cmdPTTEn, [&] { receiver.pttEnableCmd(); });
    row(PanelRequest::cmdSideTone, [&] { receiver.sideToneCmd(); });
    row(PanelRequest::cmdTune, [&] { transmit.tuneCmd(); });
    row(PanelRequest::cmdViewInData, [&] { transmit.viewInDataCmd(); });
    row(PanelRequest::cmdVOX, [&] { receiver.voxStep(); });
    row(PanelRequest::cmdXmit, [&] { transmit.xmitCmd(); });
    row(PanelRequest::cmdAmpPwr, [&] { amplifier.ampPwrCmd(); });
    row(PanelRequest::cmdAmpOpr, [&] { amplifier.ampOprCmd(); });
    row(PanelRequest::cmdTuneAmp, [&] { amplifier.tuneAmpCmd(); });
    row(PanelRequest::cmdM2V, [&] { memory.m2vCmd(); });
    row(PanelRequest::cmdV2M, [&] { memory.v2mCmd(); });
    row(PanelRequest::cmdGetStatus, [&] { receiver.refreshCmd(); });
    m_table.addPortChangedExit();
    row(PanelRequest::vscBFO, [&] { receiver.bfoSend(); });
    row(PanelRequest::vscRFG, [&] { receiver.rfGainSend(); });
    // Station software's sets come here, between the radio exchanges of the
    // panel's own requests, in the order they were accepted.
    StationService& station = *m_program.stationService;
    m_table.addRow([&station] { return station.setsWaiting(); },
                   [&station] { station.carryOutSets(); });
    row(PanelRequest::cmbDig, [&] { receiver.digitalModeCmd(); });
    row(PanelRequest::cmdSwap, [&] { vfo.swapCmd(); });
    row(PanelRequest::cmdA2B, [&] { vfo.a2bCmd(); });
    row(PanelRequest::cmdSplit, [&] { vfo.splitCmd(); });
    m_table.addPanelResetExit();
    row(PanelRequest::cmdVM, [&] { memory.vmCmd(); });
}

}  // namespace tq::app
