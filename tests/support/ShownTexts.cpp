#include "ShownTexts.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTabBar>
#include <QTimer>
#include <algorithm>

namespace r5k27::test {

const QStringList kSameInBothLanguages = {
    QStringLiteral("BRELLOCK R5K27"),
    QStringLiteral("BRELLOCK_R5K27"),
    QStringLiteral("R5K27"),
    QStringLiteral("ZT6666"),
    QStringLiteral("MHz"),
    QStringLiteral("kHz"),
    QStringLiteral("Hz"),
    QStringLiteral("ms"),
    QStringLiteral("DTMF"),
    QStringLiteral("CTCSS"),
    QStringLiteral("DCS"),
    QStringLiteral("TSQ"),
    QStringLiteral("BOT"),
    QStringLiteral("EOT"),
    QStringLiteral("FM"),
    QStringLiteral("AM"),
    QStringLiteral("USB"),
    QStringLiteral("LSB"),
    QStringLiteral("PA"),
    QStringLiteral("CB"),
    QStringLiteral("HF"),
    QStringLiteral("RB"),
    QStringLiteral("MEM"),
    QStringLiteral("RSSI"),
    QStringLiteral("HI-CUT"),
    QStringLiteral("NB/ANL"),
    QStringLiteral("ECHO"),
    QStringLiteral("+10KHz"),
    QStringLiteral("BUSY"),
    QStringLiteral("REP"),
    QStringLiteral("CALL"),
    QStringLiteral("TOT"),
    QStringLiteral("MIC"),
    QStringLiteral("NOG"),
    QStringLiteral("SCM"),
    QStringLiteral("Fin"),
    QStringLiteral("Freq_CH"),
    QStringLiteral("*.dat"),
};

namespace {

// Where a widget sits: its chain of object names (class and position for unnamed ones).
QString pathOf(const QObject* object, const QObject* top) {
    QStringList parts;
    for (const QObject* o = object; o; o = o->parent()) {
        QString part = QString::fromLatin1(o->metaObject()->className());
        if (!o->objectName().isEmpty())
            part += u':' + o->objectName();
        else if (o->parent())
            part += u'#' + QString::number(o->parent()->children().indexOf(o));
        parts.prepend(part);
        if (o == top)
            break;
    }
    return parts.join(u'/');
}

void add(ShownTexts& out, const QString& where, const QString& text) {
    if (!text.trimmed().isEmpty())
        out.insert(where, text);
}

void addItemView(ShownTexts& out, const QString& at, const QAbstractItemView& view) {
    const QAbstractItemModel* model = view.model();
    if (!model)
        return;
    // Enough rows to see every kind of entry without walking a whole channel table.
    const int rows = std::min(model->rowCount(), 60);
    for (int c = 0; c < model->columnCount(); ++c)
        add(out, at + QStringLiteral(" header %1").arg(c),
            model->headerData(c, Qt::Horizontal).toString());
    for (int r = 0; r < rows; ++r) {
        add(out, at + QStringLiteral(" row header %1").arg(r),
            model->headerData(r, Qt::Vertical).toString());
        for (int c = 0; c < model->columnCount(); ++c) {
            const QModelIndex index = model->index(r, c);
            add(out, at + QStringLiteral(" %1,%2").arg(r).arg(c), index.data().toString());
            add(out, at + QStringLiteral(" tip %1,%2").arg(r).arg(c),
                index.data(Qt::ToolTipRole).toString());
            // Tree items below the first level.
            for (int k = 0; k < std::min(model->rowCount(index), 60); ++k)
                add(out, at + QStringLiteral(" %1,%2/%3").arg(r).arg(c).arg(k),
                    model->index(k, 0, index).data().toString());
        }
    }
}

void addWidget(ShownTexts& out, const QWidget& w, const QWidget& top) {
    const QString at = pathOf(&w, &top);
    if (w.isWindow() || qobject_cast<const QMdiSubWindow*>(&w))
        add(out, at + QStringLiteral(" title"), w.windowTitle());
    add(out, at + QStringLiteral(" tip"), w.toolTip());
    add(out, at + QStringLiteral(" status tip"), w.statusTip());
    if (auto* label = qobject_cast<const QLabel*>(&w))
        add(out, at + QStringLiteral(" text"), label->text());
    else if (auto* button = qobject_cast<const QAbstractButton*>(&w))
        add(out, at + QStringLiteral(" text"), button->text());
    else if (auto* box = qobject_cast<const QGroupBox*>(&w))
        add(out, at + QStringLiteral(" title"), box->title());
    else if (auto* edit = qobject_cast<const QLineEdit*>(&w))
        add(out, at + QStringLiteral(" placeholder"), edit->placeholderText());
    else if (auto* combo = qobject_cast<const QComboBox*>(&w)) {
        for (int i = 0; i < combo->count(); ++i)
            add(out, at + QStringLiteral(" item %1").arg(i), combo->itemText(i));
    } else if (auto* tabs = qobject_cast<const QTabBar*>(&w)) {
        for (int i = 0; i < tabs->count(); ++i) {
            add(out, at + QStringLiteral(" tab %1").arg(i), tabs->tabText(i));
            add(out, at + QStringLiteral(" tab tip %1").arg(i), tabs->tabToolTip(i));
        }
    } else if (auto* view = qobject_cast<const QAbstractItemView*>(&w)) {
        // A combo box's drop-down list is covered by the combo itself.
        if (!qobject_cast<const QComboBox*>(view->parentWidget()) && view->isVisibleTo(&top))
            addItemView(out, at, *view);
    }
}

bool shown(const QWidget& w, const QWidget& top) {
    return &w == &top || w.isVisibleTo(&top);
}

// An action counts when every menu it sits in can be reached and the widget holding them shows.
bool shown(const QAction& a, const QWidget& top) {
    if (!a.isVisible() || a.isSeparator())
        return false;
    for (const QObject* o = a.parent(); o; o = o->parent()) {
        if (auto* menu = qobject_cast<const QMenu*>(o)) {
            if (!menu->menuAction()->isVisible())
                return false;
        } else if (auto* holder = qobject_cast<const QWidget*>(o)) {
            return shown(*holder, top);
        }
    }
    return true;
}

} // namespace

ShownTexts shownTexts(const QWidget& window) {
    ShownTexts out;
    addWidget(out, window, window);
    for (const QWidget* w : window.findChildren<QWidget*>())
        if (shown(*w, window))
            addWidget(out, *w, window);
    for (const QAction* a : window.findChildren<QAction*>()) {
        if (!shown(*a, window))
            continue;
        const QString at = pathOf(a, &window);
        add(out, at + QStringLiteral(" text"), a->text());
        add(out, at + QStringLiteral(" tip"), a->toolTip());
        add(out, at + QStringLiteral(" status tip"), a->statusTip());
    }
    return out;
}

ShownTexts shownTextsOfModal(const std::function<void()>& open) {
    ShownTexts texts;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        poll.stop();
        texts = shownTexts(*dialog);
        dialog->reject();
    });
    poll.start();
    open();
    return texts;
}

QStringList leftInEnglish(const std::function<ShownTexts(Language lang)>& textsIn,
                          const QStringList& sameInBoth) {
    const ShownTexts english = textsIn(Language::English);
    const ShownTexts chinese = textsIn(Language::Chinese);
    if (chinese.isEmpty())
        return {QStringLiteral("(the window showed no texts at all)")};
    // Longest first, so "USB Serial" goes before "USB" could split it.
    QStringList same = sameInBoth;
    std::sort(same.begin(), same.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    QStringList left;
    for (auto it = chinese.cbegin(); it != chinese.cend(); ++it) {
        if (english.value(it.key()) != it.value())
            continue;
        QString rest = it.value();
        for (const QString& part : same)
            rest.remove(part);
        bool hasWords = false;
        for (const QChar c : rest)
            hasWords |= c.isLetter() && c.unicode() < 0x2E80; // letters outside CJK
        if (hasWords)
            left << it.key() + QStringLiteral(": ") + it.value();
    }
    return left;
}

} // namespace r5k27::test
