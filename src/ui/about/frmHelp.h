#pragma once

#include <QLabel>
#include <QWidget>

namespace tq::ui {

/// frmHelp: the About window. It shows the program's title with version and
/// build stamp, a few lines of credits and a fixed line under them, and where
/// the operator's files are kept; it has no buttons and closes from its
/// close box. The opener shows it modal and
/// enables the main window again once it has closed.
class frmHelp : public QWidget {
    Q_OBJECT

public:
    /// appTitle is the main window's caption: model, version, build stamp;
    /// dataDir the data directory in use (none shown when empty).
    explicit frmHelp(const QString& appTitle, const QString& dataDir = QString(),
                     QWidget* parent = nullptr);

    /// The credits as label1 holds them: a line break, then the lines joined
    /// by line breaks (CR LF).
    static QString creditsText();
    static const QString kFixedLine;

    QLabel* Label3 = nullptr;
    QLabel* label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblDataDir = nullptr;

protected:
    /// Escape closes it too: with no button, the keyboard needs a way out.
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tq::ui
