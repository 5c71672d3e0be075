#pragma once

#include <QTextBrowser>
#include <QWidget>

namespace tq::ui {

/// frmHelpBrowser: shows the operator's help page (Help > TQ-5820 Help). It
/// is an ordinary window beside the panel, as a help viewer is: the panel
/// stays usable while it is open.
class HelpBrowser : public QWidget {
    Q_OBJECT

public:
    /// Shows the page at pagePath; when it cannot be read the window says so
    /// and names the path it looked for, rather than standing empty.
    explicit HelpBrowser(const QString& pagePath, QWidget* parent = nullptr);

    /// Whether the page was found and shown.
    bool pageShown() const { return m_pageShown; }

    QTextBrowser* brwHelp = nullptr;

private:
    bool m_pageShown = false;
};

}  // namespace tq::ui
