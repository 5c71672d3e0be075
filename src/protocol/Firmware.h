#pragma once

namespace tq::protocol {

/// The radio's firmware dialect, decided from a complete status dump at the
/// panel set-ups; the numbers are the dialects' established codes.
enum class Firmware {
    Undecided = 0,
    V601 = 1,
    V604Adapt = 2,
    V604NonAdapt = 3,
};

}  // namespace tq::protocol
