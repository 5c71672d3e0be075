#pragma once

#include <QtGlobal>
#include <map>
#include <optional>
#include <vector>

#include "panel/PanelTypes.h"
#include "web/WebTime.h"

namespace tq::web {

/// Which page holds which stepping control (a VFO or channel digit, PTT),
/// and whether each holding page is still there. One page at a time holds
/// a control, so another page's release cannot end it; a page that has
/// been silent for kReleaseAfter (tab closed, laptop asleep, network gone)
/// loses its holds, as if its button had been released.
class HoldTracker {
public:
    static constexpr double kReleaseAfter = 1.0;

    struct Hold {
        quint64 page = 0;
        panel::Stepper stepper = panel::Stepper::VfoA;
        int index = 0;
        int button = panel::kLeftButton;
        bool operator==(const Hold&) const = default;
    };

    explicit HoldTracker(WebTime& time);

    /// The page takes the control; false (and nothing changes) when another
    /// page holds it. A page pressing a control it already holds keeps the
    /// first hold and is refused too: the panel acts on one press at a time.
    bool take(quint64 page, panel::Stepper stepper, int index, int button);
    /// The page lets go of the control: the hold to release, or nothing when
    /// the page did not hold it.
    std::optional<Hold> end(quint64 page, panel::Stepper stepper);
    /// The page said it is still there (a heartbeat or any other message).
    void alive(quint64 page);
    /// Removes and returns the holds of pages silent for kReleaseAfter.
    std::vector<Hold> lapsed();
    /// Removes and returns every hold of a page that has gone.
    std::vector<Hold> dropPage(quint64 page);

    std::optional<quint64> holder(panel::Stepper stepper) const;

private:
    WebTime& m_time;
    std::map<panel::Stepper, Hold> m_holds;
    std::map<quint64, double> m_lastHeard;
};

}  // namespace tq::web
