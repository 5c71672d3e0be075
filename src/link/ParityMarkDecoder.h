#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <vector>

namespace tq::link {

/// Turns the bytes a serial device delivers into the text the program reads.
///
/// Qt offers no parity replacement, NUL discarding or break detection, so the
/// port asks the kernel to mark line errors in the byte stream (PARMRK) and
/// this decoder undoes the marks: FF FF is a literal 0xFF, FF 00 c is byte c
/// received with a parity or framing error, FF 00 00 is a break. A mark may be
/// split across reads; the decoder keeps the unfinished part for the next one.
/// Every byte is masked to 7 bits, because the radio talks 7-bit ASCII and a
/// pseudo-terminal passes the eighth bit through whatever the settings say.
class ParityMarkDecoder {
public:
    struct Output {
        QString text;
        /// Line events found, in the order they appeared (CommEvent codes).
        std::vector<int> events;
    };

    /// Whether the stream carries marks. Off where the kernel was not asked
    /// to mark errors, so that 0xFF bytes pass as ordinary bytes.
    void setMarksEnabled(bool enabled);
    void setDiscardNull(bool discard) { m_discardNull = discard; }
    /// The character that stands in for a byte received with an error; a null
    /// character keeps the received byte instead.
    void setParityReplacement(QChar replacement) { m_replacement = replacement; }

    Output decode(const QByteArray& bytes);

    /// Forgets an unfinished mark (after a flush or a reopen).
    void reset() { m_state = State::Plain; }

private:
    enum class State { Plain, AfterFF, AfterFF00 };

    void emitByte(unsigned char byte, Output& out) const;
    void decodeByte(unsigned char byte, Output& out);

    State m_state = State::Plain;
    bool m_marksEnabled = true;
    bool m_discardNull = true;
    QChar m_replacement = u':';
};

}  // namespace tq::link
