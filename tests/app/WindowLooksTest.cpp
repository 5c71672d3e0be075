// Every window and a whole session of the operator's, compared with their
// records in tests/app/looks; TQ_RECORD_LOOKS=1 rewrites them (read the diff).
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QJsonArray>
#include <QJsonDocument>
#include <QKeySequence>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>

#include "ProgramHarness.h"
#include "panel/PanelNames.h"
#include "web/FieldEncoding.h"

using tq::panel::Control;
using tq::panel::Field;
using tq::test::ProgramHarness;

namespace {

// What the operator sees of a widget or menu entry; empty, false and 0 go unwritten.
const QList<QByteArray> kShownProperties =
    QByteArray(
        "windowTitle text title toolTip checked autoExclusive alignment wordWrap readOnly echoMode "
        "editable currentIndex count minimum maximum value frameShape styleSheet "
        "textInteractionFlags")
        .split(' ');

bool holds(const QLayout* layout, const QWidget* widget) {
    for (int i = 0; layout && i < layout->count(); ++i) {
        if (layout->itemAt(i)->widget() == widget || holds(layout->itemAt(i)->layout(), widget)) {
            return true;
        }
    }
    return false;
}

QString shownProperties(const QObject* object) {
    QString out =
        QString::fromLatin1(object->metaObject()->className()) + u'#' + object->objectName();
    for (const QByteArray& name : kShownProperties) {
        const QVariant value = object->property(name.constData());
        if (value.typeId() == QMetaType::QString && !value.toString().isEmpty()) {
            out += QStringLiteral(" %1 \"%2\"")
                       .arg(QString::fromLatin1(name),
                            value.toString().replace(u'\n', "\\n").replace(u'\r', "\\r"));
        } else if (value.isValid() && value.typeId() != QMetaType::QString && value.toInt() != 0) {
            out += QStringLiteral(" %1 %2").arg(QString::fromLatin1(name)).arg(value.toInt());
        }
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(object)) {
        for (int i = 0; i < combo->count(); ++i)
            out += QStringLiteral(" |") + combo->itemText(i);
    }
    if (const auto* action = qobject_cast<const QAction*>(object); action && !action->isEnabled()) {
        out += QStringLiteral(" disabled");
    }
    return out;
}

/// A layout's spacing, items, stretch and minimum sizes; the layouts it holds in brackets.
QString layoutLook(QLayout* layout) {
    const QMargins m = layout->contentsMargins();
    QString out = QString::fromLatin1(layout->metaObject()->className()) +
                  QString::asprintf(" margins %d,%d,%d,%d spacing %d items %d", m.left(), m.top(),
                                    m.right(), m.bottom(), layout->spacing(), layout->count());
    if (const auto* grid = qobject_cast<const QGridLayout*>(layout)) {
        for (int i = 0; i < grid->rowCount(); ++i) {
            out += QString::asprintf(" row %d %d/%d", i, grid->rowStretch(i),
                                     grid->rowMinimumHeight(i));
        }
        for (int i = 0; i < grid->columnCount(); ++i) {
            out += QString::asprintf(" column %d %d/%d", i, grid->columnStretch(i),
                                     grid->columnMinimumWidth(i));
        }
    }
    for (int i = 0; i < layout->count(); ++i) {
        if (const auto* box = qobject_cast<const QBoxLayout*>(layout);
            box && box->stretch(i) != 0) {
            out += QString::asprintf(" stretch %d=%d", i, box->stretch(i));
        }
        if (QLayout* inner = layout->itemAt(i)->layout()) {
            out += QStringLiteral(" (") + layoutLook(inner) + u')';
        }
    }
    return out;
}

/// One line for the widget: its properties, then where and how it shows.
QString describe(const QWidget* widget, const QWidget* window) {
    QStringList parts{shownProperties(widget)};
    const QLayout* parentLayout = widget == window ? nullptr : widget->parentWidget()->layout();
    if (parentLayout && !qobject_cast<const QMenuBar*>(widget) && !holds(parentLayout, widget)) {
        parts << QStringLiteral("NOT-LAID-OUT");
    }
    if (!widget->isVisibleTo(window))
        parts << QStringLiteral("hidden");
    if (!widget->isEnabled())
        parts << QStringLiteral("disabled");
    if (widget->testAttribute(Qt::WA_SetFont)) {
        const QFont& font = widget->font();
        parts << QString::asprintf("font %s %d%s", qPrintable(font.family()), font.pointSize(),
                                   font.bold() ? " bold" : "");
    }
    if (widget->testAttribute(Qt::WA_SetPalette)) {
        parts << QStringLiteral("fore ") + widget->palette().color(QPalette::WindowText).name();
        if (widget->autoFillBackground())
            parts << QStringLiteral("back ") + widget->palette().color(QPalette::Window).name();
    }
    if (widget != window && (!widget->minimumSize().isNull() ||
                             widget->maximumSize() != QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX))) {
        parts << QString::asprintf("min %dx%d max %dx%d", widget->minimumWidth(),
                                   widget->minimumHeight(), widget->maximumWidth(),
                                   widget->maximumHeight());
    }
    if (widget->layout()) {
        parts << layoutLook(widget->layout());
    }
    return parts.join(u' ');
}

