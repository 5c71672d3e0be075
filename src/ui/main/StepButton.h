#pragma once

#include <QPushButton>

namespace tq::ui {

/// A push button that reports each press and release of any mouse button,
/// for the controls that step up on a left press, down on a right press and
/// repeat while held. QPushButton alone reacts to the left button only.
///
/// Buttons are reported by their established codes: 1 left, 2 right,
/// 4 middle.
class StepButton : public QPushButton {
    Q_OBJECT

public:
    static constexpr int kLeft = 1;
    static constexpr int kRight = 2;
    static constexpr int kMiddle = 4;

    explicit StepButton(const QString& caption, QWidget* parent = nullptr);

    /// The established code of a Qt mouse button; 0 for any other button.
    static int buttonCode(Qt::MouseButton button);

signals:
    void mouseDown(int button);
    void mouseUp(int button);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace tq::ui
