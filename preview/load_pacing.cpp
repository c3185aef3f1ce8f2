// SPDX-License-Identifier: GPL-3.0-or-later
#include "load_pacing.h"

namespace preview {

LoadPacing::LoadPacing(PacedEngine engine, int answerMilliseconds, QObject *parent)
    : QObject(parent), engine_(std::move(engine))
{
    patience_.setSingleShot(true);
    patience_.setInterval(answerMilliseconds);
    connect(&patience_, &QTimer::timeout, this, [this] {
        ++ticket_;
        engine_.end();
        shown_ = false;
        load();
    });
}

void LoadPacing::next()
{
    if (!shown_ || loading_ || !engine_.running()) {
        load();
        return;
    }
    const int ticket = ++ticket_;
    engine_.ask([this, ticket] {
        if (ticket != ticket_)
            return;
        patience_.stop();
        load();
    });
    patience_.start();
}

void LoadPacing::load()
{
    ++ticket_; // a question still open is answered by the page this load replaces
    patience_.stop();
    loading_ = true;
    engine_.load();
}

void LoadPacing::started() { loading_ = true; }

void LoadPacing::finished()
{
    loading_ = false;
    shown_ = true;
}

void LoadPacing::processGone()
{
    shown_ = false;
    loading_ = false;
    if (patience_.isActive()) // the question will not be answered
        load();
}

} // namespace preview
