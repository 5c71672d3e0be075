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

using tq::panel::PanelRequest;
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
    using tq::web::ChoiceBox;
    const std::pair<const char*, PageCommand> cases[] = {
        {R"({"t":"click","request":"cmdSwap"})",
         {.kind = Kind::Click, .request = PanelRequest::cmdSwap, .text = {}}},
        {R"({"t":"press","stepper":"vfoA","index":6,"button":2})",
         {.kind = Kind::Press, .stepper = Stepper::VfoA, .index = 6, .button = 2, .text = {}}},
        {R"({"t":"release","stepper":"ptt","index":0,"button":1})",
         {.kind = Kind::Release, .stepper = Stepper::Ptt, .text = {}}},
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
        R"({"t":"bfo","value":201})",
        R"({"t":"rfGain","value":-1})",
        R"({"t":"rfGain","value":"63"})",
    };
    for (const char* json : bad) {
        EXPECT_TRUE(std::holds_alternative<tq::web::PageError>(tq::web::parsePageMessage(json)))
            << json;
    }
}

TEST(WebProtocol, EveryRequestAndStepperNameLeadsBackToItself) {
    for (std::size_t i = 0; i < tq::panel::kPanelRequestCount; ++i) {
        const auto request = static_cast<PanelRequest>(i);
        EXPECT_EQ(tq::panel::requestNamed(tq::panel::requestName(request)), request) << i;
    }
    EXPECT_EQ(tq::panel::gateOf(PanelRequest::cmdXmit), tq::panel::Control::cmdXmit);
    for (Stepper stepper : {Stepper::VfoA, Stepper::VfoB, Stepper::Channel, Stepper::Ptt}) {
        EXPECT_EQ(tq::panel::stepperNamed(tq::panel::stepperName(stepper)), stepper);
    }
}

TEST(WebProtocol, FieldsCarryTheWindowsTextsAndColours) {
    tq::panel::PanelModel model;
    model.xmitActive.set(true);
    model.transmitting.set(true);
    model.bandIndicatorColour.set(tq::panel::Colour::Red);
    model.remoteIndicatorColour.set(tq::panel::Colour::ButtonText);
    model.meterChecked.set(3);
    model.rfGain.set(55);
    const QJsonObject fields = tq::web::encodeAllFields(model);
    EXPECT_EQ(fields["xmitActive"]["caption"].toString(), "XMT OFF") << "no mnemonic mark";
    EXPECT_EQ(fields["tuning"]["caption"].toString(), "TUNE ON");
    EXPECT_EQ(fields["transmitting"]["colour"].toString(), "#ff0000");
    EXPECT_EQ(fields["bandIndicatorColour"].toString(), "#ff0000");
    EXPECT_EQ(fields["remoteIndicatorColour"].toString(), "ButtonText");
    EXPECT_EQ(fields["meterChecked"].toInt(), 3);
    EXPECT_EQ(fields["rfGain"]["readout"].toString(), "087");
    EXPECT_EQ(fields["channelOperation"]["caption"].toString(), "MEM");
    EXPECT_FALSE(fields.contains("rawData")) << "the raw reply box stays on the window";
    EXPECT_EQ(tq::web::cssColour(tq::panel::Colour::GreyText), "GrayText");
    EXPECT_EQ(tq::web::cssColour(tq::panel::Colour::Default), "");
}

TEST(WebProtocol, HelloGivesTheListsBandsAndEveryControl) {
    tq::panel::PanelModel model;
    model.setEnabled(tq::panel::Control::cmdXmit, false);
    const QJsonObject hello = tq::web::helloMessage(model, 250, 1000);
    EXPECT_EQ(hello["items"]["mode"].toArray().size(), 4);
    EXPECT_EQ(hello["items"]["agc"].toArray().first().toString(), "SLOW");
    EXPECT_EQ(hello["bands"].toArray().size(), 12);
    EXPECT_EQ(hello["bands"].toArray().first()["request"].toString(), "cmd160M");
    EXPECT_EQ(hello["bands"].toArray().at(2)["caption"].toString(), "60 ");
    EXPECT_FALSE(hello["controls"]["cmdXmit"]["enabled"].toBool());
    EXPECT_FALSE(hello["controls"]["vscBFO"]["enabled"].toBool());
    EXPECT_EQ(hello["controls"].toObject().size(), tq::panel::kControlCount);
    EXPECT_EQ(hello["heartbeatMs"].toInt(), 250);
}

}  // namespace
