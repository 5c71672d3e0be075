// The save at shutdown: a failure is asked about when the operator closes the
// window, printed and reflected in the exit status when a signal does.
#include <gtest/gtest.h>

#include <QTimer>
#include <cerrno>
#include <vector>

#include "app/ShutdownSave.h"
#include "support/QStringPrinter.h"
#include "support/RecordingLinkIndicators.h"
#include "support/ScriptedPrompts.h"
#include "support/WidgetApplication.h"
#include "ui/setup/QtPrompts.h"

namespace tq::app {
namespace {

constexpr int kRetry = 0;
constexpr int kQuit = 1;

const QString kReport = QStringLiteral("TQ5820ini.txt: Err 28. No space left on device");

/// A save that fails as often as told before it works.
ShutdownSave::Save failing(int times) {
    return [times]() mutable -> std::optional<persist::PersistedFileError> {
        return times-- > 0 ? std::optional(persist::PersistedFileError::fromErrno(ENOSPC))
                           : std::nullopt;
    };
}

TEST(ShutdownSave, FailureIsAskedAboutOrPrintedAndSetsTheExitStatus) {
    struct Case {
        const char* what;
        int failures;
        std::vector<int> answers;
        bool signal;
        int status;
        int questions;
    };
    const Case cases[] = {
        {"saved at once", 0, {}, false, 0, 0},
        {"saved on retry", 1, {kRetry}, false, 0, 1},
        {"retried, then quit", 5, {kRetry, kQuit}, false, ShutdownSave::kNotSaved, 2},
        {"question left unanswered", 5, {}, false, ShutdownSave::kNotSaved, 1},
        {"closed by a signal", 5, {}, true, ShutdownSave::kNotSaved, 0},
    };
    for (const Case& c : cases) {
        test::ScriptedPrompts prompts;
        for (const int answer : c.answers)
            prompts.answerChoice(answer);
        QStringList complaints;
        link::RecordingLinkIndicators info;
        ShutdownSave save(prompts, [&](const QString& line) { complaints << line; });
        if (c.signal)
            save.signalReceived();
        EXPECT_EQ(save.run(failing(c.failures), QStringLiteral("TQ5820ini.txt"), nullptr, info),
                  c.status)
            << c.what;
        ASSERT_EQ(prompts.prompts().size(), c.questions) << c.what;
        for (const auto& question : prompts.prompts()) {
            EXPECT_TRUE(question.text.startsWith(kReport)) << c.what;
            EXPECT_EQ(question.buttons, QStringList({"Retry", "Quit without saving"})) << c.what;
        }
        const QStringList expected =
            c.status == 0
                ? QStringList{}
                : QStringList{kReport + QStringLiteral(": the window's state was not saved")};
        EXPECT_EQ(complaints, expected) << c.what;
    }
}

TEST(ShutdownSave, SignalWhileTheQuestionIsOpenClosesItAndEnds) {
    test::ensureWidgetApplication();
    ui::QtPrompts prompts;
    QStringList complaints;
    link::RecordingLinkIndicators info;
    ShutdownSave save(prompts, [&](const QString& line) { complaints << line; });
    // Runs once the question's own event loop is waiting for the operator.
    QTimer::singleShot(0, [&save] { save.signalReceived(); });
    EXPECT_EQ(save.run(failing(5), QStringLiteral("TQ5820ini.txt"), nullptr, info),
              ShutdownSave::kNotSaved);
    EXPECT_EQ(complaints.size(), 1);
}

}  // namespace
}  // namespace tq::app
