// The rigctld command language without sockets: parsing, the plain and
// extended replies, and what reaches the radio.
#include <gtest/gtest.h>

#include "rigctl/FakeRig.h"
#include "rigctl/RigctlDumpState.h"
#include "rigctl/RigctlLine.h"
#include "rigctl/RigctlParser.h"

namespace {

using tq::rigctl::RigMode;
using tq::rigctl::RigResult;

std::string serve(tq::test::FakeRig& rig, const char* line) {
    return tq::rigctl::serveRigctlLine(QString::fromLatin1(line), rig).reply.toStdString();
}

TEST(RigctlLine, PlainReadsAnswerValuesOnePerLine) {
    tq::test::FakeRig rig;
    EXPECT_EQ(serve(rig, "f"), "14074000\n");
    EXPECT_EQ(serve(rig, "m"), "USB\n2400\n");
    EXPECT_EQ(serve(rig, "t"), "0\n");
    EXPECT_EQ(serve(rig, "v"), "VFOA\n");
    EXPECT_EQ(serve(rig, "s"), "0\nVFOA\n");
    EXPECT_EQ(serve(rig, "\\chk_vfo"), "0\n");
    EXPECT_EQ(serve(rig, "\\get_powerstat"), "1\n");
    EXPECT_EQ(serve(rig, "\\get_lock_mode"), "0\nRPRT 0\n");
    rig.currentMode = RigMode::Am;
    rig.radioKeyed = true;
    EXPECT_EQ(serve(rig, "m"), "AM\n6000\n");
    EXPECT_EQ(serve(rig, "t"), "1\n");
    rig.frequency.reset();
    rig.currentMode.reset();
    EXPECT_EQ(serve(rig, "f"), "RPRT -6\n") << "nothing reported by the radio yet";
    EXPECT_EQ(serve(rig, "m"), "RPRT -6\n");
    EXPECT_TRUE(rig.log.isEmpty());
}

TEST(RigctlLine, ExtendedRepliesNameEveryRecordAndEndWithTheReport) {
    tq::test::FakeRig rig;
    EXPECT_EQ(serve(rig, "+f"), "get_freq:\nFrequency: 14074000\nRPRT 0\n");
    EXPECT_EQ(serve(rig, "+\\get_mode"), "get_mode:\nMode: USB\nPassband: 2400\nRPRT 0\n");
    EXPECT_EQ(serve(rig, "+F 7074000"), "set_freq: 7074000\nRPRT 0\n");
    EXPECT_EQ(serve(rig, "+s"), "get_split_vfo:\nSplit: 0\nTX VFO: VFOA\nRPRT 0\n");
    EXPECT_EQ(serve(rig, ";m"), "get_mode:;Mode: USB;Passband: 2400;RPRT 0\n");
    EXPECT_EQ(serve(rig, "|\\get_powerstat"), "get_powerstat:|Power Status: 1|RPRT 0\n");
    EXPECT_EQ(serve(rig, "+F abc"), "set_freq: abc\nRPRT -1\n");
    EXPECT_EQ(serve(rig, "+Z"), "Z:\nRPRT -11\n");
}

TEST(RigctlLine, SeveralCommandsOnOneLineGetOneReplyInOrder) {
    tq::test::FakeRig rig;
    EXPECT_EQ(serve(rig, "fmv"), "14074000\nUSB\n2400\nVFOA\n");
    EXPECT_EQ(serve(rig, "f m  t"), "14074000\nUSB\n2400\n0\n");
    EXPECT_EQ(serve(rig, "+f +t"),
              "get_freq:\nFrequency: 14074000\nRPRT 0\nget_ptt:\nPTT: 0\nRPRT 0\n");
    EXPECT_EQ(serve(rig, "F 7074000.000000 f"), "RPRT 0\n7074000\n");
    EXPECT_EQ(serve(rig, "\\set_freq 3573000 \\get_freq"), "RPRT 0\n3573000\n");
    // Past an unknown command nothing more can be told apart.
    EXPECT_EQ(serve(rig, "f X F 7000000"), "3573000\nRPRT -11\n");
    EXPECT_EQ(rig.log, QStringList({"freq 7074000", "freq 3573000"}));
    // A quit closes after its reply; what follows it is not run.
    const auto quit = tq::rigctl::serveRigctlLine(u"f q F 7000000", rig);
    EXPECT_EQ(quit.reply.toStdString(), "3573000\nRPRT 0\n");
    EXPECT_TRUE(quit.close);
    EXPECT_EQ(rig.log.size(), 2);
}

TEST(RigctlLine, FrequenciesAsClientsWriteThemTuneInTenHertzWithinTheRadiosRange) {
    tq::test::FakeRig rig;
    EXPECT_EQ(serve(rig, "F  14074000"), "RPRT 0\n") << "GPredict pads with blanks";
    EXPECT_EQ(serve(rig, "F14074000.000000"), "RPRT 0\n");
    EXPECT_EQ(serve(rig, "F 7074006"), "RPRT 0\n");
    EXPECT_EQ(serve(rig, "F 7074004.9"), "RPRT 0\n");
    EXPECT_EQ(serve(rig, "F 1600000"), "RPRT 0\n");
    EXPECT_EQ(serve(rig, "F 29999990"), "RPRT 0\n");
    EXPECT_EQ(rig.log, QStringList({"freq 14074000", "freq 14074000", "freq 7074010",
                                    "freq 7074000", "freq 1600000", "freq 29999990"}));
    rig.log.clear();
    for (const char* bad :
         {"F 1599990", "F 29999996", "F 30000000", "F 144000000", "F 99999999999999999999",
          "F -7074000", "F 7074000junk", "F 1e7", "F abc", "F .5", "F 7,074", "F"}) {
        EXPECT_EQ(serve(rig, bad), "RPRT -1\n") << bad;
    }
    EXPECT_TRUE(rig.log.isEmpty());
}

TEST(RigctlLine, ModesMapToTheRadiosFourAndTheDataVariantsToTheirSideband) {
    tq::test::FakeRig rig;
    for (const char* line :
         {"M LSB 2400", "M CW 500", "M AM 0", "M PKTUSB -1", "M PKTLSB 3000", "M USB 2400"}) {
        EXPECT_EQ(serve(rig, line), "RPRT 0\n") << line;
    }
    EXPECT_EQ(rig.log,
              QStringList({"mode LSB", "mode CW", "mode AM", "mode USB", "mode LSB", "mode USB"}));
    rig.log.clear();
    for (const char* bad : {"M FM 12000", "M usb 2400", "M USB wide", "M USB"}) {
        EXPECT_EQ(serve(rig, bad), "RPRT -1\n") << bad;
    }
    EXPECT_TRUE(rig.log.isEmpty());
}

TEST(RigctlLine, TransmitRequestsAnyKeyingValueAndReportTheirOutcome) {
    tq::test::FakeRig rig;
    auto outcome = tq::rigctl::serveRigctlLine(u"T 3", rig);
    EXPECT_EQ(outcome.reply.toStdString(), "RPRT 0\n");
    EXPECT_EQ(outcome.transmitSet, std::optional<bool>(true));
    EXPECT_EQ(serve(rig, "t"), "1\n");
    outcome = tq::rigctl::serveRigctlLine(u"\\set_ptt 0", rig);
    EXPECT_EQ(outcome.transmitSet, std::optional<bool>(false));
    rig.transmitAnswer = RigResult::Rejected;
    outcome = tq::rigctl::serveRigctlLine(u"T 1", rig);
    EXPECT_EQ(outcome.reply.toStdString(), "RPRT -9\n");
    EXPECT_FALSE(outcome.transmitSet.has_value());
    rig.log.clear();
    for (const char* bad : {"T 4", "T -1", "T on", "T", "T 1.0"}) {
        EXPECT_EQ(serve(rig, bad), "RPRT -1\n") << bad;
    }
    EXPECT_TRUE(rig.log.isEmpty()) << "a malformed value never keys";
}

TEST(RigctlLine, OnlyTheOneVfoWithoutSplitIsAccepted) {
    tq::test::FakeRig rig;
    EXPECT_EQ(serve(rig, "V VFOA V currVFO V Main"), "RPRT 0\nRPRT 0\nRPRT 0\n");
    EXPECT_EQ(serve(rig, "V VFOB"), "RPRT -11\n");
    EXPECT_EQ(serve(rig, "S 0 VFOA"), "RPRT 0\n");
    EXPECT_EQ(serve(rig, "S 1 VFOB"), "RPRT -11\n");
}

TEST(RigctlLine, NoiseAndUnknownCommandsAreAnsweredAndRunNothing) {
    tq::test::FakeRig rig;
    EXPECT_EQ(serve(rig, "Z"), "RPRT -11\n");
    EXPECT_EQ(serve(rig, "\\set_level RFPOWER 1"), "RPRT -11\n");
    EXPECT_EQ(serve(rig, "\\"), "RPRT -11\n");
    EXPECT_EQ(serve(rig, "+"), ":\nRPRT -11\n") << "a prefix without a command";
    EXPECT_EQ(serve(rig, ""), "") << "a blank line holds no command";
    EXPECT_EQ(serve(rig, "   "), "");
    // Control bytes or anything beyond ASCII: the whole line is refused,
    // even where it spells a valid request.
    EXPECT_EQ(serve(rig, "T 1\x01"), "RPRT -1\n");
    EXPECT_EQ(tq::rigctl::serveRigctlLine(QStringLiteral("T 1 \u00e9"), rig).reply, "RPRT -1\n");
    EXPECT_EQ(serve(rig, QByteArray(tq::rigctl::kMaxCommandsPerLine + 1, 'f').constData()),
              "RPRT -1\n")
        << "more commands than a line may carry";
    EXPECT_TRUE(rig.log.isEmpty());
}

TEST(RigctlDumpState, DescribesTheRadiosRangeAndModesInProtocolZero) {
    const QStringList lines = tq::rigctl::dumpStateLines();
    ASSERT_GE(lines.size(), 24);
    EXPECT_EQ(lines[0], "0");
    EXPECT_TRUE(lines[3].startsWith("1600000.000000 29999990.000000 0xf "));
    EXPECT_EQ(lines[4], "0 0 0 0 0 0 0");
    EXPECT_TRUE(lines[5].startsWith("1600000.000000 29999990.000000 0xf "));
    tq::test::FakeRig rig;
    const std::string reply = serve(rig, "\\dump_state");
    EXPECT_EQ(reply, (lines.join('\n') + '\n').toStdString());
}

}  // namespace
