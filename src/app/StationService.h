#pragma once

#include <QObject>
#include <QString>

#include "panel/StationGateway.h"

namespace tq::app {

class Program;

/// The main thread's side of the station gateway: publishes what the radio
/// last validly reported and what the panel shows, so station software reads
/// it at once, and carries out the sets it accepted, from the main loop's
/// request table, between exchanges with the radio.
class StationService : public QObject {
public:
    StationService(Program& program, panel::StationGateway& gateway);

    /// Publishes the radio and the panel as they stand now.
    void publish();
    /// Whether accepted sets wait for the main loop.
    bool setsWaiting() const { return m_gateway.setsWaiting(); }
    /// Carries out the waiting sets in order, with the checks they would
    /// meet at the panel now.
    void carryOutSets();

    /// The transmit conditions as the panel stands now.
    panel::TransmitConditions transmitConditions() const;

private:
    panel::StationView currentView();
    bool panelTransmitting() const;

    Program& m_program;
    panel::StationGateway& m_gateway;
    // A garbled reply line leaves what the radio last said validly.
    QString m_lastFrequency;
    QString m_lastMode;
};

}  // namespace tq::app
