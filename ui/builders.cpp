// SPDX-License-Identifier: GPL-3.0-or-later
// Building a window from its definition: one small builder per control kind, the menus, the
// status bar, and the wiring of each control's signals to the bound handlers (its mouse, key and
// focus input goes through input_relay.cpp).
#include "runtime_impl.h"

#include "code_editor.h"
#include "colour_picker.h"
#include "input_relay.h"
#include "picture_icon.h"
#include "widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QStatusBar>
#include <QToolButton>

namespace ui {

// ---- fonts ---------------------------------------------------------------------------------

QString mapFontFace(const QString &face)
{
    static const QStringList installed = QFontDatabase::families();
    auto first = [](std::initializer_list<const char *> names) -> QString {
        for (const char *n : names)
            if (installed.contains(QString::fromUtf8(n)))
                return QString::fromUtf8(n);
        return {};
    };
    QString mapped;
    if (face.contains(u"楷体"))
        mapped = first({"AR PL UKai CN", "AR PL KaitiM GB", "Noto Serif CJK SC"});
    else if (face.contains(u"宋体"))
        mapped = first({"Noto Serif CJK SC", "AR PL UMing CN", "Noto Sans CJK SC"});
    else if (face.contains(u"黑体"))
        mapped = first({"Noto Sans CJK SC", "WenQuanYi Zen Hei"});
    if (mapped.isEmpty())
        mapped = installed.contains(face) ? face : first({"Noto Sans CJK SC"});
    return mapped.isEmpty() ? face : mapped;
}

QFont fontFor(const Font &font)
{
    QFont f(mapFontFace(font.face));
    if (font.pixelHeight > 0)
        f.setPixelSize(font.pixelHeight);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    return f;
}

// ---- tab control ---------------------------------------------------------------------------


TabControl::TabControl(const QStringList &pages, bool tabsAtBottom, QWidget *parent)
    : QWidget(parent), bar_(new QTabBar(this)), panel_(new QFrame(this)), tabsAtBottom_(tabsAtBottom)
{
    panel_->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    panel_->lower();
    // Tabs as narrow as a classic tab control's: short captions share a narrow pane (the
    // reference pane's four pages fit in 160 pixels) without scroll arrows.
    bar_->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 2px 5px; }"));
    bar_->setUsesScrollButtons(false);
    bar_->setShape(tabsAtBottom ? QTabBar::RoundedSouth : QTabBar::RoundedNorth);
    bar_->setDrawBase(false);
    bar_->setExpanding(false);
    for (const QString &p : pages)
        bar_->addTab(p);
    // Signals of the bar are blocked while the program sets the page, so this sees only the
    // user's choices, by mouse or keyboard.
    connect(bar_, &QTabBar::currentChanged, this, [this](int page) {
        showPage(page);
        emit pagePicked(page);
    });
}

void TabControl::addToPage(QWidget *child, int page)
{
    children_.emplace_back(child, page);
    child->setVisible(page == bar_->currentIndex());
}

void TabControl::setCurrentPage(int page)
{
    if (page < 0 || page >= bar_->count())
        return;
    const QSignalBlocker block(bar_);
    bar_->setCurrentIndex(page);
    showPage(page);
}

void TabControl::showPage(int page)
{
    for (auto &[child, p] : children_)
        if (child)
            child->setVisible(p == page && !child->property("quillmereHidden").toBool());
}

void TabControl::resizeEvent(QResizeEvent *)
{
    const int h = bar_->sizeHint().height();
    const int w = std::min(width(), bar_->sizeHint().width());
    if (tabsAtBottom_) {
        bar_->setGeometry(0, height() - h, w, h);
        panel_->setGeometry(0, 0, width(), height() - h + 1);
    } else {
        bar_->setGeometry(0, 0, w, h);
        panel_->setGeometry(0, h - 1, width(), height() - h + 1);
    }
}

// ---- one builder per kind ------------------------------------------------------------------

