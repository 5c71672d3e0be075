#include "persist/LineRule.h"

#include <QList>
#include <algorithm>

namespace tq::persist {

namespace {

bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

bool isPrintableAscii(char32_t c) {
    return c >= U' ' && c <= U'~';
}

bool isPrintableText(char32_t c) {
    return c != QChar::ReplacementCharacter && QChar::isPrint(c);
}

}  // namespace

bool LineRule::fits(const QString& line) const {
    if (line.size() > maxLength) {
        return false;
    }
    const QList<uint> codePoints = line.toUcs4();
    const auto allOf = [&codePoints](bool (*accepted)(char32_t)) {
        return std::all_of(codePoints.begin(), codePoints.end(),
                           [accepted](uint c) { return accepted(static_cast<char32_t>(c)); });
    };
    switch (chars) {
        case Chars::Digits:
            return allOf(isDigit);
        case Chars::Ascii:
            return allOf(isPrintableAscii);
        case Chars::Text:
            return allOf(isPrintableText);
    }
    return false;
}

}  // namespace tq::persist
