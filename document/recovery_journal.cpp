// SPDX-License-Identifier: GPL-3.0-or-later
#include "recovery_journal.h"

#include <QCryptographicHash>
#include <QtEndian>

#include <cstring>

using namespace Qt::Literals::StringLiterals;

namespace document {
namespace {

const QByteArray Magic = "QUILLMERE RECOVERY 2\n"_ba;
constexpr auto HashKind = QCryptographicHash::Md5;
constexpr qsizetype SealSize = 16;
// A change's checksum is the first bytes of the chained hash: enough to tell a torn or damaged
// record, small beside a keystroke's record.
constexpr qsizetype ChangeSealSize = 8;

template <class T> void put(QByteArray &out, T value)
{
    value = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&value), sizeof value);
}

template <class T> bool take(QByteArrayView &in, T &value)
{
    if (in.size() < qsizetype(sizeof value))
        return false;
    value = qFromLittleEndian<T>(in.data());
    in = in.sliced(sizeof value);
    return true;
}

QByteArray chained(const QByteArray &chain, QByteArrayView body)
{
    QCryptographicHash hash(HashKind);
    hash.addData(chain);
    hash.addData(body);
    return hash.result();
}

} // namespace

// ---- the text with a gap -----------------------------------------------------------------------

bool GapText::replace(qint64 position, qint64 removed, QByteArrayView inserted)
{
    if (position < 0 || removed < 0 || position > size() || removed > size() - position)
        return false;
    moveGap(qsizetype(position));
    gapTo_ += qsizetype(removed);
    if (gapTo_ - gapFrom_ < inserted.size()) { // room for this and for the changes after it
        const qsizetype gap = inserted.size() + size() / 8 + 4096;
        QByteArray grown(storage_.size() - (gapTo_ - gapFrom_) + gap, Qt::Uninitialized);
        std::memcpy(grown.data(), storage_.constData(), size_t(gapFrom_));
        const qsizetype backSize = storage_.size() - gapTo_;
        std::memcpy(grown.data() + grown.size() - backSize, storage_.constData() + gapTo_, size_t(backSize));
        storage_ = std::move(grown);
        gapTo_ = storage_.size() - backSize;
    }
    if (!inserted.isEmpty())
        std::memcpy(storage_.data() + gapFrom_, inserted.data(), size_t(inserted.size()));
    gapFrom_ += inserted.size();
    return true;
}

void GapText::moveGap(qsizetype to)
{
    if (to < gapFrom_) {
        const qsizetype moved = gapFrom_ - to;
        std::memmove(storage_.data() + gapTo_ - moved, storage_.constData() + to, size_t(moved));
        gapFrom_ = to;
        gapTo_ -= moved;
    } else if (to > gapFrom_) {
        const qsizetype moved = to - gapFrom_;
        std::memmove(storage_.data() + gapFrom_, storage_.constData() + gapTo_, size_t(moved));
        gapFrom_ = to;
        gapTo_ += moved;
    }
}

QByteArray GapText::take()
{
    moveGap(size());
    storage_.truncate(gapFrom_);
    gapFrom_ = gapTo_ = 0;
    return std::exchange(storage_, {});
}

// ---- the copy's format --------------------------------------------------------------------------

QByteArray copyHead(const CopyHeader &header, qsizetype baseSize)
{
    const QByteArray path = header.path.toUtf8();
    QByteArray out = Magic;
    put(out, quint32(header.encoding));
    put(out, quint32(path.size()));
    out.append(path);
    put(out, quint64(baseSize));
    return out;
}

QByteArray sealOf(QByteArrayView head, QByteArrayView front, QByteArrayView back)
{
    QCryptographicHash hash(HashKind);
    hash.addData(head);
    hash.addData(front);
    hash.addData(back);
    return hash.result();
}

QByteArray encodeCopy(const CopyHeader &header, QByteArrayView buffer)
{
    QByteArray out = copyHead(header, buffer.size());
    const QByteArray seal = sealOf(out, buffer);
    return out.append(buffer).append(seal);
}

void appendChange(QByteArray &changes, const Change &change)
{
    put(changes, quint64(change.position));
    put(changes, quint64(change.removed));
    put(changes, quint64(change.inserted.size()));
    changes.append(change.inserted);
}

bool takeChange(QByteArrayView &changes, Change &change)
{
    QByteArrayView in = changes;
    quint64 position = 0, removed = 0, size = 0;
    if (!take(in, position) || !take(in, removed) || !take(in, size) || size > quint64(in.size()) ||
        position > quint64(INT64_MAX) || removed > quint64(INT64_MAX))
        return false;
    change = {qint64(position), qint64(removed), in.first(qsizetype(size))};
    changes = in.sliced(qsizetype(size));
    return true;
}

QByteArray sealChanges(QByteArrayView changes, QByteArray &chain)
{
    QByteArray out;
    out.reserve(changes.size() + changes.size() / 4 + ChangeSealSize);
    Change change;
    for (QByteArrayView rest = changes; !rest.isEmpty();) {
        const QByteArrayView before = rest;
        if (!takeChange(rest, change))
            break;
        const QByteArrayView body = before.first(before.size() - rest.size());
        chain = chained(chain, body);
        out.append(body).append(chain.first(ChangeSealSize));
    }
    return out;
}

std::optional<DecodedCopy> decodeCopy(QByteArray bytes)
{
    if (!bytes.startsWith(Magic))
        return {};
    QByteArrayView in = QByteArrayView(bytes).sliced(Magic.size());
    quint32 encoding = 0, pathSize = 0;
    quint64 baseSize = 0;
    if (!take(in, encoding) || encoding > quint32(core::Encoding::Windows1252) || !take(in, pathSize) ||
        in.size() < qsizetype(pathSize))
        return {};
    DecodedCopy copy;
    copy.header = {core::Encoding(encoding), QString::fromUtf8(in.first(pathSize))};
    in = in.sliced(pathSize);
    if (!take(in, baseSize) || baseSize > quint64(in.size()) || quint64(in.size()) - baseSize < quint64(SealSize))
        return {};
    const qsizetype from = in.data() - bytes.constData(), to = from + qsizetype(baseSize);
    QByteArray chain = sealOf(QByteArrayView(bytes).first(to), {});
    if (chain != QByteArrayView(bytes).sliced(to, SealSize))
        return {};
    const QByteArray changes = bytes.sliced(to + SealSize);
    bytes.truncate(to);
    bytes.remove(0, from); // in place: a large text is not held twice
    GapText text(std::move(bytes));
    Change change;
    for (QByteArrayView rest = changes; !rest.isEmpty();) {
        const QByteArrayView before = rest;
        if (!takeChange(rest, change) || rest.size() < ChangeSealSize)
            break; // cut short
        chain = chained(chain, before.first(before.size() - rest.size()));
        if (chain.first(ChangeSealSize) != rest.first(ChangeSealSize) ||
            !text.replace(change.position, change.removed, change.inserted))
            break; // damaged
        rest = rest.sliced(ChangeSealSize);
    }
    copy.buffer = text.take();
    return copy;
}

} // namespace document
