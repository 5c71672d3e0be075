#include "web/SessionStore.h"

#include <algorithm>

#include "web/RandomBytes.h"

namespace tq::web {

namespace {

// Compares in time that does not depend on where the first difference is.
bool sameText(const QString& a, const QString& b) {
    const QByteArray x = a.toUtf8();
    const QByteArray y = b.toUtf8();
    if (x.size() != y.size()) {
        return false;
    }
    unsigned char difference = 0;
    for (qsizetype i = 0; i < x.size(); ++i) {
        difference |= static_cast<unsigned char>(x[i] ^ y[i]);
    }
    return difference == 0;
}

}  // namespace

SessionStore::SessionStore(WebTime& time) : m_time(time) {}

QString SessionStore::create() {
    expire();
    if (m_expiry.size() >= kMaxSessions) {
        const auto oldest =
            std::min_element(m_expiry.begin(), m_expiry.end(),
                             [](const auto& a, const auto& b) { return a.second < b.second; });
        m_expiry.erase(oldest);
    }
    QString id = randomToken();
    m_expiry[id] = m_time.now() + kLifetime;
    return id;
}

bool SessionStore::isValid(const QString& id) {
    return remaining(id) > 0.0;
}

double SessionStore::remaining(const QString& id) {
    const auto found = m_expiry.find(id);
    if (id.isEmpty() || found == m_expiry.end()) {
        return 0.0;
    }
    return std::max(0.0, found->second - m_time.now());
}

void SessionStore::remove(const QString& id) {
    m_expiry.erase(id);
}

QStringList SessionStore::expire() {
    const double now = m_time.now();
    QStringList expired;
    for (auto it = m_expiry.begin(); it != m_expiry.end();) {
        if (it->second <= now) {
            expired << it->first;
            it = m_expiry.erase(it);
        } else {
            ++it;
        }
    }
    return expired;
}

QString SessionStore::issueAccessToken() {
    m_accessToken = randomToken();
    return *m_accessToken;
}

bool SessionStore::redeemAccessToken(const QString& token) {
    if (!m_accessToken || token.isEmpty() || !sameText(token, *m_accessToken)) {
        return false;
    }
    m_accessToken.reset();
    return true;
}

}  // namespace tq::web
