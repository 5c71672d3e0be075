#include "ui/setup/AudioSetupDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>

#include "link/FileExists.h"
#include "persist/PersistedAudioSetup.h"
#include "persist/PersistedFile.h"

namespace tq::ui {

namespace {

using Codes = persist::PersistedAudioSettings;

// The digital groups open on a fixed button when the program's value is no
// known code: PATCH for the source, OFF for VOX.
constexpr int kDigitalSourceFallback = 2;
constexpr int kDigitalVoxFallback = 0;

QStringList sourceCodes() {
    return {Codes::kMic.toString(), Codes::kAudio2.toString(), Codes::kPatch.toString()};
}

QStringList sourceCaptions() {
    return {QStringLiteral("Mic"), QStringLiteral("Audio 2"), QStringLiteral("Patch")};
}

QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

AudioSetupDialog::AudioSetupDialog(persist::PersistedAudioSettings& settings,
                                   const protocol::RadioState& radio, protocol::ProgramFlags& flags,
                                   link::LinkIndicators& indicators)
    : m_settings(settings), m_flags(flags), m_indicators(indicators) {
    setObjectName(QStringLiteral("frmAudioSetup"));
    setWindowTitle(QStringLiteral("Audio Setup"));
    setWindowModality(Qt::ApplicationModal);
    buildControls();
    connectControls();
    showOpeningValues(radio);
}

void AudioSetupDialog::done(int result) {
    QDialog::done(result);
    emit unloaded();
}

void AudioSetupDialog::buildControls() {
    m_phoneSource =
        new CodeOptionGroup(QStringLiteral("fraAudioSource"), QStringLiteral("Phone Audio Source"),
                            QStringLiteral("optPhoneAudio"), sourceCaptions(), sourceCodes(), this);
    m_ptt = new CodeOptionGroup(QStringLiteral("fraPTT"), QStringLiteral("PTT"),
                                QStringLiteral("optPTT"),
                                {QStringLiteral("PTT Off"), QStringLiteral("PTT On")},
                                {Codes::kPttOff.toString(), Codes::kPttOn.toString()}, this);
    m_locRem = new CodeOptionGroup(
        QStringLiteral("frmAudio"), QStringLiteral("Audio"), QStringLiteral("optLocRem"),
        {QStringLiteral("Local Audio"), QStringLiteral("Remote Audio")},
        {Codes::kLocalAudio.toString(), Codes::kRemoteAudio.toString()}, this);
    m_digitalSource =
        new CodeOptionGroup(QStringLiteral("Frame1"), QStringLiteral("Digital Audio Source"),
                            QStringLiteral("optDigAudio"), sourceCaptions(), sourceCodes(), this);
    m_digitalVox = new CodeOptionGroup(
        QStringLiteral("Frame2"), QStringLiteral("Digital VOX"), QStringLiteral("optDigVOX"),
        {QStringLiteral("OFF"), QStringLiteral("Voice"), QStringLiteral("Data")},
        {Codes::kVoxOff.toString(), Codes::kVoxVoice.toString(), Codes::kVoxData.toString()}, this);

    m_cmdLoad = makeButton(QStringLiteral("cmdLoad"), QStringLiteral("Load"), this);
    m_cmdSave = makeButton(QStringLiteral("cmdSave"), QStringLiteral("Save"), this);
    m_cmdApply = makeButton(QStringLiteral("cmdApply"), QStringLiteral("Apply"), this);
    m_cmdExit = makeButton(QStringLiteral("cmdExit"), QStringLiteral("Exit"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_cmdLoad);
    buttons->addWidget(m_cmdSave);
    buttons->addWidget(m_cmdApply);
    buttons->addWidget(m_cmdExit);

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_phoneSource, 0, 0);
    layout->addWidget(m_ptt, 0, 1);
    layout->addWidget(m_locRem, 0, 2);
    layout->addWidget(m_digitalSource, 1, 0);
    layout->addWidget(m_digitalVox, 1, 1);
    layout->addLayout(buttons, 2, 0, 1, 3);
}

void AudioSetupDialog::connectControls() {
    connect(m_phoneSource, &CodeOptionGroup::codeClicked, this,
            [this](const QString& code) { m_working.SetupSource = code; });
    connect(m_ptt, &CodeOptionGroup::codeClicked, this,
            [this](const QString& code) { m_working.SetupPttEn = code; });
    connect(m_locRem, &CodeOptionGroup::codeClicked, this,
            [this](const QString& code) { m_working.SetupLocRem = code; });
    connect(m_digitalSource, &CodeOptionGroup::codeClicked, this,
            [this](const QString& code) { m_working.DigitalSource = code; });
    connect(m_digitalVox, &CodeOptionGroup::codeClicked, this,
            [this](const QString& code) { m_working.DigitalVox = code; });
    connect(m_cmdLoad, &QPushButton::clicked, this, &AudioSetupDialog::load);
    connect(m_cmdSave, &QPushButton::clicked, this, &AudioSetupDialog::save);
    connect(m_cmdApply, &QPushButton::clicked, this, &AudioSetupDialog::apply);
    connect(m_cmdExit, &QPushButton::clicked, this, &QDialog::close);
}

void AudioSetupDialog::showOpeningValues(const protocol::RadioState& radio) {
    // Phone source, PTT and local/remote as the radio reports them now; the
    // working value is the reply even when no button stands for it.
    m_phoneSource->showCode(radio.SourceReply);
    m_working.SetupSource = radio.SourceReply;
    m_ptt->showCode(radio.PttEnReply);
    m_working.SetupPttEn = radio.PttEnReply;
    m_locRem->showCode(radio.LocRemAudioReply);
    m_working.SetupLocRem = radio.LocRemAudioReply;
    // The digital settings are the program's own, not the radio's.
    m_digitalSource->showCode(m_settings.DigitalSource, kDigitalSourceFallback);
    m_working.DigitalSource = m_settings.DigitalSource;
    m_digitalVox->showCode(m_settings.DigitalVox, kDigitalVoxFallback);
    m_working.DigitalVox = m_settings.DigitalVox;
}

void AudioSetupDialog::load() {
    if (!link::fileExists(persist::kAudioSetupFileName, m_indicators)) {
        return;
    }
    const std::optional<QString> text = persist::readPersistedFile(persist::kAudioSetupFileName);
    if (!text) {
        return;
    }
    const persist::PersistedAudioSettings file = persist::parseAudioSetup(*text);
    // Unknown codes are taken as they are, with no button selected, except
    // for local/remote audio, which only a known code changes.
    m_phoneSource->showCode(file.SetupSource);
    m_working.SetupSource = file.SetupSource;
    m_ptt->showCode(file.SetupPttEn);
    m_working.SetupPttEn = file.SetupPttEn;
    if (m_locRem->hasCode(file.SetupLocRem)) {
        m_locRem->showCode(file.SetupLocRem);
        m_working.SetupLocRem = file.SetupLocRem;
    }
    m_digitalSource->showCode(file.DigitalSource);
    m_working.DigitalSource = file.DigitalSource;
    m_digitalVox->showCode(file.DigitalVox);
    m_working.DigitalVox = file.DigitalVox;
}

void AudioSetupDialog::save() {
    if (const auto failure = persist::saveAudioSetup(m_working)) {
        m_indicators.showErrorInfo(failure->report(persist::kAudioSetupFileName));
    }
}

void AudioSetupDialog::apply() {
    m_settings.SetupSource = m_working.SetupSource;
    m_settings.SetupPttEn = m_working.SetupPttEn;
    m_settings.SetupLocRem = m_working.SetupLocRem;
    m_settings.DigitalSource = m_working.DigitalSource;
    m_settings.DigitalVox = m_working.DigitalVox;
    m_flags.PanelResetRequest = true;
}

}  // namespace tq::ui
