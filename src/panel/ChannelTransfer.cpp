#include "panel/ChannelTransfer.h"

#include "link/PortFailure.h"

namespace tq::panel {

class ChannelTransfer::RunningScope {
public:
    explicit RunningScope(ChannelTransfer& transfer) : m_transfer(transfer) {
        m_transfer.m_running = true;
        m_transfer.m_cancelled = false;
    }
    ~RunningScope() { m_transfer.m_running = false; }
    RunningScope(const RunningScope&) = delete;
    RunningScope& operator=(const RunningScope&) = delete;

private:
    ChannelTransfer& m_transfer;
};

namespace {

void call(const std::function<void(const QString&)>& report, const QString& text) {
    if (report) {
        report(text);
    }
}

void progress(const ChannelTransfer::Report& report, int position, int total) {
    if (report.progress) {
        report.progress(position, total);
    }
}

}  // namespace

void ChannelTransfer::cancel() {
    if (m_running) {
        m_cancelled = true;
    }
}

ChannelTransfer::Outcome ChannelTransfer::load(const Report& report) {
    if (m_running) {
        return Outcome::Refused;
    }
    RunningScope scope(*this);
    const Outcome outcome = readChannels(report);
    // The load has used the channel replies it asked for; left flagged, the
    // last of them would be shown on the panel as if the radio were tuned
    // to that channel.
    m_link.state().ChanDataReplyNew = false;
    return outcome;
}

ChannelTransfer::Outcome ChannelTransfer::readChannels(const Report& report) {
    protocol::RadioState& state = m_link.state();
    for (int channel = 0; channel < kChannels; ++channel) {
        if (m_cancelled) {
            return Outcome::Cancelled;
        }
        progress(report, channel + 1, kChannels);
        state.ChanDataReplyNew = false;
        m_link.SendRadioCommand(
            QStringLiteral("L") + QString::number(channel).rightJustified(2, u'0'), true,
            kCommandPause);
        m_link.AwaitRadioReply();
        if (state.ChanDataReplyNew) {
            // The reply line less its "P": the channel's entry.
            call(report.entryRead, state.ChanDataReply.mid(1, 10));
            call(report.exchanged, state.ChanDataReply);
        }
    }
    return Outcome::Finished;
}

ChannelTransfer::Outcome ChannelTransfer::store(const QStringList& entries, const Report& report) {
    if (m_running) {
        return Outcome::Refused;
    }
    RunningScope scope(*this);
    const Outcome outcome = writeChannels(entries, report);
    // The radio has echoed every stored channel by now (each command is
    // followed by its pause); taken in here without waiting, so that the
    // echoes are not shown on the panel as a new frequency later.
    try {
        m_link.DrainRadioInput();
    } catch (const link::PortFailure&) {
        // A port that fails here failed the store commands too, silently.
    }
    m_link.state().ChanDataReplyNew = false;
    return outcome;
}

ChannelTransfer::Outcome ChannelTransfer::writeChannels(const QStringList& entries,
                                                        const Report& report) {
    const int total = static_cast<int>(entries.size());
    for (int position = 0; position < total; ++position) {
        if (m_cancelled) {
            return Outcome::Cancelled;
        }
        progress(report, position + 1, total);
        const QString& entry = entries.at(position);
        m_link.SendRadioCommand(QStringLiteral("P") + entry, true, kCommandPause);
        call(report.exchanged, entry);
    }
    return Outcome::Finished;
}

}  // namespace tq::panel
