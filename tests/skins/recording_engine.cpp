// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in skin engine for tests: same file name and entry point as the real one, it appends
// each call's arguments and image bytes to "skin-calls.bin" in the working folder, with the
// length of the CodeEditor's text at the time of the call (-1 when there is no editor).
#include <QApplication>
#include <Qsci/qsciscintilla.h>

#include <cstdio>

namespace {

int editorLength()
{
    // The program may carry its own copy of the editor component (linked statically), whose
    // class is not this module's copy: known by name, used through the same layout.
    for (QWidget *w : QApplication::allWidgets())
        if (w->inherits("QsciScintilla") && w->objectName() == QStringLiteral("超级编辑框1"))
            return static_cast<QsciScintilla *>(w)->length();
    return -1;
}

} // namespace

extern "C" Q_DECL_EXPORT int SkinH_AttachRes(const unsigned char *image, int length, const char *text, int a, int b, int c)
{
    std::FILE *f = std::fopen("skin-calls.bin", "ab");
    if (!f)
        return 0;
    std::fprintf(f, "call image=%s length=%d text=[%s] ints=%d,%d,%d editor=%d\n", image ? "set" : "null", length,
                 text ? text : "(null)", a, b, c, editorLength());
    if (image && length > 0)
        std::fwrite(image, 1, std::size_t(length), f);
    std::fputc('\n', f);
    std::fclose(f);
    return 1;
}
