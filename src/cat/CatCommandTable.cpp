#include "cat/CatCommandTable.h"

#include <QRegularExpression>
#include <algorithm>
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

// Hamlib's TS-2000 driver asks for its data modes with the letters after the
// digits: "MDC;" for PKTLSB and "MDD;" for PKTUSB. The radio runs digital
// modes on a plain sideband, so they select LSB and USB, as the network route
// does with PKTLSB and PKTUSB; a later "MD;" reports that sideband.
constexpr std::array<std::pair<QChar, QStringView>, 2> kDataModeSets{{
    {u'C', u"M2"},  // PKTLSB: LSB
    {u'D', u"M1"},  // PKTUSB: USB
}};

template <std::size_t N>
std::optional<QString> modeFrom(const std::array<std::pair<QChar, QStringView>, N>& table,
                                const QString& captured) {
    for (const auto& [code, radio] : table) {
        if (captured == code) {
            return radio.toString();
        }
    }
    return std::nullopt;
}

std::optional<QString> radioMode(const QString& captured) {
    return modeFrom(kModeSets, captured);
}

std::optional<QString> dataMode(const QString& captured) {
    return modeFrom(kDataModeSets, captured);
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

// The plain commands' families: whatever else begins like them, beyond the
// data-mode sets below, keeps the plain bridge's silence with the extended
// commands on, so switching them on changes nothing for software that only
// speaks FA and MD.
constexpr std::array<const char*, 2> kPlainFamilies{{"FA", "MD"}};

// What Hamlib's TS-2000 driver sends when it opens the rig, polls it and sets
// its data modes. A set has no reply: the driver follows it with "ID;" and
// takes the "ID019;" answer as the set's success. VFO B is set with the whole
// eleven digits, below 100 MHz; the hertz digit is dropped as for VFO A. Auto
// information, power and VOX sets have nothing to change here: the radio
// never reports unasked, is on while it answers, and has no VOX to switch.
constexpr std::array<Recogniser, 12> kExtendedRecognisers{{
    {"^MD([CD])$", CatAction::SetMode, &dataMode},
    {"^ID$", CatAction::ReadId, &noArgument},
    {"^IF$", CatAction::ReadInfo, &noArgument},
    {"^AI$", CatAction::ReadAutoInfo, &noArgument},
    {"^AI[0-9]$", CatAction::Accept, &noArgument},
    {"^PS$", CatAction::ReadPower, &noArgument},
    {"^PS[0-9]$", CatAction::Accept, &noArgument},
    {"^FB$", CatAction::ReadVfoB, &noArgument},
    {"^FB000([0-9]{7})[0-9]$", CatAction::SetVfoB, &asGiven},
    {"^TX[01]?$", CatAction::Transmit, &noArgument},
    {"^RX$", CatAction::Receive, &noArgument},
    {"^VX[0-9]$", CatAction::Accept, &noArgument},
}};

template <std::size_t N>
std::array<QRegularExpression, N> compile(const std::array<Recogniser, N>& rows) {
    std::array<QRegularExpression, N> patterns;
    for (std::size_t i = 0; i < N; ++i) {
        patterns[i] = QRegularExpression(QString::fromLatin1(rows[i].pattern));
    }
    return patterns;
}

/// The first row matching the text: its command, or nothing when its
/// argument has no mapping; unset when no row matches.
template <std::size_t N>
std::optional<std::optional<CatCommand>> match(const std::array<Recogniser, N>& rows,
                                               const std::array<QRegularExpression, N>& compiled,
                                               const QString& text) {
    for (std::size_t i = 0; i < N; ++i) {
        const QRegularExpressionMatch found = compiled[i].match(text);
        if (!found.hasMatch()) {
            continue;
        }
        const std::optional<QString> argument = rows[i].argument(found.captured(1));
        if (!argument) {
            return std::optional<CatCommand>();
        }
        return std::optional<CatCommand>(CatCommand{rows[i].action, *argument});
    }
    return std::nullopt;
}

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

std::optional<QString> fixed(const char* text) {
    return QString::fromLatin1(text);
}

// The model number Hamlib's TS-2000 driver expects.
std::optional<QString> idReply(const CatSnapshot&) {
    return fixed("ID019;");
}

std::optional<QString> autoInfoReply(const CatSnapshot&) {
    return fixed("AI0;");
}

std::optional<QString> powerReply(const CatSnapshot&) {
    return fixed("PS1;");
}

std::optional<QString> refusal(const CatSnapshot&) {
    return fixed("?;");
}

std::optional<QString> vfoBReply(const CatSnapshot& snapshot) {
    static const QRegularExpression valid(QStringLiteral("^[0-9]{7}$"));
    if (!valid.match(snapshot.vfoB).hasMatch()) {
        return fixed("?;");
    }
    return QStringLiteral("FB000") + snapshot.vfoB + QStringLiteral("0;");
}

// The 38 characters of the TS-2000 status reply. Only what this radio has is
// filled in: the frequency, whether it transmits and the mode. The step size
// is blank; RIT/XIT, memory, scan, split and tone read as off, VFO A in use.
// Without a frequency or mode to report the read is refused, so the
// software asks again rather than taking a made-up value.
std::optional<QString> infoReply(const CatSnapshot& snapshot) {
    const std::optional<QString> frequency = frequencyReply(snapshot);
    const std::optional<QString> mode = modeReply(snapshot);
    if (!frequency || !mode) {
        return fixed("?;");
    }
    QString reply = QStringLiteral("IF");
    reply += frequency->mid(2, 11);         // P1: hertz, eleven digits
    reply += QStringLiteral("     ");       // P2: step size, blank
    reply += QStringLiteral("+0000");       // P3: RIT/XIT offset
    reply += QStringLiteral("00");          // P4, P5: RIT off, XIT off
    reply += QStringLiteral("000");         // P6, P7: memory channel
    reply += snapshot.keyed ? u'1' : u'0';  // P8: transmitting
    reply += mode->at(2);                   // P9: mode code as in "MD"
    reply += QStringLiteral("0000");        // P10-P13: VFO A, no scan, simplex, no tone
    reply += QStringLiteral("000");         // P14, P15: tone number, no shift
    reply += u';';
    return reply;
}

using ReplyBuilder = std::optional<QString> (*)(const CatSnapshot&);

constexpr std::array<std::pair<CatAction, ReplyBuilder>, 8> kReplies{{
    {CatAction::ReadFrequency, &frequencyReply},
    {CatAction::ReadMode, &modeReply},
    {CatAction::ReadId, &idReply},
    {CatAction::ReadInfo, &infoReply},
    {CatAction::ReadAutoInfo, &autoInfoReply},
    {CatAction::ReadPower, &powerReply},
    {CatAction::ReadVfoB, &vfoBReply},
    {CatAction::Refuse, &refusal},
}};

}  // namespace

