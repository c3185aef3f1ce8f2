// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class QApplication;

namespace app {

/// The application object with the Chinese translation of Qt's own dialogs and the CJK fonts.
std::unique_ptr<QApplication> createApplication(int &argc, char **argv);

} // namespace app
