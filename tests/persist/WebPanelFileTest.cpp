// WebPanel.txt and the password file: settings read back as written with
// defaults for what is missing or malformed, and the hash readable by the
// owner alone.
#include <gtest/gtest.h>

#include <QFile>

#include "persist/DataDirectoryTest.h"
#include "persist/WebPanelFile.h"
#include "persist/WebPasswordFile.h"

namespace {

using tq::persist::WebPanelSettings;

TEST(PersistedWebPanel, WrittenAsTenCrLfLinesAndReadBackUnchanged) {
    WebPanelSettings settings;
    settings.enabled = true;
    settings.address = QStringLiteral("0.0.0.0");
    settings.port = 8443;
    settings.certificateFile = QStringLiteral("/home/op/radio.crt");
    settings.keyFile = QStringLiteral("/home/op/radio.key");
    const QString text = tq::persist::formatWebPanelSettings(settings);
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(lines.mid(0, 3), QStringList({"1", "0.0.0.0", "8443"}));
    EXPECT_EQ(text.count(u'\n'), text.count(QStringLiteral("\r\n")));
    EXPECT_EQ(tq::persist::parseWebPanelSettings(text), settings);
    EXPECT_EQ(tq::persist::parseWebPanelSettings(QString(text).remove(u'\r')), settings);
}

TEST(PersistedWebPanel, OnlyAOneSwitchesOnAndBadValuesGiveTheDefaults) {
    const WebPanelSettings defaults;
    EXPECT_EQ(tq::persist::parseWebPanelSettings(QString()), defaults);
    EXPECT_FALSE(defaults.enabled);
    EXPECT_EQ(defaults.address, "127.0.0.1");
    const WebPanelSettings odd = tq::persist::parseWebPanelSettings("on\n \n99999\n");
    EXPECT_FALSE(odd.enabled);
    EXPECT_EQ(odd.address, "127.0.0.1") << "a blank address stays on this computer";
    EXPECT_EQ(odd.port, WebPanelSettings::kDefaultPort);
    EXPECT_TRUE(odd.certificateFile.isEmpty());
}

class PersistedWebPanelSave : public tq::test::DataDirectoryTest {};

TEST_F(PersistedWebPanelSave, SettingsAndPasswordHaveFilesOfTheirOwn) {
    EXPECT_EQ(tq::persist::loadWebPanelSettings(), WebPanelSettings{});
    WebPanelSettings settings;
    settings.enabled = true;
    ASSERT_FALSE(tq::persist::saveWebPanelSettings(settings).has_value());
    EXPECT_EQ(tq::persist::loadWebPanelSettings(), settings);

    EXPECT_FALSE(tq::persist::loadWebPasswordHash().has_value());
    ASSERT_FALSE(tq::persist::saveWebPasswordHash(QStringLiteral("pbkdf2-sha256$1$c2FsdA==$a2V5")));
    EXPECT_EQ(tq::persist::loadWebPasswordHash(), QStringLiteral("pbkdf2-sha256$1$c2FsdA==$a2V5"));
    EXPECT_EQ(QFile::permissions(tq::persist::kWebPasswordFileName),
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                  QFileDevice::WriteUser);
    ASSERT_FALSE(tq::persist::removeWebPassword());
    EXPECT_FALSE(tq::persist::loadWebPasswordHash().has_value());
    EXPECT_FALSE(tq::persist::removeWebPassword()) << "nothing to remove is no failure";
}

}  // namespace
