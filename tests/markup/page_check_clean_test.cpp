// SPDX-License-Identifier: GPL-3.0-or-later
// What every element dialog writes checks clean: each menu item and button that opens one, with
// the dialog's fields as they open and with every empty field filled in, wrapped in a page. So do
// the snippets and every entry of the keyword lists, each put where it belongs.
#include "dialog_driver.h"

#include "markup/form_script_commands.h"
#include "markup/link_media_commands.h"
#include "markup/page_check.h"
#include "markup/snippets.h"
#include "reference/commands.h"

#include <QRadioButton>

#include <algorithm>
#include <map>

using namespace Qt::Literals::StringLiterals;

namespace {

class PageCheckClean : public testsupport::DialogDriver {
protected:
    void SetUp() override
    {
        DialogDriver::SetUp();
        rt.onWindowShown = [this](const QString &name) { answer(name); };
    }

    /// Fills the empty fields (sizes with a number, the others with a word) when asked, then OK.
    void answer(const QString &name)
    {
        QWidget *host = ui::testing::widget(rt, {name, {}});
        ASSERT_NE(host, nullptr) << name.toStdString();
        if (fill)
            for (QLineEdit *e : host->findChildren<QLineEdit *>())
                if (e->text().isEmpty() && !e->isReadOnly() && !qobject_cast<QComboBox *>(e->parentWidget()))
                    e->setText(numeric(e->accessibleName()) ? u"12"_s : u"abc"_s);
        // A choice left open (the text field's 是/否): the first one.
        const QList<QRadioButton *> choices = host->findChildren<QRadioButton *>();
        if (fill && !choices.isEmpty() && std::none_of(choices.begin(), choices.end(), [](auto *r) { return r->isChecked(); }))
            choices.front()->click();
        for (QAbstractButton *b : host->findChildren<QAbstractButton *>())
            if ((b->text() == u"确定"_s || b->accessibleName() == u"确定"_s) && b->isVisibleTo(host))
                return b->click();
        ADD_FAILURE() << "no OK button in " << name.toStdString();
        rt.closeWindow(name);
    }
    static bool numeric(const QString &label)
    {
        for (const QString &word : {u"宽"_s, u"高"_s, u"边框"_s, u"间距"_s, u"边距"_s, u"长度"_s, u"行数"_s, u"次数"_s, u"大小"_s})
            if (label.contains(word))
                return true;
        return false;
    }

