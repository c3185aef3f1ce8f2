// SPDX-License-Identifier: GPL-3.0-or-later
// A document in the editor, opened from any bytes in the encoding they are found to be in (and
// once more as a UTF-8 page), then edited at random: unchanged it saves as the same bytes, and
// after every edit the status bar's count, in the document's encoding and in GB18030, equals
// the length of what a save writes.
#include "fuzz_check.h"
#include "ui/runtime.h"
#include "ui/testing.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>

#include <cstddef>
#include <cstdint>

using namespace Qt::Literals::StringLiterals;

namespace {

QApplication *application = nullptr;
ui::UiRuntime *runtime = nullptr;
const ui::ControlRef Editor{u"Probe"_s, u"超级编辑框1"_s};

/// What edits insert: ASCII, Chinese, a line break, a character beyond the BMP, a Latin letter,
/// and a lone surrogate standing for a raw byte (as a paste might bring).
const QString Pieces[] = {u"a"_s, u"中"_s, u"\r\n"_s, u"😀"_s, u"é"_s, QString(QChar(char16_t(0xDCFF))), u"<p>网页</p>"_s, {}};

void expectCountsMatch(core::Encoding encoding)
{
    FUZZ_CHECK(runtime->getEditorByteLength(Editor, encoding) == runtime->getEditorBytes(Editor, encoding).size());
    FUZZ_CHECK(runtime->getEditorByteLength(Editor, core::Encoding::Gb18030) ==
               runtime->getEditorBytes(Editor, core::Encoding::Gb18030).size());
}

void openAndEdit(const QByteArray &file, const std::uint8_t *edits, std::size_t count)
{
    const core::Encoding encoding = core::detectEncoding(file).encoding;
    runtime->setEditorBytes(Editor, file, encoding);
    FUZZ_CHECK(runtime->getEditorBytes(Editor, encoding) == file);
    expectCountsMatch(encoding);
    auto *ed = static_cast<QsciScintilla *>(ui::testing::widget(*runtime, Editor));
    for (std::size_t i = 0; i + 3 <= count; i += 3) {
        const long length = ed->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
        // A selection on character boundaries, replaced by one of the pieces (or removed).
        auto boundary = [&](std::uint8_t b) {
            const long at = length ? long(b) * length / 255 : 0;
            return ed->SendScintilla(QsciScintillaBase::SCI_POSITIONAFTER, ed->SendScintilla(QsciScintillaBase::SCI_POSITIONBEFORE, at));
        };
        const long from = boundary(edits[i]), to = boundary(edits[i + 1]);
        ed->SendScintilla(QsciScintillaBase::SCI_SETSEL, std::min(from, to), std::max(from, to));
        runtime->insertAtCaret(Editor, Pieces[edits[i + 2] % std::size(Pieces)]);
        expectCountsMatch(encoding);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    application = new QApplication(*argc, *argv);
    runtime = new ui::UiRuntime;
    ui::WindowDefinition probe{.name = u"Probe"_s, .caption = u"probe"_s, .width = 300, .height = 200};
    probe.controls.push_back({.unit = Editor.unit, .kind = ui::Kind::CodeEditor, .geometry = {0, 0, 300, 200}});
    runtime->openWindow(probe, false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    // The first byte splits the rest into the file and the edits.
    const std::size_t fileSize = std::min<std::size_t>(size - 1, data[0] * 4);
    const QByteArray file(reinterpret_cast<const char *>(data + 1), qsizetype(fileSize));
    const std::uint8_t *edits = data + 1 + fileSize;
    const std::size_t count = std::min<std::size_t>(size - 1 - fileSize, 3 * 32);
    openAndEdit(file, edits, count);
    // The same text made valid UTF-8 with a Chinese character in front: certainly a UTF-8 page.
    openAndEdit(u"中"_s.toUtf8() + QString::fromUtf8(file).toUtf8(), edits, count);
    return 0;
}
