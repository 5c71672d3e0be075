#pragma once

#include <QStringList>

namespace tq::rigctl {

/// The lines of the answer to \dump_state: Hamlib's protocol 0 description
/// of the radio (tuning range, transmit range, modes, steps, filters, no
/// functions or levels). Hamlib's network client reads it field by field
/// when it opens the connection and refuses the radio if one is off.
QStringList dumpStateLines();

}  // namespace tq::rigctl
