#include <gtest/gtest.h>

#include <QStringList>

#include "app/RequestTable.h"

using tq::app::RequestTable;
using tq::app::Stage;
using tq::panel::PanelRequest;

namespace {

struct Table : ::testing::Test {
    Table() {
        const auto row = [this](PanelRequest request, const char* name) {
            table.addPanelRow(request, [this, request, name] {
                served << QString::fromLatin1(name);
                requests.clear(request);
            });
        };
        row(PanelRequest::cmd160M, "160");
        row(PanelRequest::cmd75M, "75");
        table.addPortChangedExit();
        row(PanelRequest::vscRFG, "rfg");
        table.addRow([this] { return stationSets; },
                     [this] {
                         served << QStringLiteral("station");
                         stationSets = false;
                     });
        table.addPanelResetExit();
        row(PanelRequest::cmdVM, "vm");
    }

    tq::panel::PanelRequests requests;
    tq::protocol::ProgramFlags flags;
    RequestTable table{requests, flags};
    QStringList served;
    bool stationSets = false;
};

TEST_F(Table, RequestsRunInTableOrderNotInTheOrderRaised) {
    for (const auto request : {PanelRequest::cmdVM, PanelRequest::cmd75M, PanelRequest::cmd160M})
        requests.raise(request);
    stationSets = true;
    EXPECT_TRUE(table.anyRaised());
    EXPECT_FALSE(table.serve().has_value());
    EXPECT_EQ(served, QStringList({"160", "75", "station", "vm"}));
    EXPECT_FALSE(table.anyRaised());
}

TEST_F(Table, ExitsLeaveThePassWhereTheyStand) {
    requests.raise(PanelRequest::cmd160M);
    requests.raise(PanelRequest::vscRFG);
    flags.RadioPortChanged = true;
    EXPECT_EQ(table.serve(), Stage::PortStep);
    EXPECT_EQ(served, QStringList({"160"}));
    EXPECT_TRUE(flags.RadioPortChanged) << "the port step clears it";

    flags.RadioPortChanged = false;
    flags.PanelResetRequest = true;
    requests.raise(PanelRequest::cmdVM);
    EXPECT_EQ(table.serve(), Stage::RemotePanelStep);
    EXPECT_FALSE(flags.PanelResetRequest);
    EXPECT_TRUE(requests.isRaised(PanelRequest::cmdVM)) << "rows after the exit wait";
}

}  // namespace
