#include "persist/PersistedAudioSetup.h"

#include "link/FileExists.h"
#include "persist/PersistedFile.h"

namespace tq::persist {

namespace {

constexpr int kCodeWidth = 2;

// The code on line number (from 1): its first two characters, empty when the
// file has no such line.
QString codeOnLine(const QStringList& lines, int number) {
    return lines.value(number - 1).left(kCodeWidth);
}

}  // namespace

PersistedAudioSettings parseAudioSetup(const QString& text) {
    const QStringList lines = persistedLines(text);
    PersistedAudioSettings settings;
    settings.SetupSource = codeOnLine(lines, 1);
    settings.SetupPttEn = codeOnLine(lines, 2);
    settings.SetupLocRem = codeOnLine(lines, 3);
    settings.DigitalSource = codeOnLine(lines, 4);
    settings.DigitalVox = codeOnLine(lines, 5);
    return settings;
}

QString formatAudioSetup(const PersistedAudioSettings& settings) {
    // The VOX label names V1|V2|V3 although the codes run from V0 to V2; it is
    // kept as it always was, since it is only read by people.
    const QStringList lines = {
        settings.SetupSource + QStringLiteral(" Phone Audio Source"),
        settings.SetupPttEn + QStringLiteral(" PTT Enable"),
        settings.SetupLocRem + QStringLiteral(" LocalRemote Audio"),
        settings.DigitalSource + QStringLiteral(" Digital Audio Source"),
        settings.DigitalVox + QStringLiteral(" Digital VOX: [V1|V2|V3]"),
        QStringLiteral("Comments:"),
        QStringLiteral("Phone & DigAudio Source: H1 -> MIC, H2 -> Audio2, H3 -> Patch"),
        QStringLiteral("Digital VOX: V0 -> OFF, V1 -> VOICE, V2 -> DATA"),
        QStringLiteral("PTT: '0 -> Disable, '1 -> Enable"),
        QStringLiteral("LocalRemote: \"0 -> Remote, \"1 -> Local"),
    };
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
