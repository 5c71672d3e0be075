#pragma once

#include <QString>

#include "cat/CatCommand.h"
#include "cat/CatPortSetup.h"

namespace tq::link {
class Clock;
class SerialPort;
}  // namespace tq::link

namespace tq::protocol {
struct ProgramFlags;
struct RadioState;
class RadioCommands;
}  // namespace tq::protocol

namespace tq::cat {

class CatPanel;
class CatRig;

/// Bridges station software on the CAT port to the radio: stores each batch
/// the port delivers for the main loop, answers frequency and mode reads from
/// the radio state, and turns frequency and mode sets into radio commands.
///
/// Receiving only stores the batch and raises CatCommandPending; the commands
/// run when the main loop serves that request, so a CAT request never breaks
/// into an exchange with the radio. A batch that arrives while an earlier one
/// waits replaces it.
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
              const protocol::RadioState& state, protocol::RadioCommands& commands,
              protocol::ProgramFlags& flags, const CatPortSetup& setup);

    /// MSComm2_OnComm: handles the port's last event. Runs nested in whatever
    /// wait handles events, so it never talks to the radio.
    void MSComm2_OnComm();

    /// Answers and carries out the commands of the stored batch, in order;
    /// called by the main loop while CatCommandPending is set.
    void HandleCatCommands();

    /// Closes the CAT port if open and opens it with the saved settings. A
    /// port that is missing, busy or given malformed settings throws
    /// PortFailure to the caller.
    void ConfigureCatPort();

    /// Gives the extended commands their switch, VFO B and the transmit
    /// latch. Without it only the plain commands are answered.
    void attachRig(CatRig& rig) { m_rig = &rig; }

    /// The last batch read from the port.
    QString CatRxBuffer;

private:
    void receiveBatch();
    void showComError();
    void answer(const CatCommand& command);
    void setFrequency(const CatCommand& command);
    void setMode(const CatCommand& command);
    void setVfoB(const CatCommand& command);
    void transmit(const CatCommand& command);
    void receive(const CatCommand& command);
    void accept(const CatCommand& command);
    void refuse();
    void send(const QString& reply);

    link::SerialPort& m_port;
    link::Clock& m_clock;
    CatPanel& m_panel;
    const protocol::RadioState& m_state;
    protocol::RadioCommands& m_commands;
    protocol::ProgramFlags& m_flags;
    const CatPortSetup& m_setup;
    CatRig* m_rig = nullptr;
    /// The batch being handled holds only printable text: line noise that
    /// happens to contain "TX;" must not key the transmitter.
    bool m_batchIsText = false;
    /// Set while a batch is being received: an event raised during the
    /// receive pause finds its characters read by the receive under way.
    bool m_receiving = false;
};

}  // namespace tq::cat
