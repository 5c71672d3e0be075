#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace tq::ui {

class StepButton;

// Every control is created named, so tests and the rest of the program find
// it by its established name.

/// The name of element index of a control array: "cmdF_0".
QString elementName(const QString& arrayName, int index);

QGroupBox* makeFrame(const QString& name, const QString& caption);
QPushButton* makeButton(const QString& name, const QString& caption,
                        const QString& tooltip = QString());
StepButton* makeStepButton(const QString& name, const QString& caption, const QString& tooltip);
QLabel* makeLabel(const QString& name, const QString& caption = QString());
/// A drop-down list whose text is one of its items, or empty before the
/// first choice.
QComboBox* makeCombo(const QString& name, const QStringList& items, const QString& tooltip);
/// A read-only text box: the panel's boxes show, the operator does not type.
QLineEdit* makeTextBox(const QString& name, const QString& text = QString(),
                       const QString& tooltip = QString());

/// The read-out beside a slider: right-aligned, narrow, and never typed
/// into; the focus goes on to the slider.
QLineEdit* makeSliderReadout(const QString& name, const QString& text, const QString& tooltip,
                             QSlider* slider);
/// A vertical slider from bottom to top.
QSlider* makeVerticalSlider(const QString& name, int bottom, int top, int value);

}  // namespace tq::ui
