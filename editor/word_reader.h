// TWordReader: the whitespace tokenizer that reads data, stage and plot files.
//
// The whole file is loaded at once as lines (ended by CR LF, LF or CR) and every line is cut
// into items at runs of blanks and tabs. Items are taken across line ends, so a record may be
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
#include <QStringList>
#include <optional>
#include <vector>

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
    bool atEnd() const { return line_ >= static_cast<qsizetype>(lines_.size()); }

    const QString& error() const { return error_; }
    int lineNumber() const { return static_cast<int>(line_) + 1; }

  private:
    struct Line {
        QString text;
        std::vector<std::pair<qsizetype, qsizetype>> items;  // start, length
    };
    // Moves to the next item; false (with the message) at the end of the file.
    bool nextItem(qsizetype& line, qsizetype& item) const;
    // The next item as a number (an integer within [min, max] when `integral`).
    std::optional<double> take(bool integral, double min, double max);
    QString itemError(qsizetype line, qsizetype item, const char* what) const;

    std::vector<Line> lines_;
    qsizetype line_ = 0;
    qsizetype item_ = 0;  // next item of the current line
    QString error_;
};

namespace reader_text {
inline constexpr char kIncomplete[] = "This file either invalid or incomplete.";
inline constexpr char kRealExpected[] = "A floating point number was expected but not found.";
inline constexpr char kIntegerExpected[] = "An integer was expected but not found.";
}  // namespace reader_text

}  // namespace vornel
