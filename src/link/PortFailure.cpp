#include "link/PortFailure.h"

namespace tq::link {

PortFailure::PortFailure(int number, const QString& description)
    : std::runtime_error(description.toStdString()), m_number(number), m_description(description) {}

PortFailure PortFailure::notOpen() {
    return PortFailure(kPortNotOpen, QStringLiteral("Operation valid only when the port is open"));
}

}  // namespace tq::link
