#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

namespace tq::test {

/// Every named label, frame and button of a window as "name=caption", in
/// creation order: one string shows a changed or missing caption at once.
inline QString captionsOf(const QWidget& window) {
    QStringList captions;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (const auto* label = qobject_cast<const QLabel*>(widget); label && !name.isEmpty()) {
            captions << name + u'=' + label->text();
        } else if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
            captions << name + u'=' + frame->title();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            captions << name + u'=' + button->text();
        }
    }
    return captions.join(u',');
}

/// The names of the checked option buttons, in creation order.
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
