#pragma once

#include <QMutex>
#include <QString>
#include <functional>
#include <map>
#include <vector>

#include "panel/TransmitPermission.h"

namespace tq::panel {

/// The radio as station software sees it: the main loop publishes it from
/// the radio's last valid reports and the panel's state.
struct StationView {
    /// Seven digits in 10 Hz units; empty before the radio reported one.
    QString frequency;
    /// The radio's mode code "M1".."M4"; empty before it reported one.
    QString mode;
    /// The digital mode box's caption ("OFF", "PSK", ...).
    QString digitalMode;
    /// The radio's own answer: it transmits.
    bool keyed = false;
    /// The panel's VFO B digits and split.
    QString vfoB;
    bool split = false;
    /// The panel's transmit latch holds the transmitter.
    bool xmitLatched = false;
    /// Something at the panel transmits or is about to (lock, latch, tune,
    /// the radio keyed): the frequency may not move under it.
    bool panelTransmitting = false;
    /// The radio port is gone; nothing reaches the radio until it is back.
    bool radioLost = false;
    /// What the one transmit check needs besides the frequency.
    TransmitConditions transmit;
};

/// One set accepted from station software, for the main loop to carry out.
struct StationSet {
    enum class Setting { Frequency, Mode, VfoB, Transmit };
    Setting setting;
    /// Seven digits for a frequency or VFO B, "M1".."M4" for a mode.
    QString value;
    /// For Transmit: latch (true) or release.
    bool on = false;
};

/// What became of a set: taken for the main loop, refused by the checks the
/// panel would make, or refused because the radio is not there.
enum class SetVerdict { Accepted, Refused, RadioLost };

/// Where station software meets the panel, from whatever thread it runs
/// on: reads answer at once from what the main loop last published, with
/// the sets accepted and not yet carried out shown as their new values;
/// sets are checked at once and queued for the main loop, which carries
/// them out between its exchanges with the radio, in the order received, a
/// newer set of a setting replacing an older one still waiting.
class StationGateway {
public:
    /// Frequencies the radio tunes, in 10 Hz units.
    static constexpr int kLowest = 160000;
    static constexpr int kHighest = 2999999;

    StationView view() const;

    SetVerdict setFrequency(const QString& digits);
    SetVerdict setMode(const QString& code);
    SetVerdict setVfoB(const QString& digits);
    SetVerdict setTransmit(bool on);

    /// The main loop's side: what the radio and the panel now say.
    void publish(const StationView& view);
    /// The sets waiting, in order; they stay shown as new values until
    /// carriedOut() says the main loop has done them.
    std::vector<StationSet> takeSets();
    void carriedOut();
    bool setsWaiting() const;
    /// Drops a request to transmit or to stop that waits: the panel let go
    /// of the transmitter meanwhile (the radio port was lost).
    void withdrawTransmit();
    /// Whether a request to stop transmitting waits to be carried out.
    bool releaseWaiting() const;
    /// Called (on the asker's thread) when a set was queued: wakes the main
    /// loop from its wait.
    void setWakeUp(std::function<void()> wakeUp);

private:
    SetVerdict queue(StationSet set);
    StationView overlaid() const;

    mutable QMutex m_mutex;
    StationView m_radio;
    std::vector<StationSet> m_waiting;
    /// Taken by the main loop and not yet carried out.
    std::vector<StationSet> m_inFlight;
    std::function<void()> m_wakeUp;
};

}  // namespace tq::panel
