#pragma once

#include <QString>
#include <array>
#include <cstddef>

#include "persist/ListLine.h"

namespace tq::persist {

/// One row of a band list: the frequency in MHz as typed, the mode word and
/// a free-text note, split as every list line is.
using BandListRow = ListRow;

inline constexpr std::size_t kBandListRows = 14;

/// The rows of a band list window, top to bottom.
using BandListRows = std::array<BandListRow, kBandListRows>;

/// The rows a list file's text gives: line n fills row n-1, lines after the
/// 14th are ignored, and rows without a line stay empty. A line is the
/// frequency up to its first space, then after any run of spaces the mode up
/// to the next space, then after any run of spaces the rest of the line as
/// the note, trailing blanks included. Lines end in CR LF or LF. A non-empty
/// line without a space is all frequency.
BandListRows parseBandList(const QString& text);

/// The text of a list file: all 14 rows as frequency, space, mode, space,
/// note, each ended by CR LF, so an empty row is a line of two spaces and the
/// file always has 14 lines. A line break inside a field would split its row
/// in two, so it is written as a blank.
QString formatBandList(const BandListRows& rows);

/// The numeric value of a frequency text for sorting: the number it begins
/// with (blanks before it skipped), in single precision as the list has
/// always compared them; 0 for empty text or text that does not begin with a
/// number.
float bandSortKey(const QString& freq);

/// The rows sorted by frequency for the Sort button: rows whose frequency
/// value is not 0 in ascending order, rows of equal value in the reverse of
/// their former order, then empty rows. A row whose value is 0 (empty, "0",
/// a word) is dropped with its mode and note.
BandListRows sortBandList(const BandListRows& rows);

}  // namespace tq::persist
