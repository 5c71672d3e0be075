#pragma once

#include "sim/RadioSettings.h"

namespace tq::sim {

/// The power amplifier behind the radio: power, warm-up, standby and operate,
/// and the tune cycle it runs on the radio's carrier. It keeps its state in
/// the radio's "O" and "T" settings; time is the simulator's own seconds.
class Amplifier {
public:
    struct Timings {
        double warmUpSeconds;
        double tuneRequestSeconds;
        double tuneSeconds;
    };

    static constexpr int kOff = 1;
    static constexpr int kWarmUp = 2;
    static constexpr int kStandby = 3;
    static constexpr int kOperate = 4;

    static constexpr int kTuneIdle = 1;
    static constexpr int kTuneRequested = 2;
    static constexpr int kTuning = 3;
    static constexpr int kTuned = 4;

    Amplifier(RadioSettings& settings, Timings timings);

    /// An "O" command (1 off, 2 on, 3 standby, 4 operate). A change the
    /// amplifier cannot make from where it is (operate while warming up,
    /// standby while off) is refused and leaves everything as it was.
    void command(int code, double now);

    /// The radio started or stopped transmitting.
    void keyChanged(bool keyed, double now);

    /// Makes every timed change due by now.
    void advanceTo(double now);

    /// Time of the next timed change; infinity when none is pending.
    double nextEventTime() const;

private:
    int power() const { return m_settings.get(Setting::Amp); }
    int tune() const { return m_settings.get(Setting::Tune); }
    void setPower(int code) { m_settings.set(Setting::Amp, code); }
    void setTune(int code) { m_settings.set(Setting::Tune, code); }
    void startTuning(double now);
    void clearTimers();

    RadioSettings& m_settings;
    Timings m_timings;
    double m_warmUpEnds;
    double m_tuneRequestAt;
    double m_tuneDoneAt;
};

}  // namespace tq::sim
