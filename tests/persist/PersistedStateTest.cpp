#include <gtest/gtest.h>

#include "link/QStringPrinter.h"
#include "persist/PersistedState.h"

namespace tq::app {
namespace {

const QString kFileText =
    QStringLiteral("-150 \r\n 2880 \r\n1420000\r\nUSB\r\nSplit Off\r\n1 kHz\r\n");

tq::persist::PersistedState windowLeftOfTheScreen() {
    return {-150,
            2880,
            QStringLiteral("1420000"),
            QStringLiteral("USB"),
            QStringLiteral("Split Off"),
            QStringLiteral("1 kHz")};
}

TEST(PersistedState, SixLinesRoundTripWithCrLfOrLf) {
    EXPECT_EQ(windowLeftOfTheScreen().format(), kFileText);
    EXPECT_EQ(tq::persist::PersistedState::parse(kFileText), windowLeftOfTheScreen());
    QString lf = kFileText;
    lf.remove(u'\r');
    EXPECT_EQ(tq::persist::PersistedState::parse(lf), windowLeftOfTheScreen());
    lf.chop(1);  // no line end after the last line
    EXPECT_EQ(tq::persist::PersistedState::parse(lf), windowLeftOfTheScreen());
}

TEST(PersistedState, VfoBDigitsOnlyWhenExactlySevenDecimalDigits) {
    const auto digitsOf = [](const char* line) {
        return tq::persist::PersistedState::parse(QStringLiteral(" 0 \r\n 0 \r\n") +
                                                  QString::fromLatin1(line) +
                                                  QStringLiteral("\r\nUSB\r\n"))
            .vfoBDigits;
    };
    EXPECT_EQ(digitsOf("0160000"), QStringLiteral("0160000"));
    for (const char* line : {"1234567 ", " 1234567", "123456", "12345678", "12345a7", ""}) {
        EXPECT_EQ(digitsOf(line), std::nullopt) << '"' << line << '"';
    }
}

TEST(PersistedState, ShortOrDamagedFileIsReadLineByLine) {
    EXPECT_EQ(tq::persist::PersistedState::parse(QStringLiteral(" 1200 \r\n-45 \r\n")),
              (tq::persist::PersistedState{1200, -45, std::nullopt, {}, {}, {}}));
    // Texts are taken as they stand, blanks included.
    EXPECT_EQ(tq::persist::PersistedState::parse(
                  QStringLiteral("left\r\n 300 twips\r\n14200.00\r\n  LSB \r\nSplit On\r\n")),
              (tq::persist::PersistedState{
                  0, 300, std::nullopt, QStringLiteral("  LSB "), QStringLiteral("Split On"), {}}));
}

}  // namespace
}  // namespace tq::app
