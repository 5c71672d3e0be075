#include "ui/setup/QtPrompts.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <array>
#include <utility>

namespace tq::ui {

void QtPrompts::message(QWidget* parent, Icon icon, const QString& title, const QString& text) {
    switch (icon) {
        case Icon::Information:
            QMessageBox::information(parent, title, text);
            return;
        case Icon::Warning:
            QMessageBox::warning(parent, title, text);
            return;
        case Icon::Critical:
            QMessageBox::critical(parent, title, text);
            return;
    }
}

bool QtPrompts::question(QWidget* parent, const QString& title, const QString& text) {
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

int QtPrompts::choice(QWidget* parent, Icon icon, const QString& title, const QString& text,
                      const QStringList& buttons) {
    static constexpr std::array<std::pair<Prompts::Icon, QMessageBox::Icon>, 3> kIcons{{
        {Icon::Information, QMessageBox::Information},
        {Icon::Warning, QMessageBox::Warning},
        {Icon::Critical, QMessageBox::Critical},
    }};
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    for (const auto& [ours, qts] : kIcons) {
        if (ours == icon) {
            box.setIcon(qts);
        }
    }
    QList<QAbstractButton*> added;
    for (const QString& caption : buttons) {
        added << box.addButton(caption, QMessageBox::AcceptRole);
    }
    if (!added.isEmpty()) {
        box.setDefaultButton(qobject_cast<QPushButton*>(added.first()));
        // Without an escape button the box could not be closed but by a choice.
        box.setEscapeButton(added.first());
    }
    box.exec();
    return static_cast<int>(added.indexOf(box.clickedButton()));
}

QString QtPrompts::openFileName(QWidget* parent, const QString& title, const QString& directory,
                                const QString& filter, const QString& selectedFilter) {
    QString selected = selectedFilter;
    return QFileDialog::getOpenFileName(parent, title, directory, filter,
                                        selected.isEmpty() ? nullptr : &selected);
}

QString QtPrompts::saveFileName(QWidget* parent, const QString& title, const QString& directory,
                                const QString& filter, const QString& selectedFilter) {
    QString selected = selectedFilter;
    return QFileDialog::getSaveFileName(parent, title, directory, filter,
                                        selected.isEmpty() ? nullptr : &selected);
}

}  // namespace tq::ui
