#include "ui/setup/CodeOptionGroup.h"

#include <QVBoxLayout>

namespace tq::ui {

CodeOptionGroup::CodeOptionGroup(const QString& frameName, const QString& title,
                                 const QString& arrayName, const QStringList& captions,
                                 const QStringList& codes, QWidget* parent)
    : QGroupBox(title, parent), m_codes(codes), m_group(new QButtonGroup(this)) {
    setObjectName(frameName);
    auto* layout = new QVBoxLayout(this);
    for (qsizetype i = 0; i < captions.size(); ++i) {
        auto* button = new QRadioButton(captions.at(i), this);
        button->setObjectName(arrayName + u'_' + QString::number(i));
        m_group->addButton(button, static_cast<int>(i));
        m_buttons.append(button);
        layout->addWidget(button);
    }
    layout->addStretch();
    connect(m_group, &QButtonGroup::idClicked, this,
            [this](int id) { emit codeClicked(m_codes.value(id)); });
}

void CodeOptionGroup::showCode(const QString& code, int fallbackIndex) {
    const qsizetype index = m_codes.indexOf(code);
    selectIndex(index >= 0 ? static_cast<int>(index) : fallbackIndex);
}

void CodeOptionGroup::selectIndex(int index) {
    if (index >= 0 && index < m_buttons.size()) {
        m_buttons.at(index)->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; showing that no button
    // applies needs the exclusivity lifted for the moment.
    if (QAbstractButton* checked = m_group->checkedButton()) {
        m_group->setExclusive(false);
        checked->setChecked(false);
        m_group->setExclusive(true);
    }
}

}  // namespace tq::ui
