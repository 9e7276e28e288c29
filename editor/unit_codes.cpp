#include "editor/unit_codes.h"

#include <array>
#include <cmath>

namespace vornel {

namespace {

struct Kind {
    const char* code;
    const char* english;
    const char* si;
    const char* other;
    double factor;  // English units in one SI unit
};

// Indexed by kind digit; F3 does not exist.
constexpr std::array<Kind, 7> kForce = {{
    {"F", "lbs", "kN", "F", 224.8089237},
    {"F1", "kips", "kN", "F", 0.2248089237},
    {"F2", "tons", "kN", "F", 0.1124044745},
    {"", "", "", "", 1.0},
    {"F4", "lb-sec2/in", "Mg", "M", 5.7101483},
    {"F5", "sec", "sec", "T", 1.0},
    {"F6", "slug", "Mg", "F", 68.364249},
}};
constexpr std::array<Kind, 4> kLength = {{
    {"L", "in", "m", "L", 39.37007874},
    {"L1", "in", "mm", "L", 0.03937007874},
    {"L2", "ft", "m", "L", 3.280839895},
    {"L3", "rad", "rad", "L", 1.0},
}};

bool force_digit(QChar c, UnitKinds kinds) {
    const char d = c.toLatin1();
    if (kinds == UnitKinds::Chart) return d == '0' || d == '1' || d == '2';
    return d == '0' || d == '1' || d == '2' || d == '4' || d == '5' || d == '6';
}
bool length_digit(QChar c, UnitKinds kinds) {
    const char d = c.toLatin1();
    return d >= '0' && d <= (kinds == UnitKinds::Chart ? '2' : '3');
}

// One part: letter, optional kind digit, optional "^" and exponent digit. Advances `i` past
// the part and returns fK^exponent, or 1 when the letter is not at `i`.
double part_value(const QString& s, qsizetype& i, QChar letter, UnitKinds kinds) {
    if (i >= s.size() || s[i] != letter) return 1.0;
    ++i;
    int kind = 0;
    const bool force = letter == QLatin1Char('F');
    if (i < s.size() && (force ? force_digit(s[i], kinds) : length_digit(s[i], kinds))) {
        kind = s[i].toLatin1() - '0';
        ++i;
    }
    int exponent = 1;
    if (i + 1 < s.size() && s[i] == QLatin1Char('^') && s[i + 1].isDigit()) {
        exponent = s[i + 1].toLatin1() - '0';
        i += 2;
    }
    const double f = force ? kForce[static_cast<size_t>(kind)].factor
                           : kLength[static_cast<size_t>(kind)].factor;
    return std::pow(f, exponent);
}

double term_value(const QString& term, UnitKinds kinds) {
    qsizetype i = 0;
    double v = 1.0;
    if (i < term.size() && term[i] == QLatin1Char('F')) {
        v *= part_value(term, i, QLatin1Char('F'), kinds);
        if (i < term.size()) ++i;  // the one separator between force and length
    }
    v *= part_value(term, i, QLatin1Char('L'), kinds);
    return v;
}

const char* label_of(const Kind& k, int system) {
    return system == kEnglish ? k.english : system == kSI ? k.si : k.other;
}

const Kind* find_kind(const char* code) {
    for (const auto& k : kForce)
        if (QLatin1String(k.code) == QLatin1String(code) && *code) return &k;
    for (const auto& k : kLength)
        if (QLatin1String(k.code) == QLatin1String(code)) return &k;
    return nullptr;
}

QString replace_kinds(QString s, std::initializer_list<const char*> order, int system,
                      bool first_only_per_group) {
    bool force_done = false, length_done = false;
    for (const char* code : order) {
        const bool is_force = code[0] == 'F';
        if (first_only_per_group && (is_force ? force_done : length_done)) continue;
        if (!s.contains(QLatin1String(code))) continue;
        s.replace(QLatin1String(code), QLatin1String(label_of(*find_kind(code), system)));
        (is_force ? force_done : length_done) = true;
    }
    return s;
}

}  // namespace

double unit_factor(int from, int to, const QString& code, UnitKinds kinds) {
    const bool si_to_english = from == kSI && to == kEnglish;
    const bool english_to_si = from == kEnglish && to == kSI;
    if (!si_to_english && !english_to_si) return 1.0;
    const auto slash = code.indexOf(QLatin1Char('/'));
    const QString num = slash < 0 ? code : code.left(slash);
    const QString den = slash < 0 ? QString() : code.mid(slash + 1);
    const double f = term_value(num, kinds) / term_value(den, kinds);
    return si_to_english ? f : 1.0 / f;
}

QString unit_label_column(const QString& code, int system, UnitKinds kinds) {
    if (kinds == UnitKinds::Chart)
        return replace_kinds(code, {"F2", "F1", "F", "L2", "L1", "L"}, system, false);
    return replace_kinds(code, {"F2", "F1", "F4", "F5", "F6", "F", "L3", "L2", "L1", "L"}, system,
                         false);
}

QString unit_label_field(const QString& code, int system) {
    if (system != kEnglish && system != kSI) return code;
    return replace_kinds(code, {"F6", "F5", "F4", "F2", "F1", "F", "L2", "L1", "L3", "L"}, system,
                         true);
}

}  // namespace vornel
