#include "ui/main/TransmitControls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QStringList>

#include "link/Pause.h"
#include "link/PortFailure.h"
#include "panel/DisplayFailure.h"
#include "panel/PanelColours.h"
#include "panel/ReplyCaptions.h"
#include "ui/main/StatusDisplay.h"
#include "ui/main/VfoControls.h"
#include "ui/main/WidgetColours.h"

namespace tq::ui {

namespace {

const QString kKey = QStringLiteral("K");
const QString kUnkey = QStringLiteral("U");
const QString kXmitOn = QStringLiteral("&XMT ON");
const QString kXmitOff = QStringLiteral("&XMT OFF");
const QString kTuneOn = QStringLiteral("T&UNE ON");
const QString kTuneOff = QStringLiteral("T&UNE OFF");
const QString kAme = QStringLiteral("M3");

}  // namespace

TransmitControls::TransmitControls(frmTQ5820& panel, protocol::RadioLink& link,
                                   const link::RadioLinkFlags& linkFlags)
    : m_panel(panel),
      m_link(link),
      m_state(link.state()),
      m_commands(link),
      m_linkFlags(&linkFlags) {}

void TransmitControls::RefreshTransmitState() {
    m_link.gSendSync(m_link.SyncChar);
    if (m_link.port().bytesToRead() > 0) {
        m_link.AwaitRadioReply();
    }
    if (m_state.SyncReplied) {
        m_link.SyncCount = 0;
        if (m_link.SyncChar == u"U") {
            setBackColour(m_panel.lblU, QColor(m_state.RadioKeyed ? panel::kRed : panel::kGreen));
        } else if (m_link.SyncChar == u"K") {
            setBackColour(m_panel.lblU, QColor(panel::kRed));
        }
        m_state.SyncReplied = false;
    }
    if (m_panel.lblXMTRCV->text() == u"Receive" && m_state.RadioKeyed) {
        setBackColour(m_panel.lblU, QColor(panel::kRed));
        setBackColour(m_panel.lblXMTRCV, QColor(panel::kRed));
        m_panel.lblXMTRCV->setText(QStringLiteral("Transmit"));
        m_panel.display().ShowMeterSelection();
        m_panel.FrequencyLock = true;
    } else if (m_panel.lblXMTRCV->text() == u"Transmit" && !m_state.RadioKeyed) {
        setBackColour(m_panel.lblXMTRCV, QColor(panel::kGreen));
        m_panel.lblXMTRCV->setText(QStringLiteral("Receive"));
        m_panel.display().ShowMeterSelection();
        m_panel.FrequencyLock = false;
    }
    keepReleaseReachable();
}

void TransmitControls::keepReleaseReachable() {
    // The band limits enable and disable these buttons on every new
    // frequency; a latch the operator cannot click off would stay keyed.
    if (m_panel.XmitActive) {
        m_panel.cmdXmit->setEnabled(true);
        m_panel.cmdTune->setEnabled(false);
    } else if (tuning()) {
        m_panel.cmdTune->setEnabled(true);
        m_panel.cmdXmit->setEnabled(false);
    }
}

void TransmitControls::viewInDataCmd() {
    if (m_panel.txtInData->isHidden()) {
        m_panel.txtInData->show();
        m_panel.txtInData->clear();
        m_panel.cmdViewInData->setText(frmTQ5820::kHideData);
    } else {
        m_panel.txtInData->hide();
        m_panel.cmdViewInData->setText(QStringLiteral("Show Data"));
    }
    m_panel.requests().clear(panel::PanelRequest::cmdViewInData);
}

bool TransmitControls::splitOn() const {
    return m_panel.lblSplit->text() == u"Split On";
}

bool TransmitControls::tuning() const {
    return m_panel.cmdTune->text() == kTuneOff;
}

bool TransmitControls::vfoBInBand() const {
    QString command = QStringLiteral("F");
    for (const StepButton* digit : m_panel.cmdVFOB) {
        command += digit->text();
    }
    try {
        return m_panel.display().InAmateurBand(command);
    } catch (const panel::DisplayFailure&) {
        return false;  // a read-out that is no number is no frequency to transmit on
    }
}

bool TransmitControls::externalPressed() const {
    return !m_linkFlags->ExtPttState;
}

bool TransmitControls::pttPressRefused() const {
    // The latch and tune already hold the transmitter; a release here would
    // unkey it under them. Any other exchange running is left to finish.
    return m_operationRunning || m_panel.XmitActive || tuning() ||
           (m_vfos != nullptr && m_vfos->exchangeRunning()) || inServedOperation();
}

void TransmitControls::cmdPTT_MouseDown(int button, int /*shift*/, int /*x*/, int /*y*/) {
    PttHeld = button == StepButton::kLeft;
    if (m_pttRunning) {
        // A second press while the loop runs (a double click) only decides
        // whether the running loop goes on holding.
        return;
    }
    const bool external = externalPressed();
    if ((!PttHeld && !external) || pttPressRefused()) {
        return;
    }
    m_pttRunning = true;
    const auto done = qScopeGuard([this] { m_pttRunning = false; });
    bool swapped = false;
    try {
        bool transmit = true;
        if (splitOn()) {
            transmit = m_vfos != nullptr && vfoBInBand();
            if (transmit) {
                m_vfos->swapVfos();
                swapped = true;
            }
        }
        if (transmit) {
            holdTransmitter(external);
        }
    } catch (const link::PortFailure& failure) {
        reportFailure("cmdPTT_MouseDown", failure.number(), failure.description());
    } catch (const panel::DisplayFailure& failure) {
        reportFailure("cmdPTT_MouseDown", failure.number(), failure.description());
    }
    m_link.SyncChar = kUnkey;
    m_link.gSendSync(kUnkey);
    if (swapped) {
        try {
            m_vfos->swapVfos();
        } catch (const link::PortFailure& failure) {
            reportFailure("cmdPTT_MouseDown", failure.number(), failure.description());
        }
    }
}

void TransmitControls::holdTransmitter(bool external) {
    // Keyed only now, after any exchange of the VFOs: a keep-alive running
    // in one of the swap's pauses must not key the radio on VFO A.
    m_link.SyncChar = kKey;
    bool externalHeld = external;
    while (PttHeld || externalHeld) {
        RefreshTransmitState();
        link::Pause(m_link.clock(), kPttPoll);
        if (external) {
            externalHeld = externalPressed();
        }
        // A disabled or hidden button never sees its release.
        const StepButton* ptt = m_panel.cmdPTT;
        if (!ptt->isEnabled() || !ptt->isVisibleTo(ptt->window())) {
            PttHeld = false;
        }
    }
}

void TransmitControls::cmdPTT_MouseUp(int /*button*/, int /*shift*/, int /*x*/, int /*y*/) {
    PttHeld = false;
}

void TransmitControls::xmitCmd() {
    m_panel.requests().clear(panel::PanelRequest::cmdXmit);
    m_operationRunning = true;
    const auto done = qScopeGuard([this] { m_operationRunning = false; });
    const QString caption = m_panel.cmdXmit->text();
    if (caption == kXmitOn) {
        xmitOn();
    } else if (caption == kXmitOff) {
        xmitOff();
    }
}

void TransmitControls::xmitOn() {
    if (tuning()) {
        return;  // tune holds the transmitter; its own button ends it
    }
    m_xmitSwapped = false;
    if (splitOn()) {
        if (m_vfos == nullptr || !vfoBInBand()) {
            m_link.SyncChar = kUnkey;
            return;
        }
        m_vfos->swapVfos();
        m_xmitSwapped = true;
    }
    m_link.SyncChar = kKey;
    m_link.gSendSync(kKey);
    m_panel.XmitActive = true;
    m_panel.cmdXmit->setText(kXmitOff);
    m_panel.cmdTune->setEnabled(false);
}

void TransmitControls::xmitOff() {
    // Unkeyed first: nothing that runs in the swap's pauses may key again.
    m_link.SyncChar = kUnkey;
    m_link.gSendSync(kUnkey);
    const auto released = qScopeGuard([this] {
        m_panel.XmitActive = false;
        m_panel.cmdXmit->setText(kXmitOn);
        m_panel.cmdTune->setEnabled(true);
    });
    if (m_xmitSwapped && m_vfos != nullptr) {
        m_xmitSwapped = false;
        m_vfos->swapVfos();
    }
}

void TransmitControls::tuneCmd() {
    m_panel.requests().clear(panel::PanelRequest::cmdTune);
    m_operationRunning = true;
    const auto done = qScopeGuard([this] { m_operationRunning = false; });
    const QString caption = m_panel.cmdTune->text();
    if (caption == kTuneOn) {
        tuneOn();
    } else if (caption == kTuneOff) {
        tuneOff();
    }
}

void TransmitControls::tuneOn() {
    if (m_panel.XmitActive) {
        return;  // the latch holds the transmitter; its own button ends it
    }
    m_tuneMode = m_state.ModeReply;
    m_tuneSideTone = m_state.SideToneReply;
    m_tunePttEn = m_state.PttEnReply;
    m_tuneSource = m_state.SourceReply;
    m_commands.SelectMode(kAme);
    m_link.gSendSync(kKey);
    m_link.SyncChar = kKey;
    m_panel.cmdTune->setText(kTuneOff);
    m_panel.cmdXmit->setEnabled(false);
}

void TransmitControls::tuneOff() {
    // Unkeyed first: the restore below pauses, and nothing that runs in
    // those pauses may key the radio again.
    m_link.SyncChar = kUnkey;
    m_link.gSendSync(kUnkey);
    const auto released = qScopeGuard([this] {
        m_panel.cmdTune->setText(kTuneOn);
        m_panel.cmdXmit->setEnabled(true);
    });
    m_link.AwaitRadioReply();

    QStringList missed;
    if (panel::isReplyCode(m_tuneMode, u'M')) {
        if (m_state.FirmwareType == 2) {
            m_commands.SelectMode(m_tuneMode);
        } else {
            for (int step = 0; step < kModeRestoreSteps && m_state.ModeReply != m_tuneMode;
                 ++step) {
                m_commands.StepModeOnce();
            }
        }
    }
    if (m_state.ModeReply != m_tuneMode) {
        missed << QStringLiteral("Mode ") + m_tuneMode;
    }

    if (panel::isReplyCode(m_tuneSource, u'H')) {
        for (int press = 0; press < kSourceRestoreSteps && m_state.SourceReply != m_tuneSource;
             ++press) {
            m_link.SendRadioCommand(QStringLiteral("H"), true, kRestorePause);
            m_link.AwaitRadioReply();
        }
    }
    if (m_state.SourceReply != m_tuneSource) {
        missed << QStringLiteral("Source ") + m_tuneSource;
    }

    if (panel::isReplyCode(m_tuneSideTone, u'S') && m_state.SideToneReply != m_tuneSideTone) {
        m_link.SendRadioCommand(QStringLiteral("S"), true, kRestorePause);
        m_link.AwaitRadioReply();
    }
    if (m_state.SideToneReply != m_tuneSideTone) {
        missed << QStringLiteral("Sidetone ") + m_tuneSideTone;
    }

    // Only this firmware flips PTT enable with each mode change.
    if (m_state.FirmwareType == 1) {
        if (panel::isReplyCode(m_tunePttEn, u'\'') && m_state.PttEnReply != m_tunePttEn) {
            m_commands.TogglePttEnable();
        }
        if (m_state.PttEnReply != m_tunePttEn) {
            missed << QStringLiteral("PTT Enable ") + m_tunePttEn;
        }
    }
    if (!missed.isEmpty()) {
        m_panel.display().ShowErrorInfo(QStringLiteral("Tune Off: radio did not return to ") +
                                        missed.join(QStringLiteral(", ")));
    }
}

void TransmitControls::reportFailure(const char* routine, int number, const QString& description) {
    m_panel.display().ShowErrorInfo(
        QStringLiteral("%1: Err %2. %3").arg(QLatin1String(routine)).arg(number).arg(description));
}

}  // namespace tq::ui
