// SPDX-License-Identifier: GPL-3.0-or-later
// Waiting for the event loop inside GoogleTest cases. Qt Test's QTRY_* macros report a timeout to
// Qt Test's own result log, which a GoogleTest run never reads, and then return: the case passes
// without having seen what it waited for. These fail the case instead.
#pragma once

#include <QTest>
#include <gtest/gtest.h>

#define ASSERT_EVENTUALLY(condition)                                                               \
    ASSERT_TRUE(QTest::qWaitFor([&] { return bool(condition); }, 5000))                            \
        << "still false after 5 s: " #condition

#define ASSERT_EVENTUALLY_EQ(actual, expected)                                                     \
    do {                                                                                           \
        static_cast<void>(QTest::qWaitFor([&] { return (actual) == (expected); }, 5000));        \
        ASSERT_EQ(actual, expected) << "after waiting 5 s";                                        \
    } while (false)
