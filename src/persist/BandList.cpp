#include "persist/BandList.h"

#include <QByteArray>
#include <cstdlib>

#include "persist/PersistedFile.h"

namespace tq::persist {

namespace {

constexpr QChar kSpace = u' ';

QString withoutLineBreaks(QString field) {
    field.replace(u'\r', kSpace);
    field.replace(u'\n', kSpace);
    return field;
}

bool isAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

BandListRows parseBandList(const QString& text) {
    BandListRows rows;
    const QStringList lines = persist::persistedLines(text);
    const qsizetype count = std::min<qsizetype>(lines.size(), kBandListRows);
    for (qsizetype i = 0; i < count; ++i) {
        rows[static_cast<std::size_t>(i)] = splitListLine(lines.at(i));
    }
    return rows;
}

QString formatBandList(const BandListRows& rows) {
    QString text;
    for (const BandListRow& row : rows) {
        text += withoutLineBreaks(row.freq) + kSpace + withoutLineBreaks(row.mode) + kSpace +
                withoutLineBreaks(row.info) + QStringLiteral("\r\n");
    }
    return text;
}

float bandSortKey(const QString& freq) {
    // Only an ASCII number can begin the text: everything else makes the
    // number end, which is where the conversion below stops anyway.
    const QByteArray text = freq.toLatin1();
    qsizetype i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    const qsizetype start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    const qsizetype mantissa = i;
    while (i < text.size() && isAsciiDigit(text[i])) {
        ++i;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isAsciiDigit(text[i])) {
            ++i;
        }
    }
    if (i == mantissa || (i == mantissa + 1 && text[mantissa] == '.')) {
        return 0.0F;  // no digit: not a number
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        qsizetype exponent = i + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) {
            ++exponent;
        }
        if (exponent < text.size() && isAsciiDigit(text[exponent])) {
            i = exponent;
            while (i < text.size() && isAsciiDigit(text[i])) {
                ++i;
            }
        }
    }
    const QByteArray number = text.mid(start, i - start);
    return std::strtof(number.constData(), nullptr);
}

BandListRows sortBandList(const BandListRows& rows) {
    BandListRows remaining = rows;
    std::array<float, kBandListRows> keys{};
    for (std::size_t r = 0; r < kBandListRows; ++r) {
        keys[r] = bandSortKey(remaining[r].freq);
    }
    BandListRows sorted;
    std::size_t k = 0;
    for (std::size_t pass = 0; pass < kBandListRows; ++pass) {
        std::size_t choice = kBandListRows;
        float minimum = 0.0F;
        for (std::size_t r = 0; r < kBandListRows; ++r) {
            if (keys[r] != 0.0F) {
                minimum = keys[r];
                choice = r;
                break;
            }
        }
        if (choice == kBandListRows) {
            break;  // only rows of value 0 are left; they are dropped
        }
        // "<=" rather than "<": of equal values the lowest row in the list
        // is taken first, which reverses their order.
        for (std::size_t r = 0; r < kBandListRows; ++r) {
            if (keys[r] != 0.0F && keys[r] <= minimum) {
                minimum = keys[r];
                choice = r;
            }
        }
        sorted[k++] = remaining[choice];
        remaining[choice] = {};
        keys[choice] = 0.0F;
    }
    return sorted;
}

}  // namespace tq::persist
