#include "app/StationRigAccess.h"

#include <array>

namespace tq::app {

namespace {

using panel::SetVerdict;

struct ModeCode {
    rigctl::RigMode mode;
    const char* reply;
};

constexpr std::array<ModeCode, 4> kModeCodes{{
    {rigctl::RigMode::Usb, "M1"},
    {rigctl::RigMode::Lsb, "M2"},
    {rigctl::RigMode::Am, "M3"},
    {rigctl::RigMode::Cw, "M4"},
}};

rigctl::RigResult resultOf(SetVerdict verdict) {
    switch (verdict) {
        case SetVerdict::Accepted:
            return rigctl::RigResult::Ok;
        case SetVerdict::RadioLost:
            return rigctl::RigResult::IoError;
        case SetVerdict::Refused:
            break;
    }
    return rigctl::RigResult::Rejected;
}

}  // namespace

std::optional<qint64> StationRigAccess::frequencyHz() const {
    const QString digits = m_gateway.view().frequency;
    if (digits.isEmpty()) {
        return std::nullopt;
    }
    return digits.toLongLong() * 10;
}

rigctl::RigResult StationRigAccess::setFrequency(qint64 hz) {
    return resultOf(m_gateway.setFrequency(QString::number(hz / 10).rightJustified(7, u'0')));
}

std::optional<rigctl::RigMode> StationRigAccess::mode() const {
    const QString mode = m_gateway.view().mode;
    for (const ModeCode& code : kModeCodes) {
        if (mode == QLatin1String(code.reply)) {
            return code.mode;
        }
    }
    return std::nullopt;
}

rigctl::RigResult StationRigAccess::setMode(rigctl::RigMode mode) {
    for (const ModeCode& code : kModeCodes) {
        if (code.mode == mode) {
            return resultOf(m_gateway.setMode(QLatin1String(code.reply)));
        }
    }
    return rigctl::RigResult::InvalidArgument;
}

bool StationRigAccess::keyed() const {
    return m_gateway.view().keyed;
}

rigctl::RigResult StationRigAccess::setTransmit(bool on) {
    return resultOf(m_gateway.setTransmit(on));
}

bool StationRigAccess::transmitLatched() const {
    return m_gateway.view().xmitLatched;
}

}  // namespace tq::app
