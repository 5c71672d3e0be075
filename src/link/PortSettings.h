#pragma once

#include <QString>

namespace tq::link {

/// Line settings of a serial port, as given by a settings text such as
/// "9600,O,7,1". The setup dialogs write these texts with blanks around the
/// parts ("9600 ,O,7,1", "4800 ,N, 8, 1"), so every part is trimmed.
struct PortSettings {
    enum class Parity { None, Odd, Even, Mark, Space };
    enum class StopBits { One, OneAndHalf, Two };

    int baudRate = 9600;
    Parity parity = Parity::None;
    int dataBits = 8;
    StopBits stopBits = StopBits::One;

    bool operator==(const PortSettings&) const = default;

    /// Parses a settings text; throws PortFailure (invalid property value)
    /// when the text is malformed, so the caller's failure handling applies.
    static PortSettings parse(const QString& text);
};

/// Flow control given to a port (the serial control's handshaking codes).
enum class Handshaking { None = 0, XonXoff = 1, RtsCts = 2, RtsCtsXonXoff = 3 };

/// Maps a handshaking name from a setup file to the code given to the port.
/// "comXonXoff" deliberately gives no flow control and "comRTSXonXoff" RTS/CTS
/// only: that is what the radio has always been driven with. Case is ignored.
Handshaking handshakingFromName(const QString& name);

}  // namespace tq::link
