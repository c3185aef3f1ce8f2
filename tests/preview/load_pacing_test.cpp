// SPDX-License-Identifier: GPL-3.0-or-later
// When the preview's next page goes to the engine, with a stand-in for the engine: at once when
// none is shown; over the ended process of a page still loading (which would take the next page
// only once loaded) or of a loaded page that does not answer; after an answer from any other.
#include "preview/load_pacing.h"

#include "support/eventually.h"

#include <QStringList>

#include <functional>
#include <ostream>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int Patience = 50;

struct Case {
    const char *name;
    std::function<void(preview::LoadPacing &)> before; // what the engine reported earlier
    int pages;        // written one after another, each while the last is waited for
    bool answers;     // whether the process answers a question
    QStringList seen; // what the engine was asked to do after the last report
};

void PrintTo(const Case &c, std::ostream *os) { *os << c.name; }

class Pacing : public ::testing::TestWithParam<Case> {};

TEST_P(Pacing, LoadsAtTheRightTime)
{
    const Case &c = GetParam();
    QStringList seen;
    preview::LoadPacing *self = nullptr;
    preview::LoadPacing pacing({.ask = [&](std::function<void()> answered) {
                                    seen << u"ask"_s;
                                    if (c.answers) // answered later, from the event loop, as the engine does
                                        QTimer::singleShot(Patience / 5, std::move(answered));
                                },
                                .end = [&](preview::Ending) {
                                    seen << u"end"_s;
                                    // Its end is seen later, as the engine sees it.
                                    QTimer::singleShot(Patience / 5, [&] { EXPECT_FALSE(self->processGone()); });
                                    return true;
                                },
                                .load = [&] { seen << u"load"_s; }},
                               Patience);
    self = &pacing;
    c.before(pacing);
    seen.clear();
    for (int i = 0; i < c.pages; ++i)
        pacing.next();
    ASSERT_EVENTUALLY(seen.endsWith(u"load"_s));
    // Nothing follows once the page is loading: no late question, no process ended after all.
    QTest::qWait(3 * Patience);
    EXPECT_EQ(seen, c.seen) << c.name;
    EXPECT_TRUE(pacing.loading());
}

const auto Nothing = [](preview::LoadPacing &) {};
const auto Loaded = [](preview::LoadPacing &p) {
    p.started();
    p.finished();
};
const auto LoadingAfterLoaded = [](preview::LoadPacing &p) {
    Loaded(p);
    p.started();
};

INSTANTIATE_TEST_SUITE_P(
    Preview, Pacing,
    ::testing::Values(Case{"the first page", Nothing, 1, false, {u"load"_s}},
                      // A process still parsing takes the next page only once done: it is not waited for.
                      Case{"the first page still loading", [](preview::LoadPacing &p) { p.started(); }, 1, true,
                           {u"end"_s, u"load"_s}},
                      Case{"a page still loading", LoadingAfterLoaded, 1, true, {u"end"_s, u"load"_s}},
                      // The end of a process ended here, and of its load, say nothing of the load
                      // that replaced it.
                      Case{"a page loading after an ended one", [](preview::LoadPacing &p) {
                               LoadingAfterLoaded(p);
                               p.next();
                               QTest::qWait(Patience);
                               p.finished();
                           }, 1, true, {u"end"_s, u"load"_s}},
                      Case{"a loaded page that answers", Loaded, 1, true, {u"ask"_s, u"load"_s}},
                      Case{"a loaded page stuck in a script", Loaded, 1, false, {u"ask"_s, u"end"_s, u"load"_s}},
                      // Only the answer to the last question loads: one load for both pages.
                      Case{"two pages while waiting for an answer", Loaded, 2, true, {u"ask"_s, u"ask"_s, u"load"_s}},
                      Case{"a process gone after its page loaded", [](preview::LoadPacing &p) {
                               Loaded(p);
                               EXPECT_TRUE(p.processGone());
                           }, 1, false, {u"load"_s}}),
    [](const auto &info) { return std::to_string(info.index); });

TEST(Pacing, AProcessGoneWhileAskedLoadsAtOnce)
{
    QStringList seen;
    preview::LoadPacing pacing({.ask = [&](std::function<void()>) { seen << u"ask"_s; },
                                .end = [&](preview::Ending) {
                                    seen << u"end"_s;
                                    return true;
                                },
                                .load = [&] { seen << u"load"_s; }},
                               60000);
    Loaded(pacing);
    pacing.next();
    EXPECT_TRUE(pacing.processGone());
    EXPECT_EQ(seen, (QStringList{u"ask"_s, u"load"_s}));
}

} // namespace
