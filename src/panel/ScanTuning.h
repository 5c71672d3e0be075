#pragma once

#include <QString>
#include <functional>

namespace tq::protocol {
class RadioLink;
}

namespace tq::panel {

class StatusDisplay;

/// The exchange both scanners make on every frequency: send the tuning
/// command, wait for the radio to report a frequency, send the command again
/// when the report differs, fall back to a status request when none comes.
/// It also tells whether the radio has left remote control since the scan
/// window opened, which ends a scan.
class ScanTuning {
public:
    static constexpr double kReplyWait = 1.5;
    static constexpr double kTunePause = 0.1;
    static constexpr double kStatusPause = 0.4;

    ScanTuning(protocol::RadioLink& link, StatusDisplay& display);

    /// Tunes to command ("F" and seven digits). beforeSend runs before each
    /// sending (the band scan shows the command). Returns false as soon as
    /// mustEnd() holds after a reply wait; true once the radio has answered
    /// or the status request has gone out instead. The main window's digits
    /// show the frequency when the radio reports the one asked for.
    bool tune(const QString& command, const std::function<bool()>& mustEnd,
              const std::function<void()>& beforeSend = {});

    /// True once the radio, under remote control when this object was made,
    /// has reported local control. A scan opened under local control (the
    /// adaptive firmware lets the operator scan from there) is not ended.
    bool radioWentLocal() const;

    /// Between scans: takes in what the radio sent meanwhile and tells
    /// whether it went local, so an idle scan window notices it too. A port
    /// that has gone is left for the next scan to report.
    bool radioWentLocalWhileIdle();

private:
    protocol::RadioLink& m_link;
    StatusDisplay& m_display;
    bool m_startedRemote;
};

}  // namespace tq::panel