QObject *buildControl(UiRuntime::Impl &impl, OpenWindow &w, const ControlDef &c, QWidget *parent)
{
    const QString win = w.def.name;
    auto raise = [&impl, win, unit = c.unit](Event e) {
        return [&impl, win, unit, e] { impl.deliver(win, unit, e); };
    };
    QWidget *widget = nullptr;
    switch (c.kind) {
    case Kind::CodeEditor: {
        auto *ed = new CodeEditor(parent);
        QObject::connect(ed, &CodeEditor::contentChanged, ed, raise(Event::ContentChanged));
        QObject::connect(ed, &CodeEditor::caretMoved, ed, raise(Event::SelectionChanged));
        QObject::connect(ed, &QsciScintilla::selectionChanged, ed, raise(Event::SelectionChanged));
        if (!c.caption.isEmpty())
            ed->replaceAll(c.caption);
        widget = ed;
        break;
    }
    case Kind::EditBox:
        if (c.multiLine) {
            auto *e = new QPlainTextEdit(parent);
            e->setPlainText(c.caption);
            e->setReadOnly(c.readOnly);
            QObject::connect(e, &QPlainTextEdit::textChanged, e, raise(Event::ContentChanged));
            widget = e;
        } else {
            auto *e = new QLineEdit(c.caption, parent);
            e->setReadOnly(c.readOnly);
            QObject::connect(e, &QLineEdit::textChanged, e, raise(Event::ContentChanged));
            widget = e;
        }
        break;
    case Kind::ComboBox: {
        auto *cb = new QComboBox(parent);
        cb->setEditable(true);
        cb->setInsertPolicy(QComboBox::NoInsert);
        cb->addItems(c.items);
        cb->setCurrentIndex(c.current);
        cb->setEditText(c.caption); // shows its defined text until an item is selected
        QObject::connect(cb, &QComboBox::activated, cb, raise(Event::SelectionChanged));
        widget = cb;
        break;
    }
    case Kind::ListBox: {
        auto *lb = new QListWidget(parent);
        // Items are one line of text in one font: the list measures one of them, not all.
        lb->setUniformItemSizes(true);
        if (c.multiSelect)
            lb->setSelectionMode(QAbstractItemView::ExtendedSelection);
        lb->addItems(c.items);
        lb->setCurrentRow(c.current, QItemSelectionModel::ClearAndSelect);
        if (c.current < 0)
            lb->setCurrentItem(nullptr);
        QObject::connect(lb, &QListWidget::itemDoubleClicked, lb, raise(Event::ItemDoubleClicked));
        QObject::connect(lb, &QListWidget::itemPressed, lb, raise(Event::SelectionChanged));
        widget = lb;
        break;
    }
    case Kind::RadioButton: {
        auto *b = new QRadioButton(c.caption, parent);
        b->setChecked(c.checked);
        QObject::connect(b, &QRadioButton::clicked, b, raise(Event::Clicked));
        widget = b;
        break;
    }
    case Kind::CheckBox: {
        auto *b = new QCheckBox(c.caption, parent);
        b->setChecked(c.checked);
        QObject::connect(b, &QCheckBox::clicked, b, raise(Event::Clicked));
        widget = b;
        break;
    }
    case Kind::PushButton: {
        auto *b = new QPushButton(c.caption, parent);
        b->setAutoDefault(false);
        QObject::connect(b, &QPushButton::clicked, b, raise(Event::Clicked));
        widget = b;
        break;
    }
    case Kind::PictureButton: {
        auto *b = new QToolButton(parent);
        b->setText(c.caption);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        QSize iconSize;
        const QIcon icon = c.picture.isEmpty() ? QIcon() : pictureIcon(c.picture, &iconSize);
        if (!icon.isNull()) {
            b->setIcon(icon);
            b->setIconSize(iconSize);
        }
        b->setToolButtonStyle(icon.isNull() ? Qt::ToolButtonTextOnly
                              : c.caption.isEmpty() ? Qt::ToolButtonIconOnly
                                                    : Qt::ToolButtonTextBesideIcon);
        QObject::connect(b, &QToolButton::clicked, b, raise(Event::Clicked));
        widget = b;
        break;
    }
    case Kind::Label: {
        auto *l = new QLabel(c.caption, parent);
        l->setTextFormat(Qt::PlainText); // a text that starts like markup is shown as written
        l->setWordWrap(c.multiLine);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        widget = l;
        break;
    }
    case Kind::GroupBox:
        widget = new QGroupBox(c.caption, parent);
        break;
    case Kind::TabControl: {
        auto *t = new TabControl(c.items, c.tabsAtBottom, parent);
        t->setCurrentPage(std::max(0, c.current));
        QObject::connect(t, &TabControl::pagePicked, t, raise(Event::PageChanged));
        widget = t;
        break;
    }
    case Kind::StatusBar: {
        QStatusBar *bar = w.host->statusBar();
        bar->setSizeGripEnabled(w.def.frame == Frame::Resizable);
        for (int i = 0; i < c.items.size(); ++i) {
            auto *panel = new QLabel(c.items[i], bar);
            // Notes may quote the document or a search: never read as markup, never taller.
            panel->setTextFormat(Qt::PlainText);
            panel->setObjectName(QStringLiteral("panel%1").arg(i));
            panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            if (i < int(c.widths.size()))
                panel->setFixedWidth(c.widths[size_t(i)]);
            panel->setAccessibleName(c.items[i].isEmpty() ? QStringLiteral("状态栏第%1栏").arg(i) : c.items[i]);
            bar->addWidget(panel);
        }
        bar->setObjectName(c.unit);
        if (c.font)
            bar->setFont(fontFor(*c.font));
        relayInput(impl, win, c, bar);
        return bar;
    }
    case Kind::CommonDialog: {
        auto *cd = new CommonDialog(w.host);
        cd->setObjectName(c.unit);
        cd->mode = c.dialogMode;
        cd->title = c.caption;
        cd->filter = c.filter;
        cd->initialFilter = c.initialFilter;
        return cd;
    }
    case Kind::ColourPicker: {
        auto *picker = new ColourPicker(parent);
        QObject::connect(picker, &ColourPicker::colourChosen, picker, raise(Event::ColourChosen));
        widget = picker;
        break;
    }
    case Kind::WebView:
        widget = buildWebView(impl, win, c, parent);
        break;
    case Kind::ProgressBar: {
        auto *bar = new QProgressBar(parent);
        bar->setRange(0, 100);
        bar->setValue(std::max(0, c.current));
        widget = bar;
        break;
    }
    case Kind::PopupMenuHost:
    case Kind::MenuItem:
        return nullptr;
    }
    if (!widget)
        return nullptr;
    widget->setObjectName(c.unit);
    widget->setGeometry(c.geometry);
    // A tab control's font is its tabs' font; the controls on its pages keep their own.
    if (auto *tabs = qobject_cast<TabControl *>(widget); tabs && c.font)
        tabs->tabBar()->setFont(fontFor(*c.font));
    else if (c.font)
        widget->setFont(fontFor(*c.font));
    if (!c.tooltip.isEmpty())
        widget->setToolTip(c.tooltip);
    if (!c.accessibleName.isEmpty())
        widget->setAccessibleName(c.accessibleName);
    else if (c.kind == Kind::PictureButton)
        widget->setAccessibleName(c.tooltip.isEmpty() ? c.caption : c.tooltip);
    widget->setEnabled(!c.disabled);
    if (!c.visible) {
        widget->setProperty("quillmereHidden", true);
        widget->hide();
    }
    // A web view's double-click comes from its module, with the place clicked.
    if (c.kind != Kind::WebView)
        relayInput(impl, win, c, widget);
    return widget;
}

