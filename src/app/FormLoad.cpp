#include "app/FormLoad.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStringList>

#include "app/AppTitle.h"
#include "link/FileExists.h"
#include "link/IntegerValue.h"
#include "link/Pause.h"
#include "link/PortFailure.h"
#include "link/PortMap.h"
#include "panel/PanelColours.h"
#include "persist/IniFile.h"
#include "persist/PersistedFile.h"
#include "persist/PortSetupFile.h"
#include "ui/main/StatusDisplay.h"
#include "ui/main/StepButton.h"
#include "ui/main/WidgetColours.h"

namespace tq::app {

using panel::PanelRequest;

namespace {

bool hasBackColour(const QWidget* widget, QRgb colour) {
    return ui::backColour(widget) == QColor(colour);
}

}  // namespace

FormLoad::FormLoad(Program& program)
    : m_program(program), m_setUps(program), m_table(program.window->requests(), program.flags) {
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
    switch (stage) {
        case Stage::PortStep:
            return portStep();
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
            // Any failure inside the loop starts it again from its set-up;
            // the panel and the radio state survive.
            try {
                return mainLoopPass();
            } catch (const link::PortFailure&) {
                return Stage::MainLoopSetUp;
            } catch (const std::exception&) {
                return Stage::MainLoopSetUp;
            }
        case Stage::Ended:
            break;
    }
    return Stage::Ended;
}

void FormLoad::handleEvents(bool idle) {
    m_program.clock.waitForEvents(idle ? kIdleTick : 0);
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
    const auto remembered = persist::loadIniFile(window);
    if (!remembered) {
        return;
    }
    window.move(static_cast<int>(remembered->left / persist::kTwipsPerPixel),
                static_cast<int>(remembered->top / persist::kTwipsPerPixel));
    if (remembered->vfoBDigits) {
        for (int i = 0; i < ui::frmTQ5820::kDigits; ++i) {
            window.cmdVFOB[i]->setText(remembered->vfoBDigits->at(i));
        }
    }
    window.cmbVFOBMode->setCurrentText(remembered->vfoBMode);
    window.lblSplit->setText(remembered->splitCaption);
    window.cmbStepSize->setCurrentText(remembered->stepSize);
}

void FormLoad::readCatSetup() {
    ui::frmTQ5820& window = *m_program.window;
    const QString& name = persist::kCatSetupFileName;
    window.txtInfo->setText(QStringLiteral("Opening ") + QCoreApplication::applicationDirPath() +
                            name + QStringLiteral(" File.. "));
    if (!link::fileExists(name, window)) {
        return;  // no CAT port; the information box keeps the report
    }
    window.txtInfo->setText(name + QStringLiteral(" Opened"));
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
        m_program.catBridge->ConfigureCatPort();
    } else {
        window.txtInCat->setText(QStringLiteral("No CAT Port"));
        window.txtOutCAT->setText(QStringLiteral("No CAT Port"));
    }
}

void FormLoad::readPortSetup() {
    ui::frmTQ5820& window = *m_program.window;
    const QString name = QStringLiteral("PortSetup.txt");
    window.txtInfo->show();
    window.txtInfo->setText(QStringLiteral("Opening ") + QCoreApplication::applicationDirPath() +
                            name + QStringLiteral(" File.. "));
    if (link::fileExists(name, window)) {
        window.txtInfo->setText(name + QStringLiteral(" File Opened"));
        const persist::PortSetupFile saved =
            persist::parsePortSetup(persist::readPersistedFile(name).value_or(QString()));
        m_program.portSetup.RadioPortNumber = saved.portNumber;
        m_program.portSetup.RadioPortSettings = saved.settings;
        m_program.portSetup.RadioPortHandshake = saved.handshake;
        m_program.ExtPttSetting = saved.fourth;
        m_program.portSetup.ExtPttEnabled = m_program.ExtPttSetting == u"1";
        window.txtInfo->clear();
    } else {
        // Without saved settings the operator chooses a port first.
        m_program.portSetup.ExtPttEnabled = false;
        m_program.openPortSetup();
    }
}

