#include "persist/PersistedAudioSetup.h"

#include <array>

#include "link/FileExists.h"
#include "persist/PersistedFile.h"
#include "persist/SettingsLines.h"

namespace tq::persist {

namespace {

constexpr int kCodeWidth = 2;

using Chars = LineRule::Chars;

/// One data line of the file: the setting it holds and the label written
/// after its code.
struct AudioLine {
    QString PersistedAudioSettings::*code;
    QStringView label;
};

// The VOX label names V1|V2|V3 although the codes run from V0 to V2; it is
// kept as it always was, since it is only read by people.
constexpr std::array<AudioLine, 5> kLines{{
    {&PersistedAudioSettings::SetupSource, u" Phone Audio Source"},
    {&PersistedAudioSettings::SetupPttEn, u" PTT Enable"},
    {&PersistedAudioSettings::SetupLocRem, u" LocalRemote Audio"},
    {&PersistedAudioSettings::DigitalSource, u" Digital Audio Source"},
    {&PersistedAudioSettings::DigitalVox, u" Digital VOX: [V1|V2|V3]"},
}};

// A code and its label, or a note a person wrote after the code: a line of
// text, never a page of it.
constexpr LineRule kLineRule{Chars::Text, 128};
constexpr std::array<LineRule, kLines.size()> kLineRules{
    {kLineRule, kLineRule, kLineRule, kLineRule, kLineRule}};

}  // namespace

PersistedAudioSettings parseAudioSetup(const QString& text) {
    const SettingsLines lines(text, kLineRules);
    const PersistedAudioSettings defaults = PersistedAudioSettings::defaults();
    PersistedAudioSettings settings;
    for (std::size_t i = 0; i < kLines.size(); ++i) {
        const auto code = kLines[i].code;
        const std::optional<QString> line = lines.at(i);
        settings.*code = line ? line->left(kCodeWidth) : defaults.*code;
    }
    return settings;
}

QString formatAudioSetup(const PersistedAudioSettings& settings) {
    QStringList lines;
    for (const AudioLine& line : kLines) {
        lines << settings.*line.code + line.label.toString();
    }
    lines << QStringLiteral("Comments:")
          << QStringLiteral("Phone & DigAudio Source: H1 -> MIC, H2 -> Audio2, H3 -> Patch")
          << QStringLiteral("Digital VOX: V0 -> OFF, V1 -> VOICE, V2 -> DATA")
          << QStringLiteral("PTT: '0 -> Disable, '1 -> Enable")
          << QStringLiteral("LocalRemote: \"0 -> Remote, \"1 -> Local");
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

void readAudioSetup(PersistedAudioSettings& settings, link::LinkIndicators& indicators) {
    std::optional<QString> text;
    if (link::fileExists(kAudioSetupFileName, indicators)) {
        text = readPersistedFile(kAudioSetupFileName);
    }
    const PersistedAudioSettings read =
        text ? parseAudioSetup(*text) : PersistedAudioSettings::defaults();
    settings.SetupSource = read.SetupSource;
    settings.SetupPttEn = read.SetupPttEn;
    settings.SetupLocRem = read.SetupLocRem;
    settings.DigitalSource = read.DigitalSource;
    settings.DigitalVox = read.DigitalVox;
    settings.DigitalSourceAtStart = settings.DigitalSource;
}

std::optional<PersistedFileError> saveAudioSetup(const PersistedAudioSettings& settings) {
    return writePersistedFile(kAudioSetupFileName, formatAudioSetup(settings));
}

}  // namespace tq::persist
