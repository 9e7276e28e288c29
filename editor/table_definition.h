// A tagged item stream for table definitions.
//
// Each item carries its kind (integer, boolean, text, real, list start, list end) in front of
// its value, so that a reader can tell an older definition (an integer where newer ones hold a
// marker text) from a newer one, and so that a damaged stream is detected at the first item
// that is not what the reader expects.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace vornel {

enum class DefItem : quint8 { Int = 1, Bool, Text, Real, ListStart, ListEnd, End };

class DefinitionWriter {
  public:
    void writeInt(qint32 v);
    void writeBool(bool v);
    void writeText(const QString& v);
    void writeReal(double v);
    void writeTextList(const QStringList& v);
    void writeIntList(const QList<int>& v);
    const QByteArray& bytes() const { return bytes_; }

  private:
    void tag(DefItem t) { bytes_.append(static_cast<char>(t)); }
    void raw(const void* p, qsizetype n) { bytes_.append(static_cast<const char*>(p), n); }
    QByteArray bytes_;
};

// Every read returns false (and leaves the position) when the next item is not of the kind
// asked for or the stream ends.
class DefinitionReader {
  public:
    explicit DefinitionReader(QByteArray bytes) : bytes_(std::move(bytes)) {}
    DefItem peek() const;
    bool readInt(qint32& v);
    bool readBool(bool& v);
    bool readText(QString& v);
    bool readReal(double& v);
    bool readTextList(QStringList& v);
    bool readIntList(QList<int>& v);

  private:
    bool take(DefItem t);
    bool rawRead(void* p, qsizetype n);
    QByteArray bytes_;
    qsizetype pos_ = 0;
};

}  // namespace vornel
