#include "panel/VfoControls.h"

#include <QCoreApplication>
#include <QScopeGuard>
#include <array>

#include "link/FailureReport.h"
#include "link/Pause.h"
#include "link/PortFailure.h"
#include "panel/DisplayFailure.h"
#include "panel/ReceiverControls.h"
#include "panel/TransmitControls.h"

namespace tq::panel {

namespace {

constexpr int kDigits = PanelModel::kDigits;
// The keyboard presses a digit under an index past the buttons, so the
// press routine can tell it from a mouse press.
constexpr int kKeyIndexOffset = 6;
constexpr int kUp = kLeftButton;
constexpr int kDown = kRightButton;
// Every step and repeat counted: a pass in ten is sent once the first five are.
constexpr int kSentFirst = 5;
constexpr int kSendEvery = 10;

// Step of each digit in 10 Hz units, index 0 being tens of MHz.
constexpr std::array<int, kDigits> kDigitSteps{1000000, 100000, 10000, 1000, 100, 10, 1};

// Step sizes of the external knob: the digit an I or D key steps.
constexpr std::array<std::pair<StepSize, int>, 4> kKeySteps{{
    {StepSize::Hz10, 6},
    {StepSize::Hz100, 5},
    {StepSize::KHz1, 4},
    {StepSize::KHz10, 3},
}};

int keyStepDigit(StepSize stepSize) {
    for (const auto& [size, digit] : kKeySteps) {
        if (size == stepSize) {
            return digit;
        }
    }
    return -1;
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

/// Sets a mode box to a value only when the value is one of its items, as a
/// drop-down list takes only an item: a blank box never blanks the other.
void setIfItem(Value<Mode>& box, Mode mode) {
    if (mode != Mode::Blank) {
        box.set(mode);
    }
}

}  // namespace

VfoControls::VfoControls(PanelContext panel, ReceiverControls& receiver, TransmitControls& transmit)
    : m_panel(panel), m_receiver(receiver), m_transmit(transmit), m_beep([] {}) {
    m_transmit.attachVfos(this);
}

VfoControls::~VfoControls() {
    m_transmit.attachVfos(nullptr);
}

bool VfoControls::vfoAPressRefused() const {
    // Besides the lock, a press never starts an exchange in the middle of
    // another one, and never moves the frequency while the panel keys the
    // radio (the lock follows the radio's answer, which comes later).
    return m_busyA || m_swapRunning || m_panel.model.frequencyLock() ||
           m_transmit.exchangeRunning() || m_transmit.inServedOperation() ||
           m_panel.link.SyncChar == protocol::SyncCharacter::K;
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
    try {
        stepVfoA(digit, button, !fromKeyboard);
    } catch (const link::PortFailure& failure) {
        link::reportFailure(m_panel.display, QStringLiteral("cmdF_MouseDown"), failure);
    } catch (const DisplayFailure& failure) {
        link::reportFailure(m_panel.display, QStringLiteral("cmdF_MouseDown"), failure);
    }
}

void VfoControls::stepVfoA(int digit, int direction, bool fromMouse) {
    m_busyA = true;
    // Busy lasts until the last send has its answer, so a press arriving in
    // that pause does not start a second exchange in the middle of it. Held
    // ends with the loop, whichever way it ends: a later key step must not
    // find it set and repeat until some release.
    const auto done = qScopeGuard([this] {
        m_busyA = false;
        m_heldA = false;
    });
    if (fromMouse) {
        m_heldA = true;
    }
    PanelModel& model = m_panel.model;
    const int step = kDigitSteps[static_cast<std::size_t>(digit)];
    model.infoLine.set(QString());
    QCoreApplication::processEvents();

    QString s = model.vfoA();
    if (!isSevenDigits(s)) {
        // Nothing to step from: the radio's frequency is shown again.
        m_panel.display.ShowFrequency();
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
        link::Pause(m_panel.link.clock(), kStepPause);
        // A held digit that was disabled or hidden never sees its release.
        if (fromMouse && !model.canRelease(Control::cmdF)) {
            m_heldA = false;
        }
        if (model.frequencyLock()) {
            // The radio went to transmit meanwhile: the step is dropped.
            locked = true;
            m_heldA = false;
            break;
        }
        if (!m_heldA) {
            // Released: the step just made reaches the radio only below.
            break;
        }
        model.vfoA.set(s);
        if (counter % kSendEvery != 0 && counter >= kSentFirst) {
            link::Pause(m_panel.link.clock(), kStepPause);
            sent = false;
        } else {
            m_transmit.RefreshTransmitState();
            sendFrequency(s);
            sent = true;
            m_panel.link.AwaitRadioReply();
        }
        ++counter;
    }
    if (!sent && !locked) {
        sendFrequency(s);
    }
    m_panel.link.AwaitRadioReply();
    m_panel.display.gUpdateDisplay();
}

void VfoControls::sendFrequency(const QString& digits) {
    m_panel.link.SendRadioCommand(QStringLiteral("F") + digits, true, kSendPause);
}

void VfoControls::cmdF_MouseUp(int /*index*/, int /*button*/, int /*shift*/, int /*x*/, int /*y*/) {
    m_heldA = false;
}

bool VfoControls::Form_KeyDown(int key) {
    if (key != kKeyUp && key != kKeyDown) {
        return false;
    }
    const int digit = keyStepDigit(m_panel.model.stepSize());
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
    PanelModel& model = m_panel.model;
    const int step = kDigitSteps[static_cast<std::size_t>(index)];
    while (m_heldB) {
        QString s = model.vfoB();
        int f = isSevenDigits(s) ? s.toInt() : 0;
        // A read-out outside the range is pulled to its nearer edge first.
        if (f < kLowest) {
            f = kLowest;
            model.vfoB.set(frequencyText(f));
        } else if (f >= kBeyondHighest) {
            f = kBeyondHighest - 1;
            model.vfoB.set(frequencyText(f));
        }
        s = frequencyText(f);
        if (button == kUp) {
            f += step;
        } else if (button == kDown) {
            f -= step;
        }
        // A step that would leave the range is dropped without a sound.
        if (inRange(f)) {
            s = frequencyText(f);
        }
        model.vfoB.set(s);
        link::Pause(m_panel.link.clock(), kVfoBRepeat);
        QCoreApplication::processEvents();
        if (!model.canRelease(Control::cmdVFOB)) {
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
    m_panel.model.vfoB.set(m_panel.model.vfoA());
    m_panel.requests.clear(PanelRequest::cmdA2B);
}

void VfoControls::swapCmd() {
    m_panel.requests.clear(PanelRequest::cmdSwap);
    // Transmitting with split exchanges the VFOs itself, before keying and
    // after letting go; the operator's Swap does nothing meanwhile.
    if (frequencyMayMove(m_panel.link)) {
        swapVfos();
    }
}

void VfoControls::swapVfos() {
    m_swapRunning = true;
    const auto done = qScopeGuard([this] { m_swapRunning = false; });
    PanelModel& model = m_panel.model;
    if (model.mode() != model.vfoBMode()) {
        const Mode oldA = model.mode();
        setIfItem(model.mode, model.vfoBMode());
        setIfItem(model.vfoBMode, oldA);
        m_receiver.modeCmd();
    }
    const QString oldB = model.vfoB();
    model.vfoB.set(model.vfoA());
    model.vfoA.set(oldB);
    const QString command = QStringLiteral("F") + oldB;
    // Written straight to the port and not awaited: whoever reads next
    // picks up the radio's answer.
    if (command != m_panel.link.state().FreqReply && isSevenDigits(oldB)) {
        m_panel.link.writeDirect(command + u'\n');
        link::Pause(m_panel.link.clock(), kSwapPause);
    }
}

void VfoControls::splitCmd() {
    Value<Split>& split = m_panel.model.split;
    split.set(split() == Split::Off ? Split::On : Split::Off);
    m_panel.requests.clear(PanelRequest::cmdSplit);
}

}  // namespace tq::panel
