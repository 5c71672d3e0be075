#include "panel/PanelNames.h"

#include <array>
#include <utility>

namespace tq::panel {

namespace {

struct RequestRow {
    PanelRequest request;
    const char* name;
    std::optional<Control> gate;
};

constexpr std::array<RequestRow, kPanelRequestCount> kRequests{{
    {PanelRequest::cmbSource, "cmbSource", std::nullopt},
    {PanelRequest::cmbAGC, "cmbAGC", std::nullopt},
    {PanelRequest::cmdBFO, "cmdBFO", Control::cmdBFO},
    {PanelRequest::cmdClipping, "cmdClipping", Control::cmdClipping},
    {PanelRequest::cmd160M, "cmd160M", std::nullopt},
    {PanelRequest::cmd75M, "cmd75M", std::nullopt},
    {PanelRequest::cmd60M, "cmd60M", std::nullopt},
    {PanelRequest::cmd40M, "cmd40M", std::nullopt},
    {PanelRequest::cmd30M, "cmd30M", std::nullopt},
    {PanelRequest::cmd20M, "cmd20M", std::nullopt},
    {PanelRequest::cmd17M, "cmd17M", std::nullopt},
    {PanelRequest::cmd15M, "cmd15M", std::nullopt},
    {PanelRequest::cmd12M, "cmd12M", std::nullopt},
    {PanelRequest::cmd10M, "cmd10M", std::nullopt},
    {PanelRequest::cmdWWV, "cmdWWV", std::nullopt},
    {PanelRequest::cmdMARS, "cmdMARS", std::nullopt},
    {PanelRequest::optMeter, "optMeter", Control::optMeter},
    {PanelRequest::cmbMode, "cmbMode", std::nullopt},
    {PanelRequest::cmdMute, "cmdMute", Control::cmdMute},
    {PanelRequest::cmdPTTEn, "cmdPTTEn", Control::cmdPTTEn},
    {PanelRequest::cmdSideTone, "cmdSideTone", Control::cmdSideTone},
    {PanelRequest::cmdTune, "cmdTune", Control::cmdTune},
    {PanelRequest::cmdViewInData, "cmdViewInData", Control::cmdViewInData},
    {PanelRequest::cmdVOX, "cmdVOX", Control::cmdVOX},
    {PanelRequest::cmdXmit, "cmdXmit", Control::cmdXmit},
    {PanelRequest::cmdAmpPwr, "cmdAmpPwr", Control::cmdAmpPwr},
    {PanelRequest::cmdAmpOpr, "cmdAmpOpr", Control::cmdAmpOpr},
    {PanelRequest::cmdTuneAmp, "cmdTuneAmp", Control::cmdTuneAmp},
    {PanelRequest::cmdM2V, "cmdM2V", std::nullopt},
    {PanelRequest::cmdV2M, "cmdV2M", std::nullopt},
    {PanelRequest::cmdGetStatus, "cmdGetStatus", std::nullopt},
    {PanelRequest::vscBFO, "vscBFO", Control::vscBFO},
    {PanelRequest::vscRFG, "vscRFG", Control::vscRFG},
    {PanelRequest::cmbDig, "cmbDig", std::nullopt},
    {PanelRequest::cmdSwap, "cmdSwap", std::nullopt},
    {PanelRequest::cmdA2B, "cmdA2B", std::nullopt},
    {PanelRequest::cmdSplit, "cmdSplit", std::nullopt},
    {PanelRequest::cmdVM, "cmdVM", std::nullopt},
}};

// In the order of Control.
constexpr std::array<const char*, kControlCount> kControls{
    "cmdF",      "cmdVFOB",     "cmdM",          "cmdMute",      "cmdPTTEn",     "cmdSideTone",
    "cmdVOX",    "cmdClipping", "cmdViewInData", "cmdBFO",       "vscBFO",       "vscRFG",
    "cmdTune",   "cmdXmit",     "cmdPTT",        "lblXMTRCV",    "optMeter",     "pbMeter",
    "cmdAmpPwr", "cmdAmpOpr",   "cmdTuneAmp",    "mnuScanBands", "mnuScanFreqs", "lblInfo",
    "txtInfo",   "txtInData",   "lblU",          "shaTrace",
};

struct StepperRow {
    Stepper stepper;
    const char* name;
    int positions;
    std::optional<Control> gate;
};

constexpr std::array<StepperRow, 4> kSteppers{{
    {Stepper::VfoA, "vfoA", 7, Control::cmdF},
    {Stepper::VfoB, "vfoB", 7, Control::cmdVFOB},
    {Stepper::Channel, "channel", 2, Control::cmdM},
    {Stepper::Ptt, "ptt", 1, Control::cmdPTT},
}};

constexpr bool everyNameGiven() {
    for (const char* name : kControls) {
        if (name == nullptr) {
            return false;
        }
    }
    for (std::size_t i = 0; i < kRequests.size(); ++i) {
        if (static_cast<std::size_t>(kRequests[i].request) != i) {
            return false;
        }
    }
    return true;
}
static_assert(everyNameGiven(), "one name per control and request, in their order");

const RequestRow& rowOf(PanelRequest request) {
    return kRequests[static_cast<std::size_t>(request)];
}

const StepperRow& rowOf(Stepper stepper) {
    for (const StepperRow& row : kSteppers) {
        if (row.stepper == stepper) {
            return row;
        }
    }
    return kSteppers.front();
}

}  // namespace

QString requestName(PanelRequest request) {
    return QString::fromLatin1(rowOf(request).name);
}

std::optional<PanelRequest> requestNamed(const QString& name) {
    for (const RequestRow& row : kRequests) {
        if (name == QLatin1String(row.name)) {
            return row.request;
        }
    }
    return std::nullopt;
}

QString controlName(Control control) {
    return QString::fromLatin1(kControls[static_cast<std::size_t>(control)]);
}

QString stepperName(Stepper stepper) {
    return QString::fromLatin1(rowOf(stepper).name);
}

std::optional<Stepper> stepperNamed(const QString& name) {
    for (const StepperRow& row : kSteppers) {
        if (name == QLatin1String(row.name)) {
            return row.stepper;
        }
    }
    return std::nullopt;
}

int stepperPositions(Stepper stepper) {
    return rowOf(stepper).positions;
}

std::optional<Control> gateOf(PanelRequest request) {
    return rowOf(request).gate;
}

std::optional<Control> gateOf(Stepper stepper) {
    return rowOf(stepper).gate;
}

}  // namespace tq::panel
