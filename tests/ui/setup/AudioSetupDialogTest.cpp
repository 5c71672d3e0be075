#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGroupBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "persist/DataDirectoryTest.h"
#include "persist/PersistedAudioSetup.h"
#include "persist/ReadOnlyDirectory.h"
#include "support/WidgetApplication.h"
#include "ui/setup/AudioSetupDialog.h"

namespace tq::ui {
namespace {

using tq::persist::PersistedAudioSettings;

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
        m_radio.SourceReply = QStringLiteral("H1");
        m_radio.PttEnReply = QStringLiteral("'1");
        m_radio.LocRemAudioReply = QStringLiteral("\"1");
    }

    AudioSetupDialog& open() {
        m_dialog = std::make_unique<AudioSetupDialog>(m_settings, m_radio, m_flags, m_indicators);
        m_dialog->show();
        return *m_dialog;
    }

    // Clicks near the left edge: an option button reacts only on its circle
    // and caption, which need not reach the middle of a wide button.
    void click(const char* name) const {
        auto* button = m_dialog->findChild<QAbstractButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

    QString checkedButtons() const {
        QStringList names;
        for (const QRadioButton* button : m_dialog->findChildren<QRadioButton*>()) {
            if (button->isChecked()) {
                names << button->objectName();
            }
        }
        return names.join(u' ');
    }

    tq::persist::PersistedAudioSettings m_settings =
        tq::persist::PersistedAudioSettings::defaults();
    protocol::RadioState m_radio;
    protocol::ProgramFlags m_flags;
    std::unique_ptr<AudioSetupDialog> m_dialog;
};

TEST_F(AudioSetupDialogTest, ControlsCarryTheirNamesAndCaptions) {
    const AudioSetupDialog& dialog = open();
    EXPECT_EQ(dialog.objectName(), QStringLiteral("frmAudioSetup"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Audio Setup"));
    QStringList captions;
    for (const QWidget* widget : dialog.findChildren<QWidget*>()) {
        if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
            captions << frame->objectName() + u'=' + frame->title();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            captions << button->objectName() + u'=' + button->text();
        }
    }
    EXPECT_EQ(captions.join(u','),
              QStringLiteral("fraAudioSource=Phone Audio Source,optPhoneAudio_0=Mic,"
                             "optPhoneAudio_1=Audio 2,optPhoneAudio_2=Patch,fraPTT=PTT,"
                             "optPTT_0=PTT Off,optPTT_1=PTT On,frmAudio=Audio,"
                             "optLocRem_0=Local Audio,optLocRem_1=Remote Audio,"
                             "Frame1=Digital Audio Source,optDigAudio_0=Mic,optDigAudio_1=Audio 2,"
                             "optDigAudio_2=Patch,Frame2=Digital VOX,optDigVOX_0=OFF,"
                             "optDigVOX_1=Voice,optDigVOX_2=Data,cmdLoad=Load,cmdSave=Save,"
                             "cmdApply=Apply,cmdExit=Exit"));
}

TEST_F(AudioSetupDialogTest, OpensOnTheRadiosAudioAndTheProgramsDigitalSettings) {
    m_radio.SourceReply = QStringLiteral("H2");
    m_radio.PttEnReply = QStringLiteral("'0");
    m_radio.LocRemAudioReply = QStringLiteral("\"0");
    m_settings.DigitalSource = QStringLiteral("H1");
    m_settings.DigitalVox = QStringLiteral("V1");
    EXPECT_EQ(codesOf(open().working()), QStringLiteral("H2|'0|\"0|H1|V1"));
    EXPECT_EQ(checkedButtons(),
              QStringLiteral("optPhoneAudio_1 optPTT_0 optLocRem_1 optDigAudio_0 optDigVOX_1"));
}

TEST_F(AudioSetupDialogTest, ApplyHandsOnTheWorkingValuesAndRaisesPanelReset) {
    open();
    for (const char* name :
         {"optPhoneAudio_2", "optPTT_0", "optLocRem_1", "optDigAudio_1", "optDigVOX_0"}) {
        click(name);
    }
    EXPECT_EQ(codesOf(m_settings), QStringLiteral("H1|'1|\"1|H3|V2"));
    click("cmdApply");
    EXPECT_TRUE(m_flags.PanelResetRequest);
    EXPECT_EQ(codesOf(m_settings), QStringLiteral("H3|'0|\"0|H2|V0"));
    EXPECT_EQ(m_settings.DigitalSourceAtStart, QStringLiteral("H3"));
    // Apply neither writes the file nor closes the dialog.
    EXPECT_FALSE(QFile::exists(tq::persist::kAudioSetupFileName));
    EXPECT_TRUE(m_dialog->isVisible());
}

TEST_F(AudioSetupDialogTest, SaveThenLoadRestoresAllFiveGroups) {
    open();
    for (const char* name :
         {"optPhoneAudio_1", "optPTT_0", "optLocRem_1", "optDigAudio_0", "optDigVOX_1"}) {
        click(name);
    }
    click("cmdSave");
    for (const char* name :
         {"optPhoneAudio_0", "optPTT_1", "optLocRem_0", "optDigAudio_2", "optDigVOX_2"}) {
        click(name);
    }
    click("cmdLoad");
    EXPECT_EQ(checkedButtons(),
              QStringLiteral("optPhoneAudio_1 optPTT_0 optLocRem_1 optDigAudio_0 optDigVOX_1"));
    EXPECT_EQ(codesOf(m_dialog->working()), QStringLiteral("H2|'0|\"0|H1|V1"));

    // Unknown codes are taken without a button, except local/remote audio.
    writeFile(tq::persist::kAudioSetupFileName, "X9\r\n'7\r\nQ1\r\nH4\r\nV3 Digital VOX\r\n");
    click("cmdLoad");
    EXPECT_EQ(codesOf(m_dialog->working()), QStringLiteral("X9|'7|\"0|H4|V3"));
    EXPECT_EQ(checkedButtons(), QStringLiteral("optLocRem_1"));
    EXPECT_FALSE(m_flags.PanelResetRequest);
}

TEST_F(AudioSetupDialogTest, FailedSaveIsReportedInTheInfoBoxAndTheDialogStaysOpen) {
    open();
    {
        test::ReadOnlyDirectory readOnly(directory());
        click("cmdSave");
    }
    EXPECT_EQ(m_indicators.info(), QStringLiteral("AudioSetup.txt: Err 13. Permission denied"));
    EXPECT_TRUE(m_indicators.infoVisible());
    EXPECT_TRUE(m_dialog->isVisible());
}

TEST_F(AudioSetupDialogTest, ExitAndTheCloseBoxUnloadWithoutApplying) {
    for (const bool byExit : {true, false}) {
        open();
        QSignalSpy unloaded(m_dialog.get(), &AudioSetupDialog::unloaded);
        click("optPhoneAudio_2");
        if (byExit) {
            click("cmdExit");
        } else {
            m_dialog->close();
        }
        EXPECT_EQ(unloaded.count(), 1) << (byExit ? "Exit" : "close box");
        EXPECT_FALSE(m_dialog->isVisible());
    }
    EXPECT_EQ(m_settings.SetupSource, QStringLiteral("H1"));
    EXPECT_FALSE(m_flags.PanelResetRequest);
}

}  // namespace
}  // namespace tq::ui
