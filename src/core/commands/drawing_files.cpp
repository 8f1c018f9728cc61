// Saving and opening drawings (native, older and exchange format): the messages, the trail and the
// snap points.
#include "commands/drawing_files.h"

#include "app/error_report.h"
#include "app/program.h"
#include "base/text_file.h"
#include "commands/command_reset.h"
#include "commands/drawing_edit.h"
#include "commands/read_failure.h"

namespace vt {

bool SaveGEO(Program& p, const std::string& name) {
    // A number that cannot be read back would lose everything after it.
    if (const int bad = FirstNonFinite(p.doc)) {
        p.ui.MessageBox(p.language.GetText(2328) + " " +
                            (bad > 0 ? std::to_string(bad) : "P" + std::to_string(-bad)) + "\r\n" +
                            name,
                        p.language.GetText(1066), MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    return Guarded(p, "SaveGEO()", [&] { WriteFileOrThrow(name, NativeText(p.doc)); });
}

bool LoadGEO(Program& p, std::string& name) {
    // Quotes round the whole name are not part of it; a quote inside it is.
    if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
        name = name.substr(1, name.size() - 2);
    const Language& l = p.language;
    if (!FileExists(name)) {
        p.ui.MessageBox(MissingFileText(l, name), l.GetText(1065), MsgButtons::Ok,
                        MsgIcon::Critical);
        return false;
    }
    NewDrawing(p);
    std::vector<std::string> lines;
    std::vector<std::size_t> skipped;
    ReadStatus status = ReadStatus::Ok;
    bool known = true;
    const bool read = Guarded(p, "LoadGEO() - " + name, [&] {
        status = ReadTextFile(name, lines);
        if (status == ReadStatus::TooLarge) return;
        if (status != ReadStatus::Ok) throw VtError(kErrFileNotFound);
        // Into the open document: what was read before an error stays, as it always has.
        const NativeRead r = ReadNative(lines, p.doc);
        known = r.known;
        skipped = r.skippedMoves;
    });
    if (status == ReadStatus::TooLarge) {
        CannotRead(p, name, ReadProblem(p, status));
        return false;
    }
    if (!read) return false;  // reported with the file's name in the trail
    if (!known) {
        CannotRead(p, name, l.GetText(2321));
        return false;
    }
    if (lines.empty()) return true;  // an empty file: an empty drawing, the view as it was
    p.view.ViewChanged = true;
    UpdatePoints(p);
    p.ui.Refresh();
    if (!skipped.empty()) {
        std::string numbers;
        for (std::size_t n : skipped)
            numbers += (numbers.empty() ? " " : ", ") + std::to_string(n);
        p.ui.MessageBox(l.GetText(2325) + numbers + "\r\n" + name, l.GetText(1065), MsgButtons::Ok,
                        MsgIcon::Exclamation);
    }
    return true;
}

namespace {

// One message for the file, not one for each circle it cannot hold.
void RefuseCircle(Program& p, bool refused) {
    if (!refused) return;
    p.ui.MessageBox(p.language.GetText(1060), p.language.GetText(1066), MsgButtons::Ok,
                    MsgIcon::Exclamation);
    ResetOperation(p);
}

// The objects read are shown, and what was left out of them counted in a message.
void ShowRead(Program& p, const std::string& name, int skipped) {
    p.view.ViewChanged = true;
    UpdatePoints(p);
    p.ui.Refresh();
    if (skipped > 0)
        p.ui.MessageBox(p.language.GetText(2326) + " " + std::to_string(skipped) + "\r\n" + name,
                        p.language.GetText(1065), MsgButtons::Ok, MsgIcon::Exclamation);
}

}  // namespace

bool LoadOldGEO(Program& p, const std::string& name) {
    NewDrawing(p);
    ReadStatus status = ReadStatus::Ok;
    int read = 0, skipped = 0;
    const bool ok = Guarded(p, "LoadOldGEO()", [&] {
        std::vector<std::string> lines;
        status = ReadTextFile(name, lines);
        if (status == ReadStatus::TooLarge) return;
        if (status != ReadStatus::Ok) throw VtError(kErrFileNotFound);
        OldGeoRead info;
        try {
            ReadOldGeo(lines, p.settings.OldGeoLineLength, p.doc, info, &p.errorTrail);
        } catch (...) {
            read = info.read;
            RefuseCircle(p, info.circleRefused);
            throw;
        }
        read = info.read;
        skipped = info.skipped;
        RefuseCircle(p, info.circleRefused);
    });
    if (status == ReadStatus::TooLarge) {
        CannotRead(p, name, ReadProblem(p, status));
        return false;
    }
    if (!ok) return false;
    if (read == 0) {
        CannotRead(p, name, p.language.GetText(2327));
        return false;
    }
    ShowRead(p, name, skipped);
    return true;
}

bool ExportRit(Program& p, const std::string& name) {
    return Guarded(p, "ExportRit()", [&] { WriteFileOrThrow(name, RitBytes(p.doc)); });
}

bool ImportRit(Program& p, const std::string& name) {
    ReadStatus status = ReadStatus::Ok;
    bool signed_ = true;
    int skippedCount = 0;
    const bool ok = Guarded(p, "ImportRit()", [&] {
        std::string bytes;
        status = ReadWholeFile(name, bytes);
        if (status == ReadStatus::TooLarge) return;
        if (status != ReadStatus::Ok) throw VtError(kErrFileNotFound);
        RitRead info;
        try {
            ReadRit(bytes, p.doc, info);
        } catch (...) {
            RefuseCircle(p, info.circleRefused);
            throw;
        }
        signed_ = info.known;
        skippedCount = info.skipped;
        RefuseCircle(p, info.circleRefused);
    });
    if (status == ReadStatus::TooLarge) {
        CannotRead(p, name, ReadProblem(p, status));
        return false;
    }
    if (!ok) return false;
    if (!signed_) {
        CannotRead(p, name, p.language.GetText(2322));
        return false;
    }
    ShowRead(p, name, skippedCount);
    return true;
}

bool ExportDxf(Program& p, const std::string& name, DxfVersion version) {
    return Guarded(p, "ExportDxf()",
                   [&] { WriteFileOrThrow(name, DxfText(p.drawing, p.toolPath, version)); });
}

}  // namespace vt
