#pragma once

#include <QString>
#include <optional>
#include <span>

namespace tq::panel {

/// One reply code and the caption the panel shows for it.
struct CaptionRow {
    const char* reply;
    const char* caption;
};

/// The caption for a whole reply (both characters compared), or nothing when
/// the reply is none of the table's: an unknown or blank-padded reply leaves
/// its control as it was.
std::optional<QString> captionFor(std::span<const CaptionRow> table, const QString& reply);

/// The reply whose caption is the given text, or nothing.
std::optional<QString> replyFor(std::span<const CaptionRow> table, const QString& caption);

// The radio's two-character replies and what the panel shows for them.
std::span<const CaptionRow> modeCaptions();
std::span<const CaptionRow> agcCaptions();
std::span<const CaptionRow> sourceCaptions();
std::span<const CaptionRow> remoteCaptions();
std::span<const CaptionRow> muteCaptions();
std::span<const CaptionRow> clipCaptions();
std::span<const CaptionRow> pttEnableCaptions();
std::span<const CaptionRow> sideToneCaptions();
std::span<const CaptionRow> voxCaptions();
/// The mode digit of a memory channel entry ("1".."4").
std::span<const CaptionRow> channelModeCaptions();

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
