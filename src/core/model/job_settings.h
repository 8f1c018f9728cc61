// The job settings of a drawing: what a runnable NC program needs beyond the tool path (program
// name, tool, spindle, feeds, heights, depth, coolant). A value the drawing does not set is the
// machine's default, and a value the machine does not set is the field's own default.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/numbers.h"

namespace vt {

enum class JobKind { Text, Whole, Number, Choice };

struct JobField {
    const char* key;  // in drawing files, the job file and the machine's [JOB] section
    JobKind kind;
    double min, max;      // Whole and Number: the range, both ends included
    bool above;           // Number: min itself is not allowed (a feed above 0)
    const char* def;      // the default when neither the drawing nor the machine sets a value
    const char* choices;  // Choice: the values with "|" between them
    int choiceText;       // Choice: the text number of the first value's label, then the next
    int textId;           // the label in the NC window
    const char* option;   // the command-line option of --nc, or null
};

// Every field in the order the NC window shows them.
const std::vector<JobField>& JobFields();
// The field of a key in any letter case, or null.
const JobField* FindJobField(std::string_view key);

// Key -> value as files keep it (a "." decimal point, choices in their table spelling).
using JobValues = std::map<std::string, std::string>;

// Text typed by a person or read from a file, checked for the field: the value as files keep it,
// or nothing when it is not a value of the field. Numbers take "." or "," as decimal point.
std::optional<std::string> NormaliseJobValue(const JobField& f, std::string_view text);

// The drawing file keeps the settings in one of its reserved lines: "JOB;Key=Value;...". Empty
// when the drawing sets nothing, so a drawing without settings is written as before.
std::string JobValuesToLine(const JobValues& values);
// Reads such a line; false when the line is no job line. Unknown keys and bad values are skipped.
bool JobValuesFromLine(std::string_view line, JobValues& out);

// The [JOB] section of a machine definition file (only valid values).
JobValues MachineJobDefaults(const std::string& machineFile);

// The value of every field: the drawing's, else the machine's, else the field's default.
JobValues EffectiveJob(const JobValues& drawing, const JobValues& machine);

}  // namespace vt
