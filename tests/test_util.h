// Shared test helpers: a scripted Ui, temporary folders and small file helpers.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/program.h"
#include "app/ui.h"
#include "commands/command_reset.h"
#include "commands/value_input.h"
#include "recording_canvas.h"

namespace vt::test {

struct ShownMessage {
    std::string text, title;
    MsgButtons buttons;
    MsgIcon icon;
};

// An answer to a value dialog: sees the program and the dialog as the window would.
using DialogAnswer = std::function<void(Program&, ValueDialog&)>;

// Types the texts (a null entry keeps the pre-filled text) and presses OK.
inline DialogAnswer Ok(std::vector<const char*> texts = {}) {
    return [texts](Program& p, ValueDialog& d) {
        for (std::size_t i = 0; i < texts.size() && i < 3; ++i)
            if (texts[i]) d.text[i + 1] = texts[i];
        ValueDialogOk(p);
    };
}
inline DialogAnswer Cancel() {
    return [](Program& p, ValueDialog&) { ValueDialogCancel(p); };
}
inline DialogAnswer Arc(int16_t kind) {
    return [kind](Program& p, ValueDialog&) { ValueDialogArc(p, kind); };
}

// Records every message box and answers from a queue (the first button when it is empty); answers
// value dialogs from a queue of DialogAnswers (cancel when it is empty). Set `program` first.
class FakeUi : public Ui {
  public:
    std::vector<ShownMessage> messages;
    std::deque<MsgAnswer> answers;
    std::function<void()> onMessage;  // runs while a message box is open
    std::deque<DialogAnswer> dialogs;
    std::vector<ValueDialog> shownDialogs;  // each dialog as it opened
    Program* program = nullptr;
    int endProgramCalls = 0;
    int stateChanges = 0;

    std::deque<FileDialogResult> files;           // answers to file dialogs (cancel when empty)
    std::vector<FileDialogRequest> fileRequests;  // the dialogs as asked
    FileDialogResult FileDialog(const FileDialogRequest& r) override {
        fileRequests.push_back(r);
        if (files.empty()) return {};
        FileDialogResult f = files.front();
        files.pop_front();
        return f;
    }

    // Answers to the contour question (cancelled when empty), the questions as asked and the
    // objects selected while each was open.
    std::deque<ContourQuestion> contourAnswers;
    std::vector<ContourQuestion> contourQuestions;
    std::vector<std::vector<int>> selectedWhenAsked;
    std::vector<std::string> promptWhenAsked;
    bool AskContour(ContourQuestion& q) override {
        contourQuestions.push_back(q);
        std::vector<int> selected;
        for (int i = 1; program && i <= program->drawing.ObjectCount; ++i)
            if (program->drawing.Obj(i).Selected) selected.push_back(i);
        selectedWhenAsked.push_back(selected);
        promptWhenAsked.push_back(program ? program->uiState.infoText : "");
        if (contourAnswers.empty()) return false;
        const bool closed = q.closed;
        q = contourAnswers.front();
        q.closed = closed;
        contourAnswers.pop_front();
        return true;
    }

    // The dialog stays open until an answer confirms or cancels it.
    void ShowValueInput(ValueDialog& d) override {
        shownDialogs.push_back(d);
        while (d.modalResult == 0) {
            if (dialogs.empty() || !program) {
                d.modalResult = 2;
                return;
            }
            DialogAnswer a = dialogs.front();
            dialogs.pop_front();
            a(*program, d);
        }
    }
    MsgAnswer MessageBox(const std::string& text, const std::string& title, MsgButtons buttons,
                         MsgIcon icon) override {
        messages.push_back({text, title, buttons, icon});
        if (onMessage) onMessage();
        if (!answers.empty()) {
            MsgAnswer a = answers.front();
            answers.pop_front();
            return a;
        }
        switch (buttons) {
            case MsgButtons::Ok:
            case MsgButtons::OkCancel:
                return MsgAnswer::Ok;
            default:
                return MsgAnswer::Yes;
        }
    }
    void EndProgram() override { ++endProgramCalls; }
    void StateChanged() override { ++stateChanges; }

    std::deque<int> machineChoices;  // answers to the machine chooser (-1 when empty)
    std::vector<std::vector<std::string>> chooserLists;
    std::vector<int> chooserCurrent;
    int ChooseMachine(const std::vector<std::string>& names, int current) override {
        chooserLists.push_back(names);
        chooserCurrent.push_back(current);
        if (machineChoices.empty()) return -1;
        int c = machineChoices.front();
        machineChoices.pop_front();
        return c;
    }
    std::vector<std::string> opened;  // OpenExternal's targets
    void OpenExternal(const std::string& target) override { opened.push_back(target); }
    std::string clipboard;
    void SetClipboard(const std::string& text) override { clipboard = text; }
    // Settings dialogs: each answer edits the copy and says OK (true) or Cancel.
    std::deque<std::function<bool(SettingsDialog&)>> settingsAnswers;
    std::vector<SettingsDialog> shownSettings;
    bool ShowSettings(SettingsDialog& d) override {
        shownSettings.push_back(d);
        if (settingsAnswers.empty()) return false;
        auto a = settingsAnswers.front();
        settingsAnswers.pop_front();
        return a(d);
    }

    // What happens while the core waits on the event pump (a plug-in's pick): the next action, or
    // a cancel of the command when none is left.
    std::deque<std::function<void(Program&)>> pumpActions;
    int pumps = 0;
    void PumpEvents() override {
        ++pumps;
        if (pumpActions.empty()) {
            ResetOperation(*program);
            return;
        }
        auto a = pumpActions.front();
        pumpActions.pop_front();
        a(*program);
    }

