// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "element_form.h"

#include "ui/window_definition.h"

namespace markup {

/// E-mail连接: a mailto link with a subject.
ui::WindowDefinition emailLinkDialog(document::Session &s);

/// Reads an <a href="mailto:address?subject=text">: the address and the subject as written.
ElementForm readEmailLink(const Element &element);

} // namespace markup
