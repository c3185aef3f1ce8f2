// SPDX-License-Identifier: GPL-3.0-or-later
// The files a page names: local references that lead nowhere, and images whose width or height
// differ from the file's. Only for a page that has a file on disk; nothing with a scheme
// (http:, mailto:, javascript:) is looked at, let alone fetched.
#include "page_check.h"

#include "core/tag_reader.h"
#include "preview/page_preparation.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>
#include <QUrl>

using namespace Qt::Literals::StringLiterals;

namespace markup {
namespace {

bool named(QByteArrayView name, QByteArrayView wanted) { return name.compare(wanted, Qt::CaseInsensitive) == 0; }

/// Where a reference leads on disk; empty for one that is not a local file (a scheme, "//host",
/// "#here", server code, nothing at all).
QString localFile(QByteArrayView reference, const QString &pageFolder, const QString &root)
{
    QString path = QString::fromUtf8(reference).trimmed();
    static const QRegularExpression scheme(u"^[A-Za-z][A-Za-z0-9+.-]*:"_s);
    if (path.isEmpty() || path.startsWith(u'#') || path.startsWith(u"//"_s) || path.contains(u"<%"_s) ||
        scheme.match(path).hasMatch())
        return {};
    path = path.left(path.indexOf(QRegularExpression(u"[?#]"_s)) < 0 ? path.size() : path.indexOf(QRegularExpression(u"[?#]"_s)));
    path = QUrl::fromPercentEncoding(path.toUtf8()).replace(u'\\', u'/');
    if (path.isEmpty())
        return {};
    return QDir::cleanPath(path.startsWith(u'/') ? root + path : pageFolder + u'/' + path);
}

struct Reference {
    qsizetype from, to; // the value in the text
    QString file;
};

class Files {
public:
    Files(QByteArrayView text, const QString &pagePath)
        : text_(text), folder_(QFileInfo(pagePath).absolutePath()), root_(preview::siteRoot(folder_))
    {
    }

    std::vector<Finding> run()
    {
        static const QRegularExpression include(u"#include\\s+(file|virtual)\\s*=\\s*\"([^\"]*)\""_s,
                                                QRegularExpression::CaseInsensitiveOption);
        for (core::TagReader<QByteArrayView> r(text_, {.parts = core::TagParts::Attributes}); auto span = r.next();) {
            if (span->kind == core::TagSpan::Comment) {
                const QString comment = QString::fromUtf8(text_.sliced(span->from, span->to - span->from));
                const QRegularExpressionMatch m = include.match(comment);
                if (!m.hasMatch())
                    continue;
                // Offsets in the comment are in characters: the name is found again in its bytes.
                const QByteArray name = m.captured(2).toUtf8();
                const qsizetype at = span->from + text_.sliced(span->from, span->to - span->from).indexOf(name);
                const bool isVirtual = m.captured(1).compare(u"virtual"_s, Qt::CaseInsensitive) == 0;
                const QString file = isVirtual ? QDir::cleanPath(root_ + u'/' + m.captured(2))
                                               : localFile(name, folder_, root_);
                missing({at, at + name.size(), file});
                continue;
            }
            if (span->kind != core::TagSpan::StartTag)
                continue;
            const core::TagAttribute *src = nullptr;
            for (const core::TagAttribute &a : span->attributes) {
                const QByteArrayView name = text_.sliced(a.from, a.nameTo - a.from);
                if (a.valueFrom < 0 || !(named(name, "href") || named(name, "src") || named(name, "background") || named(name, "action")))
                    continue;
                const Reference ref{a.valueFrom, a.valueTo, localFile(text_.sliced(a.valueFrom, a.valueTo - a.valueFrom), folder_, root_)};
                if (!missing(ref) && named(name, "src") && span->named(text_, "img"))
                    src = &a;
            }
            if (src)
                imageSize(*span, *src);
        }
        return std::move(found_);
    }

private:
    /// Whether the reference names a local file that is not there (and says so).
    bool missing(const Reference &ref)
    {
        if (ref.file.isEmpty() || QFileInfo::exists(ref.file))
            return false;
        found_.push_back({Finding::MissingFile, ref.from, ref.to,
                          u"找不到文件“%1”"_s.arg(QString::fromUtf8(text_.sliced(ref.from, ref.to - ref.from))), {}});
        return true;
    }

    void imageSize(const core::TagSpan &img, const core::TagAttribute &src)
    {
        const QString file = localFile(text_.sliced(src.valueFrom, src.valueTo - src.valueFrom), folder_, root_);
        if (file.isEmpty())
            return;
        const QSize real = QImageReader(file).size(); // from the header only
        if (!real.isValid())
            return;
        for (const core::TagAttribute &a : img.attributes) {
            const QByteArrayView name = text_.sliced(a.from, a.nameTo - a.from);
            const bool width = named(name, "width");
            if (a.valueFrom < 0 || !(width || named(name, "height")))
                continue;
            bool number = false;
            const int written = text_.sliced(a.valueFrom, a.valueTo - a.valueFrom).toByteArray().trimmed().toInt(&number);
            const int actual = width ? real.width() : real.height();
            if (!number || written == actual)
                continue; // a percentage, server code or the right size
            found_.push_back({Finding::ImageSize, a.valueFrom, a.valueTo,
                              (width ? u"图像实际宽 %1 像素，这里写的是 %2"_s : u"图像实际高 %1 像素，这里写的是 %2"_s).arg(actual).arg(written),
                              CheckFix{a.valueFrom, a.valueTo, QByteArray::number(actual)}});
        }
    }

    QByteArrayView text_;
    QString folder_, root_;
    std::vector<Finding> found_;
};

} // namespace

std::vector<Finding> fileFindings(QByteArrayView text, const QString &pagePath)
{
    if (pagePath.isEmpty())
        return {};
    return Files(text, pagePath).run();
}

} // namespace markup