QString menuLook(const QList<QAction*>& actions, int depth) {
    QString out;
    for (const QAction* action : actions) {
        out += QString(depth * 2, u' ') + shownProperties(action) + u'\n';
        if (action->menu())
            out += menuLook(action->menu()->actions(), depth + 1);
    }
    return out;
}

/// Every widget, depth-first in the order they were made; the parts of compound
/// controls (a combo box's list, a scroll area's bars) are Qt's own, left out.
QString look(const QWidget* widget, const QWidget* window, int depth = 0) {
    QString out = QString(depth * 2, u' ') + describe(widget, window) + u'\n';
    if (qobject_cast<const QMenuBar*>(widget))
        return out + menuLook(widget->actions(), depth + 1);
    if (qobject_cast<const QComboBox*>(widget) ||
        qobject_cast<const QAbstractScrollArea*>(widget) ||
        qobject_cast<const QLineEdit*>(widget)) {
        return out;
    }
    for (const QWidget* child : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow() && !child->objectName().startsWith(QStringLiteral("qt_"))) {
            out += look(child, window, depth + 1);
        }
    }
    return out;
}

/// Compares a text with its record, or rewrites the record.
void compareRecord(const QString& name, const QString& actual) {
    QFile record(QStringLiteral(TQ_LOOKS_DIR "/%1.txt").arg(name));
    if (qEnvironmentVariableIsSet("TQ_RECORD_LOOKS")) {
        ASSERT_TRUE(record.open(QIODevice::WriteOnly)) << record.fileName().toStdString();
        record.write(actual.toUtf8());
        return;
    }
    ASSERT_TRUE(record.open(QIODevice::ReadOnly)) << record.fileName().toStdString();
    const QStringList expected = QString::fromUtf8(record.readAll()).split(u'\n'),
                      lines = actual.split(u'\n');
    for (qsizetype i = 0; i < std::max(lines.size(), expected.size()); ++i) {
        ASSERT_EQ(lines.value(i).toStdString(), expected.value(i).toStdString())
            << name.toStdString() << " line " << i + 1;
    }
}

void compare(const QString& name, const QWidget& window, const QString& dataDir) {
    compareRecord(name, look(&window, &window).replace(dataDir, QStringLiteral("<data>")));
}

TEST(WindowLooks, PanelOfALocalRadioWithoutAdaptLooksAsRecorded) {
    tq::sim::RadioOptions radio;
    radio.firmware = tq::sim::Firmware::V604NonAdapt;
    radio.remote = false;
    ProgramHarness h(radio);
    ASSERT_TRUE(h.runToMainLoop(tq::panel::ControlMode::Local));
    compare(QStringLiteral("frmTQ5820-local"), *h.program->window, h.dir.path());
}

QStringList openWindows() {
    QStringList open;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            open << window->objectName();
    }
    open.sort();
    return open;
}

