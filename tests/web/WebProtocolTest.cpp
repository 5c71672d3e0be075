// The page's messages are checked before anything reaches the panel, and
// the program's messages carry the texts and colours the window shows.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>

#include "panel/PanelModel.h"
#include "web/FieldEncoding.h"
#include "web/PageMessage.h"
#include "panel/PanelNames.h"

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
    struct Case {
        const char* json;
        PageCommand expected;
    };
    const auto command = [](Kind kind) {
        PageCommand c;
        c.kind = kind;
        return c;
    };
    PageCommand swap = command(Kind::Click);
    swap.request = PanelRequest::cmdSwap;
    PageCommand press = command(Kind::Press);
    press.stepper = Stepper::VfoA;
    press.index = 6;
    press.button = 2;
    PageCommand release = command(Kind::Release);
    release.stepper = Stepper::Ptt;
    PageCommand lsb = command(Kind::Choose);
    lsb.box = tq::web::ChoiceBox::Mode;
    lsb.text = QStringLiteral("LSB");
    PageCommand offCw = command(Kind::Choose);
    offCw.box = tq::web::ChoiceBox::Source;
    offCw.text = QStringLiteral("OFF/CW");
    PageCommand meter = command(Kind::Meter);
    meter.value = 5;
    PageCommand bfo = command(Kind::Bfo);
    bfo.value = 200;
    const Case cases[] = {
        {R"({"t":"click","request":"cmdSwap"})", swap},
        {R"({"t":"press","stepper":"vfoA","index":6,"button":2})", press},
        {R"({"t":"release","stepper":"ptt","index":0,"button":1})", release},
        {R"({"t":"choose","box":"mode","value":"LSB"})", lsb},
        {R"({"t":"choose","box":"source","value":"OFF/CW"})", offCw},
        {R"({"t":"meter","value":5})", meter},
        {R"({"t":"bfo","value":200})", bfo},
        {R"({"t":"heartbeat"})", command(Kind::Heartbeat)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parsed(c.json), c.expected) << c.json;
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
    EXPECT_EQ(tq::panel::requestName(PanelRequest::cmdXmit), "cmdXmit");
    EXPECT_EQ(tq::panel::gateOf(PanelRequest::cmdXmit), tq::panel::Control::cmdXmit);
    EXPECT_EQ(tq::panel::controlName(tq::panel::Control::shaTrace), "shaTrace");
    for (Stepper stepper : {Stepper::VfoA, Stepper::VfoB, Stepper::Channel, Stepper::Ptt}) {
        EXPECT_EQ(tq::panel::stepperNamed(tq::panel::stepperName(stepper)), stepper);
    }
}

TEST(WebProtocol, FieldsCarryTheWindowsTextsAndColours) {
    tq::panel::PanelModel model;
    model.vfoA.set(QStringLiteral("1420000"));
    model.mode.set(tq::panel::Mode::Lsb);
    model.xmitActive.set(true);
    model.transmitting.set(true);
    model.bandIndicatorColour.set(tq::panel::Colour::Red);
    model.remoteIndicatorColour.set(tq::panel::Colour::ButtonText);
    model.meterChecked.set(3);
    model.rfGain.set(55);
    const QJsonObject fields = tq::web::encodeAllFields(model);
    EXPECT_EQ(fields["vfoA"].toString(), "1420000");
    EXPECT_EQ(fields["mode"].toString(), "LSB");
    EXPECT_EQ(fields["xmitActive"]["caption"].toString(), "XMT OFF") << "no mnemonic mark";
    EXPECT_EQ(fields["tuning"]["caption"].toString(), "TUNE ON");
    EXPECT_EQ(fields["transmitting"]["caption"].toString(), "Transmit");
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
    EXPECT_EQ(hello["t"].toString(), "hello");
    EXPECT_EQ(hello["items"]["mode"].toArray().size(), 4);
    EXPECT_EQ(hello["items"]["agc"].toArray().first().toString(), "SLOW");
    EXPECT_EQ(hello["bands"].toArray().size(), 12);
    EXPECT_EQ(hello["bands"].toArray().first()["request"].toString(), "cmd160M");
    EXPECT_EQ(hello["bands"].toArray().at(2)["caption"].toString(), "60 ");
    EXPECT_FALSE(hello["controls"]["cmdXmit"]["enabled"].toBool());
    EXPECT_FALSE(hello["controls"]["vscBFO"]["enabled"].toBool());
    EXPECT_TRUE(hello["controls"]["cmdPTT"]["enabled"].toBool());
    EXPECT_EQ(hello["controls"].toObject().size(), tq::panel::kControlCount);
    EXPECT_EQ(hello["heartbeatMs"].toInt(), 250);
}

}  // namespace
