#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <deque>
#include <functional>
#include <map>
#include <optional>

#include "panel/PanelActions.h"
#include "panel/PanelModel.h"
#include "web/HoldTracker.h"
#include "web/PageMessage.h"

namespace tq::web {

/// Carries out the pages' commands as the panel's own operations, with the
/// checks the window's controls make by being disabled or hidden: nothing
/// while the panel is disabled (a secondary window is open), no click on a
/// disabled button, and one page at a time on a held control.
///
/// A press of a digit or of PTT runs the panel's stepping loop, which
/// returns only after the release; the press is therefore started from a
/// zero-time timer, so the page's message handler returns at once, and a
/// release, which arrives while the loop runs, is handed to the panel at
/// once from inside the loop's event handling. A release that arrives
/// before its press has started (a quick tap: both in one read) waits for
/// the press and is then delivered by a timer that fires inside its loop.
/// Timers rather than posted calls: an event loop nested in a posted call
/// does not see calls posted before it began, so a release posted beside
/// its press would never reach the press's loop. A page that goes silent
/// or away has its holds released the same way.
class PanelDriver : public QObject {
    Q_OBJECT

public:
    PanelDriver(panel::PanelModel& model, panel::PanelActions& actions, WebTime& time,
                QObject* parent = nullptr);

    /// Carries out (or starts) the page's command; the reason when it was
    /// refused.
    std::optional<QString> run(quint64 page, const PageCommand& command);
    /// The page has gone: its holds are released.
    void pageClosed(quint64 page);
    /// Releases the holds of pages that stopped sending heartbeats; the
    /// server calls it several times a second, tests after advancing time.
    void check();

    const HoldTracker& holds() const { return m_holds; }

signals:
    /// Who holds which control changed.
    void holdsChanged();

private:
    std::optional<QString> refusal(const PageCommand& command) const;
    void choose(const PageCommand& command);
    void queuePress(const HoldTracker::Hold& hold);
    void startPress(const HoldTracker::Hold& hold);
    void letGo(const HoldTracker::Hold& hold);
    void letGoAfterFirstStep(const HoldTracker::Hold& hold);
    void later(std::function<void()> action, int delayMs = 0);

    panel::PanelModel& m_model;
    panel::PanelActions& m_actions;
    HoldTracker m_holds;
    /// Presses waiting for their timer, per control.
    std::map<panel::Stepper, int> m_queuedPresses;
    /// Releases that arrived before their press started, oldest first.
    std::map<panel::Stepper, std::deque<HoldTracker::Hold>> m_earlyReleases;
    /// When each control's latest press started its loop.
    std::map<panel::Stepper, QElapsedTimer> m_pressStarted;
};

}  // namespace tq::web
