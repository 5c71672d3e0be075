#include "web/PageMessage.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <array>
#include <functional>

#include "panel/BandButtons.h"
#include "panel/PanelCaptions.h"
#include "panel/PanelNames.h"
#include "panel/SliderReadouts.h"
#include "web/FieldEncoding.h"

namespace tq::web {

namespace {

using Kind = PageCommand::Kind;
using Result = std::variant<PageCommand, PageError>;

struct BoxRow {
    ChoiceBox box;
    const char* name;
    QStringList (*items)();
};

constexpr std::array<BoxRow, 6> kBoxes{{
    {ChoiceBox::Mode, "mode", &panel::modeItems},
    {ChoiceBox::Agc, "agc", &panel::agcItems},
    {ChoiceBox::Source, "source", &panel::sourceItems},
    {ChoiceBox::DigitalMode, "digitalMode", &panel::digitalModeItems},
    {ChoiceBox::StepSize, "stepSize", &panel::stepSizeItems},
    {ChoiceBox::VfoBMode, "vfoBMode", &panel::modeItems},
}};

// The meter labels beside the six options, left to right.
constexpr std::array<const char*, 6> kMeterLabels{"Aud", "Line", "Patch", "FWD", "REF", "VSWR"};

PageError refuse(const QString& reason) {
    return PageError{reason};
}

// A whole number in the range, or nothing (JSON numbers arrive as doubles).
std::optional<int> intIn(const QJsonValue& value, int low, int high) {
    if (!value.isDouble()) {
        return std::nullopt;
    }
    const double number = value.toDouble();
    if (number != static_cast<double>(static_cast<int>(number)) || number < low || number > high) {
        return std::nullopt;
    }
    return static_cast<int>(number);
}

Result parseClick(const QJsonObject& object) {
    const std::optional<panel::PanelRequest> request =
        panel::requestNamed(object.value(QStringLiteral("request")).toString());
    if (!request) {
        return refuse(QStringLiteral("Unknown request."));
    }
    PageCommand command;
    command.kind = Kind::Click;
    command.request = *request;
    return command;
}

Result parseStepper(const QJsonObject& object, Kind kind) {
    const std::optional<panel::Stepper> stepper =
        panel::stepperNamed(object.value(QStringLiteral("stepper")).toString());
    if (!stepper) {
        return refuse(QStringLiteral("Unknown stepper."));
    }
    const std::optional<int> index =
        intIn(object.value(QStringLiteral("index")), 0, panel::stepperPositions(*stepper) - 1);
    // Only the left button holds PTT; the digits step up (left) or down (right).
    const int highest = *stepper == panel::Stepper::Ptt ? panel::kLeftButton : panel::kRightButton;
    const std::optional<int> button =
        intIn(object.value(QStringLiteral("button")), panel::kLeftButton, highest);
    if (!index || !button) {
        return refuse(QStringLiteral("Bad position or button."));
    }
    PageCommand command;
    command.kind = kind;
    command.stepper = *stepper;
    command.index = *index;
    command.button = *button;
    return command;
}

Result parseChoose(const QJsonObject& object) {
    const QString name = object.value(QStringLiteral("box")).toString();
    const QString text = object.value(QStringLiteral("value")).toString();
    for (const BoxRow& row : kBoxes) {
        if (name == QLatin1String(row.name)) {
            if (!row.items().contains(text)) {
                return refuse(QStringLiteral("Not an item of %1.").arg(name));
            }
            PageCommand command;
            command.kind = Kind::Choose;
            command.box = row.box;
            command.text = text;
            return command;
        }
    }
    return refuse(QStringLiteral("Unknown box."));
}

Result parseValue(const QJsonObject& object, Kind kind, int low, int high) {
    const std::optional<int> value = intIn(object.value(QStringLiteral("value")), low, high);
    if (!value) {
        return refuse(QStringLiteral("Value out of range."));
    }
    PageCommand command;
    command.kind = kind;
    command.value = *value;
    return command;
}

struct KindRow {
    const char* type;
    std::function<Result(const QJsonObject&)> parse;
};

const std::array<KindRow, 8>& kinds() {
    static const std::array<KindRow, 8> table{{
        {"click", parseClick},
        {"press", [](const QJsonObject& o) { return parseStepper(o, Kind::Press); }},
        {"release", [](const QJsonObject& o) { return parseStepper(o, Kind::Release); }},
        {"choose", parseChoose},
        {"meter", [](const QJsonObject& o) { return parseValue(o, Kind::Meter, 0, 5); }},
        {"bfo",
         [](const QJsonObject& o) {
             return parseValue(o, Kind::Bfo, panel::kBfoBottom, panel::kBfoTop);
         }},
        {"rfGain",
         [](const QJsonObject& o) {
             return parseValue(o, Kind::RfGain, panel::kRfgBottom, panel::kRfgTop);
         }},
        {"heartbeat", [](const QJsonObject&) { return Result(PageCommand{}); }},
    }};
    return table;
}

}  // namespace

QString choiceBoxName(ChoiceBox box) {
    for (const BoxRow& row : kBoxes) {
        if (row.box == box) {
            return QString::fromLatin1(row.name);
        }
    }
    return QString();
}

std::variant<PageCommand, PageError> parsePageMessage(const QByteArray& message) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(message, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        return refuse(QStringLiteral("Not a JSON object."));
    }
    const QJsonObject object = document.object();
    const QString type = object.value(QStringLiteral("t")).toString();
    for (const KindRow& row : kinds()) {
        if (type == QLatin1String(row.type)) {
            return row.parse(object);
        }
    }
    return refuse(QStringLiteral("Unknown message."));
}

