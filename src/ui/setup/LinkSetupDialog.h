#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>

#include "link/LinkIndicators.h"
#include "persist/StationLinksFile.h"
#include "persist/WebPanelFile.h"
#include "ui/setup/WebPanelSection.h"

namespace tq::ui {

/// frmLinkSetup: how other station software reaches the radio besides the
/// plain CAT port: the extended CAT commands, and the Hamlib-compatible
/// network rig control server with its listen address and port.
///
/// Apply hands the values to the program, which starts, moves or stops the
/// server at once, shows what the server now does, and keeps the values in
/// persist::StationLinks.txt (a failed write is reported in the information box).
/// The opener disables the main window and shows the dialog modal; closing
/// it discards values not applied.
class LinkSetupDialog : public QDialog {
    Q_OBJECT

public:
    /// What Apply runs after storing the values in links: the program's
    /// response, as a line for the operator.
    using ApplyLinks = std::function<QString()>;

    LinkSetupDialog(persist::StationLinks& links, ApplyLinks applyLinks,
                    link::LinkIndicators& indicators, const QString& status);

    /// Adds the web panel section: Apply then also takes its settings,
    /// runs applyWeb (the program's response, a line for the operator) and
    /// keeps them in persist::WebPanel.txt.
    void addWebPanel(persist::WebPanelSettings& settings, bool hasPassword, ApplyLinks applyWeb,
                     WebPanelSection::SetPassword setPassword, const QString& status);

    void done(int result) override;

signals:
    void unloaded();

private:
    void buildControls();
    void showLinks();
    void apply();

    persist::StationLinks& m_links;
    ApplyLinks m_applyLinks;
    link::LinkIndicators& m_indicators;

    QCheckBox* m_chkExtendedCat = nullptr;
    QCheckBox* m_chkNetwork = nullptr;
    QLineEdit* m_txtAddress = nullptr;
    QLineEdit* m_txtPort = nullptr;
    QLabel* m_lblStatus = nullptr;
    QPushButton* m_cmdApply = nullptr;
    QPushButton* m_cmdClose = nullptr;
    QVBoxLayout* m_layout = nullptr;

    persist::WebPanelSettings* m_web = nullptr;
    ApplyLinks m_applyWeb;
    WebPanelSection* m_webSection = nullptr;
};

}  // namespace tq::ui
