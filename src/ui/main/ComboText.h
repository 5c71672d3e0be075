#pragma once

#include <QString>

class QComboBox;

namespace tq::ui {

/// Shows the item whose text is exactly text; a text that is none of the
/// items leaves the combo as it was. Returns whether the item was found.
bool setComboText(QComboBox* combo, const QString& text);

}  // namespace tq::ui
