#pragma once

#include <QString>

namespace tq::persist {

/// What one line of a settings file can hold: which characters and how many.
/// A line beyond that (binary junk, a line with control characters, one
/// far longer than anything the program writes there) was not written by the
/// program nor by a person editing the file, and is read as if missing.
struct LineRule {
    enum class Chars {
        /// Decimal digits 0 to 9 only.
        Digits,
        /// Printable ASCII, blanks included: numbers, codes, port settings.
        Ascii,
        /// Printable text of any script, blanks included: captions, names,
        /// paths, notes. No control or format characters, and no U+FFFD,
        /// which stands where the bytes were not text at all.
        Text,
    };

    Chars chars;
    /// The most characters the line can have.
    qsizetype maxLength;

    /// Whether the line (without its line end) is something this line holds.
    bool fits(const QString& line) const;
};

}  // namespace tq::persist
