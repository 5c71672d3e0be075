#include <gtest/gtest.h>

#include "persist/DataDirectoryTest.h"
#include "persist/PersistedAudioSetup.h"

namespace tq::app {
namespace {

const QString kDefaultFile = QStringLiteral(
    "H1 Phone Audio Source\r\n"
    "'1 PTT Enable\r\n"
    "\"1 LocalRemote Audio\r\n"
    "H3 Digital Audio Source\r\n"
    "V2 Digital VOX: [V1|V2|V3]\r\n"
    "Comments:\r\n"
    "Phone & DigAudio Source: H1 -> MIC, H2 -> Audio2, H3 -> Patch\r\n"
    "Digital VOX: V0 -> OFF, V1 -> VOICE, V2 -> DATA\r\n"
    "PTT: '0 -> Disable, '1 -> Enable\r\n"
    "LocalRemote: \"0 -> Remote, \"1 -> Local\r\n");

QString codesOf(const tq::persist::PersistedAudioSettings& settings) {
    return QStringList{settings.SetupSource, settings.SetupPttEn, settings.SetupLocRem,
                       settings.DigitalSource, settings.DigitalVox}
        .join(u'|');
}

TEST(PersistedAudioSetup, DefaultsWrittenAsTheTenLinesOfTheFile) {
    EXPECT_EQ(tq::persist::formatAudioSetup(tq::persist::PersistedAudioSettings::defaults()),
              kDefaultFile);
}

TEST(PersistedAudioSetup, CodesAreTheFirstTwoCharactersOfLinesOneToFiveAsTheyStandOrTheDefault) {
    EXPECT_EQ(
        codesOf(tq::persist::parseAudioSetup(QStringLiteral(
            "H2 Phone Audio Source\n'0\n\"0 LocalRemote\r\nH\r\nV1 Digital VOX: [V1|V2|V3]"))),
        QStringLiteral("H2|'0|\"0|H|V1"));
    EXPECT_EQ(
        codesOf(tq::persist::parseAudioSetup(QStringLiteral("Z7 Phone Audio Source\r\n??\r\n"))),
        QStringLiteral("Z7|??|\"1|H3|V2"))
        << "lines the file lacks take their defaults";
}

using PersistedAudioSetupFile = test::DataDirectoryTest;

TEST_F(PersistedAudioSetupFile, RemoteSetUpReadsWhatWasSavedOrElseTheDefaults) {
    tq::persist::PersistedAudioSettings settings;
    tq::persist::readAudioSetup(settings, m_indicators);
    EXPECT_EQ(codesOf(settings), QStringLiteral("H1|'1|\"1|H3|V2"));
    EXPECT_EQ(settings.DigitalSourceAtStart, QStringLiteral("H3"));

    const tq::persist::PersistedAudioSettings saved{QStringLiteral("H3"),  QStringLiteral("'0"),
                                                    QStringLiteral("\"0"), QStringLiteral("H2"),
                                                    QStringLiteral("V1"),  {}};
    ASSERT_EQ(tq::persist::saveAudioSetup(saved), std::nullopt);
    EXPECT_EQ(QString::fromUtf8(fileBytes(tq::persist::kAudioSetupFileName)),
              QStringLiteral("H3 Phone Audio Source\r\n'0 PTT Enable\r\n\"0 LocalRemote Audio\r\n"
                             "H2 Digital Audio Source\r\nV1 Digital VOX: [V1|V2|V3]\r\n") +
                  kDefaultFile.mid(kDefaultFile.indexOf(u"Comments:")));

    tq::persist::readAudioSetup(settings, m_indicators);
    EXPECT_EQ(codesOf(settings), codesOf(saved));
    EXPECT_EQ(settings.DigitalSourceAtStart, QStringLiteral("H2"));
}

}  // namespace
}  // namespace tq::app
