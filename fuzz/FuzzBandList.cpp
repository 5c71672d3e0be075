// Band list files are text the operator edits by hand: any content must read
// without a crash, write back as exactly 14 lines, and sort into ascending
// frequencies with the rows of value 0 gone.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "ui/lists/BandList.h"
#include "ui/lists/ListFrequency.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const tq::ui::BandListRows rows = tq::ui::parseBandList(text);
    const QString written = tq::ui::formatBandList(rows);
    if (written.count(QStringLiteral("\r\n")) != 14 || written.count(u'\n') != 14) {
        std::abort();
    }
    const tq::ui::BandListRows sorted = tq::ui::sortBandList(rows);
    std::size_t kept = 0;
    for (const tq::ui::BandListRow& row : rows) {
        kept += tq::ui::bandSortKey(row.freq) != 0.0F ? 1 : 0;
    }
    for (std::size_t k = 0; k < sorted.size(); ++k) {
        const float key = tq::ui::bandSortKey(sorted[k].freq);
        const bool inOrder =
            k < kept ? key != 0.0F && (k == 0 || tq::ui::bandSortKey(sorted[k - 1].freq) <= key)
                     : sorted[k] == tq::ui::BandListRow{};
        if (!inOrder) {
            std::abort();
        }
    }
    for (const tq::ui::BandListRow& row : rows) {
        if (const auto digits = tq::ui::listFrequencyDigits(row.freq);
            digits && digits->size() != 7) {
            std::abort();
        }
    }
    return 0;
}
