#include "ui/about/frmHelp.h"

#include <QDir>
#include <QKeyEvent>
#include <QStringList>
#include <QVBoxLayout>

namespace tq::ui {

namespace {

QLabel* makeLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignHCenter);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

const QString frmHelp::kFixedLine =
    QStringLiteral("No warranty: the operator answers for every transmission this program keys.");

QString frmHelp::creditsText() {
    const QStringList lines{
        QStringLiteral("TQ-5820 Control"),
        QStringLiteral("Front panel, band lists, scans and memory channels"),
        QStringLiteral("for the TQ-5820 HF transceiver and its amplifier."),
        QStringLiteral("Rewritten with Qt for today's desktops,"),
        QStringLiteral("after the earlier Windows versions of the program"),
        QStringLiteral("and the work of their authors."),
    };
    const QString lineBreak = QStringLiteral("\r\n");
    return lineBreak + lines.join(lineBreak);
}

frmHelp::frmHelp(const QString& appTitle, const QString& dataDir, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("frmHelp"));
    // Its own top-level window, so the disabled main window does not
    // disable it too.
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("About "));

    Label3 = makeLabel("Label3", this);
    QFont titleFont = Label3->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    Label3->setFont(titleFont);
    label1 = makeLabel("label1", this);
    Label2 = makeLabel("Label2", this);
    Label2->setWordWrap(true);
    // Started from a desktop menu, the operator never chose a directory, so
    // this is where to look for the settings and list files.
    lblDataDir = makeLabel("lblDataDir", this);
    lblDataDir->setText(QStringLiteral("Data directory: ") + QDir::toNativeSeparators(dataDir));
    lblDataDir->setVisible(!dataDir.isEmpty());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->addWidget(Label3);
    layout->addWidget(label1);
    layout->addSpacing(12);
    layout->addWidget(Label2);
    layout->addSpacing(12);
    layout->addWidget(lblDataDir);

    label1->setText(creditsText());
    Label2->setText(kFixedLine);
    Label3->setText(appTitle);
}

void frmHelp::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace tq::ui
