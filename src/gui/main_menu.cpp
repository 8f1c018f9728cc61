// The menus of frm_main in their order, with their Swedish captions.
#include "main_menu.h"

#include <cstring>

namespace vt::gui {

namespace {

using E = MenuEntry;

const std::vector<MenuEntry> kLayout = {
    {E::Menu, "mnuFile", "&Arkiv"},
    {E::Item, "mnuNy", "&Ny"},
    {E::Item, "mnuOppna", "&Öppna..."},
    {E::Item, "mnuSpara", "&Spara"},
    {E::Item, "mnuSparasom", "Spara &som..."},
    {E::Break, "mnuBreak1", "-"},
    {E::Item, "mnuImportDxf", "Importera &DXF..."},
    {E::Item, "mnuImportRit", "Importera &banmodulfil..."},
    {E::Item, "mnuExportRit", "&Exportera banmodulfil..."},
    {E::Item, "mnuExportDxf", "Exportera D&XF..."},
    {E::Break, "mnuBreak2", "-"},
    {E::Item, "mnuSparaNCkod", "Spara NC &kod..."},
    {E::Item, "mnuSkirvNCkod", "Skriv ut NC k&od..."},
    {E::Item, "mnuPrint", "Skriv &ut..."},
    {E::Break, "mnuBreak3", "-"},
    {E::Item, "mnuSettings", "&Inställningar..."},
    {E::Break, "mnuBreak4", "-"},
    {E::Array, "mnuFilePlugins", ""},
    {E::Item, "mnuQuit", "&Avsluta"},

    {E::Menu, "mnuCirkel", "&Cirkel"},
    {E::Item, "mnuCirkeloor", "Origo/Centrumpunkt och Radie"},
    {E::Item, "mnuCirkecoppc", "Centrumpunkt och Punkt på Cirkel"},
    {E::Item, "mnuCirkelg2pur", "Genom 2 Punkter utan radie"},
    {E::Item, "mnuCirkelg2pmr", "Genom 2 Punkter med radie"},
    {E::Item, "mnuCirkelg3p", "Genom 3 Punkter"},
    {E::Item, "mnuCirkelt2l", "Tangent 2 Linjer"},
    {E::Item, "mnuCirkelttloc", "Tangent till Linje och Cirkel"},
    {E::Item, "mnuCirkelt2c", "Tangent 2 Cirklar"},
    {E::Item, "mnuArcttlogp", "Tangent till Linje och genom Punkt"},
    {E::Item, "mnuArcttcogp", "Tangent till Cirkel och genom Punkt"},
    {E::Break, "mnuBreak5", "-"},
    {E::Item, "mnuCirkelInfo", "&Cirkel info"},
    {E::Break, "mnuBreak6", "-"},
    {E::Item, "mnuRaderaCirkel", "&Radera cirkel"},
    {E::Array, "mnuArcPlugins", ""},

    {E::Menu, "mnuLinje", "&Linje"},
    {E::Item, "mnuLinegpmvol", "Genom Punkt med vinkel och längd"},
    {E::Item, "mnuLinjelm2a", "Skapa Linje med 2 ändpunkter"},
    {E::Item, "mnuLinjettcvv", "Tangent till Cirkel vid vinkel"},
    {E::Item, "mnuTangenttcgp", "Tangent till Cirkel genom Punkt"},
    {E::Item, "mnuLinjet2c", "Tangent 2 Cirklar"},
    {E::Item, "mnuLinjepmaoa", "Parallell med avstånd och antal"},
    {E::Item, "mnuLinjeR2pt", "Skapa Rektangel med 2 hörnpunkter"},
    {E::Item, "mnuLinjeBHA", "Skapa linje med Bredd, Höjd och/eller vinkel"},
    {E::Break, "mnuBreak7", "-"},
    {E::Item, "mnuLinjeInfo", "&Linje info"},
    {E::Break, "mnuBreak8", "-"},
    {E::Item, "mnuRaderaLinje", "&Radera Linje"},
    {E::Array, "mnuLinePlugins", ""},

    {E::Menu, "mnuPunkt", "&Punkt"},
    {E::Item, "mnuPointP", "Koordinater för Punkt"},
    {E::Item, "mnuPunktppcvv", "Punkt på Cirkel vid vinkel"},
    {E::Item, "mnuPunktpplma", "Punkt på Linje med avstånd"},
    {E::Item, "mnuPunktvaa", "vinkel, avstånd, antal"},
    {E::Item, "mnuPunktsia", "startv, inkrement, antal på Cirkel"},
    {E::Break, "mnuBreak9", "-"},
    {E::Item, "mnuPunktmm", "Punkt med mus (skissa)"},
    {E::Break, "mnuBreak10", "-"},
    {E::Item, "mnuPunktInfo", "Punkt info"},
    {E::Break, "mnuBreak11", "-"},
    {E::Item, "mnuRaderaPunkt", "Radera Punkt"},
    {E::Break, "mnuBreak12", "-"},
    {E::Check, "mnuShowEndpoints", "Ändpunkter"},
    {E::Check, "mnuShowCenterPoints", "Centrumpunkter"},
    {E::Submenu, "mnuShowIntersection", "Skärningspunkter"},
    {E::Check, "mnuIntersectionLL", "Linje - Linje"},
    {E::Check, "mnuIntersectionLC", "Linje - Cirkel"},
    {E::Check, "mnuIntersectionCC", "Cirkel - Cirkel"},
    {E::Break, "mnuBreak13", "-"},
    {E::Check, "mnuIntersecMore", "Förlängda skärningspunkter"},
    {E::SubmenuEnd, "", ""},
    {E::Check, "mnuShowMiddlepoints", "Mittpunkter"},
    {E::Check, "mnuShowQuadrantPoints", "Kvadrantpunkter"},
    {E::Break, "mnuBreak14", "-"},
    {E::Check, "mnuShowPointsOnDemand", "Punkter vid behov"},
    {E::Array, "mnuPointPlugins", ""},

    {E::Menu, "mnuModifiera", "&Modifiera"},
    {E::Item, "mnuRaderaL", "Radera Linje"},
    {E::Item, "mnuRaderaC", "Radera Cirkel"},
    {E::Item, "mnuRaderaP", "Radera Punkt"},
    {E::Item, "mnuRaderaWin", "Radera Fönster"},
    {E::Break, "mnuBreak15", "-"},
    {E::Item, "mnuUndo", "Ångra radera"},
    {E::Item, "mnuRedo", "Gör om"},
    {E::Break, "mnuBreak16", "-"},
    {E::Item, "mnuGeoMoveOrigo", "Flytta nollpunkt"},
    {E::Item, "mnuGeoMoveEndpoint", "Flytta ändpunkt på linje"},
    {E::Array, "mnuModifyPlugins", ""},

    {E::Menu, "mnuNCData", "&NC"},
    {E::Item, "mnuNCGPunkt", "Punkt"},
    {E::Item, "mnuNCG0", "Punkt med G0"},
    {E::Item, "mnuNCg1", "Punkt med G1"},
    {E::Item, "mnuNCG2", "Punkt med G2/G3"},
    {E::Item, "mnuNCG3", "Punkt med G3"},
    {E::Item, "mnuNCAutoKontur", "Följ kontur"},
    {E::Item, "mnuNCKedja", "Kontur från kedja"},
    {E::Break, "mnuBreak17", "-"},
    {E::Item, "mnuNCKonturL", "Konturlängd"},
    {E::Item, "mnuNCDistance", "Avstånd"},
    {E::Break, "mnuBreak18", "-"},
    {E::Item, "mnuNCmanuell", "Manuell inmatn."},
    {E::Item, "mnuNCVisaNC", "Visa NC kod"},
    {E::Break, "mnuBreak19", "-"},
    {E::Item, "mnuNCundolast", "Ångra senaste"},
    {E::Item, "mnuNCClearAll", "Rensa all NC-data"},
    {E::Break, "mnuBreak20", "-"},
    {E::Check, "mnuNCIncAbs", "&Absolut programmering"},
    {E::Submenu, "mnuNCMachine", "Maskin"},
    {E::Array, "mnuNCMachines", ""},
    {E::SubmenuEnd, "", ""},
    {E::Array, "mnuNCPlugins", ""},

    {E::Menu, "mnuZoom", "&Zoom"},
    {E::Item, "mnuPanorera", "Panorera"},
    {E::Item, "mnuZoomin", "Zooma in"},
    {E::Item, "mnuZoomut", "Zooma ut"},
    {E::Item, "mnuZoomScreen", "Zooma allt"},
    {E::Item, "mnuZoomFonster", "Zoom Fönster"},
    {E::Array, "mnuZoomPlugins", ""},

    {E::Menu, "mnuPlugins", "Plu&gin:er"},
    {E::Array, "mnuPluginsPlugins", ""},

    {E::Menu, "mnuHelp", "&Hjälp"},
    {E::Item, "mnuHelpIndex", "&Innehåll"},
    {E::Item, "mnuHelpInternet", "Veltrum på &Internet"},
    {E::Break, "mnuBreak21", "-"},
    {E::Item, "mnuHelpAbout", "&Om Veltrum32"},
};

const std::vector<ToolbarLayout> kToolbars = {
    {"tbr_File", 0, 3},   {"tbr_zoom", 0, 5},  {"tbr_NC", 0, 11},     {"tbr_analys", 0, 4},
    {"tbr_points", 1, 6}, {"tbr_Lines", 1, 7}, {"tbr_Circle", 2, 10}, {"tbr_delete", 2, 5},
};

}  // namespace

const std::vector<MenuEntry>& MainMenuLayout() {
    return kLayout;
}
const std::vector<ToolbarLayout>& Toolbars() {
    return kToolbars;
}

const char* MenuCaption(const char* name) {
    for (const auto& e : kLayout)
        if (std::strcmp(e.name, name) == 0) return e.caption;
    return "";
}

const std::vector<MenuShortcut>& MenuShortcuts() {
    static const std::vector<MenuShortcut> shortcuts = {
        {"mnuNy", "Ctrl+N"},    {"mnuOppna", "Ctrl+O"},
        {"mnuSpara", "Ctrl+S"}, {"mnuSparasom", "Ctrl+Shift+S"},
        {"mnuPrint", "Ctrl+P"}, {"mnuUndo", "Ctrl+Z"},
        {"mnuRedo", "Ctrl+Y"},  {"mnuRedo", "Ctrl+Shift+Z"},
        {"mnuQuit", "Ctrl+Q"},  {"mnuHelpIndex", "F1"},
    };
    return shortcuts;
}

}  // namespace vt::gui
