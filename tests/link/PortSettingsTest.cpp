#include <gtest/gtest.h>

#include "link/PortFailure.h"
#include "link/PortSettings.h"

namespace tq::link {
namespace {

using Parity = PortSettings::Parity;
using StopBits = PortSettings::StopBits;

TEST(LinkPortSettings, TextsAsTheSetupDialogsWriteThem) {
    const struct {
        const char* text;
        int baud;
        Parity parity;
        int bits;
        StopBits stop;
    } cases[] = {
        {"9600 ,O,7,1", 9600, Parity::Odd, 7, StopBits::One},
        {"4800 ,N, 8, 1", 4800, Parity::None, 8, StopBits::One},
        {"19200,e,8,2", 19200, Parity::Even, 8, StopBits::Two},
    };
    for (const auto& c : cases) {
        const PortSettings s = PortSettings::parse(QString::fromLatin1(c.text));
        EXPECT_EQ(std::tuple(s.baudRate, s.parity, s.dataBits, s.stopBits),
                  std::tuple(c.baud, c.parity, c.bits, c.stop))
            << c.text;
    }
}

TEST(LinkPortSettings, MalformedTextsFailWithInvalidPropertyValue) {
    for (const char* text : {"", "9600", "9600,O,7", "9600,O,7,1,1", "fast,O,7,1", "-9600,O,7,1",
                             "0,O,7,1", "9600,X,7,1", "9600,OO,7,1", "9600,O,9,1", "9600,O,4,1",
                             "9600,O,seven,1", "9600,O,7,3", "9600,O,7,", ",O,7,1"}) {
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
