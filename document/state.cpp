// SPDX-License-Identifier: GPL-3.0-or-later
#include "state.h"

namespace document {
namespace {

bool modified = false;
core::Encoding encoding = core::Encoding::Gb18030;
core::EncodingSource source = core::EncodingSource::NewDocument;
core::Text file;

} // namespace

bool isModified() { return modified; }

void raiseModified() { modified = true; }

core::Encoding documentEncoding() { return encoding; }

core::EncodingSource encodingSource() { return source; }

void setDocumentEncoding(core::Encoding e, core::EncodingSource how)
{
    encoding = e;
    source = how;
}

core::Text documentFile() { return file; }

void setDocumentFile(const core::Text &path) { file = path; }

} // namespace document
