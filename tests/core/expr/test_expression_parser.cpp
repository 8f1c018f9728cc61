// The expression parser: values and errors of the grammar as one table, constants, the message.
#include "expr/expression_parser.h"
#include <gtest/gtest.h>

#include "app/program.h"
#include "commands/value_input.h"
#include "test_util.h"

namespace vt {
namespace {

struct Case {
    const char* text;
    double value;     // when ok
    int errorOffset;  // 0: ok; else base + offset (or a classic number below 100)
    const char* description;
};

TEST(ExpressionParser, GrammarTable) {
    const std::string huge(400, '9');
    const Case cases[] = {
        {"", 0, 0, ""},
        {"   \t ", 0, 0, ""},
        {"1,5*2", 3, 0, ""},
        {"1.5*2", 3, 0, ""},
        {"2+3*4", 14, 0, ""},
        {"(2+3)*4", 20, 0, ""},
        {"8/2/2", 2, 0, ""},
        {"2-3-4", -5, 0, ""},
        {"-(2+3)", -5, 0, ""},
        {"--2", 0, 513, "Syntax Error"},
        {"2*-3", -6, 0, ""},
        {"-2*3", -6, 0, ""},
        {"+4", 4, 0, ""},
        {"abs(-4)", 4, 0, ""},
        {"ABS ( - 4 )", 4, 0, ""},
        {"tan(45)", 1, 0, ""},
        {"sqr(4)", 0, 517, "Function sqr Does not exist"},
        {"sqrt(-1)", 0, 5, "Invalid procedure call or argument"},
        {"asin(2)", 0, 5, "Invalid procedure call or argument"},
        {"tan(-270)", 0, 5, "Invalid procedure call or argument"},
        {"pi*2", 6.28318530717958, 0, ""},
        {"Pi", 3.14159265358979, 0, ""},
        {"PIX", 0, 520, "Constant name PIX does not exist"},
        {"1.2.3", 0, 513, "Syntax Error"},
        {"2 3", 0, 513, "Syntax Error"},
        {"2(3)", 0, 513, "Syntax Error"},
        {"(2", 0, 515, "')' Expected"},
        {"abs(2", 0, 515, "')' Expected"},
        {"4/0", 0, 514, "Division by Zero!"},
        {"4/(1-1)", 0, 514, "Division by Zero!"},
        {".5", 0, 513, "Syntax Error"},
        {"5.", 5, 0, ""},
        {"1e3", 0, 513, "Syntax Error"},
        {"2 . 5", 0, 513, "Syntax Error"},
        {" \t2\t+  3 ", 5, 0, ""},
        {"Å", 0, 513, "Syntax Error"},
        {"2+", 0, 513, "Syntax Error"},
        {"*2", 0, 513, "Syntax Error"},
        {")", 0, 513, "Syntax Error"},
        {huge.c_str(), 0, kErrOverflow, "Overflow"},
    };
    clsExpressionParser parser;
    for (const Case& c : cases) {
        ParseOutcome r = parser.Evaluate(c.text);
        if (c.errorOffset == 0) {
            EXPECT_TRUE(r.ok) << c.text << ": " << r.error.description;
            EXPECT_DOUBLE_EQ(r.value, c.value) << c.text;
        } else {
            EXPECT_FALSE(r.ok) << c.text;
            int number = c.errorOffset < 100 ? c.errorOffset : kErrBase + c.errorOffset;
            EXPECT_EQ(r.error.number, number) << c.text;
            EXPECT_EQ(r.error.description, c.description) << c.text;
            EXPECT_EQ(r.value, 0) << c.text;
        }
    }
}

TEST(ExpressionParser, TrigonometryInDegrees) {
    clsExpressionParser parser;
    EXPECT_NEAR(parser.Evaluate("sin(30)").value, 0.5, 1e-15);
    EXPECT_NEAR(parser.Evaluate("COS(60)").value, 0.5, 1e-15);
    EXPECT_NEAR(parser.Evaluate("10*sin(90)+cos(0)").value, 11, 1e-15);
    // The inverse functions answer in degrees; the square root beside them.
    const std::pair<const char*, double> cases[] = {
        {"tan(45)", 1},
        {"TAN(-45)", -1},
        {"asin(0.5)", 30},
        {"acos(0,5)", 60},
        {"atan(1)", 45},
        {"Atan(-1)", -45},
        {"sqrt(2)", 1.4142135623730951},
        {"SQRT(16)+1", 5},
        {"asin(sin(20))", 20},
        {"2*sqrt(pi*pi)", 2 * 3.14159265358979},
    };
    for (const auto& [text, value] : cases)
        EXPECT_NEAR(parser.Evaluate(text).value, value, 1e-12) << text;
}

TEST(ExpressionParser, ErrorSourceChain) {
    clsExpressionParser parser;
    EXPECT_EQ(parser.Evaluate("1.2.3").error.source,
              "ParseAtom->ParseValue->ParseTerm->ParseNumExp->ParseExpression");
    EXPECT_EQ(parser.Evaluate("2 3").error.source, "ParseTerm->ParseNumExp->ParseExpression");
    EXPECT_EQ(
        parser.Evaluate("tang(1)").error.source,
        "CallBuiltinFunction->ParseAtom->ParseValue->ParseTerm->ParseNumExp->ParseExpression");
    EXPECT_EQ(parser.Evaluate("2)").error.source, "ParseExpression");
    EXPECT_EQ(parser.LastErrorPosition(), 2);
    parser.Evaluate("1+2.3.");
    EXPECT_EQ(parser.LastErrorPosition(), 6);
}

TEST(ExpressionParser, DeepNestingIsAnErrorNotACrash) {
    clsExpressionParser parser;
    const auto nested = [](int n, const std::string& open) {
        std::string t;
        for (int i = 0; i < n; ++i)
            t += open;
        t += "1";
        for (int i = 0; i < n; ++i)
            t += ")";
        return t;
    };
    EXPECT_DOUBLE_EQ(parser.Evaluate(nested(150, "(")).value, 1);
    EXPECT_DOUBLE_EQ(parser.Evaluate(nested(150, "abs(")).value, 1);
    for (const char* open : {"(", "-(", "sin("}) {
        const ParseOutcome r = parser.Evaluate(nested(200000, open));
        EXPECT_FALSE(r.ok) << open;
        EXPECT_EQ(r.error.number, 28) << open;
    }
    EXPECT_DOUBLE_EQ(parser.Evaluate("2*(3+4)").value, 14);  // usable after the error
}

TEST(ExpressionParser, Constants) {
    clsExpressionParser parser;
    parser.AddConstant("  dia ", 40);
    EXPECT_DOUBLE_EQ(parser.Evaluate("Dia/2").value, 20);
    auto error = [&](auto f) {
        try {
            f();
        } catch (const ParserError& e) {
            return e.number - kErrBase;
        }
        return 0;
    };
    EXPECT_EQ(error([&] { parser.AddConstant("", 1); }), 516);
    EXPECT_EQ(error([&] { parser.AddConstant("1a", 1); }), 516);
    EXPECT_EQ(error([&] { parser.AddConstant("a-b", 1); }), 516);
    EXPECT_EQ(error([&] { parser.AddConstant("DIA", 1); }), 519);
    EXPECT_EQ(error([&] { parser.AddConstant("sin", 1); }), 518);
    parser.RemoveConstant("dia");
    EXPECT_FALSE(parser.Evaluate("dia").ok);
    EXPECT_EQ(error([&] { parser.RemoveConstant("dia"); }), 520);
}

TEST(ExpressionParser, ParseExpressionShowsTheMessageAndGivesZero) {
    test::TempDir dir;
    test::FakeUi ui;
    Program p(ui, dir.Path());
    EXPECT_EQ(ParseExpression(p, "abc"), 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Felaktigt värde, försök igen.");
    EXPECT_EQ(ui.messages[0].title, "Fel");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(ParseExpression(p, "2*3"), 6);
    EXPECT_EQ(ParseExpression(p, ""), 0);
    EXPECT_EQ(ui.messages.size(), 1u);
}

}  // namespace
}  // namespace vt
