// Any batch station software can send goes through the CAT command table.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "cat/CatCommandTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString batch =
        QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // The first byte chooses the plain or the extended command set.
    const bool extended = size > 0 && (data[0] & 1) != 0;
    const auto commands = tq::cat::CatCommandTable::parseBatch(batch, extended);
    // A plain command needs at least two letters and its ";"; with the
    // extended set even a refused one needs a character and its ";".
    if (static_cast<qsizetype>(commands.size()) * (extended ? 2 : 3) > batch.size()) {
        std::abort();
    }
    const tq::cat::CatSnapshot snapshot{QStringLiteral("F1420000"), QStringLiteral("M1"),
                                        QStringLiteral("OFF"), false, QStringLiteral("0707400")};
    for (const auto& command : commands) {
        // The extended actions exist only in the extended set.
        if (!extended && command.action != tq::cat::CatAction::ReadFrequency &&
            command.action != tq::cat::CatAction::SetFrequency &&
            command.action != tq::cat::CatAction::ReadMode &&
            command.action != tq::cat::CatAction::SetMode) {
            std::abort();
        }
        // Only well-formed sets may reach the radio.
        const bool frequencyOk = command.action != tq::cat::CatAction::SetFrequency ||
                                 (command.argument.size() == 7 && command.argument.toInt() >= 0 &&
                                  !command.argument.contains(u'-'));
        const bool modeOk = command.action != tq::cat::CatAction::SetMode ||
                            (command.argument.size() == 2 && command.argument.startsWith(u'M'));
        if (!frequencyOk || !modeOk) {
            std::abort();
        }
        if (const auto reply = tq::cat::CatCommandTable::reply(command.action, snapshot);
            reply && !reply->endsWith(u';')) {
            std::abort();
        }
    }
    return 0;
}
