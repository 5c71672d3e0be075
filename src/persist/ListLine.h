#pragma once

#include <QString>

namespace tq::persist {

/// One row of a frequency list as its file line holds it: frequency, mode
/// word and a free note.
struct ListRow {
    QString freq;
    QString mode;
    QString info;

    bool operator==(const ListRow&) const = default;
};

/// Splits a list file line: the frequency runs up to the first space, the
/// mode is the next run of non-blanks after one or more spaces, and the
/// note is the rest after the spaces that follow, its own spaces kept
/// ("14.20000   USB    Net control   "). A missing field is empty; an empty
/// line is an empty row. A line without any space is all frequency.
ListRow splitListLine(const QString& line);

/// The line that splitListLine reads back into the same row: the three
/// fields joined by single spaces, so an empty row is two spaces.
QString joinListLine(const ListRow& row);

}  // namespace tq::persist
