// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"

#include "form_script_commands.h"
#include "link_media_commands.h"
#include "snippets.h"

namespace markup {

std::vector<ui::UnitBinding> mainWindowBindings(document::Session &s)
{
    std::vector<ui::UnitBinding> all;
    // Each group of commands brings the rows that bind its menu items and toolbar buttons.
    for (const auto &group : std::initializer_list<std::vector<ui::UnitBinding>>{
             snippetCommands(s),
             linkAndMediaDialogCommands(s),
             formAndScriptDialogCommands(s),
         })
        all.insert(all.end(), group.begin(), group.end());
    return all;
}

} // namespace markup
