// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoding_dialog.h"

#include "editing.h"
#include "encoding_status.h"
#include "lifecycle.h"

using namespace Qt::Literals::StringLiterals;

namespace document {

const QString EncodingWindowName = u"EncodingDialog"_s;

namespace {

ui::ControlRef list(const Session &s) { return {s.owned(EncodingWindowName), u"列表框1"_s}; }
constexpr int YesNoQuestion = 4 | ui::MbIconQuestion;
constexpr int InformationOk = 64;

QStringList encodingNames()
{
    QStringList names;
    for (core::Encoding e : core::AllEncodings)
        names << core::encodingName(e);
    return names;
}

int indexOf(core::Encoding encoding)
{
    return int(std::find(core::AllEncodings.begin(), core::AllEncodings.end(), encoding) - core::AllEncodings.begin());
}

/// The encoding selected in the list, the document's own when none is.
core::Encoding chosen(ui::UiRuntime &rt, const Session &s)
{
    const int i = rt.getListIndex(list(s));
    return i >= 0 && i < int(core::AllEncodings.size()) ? core::AllEncodings[size_t(i)] : s.encoding();
}

void start(ui::UiRuntime &rt, Session &s) { rt.setListIndex(list(s), indexOf(s.encoding())); }

void reopen(ui::UiRuntime &rt, Session &s)
{
    const core::Encoding encoding = chosen(rt, s);
    rt.closeWindow(s.owned(EncodingWindowName));
    reopenIn(rt, s, encoding);
}

void keepAndSaveIn(ui::UiRuntime &rt, Session &s)
{
    const core::Encoding encoding = chosen(rt, s);
    rt.closeWindow(s.owned(EncodingWindowName));
    saveIn(rt, s, encoding);
}

void cancel(ui::UiRuntime &rt, Session &s) { rt.closeWindow(s.owned(EncodingWindowName)); }

/// Both UTF-8 entries declare the same name.
bool sameDeclared(std::optional<core::Encoding> declared, core::Encoding encoding)
{
    auto plain = [](core::Encoding e) { return e == core::Encoding::Utf8WithBom ? core::Encoding::Utf8 : e; };
    return declared && plain(*declared) == plain(encoding);
}

} // namespace

ui::WindowDefinition encodingWindow(Session &s)
{
    using ui::Event;
    using ui::Kind;
    return {
        .name = s.owned(EncodingWindowName),
        .caption = u"文字编码"_s,
        .width = 372,
        .height = 232,
        .frame = ui::Frame::Fixed,
        .controls = {
            {.unit = list(s).unit, .kind = Kind::ListBox, .geometry = {12, 12, 200, 208}, .items = encodingNames(),
             .accessibleName = u"编码"_s, .bindings = {{Event::ItemDoubleClicked, withSession(s, reopen)}}},
            {.unit = u"按钮1"_s, .kind = Kind::PushButton, .geometry = {224, 12, 136, 28},
             .caption = u"按此编码重新打开"_s, .bindings = {{Event::Clicked, withSession(s, reopen)}}},
            {.unit = u"按钮2"_s, .kind = Kind::PushButton, .geometry = {224, 48, 136, 28},
             .caption = u"保存时改用此编码"_s, .bindings = {{Event::Clicked, withSession(s, keepAndSaveIn)}}},
            {.unit = u"按钮3"_s, .kind = Kind::PushButton, .geometry = {224, 192, 136, 28}, .caption = u"取消"_s,
             .bindings = {{Event::Clicked, withSession(s, cancel)}}},
        },
        .bindings = {{Event::Created, withSession(s, start)}},
        .shortcuts = {{u"Esc"_s, {}, withSession(s, cancel)}},
        .owner = s.window(),
    };
}

void openEncodingWindow(ui::UiRuntime &rt, Session &s) { rt.openWindow(encodingWindow(s), true); }

void reopenIn(ui::UiRuntime &rt, Session &s, core::Encoding encoding)
{
    if (s.path().isEmpty()) {
        rt.showMessage(u"这是新文档，还没有从文件读入或保存过，没有可以重新读入的文件。"_s, InformationOk,
                       u"文字编码"_s);
        return;
    }
    if (askToSave(rt, s) == Answer::Cancel)
        return;
    openFile(rt, s, s.path(), encoding);
}

void saveIn(ui::UiRuntime &rt, Session &s, core::Encoding encoding)
{
    s.setEncoding(encoding, core::EncodingSource::Chosen);
    const QByteArrayView buffer = rt.getEditorBuffer(s.editor());
    std::vector<ui::EditorEdit> edits;
    for (const core::Declaration &d : core::declarations(buffer))
        if (!sameDeclared(d.encoding(), encoding))
            edits.push_back({d.at, d.at + d.length, core::declarationText(encoding, d.codePage)});
    if (!edits.empty() &&
        rt.showMessage(u"是否同时修改网页中的编码声明？"_s, YesNoQuestion, u"文字编码"_s) == ui::IdYes)
        rt.replaceEditorRanges(s.editor(), edits);
    // The size panel counts in the new encoding, the note names it, and the document counts as
    // changed: its file no longer holds what a save writes.
    updateEditorStatus(rt, s);
    const QByteArrayView now = rt.getEditorBuffer(s.editor());
    showEncodingNote(rt, s, now.first(std::min(now.size(), core::DeclarationWindow)));
}

} // namespace document
