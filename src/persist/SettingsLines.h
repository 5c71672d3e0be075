#pragma once

#include <QString>
#include <optional>
#include <span>
#include <vector>

#include "persist/LineRule.h"

namespace tq::persist {

/// The data lines of a settings file's text, each checked against what its
/// place in the file holds, so that a reader never takes junk for a value:
/// a line that breaks its rule is missing, exactly as a line the file does
/// not have, and the reader gives it the line's default.
class SettingsLines {
public:
    /// Line n of text (from 0) is checked against rules[n]; lines after the
    /// last rule (descriptions for a person editing the file) are not kept.
    /// Lines end in CR LF or LF.
    SettingsLines(const QString& text, std::span<const LineRule> rules);

    /// Line n (from 0) as it stands, or nothing when the file lacks it or it
    /// cannot be what the line holds.
    std::optional<QString> at(std::size_t index) const;
    /// Line n, or empty text when it is missing.
    QString value(std::size_t index) const { return at(index).value_or(QString()); }

private:
    std::vector<std::optional<QString>> m_lines;
};

}  // namespace tq::persist
