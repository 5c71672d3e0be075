// Every window after start-up, compared line by line with its record in
// tests/app/looks; TQ_RECORD_LOOKS=1 rewrites the records (review their diff).
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "ProgramHarness.h"
#include "support/QStringPrinter.h"

using tq::test::ProgramHarness;

namespace {

// What the operator sees of a widget or menu entry; empty, false and 0 go unwritten.
constexpr const char* kShownProperties =
    "windowTitle text title toolTip checked autoExclusive alignment wordWrap readOnly echoMode "
    "editable currentIndex count minimum maximum value frameShape styleSheet textInteractionFlags";

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
    for (const QByteArray& name : QByteArray(kShownProperties).split(' ')) {
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

/// Compares a window's look with its record, or rewrites the record.
void compare(const QString& name, const QWidget& window, const QString& dataDir) {
    const QString actual = look(&window, &window).replace(dataDir, QStringLiteral("<data>"));
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
        ASSERT_EQ(lines.value(i), expected.value(i)) << name.toStdString() << " line " << i + 1;
    }
}

/// Opens a window as the operator does, compares it once it shows and closes it.
/// Looks every quarter second; those still due after this call find it done.
void openAndCompare(ProgramHarness& h, const std::function<void()>& open, const QString& name) {
    h.whenIdle(0.01, open);
    const auto compared = std::make_shared<bool>(false);
    for (double at = 0.25; at <= 10.0; at += 0.25) {
        h.clock.schedule(at, [&h, name, compared, last = at + 0.25 > 10.0] {
            if (QWidget* window = *compared ? nullptr : ProgramHarness::openWindow(name)) {
                compare(name, *window, h.dir.path());
                *compared = true;
                window->close();
            } else if (last && !*compared) {
                // Another window opened instead: closing it lets its opener return.
                for (QWidget* other : QApplication::topLevelWidgets()) {
                    if (other != h.program->window.get())
                        other->close();
                }
            }
        });
    }
    EXPECT_TRUE(h.runUntil([&] { return *compared; }, 10.0)) << name.toStdString();
}

TEST(WindowLooks, EveryWindowLooksAsRecorded) {
    ProgramHarness h;
    h.writeFile(QStringLiteral("M40List.txt"),
                QStringLiteral("7.150 lsb Net control\r\n7.074 usb FT8\r\n"));
    ASSERT_TRUE(h.runToMainLoop());
    compare(QStringLiteral("frmTQ5820"), *h.program->window, h.dir.path());
    openAndCompare(
        h, [&] { QTest::mouseClick(h.ui("cmd40M"), Qt::LeftButton); },
        QStringLiteral("frmBandSelect"));
    for (const auto& [entry, name] :
         {std::pair{"mnuScanBands", "frmScanBands"}, std::pair{"mnuScanFreqs", "frmScanFreqs"},
          std::pair{"mnuPortSetup", "frmPortSetup"}, std::pair{"mnuAudioSetup", "frmAudioSetup"},
          std::pair{"mnuCATSetup", "frmCATSetup"}, std::pair{"mnuLinkSetup", "frmLinkSetup"},
          std::pair{"mnuChannelSetup", "frmChannelSetup"}, std::pair{"mnuHelpAbout", "frmHelp"},
          std::pair{"mnuHelpTQ5820", "frmHelpBrowser"}}) {
        openAndCompare(
            h, [&h, entry] { h.ui<QAction>(entry)->trigger(); }, QString::fromLatin1(name));
    }
}

TEST(WindowLooks, PanelOfALocalRadioWithoutAdaptLooksAsRecorded) {
    tq::sim::RadioOptions radio;
    radio.firmware = tq::sim::Firmware::V604NonAdapt;
    radio.remote = false;
    ProgramHarness h(radio);
    ASSERT_TRUE(h.runToMainLoop(tq::panel::ControlMode::Local));
    compare(QStringLiteral("frmTQ5820-local"), *h.program->window, h.dir.path());
}

}  // namespace
