#pragma once

#include <QString>

namespace tq::cat {

/// The CAT port's settings, the four lines of CATSetup.txt as the program
/// holds them: written by start-up and the CAT setup dialog, read when the
/// port is configured.
struct CatPortSetup {
    /// Decimal port number as text, e.g. "4"; where devices have no
    /// numbers, also a device path typed by the operator ("/dev/ttyUSB1").
    QString CatPortNumber;
    QString CatPortSettings = QStringLiteral("9600,N,8,1");
    QString CatPortHandshake = QStringLiteral("comNone");
    /// The rig the station software believes it talks to; kept for the
    /// dialog, the commands answered do not depend on it.
    QString CatRigType;
};

}  // namespace tq::cat
