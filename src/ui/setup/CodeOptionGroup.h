#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QList>
#include <QRadioButton>
#include <QString>
#include <QStringList>

namespace tq::ui {

/// A frame of option buttons that each stand for one radio code (MIC "H1",
/// PTT on "'1", ...). The buttons form a control array: button i is named
/// "<arrayName>_<i>" and stands for codes[i].
class CodeOptionGroup : public QGroupBox {
    Q_OBJECT

public:
    /// captions and codes run in button order and have the same length.
    CodeOptionGroup(const QString& frameName, const QString& title, const QString& arrayName,
                    const QStringList& captions, const QStringList& codes,
                    QWidget* parent = nullptr);

    /// Whether one of the buttons stands for code.
    bool hasCode(const QString& code) const { return m_codes.contains(code); }

    /// Selects the button of code; for a code no button stands for, the
    /// button at fallbackIndex, or no button at all when that is negative.
    /// Emits nothing: the caller sets its working value itself.
    void showCode(const QString& code, int fallbackIndex = -1);

signals:
    /// The operator clicked the button standing for code.
    void codeClicked(const QString& code);

private:
    void selectIndex(int index);

    QStringList m_codes;
    QList<QRadioButton*> m_buttons;
    QButtonGroup* m_group;
};

}  // namespace tq::ui
