#pragma once

#include <QString>
#include <optional>

#include "panel/PanelRequest.h"
#include "panel/PanelTypes.h"

namespace tq::panel {

// The names of the panel's requests, controls and steppers, for views that
// speak of them by name (the browser panel's messages): the controls' own
// object names ("cmdA2B", "optMeter") and, for the steppers, the read-outs
// they step.

QString requestName(PanelRequest request);
std::optional<PanelRequest> requestNamed(const QString& name);

QString controlName(Control control);

QString stepperName(Stepper stepper);
std::optional<Stepper> stepperNamed(const QString& name);
/// How many positions a stepper has (VFO digits 7, channel digits 2, PTT 1).
int stepperPositions(Stepper stepper);

/// The control that must take input for the request's click or the
/// stepper's press to count, as a disabled button cannot be clicked;
/// nothing where the panel never disables it.
std::optional<Control> gateOf(PanelRequest request);
std::optional<Control> gateOf(Stepper stepper);

}  // namespace tq::panel
