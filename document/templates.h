// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session.h"

namespace document {

/// The page skeleton every run starts with and "新建html文件" writes: twelve pieces.
const Pieces &newPageTemplate();
const Pieces &aspTemplate();
const Pieces &cssTemplate();

} // namespace document
