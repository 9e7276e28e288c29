#include "editor/word_reader.h"

#include <cmath>

#include "editor/number_text.h"

namespace vornel {

TWordReader::TWordReader(const QByteArray& content) {
    const QString text = QString::fromLatin1(content);
    qsizetype start = 0;
    const qsizetype n = text.size();
    auto add_line = [&](qsizetype end) {
        Line l;
        l.text = text.mid(start, end - start);
        qsizetype i = 0;
        const qsizetype m = l.text.size();
        while (i < m) {
            while (i < m && (l.text[i] == QLatin1Char(' ') || l.text[i] == QLatin1Char('\t'))) ++i;
            const qsizetype b = i;
            while (i < m && l.text[i] != QLatin1Char(' ') && l.text[i] != QLatin1Char('\t')) ++i;
            if (i > b) l.items.emplace_back(b, i - b);
        }
        lines_.push_back(std::move(l));
    };
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) continue;
        add_line(i);
        if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n')) ++i;
        start = i + 1;
    }
    if (start < n) add_line(n);
}

std::optional<QString> TWordReader::readLine() {
    if (atEnd()) {
        error_ = reader_text::kIncomplete;
        return std::nullopt;
    }
    QString s = lines_[static_cast<size_t>(line_)].text;
    ++line_;
    item_ = 0;
    return s;
}

bool TWordReader::nextItem(qsizetype& line, qsizetype& item) const {
    line = line_;
    item = item_;
    while (line < static_cast<qsizetype>(lines_.size()) &&
           item >= static_cast<qsizetype>(lines_[static_cast<size_t>(line)].items.size())) {
        ++line;
        item = 0;
    }
    return line < static_cast<qsizetype>(lines_.size());
}

QString TWordReader::itemError(qsizetype line, qsizetype item, const char* what) const {
    return QStringLiteral("Error on Line %1 Item %2\n%3").arg(line + 1).arg(item + 1).arg(what);
}

std::optional<double> TWordReader::take(bool integral, double min, double max) {
    qsizetype line = 0, item = 0;
    if (!nextItem(line, item)) {
        error_ = reader_text::kIncomplete;
        return std::nullopt;
    }
    const Line& l = lines_[static_cast<size_t>(line)];
    const auto [b, len] = l.items[static_cast<size_t>(item)];
    double v = 0;
    const bool ok = parse_decimal(l.text.mid(b, len), v) &&
                    (!integral || (v == std::trunc(v) && v >= min && v <= max));
    if (!ok) {
        error_ = itemError(line, item,
                           integral ? reader_text::kIntegerExpected : reader_text::kRealExpected);
        return std::nullopt;
    }
    line_ = line;
    item_ = item + 1;
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
