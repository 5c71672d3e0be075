#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "panel/PanelColours.h"
#include "panel/PanelTypes.h"

namespace tq::panel {

// The texts the panel shows for its typed values, character for character
// (an "&" marks a mnemonic), shared by every view so they all read alike.

QString caption(Mode mode);
QString caption(Agc agc);
QString caption(Source source);
QString caption(DigitalMode mode);
QString caption(StepSize step);
QString caption(Split split);
QString caption(OnOff state);
QString caption(Vox vox);
QString caption(RemoteIndicator indicator);
QString caption(BandIndicator indicator);
QString caption(AmpPower power);
QString caption(AmpOperate operate);
QString caption(AmpTune tune);
QString caption(BfoSign sign);

/// The value whose caption is the text; nothing for any other text.
template <typename Enum>
std::optional<Enum> fromCaption(const QString& text);

/// The items of the drop-down lists, top to bottom, and the value of an item.
QStringList modeItems();
QStringList agcItems();
QStringList sourceItems();
QStringList digitalModeItems();
QStringList stepSizeItems();
Mode modeItem(int index);
Agc agcItem(int index);
Source sourceItem(int index);
DigitalMode digitalModeItem(int index);
StepSize stepSizeItem(int index);
/// The item a value stands at; -1 for the blank value.
int itemIndex(Mode mode);
int itemIndex(Agc agc);
int itemIndex(Source source);
int itemIndex(DigitalMode mode);
int itemIndex(StepSize step);

// Captions of the buttons that name what their next click does.
QString xmitCaption(bool xmitActive);
QString tuneCaption(bool tuning);
QString bfoButtonCaption(bool bfoOn);
QString viewDataCaption(bool rawDataOn);
QString memoryButtonCaption(ChannelOperation operation);
/// The receive/transmit indicator.
QString transmitCaption(bool transmitting);
Colour transmitColour(bool transmitting);
Colour extPttColour(ExtPtt state);

/// The colour's RGB value; nothing for the desktop-dependent colours
/// (Default, GreyText, ButtonText), which each view takes from its own style.
std::optional<Rgb> fixedRgb(Colour colour);
/// The fixed colour with the given value (the amplifier tables are in RGB).
Colour colourOf(Rgb rgb);

}  // namespace tq::panel
