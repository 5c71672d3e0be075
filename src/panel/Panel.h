#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "link/Clock.h"
#include "link/RadioLinkFlags.h"
#include "link/SerialPort.h"
#include "panel/AmplifierControls.h"
#include "panel/MemoryControls.h"
#include "panel/MeterScale.h"
#include "panel/PanelActions.h"
#include "panel/PanelContext.h"
#include "panel/PanelModel.h"
#include "panel/PanelRequest.h"
#include "panel/ReceiverControls.h"
#include "panel/StatusDisplay.h"
#include "panel/TransmitControls.h"
#include "panel/VfoControls.h"
#include "protocol/ProgramFlags.h"
#include "protocol/RadioCommands.h"
#include "protocol/RadioLink.h"
#include "protocol/RadioState.h"

namespace tq::panel {

/// The front panel without its window: its values, the requests its
/// controls raise, the display of the radio's replies, the link to the radio
/// and every operation on them. Views (the window, the browser panel) paint
/// the model and act through PanelActions; the main loop serves the requests.
class StationGateway;

class Panel final : public PanelActions {
public:
    /// The digital-mode audio settings are the operator's saved ones; the
    /// references follow them when the audio setup dialog applies new ones.
    Panel(link::SerialPort& radioPort, link::Clock& clock, protocol::RadioState& state,
          protocol::ProgramFlags& flags, link::RadioLinkFlags& linkFlags,
          const QString& digitalSource, const QString& digitalVox);
    ~Panel() override;
    Panel(const Panel&) = delete;
    Panel& operator=(const Panel&) = delete;

    PanelModel& model() { return m_model; }
    const PanelModel& model() const { return m_model; }
    PanelRequests& requests() { return m_requests; }
    StatusDisplay& display() { return m_display; }
    protocol::RadioLink& link() { return m_link; }
    protocol::RadioCommands& commands() { return m_commands; }
    PanelContext context();

    ReceiverControls& receiver() { return *m_receiver; }
    TransmitControls& transmit() { return *m_transmit; }
    VfoControls& vfo() { return *m_vfo; }
    MemoryControls& memory() { return *m_memory; }
    AmplifierControls& amplifier() { return *m_amplifier; }

    /// Shows every reply that arrived since the last refresh.
    void gUpdateDisplay() { m_display.gUpdateDisplay(); }

    /// The sliders' change handlers: raise the slider's request. They run on
    /// every change of the value, from the operator or from the program.
    void bfoChanged();
    void rfgChanged();
    /// Moves a slider as the program does: its handler runs when the value
    /// changes.
    void setBfoValue(int value);
    void setRfGain(int value);

    /// What sounds when a step would leave its range (the desktop's beep in
    /// the program; nothing until one is given).
    void setBeep(const std::function<void()>& beep);
    /// Tells the panel when the main loop is serving a request (or is in a
    /// set-up): a press arriving then must not start an exchange of its own.
    void setServedOperationCheck(std::function<bool()> check);
    void setStationGateway(StationGateway& gateway);

    // PanelActions: each refuses what the window's disabled controls would.
    void click(PanelRequest request) override;
    void press(Stepper stepper, int index, int button) override;
    void release(Stepper stepper, int index, int button) override;
    void chooseMode(Mode mode) override;
    void chooseAgc(Agc agc) override;
    void chooseSource(Source source) override;
    void chooseDigitalMode(DigitalMode mode) override;
    void chooseStepSize(StepSize step) override;
    void chooseVfoBMode(Mode mode) override;
    void chooseMeter(int index) override;
    void moveBfo(int value) override;
    void moveRfGain(int value) override;
    bool key(int qtKey) override;

private:
    /// Whether the control is there to be used: the panel takes input and
    /// the control is enabled and shown.
    bool usable(Control control) const { return m_model.canRelease(control); }
    template <typename T>
    void choose(Value<T>& box, T value, PanelRequest request);

    protocol::ProgramFlags& m_flags;
    PanelModel m_model;
    PanelRequests m_requests;
    StatusDisplay m_display;
    protocol::RadioLink m_link;
    protocol::RadioCommands m_commands;
    std::unique_ptr<ReceiverControls> m_receiver;
    std::unique_ptr<TransmitControls> m_transmit;
    // Made after transmit and gone before it: it registers with transmit.
    std::unique_ptr<VfoControls> m_vfo;
    std::unique_ptr<MemoryControls> m_memory;
    std::unique_ptr<AmplifierControls> m_amplifier;
};

}  // namespace tq::panel
