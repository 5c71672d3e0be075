#include <gtest/gtest.h>

#include <limits>

#include "link/QStringPrinter.h"
#include "persist/PersistedNumber.h"

namespace tq::app {
namespace {

TEST(PersistedNumber, PrintFormatHasSignPlaceDigitsAndOneBlankBehind) {
    EXPECT_EQ(tq::persist::formatPersistedNumber(4320), QStringLiteral(" 4320 "));
    EXPECT_EQ(tq::persist::formatPersistedNumber(-150), QStringLiteral("-150 "));
    EXPECT_EQ(tq::persist::formatPersistedNumber(12.5), QStringLiteral(" 12.5 "));
    EXPECT_EQ(tq::persist::formatPersistedNumber(-0.25), QStringLiteral("-0.25 "));
    EXPECT_EQ(tq::persist::formatPersistedNumber(1e9), QStringLiteral(" 1000000000 "));
    // Nothing that prints as zero carries a minus sign.
    EXPECT_EQ(tq::persist::formatPersistedNumber(-1e-9), QStringLiteral(" 0 "));
    EXPECT_EQ(tq::persist::formatPersistedNumber(std::numeric_limits<double>::quiet_NaN()),
              QStringLiteral(" 0 "));
}

TEST(PersistedNumber, ValueIsTheDecimalNumberAtTheStartBlanksIgnored) {
    EXPECT_EQ(tq::persist::persistedNumberValue(QStringLiteral("- 1 5\t0 ")), -150);
    EXPECT_EQ(tq::persist::persistedNumberValue(QStringLiteral("+7")), 7);
    EXPECT_EQ(tq::persist::persistedNumberValue(QStringLiteral(" 12.5px")), 12.5);
    EXPECT_EQ(tq::persist::persistedNumberValue(QStringLiteral("1.2.3")), 1.2);
    for (const char* line : {"", "Split Off", "-", ".", "+-3"}) {
        EXPECT_EQ(tq::persist::persistedNumberValue(QString::fromLatin1(line)), 0) << line;
    }
    for (const double value : {4320.0, -150.0, 0.0, -7.125, 2147483648.0}) {
        EXPECT_EQ(tq::persist::persistedNumberValue(tq::persist::formatPersistedNumber(value)),
                  value)
            << value;
    }
}

}  // namespace
}  // namespace tq::app
