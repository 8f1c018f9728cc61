// The value input: forms per InputMode, fills, evaluation and the hand-over as a pick.
#include "commands/value_input.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "app/error_report.h"
#include "app/number_format.h"
#include "app/program.h"
#include "base/ini_file.h"
#include "base/numbers.h"
#include "commands/command_reset.h"
#include "commands/processors.h"

namespace vt {

namespace {

// What a row shows: an axis label, a numbered language text, or a fixed text; and its history slot.
struct Field {
    enum Label { None, XAxis, YAxis, Text, Fixed, XMarkText, YMarkText } label = None;
    int textId = 0;
    const char* fixed = "";
    double History::*slot = nullptr;  // nullptr with a label: the text slot S
};

struct Form {
    int16_t mode;
    std::array<Field, 3> fields;
};

using H = History;
const Form kForms[] = {
    {1, {{{Field::XAxis, 0, "", &H::X}, {Field::YAxis, 0, "", &H::Y}}}},
    {2,
     {{{Field::XAxis, 0, "", &H::X},
       {Field::YAxis, 0, "", &H::Y},
       {Field::Fixed, 0, "R = ", &H::R}}}},
    {5, {{{Field::Fixed, 0, "R = ", &H::R}}}},
    {6, {{{Field::Text, 1080, "", &H::V}, {Field::Text, 1081, "", &H::L}}}},
    {7, {{{Field::Text, 1082, "", &H::D}, {Field::Text, 1083, "", &H::NR}}}},
    {8, {{{Field::Text, 1080, "", &H::V}}}},
    {9, {{{Field::Text, 1082, "", &H::D}}}},
    {10,
     {{{Field::Text, 1080, "", &H::V},
       {Field::Text, 1082, "", &H::D},
       {Field::Text, 1083, "", &H::NR}}}},
    {11,
     {{{Field::Text, 1084, "", &H::SV},
       {Field::Text, 1085, "", &H::IV},
       {Field::Text, 1083, "", &H::NR}}}},
    {12, {{{Field::Fixed, 0, "Text = ", nullptr}}}},
    {13, {}},
    {14,
     {{{Field::XMarkText, 1086, "", &H::W},
       {Field::YMarkText, 1087, "", &H::H},
       {Field::Text, 1080, "", &H::V}}}},
    {255, {}},
};

const Form* FormOf(int16_t mode) {
    for (const Form& f : kForms)
        if (f.mode == mode) return &f;
    return nullptr;
}

std::string LabelOf(const Program& p, const Field& f) {
    AxisMarks m = Marks(p);
    switch (f.label) {
        case Field::XAxis:
            return m.x + p.axisNameX + " = ";
        case Field::YAxis:
            return m.y + p.axisNameY + " = ";
        case Field::Text:
            return p.language.GetText(f.textId);
        case Field::Fixed:
            return f.fixed;
        case Field::XMarkText:
            return m.x + p.language.GetText(f.textId);
        case Field::YMarkText:
            return m.y + p.language.GetText(f.textId);
        default:
            return "";
    }
}

// Replaces the field's expression by its value. A text that is not a finite value is kept for the
// user to mend and its field marked; the message comes once per faulty text unless `always`.
bool Evaluate(Program& p, int field, bool always) {
    ValueDialog& d = p.valueDialog;
    const std::size_t k = static_cast<std::size_t>(field);
    std::string& t = d.text[k];
    ParseOutcome r = p.parser.Evaluate(t);
    if (r.ok && std::isfinite(r.value)) {
        t = FieldText(r.value, p.decimalSeparator);
        d.reported[k].reset();
        if (d.faultyField == field) d.faultyField = 0;
        return true;
    }
    d.faultyField = static_cast<int16_t>(field);
    if (always || d.reported[k] != t) {
        d.reported[k] = t;
        ReportBadValue(p);
    }
    return false;
}

}  // namespace

std::string FieldText(double v, char sep) {
    if (!std::isfinite(v)) v = 0;
    double r = ParseNumber(GeneralText(v, 15)).value_or(v);
    char out[400];
    auto res = std::to_chars(out, out + sizeof out, r, std::chars_format::fixed);
    std::string s(out, res.ptr);
    if (s == "-0") s = "0";
    for (char& c : s)
        if (c == '.') c = sep;
    return s;
}

double FieldValue(const std::string& text) {
    auto v = ParseIniNumber(text);
    return v ? *v : 0.0;
}

bool ValueInput(Program& p, std::string& s1, std::string& s2, std::string& s3) {
    bool result = false;
    Guarded(p, "ValueInput()", [&] {
        const int16_t mode = p.cmd.InputMode;
        const Form* form = FormOf(mode);
        if (!form) return;
        ValueDialog& d = p.valueDialog;
        d.mode = mode;
        std::array<std::string*, 4> args = {nullptr, &s1, &s2, &s3};
        d.okVisible = mode != 13;
        d.arcButtonsVisible = mode == 13;
        d.command1Visible = mode != 12;
        for (int i = 1; i <= 3; ++i) {
            const std::size_t k = static_cast<std::size_t>(i);
            if (mode == 255) {
                d.rowVisible[k] = !args[k]->empty();
                d.label[k] = d.rowVisible[k] ? *args[k] + " = " : "";
                continue;
            }
            const Field& f = form->fields[k - 1];
            d.rowVisible[k] = f.label != Field::None;
            d.label[k] = d.rowVisible[k] ? LabelOf(p, f) : "";
            if (!d.rowVisible[k]) continue;
            if (!args[k]->empty())
                d.text[k] = *args[k];
            else
                d.text[k] =
                    f.slot ? FieldText(p.history.*(f.slot), p.decimalSeparator) : p.history.S;
        }
        if (s1.empty()) {
            d.selStart = 0;
            d.selLength = 999;
        } else {
            d.selStart = 999;
            d.selLength = 0;
        }
        if (mode == 12)
            d.validate = false;
        else if (mode != 13)
            d.validate = true;
        d.modalResult = 0;
        d.faultyField = 0;
        d.reported = {};
        p.ui.ShowValueInput(d);
        if (d.modalResult != 1) {
            if (mode != 13) ResetOperation(p);
            return;
        }
        if (mode == 13) {
            result = true;
            return;
        }
        if (mode == 255) {
            s1 = d.text[1];
            s2 = d.text[2];
            s3 = d.text[3];
            result = true;
            return;
        }
        auto value = [&](int i) { return FieldValue(d.text[static_cast<std::size_t>(i)]); };
        for (int i = 1; i <= 3; ++i) {
            const Field& f = form->fields[static_cast<std::size_t>(i - 1)];
            if (f.label == Field::None) continue;
            if (f.slot)
                p.history.*(f.slot) = value(i);
            else
                p.history.S = d.text[static_cast<std::size_t>(i)];
        }
        p.cmd.TypedInput = true;
        float x = 0, y = 0;
        double v1 = 0, v2 = 0, v3 = 0;
        std::string text;
        switch (mode) {
            case 1:
            case 2:
                p.cmd.TypedX = value(1) / p.xMult;
                p.cmd.TypedY = value(2) / p.yMult;
                p.cmd.HasTypedXY = true;
                x = static_cast<float>(p.cmd.TypedX);
                y = static_cast<float>(p.cmd.TypedY);
                if (mode == 2) v1 = value(3);
                break;
            case 12:
                text = d.text[1];
                break;
            case 14:
                v1 = value(1) / p.xMult;
                v2 = value(2) / p.yMult;
                v3 = value(3);
                break;
            default:
                v1 = value(1);
                v2 = value(2);
                v3 = value(3);
                break;
        }
        result = true;
        DispatchPick(p, x, y, v1, v2, v3, text);
        p.cmd.HasTypedXY = false;
    });
    return result;
}

void ValueDialogLeaveField(Program& p, int field) {
    if (p.valueDialog.validate) Evaluate(p, field, false);
}

void ValueDialogEvaluate(Program& p, int field) {
    Evaluate(p, field, true);
}

bool ValueDialogOk(Program& p) {
    ValueDialog& d = p.valueDialog;
    if (d.validate)
        for (int i = 1; i <= 3; ++i)
            if (d.rowVisible[static_cast<std::size_t>(i)] && !Evaluate(p, i, false)) return false;
    d.modalResult = 1;
    return true;
}

void ValueDialogCancel(Program& p) {
    p.valueDialog.modalResult = 2;
}

void ValueDialogArc(Program& p, int16_t kind) {
    p.valueDialog.arcChoice = kind;
    ValueDialogOk(p);
}

double ParseExpression(Program& p, const std::string& text) {
    ParseOutcome r = p.parser.Evaluate(text);
    if (r.ok) return r.value;
    ReportBadValue(p);
    return 0;
}

void ReportBadValue(Program& p) {
    p.ui.MessageBox(p.language.GetText(1278), p.language.GetText(1066), MsgButtons::Ok,
                    MsgIcon::Exclamation);
}

}  // namespace vt
