// The recursive-descent parser of typed values.
#include "expr/expression_parser.h"

#include <cmath>
#include <cstdlib>

#include "base/numbers.h"
#include "base/text_file.h"
#include "base/vt_error.h"

namespace vt {

namespace {

constexpr const char* kOperators[] = {"+", "-", "*", "/", "(", ")"};

std::string UpperTrim(const std::string& s) {
    return ToUpperAscii(Trim(s, " \t"));
}

}  // namespace

bool IsLetter(char c) {
    char u = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
    return u >= 'A' && u <= 'Z';
}

bool IsNameChar(char c) {
    return IsLetter(c) || (c >= '0' && c <= '9') || c == '_';
}

namespace {

constexpr double kDeg = 0.017453292519943278;

// Tangent in degrees, exact where a machinist checks it (0, 45, 135 …);
// an odd multiple of 90 has none.
double TanDegrees(double x) {
    double r = std::fmod(x, 180.0);
    if (r < 0) r += 180.0;
    if (r == 0) return 0;
    if (r == 45) return 1;
    if (r == 90) return std::nan("");
    if (r == 135) return -1;
    return std::tan(x * kDeg);
}

// The built-in functions: angles in degrees, both ways.
struct Builtin {
    const char* name;
    double (*f)(double);
};
const Builtin kBuiltins[] = {
    {"SIN", [](double x) { return std::sin(x * kDeg); }},
    {"COS", [](double x) { return std::cos(x * kDeg); }},
    {"TAN", TanDegrees},
    {"ASIN", [](double x) { return std::asin(x) / kDeg; }},
    {"ACOS", [](double x) { return std::acos(x) / kDeg; }},
    {"ATAN", [](double x) { return std::atan(x) / kDeg; }},
    {"SQRT", [](double x) { return std::sqrt(x); }},
    {"ABS", [](double x) { return std::fabs(x); }},
};

const Builtin* FindBuiltin(const std::string& name) {
    const std::string n = UpperTrim(name);
    for (const Builtin& b : kBuiltins)
        if (n == b.name) return &b;
    return nullptr;
}

}  // namespace

bool IsReservedWord(const std::string& name) {
    return FindBuiltin(name) != nullptr;
}

clsExpressionParser::clsExpressionParser() {
    constants_["PI"] = 3.14159265358979;
}

char clsExpressionParser::At(int pos) const {
    return pos >= 1 && pos <= static_cast<int>(text_.size())
               ? text_[static_cast<std::size_t>(pos - 1)]
               : '\0';
}

void clsExpressionParser::Raise(int offset, const std::string& description) {
    throw ParserError{kErrBase + offset, description, DefaultErrorSource()};
}

void clsExpressionParser::AddErrorSource(ParserError& e, const std::string& name) {
    if (e.source == DefaultErrorSource())
        e.source = name;
    else
        e.source += "->" + name;
}

// Each parse routine adds its name to the error's source on the way out.
#define PARSE_ROUTINE(name, body) \
    try {                         \
        body                      \
    } catch (ParserError & e) {   \
        AddErrorSource(e, name);  \
        throw;                    \
    }

void clsExpressionParser::SkipSpaces() {
    while (Within() && (At(position_) == ' ' || At(position_) == '\t'))
        ++position_;
}

int clsExpressionParser::GetToken() {
    tokenLength_ = 0;
    if (!Within()) return 0;
    for (int i = 0; i < 6; ++i) {
        std::string op = kOperators[i];
        if (text_.compare(static_cast<std::size_t>(position_ - 1), op.size(), op) == 0) {
            tokenLength_ = static_cast<int>(op.size());
            return i + 1;
        }
    }
    return 0;
}

void clsExpressionParser::NextToken() {
    position_ += tokenLength_;
    SkipSpaces();
}

bool clsExpressionParser::ConstantExists(const std::string& name) const {
    return constants_.count(UpperTrim(name)) != 0;
}

[[noreturn]] static void RaiseInvalidArgument() {
    throw ParserError{kErrInvalidCall, ErrorDescription(kErrInvalidCall),
                      clsExpressionParser::DefaultErrorSource()};
}

static double Checked(double v) {
    if (!std::isfinite(v))
        throw ParserError{kErrOverflow, ErrorDescription(kErrOverflow),
                          clsExpressionParser::DefaultErrorSource()};
    return v;
}

// One level of parentheses or function argument. The limit is deep enough for any hand-typed
// value; deeper text would run the recursion off the stack.
class Nesting {
  public:
    explicit Nesting(int& depth) : depth_(depth) {
        constexpr int kMaxDepth = 200;
        if (depth_ >= kMaxDepth)
            throw ParserError{28, "Out of stack space", clsExpressionParser::DefaultErrorSource()};
        ++depth_;
    }
    ~Nesting() { --depth_; }
    Nesting(const Nesting&) = delete;
    Nesting& operator=(const Nesting&) = delete;

