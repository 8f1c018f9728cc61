// Fuzz target: a batch script of any bytes, run against the real program in a fresh program
// folder. File-dialog answers are replaced by cancels: a script could otherwise name any file
// of the machine to write.
#include <filesystem>
#include <sstream>

#include "base/text_file.h"
#include "batch/batch_runner.h"
#include "fuzz_util.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vt;
    const std::string home = fuzz::Folder() + "/home";
    std::error_code ec;
    std::filesystem::remove_all(home, ec);
    std::filesystem::create_directories(home, ec);
    std::string script;
    for (auto line : SplitLines(std::string_view(reinterpret_cast<const char*>(data), size))) {
        std::vector<std::string> words = SplitWords(std::string(line));
        script +=
            (!words.empty() && words[0] == "file" ? std::string("cancel") : std::string(line)) +
            "\n";
    }
    const std::string path = home + "/script.vts";
    WriteFileAtomic(path, script);
    std::ostringstream out, err;
    RunBatch(path, home, out, err);
    return 0;
}
