#pragma once

#include <QString>

namespace tq::cat {

/// Where the CAT bridge shows what it does: the CAT frame's two boxes and
/// the link status. The bridge may run on a thread of its own, so these only
/// report; nothing is read back.
class CatPanel {
public:
    virtual ~CatPanel() = default;

    virtual void showCatInput(const QString& text) = 0;
    virtual void showCatOutput(const QString& text) = 0;
    virtual void setComStat(const QString& caption) = 0;
};

}  // namespace tq::cat
