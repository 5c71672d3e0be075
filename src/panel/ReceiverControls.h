#pragma once

#include <QString>

#include "panel/PanelContext.h"

namespace tq::panel {

/// The operations behind the receiver and audio controls of the front panel:
/// mode, AGC, meter, audio source and local/remote audio, digital modes,
/// speaker, PTT enable, sidetone, VOX, clipping, refresh, BFO and RF gain.
/// The main loop runs each for its raised request; each clears its request.
class ReceiverControls {
public:
    /// How often SetLocalRemote asks the radio before it gives up: a radio
    /// that never takes the setting must not hold the panel for ever.
    static constexpr int kLocalRemoteTries = 5;

    /// The digital-mode audio settings are the operator's saved ones; the
    /// references follow them when the audio setup dialog applies new ones.
    ReceiverControls(PanelContext panel, const QString& digitalSource, const QString& digitalVox);

    void modeCmd();
    void agcCmd();
    void meterCmd();
    void sourceCmd();
    void digitalModeCmd();
    void muteCmd();
    void pttEnableCmd();
    void sideToneCmd();
    /// One press of the VOX key; also run by the set-ups and digital modes.
    void voxStep();
    void clippingCmd();
    void refreshCmd();
    /// Sends the BFO offset while the BFO is on.
    void bfoSend();
    /// Switches the BFO on or off.
    void bfoButton();
    void rfGainSend();

    /// Brings local/remote audio to "LOCAL" or "REMOTE".
    void SetLocalRemote(const QString& word);
    /// Steps the audio source to a code "H1".."H3".
    void SetAudioSource(const QString& code);
    /// Flips local/remote audio once.
    void ToggleLocalRemote();

    // The BFO as last set: on or off, and the last code sent ("000".."200").
    bool BfoOn = false;
    QString BfoCode = QStringLiteral("100");

    // What a digital mode saved, to be restored when it is switched off.
    QString SavedSource;
    QString SavedVox;
    QString SavedLocRem;

private:
    /// Up to three VOX presses, stopping once the radio reports the target.
    void stepVoxTo(const QString& target);
    void sendLocalAudio(double pauseSeconds);

    PanelContext m_panel;
    protocol::RadioLink& m_link;
    protocol::RadioCommands& m_commands;
    protocol::RadioState& m_state;
    const QString& m_digitalSource;
    const QString& m_digitalVox;
};

}  // namespace tq::panel
