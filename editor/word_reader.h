// TWordReader: the whitespace tokenizer that reads data, stage and plot files.
//
// The file is held once, as the bytes it was read as, and walked with a cursor: lines end at
// CR LF, LF or CR and are cut into items at runs of blanks and tabs as the reader reaches
// them, so reading needs no more memory than the file itself (a deck of ten megabytes is
// read in about ten). Items are taken across line ends, so a record may be
// split over lines or share a line with the next record as long as the order of the items is
// kept; lines without items are passed over. Text is 8-bit: every byte is one character.
//
// Every failure leaves the reader where it was and returns the reader's message:
//   "Error on Line <l> Item <i>" + line break + "A floating point number was expected but
//   not found." (or "An integer was expected but not found."), or
//   "This file either invalid or incomplete." when the file ends before the read does.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace vornel {

class TWordReader {
  public:
    explicit TWordReader(const QByteArray& content);

    // The whole current line as in the file (untrimmed); moves to the next line.
    std::optional<QString> readLine();
    std::optional<double> readReal();
    // A real whose fractional part is zero and that lies in [min, max] (by default the
    // 32-bit range): "1.0" is accepted, "1.5" and "3e10" are not.
    std::optional<int> readInteger(int min = -2147483647 - 1, int max = 2147483647);
    bool atEnd() const { return line_start_ >= content_.size(); }

    const QString& error() const { return error_; }
    int lineNumber() const { return static_cast<int>(line_) + 1; }

  private:
    struct Position {
        qsizetype line = 0;       // line number, from 0
        qsizetype lineStart = 0;  // offset of the line's first byte
        qsizetype item = 0;       // index of the item on its line
        qsizetype itemStart = 0;  // offset of the item's first byte
        qsizetype itemLength = 0;
    };
    qsizetype lineEnd(qsizetype from) const;       // offset of the CR or LF ending the line
    qsizetype nextLineStart(qsizetype end) const;  // offset after the line end at `end`
    // Finds the next item; false (with the message) at the end of the file.
    bool nextItem(Position& p) const;
    // The next item as a number (an integer within [min, max] when `integral`).
    std::optional<double> take(bool integral, double min, double max);
    QString itemError(const Position& p, const char* what) const;

    QByteArray content_;
    qsizetype line_ = 0;        // current line
    qsizetype line_start_ = 0;  // its first byte
    qsizetype item_ = 0;        // next item of the current line
    qsizetype scan_ = 0;        // where the search for that item starts
    QString error_;
};

namespace reader_text {
inline constexpr char kIncomplete[] = "This file either invalid or incomplete.";
inline constexpr char kRealExpected[] = "A floating point number was expected but not found.";
inline constexpr char kIntegerExpected[] = "An integer was expected but not found.";
}  // namespace reader_text

}  // namespace vornel
