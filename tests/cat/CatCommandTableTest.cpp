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

TEST(CatCommandTable, FrequencySetsTakeTheTenHertzDigitsBelowOneHundredMegahertz) {
    EXPECT_EQ(CatCommandTable::recognise(QStringLiteral("FA00007074000")),
              (CatCommand{CatAction::SetFrequency, QStringLiteral("0707400")}));
    EXPECT_EQ(CatCommandTable::recognise(QStringLiteral("FA00014200009")),
              (CatCommand{CatAction::SetFrequency, QStringLiteral("1420000")}));
    // 100 MHz and above, too few digits, other VFOs, letters: nothing.
    for (const char* text : {"FA00107074000", "FA000707400", "FA000", "FB00007074000",
                             "FA0000707A400", "F", "FA 0007074000"}) {
        EXPECT_FALSE(CatCommandTable::recognise(QString::fromLatin1(text))) << text;
    }
}

TEST(CatCommandTable, ModeSetsMapTheDigitsTheRadioHas) {
    const std::pair<const char*, const char*> mapped[] = {
        {"MD1", "M2"}, {"MD2", "M1"}, {"MD3", "M4"}, {"MD5", "M3"}};
    for (const auto& [text, code] : mapped) {
        EXPECT_EQ(CatCommandTable::recognise(QString::fromLatin1(text)),
                  (CatCommand{CatAction::SetMode, QString::fromLatin1(code)}))
            << text;
    }
    // FM, FSK, RTTY and the rest have no mode key on this radio.
    for (const char* text : {"MD0", "MD4", "MD6", "MD7", "MD9", "MDA", "MD12", "MD 2"}) {
        EXPECT_FALSE(CatCommandTable::recognise(QString::fromLatin1(text))) << text;
    }
}

TEST(CatCommandTable, FrequencyReplyCarriesElevenDigitsInHertz) {
    CatSnapshot state{QStringLiteral("F1420000"), QStringLiteral("M1"), QStringLiteral("OFF")};
    EXPECT_EQ(CatCommandTable::reply(CatAction::ReadFrequency, state),
              QStringLiteral("FA00014200000;"));
    state.FreqReply = QStringLiteral("F0707400");
    EXPECT_EQ(CatCommandTable::reply(CatAction::ReadFrequency, state),
              QStringLiteral("FA00007074000;"));
    // Before the radio has reported a frequency, or after a garbled line,
    // there is nothing true to answer.
    for (const char* line : {"        ", "F142000 ", "F14200000", "X1420000"}) {
        state.FreqReply = QString::fromLatin1(line);
        EXPECT_FALSE(CatCommandTable::reply(CatAction::ReadFrequency, state)) << line;
    }
    EXPECT_FALSE(CatCommandTable::reply(CatAction::SetFrequency, state));
}

TEST(CatCommandTable, ModeReplyFollowsTheDigitalModeBeforeTheRadioMode) {
    CatSnapshot state{QStringLiteral("F1420000"), {}, QStringLiteral("OFF")};
    const std::pair<const char*, const char*> radio[] = {
        {"M1", "MD2;"}, {"M2", "MD1;"}, {"M3", "MD5;"}, {"M4", "MD3;"}};
    for (const auto& [code, reply] : radio) {
        state.ModeReply = QString::fromLatin1(code);
        EXPECT_EQ(CatCommandTable::reply(CatAction::ReadMode, state), QString::fromLatin1(reply));
    }
    state.ModeReply = QStringLiteral("M2");
    const std::pair<const char*, const char*> digital[] = {
        {"PSK", "MDA;"}, {"FSK", "MD9;"}, {"RTTY", "MD6;"}};
    for (const auto& [mode, reply] : digital) {
        state.digitalMode = QString::fromLatin1(mode);
        EXPECT_EQ(CatCommandTable::reply(CatAction::ReadMode, state), QString::fromLatin1(reply));
    }
    // No mode reported yet, or a digital mode without a code: no answer.
    state.digitalMode = QStringLiteral("OFF");
    state.ModeReply = QStringLiteral("  ");
    EXPECT_FALSE(CatCommandTable::reply(CatAction::ReadMode, state));
    state.ModeReply = QStringLiteral("M1");
    state.digitalMode = QStringLiteral("SSTV");
    EXPECT_FALSE(CatCommandTable::reply(CatAction::ReadMode, state));
}

}  // namespace
}  // namespace tq::cat
