// SPDX-License-Identifier: GPL-3.0-or-later
// Test main for what needs no widgets: a QCoreApplication, then every GoogleTest case.
#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
