#pragma once

#include <QString>

namespace tq::cat {

/// The places on the main window that the CAT bridge shows in and reads:
/// the last text received and the last reply sent, the link status label,
/// and the digital mode chosen. Implemented over the main window.
class CatPanel {
public:
    virtual ~CatPanel() = default;

    virtual void showCatInput(const QString& text) = 0;
    virtual void showCatOutput(const QString& text) = 0;
    /// The reply box's text, which is what goes out on the port.
    virtual QString catOutput() const = 0;
    virtual void setComStat(const QString& caption) = 0;
    virtual QString digitalMode() const = 0;
};

}  // namespace tq::cat
