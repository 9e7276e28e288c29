#include "editor/word_reader.h"

#include <cmath>
#include <limits>
#include <string>

#include "editor/number_text.h"

namespace vornel {

namespace {
bool is_blank(char c) {
    return c == ' ' || c == '\t';
}
bool is_line_end(char c) {
    return c == '\r' || c == '\n';
}
}  // namespace

TWordReader::TWordReader(const QByteArray& content) : content_(content) {}

qsizetype TWordReader::lineEnd(qsizetype from) const {
    const qsizetype n = content_.size();
    const char* d = content_.constData();
    while (from < n && !is_line_end(d[from])) ++from;
    return from;
}

qsizetype TWordReader::nextLineStart(qsizetype end) const {
    if (end >= content_.size()) return content_.size();
    if (content_[end] == '\r' && end + 1 < content_.size() && content_[end + 1] == '\n')
        return end + 2;
    return end + 1;
}

std::optional<QString> TWordReader::readLine() {
    if (atEnd()) {
        error_ = reader_text::kIncomplete;
        return std::nullopt;
    }
    const qsizetype end = lineEnd(line_start_);
    QString s = QString::fromLatin1(content_.constData() + line_start_, end - line_start_);
    line_start_ = scan_ = nextLineStart(end);
    ++line_;
    item_ = 0;
    return s;
}

bool TWordReader::nextItem(Position& p) const {
    const qsizetype n = content_.size();
    const char* d = content_.constData();
    p.line = line_;
    p.lineStart = line_start_;
    p.item = item_;
    qsizetype i = scan_;
    for (;;) {
        while (i < n && is_blank(d[i])) ++i;
        if (i >= n) return false;
        if (!is_line_end(d[i])) break;
        i = nextLineStart(i);
        ++p.line;
        p.lineStart = i;
        p.item = 0;
    }
    p.itemStart = i;
    while (i < n && !is_blank(d[i]) && !is_line_end(d[i])) ++i;
    p.itemLength = i - p.itemStart;
    return true;
}

QString TWordReader::itemError(const Position& p, const char* what) const {
    return QStringLiteral("Error on Line %1 Item %2\n%3").arg(p.line + 1).arg(p.item + 1).arg(what);
}

std::optional<double> TWordReader::take(bool integral, double min, double max) {
    Position p;
    if (!nextItem(p)) {
        error_ = reader_text::kIncomplete;
        return std::nullopt;
    }
    long double x = 0;
    const bool number =
        parse_decimal(
            std::string(content_.constData() + p.itemStart, static_cast<std::size_t>(p.itemLength)),
            x) &&
        std::fabs(x) <= static_cast<long double>(std::numeric_limits<double>::max());
    const double v = static_cast<double>(x);
    const bool ok = number && (!integral || (v == std::trunc(v) && v >= min && v <= max));
    if (!ok) {
        error_ =
            itemError(p, integral ? reader_text::kIntegerExpected : reader_text::kRealExpected);
        return std::nullopt;
    }
    line_ = p.line;
    line_start_ = p.lineStart;
    item_ = p.item + 1;
    scan_ = p.itemStart + p.itemLength;
    return v;
}

std::optional<double> TWordReader::readReal() {
    return take(false, 0, 0);
}

std::optional<int> TWordReader::readInteger(int min, int max) {
    const auto v = take(true, min, max);
    if (!v) return std::nullopt;
    return static_cast<int>(*v);
}

}  // namespace vornel
