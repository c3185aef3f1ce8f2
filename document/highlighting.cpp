// SPDX-License-Identifier: GPL-3.0-or-later
#include "highlighting.h"

#include "editing.h"
#include "status_note.h"

using namespace Qt::Literals::StringLiterals;

namespace document {

ui::Language languageForPath(const core::Text &path)
{
    return path.endsWith(u".css"_s, Qt::CaseInsensitive) ? ui::Language::Css : ui::Language::Html;
}

void useLanguage(ui::UiRuntime &rt, ui::Language language)
{
    rt.setEditorLanguage(codeEditor(), language);
    noteHighlighting(rt);
}

void noteHighlighting(ui::UiRuntime &rt)
{
    const bool coloured = rt.isEditorHighlighted(codeEditor());
    showStatusNote(rt, coloured ? core::Text() : u"未着色"_s,
                   coloured ? core::Text()
                            : u"文本超过 %1 MB 或样式表有超过 %2 KB 的行，按纯文本显示，不做语法着色：着色要为每个"
                                  u"字节另存一个字节，而样式表每次修改都要从行首重新分析。"_s.arg(ui::HighlightLimit >> 20)
                                      .arg(ui::StyleSheetLineLimit >> 10),
                   StandingNote::Colouring);
}

} // namespace document
