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
    const std::pair<const char*, Commands> batches[] = {
        {"FA;MD;", {readFrequency(), readMode()}},
        // Two ";" in a row is an empty command, skipped; the rest still counts.
        {";;FA;;MD;;", {readFrequency(), readMode()}},
        // A command still without its ";" is not answered.
        {"MD;FA", {readMode()}},
        {"FA", {}},
        // Other commands of the language, lower case, and noise are ignored.
        {"IF;ID;AI0;fa;md;FB;MC;", {}},
        {"\x01\x7f:;FA;", {readFrequency()}},
    };
    for (const auto& [text, commands] : batches)
        EXPECT_EQ(CatCommandTable::parseBatch(QString::fromLatin1(text)), commands) << text;
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
                                               QString::fromLatin1(dig), false, QString()})
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

TEST(CatCommandTable, ExtendedCommandsAreRowsOnlyWhileSwitchedOn) {
    const auto on = [](const char* text) {
        return CatCommandTable::recognise(QString::fromLatin1(text), true);
    };
    const std::pair<const char*, CatCommand> rows[] = {
        {"ID", {CatAction::ReadId, {}}},
        {"IF", {CatAction::ReadInfo, {}}},
        {"AI", {CatAction::ReadAutoInfo, {}}},
        {"AI2", {CatAction::Accept, {}}},
        {"PS", {CatAction::ReadPower, {}}},
        {"PS0", {CatAction::Accept, {}}},
        {"VX1", {CatAction::Accept, {}}},
        {"FB", {CatAction::ReadVfoB, {}}},
        {"FB00007080009", {CatAction::SetVfoB, QStringLiteral("0708000")}},
        {"TX", {CatAction::Transmit, {}}},
        {"TX0", {CatAction::Transmit, {}}},
        {"TX1", {CatAction::Transmit, {}}},
        {"RX", {CatAction::Receive, {}}},
        // Hamlib's data modes run on the sideband: PKTLSB, PKTUSB.
        {"MDC", {CatAction::SetMode, QStringLiteral("M2")}},
        {"MDD", {CatAction::SetMode, QStringLiteral("M1")}},
        // What the plain bridge knows stays as it was.
        {"FA", readFrequency()},
        {"MD2", {CatAction::SetMode, QStringLiteral("M1")}},
    };
    for (const auto& [text, command] : rows) {
        EXPECT_EQ(on(text), command) << text;
    }
    // Unknown commands, malformed arguments of the new rows, lower case and
    // noise are refused; the refusal is a command of its own (answered "?;").
    for (const char* text : {"XY", "FR", "FT1", "SA", "FB00107080000", "FB0000708000", "TX2", "RXX",
                             "IF1", "tx", "ID ", "\x01\x7f"}) {
        EXPECT_EQ(on(text), CatCommand({CatAction::Refuse, {}})) << text;
    }
    // Texts of the plain FA and MD families keep their silence.
    for (const char* text :
         {"FA00107074000", "FA000707", "MD4", "MDA", "MDB", "MDE", "MDDD", "FAX"}) {
        EXPECT_FALSE(on(text)) << text;
    }
    // Off, none of it is a command (the batch IF; still produces nothing).
    EXPECT_TRUE(
        CatCommandTable::parseBatch(QStringLiteral("ID;IF;AI;PS;FB;TX;RX;XY;MDC;MDD;"), false)
            .empty());
    EXPECT_EQ(CatCommandTable::parseBatch(QStringLiteral("TX;MD4;FA;"), true),
              Commands({{CatAction::Transmit, {}}, readFrequency()}));
    // Hamlib's PKTUSB request as it arrives: the set, then the check that the
    // rig is still there, which it takes as the set's success.
    EXPECT_EQ(CatCommandTable::parseBatch(QStringLiteral("MDD;ID;"), true),
              Commands({{CatAction::SetMode, QStringLiteral("M1")}, {CatAction::ReadId, {}}}));
}

TEST(CatCommandTable, StatusReplyCarriesFrequencyKeyedStateAndModeAtTheirPlaces) {
    CatSnapshot snapshot{QStringLiteral("F0707400"), QStringLiteral("M2"), QStringLiteral("OFF"),
                         true, QStringLiteral("1420000")};
    const auto info = [&] {
        return CatCommandTable::reply(CatAction::ReadInfo, snapshot).value_or(QString());
    };
    // Frequency in Hz, blank step, zero offset, RIT/XIT/memory 0, keyed (28),
    // LSB (29), then VFO A without split.
    EXPECT_EQ(info(),
              QStringLiteral("IF00007074000     +00000000011") + QStringLiteral("0000000;"));

    // Receiving in USB; a digital mode gives its code as the mode read does.
    snapshot.keyed = false;
    snapshot.ModeReply = QStringLiteral("M1");
    EXPECT_EQ(info().mid(28, 2), "02");
    snapshot.digitalMode = QStringLiteral("RTTY");
    EXPECT_EQ(info().mid(28, 2), "06");

    const std::pair<CatAction, const char*> fixedReplies[] = {
        {CatAction::ReadId, "ID019;"},  {CatAction::ReadAutoInfo, "AI0;"},
        {CatAction::ReadPower, "PS1;"}, {CatAction::ReadVfoB, "FB00014200000;"},
        {CatAction::Refuse, "?;"},      {CatAction::Transmit, "none"},
        {CatAction::Accept, "none"},
    };
    for (const auto& [action, expected] : fixedReplies) {
        EXPECT_EQ(CatCommandTable::reply(action, snapshot).value_or(QStringLiteral("none")),
                  QString::fromLatin1(expected))
            << expected;
    }
    // No frequency, mode or VFO B to report: refused rather than made up.
    snapshot.FreqReply = QStringLiteral("        ");
    EXPECT_EQ(info(), "?;");
    snapshot.FreqReply = QStringLiteral("F0707400");
    snapshot.digitalMode = QStringLiteral("SSTV");
    EXPECT_EQ(info(), "?;");
    snapshot.vfoB = QStringLiteral("14200");
    EXPECT_EQ(CatCommandTable::reply(CatAction::ReadVfoB, snapshot), QStringLiteral("?;"));
}

}  // namespace
}  // namespace tq::cat
