#pragma once

#include <optional>
#include <string>

#include "ProgramHarness.h"

namespace tq::test {

/// Holds the whole program and its simulated radio to the transmitter's
/// rules every tenth of a second of virtual time, and keeps the first one
/// broken: nothing is keyed outside the permitted bands; once the last
/// holder lets go the radio is sent "U" within one keep-alive plus the
/// exchange then running; a radio whose port comes back first hears "U".
class TransmitterWatch {
public:
    TransmitterWatch(ProgramHarness& harness, bool outOfBandAllowed);

    /// Who holds the transmitter, as the operator and station software know.
    struct Holders {
        bool ptt = false;
        bool latch = false;
        bool tune = false;
        /// A CAT TX; (true) or RX; (false) not yet taken.
        std::optional<bool> catWish;
    } holders;

    void portBack();  // the radio's port has just come back
    /// Notes a rule broken, unless one was before.
    void breakRule(const std::string& rule);

    /// The first rule broken, empty while none is.
    const std::string& broken() const { return m_broken; }

private:
    void look();
    bool anyHolder();
    char lastSync() const;
    void checkReturn();

    ProgramHarness& m_h;
    const bool m_outOfBandAllowed;
    std::optional<double> m_releasedAt;
    double m_busyUntil = 0;
    qsizetype m_returnMark = -1;
    bool m_keyedAtReturn = false;
    std::string m_broken;
};

}  // namespace tq::test
