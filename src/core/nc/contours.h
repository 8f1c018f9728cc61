// Contours in the tool path: the job's contour settings, a chain picked in the window, and every
// chain of a part at once (the command line).
#pragma once

#include <string>
#include <vector>

#include "commands/pick.h"
#include "contour/contour_path.h"
#include "model/job_settings.h"

namespace vt {

class Program;

// The drawing's job settings over the chosen machine's.
JobValues EffectiveJobOf(const Program& p);
// Tool, compensation, leads, overlap and spindle direction from the job settings.
ContourOptions ContourOptionsFromJob(const JobValues& job);

// Appends the moves as one step: "Ångra senaste" takes them back together.
void AppendContour(Program& p, const std::vector<ToolPathOp>& moves, bool incremental);

// "Kontur från kedja": a click on a line or arc follows its chain, asks for side and direction
// and appends the contour.
void ChainContour(Program& p, Pick& k);

// Every chain of the drawing as a contour (outside, holes inside, open chains on the line). False
// with the reason when one of them cannot be cut; nothing is appended then.
bool AddPartContours(Program& p, const ContourOptions& options, std::string& why);

}  // namespace vt
