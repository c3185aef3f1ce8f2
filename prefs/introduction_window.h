// SPDX-License-Identifier: GPL-3.0-or-later
// IntroductionWindow ("简介"): five lines on what the program does for its user.
#pragma once

#include "ui/runtime.h"

namespace prefs {

inline const QString IntroductionWindowName = QStringLiteral("IntroductionWindow");

ui::WindowDefinition introductionWindow();

/// Opens the window modally, built afresh so that it shows its own text whatever was typed before.
void openIntroductionWindow(ui::UiRuntime &rt);

} // namespace prefs
