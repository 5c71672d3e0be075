// The status dump is what the program learns everything from at start-up,
// including which firmware dialect it talks to.

#include <gtest/gtest.h>

#include <algorithm>

#include "RadioDriver.h"

namespace tq::sim::test {
namespace {

// The program's rule for telling the dialects apart from one dump.
int dialectIdentifiedBy(const QList<QByteArray>& dump) {
    const bool bang = dump.contains("!");
    const bool qLine = std::any_of(dump.begin(), dump.end(), [](const QByteArray& line) {
        return line.size() == 3 && line[0] == 'Q' && (line[1] == 'T' || line[1] == 'C');
    });
    if (!dump.contains("#") || !dump.contains(".")) {
        return 0;
    }
    return !bang ? 2 : (qLine ? 3 : 1);
}

class SimStatusDumpByDialect : public ::testing::TestWithParam<Firmware> {};

TEST_P(SimStatusDumpByDialect, IdentifiesItsDialectAndEndsWithHashThenDot) {
    RadioDriver radio(GetParam());
    const QList<QByteArray> dump = radio.statusDump();

    EXPECT_EQ(dialectIdentifiedBy(dump), static_cast<int>(GetParam()));
    ASSERT_GE(dump.size(), 2);
    EXPECT_EQ(dump[dump.size() - 2], "#");
    EXPECT_EQ(dump.last(), ".");
}

TEST_P(SimStatusDumpByDialect, ReportsEverySettingOnceWithItsWidth) {
    RadioDriver radio(GetParam());
    const QList<QByteArray> dump = radio.statusDump();

    const QList<QByteArray> expectedStart{
        "F1420000", "A2", "M1", "D1", "H1", "\"1", "'1",  "(0",   "I0",
        "S0",       "V0", "R1", "O1", "T1", "C00", "G00", "B100", "U",
    };
    ASSERT_GE(dump.size(), expectedStart.size() + 1);
    EXPECT_EQ(dump.mid(0, expectedStart.size()), expectedStart);
    const QByteArray meter = dump[expectedStart.size()];
    EXPECT_TRUE(meter.size() == 3 && meter[0] == 'J') << meter.constData();
}

INSTANTIATE_TEST_SUITE_P(AllDialects, SimStatusDumpByDialect,
                         ::testing::Values(Firmware::V601, Firmware::V604Adapt,
                                           Firmware::V604NonAdapt));

TEST(SimStatusDump, IsTheWholeAnswerToOneQuestionMarkAndNothingElse) {
    RadioDriver radio;
    EXPECT_TRUE(radio.send("? \n").isEmpty());
    EXPECT_TRUE(radio.send("??\n").isEmpty());
    EXPECT_EQ(radio.send("?\n?\n").size(), 2 * radio.statusDump().size());
}

}  // namespace
}  // namespace tq::sim::test