/// A session as the radio, station software, the panel and the operator see
/// it, one line per event stamped with the virtual time: what went to the
/// radio and to station software, each panel value and control state that
/// changed and which windows are open.
class SessionTrace {
public:
    explicit SessionTrace(ProgramHarness& h) : m_h(h) {
        h.create();
        const tq::panel::PanelModel& m = h.program->model();
        QObject::connect(&m, &tq::panel::PanelModel::changed, [this, &m](Field field) {
            const QJsonValue value = field == Field::rawData       ? QJsonValue(m.rawData())
                                     : field == Field::meterChoice ? QJsonValue(m.meterChoice())
                                                                   : tq::web::encodeField(m, field);
            add(tq::panel::fieldName(field) + u' ' +
                QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact));
        });
        QObject::connect(&m, &tq::panel::PanelModel::controlChanged, [this, &m](Control control) {
            add(tq::panel::controlName(control) + (m.enabled(control) ? "" : " disabled") +
                (m.visible(control) ? "" : " hidden"));
        });
        tick();
    }
    ~SessionTrace() { *m_alive = false; }

    void add(const QString& line) {
        catchUp();
        write(line);
    }
    QString text() {
        catchUp();
        return QString(m_text)
            .replace(m_h.dir.path(), QStringLiteral("<data>"))
            .replace(QCoreApplication::applicationDirPath(), QStringLiteral("<program>"));
    }

private:
    void write(QString line) {
        line.replace(u'\r', QStringLiteral("\\r")).replace(u'\n', QStringLiteral("\\n"));
        m_text += QString::asprintf("%8.2f ", m_h.clock.elapsedTotal()) + line + u'\n';
    }
    /// The wires and the windows since the last line.
    void catchUp() {
        if (!m_h.port.written().isEmpty())
            write(QStringLiteral("radio< ") + m_h.takeWritten());
        const QStringList cat = m_h.catPort.log().mid(m_catSeen);
        m_catSeen += cat.size();
        for (const QString& line : cat.filter(QRegularExpression("^(open|close|write|discard)")))
            write(QStringLiteral("cat ") + line);
        const QStringList open = openWindows();
        if (open != m_open) {
            m_open = open;
            write(QStringLiteral("windows ") + open.join(u' '));
        }
    }
    void tick() {
        m_h.clock.schedule(0.05, [this, alive = m_alive] {
            if (*alive) {
                catchUp();
                tick();
            }
        });
    }

    ProgramHarness& m_h;
    QString m_text;
    qsizetype m_catSeen = 0;
    QStringList m_open;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

/// Does one step of the operator's: clicks, holds, keys and menus on the
/// panel; clicks, ticks, texts, looks and closing in another window; what the
/// radio, its adapter and station software do.
void act(ProgramHarness& h, const QStringList& w) {
    const QString& verb = w.value(0);
    QWidget* const panel = h.program->window.get();
    if (verb == u"wait") {
    } else if (verb == u"click") {
        QTest::mouseClick(h.ui(w[1]), Qt::LeftButton);
    } else if (verb == u"press") {  // held for a tenth of a second, or the seconds given
        const Qt::MouseButton button = w[2] == u"right" ? Qt::RightButton : Qt::LeftButton;
        h.clock.schedule(w.value(3, QStringLiteral("0.1")).toDouble(),
                         [&h, button, name = w[1]] { QTest::mouseRelease(h.ui(name), button); });
        QTest::mousePress(h.ui(w[1]), button);
    } else if (verb == u"menu") {
        h.ui<QAction>(w[1])->trigger();
    } else if (verb == u"key") {
        QWidget* to = w[1] == u"panel" ? panel : h.ui(w[1]);
        QApplication::setActiveWindow(panel);
        to->setFocus();
        QTest::keyClick(to, QKeySequence(w[2])[0].key());
    } else if (verb == u"slide") {
        h.ui<QAbstractSlider>(w[1])->setValue(w[2].toInt());
    } else if (verb == u"dsr") {
        h.port.setDsr(w[1] == u"on");
    } else if (verb == u"delay") {  // the radio answers that many seconds late
        h.port.setReplyDelay(w[1].toDouble());
    } else if (verb == u"event" && w[1] == u"cat") {  // a line error or a break
        h.catPort.fire(w[2].toInt());
    } else if (verb == u"event") {
        h.port.raiseLineError(w[2].toInt());
    } else if (verb == u"radio") {
        h.port.injectBytes(w[1].toLatin1());
    } else if (verb == u"remote") {
        h.port.radio().setRemote(w[1] == u"on");
    } else if (verb == u"unplug") {
        h.port.unplug();
    } else if (verb == u"plugin") {
        h.port.plugIn();
        h.program->radioWatch->poll();
    } else if (verb == u"cat") {
        h.catPort.receive(w[1]);
        h.catPort.fire(tq::link::CommEvent::kReceiveThreshold);
    } else if (verb == u"in") {
        QWidget* window = ProgramHarness::openWindow(w[1]);
        ASSERT_NE(window, nullptr) << w.join(u' ').toStdString();
        auto* button = window->findChild<QAbstractButton*>(w.value(3));
        if (w[2] == u"look") {
            compare(w.value(3, w[1]), *window, h.dir.path());
        } else if (w[2] == u"close") {
            window->close();
        } else if (w[2] == u"click" && button) {
            button->click();
        } else if (w[2] == u"tick" && button) {
            button->setChecked(!button->isChecked());
        } else if (auto* combo = window->findChild<QComboBox*>(w.value(3));
                   w[2] == u"choose" && combo) {
            combo->setCurrentIndex(w.value(4).toInt());
        } else if (auto* box = window->findChild<QLineEdit*>(w.value(3)); w[2] == u"type" && box) {
            box->setText(w.value(4));
        } else {
            ADD_FAILURE() << "no such control: " << w.join(u' ').toStdString();
        }
    } else {
        ADD_FAILURE() << "no such step: " << w.join(u' ').toStdString();
    }
}

