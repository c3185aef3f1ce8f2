// SPDX-License-Identifier: GPL-3.0-or-later
#include "state.h"

namespace document {
namespace {

bool modified = false;
core::Encoding encoding = core::Encoding::Gb18030;

} // namespace

bool isModified() { return modified; }

void raiseModified() { modified = true; }

core::Encoding documentEncoding() { return encoding; }

void setDocumentEncoding(core::Encoding e) { encoding = e; }

} // namespace document
