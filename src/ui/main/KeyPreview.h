#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

namespace tq::ui {

/// Window-level key handling: while the window is the active one, every key
/// press reaches the handler first, whichever control has the focus. The
/// handler returns true to keep the key from the control.
class KeyPreview : public QObject {
public:
    using Handler = std::function<bool(const QKeyEvent&)>;

    /// Watches the whole application (a key on a child control is only seen
    /// there) and passes on the keys meant for window.
    KeyPreview(QWidget& window, Handler handler);
    ~KeyPreview() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    Handler m_handler;
};

}  // namespace tq::ui
