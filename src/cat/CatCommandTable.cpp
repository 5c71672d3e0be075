#include "cat/CatCommandTable.h"

#include <QRegularExpression>
#include <array>
#include <utility>

namespace tq::cat {

namespace {

using ArgumentMap = std::optional<QString> (*)(const QString& captured);

std::optional<QString> noArgument(const QString&) {
    return QString();
}

std::optional<QString> asGiven(const QString& captured) {
    return captured;
}

// Mode digits of the CAT language and the radio's codes for them. The radio
// has no FM, and its FSK/RTTY/PSK are chosen with the digital-mode box, so the
// other digits select nothing.
constexpr std::array<std::pair<QChar, QStringView>, 4> kModeSets{{
    {u'1', u"M2"},  // LSB
    {u'2', u"M1"},  // USB
    {u'3', u"M4"},  // CW
    {u'5', u"M3"},  // AM
}};

std::optional<QString> radioMode(const QString& captured) {
    for (const auto& [digit, code] : kModeSets) {
        if (captured == digit) {
            return code.toString();
        }
    }
    return std::nullopt;
}

struct Recogniser {
    const char* pattern;  // matched from the command's first character
    CatAction action;
    ArgumentMap argument;
};

// The frequency set accepts only "FA000": eleven digits in hertz of which the
// program can express the 10 Hz units below 100 MHz. The seven digits after
// it are sent; the last, the hertz, is dropped.
constexpr std::array<Recogniser, 4> kRecognisers{{
    {"^FA$", CatAction::ReadFrequency, &noArgument},
    {"^FA000([0-9]{7})", CatAction::SetFrequency, &asGiven},
    {"^MD$", CatAction::ReadMode, &noArgument},
    {"^MD([0-9])$", CatAction::SetMode, &radioMode},
}};

// Replies to the mode read: from the radio's mode while no digital mode is on,
// otherwise from the digital mode itself.
constexpr std::array<std::pair<QStringView, QStringView>, 4> kRadioModeCodes{{
    {u"M1", u"2"},  // USB
    {u"M2", u"1"},  // LSB
    {u"M3", u"5"},  // AME
    {u"M4", u"3"},  // CW
}};
constexpr std::array<std::pair<QStringView, QStringView>, 3> kDigitalModeCodes{{
    {u"PSK", u"A"},
    {u"FSK", u"9"},
    {u"RTTY", u"6"},
}};

template <std::size_t N>
std::optional<QString> lookUp(const std::array<std::pair<QStringView, QStringView>, N>& table,
                              const QString& key) {
    for (const auto& [from, to] : table) {
        if (key == from) {
            return to.toString();
        }
    }
    return std::nullopt;
}

std::optional<QString> frequencyReply(const CatSnapshot& snapshot) {
    static const QRegularExpression valid(QStringLiteral("^F[0-9]{7}$"));
    if (!valid.match(snapshot.FreqReply).hasMatch()) {
        return std::nullopt;
    }
    return QStringLiteral("FA000") + snapshot.FreqReply.mid(1) + QStringLiteral("0;");
}

std::optional<QString> modeReply(const CatSnapshot& snapshot) {
    const std::optional<QString> code = snapshot.digitalMode == u"OFF"
                                            ? lookUp(kRadioModeCodes, snapshot.ModeReply)
                                            : lookUp(kDigitalModeCodes, snapshot.digitalMode);
    if (!code) {
        return std::nullopt;
    }
    return QStringLiteral("MD") + *code + u';';
}

using ReplyBuilder = std::optional<QString> (*)(const CatSnapshot&);

constexpr std::array<std::pair<CatAction, ReplyBuilder>, 2> kReplies{{
    {CatAction::ReadFrequency, &frequencyReply},
    {CatAction::ReadMode, &modeReply},
}};

}  // namespace

std::optional<CatCommand> CatCommandTable::recognise(const QString& text) {
    static const auto compiled = [] {
        std::array<QRegularExpression, kRecognisers.size()> patterns;
        for (std::size_t i = 0; i < kRecognisers.size(); ++i) {
            patterns[i] = QRegularExpression(QString::fromLatin1(kRecognisers[i].pattern));
        }
        return patterns;
    }();
    for (std::size_t i = 0; i < kRecognisers.size(); ++i) {
        const QRegularExpressionMatch match = compiled[i].match(text);
        if (!match.hasMatch()) {
            continue;
        }
        const std::optional<QString> argument = kRecognisers[i].argument(match.captured(1));
        if (!argument) {
            return std::nullopt;
        }
        return CatCommand{kRecognisers[i].action, *argument};
    }
    return std::nullopt;
}

std::vector<CatCommand> CatCommandTable::parseBatch(const QString& batch) {
    std::vector<CatCommand> commands;
    qsizetype pos = 0;
    for (;;) {
        const qsizetype end = batch.indexOf(u';', pos);
        if (end < 0) {
            break;  // no ";" yet: the rest is not a command
        }
        if (end > pos) {
            if (auto command = recognise(batch.mid(pos, end - pos))) {
                commands.push_back(std::move(*command));
            }
        }
        pos = end + 1;
    }
    return commands;
}

std::optional<QString> CatCommandTable::reply(CatAction action, const CatSnapshot& snapshot) {
    for (const auto& [read, build] : kReplies) {
        if (read == action) {
            return build(snapshot);
        }
    }
    return std::nullopt;
}

}  // namespace tq::cat
