#include "persist/ScanFreqsFile.h"

#include <limits>

#include "persist/PersistedFile.h"

namespace tq::persist {

ScanFreqsFile parseScanFreqs(const QString& text) {
    ScanFreqsFile file;
    const QStringList lines = persist::persistedLines(text);
    const qsizetype rowLines = std::min<qsizetype>(lines.size(), ScanFreqsFile::kRows);
    for (qsizetype i = 0; i < rowLines; ++i) {
        file.rows[static_cast<std::size_t>(i)] = splitListLine(lines.at(i));
    }
    if (lines.size() > ScanFreqsFile::kRows) {
        bool isNumber = false;
        const int seconds = lines.at(ScanFreqsFile::kRows).trimmed().toInt(&isNumber);
        if (isNumber && seconds >= std::numeric_limits<qint16>::min() &&
            seconds <= std::numeric_limits<qint16>::max()) {
            file.dwell = QString::number(seconds);
        }
    }
    return file;
}

QString formatScanFreqs(const ScanFreqsFile::Rows& rows, const QString& dwellText) {
    const QString lineEnd = QStringLiteral("\r\n");
    QString text;
    for (const ListRow& row : rows) {
        text += joinListLine(row) + lineEnd;
    }
    return text + dwellText + lineEnd;
}

}  // namespace tq::persist
