#include "web/FieldEncoding.h"

#include <QJsonArray>
#include <array>

#include "panel/PanelCaptions.h"
#include "panel/PanelNames.h"
#include "panel/SliderReadouts.h"

namespace tq::web {

namespace {

using panel::Colour;
using panel::Field;
using panel::PanelModel;

using Encoder = QJsonValue (*)(const PanelModel&);

// The window shows "&XMT ON" as XMT ON with the X underlined; the page shows
// the text alone.
QString withoutMnemonic(QString text) {
    return text.remove(u'&');
}

QJsonValue toggle(bool on, const QString& caption) {
    return QJsonObject{{QStringLiteral("on"), on},
                       {QStringLiteral("caption"), withoutMnemonic(caption)}};
}

QJsonValue slider(int value, const QString& readout) {
    return QJsonObject{{QStringLiteral("value"), value}, {QStringLiteral("readout"), readout}};
}

QJsonValue optionalIndex(const std::optional<int>& index) {
    return index ? QJsonValue(*index) : QJsonValue(QJsonValue::Null);
}

QString lampColour(protocol::Lamp lamp) {
    switch (lamp) {
        case protocol::Lamp::Sending:
            return cssColour(Colour::Red);
        case protocol::Lamp::Awaiting:
            return cssColour(Colour::Green);
        case protocol::Lamp::Syncing:
            return cssColour(Colour::Yellow);
        case protocol::Lamp::Idle:
            break;
    }
    return cssColour(Colour::LightGrey);
}

QString controlModeName(panel::ControlMode mode) {
    switch (mode) {
        case panel::ControlMode::Remote:
            return QStringLiteral("REMOTE");
        case panel::ControlMode::Local:
            return QStringLiteral("LOCAL");
        case panel::ControlMode::None:
            break;
    }
    return QString();
}

QString extPttName(panel::ExtPtt state) {
    switch (state) {
        case panel::ExtPtt::Ready:
            return QStringLiteral("ready");
        case panel::ExtPtt::Active:
            return QStringLiteral("active");
        case panel::ExtPtt::Disabled:
            break;
    }
    return QStringLiteral("disabled");
}

struct FieldRow {
    Field field;
    Encoder encode;
};

// One row per field, in the model's order; a null encoder is not sent.
constexpr std::array<FieldRow, panel::kFieldCount> kFields{{
    {Field::vfoA, [](const PanelModel& m) { return QJsonValue(m.vfoA()); }},
    {Field::vfoB, [](const PanelModel& m) { return QJsonValue(m.vfoB()); }},
    {Field::vfoBMode, [](const PanelModel& m) { return QJsonValue(panel::caption(m.vfoBMode())); }},
    {Field::split, [](const PanelModel& m) { return QJsonValue(panel::caption(m.split())); }},
    {Field::stepSize, [](const PanelModel& m) { return QJsonValue(panel::caption(m.stepSize())); }},
    {Field::infoLine, [](const PanelModel& m) { return QJsonValue(m.infoLine()); }},
    {Field::mode, [](const PanelModel& m) { return QJsonValue(panel::caption(m.mode())); }},
    {Field::agc, [](const PanelModel& m) { return QJsonValue(panel::caption(m.agc())); }},
    {Field::source, [](const PanelModel& m) { return QJsonValue(panel::caption(m.source())); }},
    {Field::digitalMode,
     [](const PanelModel& m) { return QJsonValue(panel::caption(m.digitalMode())); }},
    {Field::xmitActive,
     [](const PanelModel& m) {
         return toggle(m.xmitActive(), panel::xmitCaption(m.xmitActive()));
     }},
    {Field::tuning,
     [](const PanelModel& m) { return toggle(m.tuning(), panel::tuneCaption(m.tuning())); }},
    {Field::transmitting,
     [](const PanelModel& m) {
         return QJsonValue(QJsonObject{
             {QStringLiteral("on"), m.transmitting()},
             {QStringLiteral("caption"), panel::transmitCaption(m.transmitting())},
             {QStringLiteral("colour"), cssColour(panel::transmitColour(m.transmitting()))}});
     }},
    {Field::bandIndicator,
     [](const PanelModel& m) { return QJsonValue(panel::caption(m.bandIndicator())); }},
    {Field::bandIndicatorColour,
     [](const PanelModel& m) { return QJsonValue(cssColour(m.bandIndicatorColour())); }},
    {Field::frequencyLock, [](const PanelModel& m) { return QJsonValue(m.frequencyLock()); }},
    {Field::mute, [](const PanelModel& m) { return QJsonValue(panel::caption(m.mute())); }},
    {Field::pttEnable,
     [](const PanelModel& m) { return QJsonValue(panel::caption(m.pttEnable())); }},
    {Field::sideTone, [](const PanelModel& m) { return QJsonValue(panel::caption(m.sideTone())); }},
    {Field::vox, [](const PanelModel& m) { return QJsonValue(panel::caption(m.vox())); }},
    {Field::clipping, [](const PanelModel& m) { return QJsonValue(panel::caption(m.clipping())); }},
    {Field::controlMode,
     [](const PanelModel& m) { return QJsonValue(controlModeName(m.controlMode())); }},
    {Field::remoteIndicator,
     [](const PanelModel& m) { return QJsonValue(panel::caption(m.remoteIndicator())); }},
    {Field::remoteIndicatorColour,
     [](const PanelModel& m) { return QJsonValue(cssColour(m.remoteIndicatorColour())); }},
    {Field::extPtt,
     [](const PanelModel& m) {
         return QJsonValue(
             QJsonObject{{QStringLiteral("state"), extPttName(m.extPtt())},
                         {QStringLiteral("colour"), cssColour(panel::extPttColour(m.extPtt()))}});
     }},
    {Field::meterChecked, [](const PanelModel& m) { return optionalIndex(m.meterChecked()); }},
    {Field::meterLabels,
     [](const PanelModel& m) {
         return QJsonValue(
             QJsonObject{{QStringLiteral("greyed"), m.meterLabels().greyed},
                         {QStringLiteral("lit"), optionalIndex(m.meterLabels().lit)}});
     }},
    {Field::meterScale, [](const PanelModel& m) { return QJsonValue(m.meterScale()); }},
    {Field::meterLevel, [](const PanelModel& m) { return QJsonValue(m.meterLevel()); }},
    {Field::meterChoice, nullptr},
    {Field::bfoValue,
     [](const PanelModel& m) { return slider(m.bfoValue(), panel::bfoReadout(m.bfoValue())); }},
    {Field::bfoOn,
     [](const PanelModel& m) { return toggle(m.bfoOn(), panel::bfoButtonCaption(m.bfoOn())); }},
    {Field::bfoLabel, [](const PanelModel& m) { return QJsonValue(m.bfoLabel()); }},
    {Field::bfoSign, [](const PanelModel& m) { return QJsonValue(panel::caption(m.bfoSign())); }},
    {Field::rfGain,
     [](const PanelModel& m) { return slider(m.rfGain(), panel::rfgReadout(m.rfGain())); }},
    {Field::channel, [](const PanelModel& m) { return QJsonValue(m.channel()); }},
    {Field::channelOperation,
     [](const PanelModel& m) {
         const bool memory = m.channelOperation() == panel::ChannelOperation::Memory;
         return toggle(memory, panel::memoryButtonCaption(m.channelOperation()));
     }},
    {Field::ampPower, [](const PanelModel& m) { return QJsonValue(panel::caption(m.ampPower())); }},
    {Field::ampPowerColour,
     [](const PanelModel& m) { return QJsonValue(cssColour(m.ampPowerColour())); }},
    {Field::ampOperate,
     [](const PanelModel& m) { return QJsonValue(panel::caption(m.ampOperate())); }},
    {Field::ampOperateColour,
     [](const PanelModel& m) { return QJsonValue(cssColour(m.ampOperateColour())); }},
    {Field::ampTune, [](const PanelModel& m) { return QJsonValue(panel::caption(m.ampTune())); }},
    {Field::ampTuneColour,
     [](const PanelModel& m) { return QJsonValue(cssColour(m.ampTuneColour())); }},
    {Field::ampTuneActive, [](const PanelModel& m) { return QJsonValue(m.ampTuneActive()); }},
    {Field::ampTuneStarted, [](const PanelModel& m) { return QJsonValue(m.ampTuneStarted()); }},
    {Field::catInput, [](const PanelModel& m) { return QJsonValue(m.catInput()); }},
    {Field::catOutput, [](const PanelModel& m) { return QJsonValue(m.catOutput()); }},
    {Field::info, [](const PanelModel& m) { return QJsonValue(m.info()); }},
    {Field::infoStandby, [](const PanelModel& m) { return QJsonValue(m.infoStandby()); }},
    {Field::rawData, nullptr},
    {Field::rawDataOn,
     [](const PanelModel& m) {
         return toggle(m.rawDataOn(), panel::viewDataCaption(m.rawDataOn()));
     }},
    {Field::comStatus, [](const PanelModel& m) { return QJsonValue(m.comStatus()); }},
    {Field::firmwareCaption, [](const PanelModel& m) { return QJsonValue(m.firmwareCaption()); }},
    {Field::syncLabel, [](const PanelModel& m) { return QJsonValue(m.syncLabel()); }},
    {Field::syncLabelColour,
     [](const PanelModel& m) { return QJsonValue(cssColour(m.syncLabelColour())); }},
    {Field::lamp, [](const PanelModel& m) { return QJsonValue(lampColour(m.lamp())); }},
    {Field::panelEnabled, [](const PanelModel& m) { return QJsonValue(m.panelEnabled()); }},
}};

// The table is read by position: each row must stand where its field does.
constexpr bool rowsInFieldOrder() {
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        if (static_cast<std::size_t>(kFields[i].field) != i) {
            return false;
        }
    }
    return true;
}
static_assert(rowsInFieldOrder(), "kFields lists every field in the order of Field");

const FieldRow& rowOf(Field field) {
    return kFields[static_cast<std::size_t>(field)];
}

}  // namespace

