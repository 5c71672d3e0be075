// Channel list files come from anywhere the operator points the file dialog:
// any content must read without a crash, every entry read must be one the
// radio can store, and a list written out must read back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "persist/ChannelListFile.h"

namespace {

bool storable(const QString& entry) {
    if (entry.size() != tq::persist::kChannelEntryLength) {
        return false;
    }
    for (const QChar c : entry) {
        if (c < u'0' || c > u'9') {
            return false;
        }
    }
    const int frequency = entry.mid(2, 7).toInt();
    return frequency >= 160000 && frequency <= 2999999 && entry.at(9) >= u'1' &&
           entry.at(9) <= u'4';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList entries = tq::persist::parseChannelList(text);
    for (const QString& entry : entries) {
        if (!storable(entry)) {
            std::abort();
        }
    }
    if (tq::persist::parseChannelList(tq::persist::formatChannelList(entries)) != entries) {
        std::abort();
    }
    return 0;
}
