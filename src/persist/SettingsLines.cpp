#include "persist/SettingsLines.h"

#include "persist/PersistedFile.h"

namespace tq::persist {

SettingsLines::SettingsLines(const QString& text, std::span<const LineRule> rules) {
    QStringList lines = persistedLines(text);
    if (text.endsWith(u'\n')) {
        lines.removeLast();  // the line end of the last line starts no line
    }
    m_lines.reserve(rules.size());
    for (std::size_t i = 0; i < rules.size(); ++i) {
        const auto index = static_cast<qsizetype>(i);
        if (index < lines.size() && rules[i].fits(lines.at(index))) {
            m_lines.emplace_back(lines.at(index));
        } else {
            m_lines.emplace_back(std::nullopt);
        }
    }
}

std::optional<QString> SettingsLines::at(std::size_t index) const {
    return index < m_lines.size() ? m_lines[index] : std::nullopt;
}

}  // namespace tq::persist
