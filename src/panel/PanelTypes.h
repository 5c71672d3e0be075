#pragma once

namespace tq::panel {

// The typed values the front panel shows and the operator chooses. Every
// enumeration that stands for a control's caption starts with the blank
// caption where the control can be blank, so a value-initialised field shows
// what a fresh control shows.

/// The radio's four modes, as the mode boxes of VFO A and VFO B offer them.
enum class Mode { Blank, Usb, Lsb, Ame, Cw };

/// AGC time constants, in the order the AGC box lists them.
enum class Agc { Blank, Slow, Med, Fast, Off };

/// Audio sources; Remote stands for remote audio, which hides the source.
enum class Source { Blank, Mic, Audio2, Patch, Remote, OffCw };

enum class DigitalMode { Off, Psk, Fsk, Rtty };

/// The external knob's step: which VFO A digit the I and D keys step.
enum class StepSize { Blank, Hz10, Hz100, KHz1, KHz10, Off };

enum class Split { Blank, Off, On };

/// Whether the panel works on the VFOs or on the memory channels.
enum class ChannelOperation { Vfo, Memory };

/// The control mode the panel was last set up for.
enum class ControlMode { None, Remote, Local };

/// What the REMOTE/LOCAL indicator shows: before contact "NoComm", blank while
/// no port is available, then the radio's own report.
enum class RemoteIndicator { NoComm, Blank, Remote, Local };

/// The two-state panel switches (speaker, PTT enable, sidetone, clipping) as
/// their indicators show them; blank until the radio reports.
enum class OnOff { Blank, Off, On };

enum class Vox { Blank, Off, Voice, Data };

/// The external PTT indicator: yellow disabled, green ready, red active.
enum class ExtPtt { Disabled, Ready, Active };

/// The transmit band indicator beneath the receive/transmit label.
enum class BandIndicator { InBand, OutOfBand, Scanning };

/// The amplifier's three indicators. Pending is a command on its way:
/// PendingUp switching on, to operate or starting a tune, PendingDown the
/// other way.
enum class AmpPower { Blank, Off, On, PendingUp, PendingDown };
enum class AmpOperate { Blank, Warmup, Standby, Operate, PendingUp, PendingDown };
enum class AmpTune { Blank, StartTune, Tuning, Tuned, PendingUp };

/// The sign beside the BFO read-out.
enum class BfoSign { Blank, Plus, Minus };

/// The colours the panel paints indicators with. GreyText and ButtonText are
/// the desktop's own colours for greyed and button text; Default is whatever
/// a control has before the program paints it.
enum class Colour { Default, White, Black, Red, Green, Yellow, LightGrey, GreyText, ButtonText };

/// The controls whose enabled or visible state the program changes. A row of
/// like controls (the VFO A digits, the meter options) is one entry.
enum class Control {
    cmdF,
    cmdVFOB,
    cmdM,
    cmdMute,
    cmdPTTEn,
    cmdSideTone,
    cmdVOX,
    cmdClipping,
    cmdViewInData,
    cmdBFO,
    vscBFO,
    vscRFG,
    cmdTune,
    cmdXmit,
    cmdPTT,
    lblXMTRCV,
    optMeter,
    pbMeter,
    cmdAmpPwr,
    cmdAmpOpr,
    cmdTuneAmp,
    mnuScanBands,
    mnuScanFreqs,
    lblInfo,
    txtInfo,
    txtInData,
    lblU,
    shaTrace,
};
inline constexpr int kControlCount = static_cast<int>(Control::shaTrace) + 1;

/// The controls that step while a mouse button is held on them.
enum class Stepper { VfoA, VfoB, Channel, Ptt };

/// Mouse buttons by their established codes: left steps up, right down.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

}  // namespace tq::panel
