#pragma once

#include "panel/PanelRequest.h"
#include "panel/PanelTypes.h"

namespace tq::panel {

/// What a view of the panel can do: everything the operator does at the
/// front panel, as the panel's own operations. The window turns clicks,
/// holds and keys into these; the browser panel turns its messages into
/// the same calls, so both go through the same checks.
class PanelActions {
public:
    virtual ~PanelActions() = default;

    /// A button whose click asks the main loop for radio work (band
    /// buttons, switches, A->B, Swap, Split, M->V, V->M, MEM, XMT, TUNE,
    /// the amplifier's buttons, Refresh, ...): raises its request.
    virtual void click(PanelRequest request) = 0;

    /// A mouse button (kLeftButton, kRightButton, ...) pressed on a stepping
    /// control: a VFO digit or channel digit (index from the left) steps up
    /// on the left button and down on the right, and repeats while held;
    /// PTT transmits while the left button is held. Returns after the
    /// release, which arrives meanwhile as release().
    virtual void press(Stepper stepper, int index, int button) = 0;
    virtual void release(Stepper stepper, int index, int button) = 0;

    /// The operator's choices in the drop-down lists, the meter options and
    /// the sliders.
    virtual void chooseMode(Mode mode) = 0;
    virtual void chooseAgc(Agc agc) = 0;
    virtual void chooseSource(Source source) = 0;
    virtual void chooseDigitalMode(DigitalMode mode) = 0;
    virtual void chooseStepSize(StepSize step) = 0;
    virtual void chooseVfoBMode(Mode mode) = 0;
    virtual void chooseMeter(int index) = 0;
    virtual void moveBfo(int value) = 0;
    virtual void moveRfGain(int value) = 0;

    /// A key pressed while the panel has the focus (Qt key code): true when
    /// the panel used it (the I and D keys step VFO A).
    virtual bool key(int qtKey) = 0;
};

}  // namespace tq::panel
