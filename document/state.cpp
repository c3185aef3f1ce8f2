// SPDX-License-Identifier: GPL-3.0-or-later
#include "state.h"

namespace document {
namespace {

bool modified = false;

} // namespace

bool isModified() { return modified; }

void raiseModified() { modified = true; }

} // namespace document
