#include "ui/main/VfoControls.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QScopeGuard>
#include <array>

#include "link/Pause.h"
#include "link/PortFailure.h"
#include "panel/DisplayFailure.h"
#include "ui/main/ReceiverControls.h"
#include "ui/main/StatusDisplay.h"
#include "ui/main/TransmitControls.h"

namespace tq::ui {

namespace {

constexpr int kDigits = frmTQ5820::kDigits;
// The keyboard presses a digit under an index past the buttons, so the
// press routine can tell it from a mouse press.
constexpr int kKeyIndexOffset = 6;
constexpr int kUp = StepButton::kLeft;
constexpr int kDown = StepButton::kRight;
// Every step and repeat counted: a pass in ten is sent once the first five are.
constexpr int kSentFirst = 5;
constexpr int kSendEvery = 10;

// Step of each digit in 10 Hz units, index 0 being tens of MHz.
constexpr std::array<int, kDigits> kDigitSteps{1000000, 100000, 10000, 1000, 100, 10, 1};

struct KeyStep {
    const char* caption;
    int digit;
};

// Step sizes of the external knob: the digit an I or D key steps.
constexpr std::array<KeyStep, 4> kKeySteps{{
    {"10Hz", 6},
    {"100Hz", 5},
    {"1KHz", 4},
    {"10KHz", 3},
}};

int keyStepDigit(const QString& stepSize) {
    for (const KeyStep& entry : kKeySteps) {
        if (stepSize == QLatin1String(entry.caption)) {
            return entry.digit;
        }
    }
    return -1;
}

QString joined(const std::array<StepButton*, kDigits>& digits) {
    QString text;
    for (const StepButton* digit : digits) {
        text += digit->text();
    }
    return text;
}

void show(std::array<StepButton*, kDigits>& digits, const QString& text) {
    for (int k = 0; k < kDigits && k < text.size(); ++k) {
        digits[static_cast<std::size_t>(k)]->setText(text.mid(k, 1));
    }
}

bool isSevenDigits(const QString& text) {
    if (text.size() != kDigits) {
        return false;
    }
    for (QChar c : text) {
        if (c < u'0' || c > u'9') {
            return false;
        }
    }
    return true;
}

bool inRange(int f) {
    return f >= VfoControls::kLowest && f < VfoControls::kBeyondHighest;
}

QString frequencyText(int f) {
    return QString::number(f).rightJustified(kDigits, u'0');
}

// A held button that is disabled or hidden never sees its release: its
// loop must end as though the release had come.
bool canRelease(const QWidget* button) {
    return button->isEnabled() && button->isVisibleTo(button->window());
}

}  // namespace

VfoControls::VfoControls(frmTQ5820& panel, protocol::RadioLink& link, ReceiverControls& receiver,
                         TransmitControls& transmit)
    : m_panel(panel),
      m_link(link),
      m_receiver(receiver),
      m_transmit(transmit),
      m_beep(&QApplication::beep) {
    m_transmit.attachVfos(this);
}

VfoControls::~VfoControls() {
    m_transmit.attachVfos(nullptr);
}

bool VfoControls::vfoAPressRefused() const {
    // Besides the lock, a press never starts an exchange in the middle of
    // another one, and never moves the frequency while the panel keys the
    // radio (the lock follows the radio's answer, which comes later).
    return m_busyA || m_swapRunning || m_panel.FrequencyLock || m_transmit.exchangeRunning() ||
           m_transmit.inServedOperation() || m_link.SyncChar == u"K";
}

void VfoControls::cmdF_MouseDown(int index, int button, int /*shift*/, int /*x*/, int /*y*/) {
    if (vfoAPressRefused()) {
        return;
    }
    const bool fromKeyboard = index >= kDigits;
    const int digit = fromKeyboard ? index - kKeyIndexOffset : index;
    if (digit < 0 || digit >= kDigits) {
        return;
    }
    StepButton* pressed = fromKeyboard ? nullptr : m_panel.cmdF[static_cast<std::size_t>(digit)];
    try {
        stepVfoA(digit, button, pressed);
    } catch (const link::PortFailure& failure) {
        reportFailure("cmdF_MouseDown", failure.number(), failure.description());
    } catch (const panel::DisplayFailure& failure) {
        reportFailure("cmdF_MouseDown", failure.number(), failure.description());
    }
}

void VfoControls::stepVfoA(int digit, int direction, StepButton* pressed) {
    m_busyA = true;
    // Busy lasts until the last send has its answer, so a press arriving in
    // that pause does not start a second exchange in the middle of it. Held
    // ends with the loop, whichever way it ends: a later key step must not
    // find it set and repeat until some release.
    const auto done = qScopeGuard([this] {
        m_busyA = false;
        m_heldA = false;
    });
    if (pressed != nullptr) {
        m_heldA = true;
    }
    const int step = kDigitSteps[static_cast<std::size_t>(digit)];
    m_panel.lblInfo->setText(QString());
    QCoreApplication::processEvents();

    QString s = joined(m_panel.cmdF);
    if (!isSevenDigits(s)) {
        // Nothing to step from: the radio's frequency is shown again.
        m_panel.display().ShowFrequency();
        return;
    }
    int counter = 0;
    bool sent = false;
    bool locked = false;
    while (m_heldA || m_keyStepPending) {
        m_keyStepPending = false;
        int f = s.toInt();
        if (direction == kUp) {
            if (f + step < kBeyondHighest) {
                f += step;
            } else {
                m_beep();
            }
        } else if (direction == kDown) {
            if (f - step >= kLowest) {
                f -= step;
            } else {
                m_beep();
            }
        }
        if (inRange(f)) {
            s = frequencyText(f);
        }
        link::Pause(m_link.clock(), kStepPause);
        if (pressed != nullptr && !canRelease(pressed)) {
            m_heldA = false;
        }
        if (m_panel.FrequencyLock) {
            // The radio went to transmit meanwhile: the step is dropped.
            locked = true;
            m_heldA = false;
            break;
        }
        if (!m_heldA) {
            // Released: the step just made reaches the radio only below.
            break;
        }
        show(m_panel.cmdF, s);
        if (counter % kSendEvery != 0 && counter >= kSentFirst) {
            link::Pause(m_link.clock(), kStepPause);
            sent = false;
        } else {
            m_transmit.RefreshTransmitState();
            sendFrequency(s);
            sent = true;
            m_link.AwaitRadioReply();
        }
        ++counter;
    }
    if (!sent && !locked) {
        sendFrequency(s);
    }
    m_link.AwaitRadioReply();
    m_panel.gUpdateDisplay();
}

void VfoControls::sendFrequency(const QString& digits) {
    m_link.SendRadioCommand(QStringLiteral("F") + digits, true, kSendPause);
}

void VfoControls::cmdF_MouseUp(int /*index*/, int /*button*/, int /*shift*/, int /*x*/, int /*y*/) {
    m_heldA = false;
}

bool VfoControls::Form_KeyDown(int key) {
    if (key != kKeyUp && key != kKeyDown) {
        return false;
    }
    const int digit = keyStepDigit(m_panel.cmbStepSize->currentText());
    if (m_keyboardBusy) {
        return digit >= 0;
    }
    m_keyStepPending = true;
    m_keyboardBusy = true;
    const auto done = qScopeGuard([this] { m_keyboardBusy = false; });
    if (digit >= 0) {
        cmdF_MouseDown(digit + kKeyIndexOffset, key == kKeyUp ? kUp : kDown);
    }
    return digit >= 0;
}

void VfoControls::cmdVFOB_MouseDown(int index, int button, int /*shift*/, int /*x*/, int /*y*/) {
    if (m_busyB) {
        m_busyB = false;
        return;
    }
    if (index < 0 || index >= kDigits) {
        return;
    }
    m_busyB = true;
    m_heldB = true;
    const int step = kDigitSteps[static_cast<std::size_t>(index)];
    const StepButton* pressed = m_panel.cmdVFOB[static_cast<std::size_t>(index)];
    while (m_heldB) {
        QString s = joined(m_panel.cmdVFOB);
        int f = isSevenDigits(s) ? s.toInt() : 0;
        // A read-out outside the range is pulled to its nearer edge first.
        if (f < kLowest) {
            f = kLowest;
            s = frequencyText(f);
            show(m_panel.cmdVFOB, s);
        } else if (f >= kBeyondHighest) {
            f = kBeyondHighest - 1;
            s = frequencyText(f);
            show(m_panel.cmdVFOB, s);
        }
        if (button == kUp) {
            f += step;
        } else if (button == kDown) {
            f -= step;
        }
        // A step that would leave the range is dropped without a sound.
        if (inRange(f)) {
            s = frequencyText(f);
        }
        show(m_panel.cmdVFOB, s);
        link::Pause(m_link.clock(), kVfoBRepeat);
        QCoreApplication::processEvents();
        if (!canRelease(pressed)) {
            m_heldB = false;
        }
    }
    m_busyB = false;
}

void VfoControls::cmdVFOB_MouseUp(int /*index*/, int /*button*/, int /*shift*/, int /*x*/,
                                  int /*y*/) {
    m_heldB = false;
}

void VfoControls::a2bCmd() {
    for (int k = 0; k < kDigits; ++k) {
        const auto i = static_cast<std::size_t>(k);
        m_panel.cmdVFOB[i]->setText(m_panel.cmdF[i]->text());
    }
    m_panel.requests().clear(panel::PanelRequest::cmdA2B);
}

void VfoControls::swapCmd() {
    m_panel.requests().clear(panel::PanelRequest::cmdSwap);
    swapVfos();
}

void VfoControls::swapVfos() {
    m_swapRunning = true;
    const auto done = qScopeGuard([this] { m_swapRunning = false; });
    QComboBox* modeA = m_panel.cmbMode;
    QComboBox* modeB = m_panel.cmbVFOBMode;
    if (modeA->currentText() != modeB->currentText()) {
        const QString oldA = modeA->currentText();
        modeA->setCurrentText(modeB->currentText());
        modeB->setCurrentText(oldA);
        m_receiver.modeCmd();
    }
    QString command = QStringLiteral("F");
    for (int k = 0; k < kDigits; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const QString oldB = m_panel.cmdVFOB[i]->text();
        m_panel.cmdVFOB[i]->setText(m_panel.cmdF[i]->text());
        m_panel.cmdF[i]->setText(oldB);
        command += oldB;
    }
    // Written straight to the port and not awaited: whoever reads next
    // picks up the radio's answer.
    if (command != m_link.state().FreqReply && isSevenDigits(command.mid(1))) {
        m_link.writeDirect(command + u'\n');
        link::Pause(m_link.clock(), kSwapPause);
    }
}

void VfoControls::splitCmd() {
    QLabel* split = m_panel.lblSplit;
    split->setText(split->text() == u"Split Off" ? QStringLiteral("Split On")
                                                 : QStringLiteral("Split Off"));
    m_panel.requests().clear(panel::PanelRequest::cmdSplit);
}

void VfoControls::reportFailure(const char* routine, int number, const QString& description) {
    m_panel.display().ShowErrorInfo(
        QStringLiteral("%1: Err %2. %3").arg(QLatin1String(routine)).arg(number).arg(description));
}

}  // namespace tq::ui
