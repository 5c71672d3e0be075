#pragma once

#include <QString>

namespace tq::link {

/// The two places on the main window where the serial layer reports: the
/// information box and the link status label. Implemented by the main window.
class LinkIndicators {
public:
    virtual ~LinkIndicators() = default;

    /// Replaces the information box's text and makes the box visible.
    virtual void showErrorInfo(const QString& text) = 0;
    /// The link status label ("Com OK", "No Com", "Com Error", ...).
    virtual void setComStat(const QString& caption) = 0;
};

}  // namespace tq::link
