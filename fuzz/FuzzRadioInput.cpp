// The whole receive path of the radio port: raw bytes as the kernel marks
// them (parity errors, breaks, literal 0xFF), split into reads at arbitrary
// points, decoded into text and dispatched into the radio state.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "NullIndicators.h"
#include "link/ParityMarkDecoder.h"
#include "protocol/DispatchRadioReplies.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte chooses where the stream is cut into reads.
    const size_t chunk = 1 + data[0] % 16;
    tq::link::ParityMarkDecoder decoder;
    decoder.setMarksEnabled(true);
    decoder.setDiscardNull(true);
    decoder.setParityReplacement(u':');
    QString text;
    for (size_t pos = 1; pos < size; pos += chunk) {
        const size_t length = std::min(chunk, size - pos);
        const auto out = decoder.decode(
            QByteArray(reinterpret_cast<const char*>(data + pos), static_cast<qsizetype>(length)));
        text += out.text;
    }
    for (const QChar ch : text) {
        if (ch.unicode() == 0 || ch.unicode() > 0x7F) {
            std::abort();  // the decoder promised 7-bit text without NULs
        }
    }
    if (text.size() > static_cast<qsizetype>(size)) {
        std::abort();  // decoding never adds characters
    }
    tq::protocol::RadioState state;
    tq::fuzz::NullIndicators indicators;
    DispatchRadioReplies(text, state, indicators);
    return 0;
}
