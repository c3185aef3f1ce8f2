// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QSize>
#include <QString>

namespace ui {

/// An icon of the picture in the file, read and drawn when first shown and made legible on the
/// skin's button colour; its natural size goes to *size. A null icon when the file is no picture.
QIcon pictureIcon(const QString &path, QSize *size);

} // namespace ui
