// SPDX-License-Identifier: GPL-3.0-or-later
#include "element_edit.h"

#include "anchor_dialog.h"
#include "background_sound_dialog.h"
#include "button_dialog.h"
#include "caption_dialog.h"
#include "document/status_note.h"
#include "drop_down_dialog.h"
#include "email_link_dialog.h"
#include "form_dialog.h"
#include "hyperlink_dialog.h"
#include "image_dialog.h"
#include "label_dialog.h"
#include "media_dialog.h"
#include "script_dialog.h"
#include "style_sheet_dialog.h"
#include "tag_dialog.h"
#include "text_field_dialog.h"

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace markup {
namespace {

bool oneOf(QStringView value, std::initializer_list<QStringView> choices)
{
    for (QStringView c : choices)
        if (value.compare(c, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

/// The reader of the dialog that writes this element, or a note why no dialog does.
std::optional<ElementForm> formOf(const Element &e, core::Text &note)
{
    if (e.named(u"a")) {
        const core::Text href = e.value(u"href");
        if (href.startsWith(u"mailto:"_s, Qt::CaseInsensitive)) {
            // The e-mail dialog writes a subject and nothing else after the address.
            const qsizetype query = href.indexOf(u'?');
            if (query < 0 || href.mid(query + 1).startsWith(u"subject="_s, Qt::CaseInsensitive))
                return readEmailLink(e);
        }
        if (!e.has(u"href") && e.has(u"name"))
            return readAnchor(e);
        return readHyperlink(e);
    }
    if (e.named(u"img"))
        return readImage(e);
    if (e.named(u"bgsound"))
        return readBackgroundSound(e);
    if (e.named(u"link")) {
        if (e.value(u"rel").contains(u"stylesheet"_s, Qt::CaseInsensitive))
            return readStyleSheet(e);
        note = u"只有引用样式表的 <link> 可以用对话框编辑"_s;
        return std::nullopt;
    }
    if (e.named(u"form"))
        return readForm(e);
    if (e.named(u"input")) {
        const core::Text type = e.value(u"type");
        if (!e.has(u"type") || oneOf(type, {u"text", u"password"}))
            return readTextField(e);
        if (oneOf(type, {u"submit", u"reset", u"button", u""}))
            return readButton(e);
        note = u"没有编辑 type=%1 的 <input> 的对话框"_s.arg(type);
        return std::nullopt;
    }
    if (e.named(u"textarea"))
        return readTextArea(e);
    if (e.named(u"select"))
        return readDropDown(e);
    if (e.named(u"script"))
        return readScript(e);
    if (e.named(u"label"))
        return readLabel(e);
    if (e.named(u"caption"))
        return readCaption(e);
    if (e.named(u"embed")) {
        const bool flash = e.has(u"quality") || e.has(u"flashvars") ||
                           e.value(u"src").endsWith(u".swf"_s, Qt::CaseInsensitive) ||
                           e.value(u"type").contains(u"shockwave"_s, Qt::CaseInsensitive);
        if (!flash)
            return readMedia(e);
    }
    if (e.named(u"embed") || e.named(u"object") || e.named(u"param"))
        note = u"Flash 等对象块不能用对话框编辑"_s;
    else if (e.named(u"map") || e.named(u"area"))
        note = u"图片地图不能用对话框编辑"_s;
    else
        note = u"<%1> 没有可以编辑它的对话框"_s.arg(e.tag.name(e.text));
    return std::nullopt;
}

/// What a field holds now, as one comparable text.
core::Text fieldState(ui::UiRuntime &rt, const FieldFill &f)
{
    switch (f.kind) {
    case FieldFill::Text:
        return rt.getFieldText(f.control);
    case FieldFill::Check:
        return rt.isChecked(f.control) ? u"1"_s : u"0"_s;
    case FieldFill::List: {
        QStringList items;
        for (int i = 0, n = rt.getListCount(f.control); i < n; ++i)
            items << rt.getListItem(f.control, i);
        return QString::number(items.size()) + u'\n' + items.join(u'\n');
    }
    }
    return {};
}

void fill(ui::UiRuntime &rt, const ElementForm &form)
{
    if (form.page >= 0)
        rt.setCurrentPage(form.tabs, form.page);
    for (const FieldFill &f : form.fields) {
        switch (f.kind) {
        case FieldFill::Text:
            rt.setFieldText(f.control, f.text);
            break;
        case FieldFill::Check:
            rt.setChecked(f.control, f.checked);
            break;
        case FieldFill::List:
            while (rt.getListCount(f.control) > 0)
                rt.deleteListItem(f.control, 0);
            for (const QString &item : f.items)
                rt.addListItem(f.control, item);
            rt.setListIndex(f.control, -1);
            break;
        }
    }
}

/// One editing of an element: where it is, what its fields held after filling.
struct Session {
    ui::TextAround around;
    Element element;
    ElementForm form;
    std::vector<core::Text> filled;
};

/// OK of the dialog: the element is rewritten with what the dialog wrote.
void rewrite(ui::UiRuntime &rt, document::Session &doc, Session &s, const document::Pieces &pieces)
{
    QStringList changed;
    for (size_t i = 0; i < s.form.fields.size(); ++i)
        if (fieldState(rt, s.form.fields[i]) != s.filled[i])
            changed << s.form.fields[i].control.unit;
    core::Text output;
    for (const core::Text &piece : pieces)
        output += piece;
    const std::optional<Rewrite> r = rewriteElement(s.element, s.form.owned, changed, output);
    if (!r || QStringView(s.around.text).mid(r->from, r->to - r->from) == r->text)
        return; // nothing to change: no undo step, no change reported
    // The caret keeps its place: in the rewritten part as far as it still reaches, after it moved
    // along.
    qsizetype caret = s.around.caret;
    if (caret >= r->to)
        caret += r->text.size() - (r->to - r->from);
    else if (caret > r->from)
        caret = std::min(caret, r->from + r->text.size());
    if (!rt.replaceAround(doc.editor(), s.around, r->from, r->to, r->text, caret)) {
        document::showBriefNote(rt, doc, u"文档已改变，元素没有改写"_s);
        return;
    }
    // A dialog that stays open (the textarea page) edits the rewritten element next time.
    if (std::optional<Tag> tag = scanTag(s.around.text, r->from)) {
        s.element.tag = *tag;
        s.element.end = ownsContent(tag->name(s.around.text)) ? findEndTag(s.around.text, *tag) : std::nullopt;
    }
    s.element.text = s.around.text;
}

} // namespace

FoundElement findElement(QStringView text, qsizetype caret)
{
    const CaretPlace place = placeAtCaret(text, caret);
    if (place.kind == CaretPlace::InComment)
        return {.note = u"光标在注释中，没有可编辑的元素"_s};
    if (place.kind == CaretPlace::InServerBlock)
        return {.note = u"光标在 ASP 代码中，没有可编辑的元素"_s};
    std::vector<Tag> candidates;
    if (place.kind == CaretPlace::InTag && place.tag.kind == Tag::StartTag)
        candidates.push_back(place.tag);
    if (place.container)
        candidates.push_back(*place.container);
    core::Text reason;
    for (const Tag &tag : candidates) {
        Element e{text, tag, std::nullopt};
        core::Text why;
        if (ownsContent(tag.name(text))) {
            e.end = findEndTag(text, tag);
            if (!e.end)
                why = u"找不到 <%1> 的结束标记"_s.arg(tag.name(text));
        }
        if (why.isEmpty())
            if (std::optional<ElementForm> form = formOf(e, why))
                return {.element = e, .form = std::move(form)};
        if (!why.isEmpty()) // the container's reason says more than the tag's inside it
            reason = why;
    }
    return {.note = reason.isEmpty() ? u"光标处没有可以用对话框编辑的元素"_s : reason};
}

core::Text elementEditingHint()
{
    return u"在写出它的对话框中修改光标处的元素（超连接、E-mail、命名标记、图片、背景音乐、css、"
           u"多媒体、表单、文本框、按钮、下拉框、分组框、脚本、标题）"_s;
}

void editElementAtCaret(ui::UiRuntime &rt, document::Session &doc)
{
    auto s = std::make_shared<Session>();
    s->around = rt.readAroundCaret(doc.editor(), ElementReach);
    FoundElement found = findElement(s->around.text, s->around.caret);
    if (!found.form) {
        document::showBriefNote(rt, doc, found.note);
        return;
    }
    s->element = *found.element;
    s->element.text = s->around.text;
    s->form = std::move(*found.form);

    // The dialog's own definition and created handler; the fields are filled after the latter.
    ui::WindowDefinition dialog = s->form.definition(doc);
    ui::Handler created;
    for (auto it = dialog.bindings.begin(); it != dialog.bindings.end(); ++it)
        if (it->event == ui::Event::Created) {
            created = it->handler;
            dialog.bindings.erase(it);
            break;
        }
    dialog.bindings.push_back({ui::Event::Created, [created, s](ui::UiRuntime &rt, const ui::EventInfo &info) {
                                   created(rt, info);
                                   fill(rt, s->form);
                                   for (const FieldFill &f : s->form.fields)
                                       s->filled.push_back(fieldState(rt, f));
                                   return true;
                               }});
    doc.redirectInsertions(
        [&doc, s](ui::UiRuntime &rt, const document::Pieces &pieces) { rewrite(rt, doc, *s, pieces); });
    struct Restore {
        document::Session &doc;
        ~Restore() { doc.redirectInsertions({}); }
    } restore{doc};
    openTagDialog(rt, dialog);
}

} // namespace markup