QJsonObject helloMessage(const panel::PanelModel& model, int heartbeatMs, int releaseAfterMs) {
    QJsonObject items;
    for (const BoxRow& row : kBoxes) {
        items.insert(QString::fromLatin1(row.name), QJsonArray::fromStringList(row.items()));
    }
    QJsonArray bands;
    for (const panel::BandButton& band : panel::bandButtons()) {
        bands.append(QJsonObject{{QStringLiteral("request"), panel::requestName(band.request)},
                                 {QStringLiteral("caption"), QString::fromLatin1(band.caption)},
                                 {QStringLiteral("tooltip"), QString::fromLatin1(band.tooltip)}});
    }
    QJsonArray meters;
    for (const char* label : kMeterLabels) {
        meters.append(QString::fromLatin1(label));
    }
    return QJsonObject{{QStringLiteral("t"), QStringLiteral("hello")},
                       {QStringLiteral("fields"), encodeAllFields(model)},
                       {QStringLiteral("controls"), encodeAllControls(model)},
                       {QStringLiteral("items"), items},
                       {QStringLiteral("bands"), bands},
                       {QStringLiteral("meters"), meters},
                       {QStringLiteral("heartbeatMs"), heartbeatMs},
                       {QStringLiteral("releaseAfterMs"), releaseAfterMs}};
}

QJsonObject updateMessage(const QJsonObject& fields, const QJsonObject& controls) {
    return QJsonObject{{QStringLiteral("t"), QStringLiteral("update")},
                       {QStringLiteral("fields"), fields},
                       {QStringLiteral("controls"), controls}};
}

QJsonObject holdsMessage(const QStringList& mine, const QStringList& others) {
    return QJsonObject{{QStringLiteral("t"), QStringLiteral("holds")},
                       {QStringLiteral("mine"), QJsonArray::fromStringList(mine)},
                       {QStringLiteral("others"), QJsonArray::fromStringList(others)}};
}

QJsonObject refusedMessage(const QString& reason) {
    return QJsonObject{{QStringLiteral("t"), QStringLiteral("refused")},
                       {QStringLiteral("reason"), reason}};
}

QByteArray toWire(const QJsonObject& message) {
    return QJsonDocument(message).toJson(QJsonDocument::Compact);
}

}  // namespace tq::web
