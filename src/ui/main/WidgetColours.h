#pragma once

#include <QColor>

class QWidget;

namespace tq::ui {

/// Background ("back colour") and text ("fore colour") of a label or text
/// box, kept in the widget's palette so that what the panel shows can be read
/// back: operations decide from the colours as much as from the captions.
void setBackColour(QWidget* widget, const QColor& colour);
QColor backColour(const QWidget* widget);
void setForeColour(QWidget* widget, const QColor& colour);
QColor foreColour(const QWidget* widget);

/// The desktop's colour for greyed-out text: the idle lamp and unselected
/// meter names.
QColor greyTextColour();
/// The desktop's colour for button captions: selected meter names and the
/// control mode indicator.
QColor buttonTextColour();

}  // namespace tq::ui
