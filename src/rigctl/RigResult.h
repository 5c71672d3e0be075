#pragma once

namespace tq::rigctl {

/// The result codes of Hamlib's network protocol, as the "RPRT n" line
/// carries them. Hamlib's client takes any positive number as a broken
/// protocol, so every failure is one of these negative codes.
enum class RigResult {
    Ok = 0,
    InvalidArgument = -1,  // RIG_EINVAL: malformed or out-of-range value
    IoError = -6,          // RIG_EIO: the radio did not do what was asked
    Rejected = -9,         // RIG_ERJCTED: refused, e.g. transmit outside the bands
    NotAvailable = -11,    // RIG_ENAVAIL: unknown command, VFO B, split
};

inline int resultCode(RigResult result) {
    return static_cast<int>(result);
}

}  // namespace tq::rigctl
