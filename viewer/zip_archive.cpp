#include "viewer/zip_archive.h"

#include <zlib.h>
#include <QDateTime>
#include <cstdint>
#include <limits>

namespace vornel {

namespace {

constexpr quint32 kLocalHeader = 0x04034b50;
constexpr quint32 kCentralHeader = 0x02014b50;
constexpr quint32 kEndOfDirectory = 0x06054b50;
constexpr quint16 kStored = 0, kDeflated = 8;
constexpr qint64 kLargestMember = qint64(1) << 30;  // refuse sizes no workbook part reaches

quint32 u16(const QByteArray& b, qint64 at) {
    const auto* p = reinterpret_cast<const unsigned char*>(b.constData()) + at;
    return quint32(p[0]) | quint32(p[1]) << 8;
}

quint32 u32(const QByteArray& b, qint64 at) {
    return u16(b, at) | u16(b, at + 2) << 16;
}

void put16(QByteArray& b, quint32 v) {
    b.append(char(v & 0xff));
    b.append(char((v >> 8) & 0xff));
}

void put32(QByteArray& b, quint32 v) {
    put16(b, v & 0xffff);
    put16(b, v >> 16);
}

quint32 crc_of(const QByteArray& data) {
    return quint32(crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(data.constData()),
                         uInt(data.size())));
}

std::optional<QByteArray> inflate_raw(const QByteArray& in, qint64 size) {
    QByteArray out(size, Qt::Uninitialized);
    z_stream zs{};
    if (inflateInit2(&zs, -MAX_WBITS) != Z_OK) return std::nullopt;
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.constData()));
    zs.avail_in = uInt(in.size());
    zs.next_out = reinterpret_cast<Bytef*>(out.data());
    zs.avail_out = uInt(out.size());
    const int rc = inflate(&zs, Z_FINISH);
    const bool whole = rc == Z_STREAM_END && zs.total_out == uLong(size);
    inflateEnd(&zs);
    if (!whole) return std::nullopt;
    return out;
}

std::optional<QByteArray> deflate_raw(const QByteArray& in) {
    z_stream zs{};
    if (deflateInit2(&zs, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) !=
        Z_OK)
        return std::nullopt;
    QByteArray out(qsizetype(deflateBound(&zs, uLong(in.size()))), Qt::Uninitialized);
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.constData()));
    zs.avail_in = uInt(in.size());
    zs.next_out = reinterpret_cast<Bytef*>(out.data());
    zs.avail_out = uInt(out.size());
    const int rc = deflate(&zs, Z_FINISH);
    out.resize(qsizetype(zs.total_out));
    deflateEnd(&zs);
    if (rc != Z_STREAM_END) return std::nullopt;
    return out;
}

// Offset of the end-of-directory record, searched backwards over a possible comment.
qint64 end_of_directory(const QByteArray& a) {
    const qint64 last = a.size() - 22;
    const qint64 first = std::max<qint64>(0, last - 0xffff);
    for (qint64 at = last; at >= first; --at)
        if (u32(a, at) == kEndOfDirectory) return at;
    return -1;
}

// One member from its central directory entry at `at`; `next` is set past the entry.
std::optional<ZipMember> read_member(const QByteArray& a, qint64 at, qint64& next, QString& why) {
    if (at + 46 > a.size() || u32(a, at) != kCentralHeader) {
        why = QStringLiteral("the central directory is damaged");
        return std::nullopt;
    }
    const quint32 method = u16(a, at + 10), crc = u32(a, at + 16);
    const qint64 packed = u32(a, at + 20), size = u32(a, at + 24);
    const qint64 name_len = u16(a, at + 28), extra = u16(a, at + 30), comment = u16(a, at + 32);
    const qint64 local = u32(a, at + 42);
    next = at + 46 + name_len + extra + comment;
    ZipMember m;
    m.name = QString::fromUtf8(a.mid(at + 46, name_len));
    if (local + 30 > a.size() || u32(a, local) != kLocalHeader || size > kLargestMember) {
        why = QStringLiteral("member %1 is damaged").arg(m.name);
        return std::nullopt;
    }
    const qint64 data_at = local + 30 + u16(a, local + 26) + u16(a, local + 28);
    if (data_at + packed > a.size()) {
        why = QStringLiteral("member %1 is cut short").arg(m.name);
        return std::nullopt;
    }
    const QByteArray raw = a.mid(data_at, packed);
    std::optional<QByteArray> data;
    if (method == kStored && packed == size) data = raw;
    if (method == kDeflated) data = inflate_raw(raw, size);
    if (!data || crc_of(*data) != crc) {
        why = QStringLiteral("member %1 cannot be unpacked").arg(m.name);
        return std::nullopt;
    }
    m.data = std::move(*data);
    if (method == kDeflated) m.deflated = raw, m.crc = crc;
    return m;
}

