#include "ui/main/KeyPreview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace tq::ui {

KeyPreview::KeyPreview(QWidget& window, Handler handler)
    : m_window(window), m_handler(std::move(handler)) {
    qApp->installEventFilter(this);
}

KeyPreview::~KeyPreview() {
    qApp->removeEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !m_handler) {
        return false;
    }
    // A press the focused control ignores is offered again to each parent on
    // its way up; take it once, where it first arrives.
    auto* widget = qobject_cast<QWidget*>(watched);
    const bool firstArrival = widget == QApplication::focusWidget() || widget == &m_window;
    if (widget == nullptr || !firstArrival || widget->window() != &m_window ||
        !m_window.isActiveWindow()) {
        return false;
    }
    return m_handler(static_cast<const QKeyEvent&>(*event));
}

}  // namespace tq::ui
