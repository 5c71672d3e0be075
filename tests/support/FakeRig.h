#pragma once

#include <QStringList>

#include "rigctl/RigAccess.h"

namespace tq::test {

/// A radio as a plain record: reads come from its fields, operations are
/// logged and change them at once, and the transmit latch can be refused.
class FakeRig : public rigctl::RigAccess {
public:
    std::optional<qint64> frequency = 14074000;
    std::optional<rigctl::RigMode> currentMode = rigctl::RigMode::Usb;
    bool radioKeyed = false;
    bool latched = false;
    rigctl::RigResult transmitAnswer = rigctl::RigResult::Ok;
    QStringList log;

    std::optional<qint64> frequencyHz() const override { return frequency; }
    std::optional<rigctl::RigMode> mode() const override { return currentMode; }
    bool keyed() const override { return radioKeyed; }
    bool transmitLatched() const override { return latched; }
    rigctl::RigResult setFrequency(qint64 hz) override {
        log << QStringLiteral("freq %1").arg(hz);
        frequency = hz;
        return rigctl::RigResult::Ok;
    }
    rigctl::RigResult setMode(rigctl::RigMode mode) override {
        log << QStringLiteral("mode ") + rigctl::modeName(mode);
        currentMode = mode;
        return rigctl::RigResult::Ok;
    }
    rigctl::RigResult setTransmit(bool on) override {
        log << QStringLiteral("transmit %1").arg(on ? 1 : 0);
        if (transmitAnswer == rigctl::RigResult::Ok) {
            latched = radioKeyed = on;
        }
        return transmitAnswer;
    }
};

}  // namespace tq::test
