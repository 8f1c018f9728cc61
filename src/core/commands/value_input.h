// The value input: typed numbers and expressions handed to the pick dispatcher as a pick. The
// dialog's state lives here; the window shows it and calls the event functions below.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace vt {

class Program;

// frm_input: one instance, kept between calls.
struct ValueDialog {
    std::string caption = "Inmatning av värden";
    std::array<std::string, 4> label{};  // rows 1..3
    std::array<std::string, 4> text{};
    std::array<bool, 4> rowVisible{};
    bool command1Visible = true;  // the "=" button of row 1 (hidden for text)
    bool okVisible = true;
    bool arcButtonsVisible = false;  // "Medurs (G2)" and "Moturs (G3)"
    bool validate = true;
    int16_t modalResult = 0;  // 1 confirmed, 2 cancelled
    int16_t arcChoice = 0;    // 2 after G2, 3 after G3
    int selStart = 0,
        selLength = 0;  // of Text1: all selected (0, 999) or caret at the end (999, 0)
    int16_t mode = 0;
    // The field whose text is not a value (0: none): the window puts the caret there with the
    // text selected, and OK is refused until it is mended.
    int16_t faultyField = 0;
    // The faulty text each field last reported, so that leaving a field and then OK do not show
    // the same message twice.
    std::array<std::optional<std::string>, 4> reported{};
};

// Opens the value dialog for the current InputMode, pre-filled from the arguments or the history.
// True when confirmed (after the pick it produced has run); false on cancel or without a form.
bool ValueInput(Program& p, std::string& s1, std::string& s2, std::string& s3);

// Dialog events. A text that is not a value stays as typed, with the message, and marks its field
// faulty.
void ValueDialogLeaveField(Program& p, int field);  // evaluates when Validate is on
void ValueDialogEvaluate(Program& p, int field);    // the "=" button: always evaluates
// Evaluates every field (when Validate is on) and confirms; false, with the dialog left open and
// faultyField set, when a field is not a value.
bool ValueDialogOk(Program& p);
void ValueDialogCancel(Program& p);
void ValueDialogArc(Program& p, int16_t kind);  // 2 or 3, then OK (mode 13 has no fields)

// A number as a field shows it: up to 15 significant digits, shortest, no exponent, the
// locale's decimal separator.
std::string FieldText(double v, char decimalSeparator);

// A typed expression's value; one that is not a value shows "Felaktigt värde, försök igen."
// titled "Fel" and gives 0.
double ParseExpression(Program& p, const std::string& text);
// The message of a value that is not a number.
void ReportBadValue(Program& p);
// A field's text as a number ("." or "," as the decimal separator; 0 when it is not a number).
double FieldValue(const std::string& text);

}  // namespace vt
