#pragma once

#include <QString>

#include "link/LinkIndicators.h"

namespace tq::protocol {

/// Colours of the link activity lamp.
enum class Lamp { Idle, Sending, Awaiting, Syncing };

/// What the radio link shows on the main window, so the protocol code can
/// report it without knowing any widget. The main window implements it.
class Indicators : public link::LinkIndicators {
public:
    /// The link lamp: red while sending, green while awaiting a reply,
    /// yellow during a sync, grey when idle.
    virtual void setLamp(Lamp lamp) = 0;
    /// The sync character label; an empty caption blanks it.
    virtual void setSyncLabel(const QString& caption) = 0;
    /// Whether the raw reply view is switched on, and its text.
    virtual bool rawDataShown() const = 0;
    virtual void setRawData(const QString& text) = 0;
    /// The firmware label.
    virtual void setFirmwareCaption(const QString& caption) = 0;

    /// Display routines the decoder and the state-driven commands call.
    virtual void displayMeterData(const QString& line) = 0;
    virtual void greyMeterLabels() = 0;
    virtual void showMode() = 0;
    virtual void showSideTone() = 0;
    virtual void showSource() = 0;
    virtual void showPttEnable() = 0;
};

}  // namespace tq::protocol
