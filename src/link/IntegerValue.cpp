#include "link/IntegerValue.h"

#include <algorithm>
#include <limits>

namespace tq::link {

namespace {
bool isBlank(QChar ch) {
    return ch == u' ' || ch == u'\t';
}
}  // namespace

int integerValue(const QString& text) {
    constexpr long long kLimit = std::numeric_limits<int>::max();
    long long value = 0;
    bool negative = false;
    bool signAllowed = true;
    for (const QChar ch : text) {
        if (isBlank(ch)) {
            continue;
        }
        if (signAllowed && (ch == u'-' || ch == u'+')) {
            negative = ch == u'-';
            signAllowed = false;
            continue;
        }
        if (ch < u'0' || ch > u'9') {
            break;
        }
        signAllowed = false;
        value = std::min(value * 10 + (ch.unicode() - u'0'), kLimit + 1);
    }
    if (negative) {
        return static_cast<int>(-std::min(value, kLimit + 1));
    }
    return static_cast<int>(std::min(value, kLimit));
}

}  // namespace tq::link
