// SPDX-License-Identifier: GPL-3.0-or-later
// The file dialogs' filter text "name|pattern|name|pattern…": whatever it holds, the dialog gets
// one filter per pair, and selecting one applies exactly the patterns of its pair.
#include "fuzz_check.h"
#include "ui/runtime.h"

#include <QApplication>
#include <QDebug>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

using namespace Qt::Literals::StringLiterals;

namespace {

// Made once and kept for the whole run: at exit Qt is torn down before our globals would be.
QApplication *application = nullptr;
QTemporaryDir *emptyFolder = nullptr;
QFileDialog *dialog = nullptr;

/// Names and patterns the dialog can tell apart: a name on one line, patterns of the characters
/// Qt's filter syntax allows.
bool plain(const QString &name, const QString &pattern)
{
    static const QRegularExpression patternChars(u"^[a-zA-Z0-9_.,*? +;#\\-\\[\\]@\\{\\}/!<>\\$%&=^~:]*$"_s);
    return !name.contains(u'\n') && !name.contains(u'\r') && patternChars.match(pattern).hasMatch();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    application = new QApplication(*argc, *argv);
    emptyFolder = new QTemporaryDir;
    dialog = new QFileDialog(nullptr, QString(), emptyFolder->path());
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList parts = text.split(u'|');
    const QStringList filters = ui::fileDialogNameFilters(text);
    FUZZ_CHECK(filters.size() == parts.size() / 2);
    if (filters.isEmpty())
        return 0;

    auto *model = dialog->findChild<QFileSystemModel *>();
    FUZZ_CHECK(model);
    dialog->setNameFilters(filters);
    FUZZ_CHECK(dialog->nameFilters().size() == filters.size());
    for (qsizetype i = 0; i < filters.size(); ++i) {
        const QString &name = parts[2 * i];
        const QString pattern = parts[2 * i + 1].trimmed();
        FUZZ_CHECK(filters[i].startsWith(name));
        if (!plain(name, pattern))
            continue;
        // The dialog keeps each filter with its blanks simplified; the user picks one of those.
        dialog->selectNameFilter(dialog->nameFilters().at(i));
        // "*.*" stands for every file, also those without a dot in their name.
        QStringList pieces = pattern.split(u';');
        for (QString &piece : pieces)
            if (piece.trimmed() == u"*.*")
                piece = u"*"_s;
        QStringList expected = pieces.join(u' ').split(u' ', Qt::SkipEmptyParts);
        // A pair without patterns shows everything.
        if (expected.isEmpty())
            expected = QStringList{u"*"_s};
        QStringList applied = model->nameFilters();
        if (applied.isEmpty())
            applied = QStringList{u"*"_s};
        if (applied != expected)
            qWarning() << filters[i] << applied << expected;
        FUZZ_CHECK(applied == expected);
    }
    return 0;
}
