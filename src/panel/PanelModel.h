#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <optional>

#include "panel/PanelField.h"
#include "panel/PanelTypes.h"
#include "panel/PanelValue.h"
#include "panel/SliderReadouts.h"
#include "protocol/Indicators.h"

namespace tq::panel {

/// Which meter labels are lit: all greyed, or one lit and the rest greyed;
/// before any meter report none is painted.
struct MeterLabels {
    bool greyed = false;
    std::optional<int> lit;
    bool operator==(const MeterLabels&) const = default;
};

/// Everything the front panel shows and the operator can change, as typed
/// values. The window and the browser panel are views of it: they paint what
/// it holds and turn the operator's input into the panel's operations, which
/// change it. Each value starts as the panel looks before start-up.
class PanelModel : public QObject {
    Q_OBJECT

public:
    static constexpr int kDigits = 7;
    static constexpr int kChannelDigits = 2;

    explicit PanelModel(QObject* parent = nullptr);

    // Frequency (V): the seven digit captions of each VFO (10 Hz units, a
    // caption may be a blank when a channel entry had none).
    Value<QString> vfoA{*this, Field::vfoA, QStringLiteral("0000000")};
    Value<QString> vfoB{*this, Field::vfoB, QStringLiteral("0000000")};
    Value<Mode> vfoBMode{*this, Field::vfoBMode};
    Value<Split> split{*this, Field::split, Split::Off};
    Value<StepSize> stepSize{*this, Field::stepSize};
    /// The line under the VFOs (lblInfo): channel recalled, a list's note.
    Value<QString> infoLine{*this, Field::infoLine, QStringLiteral("Frequency Label")};

    // Mode, AGC, source and digital mode boxes; transmit and tune.
    Value<Mode> mode{*this, Field::mode};
    Value<Agc> agc{*this, Field::agc};
    Value<Source> source{*this, Field::source};
    Value<DigitalMode> digitalMode{*this, Field::digitalMode};
    /// XmitActive: the latching transmit button holds the transmitter.
    Value<bool> xmitActive{*this, Field::xmitActive};
    /// Tune holds the transmitter (its button offers to switch it off).
    Value<bool> tuning{*this, Field::tuning};
    /// The receive/transmit indicator shows the radio transmitting.
    Value<bool> transmitting{*this, Field::transmitting};
    Value<BandIndicator> bandIndicator{*this, Field::bandIndicator};
    Value<Colour> bandIndicatorColour{*this, Field::bandIndicatorColour, Colour::LightGrey};
    /// FrequencyLock: while set the VFO A digits and keys change nothing.
    Value<bool> frequencyLock{*this, Field::frequencyLock};

    // Panel switches and their indicators.
    Value<OnOff> mute{*this, Field::mute};
    Value<OnOff> pttEnable{*this, Field::pttEnable};
    Value<OnOff> sideTone{*this, Field::sideTone};
    Value<Vox> vox{*this, Field::vox};
    Value<OnOff> clipping{*this, Field::clipping};
    /// ControlMode: the control mode the panel was last set up for.
    Value<ControlMode> controlMode{*this, Field::controlMode};
    Value<RemoteIndicator> remoteIndicator{*this, Field::remoteIndicator};
    Value<Colour> remoteIndicatorColour{*this, Field::remoteIndicatorColour, Colour::Red};
    Value<ExtPtt> extPtt{*this, Field::extPtt};

    // Meter: the option checked, the labels painted, the scale and the bar.
    Value<std::optional<int>> meterChecked{*this, Field::meterChecked};
    Value<MeterLabels> meterLabels{*this, Field::meterLabels};
    Value<QString> meterScale{*this, Field::meterScale};
    Value<int> meterLevel{*this, Field::meterLevel};
    /// The meter the operator chose last with an option (0..5).
    Value<int> meterChoice{*this, Field::meterChoice};

    // BFO and RF gain: the sliders' values; the read-outs follow them.
    Value<int> bfoValue{*this, Field::bfoValue, kBfoZero};
    /// The BFO is on: its button offers to switch it off.
    Value<bool> bfoOn{*this, Field::bfoOn};
    /// The "BFO" caption beside the slider.
    Value<bool> bfoLabel{*this, Field::bfoLabel, true};
    Value<BfoSign> bfoSign{*this, Field::bfoSign, BfoSign::Plus};
    Value<int> rfGain{*this, Field::rfGain, kRfgTop};

    // Memory: the two channel digit captions and VFO/MEM.
    Value<QString> channel{*this, Field::channel, QStringLiteral("00")};
    Value<ChannelOperation> channelOperation{*this, Field::channelOperation};

    // Amplifier: each indicator's caption and colour, and the tune this
    // program started (AmpTuneActive, AmpTuneStarted in seconds of the clock).
    Value<AmpPower> ampPower{*this, Field::ampPower, AmpPower::Off};
    Value<Colour> ampPowerColour{*this, Field::ampPowerColour, Colour::White};
    Value<AmpOperate> ampOperate{*this, Field::ampOperate};
    Value<Colour> ampOperateColour{*this, Field::ampOperateColour, Colour::White};
    Value<AmpTune> ampTune{*this, Field::ampTune};
    Value<Colour> ampTuneColour{*this, Field::ampTuneColour, Colour::White};
    Value<bool> ampTuneActive{*this, Field::ampTuneActive};
    Value<double> ampTuneStarted{*this, Field::ampTuneStarted};

    // CAT: the last text received and the last reply sent.
    Value<QString> catInput{*this, Field::catInput};
    Value<QString> catOutput{*this, Field::catOutput};

    // Information and link status.
    /// The information box (txtInfo) and whether it shows the set-up's
    /// standby warning (red, bold).
    Value<QString> info{*this, Field::info};
    Value<bool> infoStandby{*this, Field::infoStandby};
    /// The raw reply box and whether its button has it on ("Hide Data").
    Value<QString> rawData{*this, Field::rawData};
    Value<bool> rawDataOn{*this, Field::rawDataOn, true};
    Value<QString> comStatus{*this, Field::comStatus, QStringLiteral("No Com")};
    Value<QString> firmwareCaption{*this, Field::firmwareCaption,
                                   QStringLiteral("F/W: v604M NonAdapt ")};
    /// The sync character just sent ("U", "K"), blank once it has shown a
    /// while, and its background.
    Value<QString> syncLabel{*this, Field::syncLabel, QStringLiteral("U")};
    Value<Colour> syncLabelColour{*this, Field::syncLabelColour};
    Value<protocol::Lamp> lamp{*this, Field::lamp, protocol::Lamp::Idle};
    /// The whole panel takes input (not while a secondary window is open).
    Value<bool> panelEnabled{*this, Field::panelEnabled, true};

    /// Whether a control takes input, and whether it is shown.
    bool enabled(Control control) const;
    bool visible(Control control) const;
    void setEnabled(Control control, bool enabled);
    void setVisible(Control control, bool visible);
    /// A held control sees its release only while it takes input and is
    /// shown; otherwise a loop that waits for the release must end itself.
    bool canRelease(Control control) const;

signals:
    void changed(tq::panel::Field field);
    void controlChanged(tq::panel::Control control);

private:
    friend void notifyChanged(PanelModel& model, Field field);

    struct ControlState {
        bool enabled = true;
        bool visible = true;
    };
    std::array<ControlState, kControlCount> m_controls{};
};

}  // namespace tq::panel
