// The batch runner: a scripted Ui that answers dialogs from the script's next line, and the
// commands of the script language.
#include "batch/batch_runner.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <ostream>
#include <sstream>

#include "app/program.h"
#include "app/program_folder.h"
#include "app/startup.h"
#include "base/ini_file.h"
#include "base/numbers.h"
#include "base/text_file.h"
#include "commands/keys.h"
#include "commands/menu_commands.h"
#include "commands/value_input.h"
#include "plugins/plugins.h"
#include "view/mouse.h"
#include "view/null_canvas.h"
#include "view/renderer.h"
#include "view/view.h"

namespace vt {

std::vector<std::string> SplitWords(const std::string& line) {
    std::vector<std::string> words;
    std::size_t i = 0, n = line.size();
    while (i < n) {
        while (i < n && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        if (i >= n) break;
        std::string w;
        if (line[i] == '"') {
            ++i;
            while (i < n && line[i] != '"')
                w += line[i++];
            if (i < n) ++i;
        } else {
            while (i < n && line[i] != ' ' && line[i] != '\t')
                w += line[i++];
        }
        words.push_back(w);
    }
    return words;
}

std::string BatchNumber(double v) {
    if (std::isnan(v)) return "nan";
    if (std::isinf(v)) return v > 0 ? "inf" : "-inf";
    const std::string text = GeneralText(v, 12);
    double r = ParseNumber(text).value_or(v);
    if (r == 0) return "0";
    double a = std::fabs(r);
    if (a >= 1e-6 && a < 1e12) {
        char out[128];
        auto res = std::to_chars(out, out + sizeof out, r, std::chars_format::fixed);
        return std::string(out, res.ptr);
    }
    return text;
}

namespace {

// Leaves the runner without passing through the program's error boundaries.
struct ScriptStop : StopRequest {
    ScriptStop(int s, int l, std::string r) : status(s), line(l), reason(std::move(r)) {}
    int status;
    int line;
    std::string reason;
};

std::string Escape(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') {
            out += "\\n";
            ++i;
        } else if (s[i] == '\n' || s[i] == '\r') {
            out += "\\n";
        } else {
            out += s[i];
        }
    }
    return out;
}

class Runner;

class BatchUi : public Ui {
  public:
    explicit BatchUi(Runner& r) : r_(r) {}
    MsgAnswer MessageBox(const std::string& text, const std::string& title, MsgButtons buttons,
                         MsgIcon icon) override;
    void ShowValueInput(ValueDialog& dialog) override;
    FileDialogResult FileDialog(const FileDialogRequest& request) override;
    void EndProgram() override;
    void Refresh() override;
    int ChooseMachine(const std::vector<std::string>& names, int current) override;
    bool ShowSettings(SettingsDialog& dialog) override;
    void PumpEvents() override;
    void SetClipboard(const std::string& text) override;
    void OpenExternal(const std::string& target) override;
    bool ShowPrintDialog(PrintMode mode, PrintOptions& options) override;
    bool AskContour(ContourQuestion& question) override;
    std::unique_ptr<PrintJob> StartPrint(const PrintOptions& options) override;
    Program* program = nullptr;

  private:
    Runner& r_;
};

class Runner {
  public:
    Runner(const std::vector<std::string>& lines, std::ostream& out, std::string home)
        : lines_(lines), out_(out), home_(std::move(home)) {}

    std::ostream& Out() { return out_; }
    int Line() const { return static_cast<int>(index_); }
    [[noreturn]] void Fail(const std::string& reason) { throw ScriptStop{2, Line(), reason}; }

    // The next command line (blank lines and comments skipped); empty at the end of the script.
    bool Next(std::vector<std::string>& words) {
        while (index_ < lines_.size()) {
            std::string line = lines_[index_++];
            std::string_view t = Trim(line, " \t");
            if (t.empty() || t.front() == '#') continue;
            words = SplitWords(std::string(t));
            for (std::string& w : words) {
                for (std::size_t at = w.find("%HOME%"); at != std::string::npos;
                     at = w.find("%HOME%", at + home_.size()))
                    w.replace(at, 6, home_);
            }
            return true;
        }
        return false;
    }

