#pragma once

#include <QString>

#include "link/RadioPortSetup.h"

namespace tq::ui {

/// The program's variables that a port setup dialog's Apply writes: the
/// port number, settings text and handshaking name of one port, and for the
/// radio port the external PTT switch. The variables outlive the dialog.
struct PortSetupTarget {
    QString* portNumber = nullptr;
    QString* settings = nullptr;
    QString* handshake = nullptr;
    /// Null for a port without an external PTT line.
    bool* extPttEnabled = nullptr;

    /// The radio port's settings.
    static PortSetupTarget radioPort(link::RadioPortSetup& setup) {
        return {&setup.RadioPortNumber, &setup.RadioPortSettings, &setup.RadioPortHandshake,
                &setup.ExtPttEnabled};
    }

    /// The CAT port's settings; its rig type is the dialog's own business.
    static PortSetupTarget catPort(QString& number, QString& settings, QString& handshake) {
        return {&number, &settings, &handshake, nullptr};
    }
};

}  // namespace tq::ui
