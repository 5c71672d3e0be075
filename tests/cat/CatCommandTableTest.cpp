// Recognising the commands of a batch and building the replies to reads.
#include <gtest/gtest.h>

#include "cat/CatCommandTable.h"
#include "link/QStringPrinter.h"

namespace tq::cat {
namespace {

using Commands = std::vector<CatCommand>;

CatCommand readFrequency() {
    return {CatAction::ReadFrequency, {}};
}
CatCommand readMode() {
    return {CatAction::ReadMode, {}};
}

TEST(CatCommandTable, BatchesSplitAtSemicolonsInOrder) {
    EXPECT_EQ(CatCommandTable::parseBatch(QStringLiteral("FA;MD;")),
              Commands({readFrequency(), readMode()}));
    // Two ";" in a row is an empty command, skipped; the rest still counts.
    EXPECT_EQ(CatCommandTable::parseBatch(QStringLiteral(";;FA;;MD;;")),
              Commands({readFrequency(), readMode()}));
    // A command still without its ";" is not answered.
    EXPECT_EQ(CatCommandTable::parseBatch(QStringLiteral("MD;FA")), Commands({readMode()}));
    EXPECT_TRUE(CatCommandTable::parseBatch(QStringLiteral("FA")).empty());
    // Other commands of the language, lower case, and noise are ignored.
    EXPECT_TRUE(CatCommandTable::parseBatch(QStringLiteral("IF;ID;AI0;fa;md;FB;MC;")).empty());
    EXPECT_EQ(CatCommandTable::parseBatch(QStringLiteral("\x01\x7f:;FA;")),
              Commands({readFrequency()}));
}

TEST(CatCommandTable, SetsAreTakenOnlyInTheFormTheRadioCanCarryOut) {
    const std::pair<const char*, CatCommand> sets[] = {
        {"FA00007074000", {CatAction::SetFrequency, QStringLiteral("0707400")}},
        {"FA00014200009", {CatAction::SetFrequency, QStringLiteral("1420000")}},  // Hz dropped
        {"MD1", {CatAction::SetMode, QStringLiteral("M2")}},                      // LSB
        {"MD2", {CatAction::SetMode, QStringLiteral("M1")}},                      // USB
        {"MD3", {CatAction::SetMode, QStringLiteral("M4")}},                      // CW
        {"MD5", {CatAction::SetMode, QStringLiteral("M3")}},                      // AM
    };
    for (const auto& [text, command] : sets) {
        EXPECT_EQ(CatCommandTable::recognise(QString::fromLatin1(text)), command) << text;
    }
    // 100 MHz and above, too few digits, another VFO, letters; mode digits
    // the radio has no mode for (FM, FSK, ...), two digits, a letter.
    for (const char* text : {"FA00107074000", "FA000707400", "FB00007074000", "FA0000707A400", "F",
                             "MD0", "MD4", "MD6", "MD9", "MDA", "MD12", "MD 2"}) {
        EXPECT_FALSE(CatCommandTable::recognise(QString::fromLatin1(text))) << text;
    }
}

TEST(CatCommandTable, RepliesReportTheRadioStateOrNothing) {
    const auto reply = [](CatAction action, const char* freq, const char* mode, const char* dig) {
        return CatCommandTable::reply(action, {QString::fromLatin1(freq), QString::fromLatin1(mode),
                                               QString::fromLatin1(dig)})
            .value_or(QStringLiteral("none"));
    };
    const CatAction fa = CatAction::ReadFrequency;
    const CatAction md = CatAction::ReadMode;
    EXPECT_EQ(reply(fa, "F1420000", "M1", "OFF"), QStringLiteral("FA00014200000;"));
    EXPECT_EQ(reply(fa, "F0707400", "M1", "OFF"), QStringLiteral("FA00007074000;"));
    // Before the radio has reported a frequency, or after a garbled line.
    for (const char* line : {"        ", "F142000 ", "F14200000", "X1420000"}) {
        EXPECT_EQ(reply(fa, line, "M1", "OFF"), QStringLiteral("none")) << line;
    }
    const std::pair<const char*, const char*> radioModes[] = {
        {"M1", "MD2;"}, {"M2", "MD1;"}, {"M3", "MD5;"}, {"M4", "MD3;"}, {"  ", "none"}};
    for (const auto& [mode, expected] : radioModes) {
        EXPECT_EQ(reply(md, "F1420000", mode, "OFF"), QString::fromLatin1(expected)) << mode;
    }
    // A digital mode decides whatever the radio's mode.
    const std::pair<const char*, const char*> digitalModes[] = {
        {"PSK", "MDA;"}, {"FSK", "MD9;"}, {"RTTY", "MD6;"}, {"SSTV", "none"}};
    for (const auto& [dig, expected] : digitalModes) {
        EXPECT_EQ(reply(md, "F1420000", "M2", dig), QString::fromLatin1(expected)) << dig;
    }
    EXPECT_EQ(reply(CatAction::SetMode, "F1420000", "M2", "OFF"), QStringLiteral("none"));
}

}  // namespace
}  // namespace tq::cat
