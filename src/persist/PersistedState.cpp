#include "persist/PersistedState.h"

#include "persist/PersistedFile.h"
#include "persist/PersistedNumber.h"

namespace tq::persist {

namespace {

constexpr int kVfoBDigitCount = 7;

bool isSevenDigits(const QString& line) {
    if (line.size() != kVfoBDigitCount) {
        return false;
    }
    for (const QChar ch : line) {
        if (ch < u'0' || ch > u'9') {
            return false;
        }
    }
    return true;
}

}  // namespace

PersistedState PersistedState::parse(const QString& text) {
    const QStringList lines = persistedLines(text);
    PersistedState state;
    state.left = persistedNumberValue(lines.value(0));
    state.top = persistedNumberValue(lines.value(1));
    const QString digits = lines.value(2);
    if (isSevenDigits(digits)) {
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
