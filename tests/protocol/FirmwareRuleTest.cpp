#include <gtest/gtest.h>

#include "protocol/FirmwareRule.h"
#include "support/RecordingIndicators.h"

namespace tq::protocol {
namespace {

TEST(FirmwareRule, MarkerLinesOfACompleteStatusIdentifyTheDialect) {
    const struct {
        bool hash, dot, bang, q;
        int type;  // 2, as it stood, where the status was incomplete
        const char *remoteCaption, *localCaption;
    } cases[] = {
        {true, true, true, true, 3, "F/W: v604 NonAdapt", "F/W: v604M NonAdapt"},
        // "." with "!" but without "#" is enough; without "." it is not.
        {false, true, true, false, 1, "F/W: v601", "F/W: v601C"},
        {true, false, true, false, 2, "", ""},
        {false, true, false, false, 2, "", ""},
    };
    for (const auto& c : cases) {
        for (ControlSetUp setUp : {ControlSetUp::Remote, ControlSetUp::Local}) {
            RadioState state;
            test::RecordingIndicators shown;
            state.FirmwareType = static_cast<Firmware>(2);
            state.HashSeen = c.hash;
            state.DotSeen = c.dot;
            state.BangSeen = c.bang;
            state.QSeen = c.q;
            applyFirmwareRule(state, shown, setUp);
            EXPECT_EQ(static_cast<int>(state.FirmwareType), c.type) << c.remoteCaption;
            EXPECT_EQ(shown.firmwareCaption,
                      setUp == ControlSetUp::Remote ? c.remoteCaption : c.localCaption);
        }
    }
}

}  // namespace
}  // namespace tq::protocol
