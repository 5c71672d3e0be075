#include <gtest/gtest.h>

#include "panel/AmateurBands.h"
#include "panel/BandButtons.h"
#include "panel/MeterScale.h"
#include "panel/SliderReadouts.h"

using namespace tq::panel;

namespace {

struct BandCase {
    const char* reply;
    bool inBand;
};

TEST(UiPanelLogic, BandEdgesAreInclusiveAndSixtyMetresIsChannelsOnly) {
    const BandCase cases[] = {
        {"F1435000", true}, {"F1435001", false}, {"F1400000", true}, {"F1399999", false},
        {"F0180000", true}, {"F0179999", false}, {"F2970000", true}, {"F2970001", false},
        {"F0533050", true}, {"F0533060", false}, {"F0540350", true}, {"F0535000", false},
        {"F1010000", true}, {"F1015001", false}, {"F2489000", true}, {"F1200000", false},
    };
    for (const BandCase& c : cases) {
        EXPECT_EQ(tq::panel::InAmateurBand(QString::fromLatin1(c.reply), false), c.inBand)
            << c.reply;
    }
}

TEST(UiPanelLogic, BandCheckReadsTheLastSevenCharactersTrimmed) {
    // A short reply padded with blanks reads what is left: 14200 -> 142 kHz.
    EXPECT_EQ(tq::panel::InAmateurBand(QStringLiteral("F14200  "), false), false);
    EXPECT_EQ(tq::panel::InAmateurBand(QStringLiteral("1435000"), false), true);
    EXPECT_EQ(tq::panel::InAmateurBand(QStringLiteral("F14ab000"), false), std::nullopt);
    EXPECT_EQ(tq::panel::InAmateurBand(QStringLiteral("F14ab000"), true), true);
    EXPECT_EQ(tq::panel::InAmateurBand(QStringLiteral("F0100000"), true), true);
}

TEST(UiPanelLogic, MeterScalesFollowTheMeterAndTheTransmitState) {
    const QString audio = QStringLiteral(" -20       -10          0         +10 ");
    const QString power = QStringLiteral("0            25          50   100  150");
    const QString vswr = QStringLiteral("1               2             3      4");
    const QString signal = QStringLiteral("  S3    S6     S9      +30      +60   ");
    struct ScaleCase {
        const char* meter;
        bool keyed;
        QString scale;
    };
    const ScaleCase cases[] = {
        {"D1", false, audio},  {"D3", true, audio}, {"D4", true, power},   {"D5", true, power},
        {"D4", false, signal}, {"D6", true, vswr},  {"D6", false, signal},
    };
    for (const ScaleCase& c : cases) {
        EXPECT_EQ(tq::panel::meterScaleFor(QString::fromLatin1(c.meter), c.keyed), c.scale)
            << c.meter << " keyed " << c.keyed;
    }
    for (const char* unknown : {"D0", "D7", "D", "D1 ", "d1"}) {
        EXPECT_EQ(tq::panel::meterScaleFor(QString::fromLatin1(unknown), true), std::nullopt)
            << unknown;
    }
}

TEST(UiPanelLogic, MeterReadingIsTheTwoDigitsAfterTheLetter) {
    EXPECT_EQ(tq::panel::meterReading(QStringLiteral("J07")), 7);
    EXPECT_EQ(tq::panel::meterReading(QStringLiteral("J21")), 21);
    EXPECT_EQ(tq::panel::meterReading(QStringLiteral("J2")), 2);
    EXPECT_EQ(tq::panel::meterReading(QStringLiteral("J 5")), 5);
    EXPECT_EQ(tq::panel::meterReading(QStringLiteral("J-1")), -1);
    EXPECT_EQ(tq::panel::meterReading(QStringLiteral("Jxx")), 0);
    EXPECT_EQ(tq::panel::meterReading(QStringLiteral("J")), 0);
    EXPECT_EQ(tq::panel::meterReading(QStringLiteral("J123")), 12);
}

TEST(UiPanelLogic, SliderReadoutsKeepThreeDigitsAndTheirSign) {
    EXPECT_EQ(tq::panel::bfoReadout(100), "000");
    EXPECT_EQ(tq::panel::bfoReadout(101), "010");
    EXPECT_EQ(tq::panel::bfoReadout(99), "-010");
    EXPECT_EQ(tq::panel::bfoReadout(0), "-1000");
    EXPECT_EQ(tq::panel::bfoReadout(200), "1000");
    EXPECT_EQ(tq::panel::rfgReadout(tq::panel::kRfgTop), "100");
    EXPECT_EQ(tq::panel::rfgReadout(55), "087");
    EXPECT_EQ(tq::panel::rfgReadout(tq::panel::kRfgBottom), "000");
}

TEST(UiPanelLogic, BandButtonsRunFrom160MetresToMarsInServingOrder) {
    const auto& buttons = tq::panel::bandButtons();
    for (std::size_t i = 1; i < buttons.size(); ++i) {
        EXPECT_EQ(static_cast<int>(buttons[i].request),
                  static_cast<int>(buttons[i - 1].request) + 1)
            << buttons[i].name;
    }
    EXPECT_EQ(buttons.front().request, tq::panel::PanelRequest::cmd160M);
    EXPECT_EQ(buttons.back().request, tq::panel::PanelRequest::cmdMARS);
    EXPECT_STREQ(tq::panel::bandButtonFor(tq::panel::PanelRequest::cmd60M)->band, "60");
    EXPECT_EQ(tq::panel::bandButtonFor(tq::panel::PanelRequest::cmdVM), nullptr);
}

}  // namespace
