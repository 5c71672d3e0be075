#include "persist/ListLine.h"

namespace tq::persist {

namespace {

qsizetype skipSpaces(const QString& line, qsizetype from) {
    while (from < line.size() && line.at(from) == u' ') {
        ++from;
    }
    return from;
}

}  // namespace

ListRow splitListLine(const QString& line) {
    ListRow row;
    const qsizetype firstSpace = line.indexOf(u' ');
    if (firstSpace < 0) {
        row.freq = line;
        return row;
    }
    row.freq = line.left(firstSpace);
    const qsizetype modeStart = skipSpaces(line, firstSpace);
    qsizetype modeEnd = line.indexOf(u' ', modeStart);
    if (modeEnd < 0) {
        modeEnd = line.size();
    }
    row.mode = line.mid(modeStart, modeEnd - modeStart);
    row.info = line.mid(skipSpaces(line, modeEnd));
    return row;
}

QString joinListLine(const ListRow& row) {
    return row.freq + u' ' + row.mode + u' ' + row.info;
}

}  // namespace tq::persist
