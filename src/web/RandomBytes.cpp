#include "web/RandomBytes.h"

#include <QRandomGenerator>
#include <vector>

namespace tq::web {

QByteArray randomBytes(int count) {
    std::vector<quint32> words(static_cast<std::size_t>((count + 3) / 4));
    QRandomGenerator::system()->fillRange(words.data(), static_cast<qsizetype>(words.size()));
    return QByteArray(reinterpret_cast<const char*>(words.data()), count);
}

QString randomToken(int bytes) {
    return QString::fromLatin1(randomBytes(bytes).toBase64(QByteArray::Base64UrlEncoding |
                                                           QByteArray::OmitTrailingEquals));
}

}  // namespace tq::web
