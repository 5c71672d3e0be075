#pragma once

#include <QString>
#include <stdexcept>

namespace tq::link {

/// A failed port operation, carried to the caller the way the program reports
/// failures: a number and a description ("...: Err 8002. Invalid port number").
class PortFailure : public std::runtime_error {
public:
    // The serial control's established failure numbers.
    static constexpr int kInvalidPropertyValue = 380;
    static constexpr int kInvalidPortNumber = 8002;
    static constexpr int kPortAlreadyOpen = 8005;
    static constexpr int kHardwareNotAvailable = 8010;
    static constexpr int kPortNotOpen = 8018;

    PortFailure(int number, const QString& description);

    int number() const { return m_number; }
    QString description() const { return m_description; }

    /// Failure for an operation that needs an open port.
    static PortFailure notOpen();

private:
    int m_number;
    QString m_description;
};

}  // namespace tq::link
