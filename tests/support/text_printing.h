// SPDX-License-Identifier: GPL-3.0-or-later
// Failures show texts as texts rather than as bytes.
#pragma once

#include <QString>

#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }
QT_END_NAMESPACE
