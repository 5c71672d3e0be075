// The channel list file, and the channel manager against the simulated radio
// in virtual time. (The program's own test sees a whole load.)
#include <gtest/gtest.h>

#include <QDir>

#include <QRegularExpression>
#include <QTest>

#include "persist/ChannelListFile.h"
#include "persist/DataDirectoryTest.h"
#include "persist/ReadOnlyDirectory.h"
#include "sim/SimulatedPort.h"
#include "support/QStringPrinter.h"
#include "support/RecordingIndicators.h"
#include "support/ScriptedPrompts.h"
#include "support/TestClock.h"
#include "support/WidgetApplication.h"
#include "ui/channels/frmChannelSetup.h"

namespace tq::ui {
namespace {

TEST(ChannelListLine, ReadsCommaAndSpaceSeparatedLinesInBothFrequencyFormsWithinTheRange) {
    // Only the first letter of the mode counts, and the rest of the line is
    // the third field; out of range, out of format or other digits are refused.
    const std::pair<const char*, const char*> cases[] = {
        {"01,14075.00,USB", "0114075001"}, {"05,7150.00,LSB", "0507150002"},
        {"09,03500.00,CW", "0903500004"},  {"02 7150.00 LSB", "0207150002"},
        {"00,1600.00,USB", "0001600001"},  {"99,29999.99,CW", "9929999994"},
        {"03,14075.00,Cw", "0314075004"},  {"06 21200.00 AM broadcast relay", "0621200003"},
        {"08,30000.00,USB", nullptr},      {"11,1599.99,USB", nullptr},
        {"22,1407.50,USB", nullptr},       {"8,7150.00,USB", nullptr},
        {"09,7150.0,USB", nullptr},        {"09,14075.000,USB", nullptr},
        {"13,71a0.00,USB", nullptr},       {"10,7150.00,usb", nullptr},
        {"20,14075.00,XSB", nullptr},      {"19, 14075.00, USB", nullptr},
        {"18,14075.00,", nullptr},         {"\xd9\xa0\xd9\xa1,14075.00,USB", nullptr}};
    for (const auto& [line, entry] : cases) {
        EXPECT_EQ(persist::parseChannelLine(QString::fromUtf8(line)),
                  entry ? std::optional(QString::fromLatin1(entry)) : std::nullopt)
            << line;
    }
}

TEST(ChannelListFile, WritesFiveDigitKilohertzAndModeWords) {
    // An entry the radio garbled keeps its characters.
    const std::pair<const char*, const char*> cases[] = {{"0903500004", "09,03500.00,CW"},
                                                         {"0107150003", "01,07150.00,AM"},
                                                         {"4229999992", "42,29999.99,LSB"},
                                                         {"0514075009", "05,14075.00,"},
                                                         {"05", "05,     .  ,"}};
    for (const auto& [entry, line] : cases) {
        EXPECT_EQ(persist::formatChannelLine(QString::fromLatin1(entry)),
                  QString::fromLatin1(line));
    }
}

class ChannelSetup : public test::DataDirectoryTest {
protected:
    void SetUp() override {
        DataDirectoryTest::SetUp();
        test::ensureWidgetApplication();
        port.open();
        link = std::make_unique<protocol::RadioLink>(port, clock, info, state);
        window = std::make_unique<frmChannelSetup>(*link, prompts, info);
        window->show();
    }
    void TearDown() override { window.reset(); }

    void at(double seconds, std::function<void()> action) {
        clock.schedule(seconds, std::move(action));
    }
    static void click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }
    QStringList sent() const {
        QStringList lines = QString::fromLatin1(port.written()).split(u'\n');
        lines.removeLast();
        return lines;
    }
    QString radioEntry(int n) { return QString::fromLatin1(port.radio().memory().line(n).mid(1)); }

    /// Notes the progress text every virtual second while a transfer runs
    /// (first at 1.1 s, clear of the moments a step begins), and whether a
    /// button that starts another transfer was ever pressable meanwhile.
    void watchProgress(double first = 1.1) {
        at(first, [this] {
            if (window->prgTransfer->isVisible()) {
                progress << window->prgTransfer->text();
                idleButtonsSeen |= window->cmdLoad->isEnabled() || window->cmdStore->isEnabled() ||
                                   window->cmdOpenFile->isEnabled() ||
                                   !window->cmdCancel->isEnabled();
                watchProgress(1.0);
            }
        });
    }
    QString inDirectory(const QString& name) const { return QDir(directory()).filePath(name); }

