#include "web/WebAssets.h"

#include <QFile>
#include <array>

namespace tq::web {

namespace {

struct AssetRow {
    const char* path;
    const char* resource;
    const char* contentType;
    bool isPublic;
};

constexpr std::array<AssetRow, 6> kAssets{{
    {"/", ":/web/panel.html", "text/html; charset=utf-8", false},
    {"/login", ":/web/login.html", "text/html; charset=utf-8", true},
    {"/assets/login.css", ":/web/login.css", "text/css; charset=utf-8", true},
    {"/assets/icon.svg", ":/web/icon.svg", "image/svg+xml", true},
    {"/assets/panel.css", ":/web/panel.css", "text/css; charset=utf-8", false},
    {"/assets/panel.js", ":/web/panel.js", "text/javascript; charset=utf-8", false},
}};

}  // namespace

std::optional<WebAsset> webAsset(const QString& path) {
    for (const AssetRow& row : kAssets) {
        if (path == QLatin1String(row.path)) {
            QFile file(QString::fromLatin1(row.resource));
            if (!file.open(QIODevice::ReadOnly)) {
                return std::nullopt;
            }
            return WebAsset{file.readAll(), row.contentType, row.isPublic};
        }
    }
    return std::nullopt;
}

}  // namespace tq::web
