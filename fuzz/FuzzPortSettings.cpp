// Settings texts and handshaking names come from files the operator can edit.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "link/PortFailure.h"
#include "link/PortSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const auto settings = tq::link::PortSettings::parse(text);
        if (settings.baudRate <= 0 || settings.dataBits < 5 || settings.dataBits > 8) {
            std::abort();  // accepted a value no port can take
        }
    } catch (const tq::link::PortFailure& failure) {
        if (failure.number() != tq::link::PortFailure::kInvalidPropertyValue) {
            std::abort();
        }
    }
    (void)tq::link::handshakingFromName(text);
    return 0;
}
