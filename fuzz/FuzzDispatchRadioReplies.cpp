// Any byte sequence the radio can send goes through the reply dispatcher.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "NullIndicators.h"
#include "protocol/DispatchRadioReplies.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The serial layer hands over 7-bit text; the dispatcher must cope with
    // anything it is given all the same, so the bytes go in unmasked.
    QString batch =
        QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    tq::protocol::RadioState state;
    tq::fuzz::NullIndicators indicators;
    DispatchRadioReplies(batch, state, indicators);

    // The rewrite only ever turns line feeds into "<", never changes length.
    if (batch.size() != static_cast<qsizetype>(size) || indicators.lastRawSize != batch.size()) {
        std::abort();
    }
    // Every field keeps its fixed width whatever arrived.
    if (state.FreqReply.size() != 8 || state.ModeReply.size() != 2 ||
        state.ChanDataReply.size() != 11) {
        std::abort();
    }
    return 0;
}
