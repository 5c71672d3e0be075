#pragma once

#include <QString>

#include "panel/PanelTypes.h"

namespace tq::panel {

/// What the amplifier panel shows for one power/operate reply ("O1".."O4").
struct AmpPowerRow {
    const char* reply;
    AmpPower power;
    Colour powerColour;
    bool tuneEnabled;
    /// Only an operating amplifier has a tune state: otherwise the tune
    /// label is blanked, while operating it keeps its caption.
    bool keepTunedCaption;
    Colour tunedColour;
    AmpOperate operate;
    Colour operateColour;
};

/// What the tune label shows for one tune reply ("T1".."T4").
struct AmpTuneRow {
    const char* reply;
    AmpTune tune;
    Colour colour;
    /// A tune this program started owns the label until the amplifier
    /// reports the result, so idle states do not overwrite it.
    bool ignoredWhileTuneActive;
    /// "Tuned" ends the tune: the transmitter keyed for it is released.
    bool endsTune;
};

/// The row for a reply, or nullptr when the reply is none of them.
const AmpPowerRow* ampPowerRow(const QString& reply);
const AmpTuneRow* ampTuneRow(const QString& reply);

/// The reply of an amplifier that is operating, the only state in which its
/// tune replies mean anything.
inline const QString kAmpOperating = QStringLiteral("O4");

}  // namespace tq::panel
