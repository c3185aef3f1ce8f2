// SPDX-License-Identifier: GPL-3.0-or-later
// Small widgets of the runtime layer that Qt has no exact counterpart for.
#pragma once

#include "runtime.h"

#include <QFrame>
#include <QObject>
#include <QTabBar>
#include <QWidget>

#include <vector>

namespace ui {

/// A tab control whose pages are sets of child controls placed relative to the control itself:
/// only the current page's children are shown. The tabs run along the top or the bottom edge.
class TabControl : public QWidget {
    Q_OBJECT
public:
    TabControl(const QStringList &pages, bool tabsAtBottom, QWidget *parent);
    void addToPage(QWidget *child, int page);
    void setCurrentPage(int page);
    int currentPage() const { return bar_->currentIndex(); }
    int pageCount() const { return bar_->count(); }
    QTabBar *tabBar() const { return bar_; }

signals:
    /// The user picked another page.
    void pagePicked(int page);

protected:
    void resizeEvent(QResizeEvent *) override;

private:
    void showPage(int page);

    QTabBar *bar_;
    QFrame *panel_;
    bool tabsAtBottom_;
    std::vector<std::pair<QWidget *, int>> children_;
};

/// The invisible common dialog: settings kept between showings.
class CommonDialog : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    int mode = OpenFileMode;
    QString title;
    QString filter;
    int initialFilter = 0;
    QString fileName;
    FontFields font;
};

} // namespace ui
