// SPDX-License-Identifier: GPL-3.0-or-later
#include "load_pacing.h"

namespace preview {

LoadPacing::LoadPacing(PacedEngine engine, int answerMilliseconds, QObject *parent)
    : QObject(parent), engine_(std::move(engine))
{
    patience_.setSingleShot(true);
    patience_.setInterval(answerMilliseconds);
    connect(&patience_, &QTimer::timeout, this, [this] { endAndLoad(Ending::Unanswered); });
}

void LoadPacing::next()
{
    if (loading_) {
        endAndLoad(Ending::StillLoading);
    } else if (!shown_) {
        load();
    } else {
        const int ticket = ++ticket_;
        engine_.ask([this, ticket] {
            if (ticket == ticket_)
                load();
        });
        patience_.start();
    }
}

void LoadPacing::endAndLoad(Ending why)
{
    ++ticket_;
    patience_.stop();
    shown_ = false;
    // Loaded once the engine has seen the process go: a load sent before might go with it.
    if (engine_.end(why)) {
        ended_ = true;
        loading_ = true;
    } else if (!ended_) {
        load();
    }
}

void LoadPacing::load()
{
    ++ticket_; // a question still open is answered by the page this load replaces
    patience_.stop();
    loading_ = true;
    startedSince_ = false;
    engine_.load();
}

void LoadPacing::started()
{
    loading_ = true;
    startedSince_ = true;
}

void LoadPacing::finished()
{
    if (!startedSince_)
        return; // the end of the load this one replaced (or of the process it was in)
    loading_ = false;
    shown_ = true;
}

bool LoadPacing::processGone()
{
    if (ended_) {
        ended_ = false;
        load();
        return false;
    }
    shown_ = false;
    loading_ = false;
    return true;
}

} // namespace preview
