#include "ui/channels/frmChannelSetup.h"
#include "link/FailureReport.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QVBoxLayout>
#include <cerrno>
#include <cstring>

#include "link/FileExists.h"
#include "link/PortFailure.h"
#include "persist/ChannelListFile.h"

namespace tq::ui {

namespace {

const QString kTextFilter = QStringLiteral("Text files (*.txt)");
const QString kSaveFilters = QStringLiteral("All Files (*.*);;Text Files (*.txt)");
const QString kSaveSelectedFilter = QStringLiteral("Text Files (*.txt)");
const QString kDefaultSuffix = QStringLiteral("txt");

QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QLineEdit* makeTextBox(const QString& name, const QString& text, QWidget* parent) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    return box;
}

// A name typed without an extension gets ".txt", as the dialogs' default
// extension; on opening, a file that exists under the bare name is kept.
QString withDefaultExtension(const QString& path, bool keepExistingFile) {
    const QFileInfo info(path);
    if (!info.suffix().isEmpty() || (keepExistingFile && info.exists())) {
        return path;
    }
    return path + u'.' + kDefaultSuffix;
}

}  // namespace

frmChannelSetup::frmChannelSetup(protocol::RadioLink& link, Prompts& prompts,
                                 link::LinkIndicators& mainInfo)
    : m_prompts(prompts),
      m_mainInfo(mainInfo),
      m_transfer(link),
      m_openingDirectory(QDir::currentPath()),
      m_folders(persist::ChannelFolders::forThisPlatform(m_openingDirectory)) {
    setObjectName(QStringLiteral("frmChannelSetup"));
    setWindowTitle(QStringLiteral("Channel Setup"));
    buildControls();
    connectControls();
}

frmChannelSetup::~frmChannelSetup() {
    if (!m_directoryRestored) {
        QDir::setCurrent(m_openingDirectory);
    }
}

QStringList frmChannelSetup::entries() const {
    QStringList list;
    for (int row = 0; row < lsbChList->count(); ++row) {
        list << lsbChList->item(row)->text();
    }
    return list;
}

void frmChannelSetup::done(int result) {
    m_transfer.cancel();
    QDir::setCurrent(m_openingDirectory);
    m_directoryRestored = true;
    QDialog::done(result);
}

