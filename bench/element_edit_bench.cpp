// SPDX-License-Identifier: GPL-3.0-or-later
#include "element_edit_bench.h"

#include "document/session.h"
#include "markup/element_edit.h"
#include "ui/testing.h"

#include <Qsci/qsciscintilla.h>
#include <QAbstractButton>
#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

namespace bench {

void ElementEditInMiddle(benchmark::State &state, ui::UiRuntime &rt, document::Session &s,
                         const std::function<void(qint64)> &load)
{
    load(state.range(0));
    auto *ed = qobject_cast<QsciScintilla *>(ui::testing::widget(rt, s.editor()));
    // The link goes just after an end tag past the middle, where no tag is open.
    const QByteArray endTag = "</div>";
    ed->SendScintilla(QsciScintillaBase::SCI_SETTARGETRANGE, ed->SendScintilla(QsciScintillaBase::SCI_GETLENGTH) / 2,
                      ed->SendScintilla(QsciScintillaBase::SCI_GETLENGTH));
    const long found = ed->SendScintilla(QsciScintillaBase::SCI_SEARCHINTARGET, endTag.size(), endTag.constData());
    const unsigned long at = found < 0 ? 0 : (unsigned long)(found + endTag.size());
    ed->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, at);
    rt.insertAtCaret(s.editor(), u"<a href=\"x.html\" title=\"t\" target=\"_top\"></a>"_s);
    ed->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, at + 5);
    QCoreApplication::processEvents();

    int round = 0;
    rt.onWindowShown = [&](const QString &name) {
        rt.setFieldText({name, u"编辑框1"_s}, ++round % 2 ? u"y.html"_s : u"x.html"_s);
        if (auto *ok = qobject_cast<QAbstractButton *>(ui::testing::widget(rt, {name, u"超级按钮6"_s})))
            ok->click();
    };
    for (auto _ : state) {
        markup::editElementAtCaret(rt, s);
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
    rt.onWindowShown = nullptr;
    if (round == 0)
        state.SkipWithError("the dialog did not open");
}

} // namespace bench
