#include "editor/expression_evaluator.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>
#include <vector>

#include "editor/number_text.h"

namespace vornel {

namespace {

struct Failure {
    std::string message;
    bool arithmetic;
};

[[noreturn]] void fail_syntax(const char* reason) {
    throw Failure{std::string(eval_text::kPrefix) + reason, false};
}
[[noreturn]] void fail_arithmetic(const char* message) {
    throw Failure{message, true};
}

// A NaN is an invalid operation, an infinity an overflow: neither may reach a project.
long double checked(long double v) {
    if (std::isnan(v)) fail_arithmetic(eval_text::kInvalidOperation);
    if (std::isinf(v)) fail_arithmetic(eval_text::kOverflow);
    return v;
}

// Every intermediate result is written with 18 significant digits and read back.
long double round18(long double v) {
    checked(v);
    return checked(round_to_digits(v, 18));
}

constexpr long double kPi = 3.141592653589793238462643383279502884L;
constexpr long double kE = 2.718281828459045235360287471352662498L;
constexpr int kMaxDepth = 400;  // nested function terms; deeper text is not an expression

// Function names, longest first so that "cosec" is not taken for "cos".
constexpr std::array<std::string_view, 25> kFunctions = {
    "arctanh", "arccosh", "arcsinh", "arctan", "arccos", "arcsin", "cotan", "cosec", "round",
    "floor",   "tanh",    "cosh",    "sinh",   "frac",   "ceil",   "sqrt",  "tan",   "cos",
    "sec",     "sin",     "csc",     "abs",    "int",    "log",    "ln"};

bool is_function_name(std::string_view s) {
    for (auto name : kFunctions)
        if (s == name) return true;
    return false;
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

long double reciprocal(long double d) {
    if (d == 0.0L) fail_arithmetic(eval_text::kDivisionByZero);
    return 1.0L / d;
}

long double to_int32(long double v) {
    if (v < -2147483648.0L || v > 2147483647.0L) fail_arithmetic(eval_text::kOverflow);
    return v;
}

long double logarithm(long double x, bool base10) {
    if (x == 0.0L) fail_arithmetic(eval_text::kDivisionByZero);
    if (x < 0.0L) fail_arithmetic(eval_text::kInvalidOperation);
    return base10 ? std::log10(x) : std::log(x);
}

long double apply_function(std::string_view f, long double x) {
    if (f == "arctanh") return std::atanh(x);
    if (f == "arctan") return std::atan(x);
    if (f == "cotan") return reciprocal(std::tan(x));
    if (f == "tanh") return std::tanh(x);
    if (f == "tan") return std::tan(x);
    if (f == "arccosh") return std::acosh(x);
    if (f == "arccos") return std::acos(x);
    if (f == "cosh") return std::cosh(x);
    if (f == "cos") return std::cos(x);
    if (f == "sec") return reciprocal(std::cos(x));
    if (f == "arcsinh") return std::asinh(x);
    if (f == "arcsin") return std::asin(x);
    if (f == "sinh") return std::sinh(x);
    if (f == "sin") return std::sin(x);
    if (f == "cosec" || f == "csc") return reciprocal(std::sin(x));
    if (f == "abs") return std::fabs(x);
    if (f == "frac") return x - std::trunc(x);
    if (f == "int") return std::trunc(x);
    if (f == "ln") return logarithm(x, false);
    if (f == "round") return std::nearbyint(x);  // halves to even
    if (f == "ceil") return to_int32(std::ceil(x));
    if (f == "floor") return to_int32(std::floor(x));
    if (f == "log") return logarithm(x, true);
    if (x < 0.0L) fail_arithmetic(eval_text::kInvalidOperation);  // sqrt
    return std::sqrt(x);
}

long double hexadecimal(std::string_view digits) {
    bool negative = false;
    if (!digits.empty() && digits.front() == '-') {
        negative = true;
        digits.remove_prefix(1);
    }
    if (digits.empty() || digits.size() > 16) fail_syntax(eval_text::kInvalidHex);
    std::uint64_t v = 0;
    for (char c : digits) {
        int d = (c >= '0' && c <= '9') ? c - '0' : (c >= 'a' && c <= 'f') ? c - 'a' + 10 : -1;
        if (d < 0) fail_syntax(eval_text::kInvalidHex);
        v = v * 16 + static_cast<std::uint64_t>(d);
    }
    const long double x = static_cast<long double>(v);
    return negative ? -x : x;
}

long double factorial(long double n) {
    if (n != std::trunc(n)) fail_syntax(eval_text::kFactorial);
    const long double m = std::fabs(n);
    if (m > 1800.0L) fail_arithmetic(eval_text::kOverflow);
    long double r = 1.0L;
    for (long double k = 2.0L; k <= m; k += 1.0L) r = checked(r * k);
    return n < 0.0L ? -r : r;
}

long double term(std::string_view text, int depth) {
    if (depth > kMaxDepth) fail_syntax(eval_text::kInvalidExpression);
    std::string t = lower(text);
    for (auto p = t.find("--"); p != std::string::npos; p = t.find("--", p)) t.erase(p, 2);
    if (t == "pi") return kPi;
    if (t == "-pi") return -kPi;
    if (t == "e") return kE;
    if (t == "-e") return -kE;
    for (auto name : kFunctions)
        if (t.starts_with(name))
            return checked(
                apply_function(name, term(std::string_view(t).substr(name.size()), depth + 1)));
    if (!t.empty() && t.back() == '!')
        return factorial(term(std::string_view(t).substr(0, t.size() - 1), depth + 1));
    if (!t.empty() && t.front() == '$') return hexadecimal(std::string_view(t).substr(1));
    long double v = 0;
    if (!parse_decimal(t, v)) {
        // A number too large for the extended range is an overflow, not a typing error.
        if (decimal_too_large(t)) fail_arithmetic(eval_text::kOverflow);
        fail_syntax(eval_text::kInvalidCharacters);
    }
    return v;
}

// A "-" is a sign (part of its operand) at the start, after an operator, an exponent letter
// or another minus, and right after a function name that stands alone before it ("sin-1").
bool is_sign(const std::string& s, size_t i) {
    if (i == 0) return true;
    switch (s[i - 1]) {
        case '%':
        case '&':
        case '*':
        case '+':
        case '/':
        case '=':
        case 'E':
        case '^':
        case 'e':
        case '|':
        case '-':
            return true;
        default:
            break;
    }
    const std::string before = lower(std::string_view(s).substr(0, i));
    return before == "!" || before == "$" || is_function_name(before);
}

bool in_pass(char op, int pass) {
    switch (pass) {
        case 1:
            return op == '^';
        case 2:
            return op == '*' || op == '/' || op == '%' || op == '&';
        case 3:
            return op == '+' || op == '-' || op == '|';
        default:
            return op == '=';
    }
}

long double remainder64(long double a, long double b) {
    constexpr long double kLimit = 9223372036854775807.0L;
    const long double ta = std::trunc(a), tb = std::trunc(b);
    if (std::fabs(ta) > kLimit || std::fabs(tb) > kLimit)
        fail_arithmetic(eval_text::kInvalidOperation);
    const auto ia = static_cast<std::int64_t>(ta), ib = static_cast<std::int64_t>(tb);
    if (ib == 0) fail_arithmetic(eval_text::kDivisionByZero);
    if (ib == -1) return 0.0L;  // the one quotient that overflows 64 bits
    return static_cast<long double>(ia % ib);
}

long double apply_operator(long double a, char op, long double b) {
    switch (op) {
        case '^':
            if (a == 0.0L && b < 0.0L) fail_arithmetic(eval_text::kDivisionByZero);
            return std::pow(a, b);
        case '*':
            return a * b;
        case '/':
            if (b == 0.0L)
                fail_arithmetic(a == 0.0L ? eval_text::kInvalidOperation
                                          : eval_text::kDivisionByZero);
            return a / b;
        case '%':
            return remainder64(a, b);
        case '&':
            return (a != 0.0L && b != 0.0L) ? 1.0L : 0.0L;
        case '+':
            return a + b;
        case '-':
            return a - b;
        case '|':
            return (a != 0.0L || b != 0.0L) ? 1.0L : 0.0L;
        default:
            return a == b ? 1.0L : 0.0L;
    }
}

// Steps 3 to 5 on a text without parentheses.
long double evaluate_flat(const std::string& s) {
    if (s.empty()) fail_syntax(eval_text::kBlank);
    std::vector<std::string_view> operands;
    std::vector<char> ops;
    size_t start = 0;
    auto close_operand = [&](size_t end) {
        if (end > start) operands.push_back(std::string_view(s).substr(start, end - start));
    };
    for (size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        const bool op = (c == '-') ? !is_sign(s, i)
                                   : (c == '^' || c == '*' || c == '/' || c == '%' || c == '+' ||
                                      c == '=' || c == '|' || c == '&');
        if (!op) continue;
        close_operand(i);
        ops.push_back(c);
        start = i + 1;
    }
    close_operand(s.size());
    if (operands.size() != ops.size() + 1) fail_syntax(eval_text::kInvalidExpression);
    std::vector<long double> v;
    v.reserve(operands.size());
    for (auto o : operands) v.push_back(round18(term(o, 0)));
    for (int pass = 1; pass <= 4; ++pass) {
        for (size_t i = 0; i < ops.size();) {
            if (!in_pass(ops[i], pass)) {
                ++i;
                continue;
            }
            v[i] = round18(apply_operator(v[i], ops[i], v[i + 1]));
            v.erase(v.begin() + static_cast<std::ptrdiff_t>(i) + 1);
            ops.erase(ops.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    return v.front();
}

long double evaluate_text(std::string s) {
    for (;;) {
        const auto close = s.find(')');
        if (close == std::string::npos) break;
        const auto open = close == 0 ? std::string::npos : s.rfind('(', close - 1);
        if (open == std::string::npos) fail_syntax(eval_text::kParentheses);
        const long double inner = evaluate_flat(s.substr(open + 1, close - open - 1));
        s = s.substr(0, open) + format_general_ld(inner, 18) + s.substr(close + 1);
    }
    return evaluate_flat(s);
}

}  // namespace

EvalResult evaluate_expression(const std::string& text) {
    EvalResult r;
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t') s.push_back(c);
    try {
        if (s.empty()) fail_syntax(eval_text::kBlank);
        const long double v = evaluate_text(std::move(s));
        if (std::fabs(v) > static_cast<long double>(std::numeric_limits<double>::max()))
            fail_arithmetic(eval_text::kOverflow);
        r.ok = true;
        r.value = static_cast<double>(v);
    } catch (const Failure& f) {
        r.message = QString::fromStdString(f.message);
        r.arithmetic = f.arithmetic;
    }
    return r;
}

EvalResult evaluate_expression(const QString& text) {
    return evaluate_expression(text.toStdString());
}

}  // namespace vornel