void FormLoad::startUp() {
    ui::frmTQ5820& window = *m_program.window;
    const QRect screen = QGuiApplication::primaryScreen() != nullptr
                             ? QGuiApplication::primaryScreen()->availableGeometry()
                             : QRect(0, 0, 1280, 800);
    const QSize size = window.sizeHint().boundedTo(screen.size());
    window.resize(size);
    window.move(screen.x() + (screen.width() - size.width()) / 2,
                screen.y() + (screen.height() - size.height()) / 3);
    applyIniFile();
    window.setWindowTitle(AppTitle);
    window.lblInfo->clear();
    window.txtInData->hide();
    window.lblU->hide();

    // From here on a failing step is skipped and start-up goes on.
    const auto step = [](const auto& action) {
        try {
            action();
        } catch (const std::exception&) {
        }
    };
    link::Pause(m_program.clock, 0.5);
    step([&] {
        window.lblU->clear();
        window.lblXMTRCV->setEnabled(false);
        QFont bold = window.lblXMTRCV->font();
        bold.setBold(true);
        window.lblXMTRCV->setFont(bold);
        window.lblXMTRCV->setText(QStringLiteral("Receive"));
        ui::setBackColour(window.lblXMTRCV, QColor(panel::kGreen));
        for (auto* digit : window.cmdF)
            digit->setEnabled(true);
        for (auto* digit : window.cmdM)
            digit->setEnabled(true);
        m_program.receiver->BfoOn = false;
        m_program.receiver->BfoCode = QStringLiteral("100");
        window.lblPorM->clear();
        window.lblBFOOn->clear();
        ui::setForeColour(window.lblREMOTE, QColor(panel::kRed));
        window.lblREMOTE->setText(QStringLiteral("NoComm"));
        window.lblComStat->setText(QStringLiteral("No Com"));
        window.shaTrace->hide();
    });
    window.show();
    step([&] {
        window.lblAmpPwr->clear();
        window.lblAmpOpStby->clear();
        window.lblAmpTuned->clear();
        window.cmdAmpPwr->setEnabled(false);
        window.cmdAmpOpr->setEnabled(false);
        window.cmdTuneAmp->setEnabled(false);
        window.txtInData->show();
        window.txtInfo->show();
    });
    step([&] { readCatSetup(); });
    step([&] { m_program.startStationLinks(); });
    step([&] { readPortSetup(); });
}

Stage FormLoad::portStep() {
    ui::frmTQ5820& window = *m_program.window;
    for (;;) {
        const int number = link::integerValue(m_program.portSetup.RadioPortNumber);
        if (m_program.radioPort.portNumber() == number || m_program.portExists(number)) {
            try {
                if (m_program.radioPortControl->SetUpRadioPort()) {
                    window.lblComStat->setText(QStringLiteral("COM") +
                                               m_program.portSetup.RadioPortNumber);
                    window.txtInfo->setText(QStringLiteral("Querying radio status"));
                }
            } catch (const link::PortFailure&) {
                // Start-up goes on; the link step's queries then fail quietly.
            }
            m_program.flags.RadioPortChanged = false;
            return Stage::LinkStep;
        }
        window.showErrorInfo(QStringLiteral("Port is not available. Use Setup menu or Exit."));
        window.lblComStat->setText(QStringLiteral("No Port"));
        window.lblREMOTE->clear();
        m_program.flags.RadioPortChanged = false;
        while (!m_program.flags.RadioPortChanged) {
            if (stopping()) {
                return Stage::PortStep;
            }
            handleEvents(true);
        }
    }
}

Stage FormLoad::afterStatus() {
    ui::frmTQ5820& window = *m_program.window;
    window.display().ShowRemote();
    ui::setForeColour(window.lblREMOTE, QColor(panel::kWhite));
    if (m_program.state.RemoteReply == u"R1")
        return Stage::RemoteSetUp;
    if (m_program.state.RemoteReply == u"R0")
        return Stage::LocalSetUp;
    return Stage::MainLoopSetUp;
}