    // The long waits of NC generation: what each keep-alive call may do (null: nothing), whether
    // the busy indication was asked for, and a Cancel press once it shows.
    std::function<void(Program&)> keepAliveAction;
    int keepAlives = 0;
    bool sawBusy = false, cancelWhenBusy = false, busyEnded = false;
    bool KeepAlive(bool busy, const std::string&) override {
        ++keepAlives;
        sawBusy = sawBusy || busy;
        if (keepAliveAction) {
            auto a = std::move(keepAliveAction);
            keepAliveAction = nullptr;
            a(*program);
        }
        return busy && cancelWhenBusy;
    }
    void EndBusy() override { busyEnded = true; }

    // Print dialogs: answered from the queue (cancelled when empty); each job's pages recorded.
    std::deque<std::optional<PrintOptions>> printAnswers;
    std::vector<PrintMode> printModes;
    std::vector<std::vector<RecordingCanvas>> printJobs;
    bool ShowPrintDialog(PrintMode mode, PrintOptions& options) override {
        printModes.push_back(mode);
        if (printAnswers.empty() || !printAnswers.front()) {
            if (!printAnswers.empty()) printAnswers.pop_front();
            return false;
        }
        options = *printAnswers.front();
        printAnswers.pop_front();
        return true;
    }
    std::unique_ptr<PrintJob> StartPrint(const PrintOptions&) override {
        printJobs.emplace_back();
        return std::make_unique<Job>(printJobs.back());
    }
    // The text lines printed by the last job, page by page.
    std::vector<std::vector<std::string>> PrintedText() const {
        std::vector<std::vector<std::string>> pages;
        for (const RecordingCanvas& c : printJobs.back()) {
            pages.emplace_back();
            for (const Drawn& d : c.Of("text"))
                pages.back().push_back(d.text.substr(0, d.text.rfind('|')));
        }
        return pages;
    }

  private:
    // An A4 page at 600 dpi.
    class Job : public PrintJob {
      public:
        explicit Job(std::vector<RecordingCanvas>& pages) : pages_(pages) { NewPage(); }
        Canvas& Page() override { return pages_.back(); }
        void NewPage() override { pages_.emplace_back(4760, 6814, true); }
        bool Finish() override { return true; }

      private:
        std::vector<RecordingCanvas>& pages_;
    };
};

// Appends a tool path move as the commands would, with its label.
inline void AddMove(Program& p, int16_t typ, double x, double y) {
    ToolPathOp o;
    o.Typ = typ;
    o.X = x;
    o.Y = y;
    o.Label = "P" + std::to_string(p.toolPath.Count + 1);
    p.toolPath.Ops.push_back(o);
    ++p.toolPath.Count;
}

// A fresh folder under the system's temporary folder, removed afterwards.
class TempDir {
  public:
    TempDir() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "vt-test-XXXXXX").string();
        std::vector<char> buf(tmpl.begin(), tmpl.end());
        buf.push_back('\0');
        path_ = ::mkdtemp(buf.data());
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

// A folder holding one file that cannot be replaced: a read-only file system for root (who writes
// anywhere else), a folder without write permission for other users. Usable() is false where
// neither can be made.
class ReadOnlyFolder {
  public:
    ReadOnlyFolder(const std::string& fileName, const std::string& content) {
        file_ = dir_.File(fileName);
        if (::geteuid() != 0) {
            std::ofstream(file_, std::ios::binary) << content;
            std::filesystem::permissions(dir_.Path(), std::filesystem::perms::owner_read |
                                                          std::filesystem::perms::owner_exec);
            usable_ = true;
            return;
        }
        if (std::system(
                ("mount -t tmpfs -o size=1m tmpfs '" + dir_.Path() + "' 2>/dev/null").c_str()) != 0)
            return;
        mounted_ = true;
        std::ofstream(file_, std::ios::binary) << content;
        usable_ =
            std::system(("mount -o remount,ro '" + dir_.Path() + "' 2>/dev/null").c_str()) == 0;
    }
    ~ReadOnlyFolder() {
        if (mounted_) [[maybe_unused]]
            int r = std::system(("umount '" + dir_.Path() + "' 2>/dev/null").c_str());
    }
    bool Usable() const { return usable_; }
    const std::string& File() const { return file_; }
    const std::string& Path() const { return dir_.Path(); }

  private:
    TempDir dir_;
    std::string file_;
    bool mounted_ = false, usable_ = false;
};

// A small file system of its own (root only): a full disk can be made in it.
class SmallDisk {
  public:
    explicit SmallDisk(int kilobytes) {
        if (::geteuid() != 0) return;
        usable_ = std::system(("mount -t tmpfs -o size=" + std::to_string(kilobytes) + "k tmpfs '" +
                               dir_.Path() + "' 2>/dev/null")
                                  .c_str()) == 0;
    }
    ~SmallDisk() {
        if (usable_) [[maybe_unused]]
            int r = std::system(("umount '" + dir_.Path() + "' 2>/dev/null").c_str());
    }
    bool Usable() const { return usable_; }
    std::string File(const std::string& name) const { return dir_.File(name); }
    const std::string& Path() const { return dir_.Path(); }
    // Fills what space is left with one file.
    void Fill() const {
        std::ofstream f(dir_.File("filler"), std::ios::binary);
        std::string block(4096, 'x');
        while (f.write(block.data(), static_cast<std::streamsize>(block.size()))) {
        }
    }

  private:
    TempDir dir_;
    bool usable_ = false;
};

inline void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary);
    out << content;
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

}  // namespace vt::test
