#pragma once

#include <QHostAddress>
#include <QObject>
#include <QThread>
#include <memory>
#include <optional>

#include "app/StationRigAccess.h"
#include "cat/CatBridge.h"
#include "cat/CatPortSetup.h"
#include "link/DeviceWatch.h"
#include "link/PortFailure.h"
#include "rigctl/RigctlServer.h"

namespace tq::link {
class Clock;
class SerialPort;
}  // namespace tq::link

namespace tq::app {

/// The two routes station software takes to the radio: the CAT port with
/// its bridge, and network rig control. Both answer from the station
/// gateway, never from the radio, so in the program they run on a thread of
/// their own and answer whatever the main loop is doing (waiting for a
/// reply, a window open, a long operation). The main thread reaches them
/// through the calls below, each carried out on their thread while the
/// caller waits; tests keep everything on one thread.
class StationSoftware : public QObject {
public:
    StationSoftware(link::SerialPort& catPort, link::Clock& clock, panel::StationGateway& gateway,
                    cat::CatPanel& catPanel);
    ~StationSoftware() override;

    /// Moves the routes onto a thread of their own and starts it. The CAT
    /// port and the clock given must be used by nothing else from then on.
    void startThread();

    /// Opens the CAT port with these settings (closing it first); the
    /// failure when it could not.
    std::optional<link::PortFailure> configureCat(const cat::CatPortSetup& setup);
    void closeCat();
    void setExtendedCat(bool extended);

    /// Network rig control: listen (the reason when it cannot), or stop.
    std::optional<QString> listen(const QHostAddress& address, quint16 port);
    void stopNetwork();
    bool isListeningOn(const QHostAddress& address, quint16 port);

    /// Ends both routes for good (the program closes): a transmitter held
    /// by a client is released, the port closed, the clients dropped.
    void shutDown();

    rigctl::RigctlServer& server() { return *m_server; }
    cat::CatBridge& bridge() { return m_bridge; }

private:
    template <typename Work>
    auto onRoutesThread(Work work);
    void portEvent();

    link::SerialPort& m_catPort;
    StationRigAccess m_rigAccess;
    cat::CatBridge m_bridge;
    // Children, so they move to the routes' thread with this object.
    rigctl::RigctlServer* m_server;
    link::DeviceWatch* m_catWatch;
    std::unique_ptr<QThread> m_thread;
};

}  // namespace tq::app
