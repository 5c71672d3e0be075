#include "persist/PersistedState.h"

#include <array>

#include "persist/PersistedNumber.h"
#include "persist/SettingsLines.h"

namespace tq::persist {

namespace {

constexpr int kVfoBDigitCount = 7;

using Chars = LineRule::Chars;

// What each line of TQ5820ini.txt can be. The edges are numbers the program
// prints in under 16 characters; the texts are the captions of the
// controls they came from ("LSB", "Split Off", "10KHz"), with room for a
// word typed by hand, but never enough to stretch the window.
constexpr std::array<LineRule, 6> kLines{{
    {Chars::Ascii, 24},                // left edge, twips
    {Chars::Ascii, 24},                // top edge, twips
    {Chars::Digits, kVfoBDigitCount},  // VFO B digits
    {Chars::Text, 8},                  // VFO B mode word
    {Chars::Text, 16},                 // split caption
    {Chars::Text, 8},                  // step size
}};

}  // namespace

PersistedState PersistedState::parse(const QString& text) {
    const SettingsLines lines(text, kLines);
    PersistedState state;
    state.left = persistedNumberValue(lines.value(0));
    state.top = persistedNumberValue(lines.value(1));
    const QString digits = lines.value(2);
    if (digits.size() == kVfoBDigitCount) {
        state.vfoBDigits = digits;
    }
    state.vfoBMode = lines.value(3);
    state.splitCaption = lines.value(4);
    state.stepSize = lines.value(5);
    return state;
}

QString PersistedState::format() const {
    const QString crlf = QStringLiteral("\r\n");
    return formatPersistedNumber(left) + crlf + formatPersistedNumber(top) + crlf +
           vfoBDigits.value_or(QString()) + crlf + vfoBMode + crlf + splitCaption + crlf +
           stepSize + crlf;
}

}  // namespace tq::persist
