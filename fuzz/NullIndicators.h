#pragma once

#include "protocol/Indicators.h"

namespace tq::fuzz {

/// Indicators that show nothing but keep the raw view switched on, so the
/// rewritten batch is produced on every run.
class NullIndicators final : public protocol::Indicators {
public:
    void setLamp(protocol::Lamp) override {}
    void setComStat(const QString&) override {}
    void setSyncLabel(const QString&) override {}
    bool rawDataShown() const override { return true; }
    void setRawData(const QString& text) override { lastRawSize = text.size(); }
    void showErrorInfo(const QString&) override {}
    void setFirmwareCaption(const QString&) override {}
    void displayMeterData(const QString&) override {}
    void greyMeterLabels() override {}
    void showMode() override {}
    void showSideTone() override {}
    void showSource() override {}
    void showPttEnable() override {}

    qsizetype lastRawSize = 0;
};

}  // namespace tq::fuzz
