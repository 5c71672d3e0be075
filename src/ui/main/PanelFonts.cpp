#include "ui/main/PanelFonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace tq::ui {

QFont courierNew(int pointSize, bool bold) {
    QFont font(QStringLiteral("Courier New"));
    if (!QFontDatabase::families().contains(font.family())) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    }
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace tq::ui