// ---- the whole window ----------------------------------------------------------------------

void UiRuntime::Impl::build(OpenWindow &w)
{
    auto *client = new QWidget(w.host);
    client->setObjectName(QStringLiteral("client"));
    w.host->setCentralWidget(client);

    // Menus first: the menu bar and every (sub)menu, in the order of the table.
    QHash<QString, bool> hasChildren;
    for (const auto &c : w.def.controls)
        if (c.kind == Kind::MenuItem && !c.parent.isEmpty())
            hasChildren[c.parent] = true;
    for (const auto &c : w.def.controls) {
        if (c.kind != Kind::MenuItem)
            continue;
        QMenu *parentMenu = c.parent.isEmpty() ? nullptr : w.menus.value(c.parent);
        if (!c.parent.isEmpty() && !parentMenu)
            continue;
        if (c.caption == u"-") {
            if (parentMenu)
                parentMenu->addSeparator();
            continue;
        }
        if (hasChildren.value(c.unit) || c.parent.isEmpty()) {
            auto *menu = new QMenu(c.caption, w.host);
            menu->setObjectName(c.unit);
            w.menus.insert(c.unit, menu);
            QAction *action = menu->menuAction();
            if (parentMenu)
                parentMenu->addMenu(menu);
            else if (!c.hiddenMenu)
                w.host->menuBar()->addMenu(menu);
            w.controls.insert(c.unit, action);
            continue;
        }
        auto *action = new QAction(c.caption, parentMenu);
        action->setObjectName(c.unit);
        action->setEnabled(!c.disabled);
        parentMenu->addAction(action);
        const QString win = w.def.name, unit = c.unit;
        QObject::connect(action, &QAction::triggered, action, [this, win, unit] { deliver(win, unit, Event::Clicked); });
        w.controls.insert(c.unit, action);
    }

    // Controls in the order of the definition: containers come before what they hold.
    for (const auto &c : w.def.controls) {
        if (c.kind == Kind::MenuItem)
            continue;
        QWidget *parent = client;
        TabControl *tabs = nullptr;
        if (!c.parent.isEmpty()) {
            parent = qobject_cast<QWidget *>(w.controls.value(c.parent).data());
            if (!parent)
                parent = client;
            tabs = qobject_cast<TabControl *>(parent);
        }
        QObject *made = buildControl(*this, w, c, parent);
        if (!made)
            continue;
        w.controls.insert(c.unit, made);
        if (auto *widget = qobject_cast<QWidget *>(made); widget && tabs && c.page >= 0)
            tabs->addToPage(widget, c.page);
    }
    nameFieldsAfterLabels(w);
    buildShortcuts(*this, w);
}

