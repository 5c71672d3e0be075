#pragma once

#include <QString>
#include <atomic>

#include "cat/CatCommand.h"
#include "cat/CatPortSetup.h"

namespace tq::link {
class Clock;
class SerialPort;
}  // namespace tq::link

namespace tq::panel {
class StationGateway;
struct StationView;
}  // namespace tq::panel

namespace tq::cat {

class CatPanel;

/// Bridges station software on the CAT port to the radio: each batch the
/// port delivers is answered as soon as its receive pause ends, reads from
/// the radio as last reported (and sets accepted but not yet carried out),
/// sets handed to the station gateway, which checks them and queues them for
/// the main loop. Nothing here ever waits for the radio.
///
/// While the radio port is lost, reads are still answered from what the
/// radio last reported; sets are dropped unanswered, as a radio that is
/// switched off would not take them.
class CatBridge {
public:
    /// Time the rest of a command gets to arrive after the first characters.
    static constexpr double kReceivePause = 0.015;
    /// Characters that must wait before the port reports a batch: the
    /// shortest command ("FA;") is three.
    static constexpr int kReceiveThreshold = 3;
    static constexpr int kReceiveBufferSize = 4096;
    static constexpr int kTransmitBufferSize = 256;

    CatBridge(link::SerialPort& port, link::Clock& clock, CatPanel& panel,
              panel::StationGateway& gateway);

    /// MSComm2_OnComm: handles the port's last event. A batch that arrived
    /// is read after the receive pause and answered at once.
    void MSComm2_OnComm();

    /// Answers and hands on the commands of one batch, in order.
    void HandleCatCommands(const QString& batch);

    /// Closes the CAT port if open and opens it with the given settings. A
    /// port that is missing, busy or given malformed settings throws
    /// PortFailure to the caller.
    void ConfigureCatPort(const CatPortSetup& setup);
    /// Opens the port again with the settings of the last configuration
    /// (its device came back).
    void ReopenCatPort();

    /// The extended commands (Hamlib's TS-2000 driver) on or off; read at
    /// every batch, so a change applies to the next one.
    void setExtended(bool extended) { m_extended = extended; }

    /// The last batch read from the port.
    QString CatRxBuffer;

    /// The port's device went away: shown until it is back.
    static QString lostCaption(const QString& device);

private:
    void receiveBatch();
    void showComError();
    void answer(const CatCommand& command, const panel::StationView& view);
    void hand(const CatCommand& command);
    void refuse();
    void send(const QString& reply);

    link::SerialPort& m_port;
    link::Clock& m_clock;
    CatPanel& m_panel;
    panel::StationGateway& m_gateway;
    CatPortSetup m_setup;
    std::atomic<bool> m_extended = false;
    /// The batch being handled holds only printable text: line noise that
    /// happens to contain "TX;" must not key the transmitter.
    bool m_batchIsText = false;
    /// Set while a batch is being received: an event raised during the
    /// receive pause finds its characters read by the receive under way.
    bool m_receiving = false;
};

}  // namespace tq::cat
