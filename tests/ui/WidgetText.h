#pragma once

#include <QAbstractButton>
#include <QRadioButton>
#include <QTest>

namespace tq::test {

/// The checked option buttons, in creation order.
inline QString checkedOptions(const QWidget& window) {
    QStringList names;
    for (const QRadioButton* button : window.findChildren<QRadioButton*>()) {
        if (button->isChecked()) {
            names << button->objectName();
        }
    }
    return names.join(u' ');
}

/// Clicks a button near its left edge: an option button reacts only on its
/// circle and caption, which need not reach the middle of a wide button.
inline bool clickButton(const QWidget& window, const char* name) {
    auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(name));
    if (button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    return button != nullptr;
}

}  // namespace tq::test
