#pragma once

#include <QString>
#include <optional>

#include "panel/PanelTypes.h"

namespace tq::panel {

// The radio's two-character replies and the panel values they stand for. A
// reply that is none of a table's (unknown, or a blank-padded field the radio
// never filled) gives nothing, and the control it would set stays as it was.

std::optional<Mode> modeOfReply(const QString& reply);
std::optional<Agc> agcOfReply(const QString& reply);
/// H1..H4; the remote audio path is a reply of its own.
std::optional<Source> sourceOfReply(const QString& reply);
std::optional<RemoteIndicator> remoteOfReply(const QString& reply);
std::optional<OnOff> muteOfReply(const QString& reply);
std::optional<OnOff> clippingOfReply(const QString& reply);
std::optional<OnOff> pttEnableOfReply(const QString& reply);
std::optional<OnOff> sideToneOfReply(const QString& reply);
std::optional<Vox> voxOfReply(const QString& reply);
/// The mode digit of a memory channel entry ("1".."4").
std::optional<Mode> modeOfChannelDigit(const QString& digit);

/// The reply code that selects a value ("M2" for LSB); nothing for a value
/// the radio has no code for (Blank, the remote audio path).
std::optional<QString> replyOf(Mode mode);
std::optional<QString> replyOf(Agc agc);
std::optional<QString> replyOf(Source source);

/// The seven frequency digits of a frequency reply, only when the reply is
/// exactly "F" followed by seven decimal digits.
std::optional<QString> frequencyDigitsOf(const QString& freqReply);

/// A reply code of one letter and one digit ("H3", "V2", "M1"), as the
/// panel saves settings to go back to; a field the radio never filled is
/// blank and names no setting.
inline bool isReplyCode(const QString& text, QChar letter) {
    return text.size() == 2 && text.at(0) == letter && text.at(1).isDigit();
}

// Audio path codes: the quotation mark followed by "0" (remote) or "1" (local).
inline const QString kRemoteAudio = QStringLiteral("\"0");
inline const QString kLocalAudio = QStringLiteral("\"1");

}  // namespace tq::panel
