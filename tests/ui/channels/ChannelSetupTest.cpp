// The channel manager against the simulated radio, offscreen and in virtual
// time: Load and Store sequences, their cancellation, and the file buttons.
#include <gtest/gtest.h>

#include <QDir>
#include <cerrno>
#include <cstring>

#include <QTest>

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

QStringList channelRequests(int count) {
    QStringList requests;
    for (int n = 0; n < count; ++n) {
        requests << QStringLiteral("L%1").arg(n, 2, 10, QLatin1Char('0'));
    }
    return requests;
}

/// The window opened in a data directory of its own, talking to the
/// simulated radio in virtual time; the main window's information box is
/// recorded.
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
    /// Runs action on the first millisecond tick that finds ready.
    void once(std::function<bool()> ready, std::function<void()> action) {
        at(0.001, [this, ready, action] { ready() ? action() : once(ready, action); });
    }
    static void click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }
    /// The lines written to the radio, without their line feeds.
    QStringList sent() const {
        QStringList lines = QString::fromLatin1(port.written()).split(u'\n');
        lines.removeLast();
        return lines;
    }
    /// What the radio holds in channel n, as an entry.
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
    /// A file dialog's title, starting place and filters.
    static QString fileDialog(const tq::test::ScriptedPrompts::Prompt& p) {
        return QStringList{p.title, p.directory, p.filter, p.selectedFilter}.join(u'|');
    }

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

TEST_F(ChannelSetup, LoadAsksForEveryChannelInOrderAndListsWhatTheRadioHolds) {
    // The program's own test sees all 100 channels listed with the panel
    // left as it was; here the pacing, the progress and the locked buttons.
    EXPECT_EQ(window->txtFilename->text(), inDirectory("Channel List.txt"));
    EXPECT_FALSE(window->cmdCancel->isEnabled());
    window->lsbChList->addItem(QStringLiteral("stale"));
    watchProgress();
    const double start = clock.elapsedTotal();

    click(window->cmdLoad);

    EXPECT_EQ(sent(), channelRequests(100));
    EXPECT_EQ(window->entries().size(), 100);
    EXPECT_EQ(window->entries().last(), radioEntry(99));
    EXPECT_EQ(window->txtResp->text(), QStringLiteral("P") + radioEntry(99));
    // Each request: the 0.25 s pause, then the reply wait, which ends 60 ms
    // after the reply that came in meanwhile.
    const double took = clock.elapsedTotal() - start;
    EXPECT_GT(took, 100 * 0.31);
    EXPECT_LT(took, 100 * 0.32);
    ASSERT_GE(progress.size(), 30);
    EXPECT_EQ(progress.first(), QStringLiteral("Channel 4 of 100"));
    EXPECT_FALSE(idleButtonsSeen);
    EXPECT_FALSE(window->prgTransfer->isVisible());
    EXPECT_TRUE(window->cmdLoad->isEnabled());
}

TEST_F(ChannelSetup, CancelStopsTheLoadAfterTheExchangeInProgressAndSecondClicksAreIgnored) {
    // Clicks queued before the buttons went grey reach the handlers all the
    // same.
    at(5.0, [this] { emit window->cmdLoad->clicked(); });
    at(6.0, [this] { emit window->cmdStore->clicked(); });
    at(7.0, [this] { emit window->cmdOpenFile->clicked(); });
    at(10.0, [this] { click(window->cmdCancel); });
    click(window->cmdLoad);

    const int asked = static_cast<int>(sent().size());
    ASSERT_GT(asked, 20);
    ASSERT_LT(asked, 100);
    EXPECT_EQ(sent(), channelRequests(asked));
    // The channel asked for when Cancel came was still read.
    ASSERT_EQ(window->entries().size(), asked);
    EXPECT_EQ(window->entries().last(), radioEntry(asked - 1));
    EXPECT_TRUE(prompts.prompts().isEmpty());
}

TEST_F(ChannelSetup, ClosingTheWindowStopsTheLoadAndReturnsToItsDirectory) {
    const QString opening = QDir::currentPath();
    at(3.0, [this] {
        QDir::setCurrent(QDir::rootPath());  // as a file dialog may do
        window->close();
    });
    click(window->cmdLoad);
    EXPECT_FALSE(window->isVisible());
    EXPECT_LT(sent().size(), 15);
    EXPECT_EQ(QDir::currentPath(), opening);
}

