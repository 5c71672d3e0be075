#pragma once

#include <QHostAddress>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <vector>

#include "link/Clock.h"
#include "panel/PanelActions.h"
#include "panel/PanelModel.h"
#include "web/LoginThrottle.h"
#include "web/PanelDriver.h"
#include "web/SessionStore.h"
#include "web/WebRoutes.h"
#include "web/WebTime.h"

class QHttpServerRequest;
class QTcpSocket;
class QWebSocket;

namespace tq::web {

class HttpFront;

/// How the web panel listens: the address and port, the certificate and key
/// files for TLS (both empty for plain HTTP), and the stored password hash
/// (none: the printed access address logs in, from this computer only).
struct WebPanelOptions {
    QString address = QStringLiteral("127.0.0.1");
    quint16 port = 0;
    QString certificateFile;
    QString keyFile;
    std::optional<QString> passwordHash;
};

/// The front panel as a live web page: serves the page behind a login,
/// keeps every open page in step with the panel model over a WebSocket, and
/// turns the pages' messages into the panel's own operations. Lives on the
/// user-interface thread beside the model.
class WebPanelServer : public QObject {
    Q_OBJECT

public:
    static constexpr int kHeartbeatMs = 250;
    static constexpr int kCheckMs = 100;
    static constexpr int kMaxPages = 16;
    static constexpr qint64 kMaxMessageBytes = 4096;
    static constexpr const char* kSocketPath = "/ws";

    WebPanelServer(panel::PanelModel& model, panel::PanelActions& actions, link::Clock& clock,
                   QObject* parent = nullptr);
    ~WebPanelServer() override;

    /// Starts listening (after stopping any earlier server); the reason for
    /// the operator when it cannot.
    std::optional<QString> start(const WebPanelOptions& options);
    /// Stops listening and closes every page.
    void stop();

    bool isListening() const;
    quint16 port() const { return m_port; }
    bool isSecure() const { return m_secure; }
    /// The address to open, e.g. "http://127.0.0.1:8073/".
    QString address() const;
    /// The address that logs a browser in when no password is set
    /// ("http://127.0.0.1:8073/?token=..."); address() otherwise.
    QString accessAddress() const;
    /// A new or removed password takes effect for the next login.
    void setPasswordHash(std::optional<QString> hash);
    int pageCount() const { return static_cast<int>(m_pages.size()); }

    /// The periodic checks: holds of silent pages, expired sessions and
    /// login delays. A timer runs them in the program; tests call it after
    /// advancing their clock.
    void tick();

signals:
    void pageCountChanged(int pages);
    /// A password check finished (for tests and the log).
    void loginChecked(bool matched);

private:
    struct Page {
        std::unique_ptr<QWebSocket> socket;
        QString session;
    };

    bool handleHttp(const QHttpServerRequest& request, QTcpSocket* socket);
    void refuseUpgrade(const QHttpServerRequest& request, QTcpSocket* socket);
    std::optional<QString> upgradeRefusal(const WebRequest& handshake, QString* session);
    void checkPassword(const PasswordCheck& check, QTcpSocket* socket, bool headOnly);
    void acceptSockets();
    void receive(quint64 page, const QString& message);
    void closePage(quint64 page, const QString& reason);
    void pageGone(quint64 page);
    void send(quint64 page, const QJsonObject& message);
    std::vector<quint64> pageIds() const;
    void noteField(panel::Field field);
    void noteControl(panel::Control control);
    void flush();
    void sendHolds();

    panel::PanelModel& m_model;
    WebTime m_time;
    SessionStore m_sessions;
    LoginThrottle m_throttle;
    WebRoutes m_routes;
    PanelDriver m_driver;
    std::unique_ptr<HttpFront> m_front;
    std::map<quint64, Page> m_pages;
    quint64 m_nextPage = 1;
    QHostAddress m_address;
    quint16 m_port = 0;
    bool m_secure = false;
    QString m_accessToken;
    std::set<panel::Field> m_dirtyFields;
    std::set<panel::Control> m_dirtyControls;
    QTimer m_flushTimer;
    QTimer m_checkTimer;
    bool m_checking = false;
    // Last, so that it is destroyed first: its destructor waits for a
    // password check still running, whose answer needs the members above.
    QThreadPool m_workers;
};

}  // namespace tq::web
