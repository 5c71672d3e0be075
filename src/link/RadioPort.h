#pragma once

#include <QString>

#include "link/RadioLinkFlags.h"
#include "link/RadioPortSetup.h"

namespace tq::link {

class Clock;
class LinkIndicators;
class SerialPort;

/// Opens the radio port from the saved settings and turns its events into
/// the flags and captions the main loop and the panel act on.
class RadioPort {
public:
    /// Time the device gets to settle between closing and reopening.
    static constexpr double kReopenPauseSeconds = 0.5;
    static constexpr int kReceiveBufferSize = 4096;
    static constexpr int kTransmitBufferSize = 256;

    RadioPort(SerialPort& port, Clock& clock, LinkIndicators& indicators,
              const RadioPortSetup& setup, RadioLinkFlags& flags);

    /// Closes the port if open (discarding what waits) and opens it again with
    /// the saved settings. True when the port is open afterwards; otherwise
    /// the information box says so. A port failure (no such port, port busy,
    /// malformed settings) is thrown to the caller as PortFailure.
    bool SetUpRadioPort();

    /// Handles the port's last event; sets flags and captions only, never
    /// talks to the radio, since it runs nested in whatever wait is going on.
    void MSComm1_OnComm();

    /// What the link status label and the information box say while the
    /// radio port's device is gone, naming the device as the operator knows it.
    static QString waitingCaption(const QString& device);
    static QString portLostInfo(const QString& device);

private:
    void reportPortLost();
    void requestLinkRestart();
    void showComError();
    void readExternalPtt();

    SerialPort& m_port;
    Clock& m_clock;
    LinkIndicators& m_indicators;
    const RadioPortSetup& m_setup;
    RadioLinkFlags& m_flags;
};

}  // namespace tq::link
