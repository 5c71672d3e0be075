#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "protocol/RadioLink.h"

namespace tq::panel {

/// Reads all memory channels out of the radio and writes a list of channel
/// entries into it, one exchange at a time, reporting as it goes.
///
/// Both run inside the click handler that starts them and wait in Pause, so
/// window events (a Cancel click, the close box) arrive in the middle of a
/// transfer. A transfer asked for while one runs is refused; cancel() stops
/// the running one once the exchange in progress is complete, so no reply is
/// left half read.
class ChannelTransfer {
public:
    static constexpr int kChannels = 100;
    /// After each "L" and "P" command, before the reply wait.
    static constexpr double kCommandPause = 0.25;

    /// What the transfer reports; every member may be empty.
    struct Report {
        /// Before each exchange: the position of the channel (1-based) and
        /// how many there are.
        std::function<void(int position, int total)> progress;
        /// Load only: the entry of a channel the radio answered for.
        std::function<void(const QString& entry)> entryRead;
        /// The last text exchanged: the whole reply line on a load, the entry
        /// on a store.
        std::function<void(const QString& text)> exchanged;
    };

    enum class Outcome { Finished, Cancelled, Refused };

    explicit ChannelTransfer(protocol::RadioLink& link) : m_link(link) {}

    bool running() const { return m_running; }
    /// Stops the running transfer after its present exchange; nothing when
    /// none runs.
    void cancel();

    /// Asks the radio for channels 00 to 99 in turn. A channel the radio does
    /// not answer for adds nothing: the reply flag is cleared before each
    /// request, so an earlier reply is never taken for it, and after the
    /// last. A failure of the port while awaiting a reply
    /// (link::PortFailure) ends the load and reaches the caller.
    Outcome load(const Report& report);

    /// Sends each entry as a channel-store command, in list order, without
    /// awaiting replies; the radio's echoes that have come in by the end are
    /// taken in and their reply flag cleared.
    Outcome store(const QStringList& entries, const Report& report);

private:
    /// Marks a transfer running for its lifetime, even when it ends by a
    /// failure.
    class RunningScope;

    Outcome readChannels(const Report& report);
    Outcome writeChannels(const QStringList& entries, const Report& report);

    protocol::RadioLink& m_link;
    bool m_running = false;
    bool m_cancelled = false;
};

}  // namespace tq::panel
