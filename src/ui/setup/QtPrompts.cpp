#include "ui/setup/QtPrompts.h"

#include <QFileDialog>
#include <QMessageBox>

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
