// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of picture buttons: sized from their files' headers, read and drawn only when
// first shown.
#include "picture_icon.h"

#include "picture_contrast.h"

#include <QApplication>
#include <QFile>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPalette>
#include <QXmlStreamReader>

#include <tuple>

namespace ui {
namespace {

/// The natural size of a picture, read without drawing it: for a drawing, from the size its
/// root element states; for an image, from its header.
QSize pictureSize(const QString &path)
{
    if (path.endsWith(u".svg", Qt::CaseInsensitive)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QXmlStreamReader xml(&file);
        while (!xml.atEnd() && xml.readNext() != QXmlStreamReader::StartElement) {
        }
        auto pixels = [&](const QString &name) {
            QStringView v = xml.attributes().value(name);
            if (v.endsWith(u"px"))
                v.chop(2);
            return v.toInt();
        };
        const QSize stated(pixels(QStringLiteral("width")), pixels(QStringLiteral("height")));
        if (xml.name() == u"svg" && !stated.isEmpty())
            return stated;
        // Sizes in other units, or none: the drawing's own reading of them.
    }
    QImageReader reader(path);
    return reader.canRead() ? reader.size() : QSize();
}

/// A picture read and drawn from its file when it is first shown: the pictures on pages the user
/// never opens are never read, and each is drawn at the size and density it is shown at.
class PictureIconEngine : public QIconEngine {
public:
    explicit PictureIconEngine(QString path) : path_(std::move(path)) {}
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    // Both are asked for in device pixels: the drawing is made at exactly that size, and made
    // legible on the skin's button colour (picture_contrast.h); the last one is kept.
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        const QPalette palette = QApplication::palette();
        const QColor surface = palette.color(QPalette::Button), lift = palette.color(QPalette::ButtonText);
        const auto key = std::tuple(size.width(), size.height(), int(mode), int(state), surface.rgb(), lift.rgb());
        if (!last_.isNull() && key == lastKey_)
            return last_;
        last_ = QPixmap::fromImage(legibleOn(icon().pixmap(size, 1.0, mode, state).toImage(), surface, lift));
        lastKey_ = key;
        return last_;
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal) override
    {
        return pixmap(size, mode, state);
    }
    QIconEngine *clone() const override { return new PictureIconEngine(path_); }
    QString key() const override { return QStringLiteral("quillmere-picture"); }
    bool isNull() override { return false; }

private:
    QIcon &icon()
    {
        if (!loaded_) {
            icon_ = QIcon(path_);
            loaded_ = true;
        }
        return icon_;
    }
    QString path_;
    QIcon icon_;
    bool loaded_ = false;
    QPixmap last_;
    std::tuple<int, int, int, int, QRgb, QRgb> lastKey_;
};

} // namespace

QIcon pictureIcon(const QString &path, QSize *size)
{
    const QSize natural = pictureSize(path);
    if (natural.isEmpty())
        return {};
    *size = natural;
    return QIcon(new PictureIconEngine(path));
}

} // namespace ui
