// Recognising the commands of a batch and building the replies to reads.
#include <gtest/gtest.h>

#include "cat/CatCommandTable.h"
#include "support/QStringPrinter.h"

namespace tq::cat {
namespace {

const CatCommand kReadFrequency{CatAction::ReadFrequency, {}};
const CatCommand kReadMode{CatAction::ReadMode, {}};

CatCommand set(CatAction action, const char* value) {
    return {action, QString::fromLatin1(value)};
}

TEST(CatCommandTable, BatchesSplitAtSemicolonsInOrder) {
    const std::tuple<const char*, bool, std::vector<CatCommand>> batches[] = {
        // Two ";" in a row is an empty command, skipped; the rest still counts.
        {";;FA;;MD;;", false, {kReadFrequency, kReadMode}},
        // A command still without its ";" is not answered.
        {"MD;FA", false, {kReadMode}},
        // Without the extended commands, other commands and noise are ignored.
        {"\x01\x7f:;fa;FA;", false, {kReadFrequency}},
        {"ID;IF;AI;PS;FB;TX;RX;XY;MDC;MDD;", false, {}},
        {"TX;MD4;FA;", true, {{CatAction::Transmit, {}}, kReadFrequency}},
        // Hamlib's PKTUSB request as it arrives: the set, then the check that
        // the rig is still there, which it takes as the set's success.
        {"MDD;ID;", true, {set(CatAction::SetMode, "M1"), {CatAction::ReadId, {}}}},
    };
    for (const auto& [text, extended, commands] : batches) {
        EXPECT_EQ(CatCommandTable::parseBatch(QString::fromLatin1(text), extended), commands)
            << text;
    }
}

TEST(CatCommandTable, CommandsAreTakenOnlyInTheFormTheRadioCanCarryOut) {
    const CatCommand refuse{CatAction::Refuse, {}};
    const CatCommand accept{CatAction::Accept, {}};
    const CatCommand transmit{CatAction::Transmit, {}};
    const CatCommand usb = set(CatAction::SetMode, "M1");
    const CatCommand lsb = set(CatAction::SetMode, "M2");
    // clang-format off
    const std::tuple<const char*, bool, std::optional<CatCommand>> rows[] = {
        // 10 Hz and 1 Hz digits are dropped; MD codes LSB, USB, CW, AM.
        {"FA00007074000", false, set(CatAction::SetFrequency, "0707400")},
        {"FA00014200009", false, set(CatAction::SetFrequency, "1420000")},
        {"MD1", false, lsb}, {"MD2", false, usb}, {"MD3", false, set(CatAction::SetMode, "M4")},
        {"MD5", false, set(CatAction::SetMode, "M3")},
        // 100 MHz and above, too few digits, another VFO, letters, no such mode.
        {"FA00107074000", false, {}}, {"FA000707400", false, {}}, {"FB00007074000", false, {}},
        {"FA0000707A400", false, {}}, {"MD0", false, {}}, {"MD4", false, {}}, {"MD12", false, {}},
        // The extended rows; Hamlib's data modes run on the sideband.
        {"ID", true, CatCommand{CatAction::ReadId, {}}},
        {"IF", true, CatCommand{CatAction::ReadInfo, {}}},
        {"AI", true, CatCommand{CatAction::ReadAutoInfo, {}}}, {"AI2", true, accept},
        {"PS", true, CatCommand{CatAction::ReadPower, {}}}, {"PS0", true, accept},
        {"VX1", true, accept}, {"FB", true, CatCommand{CatAction::ReadVfoB, {}}},
        {"FB00007080009", true, set(CatAction::SetVfoB, "0708000")}, {"TX0", true, transmit},
        {"RX", true, CatCommand{CatAction::Receive, {}}}, {"MDC", true, lsb}, {"MDD", true, usb},
        // Unknown or malformed commands are a refusal of their own ("?;")...
        {"XY", true, refuse}, {"FB00107080000", true, refuse}, {"FB0000708000", true, refuse},
        {"TX2", true, refuse}, {"RXX", true, refuse}, {"IF1", true, refuse}, {"tx", true, refuse},
        // ...but texts of the plain FA and MD families keep their silence.
        {"FA00107074000", true, {}}, {"MD4", true, {}}, {"MDB", true, {}}, {"MDDD", true, {}},
    };
    // clang-format on
    for (const auto& [text, extended, command] : rows) {
        EXPECT_EQ(CatCommandTable::recognise(QString::fromLatin1(text), extended), command)
            << text << (extended ? " extended" : "");
    }
}

TEST(CatCommandTable, RepliesReportTheRadioStateOrNothing) {
    const struct {
        CatAction action;
        const char *freq, *mode, *digital, *reply;
    } rows[] = {
        {CatAction::ReadFrequency, "F1420000", "M1", "OFF", "FA00014200000;"},
        // Before the radio has reported a frequency, or after a garbled line.
        {CatAction::ReadFrequency, "        ", "M1", "OFF", "none"},
        {CatAction::ReadFrequency, "X1420000", "M1", "OFF", "none"},
        {CatAction::ReadMode, "F1420000", "M1", "OFF", "MD2;"},
        {CatAction::ReadMode, "F1420000", "M2", "OFF", "MD1;"},
        {CatAction::ReadMode, "F1420000", "M3", "OFF", "MD5;"},
        {CatAction::ReadMode, "F1420000", "M4", "OFF", "MD3;"},
        {CatAction::ReadMode, "F1420000", "  ", "OFF", "none"},
        // A digital mode decides whatever the radio's mode.
        {CatAction::ReadMode, "F1420000", "M2", "PSK", "MDA;"},
        {CatAction::ReadMode, "F1420000", "M2", "RTTY", "MD6;"},
        {CatAction::ReadMode, "F1420000", "M2", "SSTV", "none"},
        // The status line: frequency in Hz, blank step, zero offset,
        // RIT/XIT/memory 0, keyed (28), the mode (29), VFO A without split.
        {CatAction::ReadInfo, "F0707400", "M2", "OFF", "IF00007074000     +000000000110000000;"},
        {CatAction::ReadInfo, "F0707400", "M1", "RTTY", "IF00007074000     +000000000160000000;"},
        // No frequency or mode to report: refused rather than made up.
        {CatAction::ReadInfo, "        ", "M2", "OFF", "?;"},
        {CatAction::ReadInfo, "F0707400", "M2", "SSTV", "?;"},
        {CatAction::ReadVfoB, "F0707400", "M2", "OFF", "FB00014200000;"},
        {CatAction::Accept, "F0707400", "M2", "OFF", "none"},
    };
    for (const auto& row : rows) {
        const CatSnapshot snapshot{QString::fromLatin1(row.freq), QString::fromLatin1(row.mode),
                                   QString::fromLatin1(row.digital), true,
                                   QStringLiteral("1420000")};
        EXPECT_EQ(CatCommandTable::reply(row.action, snapshot).value_or(QStringLiteral("none")),
                  QString::fromLatin1(row.reply))
            << row.reply << ' ' << row.freq << row.mode << row.digital;
    }
    // Receiving: position 28 says so. A VFO B that is no frequency is refused.
    CatSnapshot snapshot{QStringLiteral("F0707400"), QStringLiteral("M1"), QStringLiteral("OFF"),
                         false, QStringLiteral("14200")};
    EXPECT_EQ(CatCommandTable::reply(CatAction::ReadInfo, snapshot).value_or(QString()).mid(27, 3),
              "002");
    EXPECT_EQ(CatCommandTable::reply(CatAction::ReadVfoB, snapshot), QStringLiteral("?;"));
}

}  // namespace
}  // namespace tq::cat
