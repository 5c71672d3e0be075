#include "link/ParityMarkDecoder.h"

#include "link/SerialPort.h"

namespace tq::link {

namespace {
constexpr unsigned char kMarkByte = 0xFF;
constexpr unsigned char kSevenBits = 0x7F;
}  // namespace

void ParityMarkDecoder::setMarksEnabled(bool enabled) {
    if (enabled != m_marksEnabled) {
        m_marksEnabled = enabled;
        reset();
    }
}

ParityMarkDecoder::Output ParityMarkDecoder::decode(const QByteArray& bytes) {
    Output out;
    out.text.reserve(bytes.size());
    for (const char ch : bytes) {
        decodeByte(static_cast<unsigned char>(ch), out);
    }
    return out;
}

void ParityMarkDecoder::decodeByte(unsigned char byte, Output& out) {
    if (!m_marksEnabled) {
        emitByte(byte, out);
        return;
    }
    switch (m_state) {
        case State::Plain:
            if (byte == kMarkByte) {
                m_state = State::AfterFF;
            } else {
                emitByte(byte, out);
            }
            return;
        case State::AfterFF:
            if (byte == kMarkByte) {
                m_state = State::Plain;
                emitByte(kMarkByte, out);
            } else if (byte == 0) {
                m_state = State::AfterFF00;
            } else {
                // Not a mark the kernel writes; keep both bytes rather than
                // lose data.
                m_state = State::Plain;
                emitByte(kMarkByte, out);
                decodeByte(byte, out);
            }
            return;
        case State::AfterFF00:
            m_state = State::Plain;
            if (byte == 0) {
                out.events.push_back(CommEvent::kBreak);
                return;
            }
            out.events.push_back(CommEvent::kParityError);
            if (m_replacement.isNull()) {
                emitByte(byte, out);
            } else {
                out.text.append(m_replacement);
            }
            return;
    }
}

void ParityMarkDecoder::emitByte(unsigned char byte, Output& out) const {
    const unsigned char masked = byte & kSevenBits;
    if (masked == 0 && m_discardNull) {
        return;
    }
    out.text.append(QChar(masked));
}

}  // namespace tq::link