void nameFieldsAfterLabels(OpenWindow &w)
{
    // A field is described by the label in the same container whose row it shares, nearest on its
    // left; failing that, the nearest label above it.
    for (const auto &c : w.def.controls) {
        if (c.kind != Kind::EditBox && c.kind != Kind::ComboBox && c.kind != Kind::ListBox &&
            c.kind != Kind::ColourPicker)
            continue;
        auto *widget = qobject_cast<QWidget *>(w.controls.value(c.unit).data());
        if (!widget || !widget->accessibleName().isEmpty())
            continue;
        const ControlDef *best = nullptr;
        int bestScore = INT_MAX;
        for (const auto &l : w.def.controls) {
            if (l.kind != Kind::Label || l.parent != c.parent || l.page != c.page || l.caption.isEmpty())
                continue;
            const QRect lr = l.geometry, fr = c.geometry;
            const bool sameRow = lr.top() < fr.bottom() && fr.top() < lr.bottom() && lr.left() <= fr.left();
            const bool above = lr.bottom() <= fr.top() + 4 && lr.left() <= fr.right();
            int score = INT_MAX;
            if (sameRow)
                score = fr.left() - lr.right() + std::abs(lr.top() - fr.top());
            else if (above)
                score = 1000 + fr.top() - lr.bottom() + std::abs(lr.left() - fr.left());
            if (score < bestScore) {
                bestScore = score;
                best = &l;
            }
        }
        QString name = best ? best->caption : QString();
        name.remove(u'：').remove(u':');
        if (name.trimmed().isEmpty()) {
            // A list on a tab page is named after its page.
            if (c.page >= 0)
                if (const ControlDef *tab = w.def.find(c.parent); tab && c.page < tab->items.size())
                    name = tab->items[c.page];
        }
        widget->setAccessibleName(name.trimmed());
    }
}

} // namespace ui
