// The settings files are text the operator may edit by hand: any content
// must read without a crash, and what is read must write back readably.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "persist/PersistedAudioSetup.h"
#include "persist/PersistedState.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto state = tq::persist::PersistedState::parse(text);
    // Whatever was read comes back the same through the file's own format:
    // a line that could break it (a line break, junk) is never read.
    const auto again = tq::persist::PersistedState::parse(state.format());
    if (state.vfoBDigits != again.vfoBDigits || state.vfoBMode != again.vfoBMode ||
        state.splitCaption != again.splitCaption || state.stepSize != again.stepSize) {
        std::abort();
    }
    const auto audio = tq::persist::parseAudioSetup(text);
    const auto audioAgain = tq::persist::parseAudioSetup(tq::persist::formatAudioSetup(audio));
    // A whole two-character code survives a save and a load; a shorter one
    // cannot (the rest of its line is read as part of it), which Load shows.
    if (audio.SetupSource.size() > 2 ||
        (audio.SetupSource.size() == 2 && audioAgain.SetupSource != audio.SetupSource)) {
        std::abort();
    }
    return 0;
}
