#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "protocol/Indicators.h"

namespace tq::test {

/// Indicators that remember what the link showed, for assertions.
class RecordingIndicators : public protocol::Indicators {
public:
    void setLamp(protocol::Lamp lamp) override {
        lamp_ = lamp;
        lampHistory.push_back(lamp);
    }
    void setComStat(const QString& caption) override { comStat = caption; }
    void setSyncLabel(const QString& caption) override { syncLabel = caption; }
    bool rawDataShown() const override { return rawShown; }
    void setRawData(const QString& text) override { rawData = text; }
    void showErrorInfo(const QString& text) override {
        info = text;
        infoVisible = true;
    }
    void setFirmwareCaption(const QString& caption) override { firmwareCaption = caption; }
    void displayMeterData(const QString& line) override { meterLines << line; }
    void greyMeterLabels() override { ++meterLabelsGreyed; }
    void showMode() override { shown << QStringLiteral("mode"); }
    void showSideTone() override { shown << QStringLiteral("sidetone"); }
    void showSource() override { shown << QStringLiteral("source"); }
    void showPttEnable() override { shown << QStringLiteral("pttenable"); }

    protocol::Lamp lamp() const { return lamp_; }

    std::vector<protocol::Lamp> lampHistory;
    QString comStat;
    QString syncLabel;
    bool rawShown = false;
    QString rawData;
    QString info;
    bool infoVisible = false;
    QString firmwareCaption;
    QStringList meterLines;
    int meterLabelsGreyed = 0;
    QStringList shown;

private:
    protocol::Lamp lamp_ = protocol::Lamp::Idle;
};

}  // namespace tq::test
