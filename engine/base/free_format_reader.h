// Free-format reading of the engine's text input: the input data file and the two scratch
// files that the soil routines leave for the core.
//
// Values are separated by blanks, tabs or commas, any number of them. Every record starts
// on a new line; a record that needs more values than its first line holds continues on
// the following lines, and values left over on the last line it used are ignored. A line
// ends in line feed, in carriage return and line feed, or in carriage return alone; the
// three read alike.
// Integers are plain decimal numbers (a real with a zero fraction is accepted too); reals
// may carry an exponent with the letter E or D, in either case.
//
// A scratch file is read in lenient mode: adjacent numbers that a fixed-column writer has
// run together ("-0.123E+02-0.456E-01") are split where the second one begins.
//
// Whatever cannot be read ends the run: the reader writes one line naming the value, the
// record and the line into the report and throws RunStop.
#pragma once

#include <cstddef>
#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>

namespace vornel {

class FreeFormatReader {
  public:
    // `source` names the file in messages when it is not the input data file.
    FreeFormatReader(std::string text, std::ostream& report, std::string source = "",
                     bool lenient = false);

    // Starts the record called `name`: the next value is taken from the next line.
    void record(std::string name);
    const std::string& record_name() const { return record_; }

    // The next whole line as text, without its line end (the title record).
    std::string line();
    // Skips `count` whole lines.
    void skip_lines(long long count);

    int integer();
    double real();

    // True when a value is left anywhere after the read position.
    bool more_values() const;
    // True when no line is left to read.
    bool at_end() const { return next_ >= text_.size() && cursor_ >= line_end_; }
    // One-based number of the line the reader is on (0 before the first line).
    long long line_number() const { return line_number_; }

    // Writes "     ERROR STOP -- <what> IN <record>, LINE <n>" after two empty lines and
    // throws RunStop.
    [[noreturn]] void fail(const std::string& what) const;
    // The same for a value of an earlier record: "... IN <record>" without a line number.
    [[noreturn]] void fail_in(const std::string& record, const std::string& what) const;

  private:
    [[noreturn]] void fail_in(const std::string& record, const std::string& what,
                              const std::string& suffix) const;
    bool next_line();
    std::string_view token();
    std::string_view take_number(std::string_view word) const;

    std::string text_;
    std::ostream& report_;
    std::string source_;
    bool lenient_;
    std::string record_;
    std::size_t next_ = 0;      // start of the line after the current one
    std::size_t cursor_ = 0;    // read position in the current line
    std::size_t line_end_ = 0;  // end of the current line (line end excluded)
    long long line_number_ = 0;
};

// Parses one real in the free format (E or D exponent); false when `text` is not a number
// or lies beyond the range of a double.
bool parse_real(std::string_view text, double& value);

// The largest magnitude a real of a deck may have.
constexpr double kLargestValue = 1e30;

// The whole file; false when it cannot be read or is not a regular file (never blocks on a
// pipe).
bool read_file(const std::filesystem::path& path, std::string& text);

}  // namespace vornel