  private:
    int& depth_;
};

double clsExpressionParser::ParseNumExp() {
    PARSE_ROUTINE("ParseNumExp", {
        Nesting nest(depth_);
        double value = ParseTerm();
        while (Within()) {
            int t = GetToken();
            if (t == 1) {
                NextToken();
                value = Checked(value + ParseTerm());
            } else if (t == 2) {
                NextToken();
                value = Checked(value - ParseTerm());
            } else if (t == 0) {
                Raise(513, "Syntax Error");
            } else {
                break;
            }
        }
        return value;
    })
}

double clsExpressionParser::ParseTerm() {
    PARSE_ROUTINE("ParseTerm", {
        double value = ParseValue();
        while (Within()) {
            int t = GetToken();
            if (t == 3) {
                NextToken();
                value = Checked(value * ParseValue());
            } else if (t == 4) {
                NextToken();
                double divisor = ParseValue();
                if (divisor == 0) Raise(514, "Division by Zero!");
                value = Checked(value / divisor);
            } else if (t == 0) {
                Raise(513, "Syntax Error");
            } else {
                break;
            }
        }
        return value;
    })
}

double clsExpressionParser::ParseValue() {
    PARSE_ROUTINE("ParseValue", {
        double sign = 1;
        int t = GetToken();
        if (t == 2) {
            sign = -1;
            NextToken();
        } else if (t == 1) {
            NextToken();
        }
        double value;
        if (GetToken() == 5) {
            NextToken();
            value = ParseNumExp();
            if (GetToken() != 6) Raise(515, "')' Expected");
            NextToken();
        } else {
            value = ParseAtom();
        }
        return sign * value;
    })
}

double clsExpressionParser::ParseAtom() {
    PARSE_ROUTINE("ParseAtom", {
        if (!Within()) Raise(513, "Syntax Error");
        char c = At(position_);
        if (c >= '0' && c <= '9') {
            int start = position_;
            bool point = false;
            while (Within() &&
                   ((At(position_) >= '0' && At(position_) <= '9') || At(position_) == '.')) {
                if (At(position_) == '.') {
                    if (point) Raise(513, "Syntax Error");
                    point = true;
                }
                ++position_;
            }
            std::string number = text_.substr(static_cast<std::size_t>(start - 1),
                                              static_cast<std::size_t>(position_ - start));
            double value = Checked(ParseNumber(number).value_or(HUGE_VAL));
            SkipSpaces();
            return value;
        }
        if (IsLetter(c)) {
            int start = position_;
            while (Within() && IsNameChar(At(position_)))
                ++position_;
            std::string name = text_.substr(static_cast<std::size_t>(start - 1),
                                            static_cast<std::size_t>(position_ - start));
            SkipSpaces();
            if (GetToken() == 5) {
                NextToken();
                double argument = ParseNumExp();
                if (GetToken() != 6) Raise(515, "')' Expected");
                NextToken();
                return CallBuiltinFunction(name, argument);
            }
            auto it = constants_.find(UpperTrim(name));
            if (it != constants_.end()) return it->second;
            Raise(520, "Constant name " + name + " does not exist");
        }
        Raise(513, "Syntax Error");
    })
}

double clsExpressionParser::CallBuiltinFunction(const std::string& name, double x){
    PARSE_ROUTINE("CallBuiltinFunction",
                  {
                      const Builtin* b = FindBuiltin(name);
                      if (!b) Raise(517, "Function " + name + " Does not exist");
                      const double v = b->f(x);
                      // The square root of a negative number, the arcsine of 2: no value.
                      if (std::isnan(v)) RaiseInvalidArgument();
                      return Checked(v);
                  })}

ParseOutcome clsExpressionParser::Evaluate(const std::string& input) {
    ParseOutcome out;
    std::string text = input;
    if (Trim(text, " \t").empty()) text = "0";
    for (char& c : text)
        if (c == ',') c = '.';
    text_ = text;
    position_ = 1;
    depth_ = 0;
    try {
        try {
            SkipSpaces();
            double value = ParseNumExp();
            SkipSpaces();
            if (Within()) Raise(513, "Syntax Error");
            out.value = value;
        } catch (ParserError& e) {
            AddErrorSource(e, "ParseExpression");
            throw;
        }
    } catch (ParserError& e) {
        out.ok = false;
        out.value = 0;
        out.error = e;
    }
    return out;
}

void clsExpressionParser::AddConstant(const std::string& rawName, double value) {
    std::string name = UpperTrim(rawName);
    if (name.empty()) Raise(516, "Constant name cannot be null");
    if (!IsLetter(name[0])) Raise(516, "Constant name must begin with a letter");
    for (std::size_t i = 1; i < name.size(); ++i)
        if (!IsNameChar(name[i])) Raise(516, "Invalid constant name");
    if (ConstantExists(name)) Raise(519, "The constant already exists");
    if (IsReservedWord(name)) Raise(518, "The name is a reserved word");
    constants_[name] = value;
}

void clsExpressionParser::RemoveConstant(const std::string& rawName) {
    std::string name = UpperTrim(rawName);
    if (!ConstantExists(name)) Raise(520, "Constant name " + name + " does not exist");
    constants_.erase(name);
}

}  // namespace vt
