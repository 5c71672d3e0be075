#include "persist/ChannelListFile.h"

#include <array>

#include "link/RegularFile.h"
#include "persist/PersistedFile.h"

namespace tq::persist {

namespace {

struct ChannelMode {
    QChar letter;  // first letter of the mode word in a file line
    QChar digit;   // the radio's mode digit
    QStringView word;
};

// "AM", not the radio's "AME": the file names the mode as an operator would.
constexpr std::array<ChannelMode, 4> kModes = {{
    {u'U', u'1', u"USB"},
    {u'L', u'2', u"LSB"},
    {u'A', u'3', u"AM"},
    {u'C', u'4', u"CW"},
}};

// 1.6 to 29.999 99 MHz in 10 Hz units: what the radio can tune.
constexpr int kLowestFrequency = 160000;
constexpr int kHighestFrequency = 2999999;

constexpr int kFrequencyDigits = 7;
constexpr int kDecimals = 2;

bool allDigits(QStringView text) {
    // Only ASCII digits: the radio takes nothing else, and a digit of another
    // script would still pass QChar::isDigit.
    for (const QChar c : text) {
        if (c < u'0' || c > u'9') {
            return false;
        }
    }
    return true;
}

// The seven frequency digits of a kHz field "14075.00" or "7150.00".
std::optional<QString> frequencyDigits(QStringView kHz) {
    const qsizetype whole = kHz.size() - kDecimals - 1;
    if ((whole != 4 && whole != 5) || kHz.at(whole) != u'.' || !allDigits(kHz.first(whole)) ||
        !allDigits(kHz.last(kDecimals))) {
        return std::nullopt;
    }
    QString digits = kHz.first(whole).toString() + kHz.last(kDecimals).toString();
    digits = digits.rightJustified(kFrequencyDigits, u'0');
    const int frequency = digits.toInt();
    if (frequency < kLowestFrequency || frequency > kHighestFrequency) {
        return std::nullopt;
    }
    return digits;
}

std::optional<QChar> modeDigit(QStringView word) {
    if (word.isEmpty()) {
        return std::nullopt;
    }
    for (const ChannelMode& mode : kModes) {
        if (word.front() == mode.letter) {
            return mode.digit;
        }
    }
    return std::nullopt;
}

QStringView modeWord(QChar digit) {
    for (const ChannelMode& mode : kModes) {
        if (digit == mode.digit) {
            return mode.word;
        }
    }
    return {};
}

}  // namespace

std::optional<QString> parseChannelLine(const QString& line) {
    const QChar separator = line.contains(u',') ? u',' : u' ';
    // At most three fields: the third takes the rest of the line, separators
    // included, and only its first letter is read.
    const qsizetype first = line.indexOf(separator);
    const qsizetype second = first < 0 ? -1 : line.indexOf(separator, first + 1);
    if (second < 0) {
        return std::nullopt;
    }
    const QStringView text(line);
    const QStringView channel = text.first(first);
    if (channel.size() != 2 || !allDigits(channel)) {
        return std::nullopt;
    }
    const std::optional<QString> frequency =
        frequencyDigits(text.sliced(first + 1, second - first - 1));
    const std::optional<QChar> mode = modeDigit(text.sliced(second + 1));
    if (!frequency || !mode) {
        return std::nullopt;
    }
    return channel.toString() + *frequency + *mode;
}

QStringList parseChannelList(const QString& text) {
    QStringList entries;
    for (const QString& line : persist::persistedLines(text)) {
        if (std::optional<QString> entry = parseChannelLine(line)) {
            entries << *entry;
        }
    }
    return entries;
}

QString formatChannelLine(const QString& entry) {
    // Padded so that a short entry still gives its fields in their places.
    const QString e = entry.leftJustified(kChannelEntryLength, u' ', true);
    return e.first(2) + u',' + e.sliced(2, 5) + u'.' + e.sliced(7, 2) + u',' +
           modeWord(e.at(9)).toString();
}

QString formatChannelList(const QStringList& entries) {
    QString text;
    for (const QString& entry : entries) {
        text += formatChannelLine(entry) + QStringLiteral("\r\n");
    }
    return text;
}

std::variant<QStringList, persist::PersistedFileError> readChannelFile(const QString& path) {
    const auto read = link::readRegularFile(path, kMaxChannelFileBytes);
    if (const auto* failure = std::get_if<link::FileFailure>(&read)) {
        return *failure;
    }
    return parseChannelList(QString::fromUtf8(std::get<QByteArray>(read)));
}

std::optional<persist::PersistedFileError> writeChannelFile(const QString& path,
                                                            const QStringList& entries) {
    return persist::writePersistedFile(path, formatChannelList(entries));
}

}  // namespace tq::persist
