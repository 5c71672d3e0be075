// The rigctld command language without sockets: replies and what reaches the radio.
#include <gtest/gtest.h>

#include "rigctl/RigctlLine.h"
#include "rigctl/RigctlParser.h"
#include "support/FakeRig.h"

namespace {

using tq::rigctl::RigMode;
using tq::rigctl::RigResult;

enum class Rig { Fresh, AmKeyed, Silent, Refusing };

tq::test::FakeRig rigIn(Rig state) {
    tq::test::FakeRig rig;
    if (state == Rig::AmKeyed) {
        rig.currentMode = RigMode::Am;
        rig.radioKeyed = true;
    } else if (state == Rig::Silent) {  // nothing reported by the radio yet
        rig.frequency.reset();
        rig.currentMode.reset();
    } else if (state == Rig::Refusing) {
        rig.transmitAnswer = RigResult::Rejected;
    }
    return rig;
}

TEST(RigctlLine, EachLineGetsOneReplyInOrderAndOnlyValidSetsReachTheRadio) {
    constexpr Rig fresh = Rig::Fresh;
    // clang-format off
    const struct {
        Rig rig;
        const char* line;
        const char* reply;
        const char* log = "";
        std::optional<bool> ptt = std::nullopt;
    } rows[] = {
        {fresh, "f", "14074000\n"}, {fresh, "m", "USB\n2400\n"}, {fresh, "t", "0\n"},
        {fresh, "s", "0\nVFOA\n"}, {fresh, "\\get_lock_mode", "0\nRPRT 0\n"},
        {Rig::AmKeyed, "m", "AM\n6000\n"}, {Rig::AmKeyed, "t", "1\n"},
        {Rig::Silent, "f", "RPRT -6\n"}, {Rig::Silent, "m", "RPRT -6\n"},
        // Extended replies name every record and end with the report.
        {fresh, "+f", "get_freq:\nFrequency: 14074000\nRPRT 0\n"},
        {fresh, "+\\get_mode", "get_mode:\nMode: USB\nPassband: 2400\nRPRT 0\n"},
        {fresh, "+F 7074000", "set_freq: 7074000\nRPRT 0\n", "freq 7074000"},
        {fresh, ";m", "get_mode:;Mode: USB;Passband: 2400;RPRT 0\n"},
        {fresh, "+F abc", "set_freq: abc\nRPRT -1\n"}, {fresh, "+", ":\nRPRT -11\n"},
        // Several on a line; nothing runs past an unknown one or a quit.
        {fresh, "fmv", "14074000\nUSB\n2400\nVFOA\n"},
        {fresh, "F 7074000.000000 f", "RPRT 0\n7074000\n", "freq 7074000"},
        {fresh, "f X F 7000000", "14074000\nRPRT -11\n"},
        {fresh, "f q F 7000000", "14074000\nRPRT 0\n"},
        // Tuned in 10 Hz steps within the radio's range; GPredict pads with blanks.
        {fresh, "F  14074000", "RPRT 0\n", "freq 14074000"},
        {fresh, "F 7074006", "RPRT 0\n", "freq 7074010"},
        {fresh, "F 7074004.9", "RPRT 0\n", "freq 7074000"},
        {fresh, "F 1600000", "RPRT 0\n", "freq 1600000"},
        {fresh, "F 29999990", "RPRT 0\n", "freq 29999990"},
        // The radio's four modes; the data variants run on their sideband.
        {fresh, "M CW 500", "RPRT 0\n", "mode CW"}, {fresh, "M PKTUSB -1", "RPRT 0\n", "mode USB"},
        {fresh, "M PKTLSB 3000", "RPRT 0\n", "mode LSB"},
        // Any keying value keys; a refused latch is reported.
        {fresh, "T 3", "RPRT 0\n", "transmit 1", true},
        {fresh, "\\set_ptt 0", "RPRT 0\n", "transmit 0", false},
        {Rig::Refusing, "T 1", "RPRT -9\n", "transmit 1"},
        // Only the one VFO, without split.
        {fresh, "V VFOA V currVFO V Main", "RPRT 0\nRPRT 0\nRPRT 0\n"},
        {fresh, "S 0 VFOA", "RPRT 0\n"}, {fresh, "V VFOB", "RPRT -11\n"}, {fresh, "Z", "RPRT -11\n"},
        {fresh, "\\", "RPRT -11\n"}, {fresh, "", ""}, {fresh, "   ", ""},
    };
    // clang-format on
    for (const auto& row : rows) {
        tq::test::FakeRig rig = rigIn(row.rig);
        const tq::rigctl::LineOutcome outcome =
            tq::rigctl::serveRigctlLine(QString::fromLatin1(row.line), rig);
        EXPECT_EQ(outcome.reply.toStdString(), row.reply) << row.line;
        EXPECT_EQ(rig.log.join(u", ").toStdString(), row.log) << row.line;
        EXPECT_EQ(outcome.transmitSet, row.ptt) << row.line;
        EXPECT_EQ(outcome.close, QByteArray(row.line).contains(" q ")) << row.line;
    }
}

TEST(RigctlLine, MalformedValuesAndBytesBeyondAsciiAreRefusedAndRunNothing) {
    const auto refused = [](const QByteArray& line) {
        tq::test::FakeRig rig;
        return tq::rigctl::serveRigctlLine(QString::fromLatin1(line), rig).reply == "RPRT -1\n" &&
               rig.log.isEmpty();
    };
    // Control bytes or anything beyond ASCII refuse even a valid request.
    // clang-format off
    for (const char* bad :
         {"F 1599990", "F 29999996", "F 30000000", "F 99999999999999999999", "F -7074000",
          "F 7074000junk", "F 1e7", "F 7,074", "F", "M FM 12000", "M usb 2400", "M USB", "T 4",
          "T -1", "T", "T 1\x01", "T 1 \xe9"}) {
        // clang-format on
        EXPECT_TRUE(refused(bad)) << bad;
    }
    EXPECT_TRUE(refused(QByteArray(tq::rigctl::kMaxCommandsPerLine + 1, 'f')))
        << "more commands than a line may carry";
}

}  // namespace
