#include <gtest/gtest.h>

#include "QStringPrinter.h"
#include "link/PortFailure.h"
#include "link/PortSettings.h"

namespace tq::link {
namespace {

TEST(LinkPortSettings, TextsAsTheSetupDialogsWriteThem) {
    const PortSettings radio = PortSettings::parse(QStringLiteral("9600 ,O,7,1"));
    EXPECT_EQ(radio.baudRate, 9600);
    EXPECT_EQ(radio.parity, PortSettings::Parity::Odd);
    EXPECT_EQ(radio.dataBits, 7);
    EXPECT_EQ(radio.stopBits, PortSettings::StopBits::One);

    const PortSettings cat = PortSettings::parse(QStringLiteral("4800 ,N, 8, 1"));
    EXPECT_EQ(cat.baudRate, 4800);
    EXPECT_EQ(cat.parity, PortSettings::Parity::None);
    EXPECT_EQ(cat.dataBits, 8);
    EXPECT_EQ(cat.stopBits, PortSettings::StopBits::One);

    const PortSettings other = PortSettings::parse(QStringLiteral("19200,e,8,2"));
    EXPECT_EQ(other.parity, PortSettings::Parity::Even);
    EXPECT_EQ(other.stopBits, PortSettings::StopBits::Two);
}

TEST(LinkPortSettings, MalformedTextsFailWithInvalidPropertyValue) {
    const char* const malformed[] = {
        "",           "9600",       "9600,O,7",    "9600,O,7,1,1", "fast,O,7,1", "-9600,O,7,1",
        "0,O,7,1",    "9600,X,7,1", "9600,OO,7,1", "9600,O,9,1",   "9600,O,4,1", "9600,O,seven,1",
        "9600,O,7,3", "9600,O,7,",  ",O,7,1",
    };
    for (const char* text : malformed) {
        try {
            PortSettings::parse(QString::fromLatin1(text));
            ADD_FAILURE() << "accepted \"" << text << "\"";
        } catch (const PortFailure& failure) {
            EXPECT_EQ(failure.number(), PortFailure::kInvalidPropertyValue) << text;
        }
    }
}

}  // namespace
}  // namespace tq::link
