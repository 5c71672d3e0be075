#include <gtest/gtest.h>

#include "protocol/FirmwareRule.h"
#include "support/RecordingIndicators.h"

using tq::protocol::applyFirmwareRule;
using tq::protocol::ControlSetUp;
using tq::protocol::RadioState;

namespace {

struct Case {
    bool bang, q;
    int type;
    const char* remoteCaption;
    const char* localCaption;
};

TEST(FirmwareRule, MarkerLinesOfACompleteStatusIdentifyTheDialect) {
    const Case cases[] = {
        {false, false, 2, "F/W: v604 Adapt", "F/W: v604M Adapt"},
        {false, true, 2, "F/W: v604 Adapt", "F/W: v604M Adapt"},
        {true, true, 3, "F/W: v604 NonAdapt", "F/W: v604M NonAdapt"},
        {true, false, 1, "F/W: v601", "F/W: v601C"},
    };
    for (const Case& c : cases) {
        for (ControlSetUp setUp : {ControlSetUp::Remote, ControlSetUp::Local}) {
            RadioState state;
            tq::test::RecordingIndicators shown;
            state.HashSeen = state.DotSeen = true;
            state.BangSeen = c.bang;
            state.QSeen = c.q;
            applyFirmwareRule(state, shown, setUp);
            EXPECT_EQ(static_cast<int>(state.FirmwareType), c.type);
            EXPECT_EQ(shown.firmwareCaption,
                      setUp == ControlSetUp::Remote ? c.remoteCaption : c.localCaption);
        }
    }
}

TEST(FirmwareRule, IncompleteStatusLeavesTypeAndLabelAlone) {
    RadioState state;
    tq::test::RecordingIndicators shown;
    state.FirmwareType = static_cast<tq::protocol::Firmware>(3);
    state.HashSeen = state.BangSeen = true;  // no "."
    applyFirmwareRule(state, shown, ControlSetUp::Remote);
    state.DotSeen = true;
    state.HashSeen = state.BangSeen = false;  // "." alone
    applyFirmwareRule(state, shown, ControlSetUp::Remote);
    EXPECT_EQ(state.FirmwareType, static_cast<tq::protocol::Firmware>(3));
    EXPECT_TRUE(shown.firmwareCaption.isEmpty());

    // "." with "!" but without "#" is enough.
    state.BangSeen = true;
    applyFirmwareRule(state, shown, ControlSetUp::Remote);
    EXPECT_EQ(state.FirmwareType, static_cast<tq::protocol::Firmware>(1));
}

}  // namespace
