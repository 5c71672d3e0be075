#pragma once

#include <QString>

namespace tq::panel {

/// Names one value of the panel model, for views that observe changes: the
/// window to repaint the matching control, the browser panel to send it.
/// Listed in the order of the model's members.
enum class Field {
    // Frequency (V)
    vfoA,
    vfoB,
    vfoBMode,
    split,
    stepSize,
    infoLine,
    // Mode, AGC, source, digital mode; transmit and tune
    mode,
    agc,
    source,
    digitalMode,
    xmitActive,
    tuning,
    transmitting,
    bandIndicator,
    bandIndicatorColour,
    frequencyLock,
    // Panel switches and their indicators
    mute,
    pttEnable,
    sideTone,
    vox,
    clipping,
    controlMode,
    remoteIndicator,
    remoteIndicatorColour,
    extPtt,
    // Meter
    meterChecked,
    meterLabels,
    meterScale,
    meterLevel,
    meterChoice,
    // BFO and RF gain
    bfoValue,
    bfoOn,
    bfoLabel,
    bfoSign,
    rfGain,
    // Memory
    channel,
    channelOperation,
    // Amplifier
    ampPower,
    ampPowerColour,
    ampOperate,
    ampOperateColour,
    ampTune,
    ampTuneColour,
    ampTuneActive,
    ampTuneStarted,
    // CAT
    catInput,
    catOutput,
    // Information and link status
    info,
    infoStandby,
    rawData,
    rawDataOn,
    comStatus,
    firmwareCaption,
    syncLabel,
    syncLabelColour,
    lamp,
    panelEnabled,
};
inline constexpr int kFieldCount = static_cast<int>(Field::panelEnabled) + 1;

/// The field's name as written above ("vfoA"): the key the browser panel's
/// messages carry.
QString fieldName(Field field);

}  // namespace tq::panel
