// SPDX-License-Identifier: GPL-3.0-or-later
// When the preview's next page goes to the engine, with a stand-in for the engine that answers
// questions and reports a process's end later, from the event loop, as the engine does.
#include "preview/load_pacing.h"

#include "support/eventually.h"

#include <QStringList>

#include <ostream>

using namespace Qt::Literals::StringLiterals;
using preview::LoadPacing;

namespace {

constexpr int Patience = 50;

struct Case {
    const char *name;
    void (*before)(LoadPacing &); // what the engine reported earlier
    int pages;                    // written one after another, each while the last is waited for
    bool answers;                 // whether the process answers a question
    QStringList seen;             // what the engine was asked to do for them
};

void PrintTo(const Case &c, std::ostream *os) { *os << c.name; }

class Pacing : public ::testing::TestWithParam<Case> {};

TEST_P(Pacing, LoadsAtTheRightTime)
{
    const Case &c = GetParam();
    QStringList seen;
    LoadPacing *self = nullptr;
    LoadPacing pacing({.ask = [&](std::function<void()> answered) {
                           seen << u"ask"_s;
                           if (c.answers)
                               QTimer::singleShot(Patience / 5, std::move(answered));
                       },
                       .end = [&](preview::Ending) {
                           seen << u"end"_s;
                           QTimer::singleShot(Patience / 5, [&] { EXPECT_FALSE(self->processGone()); });
                           return true;
                       },
                       .load = [&] { seen << u"load"_s; }},
                      Patience);
    self = &pacing;
    pacing.started();
    pacing.finished();
    c.before(pacing);
    seen.clear();
    for (int i = 0; i < c.pages; ++i)
        pacing.next();
    ASSERT_EVENTUALLY(seen.endsWith(u"load"_s));
    QTest::qWait(3 * Patience); // nothing follows: no late question, no process ended after all
    EXPECT_EQ(seen, c.seen);
    EXPECT_TRUE(pacing.loading());
}

INSTANTIATE_TEST_SUITE_P(
    Preview, Pacing,
    ::testing::Values(
        // A process still parsing takes the next page only once done: it is ended, not asked.
        Case{"a page still loading", [](LoadPacing &p) { p.started(); }, 1, true, {u"end"_s, u"load"_s}},
        // Neither the end of a process ended here nor that of its load is the next page's.
        Case{"a page loading after an ended one", [](LoadPacing &p) {
                 p.started();
                 p.next();
                 QTest::qWait(Patience);
                 p.finished();
             }, 1, true, {u"end"_s, u"load"_s}},
        Case{"a loaded page that answers", [](LoadPacing &) {}, 1, true, {u"ask"_s, u"load"_s}},
        Case{"a loaded page stuck in a script", [](LoadPacing &) {}, 1, false, {u"ask"_s, u"end"_s, u"load"_s}},
        // Only the answer to the last question loads.
        Case{"two pages while waiting for an answer", [](LoadPacing &) {}, 2, true, {u"ask"_s, u"ask"_s, u"load"_s}}),
    [](const auto &info) { return std::to_string(info.index); });

} // namespace
