// Remote and local control, and the meter readings that follow the sync
// answers.

#include <gtest/gtest.h>

#include "RadioDriver.h"

namespace tq::sim::test {
namespace {

RadioOptions localRadio(Firmware firmware) {
    RadioOptions options = optionsFor(firmware);
    options.remote = false;
    return options;
}

TEST(SimControl, SwitchIsReportedUnasked) {
    RadioDriver radio;
    EXPECT_EQ(radio.setRemote(false), QList<QByteArray>{"R0"});
    EXPECT_TRUE(radio.setRemote(false).isEmpty());
    EXPECT_EQ(radio.setRemote(true), QList<QByteArray>{"R1"});
}

TEST(SimControl, GoingLocalDropsTheComputersKey) {
    RadioDriver radio;
    radio.send("K");
    EXPECT_EQ(radio.setRemote(false), (QList<QByteArray>{"R0", "U"}));
    EXPECT_FALSE(radio.radio().settings().keyed());
}

TEST(SimControl, LocalRadioAnswersStatusSyncAndChannelReads) {
    RadioDriver radio(localRadio(Firmware::V604NonAdapt));
    const QList<QByteArray> dump = radio.statusDump();
    EXPECT_TRUE(dump.contains("R0"));
    EXPECT_EQ(dump.last(), ".");
    // The computer cannot key a radio under local control.
    EXPECT_EQ(radio.send("K").value(0), "U");
    EXPECT_FALSE(radio.radio().settings().keyed());
    EXPECT_EQ(radio.send("L03\n").size(), 1);
}

TEST(SimControl, LocalRadioIgnoresSettingCommands) {
    RadioDriver radio(localRadio(Firmware::V604NonAdapt));
    for (const char* command :
         {"aa\n", "mm\n", "D\n", "H\n", "V\n", "I\n", "S\n", "(1\n", "'0\n", "\"0\n", "G10\n",
          "B150\n", "O2\n", "C05\n", "P0514200001\n", "F0700000\n"}) {
        EXPECT_TRUE(radio.send(command).isEmpty()) << command;
    }
    EXPECT_EQ(radio.statusDump().mid(0, 3), (QList<QByteArray>{"F1420000", "A2", "M1"}));
}

TEST(SimControl, AdaptiveFirmwareTakesFrequencySetsUnderLocalControl) {
    RadioDriver adaptive(localRadio(Firmware::V604Adapt));
    EXPECT_EQ(adaptive.send("F0700000\n"), QList<QByteArray>{"F0700000"});
    EXPECT_TRUE(adaptive.send("A1\n").isEmpty());

    RadioDriver v601(localRadio(Firmware::V601));
    EXPECT_TRUE(v601.send("F0700000\n").isEmpty());
    EXPECT_TRUE(v601.send("'").isEmpty());
}

TEST(SimControl, BackToRemoteTheCommandsWorkAgain) {
    RadioDriver radio(localRadio(Firmware::V604Adapt));
    radio.setRemote(true);
    EXPECT_EQ(radio.send("G10\n"), QList<QByteArray>{"G10"});
    EXPECT_EQ(radio.send("K").value(0), "K");
}

TEST(SimMeterReadings, FollowEverySyncAnswerForTheSelectedMeter) {
    RadioDriver radio(Firmware::V604NonAdapt);
    radio.send("DDD\n");  // FWD
    const QByteArray receiving = radio.send("U").value(1);
    const QByteArray transmitting = radio.send("K").value(1);
    ASSERT_TRUE(receiving.startsWith('J'));
    ASSERT_TRUE(transmitting.startsWith('J'));
    EXPECT_GT(transmitting.mid(1).toInt(), receiving.mid(1).toInt());
}

TEST(SimMeterReadings, ReceivedSignalFallsWithRfGain) {
    RadioDriver radio(Firmware::V604NonAdapt);
    radio.send("DDD\n");
    const int fullGain = radio.send("U").value(1).mid(1).toInt();
    radio.send("G63\n");
    const int leastGain = radio.send("U").value(1).mid(1).toInt();
    EXPECT_LT(leastGain + 10, fullGain);
}

TEST(SimMeterReadings, StayWithinTheMeterBar) {
    for (int meter = 1; meter <= 6; ++meter) {
        for (const char* gain : {"G00\n", "G63\n"}) {
            for (const char* sync : {"U", "K"}) {
                RadioDriver radio(Firmware::V604NonAdapt);
                radio.send(QByteArray(meter - 1, 'D') + (meter > 1 ? "\n" : ""));
                radio.send(gain);
                for (int i = 0; i < 4; ++i) {
                    const QByteArray reading = radio.send(sync).value(1);
                    ASSERT_EQ(reading.size(), 3) << reading.constData();
                    EXPECT_LE(reading.mid(1).toInt(), MeterModel::kMaximum);
                }
            }
        }
    }
}

}  // namespace
}  // namespace tq::sim::test