TEST_F(ChannelSetup, ASilentChannelAddsNothing) {
    // The radio is silent for channel 05 only: the fault goes on once 04 has
    // been asked for (its reply is on the way) and off once 05 has.
    const auto asked = [this](const char* request) {
        return port.written().contains(QByteArray(request) + '\n');
    };
    once([=] { return asked("L04"); }, [this] { port.radio().setFaults({.silent = true}); });
    once([=] { return asked("L05"); }, [this] { port.radio().setFaults({}); });
    click(window->cmdLoad);
    ASSERT_EQ(window->entries().size(), 99);
    EXPECT_EQ(window->entries().at(4), radioEntry(4));
    EXPECT_EQ(window->entries().at(5), radioEntry(6));
}

TEST_F(ChannelSetup, StoreSendsTheEntriesInListOrderWithoutWaitingUntilCancelled) {
    click(window->cmdStore);
    EXPECT_TRUE(sent().isEmpty()) << "an empty list sends nothing";
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
    QStringList expected;
    for (const QString& entry : entries.mid(0, 21)) {
        expected << "P" + entry;
    }
    EXPECT_EQ(sent(), expected);
    EXPECT_EQ(radioEntry(79), entries.at(20));
    EXPECT_NE(radioEntry(78), entries.at(21));
    EXPECT_EQ(window->txtResp->text(), entries.at(20));
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
    EXPECT_EQ(fileDialog(prompts.prompts().first()),
              "Select a source file |" + directory() + "|Text files (*.txt)|Text files (*.txt)");
    EXPECT_EQ(window->txtFilename->text(), inDirectory("mine.txt"));
    click(window->cmdOpenFile);
    EXPECT_EQ(window->entries(), QStringList{QStringLiteral("0207150002")});

    // A missing file: Open File offers the dialog; cancelled, nothing is read.
    window->txtFilename->setText(QStringLiteral("gone.txt"));
    click(window->cmdOpenFile);
    EXPECT_EQ(prompts.prompts().size(), 2);
    EXPECT_EQ(window->txtFilename->text(), QStringLiteral("gone.txt"));
    EXPECT_EQ(window->entries().size(), 1);

    // A huge file is refused whole and the list kept.
    window->txtFilename->setText(QStringLiteral("big.txt"));
    writeFile(QStringLiteral("big.txt"), QByteArray(4 * 1024 * 1024, '\n'));
    click(window->cmdOpenFile);
    EXPECT_EQ(info.info, QStringLiteral("big.txt: Err 27. File too large"));
    EXPECT_EQ(window->entries().size(), 1);
    EXPECT_EQ(prompts.unexpectedCount(), 1) << "only the cancelled dialog";
}

TEST_F(ChannelSetup, SaveFileWritesTheListWhereTheOperatorChose) {
    window->lsbChList->addItems({QStringLiteral("0114075001"), QStringLiteral("0903500004")});
    prompts.answerSaveFile(inDirectory("saved"));
    click(window->cmdSaveFile);
    EXPECT_EQ(fileDialog(prompts.prompts().first()),
              "Select the Destination File.|" + directory() +
                  "|All Files (*.*);;Text Files (*.txt)|Text Files (*.txt)");
    const QString path = inDirectory("saved.txt");
    EXPECT_EQ(window->txtSaveFilename->text(), path);
    EXPECT_EQ(fileBytes(path), "01,14075.00,USB\r\n09,03500.00,CW\r\n");
    EXPECT_EQ(info.info, QStringLiteral("Saved to ") + path);
    // The next save starts at the file saved last.
    prompts.answerSaveFile(path);
    click(window->cmdSaveFile);
    EXPECT_EQ(prompts.prompts().at(1).directory, path);
}

TEST_F(ChannelSetup, CancelledOrFailedSaveIsReportedAndLeavesFilesAndListAlone) {
    window->lsbChList->addItem(QStringLiteral("0114075001"));
    window->txtSaveFilename->setText(QStringLiteral("keep.txt"));
    click(window->cmdSaveFile);
    EXPECT_EQ(info.info, QStringLiteral("keep.txt: Err %1. %2")
                             .arg(ECANCELED)
                             .arg(QString::fromLocal8Bit(std::strerror(ECANCELED))));
    EXPECT_FALSE(QFile::exists(QStringLiteral("keep.txt")));

    writeFile(QStringLiteral("keep.txt"), "05,7150.00,LSB\r\n");
    prompts.answerSaveFile(inDirectory("keep.txt"));
    {
        test::ReadOnlyDirectory readOnly(directory());
        click(window->cmdSaveFile);
    }
    EXPECT_EQ(info.info, inDirectory("keep.txt") + QStringLiteral(": Err 13. Permission denied"));
    EXPECT_EQ(fileBytes(QStringLiteral("keep.txt")), "05,7150.00,LSB\r\n");
    EXPECT_EQ(window->entries(), QStringList{QStringLiteral("0114075001")});
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
