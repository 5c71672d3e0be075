#pragma once

#include <QEventLoop>
#include <QTimer>

#include "support/RecordingPanelActions.h"

namespace tq::test {

/// Handles events until the panel has had at least `count` calls; false if
/// they do not come (the limit only keeps a broken build from hanging).
inline bool waitForCalls(RecordingPanelActions& actions, int count, int limitMs = 10000) {
    if (actions.calls.size() < count) {
        QEventLoop loop;
        QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
        auto previous = actions.onCall;
        actions.onCall = [&](const QString& line) {
            if (previous) {
                previous(line);
            }
            if (actions.calls.size() >= count) {
                loop.quit();
            }
        };
        loop.exec();
        actions.onCall = previous;
    }
    return actions.calls.size() >= count;
}

}  // namespace tq::test