void frmChannelSetup::buildControls() {
    Frame1 = new QGroupBox(QStringLiteral("Frame1"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    lsbChList = new QListWidget(Frame1);
    lsbChList->setObjectName(QStringLiteral("lsbChList"));
    // Entries are fixed-width fields; a fixed-pitch font keeps them aligned.
    lsbChList->setFont(QFont(QStringLiteral("Courier New")));
    txtFilename = makeTextBox(QStringLiteral("txtFilename"), m_folders.defaultFile, Frame1);
    cmdBrowse = makeButton(QStringLiteral("cmdBrowse"), QStringLiteral("Find File"), Frame1);
    cmdOpenFile = makeButton(QStringLiteral("cmdOpenFile"), QStringLiteral("Open File"), Frame1);
    txtSaveFilename = makeTextBox(QStringLiteral("txtSaveFilename"), QString(), Frame1);
    cmdSaveFile = makeButton(QStringLiteral("cmdSaveFile"), QStringLiteral("Save File"), Frame1);
    cmdLoad = makeButton(QStringLiteral("cmdLoad"), QStringLiteral("Load"), Frame1);
    cmdStore = makeButton(QStringLiteral("cmdStore"), QStringLiteral("Store"), Frame1);
    txtResp = makeTextBox(QStringLiteral("txtResp"), QStringLiteral("OK"), Frame1);
    txtResp->setReadOnly(true);
    cmdOK = makeButton(QStringLiteral("cmdOK"), QStringLiteral("OK"), Frame1);
    prgTransfer = new QProgressBar(Frame1);
    prgTransfer->setObjectName(QStringLiteral("prgTransfer"));
    prgTransfer->setVisible(false);
    cmdCancel = makeButton(QStringLiteral("cmdCancel"), QStringLiteral("Cancel"), Frame1);
    cmdCancel->setEnabled(false);

    // The list on the left, the file and radio buttons beside it; the text
    // boxes are wide enough for a whole path.
    auto* grid = new QGridLayout(Frame1);
    grid->addWidget(lsbChList, 0, 0, 8, 1);
    grid->addWidget(txtFilename, 0, 1, 1, 2);
    grid->addWidget(cmdBrowse, 1, 1);
    grid->addWidget(cmdOpenFile, 1, 2);
    grid->addWidget(txtSaveFilename, 2, 1, 1, 2);
    grid->addWidget(cmdSaveFile, 3, 2);
    grid->addWidget(cmdLoad, 4, 1);
    grid->addWidget(cmdStore, 4, 2);
    grid->addWidget(txtResp, 5, 1, 1, 2);
    grid->addWidget(prgTransfer, 6, 1, 1, 2);
    grid->addWidget(cmdCancel, 7, 1);
    grid->addWidget(cmdOK, 7, 2);
    grid->setColumnMinimumWidth(0, 180);
    grid->setColumnMinimumWidth(1, 160);
    grid->setColumnMinimumWidth(2, 160);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
}

void frmChannelSetup::connectControls() {
    connect(cmdBrowse, &QPushButton::clicked, this, &frmChannelSetup::findFile);
    connect(cmdOpenFile, &QPushButton::clicked, this, &frmChannelSetup::openFile);
    connect(cmdSaveFile, &QPushButton::clicked, this, &frmChannelSetup::saveFile);
    connect(cmdLoad, &QPushButton::clicked, this, &frmChannelSetup::loadChannels);
    connect(cmdStore, &QPushButton::clicked, this, &frmChannelSetup::storeChannels);
    connect(cmdCancel, &QPushButton::clicked, this, [this] { m_transfer.cancel(); });
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::close);
}

void frmChannelSetup::findFile() {
    const QString chosen =
        m_prompts.openFileName(this, QStringLiteral("Select a source file "),
                               m_folders.dialogDirectory, kTextFilter, kTextFilter);
    if (chosen.isEmpty()) {
        return;  // cancelled: the file name stays
    }
    txtFilename->setText(QDir::toNativeSeparators(withDefaultExtension(chosen, true)));
}

void frmChannelSetup::openFile() {
    if (m_transfer.running()) {
        return;
    }
    // Any size passes here: readChannelFile refuses an oversized file with a
    // report of its own and keeps the list, rather than offering a dialog.
    if (!link::fileExists(txtFilename->text(), m_mainInfo, link::kAnyFileSize)) {
        findFile();
        if (!link::fileExists(txtFilename->text(), m_mainInfo, link::kAnyFileSize)) {
            return;
        }
    }
    const QString path = txtFilename->text();
    const auto read = persist::readChannelFile(path);
    if (const auto* failure = std::get_if<persist::PersistedFileError>(&read)) {
        // Nothing read, so the list the operator had is kept.
        m_mainInfo.showErrorInfo(failure->report(path));
        return;
    }
    lsbChList->clear();
    lsbChList->addItems(std::get<QStringList>(read));
}

QString frmChannelSetup::saveDialogStart() const {
    const QString name = txtSaveFilename->text();
    if (name.isEmpty()) {
        return m_folders.dialogDirectory;
    }
    return QDir(m_folders.dialogDirectory).filePath(name);
}

void frmChannelSetup::saveFile() {
    if (m_transfer.running()) {
        return;
    }
    const QString chosen =
        m_prompts.saveFileName(this, QStringLiteral("Select the Destination File."),
                               saveDialogStart(), kSaveFilters, kSaveSelectedFilter);
    if (chosen.isEmpty()) {
        // A cancelled save is reported like a failed one, naming the file
        // that was not written.
        m_mainInfo.showErrorInfo(
            persist::PersistedFileError{ECANCELED, QString::fromLocal8Bit(std::strerror(ECANCELED))}
                .report(txtSaveFilename->text()));
        return;
    }
    const QString path = QDir::toNativeSeparators(withDefaultExtension(chosen, false));
    txtSaveFilename->setText(path);
    if (const auto failure = persist::writeChannelFile(path, entries())) {
        m_mainInfo.showErrorInfo(failure->report(path));
        return;
    }
    m_mainInfo.showErrorInfo(QStringLiteral("Saved to ") + path);
}

void frmChannelSetup::showTransfer(bool running, const QString& progressFormat) {
    for (QPushButton* button : {cmdBrowse, cmdOpenFile, cmdSaveFile, cmdLoad, cmdStore}) {
        button->setEnabled(!running);
    }
    cmdCancel->setEnabled(running);
    prgTransfer->setVisible(running);
    if (running) {
        prgTransfer->setFormat(progressFormat);
        prgTransfer->setValue(0);
    }
}

panel::ChannelTransfer::Report frmChannelSetup::transferReport() {
    panel::ChannelTransfer::Report report;
    report.progress = [this](int position, int total) {
        prgTransfer->setRange(0, total);
        prgTransfer->setValue(position);
    };
    report.entryRead = [this](const QString& entry) { lsbChList->addItem(entry); };
    report.exchanged = [this](const QString& text) { txtResp->setText(text); };
    return report;
}

void frmChannelSetup::loadChannels() {
    if (m_transfer.running()) {
        return;  // a second click while a transfer runs inside its pauses
    }
    lsbChList->clear();
    showTransfer(true, QStringLiteral("Channel %v of %m"));
    try {
        m_transfer.load(transferReport());
    } catch (const link::PortFailure& failure) {
        m_mainInfo.showErrorInfo(link::failureReport(QStringLiteral("cmdLoad_Click"), failure));
    }
    showTransfer(false);
    lsbChList->setVisible(true);
}

void frmChannelSetup::storeChannels() {
    if (m_transfer.running()) {
        return;
    }
    showTransfer(true, QStringLiteral("Entry %v of %m"));
    m_transfer.store(entries(), transferReport());
    showTransfer(false);
}

}  // namespace tq::ui
