// Any batch station software can send goes through the CAT command table.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "cat/CatCommandTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString batch =
        QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto commands = tq::cat::CatCommandTable::parseBatch(batch);
    // Every command needs at least two letters and its ";".
    if (static_cast<qsizetype>(commands.size()) * 3 > batch.size()) {
        std::abort();
    }
    const tq::cat::CatSnapshot snapshot{QStringLiteral("F1420000"), QStringLiteral("M1"),
                                        QStringLiteral("OFF")};
    for (const auto& command : commands) {
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