    // The answer a dialog needs: the next line, which must be one of `kinds`.
    std::vector<std::string> Answer(std::initializer_list<const char*> kinds, const char* dialog) {
        std::vector<std::string> words;
        if (!Next(words))
            Fail(std::string("a ") + dialog + " without its answer at the end of the script");
        for (const char* k : kinds)
            if (words[0] == k) return words;
        Fail(std::string("a ") + dialog + " needs its answer here, not \"" + words[0] + "\"");
    }

    void Run(Program& p);
    // Runs the next command; false at the end of the script.
    bool Step(Program& p);

  private:
    void Execute(Program& p, const std::vector<std::string>& w);
    void Dump(Program& p, const std::string& what);
    double Number(const std::string& s) {
        auto v = ParseIniNumber(s);
        if (!v) Fail("not a number: " + s);
        return *v;
    }
    // A count or size: whole part of the number, which must lie within [low, high].
    int Whole(const std::string& s, int low, int high) {
        const double v = Number(s);
        if (!(v >= low && v <= high))
            Fail(s + " is outside " + std::to_string(low) + " … " + std::to_string(high));
        return static_cast<int>(v);
    }

    std::vector<std::string> lines_;
    std::size_t index_ = 0;
    std::ostream& out_;
    std::string home_;  // the program folder, for %HOME% in the script
};

MsgAnswer BatchUi::MessageBox(const std::string& text, const std::string& title, MsgButtons buttons,
                              MsgIcon) {
    r_.Out() << "MSG " << title << " | " << Escape(text) << "\n";
    if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
    std::vector<std::string> w = r_.Answer({"answer"}, "message box");
    std::string a = w.size() > 1 ? ToUpperAscii(w[1]) : "";
    MsgAnswer answer;
    if (a == "YES")
        answer = MsgAnswer::Yes;
    else if (a == "NO")
        answer = MsgAnswer::No;
    else if (a == "CANCEL")
        answer = MsgAnswer::Cancel;
    else if (a == "OK")
        answer = MsgAnswer::Ok;
    else
        r_.Fail("answer must be yes, no, cancel or ok");
    bool offered =
        (buttons == MsgButtons::OkCancel &&
         (answer == MsgAnswer::Ok || answer == MsgAnswer::Cancel)) ||
        (buttons == MsgButtons::YesNo && (answer == MsgAnswer::Yes || answer == MsgAnswer::No)) ||
        (buttons == MsgButtons::YesNoCancel && answer != MsgAnswer::Ok);
    if (!offered) r_.Fail("the message box has no such button");
    return answer;
}

// The dialog stays open, as in the window, until an answer confirms or cancels it: after a value
// that is not a number the script's next line answers it again.
void BatchUi::ShowValueInput(ValueDialog& d) {
    Program& p = *program;
    while (d.modalResult == 0) {
        std::vector<std::string> w =
            r_.Answer({"value", "text", "g2", "g3", "cancel"}, "value dialog");
        if (w[0] == "cancel") {
            ValueDialogCancel(p);
        } else if (w[0] == "g2" || w[0] == "g3") {
            if (!d.arcButtonsVisible) r_.Fail("the dialog has no G2/G3 buttons");
            ValueDialogArc(p, w[0] == "g2" ? 2 : 3);
        } else {
            if (!d.okVisible) r_.Fail("the dialog asks for G2 or G3");
            for (std::size_t i = 1; i < w.size() && i <= 3; ++i)
                d.text[i] = w[i];
            ValueDialogOk(p);
        }
    }
}

FileDialogResult BatchUi::FileDialog(const FileDialogRequest&) {
    std::vector<std::string> w = r_.Answer({"file", "cancel"}, "file dialog");
    FileDialogResult f;
    if (w[0] == "cancel" || w.size() < 2) return f;
    f.chosen = true;
    f.path = AbsolutePath(w[1]);
    f.filterIndex = w.size() > 2 ? std::max(1, std::atoi(w[2].c_str())) : 1;
    return f;
}

// "settings [Key=Value ...]" presses OK after setting the keys; "cancel" cancels.
bool BatchUi::ShowSettings(SettingsDialog& d) {
    std::vector<std::string> w = r_.Answer({"settings", "cancel"}, "settings dialog");
    if (w[0] == "cancel") return false;
    for (std::size_t i = 1; i < w.size(); ++i) {
        const std::size_t eq = w[i].find('=');
        if (eq == std::string::npos ||
            !SetSettingByName(d.copy, w[i].substr(0, eq), w[i].substr(eq + 1)))
            r_.Fail("settings takes Key=Value with the keys of the settings file, not " + w[i]);
    }
    return true;
}

// While the program waits (a plug-in's pick) the script goes on with its next command.
void BatchUi::PumpEvents() {
    if (!r_.Step(*program) && !program->closing)
        r_.Fail("the script ended while the program waits for a pick");
}

int BatchUi::ChooseMachine(const std::vector<std::string>& names, int) {
    std::vector<std::string> w = r_.Answer({"machine", "cancel"}, "machine chooser");
    if (w[0] == "cancel") return -1;
    if (w.size() < 2) r_.Fail("machine needs the machine's name");
    auto it = std::find(names.begin(), names.end(), w[1]);
    if (it == names.end()) r_.Fail("no machine is called " + w[1]);
    return static_cast<int>(it - names.begin());
}

// "contour SIDE [climb|conventional]": left, right or on for an open chain, outside, inside or
// on for a closed one.
bool BatchUi::AskContour(ContourQuestion& q) {
    std::vector<std::string> w = r_.Answer({"contour", "cancel"}, "contour question");
    if (w[0] == "cancel") return false;
    const char* sides[2][3] = {{"left", "right", "on"}, {"outside", "inside", "on"}};
    const int kind = q.closed ? 1 : 0;
    q.side = -1;
    for (int i = 0; i < 3 && w.size() > 1; ++i)
        if (w[1] == sides[kind][i]) q.side = i;
    if (q.side < 0)
        r_.Fail(std::string("contour takes ") + sides[kind][0] + ", " + sides[kind][1] +
                " or on for this " + (q.closed ? "closed" : "open") + " chain");
    if (w.size() > 2 && w[2] != "climb" && w[2] != "conventional")
        r_.Fail("contour mills climb or conventional, not " + w[2]);
    q.climb = w.size() < 3 || w[2] == "climb";
    return true;
}

void BatchUi::OpenExternal(const std::string& target) {
    r_.Out() << "OPEN " << target << "\n";
}

void BatchUi::SetClipboard(const std::string& text) {
    r_.Out() << "CLIPBOARD\n";
    for (auto l : SplitLines(text))
        r_.Out() << l << "\n";
    r_.Out() << "END\n";
}

// "print [word ...]" confirms; the words clear check boxes (nopoints, nolines, nocircles,
// noendpoints, nointersections, nonc, nocolour) or set the line width (width N).
bool BatchUi::ShowPrintDialog(PrintMode mode, PrintOptions& o) {
    std::vector<std::string> w = r_.Answer({"print", "cancel"}, "print dialog");
    if (w[0] == "cancel") return false;
    const std::pair<const char*, bool PrintOptions::*> flags[] = {
        {"nopoints", &PrintOptions::points},
        {"nolines", &PrintOptions::lines},
        {"nocircles", &PrintOptions::circles},
        {"noendpoints", &PrintOptions::endpoints},
        {"nointersections", &PrintOptions::intersections},
        {"nonc", &PrintOptions::toolPath},
        {"nocolour", &PrintOptions::colour},
    };
    for (std::size_t i = 1; i < w.size(); ++i) {
        bool known = false;
        for (const auto& [word, flag] : flags)
            if (w[i] == word) {
                o.*flag = false;
                known = true;
            }
        if (w[i] == "width" && i + 1 < w.size()) {
            o.lineWidth = std::atoi(w[++i].c_str());
            known = true;
        }
        if (!known)
            r_.Fail(
                "print takes nopoints, nolines, nocircles, noendpoints, nointersections, nonc, "
                "nocolour or width N");
    }
    r_.Out() << "PRINT " << (mode == PrintMode::Drawing ? "drawing" : "nc") << "\n";
    return true;
}

namespace {

// A page that writes what is drawn on it, one line per call, with numbers rounded for reading.
class BatchPage : public Canvas {
  public:
    explicit BatchPage(std::ostream& out) : out_(out) {}
    int Width() const override { return 4760; }  // A4 at 600 dpi
    int Height() const override { return 6814; }
    bool IsPrinter() const override { return true; }
    double PixelsPerTwip() const override { return 600.0 / 1440.0; }
    void Clear(Colour) override {}
    void SetPen(Colour c, int, PenStyle) override { colour_ = c; }
    void SetXor(bool) override {}
    void Line(double x1, double y1, double x2, double y2) override {
        Out("line", {x1, y1, x2, y2});
    }
    void Ellipse(double l, double t, double r, double b) override { Out("ellipse", {l, t, r, b}); }
    void Arc(double cx, double cy, double r, double s, double e) override {
        Out("arc", {cx, cy, r, s, e});
    }
    void Rect(double x1, double y1, double x2, double y2) override {
        Out("rect", {x1, y1, x2, y2});
    }
    void Text(double x, double y, const std::string& t, const TextFont& f) override {
        Out("text", {x, y});
        out_ << "  " << t << " | " << f.family << " " << BatchNumber(f.points) << "\n";
    }

