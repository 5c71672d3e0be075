// Front-panel keys sent as letters: each repetition is one press, each
// dialect has its own letters, and the reply is the setting reached.
#include <gtest/gtest.h>

#include "RadioDriver.h"

namespace tq::sim::test {
namespace {

TEST(SimKeys, EachPressStepsTheSettingAndTheReplyIsTheSettingReached) {
    constexpr Firmware v1 = Firmware::V601, ad = Firmware::V604Adapt, na = Firmware::V604NonAdapt;
    struct Case {
        Firmware firmware;
        const char* command;
        QList<QByteArray> reply;
    };
    // From a fresh radio: AGC SLOW (A2), USB (M1), meter 1, MIC (H1), local
    // audio, PTT enabled, clipping, sidetone and VOX off.
    // clang-format off
    const Case cases[] = {
        // SLOW -> MED -> FAST -> SLOW: OFF is never reached by the key.
        {v1, "AAA\n", {"A2"}}, {na, "aaaa\n", {"A3"}},
        {na, "mmmm\n", {"M1", "S0", "H1", "'1"}}, {ad, "MM\n", {"M3", "S0", "H1", "'1"}},
        // The oldest firmware flips PTT enable with every mode change, but
        // not when the presses come full circle.
        {v1, "MMM\n", {"M4", "S0", "H1", "'0"}}, {v1, "MMMM\n", {"M1", "S0", "H1", "'1"}},
        {v1, "dd\n", {"D3", "J03"}}, {na, "DDDDD\n", {"D6", "J14"}}, {na, "DDDDDD\n", {"D1", "J03"}},
        // Audio routing and PTT enable: toggles in dialect 1, digits in the others.
        {v1, "\"\"\n", {"\"1"}}, {ad, "\"0\n", {"\"0"}}, {na, "'0\n", {"'0"}},
        // Another dialect's letters and forms do nothing at all.
        {na, "A\n", {}}, {v1, "a\n", {}}, {ad, "D\n", {}}, {v1, "\"0\n", {}}, {v1, "A3\n", {}},
        {ad, "AAM\n", {}}, {ad, "'\n", {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        RadioDriver radio(c.firmware);
        EXPECT_EQ(radio.send(c.command), c.reply)
            << "dialect " << static_cast<int>(c.firmware) << ' '
            << QByteArray(c.command).toPercentEncoding().constData();
    }
}

}  // namespace
}  // namespace tq::sim::test