Stage FormLoad::linkStep() {
    protocol::RadioState& state = m_program.state;
    m_program.flags.RadioPortChanged = false;
    link::Pause(m_program.clock, 0.5);
    state.RemoteReplyNew = false;
    m_setUps.statusQuery();
    if (bytesWaiting() > 0) {
        m_program.link->AwaitRadioReply();
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
        m_setUps.statusQuery();
        if (bytesWaiting() > 0) {
            try {
                m_program.link->DrainRadioInput();
                m_setUps.statusQuery();
                m_program.link->AwaitRadioReply();
            } catch (const link::PortFailure&) {
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

Stage FormLoad::mainLoopSetUp() {
    ui::frmTQ5820& window = *m_program.window;
    m_program.linkFlags.LinkRestartRequest = false;
    m_program.flags.ScanActive = false;
    m_program.link->SyncCount = 0;
    m_program.SyncLossRestart = false;
    m_program.link->SyncChar = QStringLiteral("U");
    try {
        if (m_program.portSetup.ExtPttEnabled) {
            const auto idle = [this] {
                return m_program.radioPort.isOpen() && m_program.radioPort.dsr();
            };
            m_program.linkFlags.ExtPttState = idle();
            if (m_program.linkFlags.ExtPttState) {
                ui::setBackColour(window.lblExtPTT, QColor(panel::kGreen));
            } else {
                ui::setBackColour(window.lblExtPTT, QColor(panel::kRed));
                m_program.prompts.message(&window, ui::Prompts::Icon::Warning, AppTitle,
                                          QStringLiteral("Check for stuck Push-to-Talk key, then "
                                                         "click OK."));
                m_program.linkFlags.ExtPttState = idle();
                ui::setBackColour(
                    window.lblExtPTT,
                    QColor(m_program.linkFlags.ExtPttState ? panel::kGreen : panel::kYellow));
            }
        } else {
            m_program.linkFlags.ExtPttState = true;
            ui::setBackColour(window.lblExtPTT, QColor(panel::kYellow));
        }
    } catch (const link::PortFailure&) {
    }
    if (window.lblSplit->text().isEmpty()) {
        window.lblSplit->setText(QStringLiteral("Split Off"));
    }
    if (window.cmbStepSize->currentText().isEmpty()) {
        window.cmbStepSize->setCurrentText(QStringLiteral("OFF"));
    }
    if (m_program.announce) {
        m_program.announce(
            QStringLiteral("Main loop running: %1 %2")
                .arg(m_program.ControlMode.isEmpty() ? QStringLiteral("-") : m_program.ControlMode,
                     window.lblFWType->text()));
    }
    return Stage::MainLoop;
}

void FormLoad::ampTuneTimeout() {
    ui::frmTQ5820& window = *m_program.window;
    if (!window.AmpTuneActive) {
        return;
    }
    const double now = m_program.clock.now();
    if (static_cast<float>(now) < static_cast<float>(window.AmpTuneStarted)) {
        window.AmpTuneStarted -= link::Clock::kSecondsPerDay;  // midnight has passed
        return;
    }
    if (now - window.AmpTuneStarted > kAmpTuneTimeout) {
        m_program.link->SyncChar = QStringLiteral("U");
        window.AmpTuneActive = false;
        window.txtInfo->setText(QStringLiteral("Timeout: Tune Cancelled"));
        m_program.receiver->refreshCmd();
    }
}

void FormLoad::externalPtt() {
    ui::frmTQ5820& window = *m_program.window;
    const bool enabled = m_program.portSetup.ExtPttEnabled;
    const bool idle = m_program.linkFlags.ExtPttState;
    if (window.lblPTTEn->text() == u"OFF" || !enabled) {
        ui::setBackColour(window.lblExtPTT, QColor(panel::kYellow));
    } else if (window.lblPTTEn->text() == u"ON" &&
               hasBackColour(window.lblExtPTT, panel::kYellow) && idle) {
        ui::setBackColour(window.lblExtPTT, QColor(panel::kGreen));
    }
    if (!enabled) {
        return;
    }
    if (hasBackColour(window.lblExtPTT, panel::kGreen) && !idle && !window.XmitActive) {
        ui::setBackColour(window.lblExtPTT, QColor(panel::kRed));
        m_program.transmit->cmdPTT_MouseDown(0, 0, 0, 0);
    }
    if (hasBackColour(window.lblExtPTT, panel::kRed) && m_program.linkFlags.ExtPttState) {
        ui::setBackColour(window.lblExtPTT, QColor(panel::kGreen));
    }
}

Stage FormLoad::mainLoopPass() {
    ui::frmTQ5820& window = *m_program.window;
    const QString shownMode = window.lblREMOTE->text();
    if (shownMode != m_program.ControlMode) {
        if (m_program.ControlMode == u"REMOTE" && shownMode == u"LOCAL")
            return Stage::LocalSetUp;
        if (m_program.ControlMode == u"LOCAL" && shownMode == u"REMOTE")
            return Stage::RemoteSetUp;
        // A radio that never reports its control mode: keep the window
        // responsive and the link served while waiting for it.
    }
    handleEvents(!m_table.anyRaised() && bytesWaiting() == 0);
    if (m_program.linkFlags.LinkRestartRequest) {
        return Stage::LinkStep;
    }
    window.gUpdateDisplay();
    window.setLamp(protocol::Lamp::Idle);
    if (m_program.ControlMode == u"REMOTE") {
        ampTuneTimeout();
        externalPtt();
        // The keep-alive's pause lies between operations: a press that arrives
        // in it may start its own exchange, whose reply wait also picks up the
        // sync answer.
        m_program.transmit->RefreshTransmitState();
        if (m_program.link->SyncCount > 5) {
            window.txtInfo->setText(QStringLiteral("No Sync Response: Restarting..."));
            m_program.SyncLossRestart = true;
            return Stage::LinkStep;
        }
    }
    // A channel stepped in memory operation is sent here, between
    // exchanges, rather than from the press that may run inside one.
    m_program.memory->sendChannelChange();
    m_program.operationRunning = true;
    const auto leave = m_table.serve();
    m_program.operationRunning = false;
    if (leave) {
        return *leave;
    }
    if (bytesWaiting() > 0) {
        m_program.link->AwaitRadioReply();
    }
    return Stage::MainLoop;
}

void FormLoad::buildRequestTable() {
    ui::ReceiverControls& receiver = *m_program.receiver;
    ui::TransmitControls& transmit = *m_program.transmit;
    ui::MemoryControls& memory = *m_program.memory;
    ui::VfoControls& vfo = *m_program.vfo;
    ui::AmplifierControls& amplifier = *m_program.amplifier;
    const auto row = [this](panel::PanelRequest request, RequestTable::Operation operation) {
        m_table.addPanelRow(request, std::move(operation));
    };
    row(panel::PanelRequest::cmbSource, [&] { receiver.sourceCmd(); });
    row(panel::PanelRequest::cmbAGC, [&] { receiver.agcCmd(); });
    row(panel::PanelRequest::cmdBFO, [&] { receiver.bfoButton(); });
    row(panel::PanelRequest::cmdClipping, [&] { receiver.clippingCmd(); });
    for (const panel::BandButton& button : panel::bandButtons()) {
        row(button.request, [this, &button] { m_program.bandOperation(button); });
    }
    row(panel::PanelRequest::optMeter, [&] { receiver.meterCmd(); });
    row(panel::PanelRequest::cmbMode, [&] { receiver.modeCmd(); });
    row(panel::PanelRequest::cmdMute, [&] { receiver.muteCmd(); });
    row(panel::PanelRequest::cmdPTTEn, [&] { receiver.pttEnableCmd(); });
    row(panel::PanelRequest::cmdSideTone, [&] { receiver.sideToneCmd(); });
    row(panel::PanelRequest::cmdTune, [&] { transmit.tuneCmd(); });
    row(panel::PanelRequest::cmdViewInData, [&] { transmit.viewInDataCmd(); });
    row(panel::PanelRequest::cmdVOX, [&] { receiver.voxStep(); });
    row(panel::PanelRequest::cmdXmit, [&] { transmit.xmitCmd(); });
    row(panel::PanelRequest::cmdAmpPwr, [&] { amplifier.ampPwrCmd(); });
    row(panel::PanelRequest::cmdAmpOpr, [&] { amplifier.ampOprCmd(); });
    row(panel::PanelRequest::cmdTuneAmp, [&] { amplifier.tuneAmpCmd(); });
    row(panel::PanelRequest::cmdM2V, [&] { memory.m2vCmd(); });
    row(panel::PanelRequest::cmdV2M, [&] { memory.v2mCmd(); });
    row(panel::PanelRequest::cmdGetStatus, [&] { receiver.refreshCmd(); });
    m_table.addPortChangedExit();
    row(panel::PanelRequest::vscBFO, [&] { receiver.bfoSend(); });
    row(panel::PanelRequest::vscRFG, [&] { receiver.rfGainSend(); });
    m_table.addCatRow([this] { m_program.catBridge->HandleCatCommands(); });
    row(panel::PanelRequest::cmbDig, [&] { receiver.digitalModeCmd(); });
    row(panel::PanelRequest::cmdSwap, [&] { vfo.swapCmd(); });
    row(panel::PanelRequest::cmdA2B, [&] { vfo.a2bCmd(); });
    row(panel::PanelRequest::cmdSplit, [&] { vfo.splitCmd(); });
    m_table.addPanelResetExit();
    row(panel::PanelRequest::cmdVM, [&] { memory.vmCmd(); });
}

}  // namespace tq::app
