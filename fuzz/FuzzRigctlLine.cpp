// Network rig control lines come from any program that can open a TCP
// connection: every line gets a reply, only a well-formed transmit request
// inside the radio's range ever reaches the transmitter, and only a line with
// a colon or "HTTP/" in it is taken for the start of an HTTP request.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "rigctl/HttpLine.h"
#include "rigctl/RigctlLine.h"

namespace {

class RecordingRig final : public tq::rigctl::RigAccess {
public:
    bool transmitAsked = false;

    std::optional<qint64> frequencyHz() const override { return 14074000; }
    tq::rigctl::RigResult setFrequency(qint64 hz) override {
        if (hz < kLowestHz || hz > kHighestHz || hz % 10 != 0) {
            std::abort();  // a frequency the radio cannot take got through
        }
        return tq::rigctl::RigResult::Ok;
    }
    std::optional<tq::rigctl::RigMode> mode() const override { return tq::rigctl::RigMode::Usb; }
    tq::rigctl::RigResult setMode(tq::rigctl::RigMode) override {
        return tq::rigctl::RigResult::Ok;
    }
    bool keyed() const override { return false; }
    tq::rigctl::RigResult setTransmit(bool on) override {
        transmitAsked = transmitAsked || on;
        return tq::rigctl::RigResult::Ok;
    }
    bool transmitLatched() const override { return false; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray raw(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (tq::rigctl::looksLikeHttp(raw) && !raw.contains(':') && !raw.toUpper().contains("HTTP/")) {
        std::abort();  // an opening no HTTP client sends would shut a client out
    }
    const QString line = QString::fromLatin1(raw);
    RecordingRig rig;
    const auto outcome = tq::rigctl::serveRigctlLine(line, rig);
    if (outcome.reply.isEmpty() && !line.trimmed().isEmpty()) {
        std::abort();  // a line with something on it went unanswered
    }
    if (rig.transmitAsked && !(line.contains(u'T') || line.contains(QStringLiteral("set_ptt")))) {
        std::abort();  // keyed without a transmit request
    }
    return 0;
}
