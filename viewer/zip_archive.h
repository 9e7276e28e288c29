// A zip archive held in memory: just enough of the format to read a workbook package back and
// to write it again after one of its parts has been edited.
//
// Reading understands stored and deflated members (the two methods every spreadsheet package
// uses) and checks each member's CRC; writing deflates every member. Archives above 4 GB
// (zip64) are neither read nor written: a workbook of result graphs is a few megabytes at most.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace vornel {

struct ZipMember {
    QString name;  // path inside the archive, "/" separated
    QByteArray data;
    // The member as read, still deflated, with its CRC: written again as it is, unless `data`
    // has been changed and this cleared.
    QByteArray deflated;
    quint32 crc = 0;
};

// The members in the order of the central directory; nothing and `error` set when the bytes
// are not a readable zip archive.
std::optional<std::vector<ZipMember>> read_zip(const QByteArray& archive, QString* error = nullptr);

// An archive of the members in order, each deflated; an empty array when zlib fails.
QByteArray write_zip(const std::vector<ZipMember>& members);

}  // namespace vornel
