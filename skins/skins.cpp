// SPDX-License-Identifier: GPL-3.0-or-later
#include "skins.h"

#include "catalogue.h"

#include <cstring>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace skins {

const QString LibraryName = u"SkinH_EL.dll"_s;
const QString EntryName = u"SkinH_AttachRes"_s;

namespace {
constexpr int HiddenAttribute = 2;
}

QString libraryPath() { return core::runDirectory() + u'/' + LibraryName; }

void installSkinEngine(ui::UiRuntime &)
{
    const QString path = libraryPath();
    if (core::fileExists(path))
        return;
    const ByteBuffer image = skinEngineImage();
    core::writeFileBytes(path, {QByteArray::fromRawData(reinterpret_cast<const char *>(image.bytes), qsizetype(image.count))});
    // Done whether or not the write succeeded; it fails quietly when there is no file.
    core::setFileAttributeBits(path, HiddenAttribute);
}

void applySkin(ui::UiRuntime &rt, qint32 n)
{
    installSkinEngine(rt);
    const ByteBuffer image = skinImage(n);
    std::unique_ptr<unsigned char[]> buffer;
    if (image.count > 0) {
        buffer = std::make_unique_for_overwrite<unsigned char[]>(image.count);
        std::memcpy(buffer.get(), image.bytes, image.count);
    }
    // The engine's result is not looked at: a skin it cannot use leaves the plain look.
    rt.callLibraryEntry(LibraryName, EntryName,
                        {static_cast<const void *>(buffer.get()), qint32(image.count), core::Text(), qint32(0), qint32(0),
                         qint32(0)});
    buffer.reset();
}

} // namespace skins
