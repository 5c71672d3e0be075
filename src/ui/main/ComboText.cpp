#include "ui/main/ComboText.h"

#include <QComboBox>

namespace tq::ui {

bool setComboText(QComboBox* combo, const QString& text) {
    const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) {
        return false;
    }
    combo->setCurrentIndex(index);
    return true;
}

}  // namespace tq::ui
