#include "ui/about/HelpBrowser.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <QVBoxLayout>

namespace tq::ui {

HelpBrowser::HelpBrowser(const QString& pagePath, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmHelpBrowser"));
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("TQ-5820 Help"));
    brwHelp = new QTextBrowser(this);
    brwHelp->setObjectName(QStringLiteral("brwHelp"));
    // The page's links are its own sections; nothing opens outside.
    brwHelp->setOpenExternalLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(brwHelp);
    resize(720, 640);

    const QFileInfo page(pagePath);
    if (page.isFile() && page.isReadable()) {
        brwHelp->setSource(QUrl::fromLocalFile(page.absoluteFilePath()));
        m_pageShown = !brwHelp->toPlainText().isEmpty();
    }
    if (!m_pageShown) {
        brwHelp->setPlainText(QStringLiteral("The help page could not be found.\n\nLooked for: ") +
                              QDir::toNativeSeparators(pagePath));
    }
}

}  // namespace tq::ui
