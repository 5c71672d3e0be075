#pragma once

#include <QString>

namespace tq::protocol {

/// The keep-alive character the program sends the radio: "K" keys the
/// transmitter, "U" unkeys it.
enum class SyncCharacter { U, K };

inline QString syncText(SyncCharacter character) {
    return character == SyncCharacter::K ? QStringLiteral("K") : QStringLiteral("U");
}

}  // namespace tq::protocol
