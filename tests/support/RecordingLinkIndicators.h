#pragma once

#include <QString>
#include <QStringList>

#include "link/LinkIndicators.h"

namespace tq::link {

/// Stands in for the main window: keeps the information box text and every
/// text shown in it, and the link status caption.
class RecordingLinkIndicators final : public LinkIndicators {
public:
    void showErrorInfo(const QString& text) override {
        m_info = text;
        m_infoVisible = true;
        m_shown.append(text);
    }
    void setComStat(const QString& caption) override { m_comStat = caption; }

    QString info() const { return m_info; }
    bool infoVisible() const { return m_infoVisible; }
    /// Every text given to the information box, in order.
    QStringList shown() const { return m_shown; }
    QString comStat() const { return m_comStat; }

    void setInfo(const QString& text, bool visible) {
        m_info = text;
        m_infoVisible = visible;
    }

private:
    QString m_info;
    bool m_infoVisible = false;
    QStringList m_shown;
    QString m_comStat;
};

}  // namespace tq::link
