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

TEST(SimMeterReadings, FollowEverySyncAnswerForTheSelectedMeter) {
    RadioDriver radio(Firmware::V604NonAdapt);
    radio.send("DDD\n");  // FWD
    const QByteArray receiving = radio.send("U").value(1);
    const QByteArray transmitting = radio.send("K").value(1);
    ASSERT_TRUE(receiving.startsWith('J'));
    ASSERT_TRUE(transmitting.startsWith('J'));
    EXPECT_GT(transmitting.mid(1).toInt(), receiving.mid(1).toInt());
}

}  // namespace
}  // namespace tq::sim::test
