#pragma once

#include <QString>

namespace tq::link {

/// One serial device this computer has, as the operator would recognise it:
/// its name, what it says it is and who made it.
struct SerialDevice {
    /// The name the system gives it ("ttyUSB0", "COM3").
    QString portName;
    /// Where it lives ("/dev/ttyUSB0").
    QString systemLocation;
    /// A name that stays with this adapter across re-plugging and restarts
    /// ("/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A600-if00-port0"); empty
    /// where the system keeps none.
    QString stablePath;
    /// What the device reports itself to be ("FT232R USB UART").
    QString description;
    QString manufacturer;

    /// The path to name the device by in the port map: the stable one where
    /// there is one, since ttyUSB numbers change with the order of plugging.
    QString path() const { return stablePath.isEmpty() ? systemLocation : stablePath; }

    /// "ttyUSB0: FT232R USB UART (FTDI)": the name, then what the device says
    /// it is, leaving out what it does not say.
    QString label() const;

    /// Whether a path from the port map names this device: one of its names,
    /// or a link that leads to it.
    bool isNamedBy(const QString& path) const;
};

}  // namespace tq::link
