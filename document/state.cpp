// SPDX-License-Identifier: GPL-3.0-or-later
#include "state.h"

namespace document {
namespace {

bool modified = false;
ui::Encoding encoding = ui::Encoding::Gb18030;

} // namespace

bool isModified() { return modified; }

void raiseModified() { modified = true; }

ui::Encoding documentEncoding() { return encoding; }

void setDocumentEncoding(ui::Encoding e) { encoding = e; }

} // namespace document
