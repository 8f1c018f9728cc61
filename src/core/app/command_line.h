// The program's command line: options, the drawing to open, and the headless commands.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vt {

struct CommandLine {
    std::string home;       // --home DIR
    bool noSplash = false;  // --no-splash
    bool help = false;      // --help
    bool version = false;   // --version
    std::string batch;      // --batch SCRIPT: run a script without a window
    std::string language;   // --language FILE: a language file instead of the chosen one
    std::string nc;         // --nc DRAWING: the NC program of a drawing, without a window
    std::string machine;    // --machine NAME
    std::string output;     // -o FILE
    std::optional<bool> blockNumbers, comments;  // --block-numbers on|off, --comments on|off
    // Job settings for --nc (--feed, --tool, ...): key and checked value, over the drawing's.
    std::vector<std::pair<std::string, std::string>> job;
    // --contour: every chain of the drawing becomes a contour where it has no tool path of its
    // own; with --replace-path also where it has.
    bool contour = false, replacePath = false;
    std::vector<std::string> convert;  // --convert IN OUT
    std::string dxfVersion = "R12";    // --dxf-version R12|R2000, for --convert to .dxf
    std::string file;                  // a drawing or template to open at start
    std::string error;                 // set when the arguments could not be understood
    char decimalSeparator = '.';       // the desktop's (not an option: main sets it)
};

// Parses the arguments after the program name.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// The text of --help.
std::string UsageText();

}  // namespace vt
