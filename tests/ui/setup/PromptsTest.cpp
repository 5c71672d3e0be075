#include <gtest/gtest.h>

#include "link/QStringPrinter.h"
#include "support/ScriptedPrompts.h"

namespace tq::ui {
namespace {

TEST(PromptsScripted, AnswersInOrderRecordsEveryPromptAndCountsUnanswered) {
    tq::test::ScriptedPrompts prompts;
    prompts.answerQuestion(true);
    prompts.answerOpenFile(QStringLiteral("/data/Channel List.txt"));

    prompts.message(nullptr, Prompts::Icon::Warning, QStringLiteral("TQ-5820"),
                    QStringLiteral("PTT is stuck"));
    EXPECT_TRUE(prompts.question(nullptr, QString(), QStringLiteral("first")));
    EXPECT_EQ(prompts.openFileName(nullptr, QString(), QStringLiteral("/data"),
                                   QStringLiteral("Text (*.txt)")),
              QStringLiteral("/data/Channel List.txt"));
    EXPECT_EQ(prompts.unexpectedCount(), 0);

    // Nothing queued any more: the cautious answers.
    EXPECT_FALSE(prompts.question(nullptr, QString(), QStringLiteral("second")));
    EXPECT_EQ(prompts.saveFileName(nullptr, QString(), QString(), QString()), QString());
    EXPECT_EQ(prompts.unexpectedCount(), 2);

    ASSERT_EQ(prompts.prompts().size(), 5);
    EXPECT_EQ(prompts.prompts().at(0).text, QStringLiteral("PTT is stuck"));
    EXPECT_EQ(prompts.prompts().at(2).directory, QStringLiteral("/data"));
}

}  // namespace
}  // namespace tq::ui
