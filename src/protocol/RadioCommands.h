#pragma once

#include <QString>

#include "protocol/RadioLink.h"

namespace tq::protocol {

/// Brings one radio setting to a wanted value, starting from the value the
/// radio last reported: by pressing the radio's key the right number of
/// times, or by a direct set where the firmware takes one.
///
/// Until the firmware dialect is known (FirmwareType undecided) the key letters are
/// unknown, so the key-pressing commands send nothing rather than guess;
/// the commands that name their value ("'0"/"'1") are sent as for the newer
/// firmware, since they cannot toggle the wrong way.
class RadioCommands {
public:
    explicit RadioCommands(RadioLink& link);

    /// Sets the current VFO's frequency from exactly seven digits (10 Hz
    /// units); anything else sends nothing.
    void SendFrequency(const QString& digits);
    void StepAgc(const QString& target);
    void SelectMode(const QString& target);
    void StepMeter(const QString& target);
    void StepModeOnce();
    void TogglePttEnable();

    /// Key letters of each dialect; empty where the dialect has none.
    static QString agcKey(Firmware firmwareType);
    static QString modeKey(Firmware firmwareType);
    static QString meterKey(Firmware firmwareType);

private:
    void pressKey(const QString& key, int presses, double pauseSeconds);
    void writeDirectSet(const QString& value);
    void showChangedModeSettings();

    RadioLink& m_link;
    RadioState& m_state;
};

}  // namespace tq::protocol
