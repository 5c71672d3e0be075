#include "panel/ListFrequency.h"

#include <array>

namespace tq::panel {

namespace {

constexpr int kDigits = 7;
constexpr int kLowestTunable = 160000;
constexpr int kHighestTunable = 2999999;

struct ModeName {
    const char* word;
    const char* code;
};

constexpr std::array<ModeName, 4> kModes{{
    {"USB", "M1"},
    {"LSB", "M2"},
    {"AME", "M3"},
    {"CW", "M4"},
}};

// Only ASCII digits: other scripts' digits are no frequency the radio reads.
bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

}  // namespace

std::optional<QString> listFrequencyDigits(const QString& text) {
    QString digits(kDigits, u'0');
    // "7.1" is 7 MHz, not 71: a single MHz digit leaves the tens place 0.
    const bool singleMhzDigit = text.size() >= 3 && isAsciiDigit(text.at(0)) &&
                                text.at(1) == u'.' && isAsciiDigit(text.at(2));
    int position = singleMhzDigit ? 1 : 0;
    for (const QChar c : text) {
        if (!isAsciiDigit(c)) {
            continue;
        }
        if (position >= kDigits) {
            return std::nullopt;
        }
        digits[position++] = c;
    }
    return digits;
}

bool inTuningRange(const QString& digits) {
    bool number = false;
    const int value = digits.toInt(&number);
    return number && value >= kLowestTunable && value <= kHighestTunable;
}

std::optional<QString> listFrequencyFromReply(const QString& reply) {
    if (reply.size() < kDigits + 1 || reply.at(0) != u'F') {
        return std::nullopt;
    }
    const QString digits = reply.mid(1, kDigits);
    for (const QChar c : digits) {
        if (!isAsciiDigit(c)) {
            return std::nullopt;
        }
    }
    QString text;
    if (digits.at(0) != u'0') {
        text += digits.at(0);
    }
    return text + digits.at(1) + u'.' + digits.mid(2);
}

std::optional<QString> modeWordOf(const QString& code) {
    for (const ModeName& mode : kModes) {
        if (code == QLatin1String(mode.code)) {
            return QString::fromLatin1(mode.word);
        }
    }
    return std::nullopt;
}

std::optional<QString> modeCodeOf(const QString& word) {
    const QString upper = word.toUpper();
    for (const ModeName& mode : kModes) {
        if (upper == QLatin1String(mode.word)) {
            return QString::fromLatin1(mode.code);
        }
    }
    return std::nullopt;
}

}  // namespace tq::panel
