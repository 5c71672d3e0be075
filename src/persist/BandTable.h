#pragma once

#include <QString>

namespace tq::persist {

/// A band of the band buttons: its name, the list file that holds its
/// frequencies and the title of the list's frame.
struct BandListInfo {
    const char* band;
    const char* fileName;
    const char* title;
};

/// The list of a band name ("160" ... "10", "WWV", "MARS"), or nullptr for a
/// name that is none of them.
const BandListInfo* bandListFor(const QString& band);

}  // namespace tq::persist
