// The settings record, the input history and the window placements kept in veltrum32.ini.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace vt {

class Program;

using Colour = int32_t;  // 0x00BBGGRR, red in the low byte

struct ProgramSettings {
    std::string Postpath;
    std::string GEOpath;
    std::string NCpath;
    int32_t MaxPoints = 4000;
    int32_t UndoDepth = 1000;  // changes the history keeps
    int32_t OldGeoLineLength = 1000;
    int16_t LoadLastDrawing = 1;
    int16_t ArcMode = 1;
    std::string DefaultMachine;
    bool BlockNumbers = true;
    bool Comments = true;
    Colour DrawColor = 15153465;
    Colour SelectedColor = 65535;
    Colour TempColor = 16214377;
    Colour EndpointColor = 255;
    Colour MidpointColor = 16711935;
    Colour QuadrantColor = 65280;
    Colour CenterColor = 65535;
    Colour IntersecColor = 65535;
    Colour AxisColor = 65535;
    Colour OrigoColor = 16512;
    Colour BackColor = 11337728;
    Colour NCColor = 255;
    Colour NCIColor = 8421631;
    Colour HighLightColor = 16776960;
    Colour NCTempColor = 128;
    bool LL = true;
    bool LC = true;
    bool CC = true;
    bool EP = true;
    bool CP = true;
    bool MP = false;
    bool QP = false;
    bool POD = false;
    // Reusing the last machine is the default: the chooser comes at the first start, when the
    // machine is gone, or every time only when the user asks for that.
    bool MaskinLast = true;
    // Printed line widths in millimetres (text as in the file; unusable text: the default).
    std::string PrintLineWidth = "0.25";
    std::string PrintToolPathWidth = "0.5";
    bool MaskinAsk = false;
    bool MaskinUseDefined = false;
    std::string MaskinDefined;
    bool PPUseMult = true;
    bool DxfKeepUnits = false;  // DXF import keeps the file's numbers instead of millimetres
    std::string Language;  // a language file of the program folder's lang/ used from the next start
    uint8_t IntersecMore = 0;  // toggled by its menu item, never stored
};

// Remembered values of the value input dialog; all but W and H are read from section History.
struct History {
    double D = 20, IV = 45, L = 20, NR = 1, R = 10;
    std::string S;
    double SV = 0, V = 45, X = 0, Y = 0;
    double W = 0, H = 0;
    // The folder each kind of file dialog last used.
    std::string FolderDrawing, FolderDxf, FolderExchange, FolderNc;
};

// The largest snap-point capacity accepted from the settings file.
constexpr int32_t kMaxPointsLimit = 4000000;

// Defaults for a program folder: Postpath is folder/POST/; GEOpath and NCpath are the Veltrum32
// folder in the user's documents folder, or without one the folder's drive where it has one,
// otherwise the folder itself.
ProgramSettings DefaultSettings(const std::string& programFolder,
                                const std::string& documentsFolder = "");

// One settings key: its name, the field it fills and whether closing writes it.
using SettingField = std::variant<std::string ProgramSettings::*, int32_t ProgramSettings::*,
                                  int16_t ProgramSettings::*, bool ProgramSettings::*>;
struct SettingKey {
    const char* key;
    SettingField field;
    bool written;
};
// In the order the file is read.
const std::vector<SettingKey>& SettingsKeys();
// One key's value from its text as the file holds it; unusable text gives the default's value.
void SetSettingText(ProgramSettings& s, const ProgramSettings& def, const SettingKey& k,
                    const std::string& text);
// The same by key name (any letter case); false for an unknown key.
bool SetSettingByName(ProgramSettings& s, const std::string& key, const std::string& text);
// In the order closing writes them.
const std::vector<const char*>& SettingsSaveOrder();

// Fills the record and the history from the settings file (defaults where a key is missing or its
// value unusable) and resets the extended-intersections switch.
void LoadSettings(Program& p);
// Writes the written keys in their order, keeping the rest of the file. A failure is reported
// and gives false.
bool SaveSettings(Program& p);

// Window placement in pixels; the file holds twips at 15 per pixel.
constexpr int kTwipsPerPixel = 15;
struct WindowPlacement {
    bool maximized = false;
    int x = 0, y = 0, w = 0, h = 0;
};
// Reads section `window`; each missing value keeps the current one.
WindowPlacement LoadWindowPlacement(const std::string& file, const std::string& window,
                                    const WindowPlacement& current);
// Writes Maximized, and X, Y, W, H only for a window that is neither maximised nor minimised.
bool SaveWindowPlacement(const std::string& file, const std::string& window,
                         const WindowPlacement& now, bool minimized);
// Keeps a restored window on the screen it is shown on.
WindowPlacement FitOnScreen(WindowPlacement p, int screenX, int screenY, int screenW, int screenH);

}  // namespace vt
