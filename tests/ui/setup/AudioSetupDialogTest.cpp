#include <gtest/gtest.h>

#include <QSignalSpy>

#include "persist/DataDirectoryTest.h"
#include "persist/PersistedAudioSetup.h"
#include "persist/ReadOnlyDirectory.h"
#include "support/WidgetApplication.h"
#include "ui/WidgetText.h"
#include "ui/setup/AudioSetupDialog.h"

namespace tq::ui {
namespace {

QString codesOf(const tq::persist::PersistedAudioSettings& settings) {
    return QStringList{settings.SetupSource, settings.SetupPttEn, settings.SetupLocRem,
                       settings.DigitalSource, settings.DigitalVox}
        .join(u'|');
}

class AudioSetupDialogTest : public test::DataDirectoryTest {
protected:
    void SetUp() override {
        test::DataDirectoryTest::SetUp();
        test::ensureWidgetApplication();
        m_radio.SourceReply = QStringLiteral("H2");
        m_radio.PttEnReply = QStringLiteral("'0");
        m_radio.LocRemAudioReply = QStringLiteral("\"0");
        m_settings.DigitalSource = QStringLiteral("H1");
        m_settings.DigitalVox = QStringLiteral("V1");
    }

    AudioSetupDialog& open() {
        m_dialog = std::make_unique<AudioSetupDialog>(m_settings, m_radio, m_flags, m_indicators);
        m_dialog->show();
        return *m_dialog;
    }
    void click(std::initializer_list<const char*> names) const {
        for (const char* name : names) {
            EXPECT_TRUE(test::clickButton(*m_dialog, name)) << name;
        }
    }
    QString checked() const { return test::checkedOptions(*m_dialog); }

    tq::persist::PersistedAudioSettings m_settings =
        tq::persist::PersistedAudioSettings::defaults();
    protocol::RadioState m_radio;
    protocol::ProgramFlags m_flags;
    std::unique_ptr<AudioSetupDialog> m_dialog;
};

TEST_F(AudioSetupDialogTest, ApplyHandsOnTheWorkingValuesAndExitOrTheCloseBoxOnlyUnload) {
    open();
    EXPECT_EQ(m_dialog->windowModality(), Qt::ApplicationModal);
    const QString before = codesOf(m_settings);
    click({"optPhoneAudio_2", "optPTT_1", "optLocRem_0", "optDigAudio_1", "optDigVOX_0"});
    EXPECT_EQ(codesOf(m_settings), before) << "the buttons change only the working copy";
    click({"cmdApply"});
    EXPECT_TRUE(m_flags.PanelResetRequest);
    EXPECT_EQ(codesOf(m_settings), QStringLiteral("H3|'1|\"1|H2|V0"));
    EXPECT_EQ(m_settings.DigitalSourceAtStart, QStringLiteral("H3"));
    // Apply neither writes the file nor closes the dialog; Exit and the
    // close box unload it without applying.
    EXPECT_FALSE(QFile::exists(tq::persist::kAudioSetupFileName));
    EXPECT_TRUE(m_dialog->isVisible());
    for (const bool byExit : {true, false}) {
        open();
        QSignalSpy unloaded(m_dialog.get(), &AudioSetupDialog::unloaded);
        click({"optPhoneAudio_0"});
        byExit ? click({"cmdExit"}) : void(m_dialog->close());
        EXPECT_EQ(unloaded.count(), 1) << byExit;
        EXPECT_FALSE(m_dialog->isVisible());
    }
    EXPECT_EQ(m_settings.SetupSource, QStringLiteral("H3"));
}

TEST_F(AudioSetupDialogTest, OpensOnTheRadiosAudioAndSaveThenLoadRestoresItOrReportsAFailure) {
    open();
    {
        test::ReadOnlyDirectory readOnly(directory());
        click({"cmdSave"});
    }
    EXPECT_EQ(m_indicators.info(), QStringLiteral("AudioSetup.txt: Err 13. Permission denied"));
    // Opened on the radio's audio and the program's digital settings.
    click({"cmdSave", "optPhoneAudio_0", "optPTT_1", "optLocRem_0", "optDigAudio_2", "optDigVOX_2",
           "cmdLoad"});
    EXPECT_EQ(checked(),
              QStringLiteral("optPhoneAudio_1 optPTT_0 optLocRem_1 optDigAudio_0 optDigVOX_1"));
    EXPECT_EQ(codesOf(m_dialog->working()), QStringLiteral("H2|'0|\"0|H1|V1"));

    // Unknown codes are taken without a button, except local/remote audio.
    writeFile(tq::persist::kAudioSetupFileName, "X9\r\n'7\r\nQ1\r\nH4\r\nV3 Digital VOX\r\n");
    click({"cmdLoad"});
    EXPECT_EQ(codesOf(m_dialog->working()), QStringLiteral("X9|'7|\"0|H4|V3"));
    EXPECT_EQ(checked(), QStringLiteral("optLocRem_1"));
    EXPECT_FALSE(m_flags.PanelResetRequest);
}

}  // namespace
}  // namespace tq::ui
