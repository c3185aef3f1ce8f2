// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_dialog.h"

#include "file_history.h"
#include "runtime.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace ui {
namespace {

/// QFileDialog's ExistingFile mode enables its accept button only for a name its file-system
/// model finds, and once the model has read a folder it no longer finds the files there that the
/// chosen filter hides. A later opening shows the folder of the file chosen before, read as the
/// dialog opens, so the name of any file beside it that the filter hides left the button
/// disabled, and choosing another filter did not re-check it. The open dialog therefore runs in
/// AnyFile mode, whose button follows the typed text, and checks here that the file exists.
class FileDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override
    {
        if (acceptMode() == AcceptOpen) {
            for (const QString &file : selectedFiles()) {
                if (QFileInfo::exists(file))
                    continue;
                // Qt's own words for this, in the installed translation.
                QMessageBox::warning(this, windowTitle(),
                                     tr("%1\nFile not found.\nPlease verify the correct file name was given.")
                                         .arg(QFileInfo(file).fileName()));
                return;
            }
        }
        QFileDialog::accept();
    }
};

QString suffixOf(const QString &nameFilter)
{
    const QString pattern = nameFilter.section(u'(', -1).section(u')', 0, 0).section(u' ', 0, 0);
    return pattern.startsWith(u"*.") && pattern.lastIndexOf(u'*') == 0 ? pattern.mid(2) : QString();
}

} // namespace

QString chooseFile(const FileDialogSetup &setup)
{
    FileDialog fd(nullptr, setup.title);
    fd.setOption(QFileDialog::DontUseNativeDialog);
    fd.setWindowModality(Qt::ApplicationModal);
    const QStringList filters = fileDialogNameFilters(setup.filter);
    if (!filters.isEmpty()) {
        fd.setNameFilters(filters);
        if (setup.initialFilter >= 0 && setup.initialFilter < filters.size())
            fd.selectNameFilter(filters[setup.initialFilter]);
    }
    fd.setAcceptMode(setup.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    fd.setFileMode(QFileDialog::AnyFile);
    if (setup.save) {
        // A name typed without an extension gets the one of the chosen filter pair.
        fd.setDefaultSuffix(suffixOf(fd.selectedNameFilter()));
        QObject::connect(&fd, &QFileDialog::filterSelected, &fd, [&fd](const QString &f) { fd.setDefaultSuffix(suffixOf(f)); });
    }
    offerRecent(fd);
    if (!setup.fileName.isEmpty())
        fd.selectFile(setup.fileName);
    if (fd.exec() != QDialog::Accepted || fd.selectedFiles().isEmpty())
        return {};
    rememberChoice(fd.selectedFiles().constFirst());
    return fd.selectedFiles().constFirst();
}

} // namespace ui