QString cssColour(Colour colour) {
    if (const std::optional<panel::Rgb> rgb = panel::fixedRgb(colour)) {
        return QStringLiteral("#%1").arg(*rgb & 0xffffffu, 6, 16, QLatin1Char('0'));
    }
    switch (colour) {
        case Colour::GreyText:
            return QStringLiteral("GrayText");
        case Colour::ButtonText:
            return QStringLiteral("ButtonText");
        default:
            break;
    }
    return QString();
}

bool isSent(Field field) {
    return rowOf(field).encode != nullptr;
}

QJsonValue encodeField(const PanelModel& model, Field field) {
    const FieldRow& row = rowOf(field);
    return row.encode ? row.encode(model) : QJsonValue();
}

QJsonObject encodeAllFields(const PanelModel& model) {
    QJsonObject fields;
    for (const FieldRow& row : kFields) {
        if (row.encode) {
            fields.insert(panel::fieldName(row.field), row.encode(model));
        }
    }
    return fields;
}

QJsonObject encodeControl(const PanelModel& model, panel::Control control) {
    return QJsonObject{{QStringLiteral("enabled"), model.enabled(control)},
                       {QStringLiteral("visible"), model.visible(control)}};
}

QJsonObject encodeAllControls(const PanelModel& model) {
    QJsonObject controls;
    for (int i = 0; i < panel::kControlCount; ++i) {
        const auto control = static_cast<panel::Control>(i);
        controls.insert(panel::controlName(control), encodeControl(model, control));
    }
    return controls;
}

}  // namespace tq::web
