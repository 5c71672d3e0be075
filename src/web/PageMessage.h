#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <variant>

#include "panel/PanelModel.h"
#include "panel/PanelRequest.h"
#include "panel/PanelTypes.h"

namespace tq::web {

/// The drop-down lists a page can choose in.
enum class ChoiceBox { Mode, Agc, Source, DigitalMode, StepSize, VfoBMode };

/// One message from a page, checked and decoded. What each kind carries:
/// Click: request; Press and Release: stepper, index, button; Choose: box
/// and text (one of the box's items); Meter: index; Bfo and RfGain: value.
struct PageCommand {
    enum class Kind { Click, Press, Release, Choose, Meter, Bfo, RfGain, Heartbeat };

    Kind kind = Kind::Heartbeat;
    panel::PanelRequest request = panel::PanelRequest::cmdGetStatus;
    panel::Stepper stepper = panel::Stepper::VfoA;
    int index = 0;
    int button = panel::kLeftButton;
    ChoiceBox box = ChoiceBox::Mode;
    QString text;
    int value = 0;

    bool operator==(const PageCommand&) const = default;
};

/// Why a page's message was not taken, for the page to show.
struct PageError {
    QString reason;
};

/// Decodes one text message from a page; every field is checked against
/// what the panel offers (a request name, a digit position, an item of
/// the box, a slider's range), so nothing unchecked reaches the panel.
std::variant<PageCommand, PageError> parsePageMessage(const QByteArray& message);

/// The box's name in messages ("mode", "agc", ...).
QString choiceBoxName(ChoiceBox box);

// Messages to a page. Each is one JSON object with "t" naming its kind.

/// The first message after connecting: every field and control, the
/// drop-down lists' items, the band buttons, the meter labels, and the
/// heartbeat the page must keep while it holds a control.
QJsonObject helloMessage(const panel::PanelModel& model, int heartbeatMs, int releaseAfterMs);
/// The fields and controls that changed since the last update.
QJsonObject updateMessage(const QJsonObject& fields, const QJsonObject& controls);
/// The held steppers: those this page holds and those other pages hold.
QJsonObject holdsMessage(const QStringList& mine, const QStringList& others);
/// A message that was not carried out, and why.
QJsonObject refusedMessage(const QString& reason);

QByteArray toWire(const QJsonObject& message);

}  // namespace tq::web
