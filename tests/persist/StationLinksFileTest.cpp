// tq::persist::StationLinks.txt: written as data lines then descriptions with CR LF, read
// back with the defaults standing in for what is missing or malformed.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "persist/DataDirectoryTest.h"
#include "persist/StationLinksFile.h"

namespace {

using tq::persist::StationLinks;

TEST(PersistedStationLinks, WrittenAsEightCrLfLinesAndReadBackUnchanged) {
    tq::persist::StationLinks links;
    links.extendedCat = true;
    links.networkEnabled = true;
    links.networkAddress = QStringLiteral("192.168.1.20");
    links.networkPort = 4600;
    const QString text = tq::persist::formatStationLinks(links);
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 9);  // eight lines, each ended
    EXPECT_EQ(lines.mid(0, 4), QStringList({"1", "1", "192.168.1.20", "4600"}));
    EXPECT_TRUE(lines[4].startsWith("Line 1: "));
    EXPECT_EQ(text.count(u'\n'), text.count(QStringLiteral("\r\n")));
    EXPECT_EQ(tq::persist::parseStationLinks(text), links);
    EXPECT_EQ(tq::persist::parseStationLinks(QString(text).remove(u'\r')), links) << "LF alone";
}

TEST(PersistedStationLinks, OnlyAOneSwitchesOnAndBadValuesGiveTheDefaults) {
    const tq::persist::StationLinks defaults;
    EXPECT_EQ(tq::persist::parseStationLinks(QString()), defaults);
    EXPECT_FALSE(defaults.networkEnabled);
    EXPECT_EQ(defaults.networkAddress, "127.0.0.1");
    EXPECT_EQ(defaults.networkPort, 4532);
    const tq::persist::StationLinks odd =
        tq::persist::parseStationLinks("yes\r\n2\r\n   \r\n70000\r\n");
    EXPECT_FALSE(odd.extendedCat);
    EXPECT_FALSE(odd.networkEnabled);
    EXPECT_EQ(odd.networkAddress, "127.0.0.1") << "a blank address stays on this computer";
    EXPECT_EQ(odd.networkPort, 4532);
    EXPECT_EQ(tq::persist::parseStationLinks("0\n1 \n::1\n0\n").networkPort, 4532);
    EXPECT_TRUE(tq::persist::parseStationLinks("0\n1 \n::1\n0\n").networkEnabled);
}

class PersistedStationLinksSave : public tq::test::DataDirectoryTest {};

TEST_F(PersistedStationLinksSave, MissingFileLoadsTheDefaultsAndSaveReplacesIt) {
    EXPECT_EQ(tq::persist::loadStationLinks(m_indicators), tq::persist::StationLinks{});
    EXPECT_TRUE(m_indicators.shown().isEmpty()) << "no file is the usual case";
    tq::persist::StationLinks links;
    links.networkEnabled = true;
    ASSERT_FALSE(tq::persist::saveStationLinks(links).has_value());
    EXPECT_EQ(tq::persist::loadStationLinks(m_indicators), links);
    EXPECT_TRUE(fileBytes(tq::persist::kStationLinksFileName)
                    .startsWith("0\r\n1\r\n127.0.0.1\r\n4532\r\n"));
}

}  // namespace

TEST_F(PersistedStationLinksSave, FileThatCannotBeReadIsReportedAndLeavesBothLinksOff) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(tq::persist::kStationLinksFileName).constData(), 0600), 0);
    EXPECT_EQ(tq::persist::loadStationLinks(m_indicators), tq::persist::StationLinks{});
    EXPECT_EQ(m_indicators.info(), "StationLinks.txt: Err 6. Not a regular file");
}
