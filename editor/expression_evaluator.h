// The expression evaluator behind every typed number.
//
// An engineer may type an expression wherever a number is asked for ("2*12", "sqrt(2)/2",
// "$1F", "3!"). The text is reduced left to right in four passes (power; product, quotient,
// remainder and logical and; sum, difference and logical or; equality), innermost
// parentheses first, with every intermediate result carried as an extended value rounded to
// 18 significant digits. Angles are radians.
//
// Failures come in two kinds. A text that is not an expression gives a message that begins
// "Entry could not be evaluated:" and a line break. An arithmetic fault (division by zero,
// overflow, the root or logarithm of a negative number, any result that is not a finite
// number) gives its own message ("Floating point division by zero.", ...): it is never turned
// into a NaN or an infinity, so a field or cell that receives it keeps its old value.
#pragma once

#include <QString>
#include <string>

namespace vornel {

struct EvalResult {
    bool ok = false;
    double value = 0.0;
    QString message;          // empty when ok
    bool arithmetic = false;  // the failure is an arithmetic fault, not a malformed text
};

EvalResult evaluate_expression(const QString& text);
EvalResult evaluate_expression(const std::string& text);

namespace eval_text {
inline constexpr char kPrefix[] = "Entry could not be evaluated:\n";
inline constexpr char kBlank[] = "entry cannot be blank";
inline constexpr char kParentheses[] = "() (parentheses) do not match";
inline constexpr char kInvalidExpression[] = "invalid expression";
inline constexpr char kInvalidCharacters[] = "invalid character(s) in expression";
inline constexpr char kInvalidHex[] = "invalid use of $ (hex function)";
inline constexpr char kFactorial[] = "! (factoral) applicable to integers only";
inline constexpr char kDivisionByZero[] = "Floating point division by zero.";
inline constexpr char kOverflow[] = "Floating point overflow.";
inline constexpr char kInvalidOperation[] = "Invalid floating point operation.";
}  // namespace eval_text

}  // namespace vornel
