// A machine definition (.vtp) as the engine reads it: number formats, the program frame, block
// templates, letters, codes, cycles and the defaults of the job settings. POST/README.md
// describes every key.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "model/job_settings.h"

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

// What {PGM} may hold: a number in 1..programMax, or a name of letters, digits, '_' and '-' of at
// most programMax characters.
enum class ProgramKind { Number, Name };

struct Machine {
    std::string name;
    NumberFormat formatX, formatY, formatZ, formatF;
    JobValues jobDefaults;  // [JOB]
    ProgramKind programKind = ProgramKind::Name;
    long programMax = 16;
    int programDigits = 0;  // a number is written with at least this many digits (O0001)
    std::vector<std::string> startLines, startBlocks, endBlocks, endLines;
    std::string blockNumber = "N{N}";
    long blockStart = 10, blockStep = 10;
    long blockMax = 0;  // above it the numbers start again from blockStart; 0 no limit
    JobOption blockNumbers = JobOption::Job, comments = JobOption::Job;
    std::string comment = "({TEXT})";
    std::string commentReplace;             // pairs: a character of text, what replaces it
    std::vector<std::string> commentGuard;  // words that make a comment do something
    std::string absolute = "G90", incremental = "G91";
    std::string rapid = "{G} {X} {Y}", linear = "{G} {X} {Y} {F}",
                arcCW = "{G} {X} {Y} {I} {J} {F}", arcCCW = "{G} {X} {Y} {I} {J} {F}",
                point = "{G} {X} {Y}";
    std::string gRapid = "G0", gLinear = "G1", gArcCW = "G2", gArcCCW = "G3", gPoint = "G0";
    std::string axisX = "X", axisY = "Y", axisZ = "Z";
    std::string incrementalX, incrementalY,
        incrementalZ;               // letters of incremental words (empty: the axis letters)
    std::string incrementalPrefix;  // written before the letter in incremental mode (I for IX)
    std::string centreX = "I", centreY = "J";
    std::string radius = "R";  // {R} word
    bool modalCodes = true, modalCoords = true, modalFeed = true;
    bool lowerCase = false;
    std::string feedWord = "F";
    // Depth: the machine moves Z between safe height and cutting depth when the job asks.
    bool zMoves = true;
    std::string retract = "{G} {Z}", plunge = "{G} {Z} {F}";
    std::string startRetract;  // the first retract after the frame (empty: Retract)
    // Drilling cycles for NC points; without Drill the points are positioning moves.
    std::string drillDefine, drill, peckDrill, drillEnd;
    std::string spindleCW = "M3", spindleCCW = "M4", spindleOff = "M5";
    std::string coolantFlood = "M8", coolantMist = "M7", coolantOff = "M9";
    double arcTolerance = 0.002;
    // Tool radius compensation: the words behind {COMP} on the move that switches it on to the
    // left or right ({T} the tool) or off; without them the machine cannot take a contour that
    // leaves the compensation to the control. compEvery: the word on every block ({COMP} then
    // says the state: RL, RR or R0), else only where it changes.
    std::string compLeft, compRight, compOff;
    bool compEvery = false;
};

// Reads and checks a machine definition; throws EngineError on a missing file or a bad value.
Machine LoadMachine(const std::string& path);
NumberFormat ParseFormat(const std::string& definition);

}  // namespace vt::engine
