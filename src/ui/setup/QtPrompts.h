#pragma once

#include "ui/setup/Prompts.h"

namespace tq::ui {

/// The prompts as Qt's message boxes and file dialogs, for the running
/// program.
class QtPrompts final : public Prompts {
public:
    void message(QWidget* parent, Icon icon, const QString& title, const QString& text) override;
    bool question(QWidget* parent, const QString& title, const QString& text) override;
    int choice(QWidget* parent, Icon icon, const QString& title, const QString& text,
               const QStringList& buttons) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& directory,
                         const QString& filter, const QString& selectedFilter = {}) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& directory,
                         const QString& filter, const QString& selectedFilter = {}) override;
};

}  // namespace tq::ui
