#include "persist/PersistedNumber.h"

#include <cmath>

namespace tq::persist {

namespace {

// Six decimals are far finer than a twip, the finest unit the files hold.
constexpr int kMaxDecimals = 6;

bool isBlank(QChar ch) {
    return ch == u' ' || ch == u'\t';
}

bool isDigit(QChar ch) {
    return ch >= u'0' && ch <= u'9';
}

}  // namespace

QString formatPersistedNumber(double value) {
    if (!std::isfinite(value)) {
        value = 0.0;
    }
    QString digits = QString::number(std::fabs(value), 'f', kMaxDecimals);
    // Trailing zeros of the fraction, then a bare point, are not part of the value.
    while (digits.endsWith(u'0')) {
        digits.chop(1);
    }
    if (digits.endsWith(u'.')) {
        digits.chop(1);
    }
    if (digits.isEmpty()) {
        digits = QStringLiteral("0");
    }
    // A value that rounds to zero is printed as a plain 0, never as "-0".
    const bool negative = value < 0.0 && digits != u"0";
    return (negative ? QStringLiteral("-") : QStringLiteral(" ")) + digits + u' ';
}

double persistedNumberValue(const QString& line) {
    QString number;
    bool signAllowed = true;
    bool pointSeen = false;
    for (const QChar ch : line) {
        if (isBlank(ch)) {
            continue;
        }
        if (signAllowed && (ch == u'-' || ch == u'+')) {
            number += ch;
            signAllowed = false;
            continue;
        }
        signAllowed = false;
        if (isDigit(ch)) {
            number += ch;
        } else if (ch == u'.' && !pointSeen) {
            number += ch;
            pointSeen = true;
        } else {
            break;
        }
    }
    // What was collected is a sign, digits and at most one point, so toDouble
    // fails only when no digit came ("", "-", "."): that reads as 0.
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

}  // namespace tq::persist
