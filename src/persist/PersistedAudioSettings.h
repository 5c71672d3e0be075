#pragma once

#include <QString>
#include <QStringView>

namespace tq::persist {

/// The radio's audio routing that the operator keeps for the station: five
/// two-character radio codes, read from AudioSetup.txt at every remote set-up
/// and changed by the audio setup dialog's Apply. One object, created by
/// main() and handed to the remote set-up and the dialog.
struct PersistedAudioSettings {
    // The codes, as the radio sends and takes them.
    static constexpr QStringView kMic = u"H1";
    static constexpr QStringView kAudio2 = u"H2";
    static constexpr QStringView kPatch = u"H3";
    static constexpr QStringView kPttOff = u"'0";
    static constexpr QStringView kPttOn = u"'1";
    static constexpr QStringView kLocalAudio = u"\"1";
    static constexpr QStringView kRemoteAudio = u"\"0";
    static constexpr QStringView kVoxOff = u"V0";
    static constexpr QStringView kVoxVoice = u"V1";
    static constexpr QStringView kVoxData = u"V2";

    /// Audio source for phone (voice) operation: H1, H2 or H3.
    QString SetupSource;
    /// PTT enable: '0 or '1.
    QString SetupPttEn;
    /// Local ("1) or remote ("0) audio.
    QString SetupLocRem;
    /// Audio source for digital modes: H1, H2 or H3.
    QString DigitalSource;
    /// VOX for digital modes: V0, V1 or V2.
    QString DigitalVox;
    /// DigitalSource as it was when the file was last read at a remote
    /// set-up; Apply leaves it alone.
    QString DigitalSourceAtStart;

    /// What the remote set-up uses when AudioSetup.txt does not exist: MIC,
    /// PTT enabled, local audio, PATCH for digital modes with DATA VOX.
    static PersistedAudioSettings defaults();
};

}  // namespace tq::persist
