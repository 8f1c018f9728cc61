// The job file the program writes for the engine: header lines and list-format records.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "model/job_settings.h"

namespace vt::engine {

// A failure with the line it was found on; the engine reports it in one line.
class EngineError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct JobRecord {
    int typ = 0;  // move kind; 255 a manual line or a mode marker
    double x = 0, y = 0, cx = 0, cy = 0, r = 0, auxX = 0, auxY = 0;
    int comp = 0;  // item 17: the tool radius compensation this move switches (kComp*)
    std::string ncText, label;
    bool IsMarker() const {
        return typ == 255 && label.empty() && (ncText == "(INKREMENT)" || ncText == "(ABSOLUT)");
    }
};

struct Job {
    std::string programNumber;  // line 1
    std::string machineFile;    // line 2
    bool blockNumbers = false;  // line 7
    bool comments = false;      // line 9
    std::vector<JobRecord> records;
    JobValues settings;  // the [JOB] section after the records: the drawing's job settings
};

// Parses the job; throws EngineError naming the line and what is wrong. After the announced
// records may follow a [JOB] section of Key=Value lines (the keys of the job settings).
Job ParseJob(const std::string& text);

// Splits a list-format line: commas outside double quotes; quotes removed from strings.
std::vector<std::string> SplitList(const std::string& line);

}  // namespace vt::engine
