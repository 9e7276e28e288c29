// The evaluator against hand-computed results and its failure messages, letter for letter.
#include "editor/expression_evaluator.h"

#include <gtest/gtest.h>

#include "editor_test_support.h"

#include <cmath>
#include <random>
#include <string>

namespace vornel {
namespace {

double eval(const std::string& s) {
    const EvalResult r = evaluate_expression(s);
    EXPECT_TRUE(r.ok) << s << " -> " << r.message.toStdString();
    return r.value;
}

std::string failure(const std::string& s) {
    const EvalResult r = evaluate_expression(s);
    EXPECT_FALSE(r.ok) << s << " gave " << r.value;
    return r.message.toStdString();
}

const std::string kPrefix = "Entry could not be evaluated:\n";

TEST(ExpressionEvaluator, OperatorPassesLeftToRight) {
    EXPECT_EQ(eval("2+3*4"), 14.0);
    EXPECT_EQ(eval("2^3^2"), 64.0);  // (2^3)^2, not 2^9
    EXPECT_EQ(eval("7%3"), 1.0);
    EXPECT_EQ(eval("-7%3"), -1.0);
    EXPECT_EQ(eval("7.9%3.2"), 1.0);  // both truncated first: 7 % 3
    EXPECT_EQ(eval("10-4-3"), 3.0);
    EXPECT_EQ(eval("12/4/3"), 1.0);
    EXPECT_EQ(eval("1+2=3"), 1.0);  // equality is the last pass
    EXPECT_EQ(eval(" 2 *\t12 "), 24.0);
}

TEST(ExpressionEvaluator, LogicalOperators) {
    EXPECT_EQ(eval("1=1"), 1.0);
    EXPECT_EQ(eval("1=2"), 0.0);
    EXPECT_EQ(eval("0|0"), 0.0);
    EXPECT_EQ(eval("0|5"), 1.0);
    EXPECT_EQ(eval("1&0"), 0.0);
    EXPECT_EQ(eval("0&1"), 0.0);
    EXPECT_EQ(eval("2&3"), 1.0);
}

TEST(ExpressionEvaluator, Parentheses) {
    EXPECT_EQ(eval("(1+2)*3"), 9.0);
    EXPECT_EQ(eval("((2))"), 2.0);
    EXPECT_EQ(eval("2*(3-(4-1))"), 0.0);
    EXPECT_EQ(eval("3-(-2)"), 5.0);
    EXPECT_EQ(failure("(1+2"), kPrefix + "invalid character(s) in expression");
    EXPECT_EQ(failure("1+2)"), kPrefix + "() (parentheses) do not match");
    EXPECT_EQ(failure("()"), kPrefix + "entry cannot be blank");
}

TEST(ExpressionEvaluator, HexadecimalAndFactorial) {
    EXPECT_EQ(eval("$1F"), 31.0);
    EXPECT_EQ(eval("2*$1F"), 62.0);
    EXPECT_EQ(eval("$ff"), 255.0);
    EXPECT_EQ(failure("$G"), kPrefix + "invalid use of $ (hex function)");
    EXPECT_EQ(failure("$"), kPrefix + "invalid use of $ (hex function)");
    EXPECT_EQ(eval("3!"), 6.0);
    EXPECT_EQ(eval("0!"), 1.0);
    EXPECT_EQ(eval("(-3)!"), -6.0);
    EXPECT_EQ(eval("10!"), 3628800.0);
    EXPECT_EQ(failure("2.5!"), kPrefix + "! (factoral) applicable to integers only");
}

TEST(ExpressionEvaluator, FunctionsTakeTheRestOfTheirTerm) {
    EXPECT_DOUBLE_EQ(eval("cosec(1)"), 1.0 / std::sin(1.0));
    EXPECT_DOUBLE_EQ(eval("csc(1)"), 1.0 / std::sin(1.0));
    EXPECT_DOUBLE_EQ(eval("sin(0.5)*2"), std::sin(0.5) * 2.0);
    EXPECT_DOUBLE_EQ(eval("sin-1"), std::sin(-1.0));
    EXPECT_DOUBLE_EQ(eval("cotan(1)"), 1.0 / std::tan(1.0));
    EXPECT_DOUBLE_EQ(eval("sec(0.3)"), 1.0 / std::cos(0.3));
    EXPECT_DOUBLE_EQ(eval("arctan(1)*4"), M_PI);
    EXPECT_DOUBLE_EQ(eval("sqrt(2)"), std::sqrt(2.0));
    EXPECT_DOUBLE_EQ(eval("ln(e)"), 1.0);
    EXPECT_DOUBLE_EQ(eval("log(1000)"), 3.0);
    EXPECT_DOUBLE_EQ(eval("SIN(PI/2)"), 1.0);
    EXPECT_EQ(eval("int(-2.7)"), -2.0);
    EXPECT_DOUBLE_EQ(eval("frac(2.75)"), 0.75);
    EXPECT_EQ(eval("round(2.5)"), 2.0);  // halves to even
    EXPECT_EQ(eval("round(3.5)"), 4.0);
    EXPECT_EQ(eval("ceil(2.1)"), 3.0);
    EXPECT_EQ(eval("floor(-2.1)"), -3.0);
    EXPECT_EQ(eval("abs(-4)"), 4.0);
    EXPECT_DOUBLE_EQ(eval("-pi"), -M_PI);
    EXPECT_DOUBLE_EQ(eval("-e"), -M_E);
}

TEST(ExpressionEvaluator, SignRule) {
    EXPECT_EQ(eval("2^-1"), 0.5);
    EXPECT_EQ(eval("1e-5"), 1e-5);
    EXPECT_EQ(eval("2*-3"), -6.0);
    EXPECT_EQ(eval("5--3"), 8.0);
    EXPECT_EQ(eval("--2"), 2.0);
    EXPECT_EQ(failure("e-1"), kPrefix + "invalid character(s) in expression");
    EXPECT_EQ(failure("2*sin-1"), kPrefix + "invalid character(s) in expression");
}

TEST(ExpressionEvaluator, MalformedTexts) {
    EXPECT_EQ(failure(""), kPrefix + "entry cannot be blank");
    EXPECT_EQ(failure("   "), kPrefix + "entry cannot be blank");
    EXPECT_EQ(failure("abc"), kPrefix + "invalid character(s) in expression");
    EXPECT_EQ(failure("2**3"), kPrefix + "invalid expression");
    EXPECT_EQ(failure("+5"), kPrefix + "invalid expression");
    EXPECT_EQ(failure("1,5"), kPrefix + "invalid character(s) in expression");
    EXPECT_EQ(failure("inf"), kPrefix + "invalid character(s) in expression");
    EXPECT_EQ(failure("nan"), kPrefix + "invalid character(s) in expression");
}

// Arithmetic faults are failures with their own message, never a NaN or an infinity.
TEST(ExpressionEvaluator, ArithmeticFaultsAreFailures) {
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        {"1/0", "Floating point division by zero."},
        {"0/0", "Invalid floating point operation."},
        {"5%0", "Floating point division by zero."},
        {"0^-1", "Floating point division by zero."},
        {"ln(0)", "Floating point division by zero."},
        {"cotan(0)", "Floating point division by zero."},
        {"sqrt(-1)", "Invalid floating point operation."},
        {"ln(-1)", "Invalid floating point operation."},
        {"arccos(2)", "Invalid floating point operation."},
        {"(-8)^(1/3)", "Invalid floating point operation."},
        {"10^400", "Floating point overflow."},  // beyond a double
        {"1e5000", "Floating point overflow."},
        {"3000!", "Floating point overflow."},
        {"ceil(1e10)", "Floating point overflow."},
    };
    for (const auto& c : cases) {
        const EvalResult r = evaluate_expression(std::string(c.text));
        EXPECT_FALSE(r.ok) << c.text;
        EXPECT_TRUE(r.arithmetic) << c.text;
        EXPECT_EQ(r.message.toStdString(), c.message) << c.text;
    }
}

TEST(ExpressionEvaluator, EighteenDigitIntermediates) {
    // 0.1 + 0.2 carried in extended precision and rounded to 18 digits is the double 0.3.
    EXPECT_EQ(eval("0.1+0.2"), 0.3);
    EXPECT_EQ(eval("1/3*3"), 1.0);
}

// Thousands of random texts: never a crash, always a finite number or a message.
TEST(ExpressionEvaluator, RandomTextsNeverCrash) {
    const std::string alphabet = "0123456789+-*/^%=|&!$().eEpisncotalgqrfbdxF \t,";
    std::mt19937 rng(12345);
    std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 24);
    for (int i = 0; i < 20000; ++i) {
        std::string s;
        const int n = length(rng);
        for (int k = 0; k < n; ++k) s.push_back(alphabet[pick(rng)]);
        const EvalResult r = evaluate_expression(s);
        if (r.ok) {
            EXPECT_TRUE(std::isfinite(r.value)) << s;
            EXPECT_TRUE(r.message.isEmpty()) << s;
        } else {
            EXPECT_FALSE(r.message.isEmpty()) << s;
        }
    }
    // Deep nesting and long runs stay bounded.
    EXPECT_FALSE(evaluate_expression(std::string(5000, '(') + "1").ok);
    EXPECT_TRUE(evaluate_expression(std::string(3000, '(') + "1" + std::string(3000, ')')).ok);
    std::string deep;
    for (int i = 0; i < 2000; ++i) deep += "sin";
    EXPECT_FALSE(evaluate_expression(deep + "1").ok);
}

}  // namespace
}  // namespace vornel
