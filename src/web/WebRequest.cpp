#include "web/WebRequest.h"

namespace tq::web {

QByteArray WebRequest::header(const QByteArray& name) const {
    for (const auto& [key, value] : headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0) {
            return value;
        }
    }
    return {};
}

QString WebRequest::cookie(const QByteArray& name) const {
    for (const QByteArray& pair : header("Cookie").split(';')) {
        const qsizetype equals = pair.indexOf('=');
        if (equals > 0 && pair.left(equals).trimmed() == name) {
            return QString::fromLatin1(pair.mid(equals + 1).trimmed());
        }
    }
    return {};
}

}  // namespace tq::web
