#include "web/HoldTracker.h"

namespace tq::web {

HoldTracker::HoldTracker(WebTime& time) : m_time(time) {}

bool HoldTracker::take(quint64 page, panel::Stepper stepper, int index, int button) {
    alive(page);
    if (m_holds.contains(stepper)) {
        return false;
    }
    m_holds[stepper] = Hold{page, stepper, index, button};
    return true;
}

std::optional<HoldTracker::Hold> HoldTracker::end(quint64 page, panel::Stepper stepper) {
    alive(page);
    const auto found = m_holds.find(stepper);
    if (found == m_holds.end() || found->second.page != page) {
        return std::nullopt;
    }
    const Hold hold = found->second;
    m_holds.erase(found);
    return hold;
}

void HoldTracker::alive(quint64 page) {
    m_lastHeard[page] = m_time.now();
}

std::vector<HoldTracker::Hold> HoldTracker::lapsed() {
    const double now = m_time.now();
    std::vector<Hold> released;
    for (auto it = m_holds.begin(); it != m_holds.end();) {
        const auto heard = m_lastHeard.find(it->second.page);
        if (heard == m_lastHeard.end() || now - heard->second >= kReleaseAfter) {
            released.push_back(it->second);
            it = m_holds.erase(it);
        } else {
            ++it;
        }
    }
    return released;
}

std::vector<HoldTracker::Hold> HoldTracker::dropPage(quint64 page) {
    std::vector<Hold> released;
    for (auto it = m_holds.begin(); it != m_holds.end();) {
        if (it->second.page == page) {
            released.push_back(it->second);
            it = m_holds.erase(it);
        } else {
            ++it;
        }
    }
    m_lastHeard.erase(page);
    return released;
}

std::optional<quint64> HoldTracker::holder(panel::Stepper stepper) const {
    const auto found = m_holds.find(stepper);
    return found == m_holds.end() ? std::nullopt : std::optional<quint64>(found->second.page);
}

}  // namespace tq::web
