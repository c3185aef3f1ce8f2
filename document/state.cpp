// SPDX-License-Identifier: GPL-3.0-or-later
#include "state.h"

#include <QFileInfo>

namespace document {
namespace {

bool modified = false;
core::Encoding encoding = core::Encoding::Gb18030;
QString path;

} // namespace

bool isModified() { return modified; }

void raiseModified() { modified = true; }

core::Encoding documentEncoding() { return encoding; }

void setDocumentEncoding(core::Encoding e) { encoding = e; }

QString documentPath() { return path; }

void setDocumentPath(const QString &p) { path = p.isEmpty() ? QString() : QFileInfo(p).absoluteFilePath(); }

} // namespace document
