#include "link/TerminalLine.h"

#ifdef Q_OS_UNIX
#include <termios.h>
#endif

namespace tq::link {

#ifdef Q_OS_UNIX

bool markLineErrors(qintptr handle) {
    const int fd = static_cast<int>(handle);
    termios attributes{};
    if (::tcgetattr(fd, &attributes) != 0) {
        return false;
    }
    attributes.c_iflag |= INPCK | PARMRK;
    attributes.c_iflag &= ~static_cast<tcflag_t>(IGNPAR | ISTRIP | IGNBRK | BRKINT);
    return ::tcsetattr(fd, TCSANOW, &attributes) == 0;
}

bool terminalIsConnected(qintptr handle) {
    termios attributes{};
    return ::tcgetattr(static_cast<int>(handle), &attributes) == 0;
}

#else

bool markLineErrors(qintptr) {
    return false;
}

bool terminalIsConnected(qintptr) {
    return true;
}

#endif

}  // namespace tq::link
