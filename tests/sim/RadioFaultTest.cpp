// Faults on request: the program's handling of a bad line is only tested
// if the simulator commits them exactly and repeatably.

#include <gtest/gtest.h>

#include "RadioDriver.h"

namespace tq::sim::test {
namespace {

RadioOptions withFaults(const FaultOptions& faults) {
    RadioOptions options;
    options.faults = faults;
    return options;
}

QByteArray cleanDump() {
    RadioSimulator radio;
    radio.receive("?\n", 0.0);
    return radio.takeOutput();
}

// The bytes of `count` status requests, sent one by one.
QList<QByteArray> dumps(RadioSimulator& radio, int count) {
    QList<QByteArray> result;
    for (int i = 0; i < count; ++i) {
        radio.receive("?\n", 0.0);
        result << radio.takeOutput();
    }
    return result;
}

TEST(SimFaults, SilentRadioSendsNothingButStillObeys) {
    FaultOptions faults;
    faults.silent = true;
    RadioDriver radio(withFaults(faults));
    EXPECT_TRUE(radio.statusDump().isEmpty());
    EXPECT_TRUE(radio.send("K").isEmpty());
    EXPECT_TRUE(radio.setRemote(false).isEmpty());
    EXPECT_EQ(radio.radio().settings().get(Setting::Control), 0);
}

TEST(SimFaults, DroppedBatchesAreWholeAndRepeatableBySeed) {
    FaultOptions faults;
    faults.dropRate = 0.5;
    faults.seed = 7;
    RadioSimulator first(withFaults(faults));
    RadioSimulator second(withFaults(faults));
    const QList<QByteArray> a = dumps(first, 200);
    EXPECT_EQ(a, dumps(second, 200));

    const QByteArray clean = cleanDump();
    const qsizetype lost = a.count(QByteArray());
    EXPECT_EQ(a.count(clean) + lost, a.size());  // a batch is lost whole or not at all
    EXPECT_GT(lost, 60);
    EXPECT_LT(lost, 140);

    faults.seed = 8;
    RadioSimulator reseeded(withFaults(faults));
    EXPECT_NE(dumps(reseeded, 200), a);
}

TEST(SimFaults, ParityNoiseReplacesBytesWithColonsOnly) {
    FaultOptions faults;
    faults.parityNoise = 0.2;
    faults.seed = 11;
    RadioSimulator radio(withFaults(faults));
    const QByteArray clean = cleanDump();
    int colons = 0;
    for (const QByteArray& noisy : dumps(radio, 20)) {
        ASSERT_EQ(noisy.size(), clean.size());
        for (qsizetype i = 0; i < clean.size(); ++i) {
            if (noisy[i] != clean[i]) {
                EXPECT_EQ(noisy[i], ':');
                ++colons;
            }
        }
    }
    const int bytes = 20 * static_cast<int>(clean.size());
    EXPECT_GT(colons, bytes / 10);
    EXPECT_LT(colons, bytes * 3 / 10);
}

}  // namespace
}  // namespace tq::sim::test
