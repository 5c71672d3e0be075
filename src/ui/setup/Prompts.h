#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace tq::ui {

/// The program's modal prompts (message boxes and file dialogs), behind one
/// seam so that a test answers them in advance and never blocks on a window.
/// Every window that prompts takes a Prompts& from its opener.
class Prompts {
public:
    /// The symbol a message box shows beside its text.
    enum class Icon { Information, Warning, Critical };

    virtual ~Prompts();

    /// A message with an OK button; returns once the operator has closed it.
    virtual void message(QWidget* parent, Icon icon, const QString& title, const QString& text) = 0;
    /// A question with Yes and No buttons: true for Yes, false for No or when
    /// the box is closed otherwise.
    virtual bool question(QWidget* parent, const QString& title, const QString& text) = 0;
    /// A question whose answers are the given button captions, the first one
    /// the default and also the answer of Escape or of the box being closed
    /// otherwise: the index of the chosen button, or -1 when there was no
    /// answer at all.
    virtual int choice(QWidget* parent, Icon icon, const QString& title, const QString& text,
                       const QStringList& buttons) = 0;
    /// An open-file dialog starting in directory (or at the file it names)
    /// and showing the files that match filter ("Text files (*.txt)", several
    /// joined by ";;"), opening on selectedFilter when given: the chosen path,
    /// or an empty text when the operator cancels.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& directory,
                                 const QString& filter, const QString& selectedFilter = {}) = 0;
    /// A save-file dialog, as openFileName.
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& directory,
                                 const QString& filter, const QString& selectedFilter = {}) = 0;
};

}  // namespace tq::ui
