// SPDX-License-Identifier: GPL-3.0-or-later
// Acting on modal windows in tests: run a callback as soon as a window of the wanted type is
// shown, inside the loop that serves it, without fixed waits.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace testsupport {

template <class W>
class ShowCatcher : public QObject {
public:
    explicit ShowCatcher(std::function<void(W *)> act) : act_(std::move(act)) { qApp->installEventFilter(this); }
    ~ShowCatcher() override { qApp->removeEventFilter(this); }
    int count() const { return count_; }

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Show)
            if (auto *w = qobject_cast<W *>(o); w && w->isWindow()) {
                ++count_;
                QTimer::singleShot(0, w, [this, w] { act_(w); });
            }
        return false;
    }

private:
    std::function<void(W *)> act_;
    int count_ = 0;
};

} // namespace testsupport
