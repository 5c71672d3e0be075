#include "web/LoginThrottle.h"

#include <algorithm>
#include <cmath>

namespace tq::web {

LoginThrottle::LoginThrottle(WebTime& time) : m_time(time) {}

QString LoginThrottle::key(const QHostAddress& address) {
    // An IPv4 client on a dual-stack socket arrives as ::ffff:a.b.c.d; both
    // spellings are one address.
    bool isV4 = false;
    const quint32 v4 = address.toIPv4Address(&isV4);
    return isV4 ? QHostAddress(v4).toString() : address.toString();
}

double LoginThrottle::waitFor(const QHostAddress& address) {
    const auto found = m_records.find(key(address));
    if (found == m_records.end()) {
        return 0.0;
    }
    return std::max(0.0, found->second.nextAllowed - m_time.now());
}

void LoginThrottle::failed(const QHostAddress& address) {
    const double now = m_time.now();
    Record& record = m_records[key(address)];
    ++record.failures;
    record.last = now;
    const int over = record.failures - kFreeAttempts;
    if (over > 0) {
        const double delay =
            std::min(kMaxDelay, kFirstDelay * std::pow(2.0, std::min(over - 1, 20)));
        record.nextAllowed = now + delay;
    }
}

void LoginThrottle::succeeded(const QHostAddress& address) {
    m_records.erase(key(address));
}

void LoginThrottle::expire() {
    const double now = m_time.now();
    std::erase_if(m_records, [&](const auto& entry) {
        return now - entry.second.last >= kForgetAfter && entry.second.nextAllowed <= now;
    });
}

}  // namespace tq::web
