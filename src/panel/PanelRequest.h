#pragma once

#include <array>
#include <cstddef>

namespace tq::panel {

/// The front-panel controls whose click or change asks the main loop for
/// radio work, in the order the main loop serves them. The order is part of
/// the behaviour: requests raised between two passes run in this order, not
/// in the order the operator raised them.
enum class PanelRequest {
    cmbSource,
    cmbAGC,
    cmdBFO,
    cmdClipping,
    cmd160M,
    cmd75M,
    cmd60M,
    cmd40M,
    cmd30M,
    cmd20M,
    cmd17M,
    cmd15M,
    cmd12M,
    cmd10M,
    cmdWWV,
    cmdMARS,
    optMeter,
    cmbMode,
    cmdMute,
    cmdPTTEn,
    cmdSideTone,
    cmdTune,
    cmdViewInData,
    cmdVOX,
    cmdXmit,
    cmdAmpPwr,
    cmdAmpOpr,
    cmdTuneAmp,
    cmdM2V,
    cmdV2M,
    cmdGetStatus,
    vscBFO,
    vscRFG,
    cmbDig,
    cmdSwap,
    cmdA2B,
    cmdSplit,
    cmdVM,
};

inline constexpr std::size_t kPanelRequestCount = static_cast<std::size_t>(PanelRequest::cmdVM) + 1;

/// One raised-or-not flag per panel request. A handler raises its flag; the
/// operation that serves it clears it when done.
class PanelRequests {
public:
    void raise(PanelRequest request) { m_raised[index(request)] = true; }
    void clear(PanelRequest request) { m_raised[index(request)] = false; }
    bool isRaised(PanelRequest request) const { return m_raised[index(request)]; }
    bool any() const {
        for (bool raised : m_raised) {
            if (raised)
                return true;
        }
        return false;
    }

private:
    static std::size_t index(PanelRequest request) { return static_cast<std::size_t>(request); }

    std::array<bool, kPanelRequestCount> m_raised{};
};

}  // namespace tq::panel
