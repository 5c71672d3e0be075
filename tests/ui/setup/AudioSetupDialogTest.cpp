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

TEST_F(AudioSetupDialogTest, OpensOnTheRadiosAudioAndTheProgramsDigitalSettings) {
    const AudioSetupDialog& dialog = open();
    EXPECT_EQ(dialog.objectName(), QStringLiteral("frmAudioSetup"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Audio Setup"));
    EXPECT_EQ(test::captionsOf(dialog),
              QStringLiteral("fraAudioSource=Phone Audio Source,optPhoneAudio_0=Mic,"
                             "optPhoneAudio_1=Audio 2,optPhoneAudio_2=Patch,fraPTT=PTT,"
                             "optPTT_0=PTT Off,optPTT_1=PTT On,frmAudio=Audio,"
                             "optLocRem_0=Local Audio,optLocRem_1=Remote Audio,"
                             "Frame1=Digital Audio Source,optDigAudio_0=Mic,optDigAudio_1=Audio 2,"
                             "optDigAudio_2=Patch,Frame2=Digital VOX,optDigVOX_0=OFF,"
                             "optDigVOX_1=Voice,optDigVOX_2=Data,cmdLoad=Load,cmdSave=Save,"
                             "cmdApply=Apply,cmdExit=Exit"));
    EXPECT_EQ(codesOf(dialog.working()), QStringLiteral("H2|'0|\"0|H1|V1"));
    EXPECT_EQ(checked(),
              QStringLiteral("optPhoneAudio_1 optPTT_0 optLocRem_1 optDigAudio_0 optDigVOX_1"));
}

TEST_F(AudioSetupDialogTest, ApplyHandsOnTheWorkingValuesAndRaisesPanelReset) {
    open();
    const QString before = codesOf(m_settings);
    click({"optPhoneAudio_2", "optPTT_1", "optLocRem_0", "optDigAudio_1", "optDigVOX_0"});
    EXPECT_EQ(codesOf(m_settings), before) << "the buttons change only the working copy";
    click({"cmdApply"});
    EXPECT_TRUE(m_flags.PanelResetRequest);
    EXPECT_EQ(codesOf(m_settings), QStringLiteral("H3|'1|\"1|H2|V0"));
    EXPECT_EQ(m_settings.DigitalSourceAtStart, QStringLiteral("H3"));
    // Apply neither writes the file nor closes the dialog.
    EXPECT_FALSE(QFile::exists(tq::persist::kAudioSetupFileName));
    EXPECT_TRUE(m_dialog->isVisible());
}

TEST_F(AudioSetupDialogTest, SaveThenLoadRestoresAllFiveGroupsAndAFailedSaveIsReported) {
    open();
    {
        test::ReadOnlyDirectory readOnly(directory());
        click({"cmdSave"});
    }
    EXPECT_EQ(m_indicators.info(), QStringLiteral("AudioSetup.txt: Err 13. Permission denied"));
    EXPECT_TRUE(m_indicators.infoVisible());
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
    EXPECT_TRUE(m_dialog->isVisible());
}

TEST_F(AudioSetupDialogTest, ExitAndTheCloseBoxUnloadWithoutApplying) {
    for (const bool byExit : {true, false}) {
        open();
        QSignalSpy unloaded(m_dialog.get(), &AudioSetupDialog::unloaded);
        click({"optPhoneAudio_2"});
        byExit ? click({"cmdExit"}) : void(m_dialog->close());
        EXPECT_EQ(unloaded.count(), 1) << (byExit ? "Exit" : "close box");
        EXPECT_FALSE(m_dialog->isVisible());
    }
    EXPECT_EQ(m_settings.SetupSource, QStringLiteral("H1"));
    EXPECT_FALSE(m_flags.PanelResetRequest);
}

}  // namespace
}  // namespace tq::ui