// Date and time in the archive's MS-DOS form.
std::pair<quint32, quint32> dos_time_now() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    const quint32 date = quint32(std::max(d.year() - 1980, 0) << 9 | d.month() << 5 | d.day());
    const quint32 time = quint32(t.hour() << 11 | t.minute() << 5 | t.second() / 2);
    return {time, date};
}

// The fields shared by the local header and the directory entry, from the version needed on.
void put_common(QByteArray& b, quint32 time, quint32 date, quint32 crc, qint64 packed, qint64 size,
                qint64 name_len) {
    put16(b, 20);        // version needed: deflate
    put16(b, 1u << 11);  // names are UTF-8
    put16(b, kDeflated);
    put16(b, time);
    put16(b, date);
    put32(b, crc);
    put32(b, quint32(packed));
    put32(b, quint32(size));
    put16(b, quint32(name_len));
    put16(b, 0);  // no extra field
}

}  // namespace

std::optional<std::vector<ZipMember>> read_zip(const QByteArray& archive, QString* error) {
    QString why;
    std::vector<ZipMember> members;
    const qint64 end = end_of_directory(archive);
    if (end < 0) {
        why = QStringLiteral("not a zip archive");
    } else {
        const qint64 count = u16(archive, end + 10);
        qint64 at = u32(archive, end + 16);
        for (qint64 i = 0; i < count && why.isEmpty(); ++i) {
            auto m = read_member(archive, at, at, why);
            if (m) members.push_back(std::move(*m));
        }
    }
    if (why.isEmpty()) return members;
    if (error) *error = why;
    return std::nullopt;
}

QByteArray write_zip(const std::vector<ZipMember>& members) {
    if (members.size() > 0xffff) return {};
    const auto [time, date] = dos_time_now();
    QByteArray out, directory;
    for (const ZipMember& m : members) {
        const QByteArray name = m.name.toUtf8();
        const bool kept = !m.deflated.isEmpty();
        const std::optional<QByteArray> packed = kept ? m.deflated : deflate_raw(m.data);
        const qint64 offset = out.size();
        if (!packed || offset + packed->size() > std::numeric_limits<quint32>::max()) return {};
        const quint32 crc = kept ? m.crc : crc_of(m.data);
        put32(out, kLocalHeader);
        put_common(out, time, date, crc, packed->size(), m.data.size(), name.size());
        out += name;
        out += *packed;
        put32(directory, kCentralHeader);
        put16(directory, 20);  // made by: MS-DOS attributes, version 2.0
        put_common(directory, time, date, crc, packed->size(), m.data.size(), name.size());
        put16(directory, 0);  // no comment
        put16(directory, 0);  // disk 0
        put16(directory, 0);  // internal attributes
        put32(directory, 0);  // external attributes
        put32(directory, quint32(offset));
        directory += name;
    }
    const qint64 directory_at = out.size();
    out += directory;
    put32(out, kEndOfDirectory);
    put16(out, 0);
    put16(out, 0);
    put16(out, quint32(members.size()));
    put16(out, quint32(members.size()));
    put32(out, quint32(directory.size()));
    put32(out, quint32(directory_at));
    put16(out, 0);
    return out;
}

}  // namespace vornel
