#include "engine/base/free_format_reader.h"

#include <locale.h>
#include <stdlib.h>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "engine/base/run_stop.h"

namespace vornel {
namespace {

bool is_separator(char c) {
    return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\f' || c == '\v';
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the longest prefix of `s` that is a number: [+-] digits [. digits] [exponent],
// or [+-] . digits [exponent]; the exponent is E, e, D or d, an optional sign and digits.
std::size_t numeric_prefix(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && is_digit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && is_digit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    const std::size_t mantissa_end = i;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t exp_digits = 0;
        while (i < s.size() && is_digit(s[i])) ++i, ++exp_digits;
        if (exp_digits == 0) return mantissa_end;
    }
    return i;
}

bool all_digits(std::string_view s) {
    std::size_t i = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
    if (i == s.size()) return false;
    for (; i < s.size(); ++i) {
        if (!is_digit(s[i])) return false;
    }
    return true;
}

// A token as quoted in a message: at most 32 characters, unprintable ones shown as '?'.
std::string quoted(std::string_view tok) {
    std::string q = "\"";
    for (char c : tok.substr(0, 32)) {
        q.push_back(
            (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126) ? '?' : c);
    }
    if (tok.size() > 32) q += "...";
    return q + "\"";
}

// The host program may have switched the C library to a locale with a decimal comma; numbers
// of the data files always use the point.
double strtod_in_c_locale(const char* text) {
    static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtod_l(text, nullptr, c_locale);
}

}  // namespace

bool parse_real(std::string_view text, double& value) {
    if (text.empty() || text.size() > 300 || numeric_prefix(text) != text.size()) return false;
    char buf[320];
    std::size_t n = 0;
    for (char c : text) {
        if (c == '+' && n == 0) continue;
        buf[n++] = (c == 'D' || c == 'd') ? 'e' : c;
    }
    double v = 0.0;
    const auto [end, ec] = std::from_chars(buf, buf + n, v);
    if (end != buf + n) return false;
    if (ec == std::errc::result_out_of_range) {
        // Underflow reads as (nearly) zero; overflow is refused.
        buf[n] = '\0';
        v = strtod_in_c_locale(buf);
        if (!std::isfinite(v)) return false;
    } else if (ec != std::errc()) {
        return false;
    }
    value = v;
    return true;
}

bool read_file(const std::filesystem::path& path, std::string& text) {
    // Only a regular file: opening a pipe or a device would wait for a writer for ever. The
    // size of anything else is an error, so one look tells both.
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec) return false;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    // Read straight into the string, without the C library's buffer, in one call of the size
    // the file has. A file that says it is empty (as some special files do) is read until
    // its end.
    std::setvbuf(file, nullptr, _IONBF, 0);
    std::size_t got = 0;
    if (size > 0) {
        text.resize(static_cast<std::size_t>(size));
        got = std::fread(text.data(), 1, text.size(), file);
    } else {
        text.resize(4096);
        for (std::size_t n = 1; n > 0; got += n) {
            if (got == text.size()) text.resize(2 * text.size());
            n = std::fread(text.data() + got, 1, text.size() - got, file);
        }
    }
    const bool ok = std::ferror(file) == 0;
    std::fclose(file);
    text.resize(ok ? got : 0);
    return ok;
}

FreeFormatReader::FreeFormatReader(std::string text, std::ostream& report, std::string source,
                                   bool lenient)
    : text_(std::move(text)), report_(report), source_(std::move(source)), lenient_(lenient) {}

void FreeFormatReader::record(std::string name) {
    record_ = std::move(name);
    cursor_ = line_end_;
}

bool FreeFormatReader::next_line() {
    if (next_ >= text_.size()) return false;
    const std::size_t start = next_;
    // A line ends in line feed, in carriage return and line feed, or in carriage return
    // alone (as older Macintosh editors wrote, and as the editor reads them).
    std::size_t end = start;
    while (end < text_.size() && text_[end] != '\n' && text_[end] != '\r') ++end;
    next_ = end;
    if (next_ < text_.size()) {
        if (text_[next_] == '\r' && next_ + 1 < text_.size() && text_[next_ + 1] == '\n') ++next_;
        ++next_;
    }
    cursor_ = start;
    line_end_ = end;
    ++line_number_;
    return true;
}

bool FreeFormatReader::more_values() const {
    return text_.find_first_not_of(" \t,\r\f\v\n", cursor_) != std::string::npos;
}

std::string FreeFormatReader::line() {
    if (!next_line()) fail("END OF FILE");
    std::string result = text_.substr(cursor_, line_end_ - cursor_);
    cursor_ = line_end_;
    return result;
}

void FreeFormatReader::skip_lines(long long count) {
    for (long long k = 0; k < count; ++k) {
        if (!next_line()) fail("END OF FILE");
    }
    cursor_ = line_end_;
}

std::string_view FreeFormatReader::token() {
    for (;;) {
        while (cursor_ < line_end_ && is_separator(text_[cursor_])) ++cursor_;
        if (cursor_ < line_end_) break;
        if (!next_line()) fail("END OF FILE");
    }
    std::size_t end = cursor_;
    while (end < line_end_ && !is_separator(text_[end])) ++end;
    std::string_view word(text_.data() + cursor_, end - cursor_);
    if (lenient_) {
        const std::string_view number = take_number(word);
        if (!number.empty()) word = number;
    }
    cursor_ += word.size();
    return word;
}

std::string_view FreeFormatReader::take_number(std::string_view word) const {
    return word.substr(0, numeric_prefix(word));
}

int FreeFormatReader::integer() {
    const std::string_view tok = token();
    if (all_digits(tok)) {
        int v = 0;
        const char* first = tok.data() + (tok[0] == '+' ? 1 : 0);
        const auto [end, ec] = std::from_chars(first, tok.data() + tok.size(), v);
        if (ec == std::errc() && end == tok.data() + tok.size()) return v;
    } else {
        double r = 0.0;
        if (parse_real(tok, r) && r == std::floor(r) &&
            r >= static_cast<double>(std::numeric_limits<int>::min()) &&
            r <= static_cast<double>(std::numeric_limits<int>::max())) {
            return static_cast<int>(r);
        }
    }
    fail("MALFORMED INTEGER " + quoted(tok));
}

double FreeFormatReader::real() {
    const std::string_view tok = token();
    double v = 0.0;
    if (!parse_real(tok, v)) fail("MALFORMED NUMBER " + quoted(tok));
    // Beyond this no quantity of a wall means anything, and powers of it would overflow.
    if (!(std::fabs(v) <= kLargestValue)) fail("NUMBER " + quoted(tok) + " OUTSIDE -1E30..1E30");
    return v;
}

void FreeFormatReader::fail(const std::string& what) const {
    fail_in(record_.empty() ? std::string("INPUT") : record_, what,
            ", LINE " + std::to_string(line_number_));
}

void FreeFormatReader::fail_in(const std::string& record, const std::string& what) const {
    fail_in(record, what, "");
}

void FreeFormatReader::fail_in(const std::string& record, const std::string& what,
                               const std::string& suffix) const {
    std::string text = what + " IN " + record;
    if (!source_.empty()) text += " OF " + source_;
    text += suffix;
    report_ << "\n\n     ERROR STOP -- " << text << '\n';
    throw RunStop(text);
}

}  // namespace vornel
