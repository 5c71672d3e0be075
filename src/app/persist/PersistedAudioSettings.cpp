#include "app/persist/PersistedAudioSettings.h"

namespace tq::app {

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

}  // namespace tq::app
