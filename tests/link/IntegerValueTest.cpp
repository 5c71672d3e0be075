#include <gtest/gtest.h>

#include <limits>

#include "QStringPrinter.h"
#include "link/IntegerValue.h"

namespace tq::link {
namespace {

TEST(LinkIntegerValue, ReadsTheNumberAtTheStartOfASettingsLine) {
    struct Case {
        const char* text;
        int expected;
    };
    const Case cases[] = {
        {"3", 3},
        {"3 ", 3},
        {" 12", 12},
        {"1 2", 12},
        {"3abc", 3},
        {"-2", -2},
        {"+7", 7},
        {"", 0},
        {"COM3", 0},
        {"  ", 0},
        {"-", 0},
        {"4\r", 4},
        {"99999999999", std::numeric_limits<int>::max()},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(integerValue(QString::fromLatin1(c.text)), c.expected) << '"' << c.text << '"';
    }
}

}  // namespace
}  // namespace tq::link
