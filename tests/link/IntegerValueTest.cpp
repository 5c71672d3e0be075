#include <gtest/gtest.h>

#include <limits>

#include "link/IntegerValue.h"
#include "support/QStringPrinter.h"

namespace tq::link {
namespace {

TEST(LinkIntegerValue, ReadsTheNumberAtTheStartOfASettingsLine) {
    const std::pair<const char*, int> cases[] = {
        {"3", 3},    {"3 ", 3},
        {" 12", 12}, {"1 2", 12},
        {"3abc", 3}, {"-2", -2},
        {"+7", 7},   {"", 0},
        {"COM3", 0}, {"  ", 0},
        {"-", 0},    {"4\r", 4},
        {"1-2", 1},  {"99999999999", std::numeric_limits<int>::max()},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(integerValue(QString::fromLatin1(text)), expected) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace tq::link
