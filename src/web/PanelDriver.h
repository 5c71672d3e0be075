#pragma once

#include <QObject>
#include <QString>
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
/// queued call, so the page's message handler returns at once, and the
/// release (also queued, so it can never overtake its press) is handled by
/// the loop's own event handling. A page that goes silent or away has its
/// holds released the same way.
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
    void queueRelease(const HoldTracker::Hold& hold);

    panel::PanelModel& m_model;
    panel::PanelActions& m_actions;
    HoldTracker m_holds;
};

}  // namespace tq::web
