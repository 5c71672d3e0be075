#pragma once

#include <QtGlobal>

namespace tq::link {

/// Asks the terminal driver behind an open serial handle to mark parity and
/// framing errors and breaks in the byte stream (INPCK|PARMRK on, IGNPAR,
/// ISTRIP, IGNBRK, BRKINT off), which ParityMarkDecoder then undoes. Qt resets
/// these flags when it opens the port and whenever it sets the parity, so this
/// has to follow both. False where the platform has no such marking or the
/// driver refused; the stream then carries no marks.
bool markLineErrors(qintptr handle);

/// False once the terminal behind the handle has hung up (adapter unplugged,
/// far end of a pseudo-terminal closed): the driver then fails every
/// attribute request. Reads alone cannot tell, since some Qt versions report a
/// hang-up as a stream of read errors and others not at all.
bool terminalIsConnected(qintptr handle);

}  // namespace tq::link
