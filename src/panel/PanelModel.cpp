#include "panel/PanelModel.h"

#include <array>

namespace tq::panel {

namespace {

// In the order of Field.
constexpr const char* kFieldNames[] = {
    "vfoA",
    "vfoB",
    "vfoBMode",
    "split",
    "stepSize",
    "infoLine",
    "mode",
    "agc",
    "source",
    "digitalMode",
    "xmitActive",
    "tuning",
    "transmitting",
    "bandIndicator",
    "bandIndicatorColour",
    "frequencyLock",
    "mute",
    "pttEnable",
    "sideTone",
    "vox",
    "clipping",
    "controlMode",
    "remoteIndicator",
    "remoteIndicatorColour",
    "extPtt",
    "meterChecked",
    "meterLabels",
    "meterScale",
    "meterLevel",
    "meterChoice",
    "bfoValue",
    "bfoOn",
    "bfoLabel",
    "bfoSign",
    "rfGain",
    "channel",
    "channelOperation",
    "ampPower",
    "ampPowerColour",
    "ampOperate",
    "ampOperateColour",
    "ampTune",
    "ampTuneColour",
    "ampTuneActive",
    "ampTuneStarted",
    "catInput",
    "catOutput",
    "info",
    "infoStandby",
    "rawData",
    "rawDataOn",
    "comStatus",
    "firmwareCaption",
    "syncLabel",
    "syncLabelColour",
    "lamp",
    "panelEnabled",
};
static_assert(std::size(kFieldNames) == kFieldCount, "one name per field");

std::size_t slot(Control control) {
    return static_cast<std::size_t>(control);
}

}  // namespace

QString fieldName(Field field) {
    return QString::fromLatin1(kFieldNames[static_cast<std::size_t>(field)]);
}

void notifyChanged(PanelModel& model, Field field) {
    emit model.changed(field);
}

PanelModel::PanelModel(QObject* parent) : QObject(parent) {
    // The BFO starts off, and an offset means nothing until it is on.
    m_controls[slot(Control::vscBFO)].enabled = false;
}

bool PanelModel::enabled(Control control) const {
    return m_controls[slot(control)].enabled;
}

bool PanelModel::visible(Control control) const {
    return m_controls[slot(control)].visible;
}

void PanelModel::setEnabled(Control control, bool enabled) {
    ControlState& state = m_controls[slot(control)];
    if (state.enabled != enabled) {
        state.enabled = enabled;
        emit controlChanged(control);
    }
}

void PanelModel::setVisible(Control control, bool visible) {
    ControlState& state = m_controls[slot(control)];
    if (state.visible != visible) {
        state.visible = visible;
        emit controlChanged(control);
    }
}

bool PanelModel::canRelease(Control control) const {
    return panelEnabled() && enabled(control) && visible(control);
}

}  // namespace tq::panel