std::optional<CatCommand> CatCommandTable::recognise(const QString& text, bool extended) {
    static const auto plain = compile(kRecognisers);
    static const auto more = compile(kExtendedRecognisers);
    if (const auto found = match(kRecognisers, plain, text)) {
        return *found;
    }
    if (!extended) {
        return std::nullopt;
    }
    if (const auto found = match(kExtendedRecognisers, more, text)) {
        return *found;
    }
    for (const char* family : kPlainFamilies) {
        if (text.startsWith(QLatin1String(family))) {
            return std::nullopt;
        }
    }
    return CatCommand{CatAction::Refuse, {}};
}

std::vector<CatCommand> CatCommandTable::parseBatch(const QString& batch, bool extended) {
    std::vector<CatCommand> commands;
    qsizetype pos = 0;
    for (;;) {
        const qsizetype end = batch.indexOf(u';', pos);
        if (end < 0) {
            break;  // no ";" yet: the rest is not a command
        }
        if (end > pos) {
            if (auto command = recognise(batch.mid(pos, end - pos), extended)) {
                commands.push_back(std::move(*command));
            }
        }
        pos = end + 1;
    }
    return commands;
}

bool CatCommandTable::isSet(CatAction action) {
    static constexpr std::array<CatAction, 5> kSets{CatAction::SetFrequency, CatAction::SetMode,
                                                    CatAction::SetVfoB, CatAction::Transmit,
                                                    CatAction::Receive};
    return std::find(kSets.begin(), kSets.end(), action) != kSets.end();
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
