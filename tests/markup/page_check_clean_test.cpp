// SPDX-License-Identifier: GPL-3.0-or-later
// What every element dialog writes checks clean: each menu item and button that opens one, with
// the dialog's fields as they open and with every empty field filled in, wrapped in a page.
#include "dialog_driver.h"

#include "markup/form_script_commands.h"
#include "markup/link_media_commands.h"
#include "markup/page_check.h"
#include "markup/snippets.h"

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

} // namespace
