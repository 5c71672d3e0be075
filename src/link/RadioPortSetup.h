#pragma once

#include <QString>

namespace tq::link {

/// The radio port's saved settings, the four lines of PortSetup.txt as the
/// program holds them: written by start-up and the port setup dialog, read
/// when the port is set up.
struct RadioPortSetup {
    QString RadioPortNumber;  // decimal port number as text, e.g. "3"
    QString RadioPortSettings = QStringLiteral("9600,O,7,1");
    QString RadioPortHandshake = QStringLiteral("comNone");
    bool ExtPttEnabled = false;  // the DSR line serves as an external PTT key
};

}  // namespace tq::link
