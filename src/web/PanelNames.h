#pragma once

#include <QString>
#include <optional>

#include "panel/PanelRequest.h"
#include "panel/PanelTypes.h"

namespace tq::web {

// The names the page and the program use for the panel's requests,
// controls and steppers in their messages: the controls' own object names
// ("cmdA2B", "optMeter") and, for the steppers, the read-outs they step.

QString requestName(panel::PanelRequest request);
std::optional<panel::PanelRequest> requestNamed(const QString& name);

QString controlName(panel::Control control);

QString stepperName(panel::Stepper stepper);
std::optional<panel::Stepper> stepperNamed(const QString& name);
/// How many positions a stepper has (VFO digits 7, channel digits 2, PTT 1).
int stepperPositions(panel::Stepper stepper);

/// The control that must take input for the request's click or the
/// stepper's press to count, as a disabled button on the window cannot be
/// clicked; nothing where the window never disables it.
std::optional<panel::Control> gateOf(panel::PanelRequest request);
std::optional<panel::Control> gateOf(panel::Stepper stepper);

}  // namespace tq::web
