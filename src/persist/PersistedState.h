#pragma once

#include <QString>
#include <optional>

namespace tq::persist {

/// Window positions are kept in twips, 1/1440 inch; the screen has 96 pixels
/// to the inch.
inline constexpr double kTwipsPerPixel = 15.0;

/// The part of the main window that is remembered between runs, as the six
/// lines of TQ5820ini.txt hold it.
struct PersistedState {
    /// Left and top edge of the main window in twips (1/1440 inch).
    double left = 0.0;
    double top = 0.0;
    /// The seven VFO B digits (cmdVFOB captions joined in element order).
    /// Read back only when the line is exactly seven decimal digits; nothing
    /// means the line was anything else and VFO B keeps its digits.
    std::optional<QString> vfoBDigits;
    /// Text of cmbVFOBMode.
    QString vfoBMode;
    /// Caption of lblSplit ("Split Off" / "Split On").
    QString splitCaption;
    /// Text of cmbStepSize.
    QString stepSize;

    /// Reads the file's text line by line, each line on its own: lines may
    /// end in CR LF or LF; the edges are the numeric value of lines 1 and 2
    /// (0 when a line is no number); lines the file does not have read as
    /// empty, and so does a line that cannot be what its place holds
    /// (control characters, bytes that are no text, far too long), so junk
    /// is neither shown nor written back. Never fails: any text gives a
    /// state.
    static PersistedState parse(const QString& text);

    /// The file's six lines, each ended by CR LF, the edges in the print
    /// format of numbers (" 4320 ", "-150 ").
    QString format() const;

    bool operator==(const PersistedState&) const = default;
};

}  // namespace tq::persist
