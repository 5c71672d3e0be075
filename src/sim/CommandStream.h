#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <functional>

namespace tq::sim {

/// Cuts the byte stream from the program into commands the way the radio's
/// input handler does: lines end with a line feed, while a few characters
/// (the sync characters, and in one dialect the PTT-enable toggle) are acted
/// on the moment they arrive, even in the middle of a line.
class CommandStream {
public:
    /// Longer lines are thrown away whole; no command comes near this.
    static constexpr int kMaxLineLength = 64;

    using LineHandler = std::function<void(QByteArrayView line)>;
    /// Acts on c at once and returns true when c is a command by itself.
    using ImmediateHandler = std::function<bool(char c)>;

    CommandStream(ImmediateHandler onImmediate, LineHandler onLine);

    /// Handles the bytes; a line without its line feed waits for the next call.
    void feed(QByteArrayView bytes);

    /// Bytes of the unfinished line held back.
    int pendingLength() const { return static_cast<int>(m_partial.size()); }

private:
    ImmediateHandler m_onImmediate;
    LineHandler m_onLine;
    QByteArray m_partial;
    bool m_overlong = false;
};

}  // namespace tq::sim
