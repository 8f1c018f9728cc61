// clsExpressionParser: the arithmetic typed into value fields — + − * /, parentheses, one sign per
// value, decimal numbers with "." or ",", named constants (PI) and the functions SIN, COS, TAN,
// ASIN, ACOS, ATAN (degrees), SQRT and ABS.
#pragma once

#include <map>
#include <string>

namespace vt {

// The base of application-defined error numbers.
inline constexpr int kErrBase = -2147221504;

// An error of the parser: its number (base + 513 … base + 520, or a classic number), description
// and the chain of routines it passed ("ParseAtom->ParseValue->…").
struct ParserError {
    int number = 0;
    std::string description;
    std::string source;
};

struct ParseOutcome {
    double value = 0;
    bool ok = true;
    ParserError error;
};

class clsExpressionParser {
  public:
    clsExpressionParser();

    // The value, or the error that ended the parse (its number, and the position in
    // LastErrorPosition). The caller shows the message.
    ParseOutcome Evaluate(const std::string& text);

    // Raise ParserError on a bad name (AddConstant) or a missing constant (RemoveConstant).
    void AddConstant(const std::string& name, double value);
    void RemoveConstant(const std::string& name);
    // Where the last parse stopped (1-based).
    int LastErrorPosition() const { return position_; }

    static const char* DefaultErrorSource() { return "Veltrum32"; }

  private:
    double ParseNumExp();
    double ParseTerm();
    double ParseValue();
    double ParseAtom();
    double CallBuiltinFunction(const std::string& name, double x);
    int GetToken();
    void NextToken();
    void SkipSpaces();
    bool ConstantExists(const std::string& name) const;
    [[noreturn]] void Raise(int offset, const std::string& description);
    static void AddErrorSource(ParserError& e, const std::string& name);
    char At(int pos) const;  // 1-based; NUL past the end
    bool Within() const { return position_ <= static_cast<int>(text_.size()); }

    std::string text_;
    int position_ = 1;
    int tokenLength_ = 0;
    int depth_ = 0;                            // nesting of parentheses and function arguments
    std::map<std::string, double> constants_;  // upper-case names
};

bool IsLetter(char c);
bool IsNameChar(char c);
bool IsReservedWord(const std::string& name);

}  // namespace vt
