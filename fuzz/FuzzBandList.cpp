// Band list files are text the operator edits by hand: any content must read
// without a crash, write back as exactly 14 lines, and sort into ascending
// frequencies with the rows of value 0 gone.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "panel/ListFrequency.h"
#include "persist/BandList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const tq::persist::BandListRows rows = tq::persist::parseBandList(text);
    const QString written = tq::persist::formatBandList(rows);
    if (written.count(QStringLiteral("\r\n")) != 14 || written.count(u'\n') != 14) {
        std::abort();
    }
    const tq::persist::BandListRows sorted = tq::persist::sortBandList(rows);
    std::size_t kept = 0;
    for (const tq::persist::BandListRow& row : rows) {
        kept += tq::persist::bandSortKey(row.freq) != 0.0F ? 1 : 0;
    }
    for (std::size_t k = 0; k < sorted.size(); ++k) {
        const float key = tq::persist::bandSortKey(sorted[k].freq);
        const bool inOrder =
            k < kept
                ? key != 0.0F && (k == 0 || tq::persist::bandSortKey(sorted[k - 1].freq) <= key)
                : sorted[k] == tq::persist::BandListRow{};
        if (!inOrder) {
            std::abort();
        }
    }
    for (const tq::persist::BandListRow& row : rows) {
        if (const auto digits = tq::panel::listFrequencyDigits(row.freq);
            digits && digits->size() != 7) {
            std::abort();
        }
    }
    return 0;
}
