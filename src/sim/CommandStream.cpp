#include "sim/CommandStream.h"

#include <utility>

namespace tq::sim {

CommandStream::CommandStream(ImmediateHandler onImmediate, LineHandler onLine)
    : m_onImmediate(std::move(onImmediate)), m_onLine(std::move(onLine)) {}

void CommandStream::feed(QByteArrayView bytes) {
    for (char raw : bytes) {
        // The radio's UART takes 7 data bits; the eighth never reaches the parser.
        const char c = static_cast<char>(raw & 0x7F);
        if (m_onImmediate(c)) {
            // Acted on; it never becomes part of a line.
        } else if (c == '\n') {
            const QByteArray line = std::exchange(m_partial, {});
            if (!m_overlong) {
                m_onLine(line);
            }
            m_overlong = false;
        } else if (m_overlong) {
            // Skipping the rest of a line that was too long to be a command.
        } else if (m_partial.size() >= kMaxLineLength) {
            m_partial.clear();
            m_overlong = true;
        } else {
            m_partial.append(c);
        }
    }
}

}  // namespace tq::sim
