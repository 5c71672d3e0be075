#include "persist/PersistedAudioSettings.h"

namespace tq::persist {

PersistedAudioSettings PersistedAudioSettings::defaults() {
    PersistedAudioSettings settings;
    settings.SetupSource = kMic.toString();
    settings.SetupPttEn = kPttOn.toString();
    settings.SetupLocRem = kLocalAudio.toString();
    settings.DigitalSource = kPatch.toString();
    settings.DigitalVox = kVoxData.toString();
    settings.DigitalSourceAtStart = settings.DigitalSource;
    return settings;
}

}  // namespace tq::persist
