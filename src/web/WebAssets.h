#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace tq::web {

/// One file of the page, compiled into the program as a Qt resource.
struct WebAsset {
    QByteArray body;
    QByteArray contentType;
    /// Served without a login (the login page and its style sheet).
    bool isPublic = false;
};

/// The page's files by the path the browser asks for ("/", "/login",
/// "/assets/panel.js"); nothing for any other path. Nothing is fetched from
/// elsewhere, so the page works without internet access.
std::optional<WebAsset> webAsset(const QString& path);

}  // namespace tq::web
