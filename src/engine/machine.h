// A machine definition (.vtp) as the engine reads it: number formats, block templates, letters
// and codes. POST/README.md describes every key.
#pragma once

#include <string>
#include <vector>

namespace vt::engine {

// How one axis's numbers are written: FORMATDEFS "decimals, multiplier, decimal point, minimum
// integer digits, trailing zeros, plus sign, 0, 0".
struct NumberFormat {
    int decimals = 3;
    double multiplier = 1;
    bool point = true;      // a decimal point also when there are no decimals to write
    int leadingDigits = 1;  // integer digits at least ("0.5" with 1, ".5" with 0)
    bool trailingZeros = false;
    bool plusSign = false;
};

enum class JobOption { Job, Yes, No };  // as the job asks, always, never

struct Machine {
    std::string name;
    NumberFormat formatX, formatY;
    std::vector<std::string> startLines, startBlocks, endBlocks, endLines;
    std::string blockNumber = "N{N}";
    long blockStart = 10, blockStep = 10;
    JobOption blockNumbers = JobOption::Job, comments = JobOption::Job;
    std::string comment = "({TEXT})";
    std::string absolute = "G90", incremental = "G91";
    std::string rapid = "{G} {X} {Y}", linear = "{G} {X} {Y} {F}",
                arcCW = "{G} {X} {Y} {I} {J} {F}", arcCCW = "{G} {X} {Y} {I} {J} {F}",
                point = "{G} {X} {Y}";
    std::string gRapid = "G0", gLinear = "G1", gArcCW = "G2", gArcCCW = "G3", gPoint = "G0";
    std::string axisX = "X", axisY = "Y";
    std::string incrementalX,
        incrementalY;               // letters of incremental words (empty: the axis letters)
    std::string incrementalPrefix;  // written before the letter in incremental mode (I for IX)
    std::string centreX = "I", centreY = "J";
    std::string radius = "R";  // {R} word
    bool modalCodes = true, modalCoords = true;
    bool lowerCase = false;
    std::string feed;
    double arcTolerance = 0.002;
};

// Reads and checks a machine definition; throws EngineError on a missing file or a bad value.
Machine LoadMachine(const std::string& path);
NumberFormat ParseFormat(const std::string& definition);

}  // namespace vt::engine
