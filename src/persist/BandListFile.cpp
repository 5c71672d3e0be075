#include "persist/BandListFile.h"

#include <QFile>
#include <QStringDecoder>

#include "link/RegularFile.h"
#include "persist/PersistedFile.h"

namespace tq::persist {

namespace {

QString decoded(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        return QString::fromLatin1(bytes);
    }
    return text;
}

}  // namespace

std::optional<BandListRows> readBandListFile(const QString& name) {
    QFile file;
    if (link::openRegularFile(file, name)) {
        return std::nullopt;
    }
    QByteArray head;
    for (std::size_t line = 0; line < kBandListRows && !file.atEnd(); ++line) {
        // readLine keeps the line end; one byte more than the limit leaves
        // room for it.
        QByteArray bytes = file.readLine(kBandListLineLimit + 2);
        if (file.error() != QFileDevice::NoError) {
            return std::nullopt;
        }
        if (!bytes.endsWith('\n')) {
            // Cut off at the limit (or the last line of the file): skip to the
            // line's end and end the kept part there.
            while (!file.atEnd()) {
                char c = 0;
                if (!file.getChar(&c) || c == '\n') {
                    break;
                }
            }
            bytes.truncate(kBandListLineLimit);
            bytes += '\n';
        }
        head += bytes;
    }
    return parseBandList(decoded(head));
}

std::optional<persist::PersistedFileError> writeBandListFile(const QString& name,
                                                             const BandListRows& rows) {
    return persist::writePersistedFile(name, formatBandList(rows));
}

}  // namespace tq::persist
