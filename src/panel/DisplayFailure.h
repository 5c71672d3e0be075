#pragma once

#include <QString>
#include <stdexcept>

namespace tq::panel {

/// A failure inside a display routine, carried to the routine that reports
/// it with its number and description.
class DisplayFailure : public std::runtime_error {
public:
    // The established number for text that should have been a number.
    static constexpr int kTypeMismatch = 13;

    DisplayFailure(int number, const QString& description)
        : std::runtime_error(description.toStdString()),
          m_number(number),
          m_description(description) {}

    int number() const { return m_number; }
    QString description() const { return m_description; }

private:
    int m_number;
    QString m_description;
};

}  // namespace tq::panel
