#include "editor/table_definition.h"

#include <cstring>

namespace vornel {

namespace {
constexpr qint32 kMaxTextLength = 1 << 20;  // no header or item text is longer
constexpr qint32 kMaxListLength = 1 << 16;
}  // namespace

void DefinitionWriter::writeInt(qint32 v) {
    tag(DefItem::Int);
    raw(&v, sizeof v);
}
void DefinitionWriter::writeBool(bool v) {
    tag(DefItem::Bool);
    const char c = v ? 1 : 0;
    raw(&c, 1);
}
void DefinitionWriter::writeText(const QString& v) {
    tag(DefItem::Text);
    const QByteArray u = v.toUtf8();
    const auto n = static_cast<qint32>(u.size());
    raw(&n, sizeof n);
    bytes_.append(u);
}
void DefinitionWriter::writeReal(double v) {
    tag(DefItem::Real);
    raw(&v, sizeof v);
}
void DefinitionWriter::writeTextList(const QStringList& v) {
    tag(DefItem::ListStart);
    for (const auto& s : v) writeText(s);
    tag(DefItem::ListEnd);
}
void DefinitionWriter::writeIntList(const QList<int>& v) {
    tag(DefItem::ListStart);
    for (int i : v) writeInt(i);
    tag(DefItem::ListEnd);
}

DefItem DefinitionReader::peek() const {
    if (pos_ >= bytes_.size()) return DefItem::End;
    return static_cast<DefItem>(static_cast<quint8>(bytes_[pos_]));
}

bool DefinitionReader::take(DefItem t) {
    if (peek() != t) return false;
    ++pos_;
    return true;
}

bool DefinitionReader::rawRead(void* p, qsizetype n) {
    if (bytes_.size() - pos_ < n) return false;
    std::memcpy(p, bytes_.constData() + pos_, static_cast<size_t>(n));
    pos_ += n;
    return true;
}

bool DefinitionReader::readInt(qint32& v) {
    const auto save = pos_;
    if (take(DefItem::Int) && rawRead(&v, sizeof v)) return true;
    pos_ = save;
    return false;
}

bool DefinitionReader::readBool(bool& v) {
    const auto save = pos_;
    char c = 0;
    if (take(DefItem::Bool) && rawRead(&c, 1) && (c == 0 || c == 1)) {
        v = c == 1;
        return true;
    }
    pos_ = save;
    return false;
}

bool DefinitionReader::readText(QString& v) {
    const auto save = pos_;
    qint32 n = 0;
    if (take(DefItem::Text) && rawRead(&n, sizeof n) && n >= 0 && n <= kMaxTextLength &&
        bytes_.size() - pos_ >= n) {
        v = QString::fromUtf8(bytes_.constData() + pos_, n);
        pos_ += n;
        return true;
    }
    pos_ = save;
    return false;
}

bool DefinitionReader::readReal(double& v) {
    const auto save = pos_;
    if (take(DefItem::Real) && rawRead(&v, sizeof v)) return true;
    pos_ = save;
    return false;
}

bool DefinitionReader::readTextList(QStringList& v) {
    const auto save = pos_;
    v.clear();
    if (take(DefItem::ListStart)) {
        QString s;
        while (v.size() < kMaxListLength && readText(s)) v.append(s);
        if (take(DefItem::ListEnd)) return true;
    }
    pos_ = save;
    return false;
}

bool DefinitionReader::readIntList(QList<int>& v) {
    const auto save = pos_;
    v.clear();
    if (take(DefItem::ListStart)) {
        qint32 i = 0;
        while (v.size() < kMaxListLength && readInt(i)) v.append(i);
        if (take(DefItem::ListEnd)) return true;
    }
    pos_ = save;
    return false;
}

}  // namespace vornel
