#pragma once

#include "cat/CatRig.h"

namespace tq::app {

class Program;

/// The extended CAT commands' view of the panel: the switch from the
/// station links settings, VFO B's digits, and the same latching transmit
/// (with the same checks) that network rig control uses.
class PanelCatRig final : public cat::CatRig {
public:
    explicit PanelCatRig(Program& program) : m_program(program) {}

    bool extendedCat() const override;
    QString vfoB() const override;
    /// Refused outside the VFO B digits' range and while the panel
    /// transmits: with split on, VFO B then holds the receive frequency
    /// the panel swaps back to.
    bool setVfoB(const QString& digits) override;
    bool setTransmit(bool on) override;

private:
    Program& m_program;
};

}  // namespace tq::app