  private:
    void Out(const char* op, std::initializer_list<double> v) {
        out_ << "  " << op;
        for (double d : v)
            out_ << " " << BatchNumber(std::round(d * 100) / 100);
        out_ << " colour " << colour_ << "\n";
    }
    std::ostream& out_;
    Colour colour_ = 0;
};

class BatchJob : public PrintJob {
  public:
    explicit BatchJob(std::ostream& out) : out_(out), page_(out) { out_ << "PAGE\n"; }
    Canvas& Page() override { return page_; }
    void NewPage() override { out_ << "PAGE\n"; }
    bool Finish() override {
        out_ << "END\n";
        return true;
    }

  private:
    std::ostream& out_;
    BatchPage page_;
};

}  // namespace

std::unique_ptr<PrintJob> BatchUi::StartPrint(const PrintOptions&) {
    return std::make_unique<BatchJob>(r_.Out());
}

void BatchUi::EndProgram() {
    throw ScriptStop{1, r_.Line(), "the program was ended from the error report"};
}

void BatchUi::Refresh() {
    // No surface to show, but a paint's effects on the state stay the same as in the window.
    NullCanvas c(program->view.W, program->view.H);
    RitYta_Paint(*program, c);
}

const std::map<std::string, Key>& KeyNames() {
    static const std::map<std::string, Key> keys = {
        {"Left", Key::Left}, {"Right", Key::Right},   {"Up", Key::Up},
        {"Down", Key::Down}, {"PageUp", Key::PageUp}, {"PageDown", Key::PageDown},
        {"F8", Key::F8},     {"F9", Key::F9},         {"F10", Key::F10},
        {"F11", Key::F11},   {"F12", Key::F12},
    };
    return keys;
}

char32_t FirstCodePoint(const std::string& s) {
    if (s.empty()) return 0;
    auto c = static_cast<unsigned char>(s[0]);
    if (c < 0x80) return c;
    int len = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
    char32_t cp = c & (0x3F >> (len - 1));
    for (int i = 1; i < len && i < static_cast<int>(s.size()); ++i)
        cp = (cp << 6) | (static_cast<unsigned char>(s[static_cast<std::size_t>(i)]) & 0x3F);
    return cp;
}

void Runner::Execute(Program& p, const std::vector<std::string>& w) {
    const std::string& c = w[0];
    auto needs = [&](std::size_t n) {
        if (w.size() < n + 1)
            Fail(c + " needs " + std::to_string(n) + " argument" + (n == 1 ? "" : "s"));
    };
    auto mouseAt = [&](std::size_t i, double& col, double& row) {
        needs(i + 1);
        col = ToColumn(p.view, Number(w[i]));
        row = ToRow(p.view, Number(w[i + 1]));
    };
    double col, row;
    if (c == "click") {
        mouseAt(1, col, row);
        bool ctrl = w.size() > 3 && w[3] == "ctrl", shift = w.size() > 3 && w[3] == "shift";
        if (w.size() > 3 && !ctrl && !shift) Fail("click takes ctrl or shift");
        RitYta_MouseDown(p, kLeftButton, ctrl, shift, col, row);
        RitYta_MouseUp(p, kLeftButton, col, row);
    } else if (c == "rclick" || c == "mclick") {
        mouseAt(1, col, row);
        int button = c == "rclick" ? kRightButton : kMiddleButton;
        RitYta_MouseDown(p, button, false, false, col, row);
        RitYta_MouseUp(p, button, col, row);
    } else if (c == "dblclick") {
        mouseAt(1, col, row);
        RitYta_MouseDown(p, kLeftButton, false, false, col, row);
        RitYta_MouseUp(p, kLeftButton, col, row);
        RitYta_DblClick(p);
        RitYta_MouseUp(p, kLeftButton, col, row);
    } else if (c == "move") {
        mouseAt(1, col, row);
        RitYta_MouseMove(p, 0, col, row);
    } else if (c == "key") {
        needs(1);
        const std::string& k = w[1];
        bool scrollLock = w.size() > 2 && w[2] == "scrolllock";
        if (k == "Esc")
            Form_KeyPress(p, 27);
        else if (k == "Enter")
            Form_KeyPress(p, 13);
        else if (k == "Space")
            Form_KeyPress(p, U' ');
        else if (KeyNames().count(k))
            Form_KeyDown(p, KeyNames().at(k), scrollLock);
        else if (Utf8Length(k) == 1)
            Form_KeyPress(p, FirstCodePoint(k));
        else
            Fail("unknown key " + k);
    } else if (c == "wheel") {
        needs(1);
        int n = Whole(w[1], -1000, 1000);
        for (int i = 0; i < std::abs(n); ++i)
            MouseWheel(p, 0, n > 0 ? 120 : -120, 0, 0);
    } else if (c == "surface") {
        needs(2);
        const double width = Number(w[1]), height = Number(w[2]);
        if (!(width >= 1 && height >= 1)) Fail("the surface needs a positive size");
        p.view.W = Whole(w[1], 1, 32767);
        p.view.H = Whole(w[2], 1, 32767);
        p.overlay.Resize(p.view.W, p.view.H);
    } else if (c == "dump") {
        needs(1);
        Dump(p, w[1]);
    } else if (c == "plugin") {
        needs(1);
        RunPluginCommand(p, w[1]);
    } else if (c == "echo") {
        std::string text;
        for (std::size_t i = 1; i < w.size(); ++i)
            text += (i > 1 ? " " : "") + w[i];
        out_ << text << "\n";
    } else if (c == "value" || c == "text" || c == "g2" || c == "g3" || c == "cancel" ||
               c == "answer" || c == "file" || c == "machine" || c == "settings" || c == "print") {
        Fail("\"" + c + "\" answers a dialog, but no dialog is open");
    } else {
        int arg = w.size() > 1 ? Whole(w[1], -32768, 32767) : 0;
        if (!RunMenu(p, c, arg)) Fail("unknown command " + c);
    }
    if (p.view.paintTimerEnabled) tmr_paint_Timer(p);
}

void Runner::Dump(Program& p, const std::string& what) {
    auto N = BatchNumber;
    const Drawing& d = p.drawing;
    bool all = what == "all";
    bool known = all;
    if (all || what == "objects") {
        known = true;
        out_ << "OBJECTS " << d.ObjectCount << "\n";
        for (int i = 1; i <= d.ObjectCount; ++i) {
            const RitObjekt& o = d.Obj(i);
            out_ << i;
            if (o.Typ == kLine)
                out_ << " LINE " << N(o.X1) << " " << N(o.Y1) << " " << N(o.X2) << " " << N(o.Y2);
            else if (o.Typ == kCircle)
                out_ << " CIRCLE " << N(o.CX) << " " << N(o.CY) << " " << N(o.R) << " "
                     << N(o.StartAngle) << " " << N(o.EndAngle);
            else if (o.Typ == kRitPoint)
                out_ << " POINT " << N(o.X1) << " " << N(o.Y1);
            else
                out_ << " KIND " << o.Typ;
            if (o.Temp) out_ << " temp";
            if (o.Deleted) out_ << " deleted";
            if (o.Selected) out_ << " selected";
            out_ << "\n";
        }
    }
    if (all || what == "points") {
        known = true;
        out_ << "POINTS " << p.snaps.PointCount << "\n";
        for (int i = 1; i <= p.snaps.PointCount; ++i) {
            const SnapPoint& s = p.snaps.Pt(i);
            out_ << i << " " << N(s.X) << " " << N(s.Y) << " " << s.Color << " " << s.Obj1 << " "
                 << s.Obj2 << "\n";
        }
    }
    if (all || what == "toolpath") {
        known = true;
        out_ << "TOOLPATH " << p.toolPath.Count << "\n";
        for (int i = 1; i <= p.toolPath.Count; ++i) {
            const ToolPathOp& o = p.toolPath.Op(i);
            out_ << i << " " << o.Typ << " " << N(o.X) << " " << N(o.Y) << " " << N(o.CX) << " "
                 << N(o.CY) << " " << N(o.R) << " \"" << o.Label << "\" \"" << o.NCText << "\"\n";
        }
    }
    if (all || what == "state") {
        known = true;
        out_ << "Operation=" << p.cmd.Operation << " OpStep=" << p.cmd.OpStep
             << " InputMode=" << p.cmd.InputMode << "\nFunctionText=" << p.uiState.functionText
             << "\nInfoText=" << p.uiState.infoText << "\n";
    }
    auto lines = [&](const char* head, const std::string& text) {
        out_ << head << "\n";
        for (auto l : SplitLines(text))
            out_ << l << "\n";
        out_ << "END\n";
    };
    if (all || what == "analys") {
        known = true;
        lines("ANALYS", p.uiState.txtAnalys);
    }
    if (all || what == "nc") {
        known = true;
        lines("NC", p.uiState.ncCodeText);
    }
    if (what == "plugins") {
        known = true;
        out_ << "PLUGINS " << p.plugins.items.size() << "\n";
        for (const PluginMenuEntry& e : p.uiState.pluginMenus)
            out_ << e.menu << " " << e.tag << " " << e.caption << "\n";
    }
    if (!known) Fail("dump takes objects, points, toolpath, state, analys, nc, plugins or all");
}

bool Runner::Step(Program& p) {
    std::vector<std::string> w;
    if (!Next(w)) return false;
    if (w[0] == "quit") {
        if (!MainWindowQueryUnload(p)) MainWindowUnload(p, nullptr, false);
        return true;
    }
    Execute(p, w);
    return true;
}

void Runner::Run(Program& p) {
    while (!p.closing && Step(p)) {
    }
}

}  // namespace

int RunBatch(const std::string& scriptPath, const std::string& programFolder, std::ostream& out,
             std::ostream& err, char decimalSeparator) {
    std::vector<std::string> lines;
    if (!ReadTextLines(scriptPath, lines)) {
        err << "veltrum32: cannot read the script " << scriptPath << "\n";
        return 2;
    }
    Runner runner(lines, out, programFolder);
    BatchUi ui(runner);
    Program p(ui, programFolder);
    ui.program = &p;
    p.decimalSeparator = decimalSeparator;
    try {
        p.view.W = 640;
        p.view.H = 400;
        p.overlay.Resize(640, 400);
        MainWindowLoad(p, "");
        runner.Run(p);
    } catch (const ScriptStop& s) {
        out.flush();
        if (s.status == 2) err << scriptPath << ":" << s.line << ": " << s.reason << "\n";
        return s.status;
    }
    out.flush();
    return 0;
}

}  // namespace vt
