#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "link/RadioLinkFlags.h"
#include "panel/PanelContext.h"
#include "panel/TransmitPermission.h"

namespace tq::panel {

class StationGateway;
class VfoControls;

/// The transmit side of the front panel: the periodic sync exchange that
/// keeps the panel in step with the radio's keyed state, push-to-talk (from
/// the mouse and the external line), the latching transmit button, tune
/// with the restore of what it changed, and the raw data box.
///
/// Whatever the order of events, once the operator lets go the sync
/// character is "U": every path that set "K" sets "U" on its way out.
class TransmitControls {
public:
    static constexpr double kPttPoll = 0.01;
    static constexpr double kRestorePause = 0.5;
    /// Tune-stop presses of the mode key at most: one turn through its four
    /// modes. A radio that has not shown the saved mode by then never will.
    static constexpr int kModeRestoreSteps = 4;
    /// The same for the audio source key and its three sources.
    static constexpr int kSourceRestoreSteps = 3;

    /// The link flags carry the external PTT line's state.
    TransmitControls(PanelContext panel, const link::RadioLinkFlags& linkFlags);
    TransmitControls(const TransmitControls&) = delete;
    TransmitControls& operator=(const TransmitControls&) = delete;

    /// One sync exchange: sends the sync character when due, reads an
    /// answer waiting, and follows the radio between receive and transmit.
    void RefreshTransmitState();

    /// Shows or hides the raw reply box.
    void viewInDataCmd();

    /// Push-to-talk: transmits while the left button is held (button 1) or,
    /// for button 0, while the external PTT line is pressed. Returns after
    /// the release, the radio unkeyed.
    void cmdPTT_MouseDown(int button, int shift, int x, int y);
    void cmdPTT_MouseUp(int button, int shift, int x, int y);

    /// Served requests; each clears its own first, so a click arriving
    /// while the operation pauses is served on the next pass.
    void xmitCmd();
    void tuneCmd();
    /// A click on XMT or TUNE asks for the action its caption names now;
    /// served later, it does that action or nothing, never the opposite one
    /// should the state have changed meanwhile (station software let go).
    void noteClick(PanelRequest request);
    /// Station software's latch: on or off, whatever the button shows. Off
    /// also withdraws a click on XMT waiting to be served.
    void setLatch(bool on);
    /// Forgets the clicks on XMT, TUNE and the amplifier's tune waiting to
    /// be served: the transmitter was let go meanwhile (the radio port was
    /// lost), and they are not to key it whenever the link is back.
    void withdrawRequests();

    /// What the one transmit check needs, as the panel stands now: the
    /// frequency transmitted on is the radio's (VFO B's under split).
    TransmitConditions conditions() const;

    /// Push-to-talk, the latch or tune is exchanging with the radio.
    bool exchangeRunning() const { return m_pttRunning || m_operationRunning; }

    /// Tells the panel when the main loop is serving a request (or is in
    /// a set-up): a press arriving then runs in a pause of that operation's
    /// exchange, so the VFO A digits, the I / D keys and push-to-talk start
    /// nothing. The main loop's own call for the external PTT is not one.
    void setServedOperationCheck(std::function<bool()> check) { m_servedCheck = std::move(check); }
    bool inServedOperation() const { return m_servedCheck && m_servedCheck(); }
    /// Where station software's waiting transmit requests meet the
    /// operator's XMT clicks.
    void setStationGateway(StationGateway* gateway) { m_stationGateway = gateway; }

    /// The VFOs that split transmit exchanges; VfoControls registers itself.
    /// Without them a split transmit is refused.
    void attachVfos(VfoControls* vfos) { m_vfos = vfos; }

    /// The left button is down on the push-to-talk button.
    bool PttHeld = false;

private:
    bool splitOn() const;
    bool tuning() const;
    bool externalPressed() const;
    bool pttPressRefused() const;
    void holdTransmitter(bool external);
    void xmitOn();
    void xmitOff();
    void tuneOn();
    void tuneOff();
    /// Sets the control back to transmit while the panel holds it keyed,
    /// whatever the band limits did to it, so the operator can let go.
    void keepReleaseReachable();

    PanelContext m_panel;
    protocol::RadioLink& m_link;
    protocol::RadioState& m_state;
    protocol::RadioCommands& m_commands;
    const link::RadioLinkFlags* m_linkFlags;
    VfoControls* m_vfos = nullptr;
    std::function<bool()> m_servedCheck;
    StationGateway* m_stationGateway = nullptr;

    // What the pending clicks on XMT and TUNE asked for: on or off.
    std::optional<bool> m_xmitWanted;
    std::optional<bool> m_tuneWanted;
    bool m_pttRunning = false;
    bool m_operationRunning = false;
    // The latch exchanged the VFOs, so letting go exchanges them back even
    // when split was switched off meanwhile.
    bool m_xmitSwapped = false;

    // Tune memory: what tune start found, for tune stop to put back.
    QString m_tuneMode;
    QString m_tuneSideTone;
    QString m_tunePttEn;
    QString m_tuneSource;
};

}  // namespace tq::panel
