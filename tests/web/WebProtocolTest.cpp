// The page's messages are checked before anything reaches the panel, and
// the program's messages carry the texts and colours the window shows.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>

#include "panel/PanelModel.h"
#include "panel/PanelNames.h"
#include "web/FieldEncoding.h"
#include "web/PageMessage.h"

namespace {

using tq::panel::Stepper;
using tq::web::PageCommand;
using Kind = PageCommand::Kind;

PageCommand parsed(const char* json) {
    const auto result = tq::web::parsePageMessage(json);
    const auto* command = std::get_if<PageCommand>(&result);
    EXPECT_NE(command, nullptr) << json;
    return command ? *command : PageCommand{};
}

TEST(WebProtocol, TakesEachKindOfMessageWithItsValues) {
    // Clicks and releases come from the browser test's page.
    using tq::web::ChoiceBox;
    const std::pair<const char*, PageCommand> cases[] = {
        {R"({"t":"press","stepper":"vfoA","index":6,"button":2})",
         {.kind = Kind::Press, .stepper = Stepper::VfoA, .index = 6, .button = 2, .text = {}}},
        {R"({"t":"choose","box":"mode","value":"LSB"})",
         {.kind = Kind::Choose, .box = ChoiceBox::Mode, .text = "LSB"}},
        {R"({"t":"choose","box":"source","value":"OFF/CW"})",
         {.kind = Kind::Choose, .box = ChoiceBox::Source, .text = "OFF/CW"}},
        {R"({"t":"meter","value":5})", {.kind = Kind::Meter, .text = {}, .value = 5}},
        {R"({"t":"bfo","value":200})", {.kind = Kind::Bfo, .text = {}, .value = 200}},
        {R"({"t":"heartbeat"})", {.kind = Kind::Heartbeat, .text = {}}},
    };
    for (const auto& [json, expected] : cases) {
        EXPECT_EQ(parsed(json), expected) << json;
    }
}

TEST(WebProtocol, RefusesAnythingThePanelDoesNotOffer) {
    const char* bad[] = {
        "not json",
        "[1,2]",
        R"({"t":"launch"})",
        R"({"t":"click","request":"cmdSelfDestruct"})",
        R"({"t":"press","stepper":"vfoA","index":7,"button":1})",  // seven digits: 0..6
        R"({"t":"press","stepper":"channel","index":2,"button":1})",
        R"({"t":"press","stepper":"vfoA","index":1.5,"button":1})",
        R"({"t":"press","stepper":"vfoA","index":0,"button":4})",
        R"({"t":"press","stepper":"ptt","index":0,"button":2})",  // only the left button keys
        R"({"t":"press","stepper":"knob","index":0,"button":1})",
        R"({"t":"choose","box":"mode","value":""})",  // the blank caption is no item
        R"({"t":"choose","box":"mode","value":"FM"})",
        R"({"t":"choose","box":"agc","value":"USB"})",
        R"({"t":"meter","value":6})",
        R"({"t":"rfGain","value":-1})",
        R"({"t":"rfGain","value":"63"})",
    };
    for (const char* json : bad) {
        EXPECT_TRUE(std::holds_alternative<tq::web::PageError>(tq::web::parsePageMessage(json)))
            << json;
    }
}

TEST(WebProtocol, FieldsAndHelloCarryTheWindowsTextsColoursListsAndControls) {
    // The browser test sees the mode list, a band button and a control's state.
    tq::panel::PanelModel model;
    model.xmitActive.set(true);
    model.transmitting.set(true);
    model.remoteIndicatorColour.set(tq::panel::Colour::ButtonText);
    model.rfGain.set(55);
    const QJsonObject fields = tq::web::encodeAllFields(model);
    EXPECT_EQ(fields["xmitActive"]["caption"].toString(), "XMT OFF") << "no mnemonic mark";
    EXPECT_EQ(fields["transmitting"]["colour"].toString(), "#ff0000");
    EXPECT_EQ(fields["remoteIndicatorColour"].toString(), "ButtonText");
    EXPECT_EQ(fields["rfGain"]["readout"].toString(), "087");
    EXPECT_FALSE(fields.contains("rawData")) << "the raw reply box stays on the window";

    const QJsonObject hello = tq::web::helloMessage(model, 250, 1000);
    EXPECT_EQ(hello["items"]["agc"].toArray().first().toString(), "SLOW");
    EXPECT_EQ(hello["bands"].toArray().at(2)["caption"].toString(), "60 ");
    EXPECT_FALSE(hello["controls"]["vscBFO"]["enabled"].toBool()) << "until the BFO is on";
    EXPECT_EQ(hello["controls"].toObject().size(), tq::panel::kControlCount);
}

}  // namespace
