#include "ui/main/WidgetColours.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace tq::ui {

void setBackColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    // The main loop sets indicators on every pass; a palette change costs a
    // resolve and a repaint even when nothing changes, so skip those.
    if (widget->autoFillBackground() && palette.color(QPalette::Window) == colour &&
        palette.color(QPalette::Base) == colour) {
        return;
    }
    // Labels paint Window, text boxes Base; setting both keeps one helper for
    // every kind of indicator.
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QColor backColour(const QWidget* widget) {
    return widget->palette().color(QPalette::Window);
}

void setForeColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    if (palette.color(QPalette::WindowText) == colour && palette.color(QPalette::Text) == colour) {
        return;
    }
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

QColor foreColour(const QWidget* widget) {
    return widget->palette().color(QPalette::WindowText);
}

QColor greyTextColour() {
    return QApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
}

QColor buttonTextColour() {
    return QApplication::palette().color(QPalette::ButtonText);
}

}  // namespace tq::ui
