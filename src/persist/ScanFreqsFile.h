#pragma once

#include <QString>
#include <array>
#include <optional>

#include "persist/ListLine.h"

namespace tq::persist {

/// The list scanner's file, by bare name in the data directory.
inline const QString kScanFreqsFileName = QStringLiteral("ScanFreqs.txt");

/// What ScanFreqs.txt holds: thirteen rows, then the dwell time in seconds.
struct ScanFreqsFile {
    static constexpr int kRows = 13;
    using Rows = std::array<ListRow, kRows>;

    Rows rows;
    /// The dwell line as a number text, or nothing when the file has no
    /// usable dwell line (the window then keeps its own).
    std::optional<QString> dwell;
};

/// Reads a ScanFreqs.txt text (lines ending in CR LF or LF). Lines 1 to 13
/// fill rows 0 to 12 and line 14 is the dwell time; a shorter file leaves
/// the rows it lacks empty, lines after the 14th are ignored. The dwell
/// line counts only when it is a whole number of seconds that fits the
/// 16-bit field it was written from (blanks around it allowed); "3 secs",
/// "2.5" or a word leave the dwell unset rather than guess.
ScanFreqsFile parseScanFreqs(const QString& text);

/// The fourteen lines of ScanFreqs.txt, each ended by CR LF: every row as
/// joinListLine writes it, then the dwell text as typed.
QString formatScanFreqs(const ScanFreqsFile::Rows& rows, const QString& dwellText);

}  // namespace tq::persist
