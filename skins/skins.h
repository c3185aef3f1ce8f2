// SPDX-License-Identifier: GPL-3.0-or-later
// The skin engine's installation and the one call that attaches a skin.
#pragma once

#include "ui/runtime.h"

namespace skins {

extern const QString LibraryName; // SkinH_EL.dll, the same name on every platform
extern const QString EntryName;   // SkinH_AttachRes

/// The library's place: the run directory joined with its file name.
QString libraryPath();

/// Writes the carried library next to the executable unless a file or directory of that name is
/// already there; an existing one is never compared or replaced. Then marks the file hidden
/// (attribute value 2). POSIX has no hidden bit and the library must keep its name to be found,
/// so there the file stays visible; the call only makes sure it is not read-only.
/// A failed write goes unnoticed here: it shows up when the library cannot be loaded.
void installSkinEngine(ui::UiRuntime &rt);

/// Installs the engine if missing, then hands it skin n (1 to 33) in a buffer that is freed right
/// after the call; any other n calls it with a null address and length 0. A missing library or
/// entry point ends the process through the runtime's fatal error.
void applySkin(ui::UiRuntime &rt, qint32 n);

} // namespace skins