    bool fill = false;
};

TEST_F(PageCheckClean, WhatEveryElementDialogWritesChecksClean)
{
    std::vector<ui::UnitBinding> openers = markup::linkAndMediaDialogCommands(main.session());
    for (ui::UnitBinding &b : markup::formAndScriptDialogCommands(main.session()))
        openers.push_back(std::move(b));
    ASSERT_GT(openers.size(), size_t(20));
    const QString start = u"<html><head><title>t</title></head><body>\r\n"_s;
    for (const bool filled : {false, true}) {
        fill = filled;
        for (const ui::UnitBinding &b : openers) {
            SCOPED_TRACE(b.unit.toStdString() + (filled ? " (filled in)" : " (as it opens)"));
            // A table's caption goes into a table.
            const bool caption = b.unit == u"插入/表格/标题"_s;
            const QString before = start + (caption ? u"<table>"_s : QString());
            rt.setEditorText(Editor, before + (caption ? u"<tr><td>x</td></tr></table>"_s : QString()) + u"\r\n</body></html>"_s);
            rt.selectEditorRange(Editor, before.toUtf8().size(), before.toUtf8().size());
            const qsizetype empty = rt.getEditorBuffer(Editor).size();
            open(b.unit);
            const QByteArray page = rt.getEditorBuffer(Editor).toByteArray();
            if (filled)
                EXPECT_GT(page.size(), empty) << "the dialog wrote nothing";
            for (const markup::Finding &f : markup::checkPage(page, {}))
                ADD_FAILURE() << f.message.toStdString() << "\n" << page.constData();
        }
    }
}

TEST_F(PageCheckClean, EverySnippetChecksClean)
{
    // Where a snippet goes: what stands before and after it inside the body; elsewhere nothing.
    const std::map<QString, std::pair<QString, QString>> places = {
        {u"插入/表格/TR"_s, {u"<table>"_s, u"</table>"_s}}, {u"插入/表格/TH"_s, {u"<table><tr>"_s, u"</tr></table>"_s}},
        {u"插入/表格/TD"_s, {u"<table><tr>"_s, u"</tr></table>"_s}}, {u"超级按钮13"_s, {u"<ul>"_s, u"</ul>"_s}},
        {u"超级按钮15"_s, {u"<dl>"_s, u"</dl>"_s}}, {u"超级按钮16"_s, {u"<dl>"_s, u"</dl>"_s}},
    };
    const QString start = u"<html><head><title>t</title></head><body>\r\n"_s;
    const std::vector<ui::UnitBinding> snippets = markup::snippetCommands(main.session());
    ASSERT_GT(snippets.size(), size_t(20));
    for (const ui::UnitBinding &b : snippets) {
        SCOPED_TRACE(b.unit.toStdString());
        const auto place = places.find(b.unit);
        const QString before = start + (place == places.end() ? QString() : place->second.first);
        rt.setEditorText(Editor, before + (place == places.end() ? QString() : place->second.second) + u"\r\n</body></html>"_s);
        rt.selectEditorRange(Editor, before.toUtf8().size(), before.toUtf8().size());
        open(b.unit);
        if (b.unit == u"插入/表格/TR"_s) { // a row holds a cell: one put in after its start tag
            const qsizetype tagEnd = rt.getEditorBuffer(Editor).indexOf('>', before.toUtf8().size()) + 1;
            rt.selectEditorRange(Editor, tagEnd, tagEnd);
            open(u"插入/表格/TD"_s);
        }
        const QByteArray page = rt.getEditorBuffer(Editor).toByteArray();
        for (const markup::Finding &f : markup::checkPage(page, {}))
            ADD_FAILURE() << f.message.toStdString() << "\n" << page.constData();
    }
}

/// Where a keyword list's entry goes: the page around it, "|" where it is put, and what is put
/// just inside it (after its first tag) when it would be an empty shell without it.
struct Place {
    QString page, inside;
};

TEST_F(PageCheckClean, EveryKeywordListEntryChecksClean)
{
    const QString body = u"<html><head><title>t</title></head><body>\r\n|\r\n</body></html>"_s;
    const auto in = [&body](const QString &before, const QString &after) {
        return Place{QString(body).replace(u"|"_s, before + u"|"_s + after), {}};
    };
    const Place head{u"<html><head><title>t</title>|</head><body></body></html>"_s, {}}, row = in(u"<table><tr>"_s, u"</tr></table>"_s),
                table = in(u"<table>"_s, u"<tr><td>x</td></tr></table>"_s), section = {table.page, u"<tr><td>x</td></tr>"_s},
                frames{u"<html><head><title>t</title></head><frameset cols=\"*\"><frame src=\"a.htm\">|</frameset></html>"_s, {}};
    // By entry; the others go into the body (server code for the vb list, a server variable's name for the asp list).
    const std::map<QString, Place> places = {
        {u"<!doctype>"_s, {u"|\r\n"_s + QString(body).remove(u'|'), {}}}, {u"<html></html>"_s, {u"|"_s, u"<head><title>t</title></head><body></body>"_s}},
        {u"<head></head>"_s, {u"<html>|<body></body></html>"_s, u"<title>t</title>"_s}},
        {u"<title></title>"_s, {u"<html><head>|</head><body></body></html>"_s, u"t"_s}},
        {u"<body></body>"_s, {u"<html><head><title>t</title></head>|</html>"_s, {}}}, {u"<base>"_s, head}, {u"<link>"_s, head},
        {u"<style></style>"_s, head}, {u"<nextid>"_s, head}, {u"<li>"_s, in(u"<ul>"_s, u"</ul>"_s)},
        {u"<dd>"_s, in(u"<dl><dt>x"_s, u"</dl>"_s)}, {u"<dt>"_s, in(u"<dl>"_s, u"<dd>x</dl>"_s)},
        {u"<option>"_s, in(u"<select>"_s, u"</select>"_s)}, {u"<area>"_s, in(u"<map name=\"m\">"_s, u"</map>"_s)},
        {u"<param></param>"_s, in(u"<object>"_s, u"</object>"_s)}, {u"<td></td>"_s, row}, {u"<th></th>"_s, row},
        {u"<tr></tr>"_s, {table.page, u"<td>x</td>"_s}}, {u"<caption></caption>"_s, table}, {u"<col></col>"_s, table},
        {u"<colgroup></colgroup>"_s, table}, {u"<thead></thead>"_s, section}, {u"<tbody></tbody>"_s, section},
        {u"<tfoot></tfoot>"_s, section}, {u"<frame></frame>"_s, frames}, {u"<noframes></noframes>"_s, frames},
        {u"<frameset></frameset>"_s, {u"<html><head><title>t</title></head>|</html>"_s, u"<frame src=\"a.htm\">"_s}},
        {u"<%"_s, in({}, u" x %>"_s)}, {u"%>"_s, in(u"<% x "_s, {})}, {u"<%%>"_s, in({}, {})},
        {u"(\""_s, in(u"<% Response.Write"_s, u"x\") %>"_s)}, {u"\")"_s, in(u"<% Response.Write(\"x"_s, u" %>"_s)},
    };
    const std::pair<QString, Place> lists[] = {{u"列表框3"_s, in({}, {})}, {u"列表框1"_s, in({}, {})},
        {u"列表框2"_s, in(u"<% "_s, u" %>"_s)}, {u"列表框4"_s, in(u"<%= Request.ServerVariables(\""_s, u"\") %>"_s)}};
    // Entries malformed in themselves, which no page around them makes right: they must give a finding.
    const char *const endOfVoid = "an end tag for an element that has none";
    const std::map<QString, const char *> malformed = {
        {u"<!doctype>"_s, "a DOCTYPE without the kind of document"}, {u"<col></col>"_s, endOfVoid},
        {u"<frame></frame>"_s, endOfVoid}, {u"<input type=></input>"_s, endOfVoid}, {u"<param></param>"_s, endOfVoid},
        {u"<wbr></wbr>"_s, endOfVoid}, {u"<iset></isql>"_s, "ends an <isql> it never started"},
        {u"<isqltrans></islqtrans>"_s, "its end tag misspelt"},
    };
    const std::vector<ui::UnitBinding> commands = reference::mainWindowBindings(main.session());
    for (const auto &[unit, otherwise] : lists) {
        const auto command = std::find_if(commands.begin(), commands.end(), [&](const ui::UnitBinding &b) { return b.unit == unit; });
        ASSERT_NE(command, commands.end()) << unit.toStdString();
        const ui::ControlRef list{app::MainWindowName, unit};
        for (int i = 0; i < rt.getListCount(list); ++i) {
            const QString entry = rt.getListItem(list, i);
            SCOPED_TRACE(unit.toStdString() + " " + entry.toStdString());
            const Place &place = places.contains(entry) ? places.at(entry) : otherwise;
            const qsizetype at = place.page.first(place.page.indexOf(u'|')).toUtf8().size();
            rt.setEditorText(Editor, QString(place.page).remove(u'|'));
            rt.selectEditorRange(Editor, at, at);
            rt.setListIndex(list, i);
            command->handler(rt, {list, command->event}); // as a double click does
            if (!place.inside.isEmpty()) {
                const qsizetype tagEnd = rt.getEditorBuffer(Editor).indexOf('>', at) + 1;
                rt.selectEditorRange(Editor, tagEnd, tagEnd);
                rt.insertAtCaret(Editor, place.inside);
            }
            const QByteArray page = rt.getEditorBuffer(Editor).toByteArray();
            const std::vector<markup::Finding> findings = markup::checkPage(page, {});
            if (const auto known = malformed.find(entry); known != malformed.end())
                EXPECT_FALSE(findings.empty()) << "checks clean now: no longer malformed (" << known->second << ")";
            else
                for (const markup::Finding &f : findings)
                    ADD_FAILURE() << f.message.toStdString() << "\n" << page.constData();
        }
    }
}

} // namespace
