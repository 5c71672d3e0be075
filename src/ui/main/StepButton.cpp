#include "ui/main/StepButton.h"

#include <QMouseEvent>

namespace tq::ui {

StepButton::StepButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

int StepButton::buttonCode(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return kLeft;
        case Qt::RightButton:
            return kRight;
        case Qt::MiddleButton:
            return kMiddle;
        default:
            return 0;
    }
}

void StepButton::mousePressEvent(QMouseEvent* event) {
    // The base class first, so a left press still looks pressed while the
    // handler of mouseDown runs its stepping loop.
    QPushButton::mousePressEvent(event);
    emit mouseDown(buttonCode(event->button()));
}

void StepButton::mouseReleaseEvent(QMouseEvent* event) {
    QPushButton::mouseReleaseEvent(event);
    emit mouseUp(buttonCode(event->button()));
}

}  // namespace tq::ui
