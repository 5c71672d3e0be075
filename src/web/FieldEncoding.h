#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include "panel/PanelField.h"
#include "panel/PanelModel.h"
#include "panel/PanelTypes.h"

namespace tq::web {

/// A panel colour as CSS: fixed colours as "#rrggbb", the desktop's greyed
/// and button text as the CSS system colours GrayText and ButtonText, and
/// the unpainted default as "" (the page's own style applies).
QString cssColour(panel::Colour colour);

/// Whether the field goes to the page. The raw reply box is left out: it
/// grows with every reply and the page does not show it.
bool isSent(panel::Field field);

/// The field's value as the page shows it: captions as the window writes
/// them (without "&" mnemonic marks), colours as CSS, numbers as numbers;
/// buttons that name their next action come with that caption.
QJsonValue encodeField(const panel::PanelModel& model, panel::Field field);

/// Every sent field, keyed by its name.
QJsonObject encodeAllFields(const panel::PanelModel& model);

/// A control's state as {"enabled": bool, "visible": bool}.
QJsonObject encodeControl(const panel::PanelModel& model, panel::Control control);
QJsonObject encodeAllControls(const panel::PanelModel& model);

}  // namespace tq::web
