#pragma once

#include <QHostAddress>
#include <QString>
#include <map>

#include "web/WebTime.h"

namespace tq::web {

/// Slows down password guessing: after a few wrong passwords from one
/// address, that address must wait before its next attempt is even looked
/// at, twice as long after each further wrong one.
class LoginThrottle {
public:
    /// Wrong passwords an address may send before it has to wait.
    static constexpr int kFreeAttempts = 3;
    static constexpr double kFirstDelay = 1.0;
    static constexpr double kMaxDelay = 300.0;
    /// An address quiet this long starts afresh.
    static constexpr double kForgetAfter = 3600.0;

    explicit LoginThrottle(WebTime& time);

    /// Seconds the address must still wait before its next attempt counts;
    /// 0 when it may try now.
    double waitFor(const QHostAddress& address);
    void failed(const QHostAddress& address);
    void succeeded(const QHostAddress& address);
    /// Forgets addresses that have been quiet a long time.
    void expire();

private:
    struct Record {
        int failures = 0;
        double nextAllowed = 0.0;
        double last = 0.0;
    };
    static QString key(const QHostAddress& address);

    WebTime& m_time;
    std::map<QString, Record> m_records;
};

}  // namespace tq::web
