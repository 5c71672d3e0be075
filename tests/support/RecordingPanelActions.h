#pragma once

#include <ostream>
#include <utility>
#include <vector>

#include "panel/PanelActions.h"

namespace tq::test {

/// A panel that only notes what a view asked of it, in order, so a view's
/// input can be checked without a panel behind it. It changes no model.
class RecordingPanelActions : public panel::PanelActions {
public:
    /// One action: its kind and its arguments as numbers (enumerations by
    /// their value).
    struct Call {
        enum Kind {
            Click,
            Press,
            Release,
            Mode,
            Agc,
            Source,
            Digital,
            Step,
            VfoBMode,
            Meter,
            Bfo,
            RfGain,
            Key
        };
        Kind kind;
        int a = 0, b = 0, c = 0;
        bool operator==(const Call&) const = default;

        static Call click(panel::PanelRequest r) { return {Click, static_cast<int>(r)}; }
        static Call press(panel::Stepper s, int i, int b) {
            return {Press, static_cast<int>(s), i, b};
        }
        static Call release(panel::Stepper s, int i, int b) {
            return {Release, static_cast<int>(s), i, b};
        }
        /// A choice of a list value, or a number (meter, slider, key).
        template <typename Value>
        static Call of(Kind kind, Value value) {
            return {kind, static_cast<int>(value)};
        }
        friend void PrintTo(const Call& call, std::ostream* out) {
            *out << "{" << call.kind << ", " << call.a << ", " << call.b << ", " << call.c << "}";
        }
    };

    /// What was asked since the last take.
    std::vector<Call> take() { return std::exchange(calls, {}); }

    void click(panel::PanelRequest request) override { calls.push_back(Call::click(request)); }
    void press(panel::Stepper stepper, int index, int button) override {
        calls.push_back(Call::press(stepper, index, button));
    }
    void release(panel::Stepper stepper, int index, int button) override {
        calls.push_back(Call::release(stepper, index, button));
    }
    void chooseMode(panel::Mode mode) override { calls.push_back(Call::of(Call::Mode, mode)); }
    void chooseAgc(panel::Agc agc) override { calls.push_back(Call::of(Call::Agc, agc)); }
    void chooseSource(panel::Source source) override {
        calls.push_back(Call::of(Call::Source, source));
    }
    void chooseDigitalMode(panel::DigitalMode mode) override {
        calls.push_back(Call::of(Call::Digital, mode));
    }
    void chooseStepSize(panel::StepSize step) override {
        calls.push_back(Call::of(Call::Step, step));
    }
    void chooseVfoBMode(panel::Mode mode) override {
        calls.push_back(Call::of(Call::VfoBMode, mode));
    }
    void chooseMeter(int index) override { calls.push_back(Call::of(Call::Meter, index)); }
    void moveBfo(int value) override { calls.push_back(Call::of(Call::Bfo, value)); }
    void moveRfGain(int value) override { calls.push_back(Call::of(Call::RfGain, value)); }
    bool key(int qtKey) override {
        calls.push_back(Call::of(Call::Key, qtKey));
        return keyUsed;
    }

    std::vector<Call> calls;
    /// What key() answers: whether the panel used the key.
    bool keyUsed = false;
};

}  // namespace tq::test
