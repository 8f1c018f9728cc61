// What every fuzz target shares: a program folder of its own, a Ui that answers everything with
// the plain choice, and a drawing read from the fuzzer's bytes and then painted.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "../quiet_ui.h"
#include "app/program.h"
#include "app/ui.h"
#include "commands/drawing_files.h"
#include "view/null_canvas.h"
#include "view/renderer.h"
#include "view/view.h"

namespace vt::fuzz {

using FuzzUi = QuietUi;

// A folder for this process (error.log and the other files the program writes go there).
inline const std::string& Folder() {
    static const std::string folder = [] {
        std::string f =
            (std::filesystem::temp_directory_path() / ("vt-fuzz-" + std::to_string(::getpid())))
                .string();
        std::filesystem::create_directories(f);
        return f;
    }();
    return folder;
}

// The fuzzer's bytes as a file of the folder.
inline std::string AsFile(const uint8_t* data, size_t size, const char* name) {
    const std::string path = Folder() + "/" + name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

// Keeps the program's own logs from growing over a million runs.
inline void Tidy() {
    std::remove((Folder() + "/error.log").c_str());
}

// What a reader accepted, the writer writes and the reader reads back to the same text: no number
// that cannot be written, nothing lost on the way. Stops the run (a finding) otherwise.
inline void RoundTrip(Program& p) {
    const std::string text = NativeText(p.doc);
    const std::string path = Folder() + "/roundtrip.vgm";
    if (!SaveGEO(p, path)) __builtin_trap();
    QuietUi ui;
    Program q(ui, Folder());
    std::string name = path;
    if (!LoadGEO(q, name) || NativeText(q.doc) != text) __builtin_trap();
}

// Paints the drawing fitted to the surface, as the window would after opening it.
inline void Paint(Program& p) {
    p.view.W = 640;
    p.view.H = 400;
    ZoomScreen(p, false);
    NullCanvas c(640, 400);
    RitYta_Paint(p, c);
}

}  // namespace vt::fuzz