/// Plays the steps, each line the seconds to the next step and the step. The
/// panel takes a step between the main loop's operations, unless another
/// window holds the main loop; the radio, its adapter and station software
/// wait for nobody.
bool play(ProgramHarness& h, SessionTrace& trace, const QStringList& steps) {
    bool done = false;
    std::function<void(qsizetype)> take = [&](qsizetype i) {
        const QStringList words = steps[i].split(u' ', Qt::SkipEmptyParts);
        const auto run = [&, i, words] {
            if (i + 1 == steps.size()) {
                // A window that opened later than its steps expected would hold
                // the main loop, and the test, for ever.
                for (QWidget* window : QApplication::topLevelWidgets()) {
                    if (window != h.program->window.get())
                        window->close();
                }
                done = true;
            } else {
                h.clock.schedule(words[0].toDouble(), [&, i] { take(i + 1); });
            }
            trace.add(QStringLiteral("OPERATOR ") + words.mid(1).join(u' '));
            act(h, words.mid(1));
        };
        static const QStringList kPanelSteps{"wait", "click", "press", "menu", "key", "slide"};
        if (!kPanelSteps.contains(words.value(1)) || openWindows().size() > 1) {
            run();
        } else {
            h.whenIdle(0.01, run);
        }
    };
    take(0);
    return h.runUntil([&] { return done; }, 1800.0);
}

TEST(WindowLooks, ASessionGoesAsRecorded) {
    ProgramHarness h;
    h.writeFile(QStringLiteral("CATSetup.txt"),
                QStringLiteral("2\r\n9600,N,8,1\r\ncomNone\r\nKenwood\r\n"));
    h.writeFile(QStringLiteral("M40List.txt"), QStringLiteral("7.150 lsb Net control\r\n"));
    h.writeFile(QStringLiteral("ScanFreqs.txt"),
                QStringLiteral("7.150 LSB Net\r\n14.074 USB FT8\r\n") +
                    QStringLiteral("  \r\n").repeated(11) + QStringLiteral("1\r\n"));
    QFile script(QStringLiteral(TQ_LOOKS_DIR "/session-steps.txt"));
    ASSERT_TRUE(script.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList steps;
    for (const QString& line : QString::fromUtf8(script.readAll()).split(u'\n')) {
        if (!line.trimmed().isEmpty() && !line.startsWith(u'#'))
            steps << line;
    }
    SessionTrace trace(h);
    ASSERT_TRUE(h.runToMainLoop());
    compare(QStringLiteral("frmTQ5820"), *h.program->window, h.dir.path());
    ASSERT_TRUE(play(h, trace, steps));
    for (const QString& name : QDir(h.dir.path()).entryList(QDir::Files, QDir::Name))
        trace.add(QStringLiteral("file %1: %2").arg(name, h.readFile(name)));
    compareRecord(QStringLiteral("session"), trace.text());
}

}  // namespace
