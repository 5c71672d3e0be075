// The tq5820-sim command line.

#include <gtest/gtest.h>

#include "sim/SimCommandLine.h"

namespace tq::sim::test {
namespace {

TEST(SimCommandLine, DefaultsServeAnAdaptiveRadioUnderRemoteControl) {
    const SimCommandLine line = SimCommandLine::parse({});
    ASSERT_TRUE(line.ok());
    EXPECT_EQ(line.radio.firmware, Firmware::V604Adapt);
    EXPECT_TRUE(line.radio.remote);
    EXPECT_EQ(line.replyDelayMs, 20);
    EXPECT_TRUE(line.linkPath.isEmpty());
    EXPECT_FALSE(line.radio.faults.silent);
}

TEST(SimCommandLine, EveryOptionReachesItsSetting) {
    const SimCommandLine line = SimCommandLine::parse(
        {"--firmware", "3", "--local", "--link=/tmp/radio", "--reply-delay", "5", "--silent",
         "--drop-rate", "0.25", "--garble-rate=0.5", "--parity-noise", "0.125", "--no-sync-answer",
         "--seed", "99", "--warm-up", "0.5"});
    ASSERT_TRUE(line.ok()) << qPrintable(line.error());
    EXPECT_EQ(line.radio.firmware, Firmware::V604NonAdapt);
    EXPECT_FALSE(line.radio.remote);
    EXPECT_EQ(line.linkPath, QStringLiteral("/tmp/radio"));
    EXPECT_EQ(line.replyDelayMs, 5);
    EXPECT_TRUE(line.radio.faults.silent);
    EXPECT_DOUBLE_EQ(line.radio.faults.dropRate, 0.25);
    EXPECT_DOUBLE_EQ(line.radio.faults.garbleRate, 0.5);
    EXPECT_DOUBLE_EQ(line.radio.faults.parityNoise, 0.125);
    EXPECT_TRUE(line.radio.faults.noSyncAnswer);
    EXPECT_EQ(line.radio.faults.seed, 99u);
    EXPECT_DOUBLE_EQ(line.radio.warmUpSeconds, 0.5);
    EXPECT_FALSE(line.showHelp);
}

TEST(SimCommandLine, BadArgumentsAreRefusedWithAReason) {
    const QList<QStringList> bad{
        {"--firmware", "4"},
        {"--firmware", "two"},
        {"--drop-rate", "1.5"},
        {"--garble-rate=-0.1"},
        {"--parity-noise", "nan"},
        {"--reply-delay", "-1"},
        {"--seed", "x"},
        {"--link"},
        {"--local=yes"},
        {"--frequency", "7"},
        {"radio"},
        {"--warm-up", "-2"},
    };
    for (const QStringList& arguments : bad) {
        const SimCommandLine line = SimCommandLine::parse(arguments);
        EXPECT_FALSE(line.ok()) << qPrintable(arguments.join(' '));
        EXPECT_FALSE(line.error().isEmpty());
    }
}

TEST(SimCommandLine, HelpNamesEveryOptionAndTheRunTimeSwitch) {
    EXPECT_TRUE(SimCommandLine::parse({"--help"}).showHelp);
    EXPECT_TRUE(SimCommandLine::parse({"-h"}).showHelp);
    const QString help = SimCommandLine::helpText();
    for (const char* name :
         {"--firmware", "--local", "--link", "--reply-delay", "--silent", "--drop-rate",
          "--garble-rate", "--parity-noise", "--no-sync-answer", "--seed", "SIGUSR1", "toggle"}) {
        EXPECT_TRUE(help.contains(QLatin1String(name))) << name;
    }
}

}  // namespace
}  // namespace tq::sim::test
