#include "ui/main/ControlFactory.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

#include "ui/main/StepButton.h"

namespace tq::ui {

QString elementName(const QString& arrayName, int index) {
    return arrayName + QLatin1Char('_') + QString::number(index);
}

QGroupBox* makeFrame(const QString& name, const QString& caption) {
    auto* frame = new QGroupBox(caption);
    frame->setObjectName(name);
    return frame;
}

QPushButton* makeButton(const QString& name, const QString& caption, const QString& tooltip) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setToolTip(tooltip);
    return button;
}

StepButton* makeStepButton(const QString& name, const QString& caption, const QString& tooltip) {
    auto* button = new StepButton(caption);
    button->setObjectName(name);
    button->setToolTip(tooltip);
    return button;
}

QLabel* makeLabel(const QString& name, const QString& caption) {
    auto* label = new QLabel(caption);
    label->setObjectName(name);
    return label;
}

QComboBox* makeCombo(const QString& name, const QStringList& items, const QString& tooltip) {
    auto* combo = new QComboBox;
    combo->setObjectName(name);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->setToolTip(tooltip);
    return combo;
}

QLineEdit* makeTextBox(const QString& name, const QString& text, const QString& tooltip) {
    auto* box = new QLineEdit(text);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setToolTip(tooltip);
    return box;
}

QSlider* makeVerticalSlider(const QString& name, int bottom, int top, int value) {
    auto* slider = new QSlider(Qt::Vertical);
    slider->setObjectName(name);
    slider->setRange(bottom, top);
    slider->setValue(value);
    return slider;
}

QLineEdit* makeSliderReadout(const QString& name, const QString& text, const QString& tooltip,
                             QSlider* slider) {
    constexpr int kReadoutWidth = 48;
    QLineEdit* readout = makeTextBox(name, text, tooltip);
    readout->setFixedWidth(kReadoutWidth);
    readout->setAlignment(Qt::AlignRight);
    readout->setFocusProxy(slider);
    return readout;
}

}  // namespace tq::ui
