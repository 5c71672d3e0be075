#include "web/PasswordHash.h"

#include <QCryptographicHash>
#include <QPasswordDigestor>
#include <QStringList>

#include "web/RandomBytes.h"

namespace tq::web {

namespace {

const QString kScheme = QStringLiteral("pbkdf2-sha256");
// Far above what the panel ever writes; a file naming more is refused rather
// than keeping the user-interface's worker busy for minutes.
constexpr int kMaxIterations = 10'000'000;

QByteArray derive(const QString& password, const QByteArray& salt, int iterations) {
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password.toUtf8(), salt,
                                              iterations, PasswordHash::kKeyBytes);
}

// Compares in time that does not depend on where the first difference is.
bool sameBytes(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size()) {
        return false;
    }
    unsigned char difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i) {
        difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    }
    return difference == 0;
}

}  // namespace

QString PasswordHash::make(const QString& password, int iterations) {
    const QByteArray salt = randomBytes(kSaltBytes);
    return QStringList{kScheme, QString::number(iterations), QString::fromLatin1(salt.toBase64()),
                       QString::fromLatin1(derive(password, salt, iterations).toBase64())}
        .join(u'$');
}

bool PasswordHash::verify(const QString& password, const QString& stored) {
    const QStringList parts = stored.trimmed().split(u'$');
    if (parts.size() != 4 || parts[0] != kScheme) {
        return false;
    }
    bool numeric = false;
    const int iterations = parts[1].toInt(&numeric);
    const auto salt = QByteArray::fromBase64Encoding(parts[2].toLatin1(),
                                                     QByteArray::AbortOnBase64DecodingErrors);
    const auto key = QByteArray::fromBase64Encoding(parts[3].toLatin1(),
                                                    QByteArray::AbortOnBase64DecodingErrors);
    if (!numeric || iterations < 1 || iterations > kMaxIterations || !salt || !key ||
        salt.decoded.isEmpty() || key.decoded.size() != kKeyBytes) {
        return false;
    }
    return sameBytes(derive(password, salt.decoded, iterations), key.decoded);
}

}  // namespace tq::web