    protocol::RadioState state;
    tq::test::TestClock clock{12 * 3600.0};
    sim::SimulatedPort port{clock};
    test::RecordingIndicators info;
    tq::test::ScriptedPrompts prompts;
    std::unique_ptr<protocol::RadioLink> link;
    std::unique_ptr<frmChannelSetup> window;
    QStringList progress;
    bool idleButtonsSeen = false;
};

TEST_F(ChannelSetup, CancelStopsTheLoadAfterTheExchangeInProgressAndSecondClicksAreIgnored) {
    // Clicks queued before the buttons went grey reach the handlers.
    at(5.0, [this] { emit window->cmdLoad->clicked(); });
    at(6.0, [this] { emit window->cmdStore->clicked(); });
    at(7.0, [this] { emit window->cmdOpenFile->clicked(); });
    at(10.0, [this] { click(window->cmdCancel); });
    watchProgress();
    click(window->cmdLoad);
    const int asked = static_cast<int>(sent().size());
    ASSERT_GT(asked, 20);
    ASSERT_LT(asked, 100);
    for (int n = 0; n < asked; ++n) {
        EXPECT_EQ(sent().at(n), QStringLiteral("L%1").arg(n, 2, 10, QLatin1Char('0')));
    }
    // The channel asked for when Cancel came was still read.
    ASSERT_EQ(window->entries().size(), asked);
    EXPECT_EQ(window->entries().last(), radioEntry(asked - 1));
    EXPECT_TRUE(prompts.prompts().isEmpty());
    EXPECT_EQ(progress.first(), QStringLiteral("Channel 4 of 100"));
    EXPECT_FALSE(idleButtonsSeen);
}

TEST_F(ChannelSetup, StoreSendsTheEntriesInListOrderWithoutWaitingUntilCancelled) {
    QStringList entries;
    for (int n = 0; n < 100; ++n) {
        const QString channel = QStringLiteral("%1").arg(99 - n, 2, 10, QLatin1Char('0'));
        entries << channel + QStringLiteral("21") + channel + QStringLiteral("0003");
    }
    window->lsbChList->addItems(entries);
    watchProgress();
    at(5.1, [this] { click(window->cmdCancel); });
    click(window->cmdStore);

    // No reply is awaited: one entry every 0.25 s.
    EXPECT_EQ(sent(), entries.mid(0, 21).replaceInStrings(QRegularExpression("^"), "P"));
    EXPECT_EQ(radioEntry(79), entries.at(20));
    EXPECT_EQ(progress.first(), QStringLiteral("Entry 5 of 100"));
    EXPECT_FALSE(idleButtonsSeen);
    EXPECT_EQ(window->entries(), entries) << "the list stays";
    // The radio's echoes are taken in, and not left to be shown as tuned.
    EXPECT_EQ(state.ChanDataReply, "P" + entries.at(20));
    EXPECT_FALSE(state.ChanDataReplyNew);
    EXPECT_EQ(port.bytesToRead(), 0);
}

TEST_F(ChannelSetup, FindFileChoosesTheFileAndOpenFileReadsOnlyWhatFits) {
    writeFile(QStringLiteral("mine.txt"), "02 7150.00 LSB\n08,31000.00,USB\n");
    // Chosen without its extension: the dialog's default one is added.
    prompts.answerOpenFile(inDirectory("mine"));
    click(window->cmdBrowse);
    ASSERT_EQ(prompts.prompts().size(), 1);
    ASSERT_EQ(prompts.prompts().size(), 1);
    EXPECT_EQ(prompts.prompts().first().directory, directory());
    EXPECT_EQ(window->txtFilename->text(), inDirectory("mine.txt"));
    click(window->cmdOpenFile);
    EXPECT_EQ(window->entries(), QStringList{QStringLiteral("0207150002")});

    // A huge file is refused whole and the list kept.
    window->txtFilename->setText(QStringLiteral("big.txt"));
    writeFile(QStringLiteral("big.txt"), QByteArray(4 * 1024 * 1024, '\n'));
    click(window->cmdOpenFile);
    EXPECT_EQ(info.info, QStringLiteral("big.txt: Err 27. File too large"));
    EXPECT_EQ(window->entries().size(), 1);
}

TEST_F(ChannelSetup, SaveFileWritesWhereTheOperatorChoseOrReportsWhyNot) {
    window->lsbChList->addItems({QStringLiteral("0114075001"), QStringLiteral("0903500004")});
    writeFile(QStringLiteral("keep.txt"), "05,7150.00,LSB\r\n");
    const QString path = inDirectory("keep.txt");
    prompts.answerSaveFile(path);
    {
        test::ReadOnlyDirectory readOnly(directory());
        click(window->cmdSaveFile);
    }
    EXPECT_EQ(info.info, path + QStringLiteral(": Err 13. Permission denied"));
    EXPECT_EQ(fileBytes(QStringLiteral("keep.txt")), "05,7150.00,LSB\r\n");
    EXPECT_EQ(window->entries().size(), 2);

    // Chosen without its extension, the default one is added; the next save
    // starts at the file saved last.
    prompts.answerSaveFile(inDirectory("keep"));
    click(window->cmdSaveFile);
    EXPECT_EQ(window->txtSaveFilename->text(), path);
    EXPECT_EQ(fileBytes(path), "01,14075.00,USB\r\n09,03500.00,CW\r\n");
    EXPECT_EQ(info.info, QStringLiteral("Saved to ") + path);
    prompts.answerSaveFile(path);
    click(window->cmdSaveFile);
    EXPECT_EQ(prompts.prompts().at(2).directory, path);
}

TEST_F(ChannelSetup, LoadOnAClosedPortIsReportedNotThrown) {
    port.close();
    click(window->cmdLoad);
    EXPECT_TRUE(info.info.startsWith(QStringLiteral("cmdLoad_Click: Err ")))
        << qPrintable(info.info);
    EXPECT_TRUE(window->entries().isEmpty());
    EXPECT_TRUE(window->cmdLoad->isEnabled());
}

}  // namespace
}  // namespace tq::ui
