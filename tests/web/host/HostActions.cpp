#include "web/host/HostActions.h"

#include <QEventLoop>
#include <QTimer>
#include <array>

#include "panel/BandButtons.h"
#include "panel/MeterScale.h"
#include "panel/PanelCaptions.h"
#include "panel/PanelNames.h"

namespace tq::test {

namespace {

using panel::PanelRequest;
using panel::Stepper;

constexpr int kVfoLow = 160000;
constexpr int kVfoHigh = 2999999;
constexpr std::array<int, 7> kDigitSteps{1000000, 100000, 10000, 1000, 100, 10, 1};

QString sevenDigits(int value) {
    return QStringLiteral("%1").arg(value, 7, 10, QLatin1Char('0'));
}

int modeDigit(panel::Mode mode) {
    return panel::itemIndex(mode) + 1;
}

}  // namespace

HostActions::HostActions(panel::PanelModel& model, QTextStream& out) : m_model(model), m_out(out) {}

void HostActions::wire(const QString& command) {
    m_out << "WIRE " << command << Qt::endl;
}

void HostActions::click(PanelRequest request) {
    m_out << "CLICK " << panel::requestName(request) << Qt::endl;
    if (const panel::BandButton* band = panel::bandButtonFor(request)) {
        m_model.infoLine.set(QStringLiteral("Band list %1").arg(QString::fromLatin1(band->band)));
        return;
    }
    switch (request) {
        case PanelRequest::cmdA2B:
            m_model.vfoB.set(m_model.vfoA());
            break;
        case PanelRequest::cmdSwap: {
            const QString a = m_model.vfoA();
            m_model.vfoA.set(m_model.vfoB());
            m_model.vfoB.set(a);
            wire(QStringLiteral("F") + m_model.vfoA());
            break;
        }
        case PanelRequest::cmdSplit:
            m_model.split.set(m_model.split() == panel::Split::On ? panel::Split::Off
                                                                  : panel::Split::On);
            break;
        case PanelRequest::cmdXmit:
            m_model.xmitActive.set(!m_model.xmitActive());
            m_model.setEnabled(panel::Control::cmdTune, !m_model.xmitActive());
            transmit(m_model.xmitActive());
            break;
        case PanelRequest::cmdTune:
            m_model.tuning.set(!m_model.tuning());
            m_model.setEnabled(panel::Control::cmdXmit, !m_model.tuning());
            transmit(m_model.tuning());
            break;
        case PanelRequest::cmdVM:
            m_model.channelOperation.set(m_model.channelOperation() == panel::ChannelOperation::Vfo
                                             ? panel::ChannelOperation::Memory
                                             : panel::ChannelOperation::Vfo);
            m_model.frequencyLock.set(m_model.channelOperation() ==
                                      panel::ChannelOperation::Memory);
            break;
        case PanelRequest::cmdM2V:
            wire(QStringLiteral("C") + m_model.channel());
            m_model.infoLine.set(QStringLiteral("Channel ") + m_model.channel());
            break;
        case PanelRequest::cmdAmpPwr: {
            const bool on = m_model.ampPower() != panel::AmpPower::On;
            wire(on ? QStringLiteral("O2") : QStringLiteral("O1"));
            m_model.ampPower.set(on ? panel::AmpPower::On : panel::AmpPower::Off);
            m_model.ampPowerColour.set(on ? panel::Colour::Red : panel::Colour::White);
            m_model.ampOperate.set(on ? panel::AmpOperate::Standby : panel::AmpOperate::Blank);
            m_model.ampOperateColour.set(on ? panel::Colour::Green : panel::Colour::White);
            break;
        }
        default:
            break;
    }
}

void HostActions::press(Stepper stepper, int index, int button) {
    if (m_held.contains(stepper)) {
        return;  // busy, as the program's own stepping loops are
    }
    if (stepper == Stepper::Ptt) {
        if (button != panel::kLeftButton) {
            return;
        }
        transmit(true);
        holdUntilReleased(stepper, 0, index, button);
        transmit(false);
        return;
    }
    if (stepper == Stepper::VfoA && m_model.frequencyLock()) {
        return;
    }
    step(stepper, index, button);
    holdUntilReleased(stepper, 250, index, button);
}

void HostActions::holdUntilReleased(Stepper stepper, int repeatMs, int index, int button) {
    QEventLoop loop;
    QTimer repeat;
    if (repeatMs > 0) {
        connect(&repeat, &QTimer::timeout, this, [=, this] { step(stepper, index, button); });
        repeat.start(repeatMs);
    }
    m_held[stepper] = &loop;
    loop.exec();
    m_held.erase(stepper);
}

void HostActions::release(Stepper stepper, int, int) {
    if (const auto found = m_held.find(stepper); found != m_held.end()) {
        found->second->quit();
    }
}

void HostActions::step(Stepper stepper, int index, int button) {
    const int sign = button == panel::kLeftButton ? 1 : -1;
    if (stepper == Stepper::Channel) {
        const int channel = m_model.channel().toInt() + sign * (index == 0 ? 10 : 1);
        if (channel >= 0 && channel <= 99) {
            m_model.channel.set(QStringLiteral("%1").arg(channel, 2, 10, QLatin1Char('0')));
        }
        return;
    }
    panel::Value<QString>& vfo = stepper == Stepper::VfoA ? m_model.vfoA : m_model.vfoB;
    const int next = vfo().toInt() + sign * kDigitSteps[static_cast<std::size_t>(index)];
    if (next < kVfoLow || next > kVfoHigh) {
        return;
    }
    vfo.set(sevenDigits(next));
    if (stepper == Stepper::VfoA) {
        wire(QStringLiteral("F") + vfo());
    }
}

void HostActions::transmit(bool on) {
    wire(on ? QStringLiteral("K") : QStringLiteral("U"));
    m_model.transmitting.set(on);
    m_model.frequencyLock.set(on);
    m_model.syncLabel.set(on ? QStringLiteral("K") : QStringLiteral("U"));
    m_model.syncLabelColour.set(on ? panel::Colour::Red : panel::Colour::Green);
}

void HostActions::chooseMode(panel::Mode mode) {
    m_model.mode.set(mode);
    wire(QStringLiteral("M%1").arg(modeDigit(mode)));
}
void HostActions::chooseAgc(panel::Agc agc) {
    m_model.agc.set(agc);
}
void HostActions::chooseSource(panel::Source source) {
    m_model.source.set(source);
}
void HostActions::chooseDigitalMode(panel::DigitalMode mode) {
    m_model.digitalMode.set(mode);
}
void HostActions::chooseStepSize(panel::StepSize step) {
    m_model.stepSize.set(step);
}
void HostActions::chooseVfoBMode(panel::Mode mode) {
    m_model.vfoBMode.set(mode);
}
void HostActions::chooseMeter(int index) {
    m_model.meterChecked.set(index);
    m_model.meterLabels.set(panel::MeterLabels{false, index});
    const QString selection = QStringLiteral("D%1").arg(index + 1);
    m_model.meterScale.set(
        panel::meterScaleFor(selection, m_model.transmitting()).value_or(QString()));
    wire(selection);
}
void HostActions::moveBfo(int value) {
    m_model.bfoValue.set(value);
}
void HostActions::moveRfGain(int value) {
    m_model.rfGain.set(value);
}
bool HostActions::key(int) {
    return false;
}

}  // namespace tq::test
