// The built-in Swedish text table and the menu-number map of the language tables.
#include <string_view>
#include <utility>

#include "app/language.h"

namespace vt {

namespace {

constexpr std::pair<int, std::string_view> kBuiltinTexts[] = {
    {1040, ""},
    {1050, "Avsluta"},
    {1051, "Avsluta Veltrum32 ?"},
    {1052, "Spara ändringarna innan du avslutar ?"},
    {1054, "Öppna"},
    {1055, "Ny"},
    {1056, "Spara ändringarna innan du avslutar ?"},
    {1057, "Är du säker på att du vill radera ritningen?"},
    {1060, "Ogiltlig storlek/koordinater på cirkeln"},
    {1061, "Filen"},
    {1062, "finns inte. Var god kontrollera filnamnet och försök igen"},
    {1063, "Felaktig cirkelrörelse."},
    {1065, "Fel vid öppning"},
    {1066, "Fel"},
    {1070, "Öppna ritning"},
    {1071, "Totalt: "},
    {1072, "Vinkel   : "},
    {1073, "Inkrement: "},
    {1074, "Start pkt: "},
    {1075, "Slut pkt : "},
    {1076, "Avstånd  : "},
    {1077, "Spara ritning"},
    {1080, "Vinkel = "},
    {1081, "Längd = "},
    {1082, "Avstånd = "},
    {1083, "Antal = "},
    {1084, "Startv. = "},
    {1085, "Inkr. = "},
    {1086, "Bredd = "},
    {1087, "Höjd = "},
    {1090, " - LINJE -"},
    {1091, " - CIRKEL -"},
    {1092, " - PUNKTINFO -"},
    {1093, "Origo  : "},
    {1094, "Start  : "},
    {1095, "Slut   : "},
    {1096, "Vinkel : "},
    {1097, "Punkt  : "},
    {1098, "Radie  : "},
    {2000, " CIRKEL MED ORIGO OCH RADIE"},
    {2001, " CIRKEL MED 3 PUNKTER"},
    {2002, " CIRKEL GENOM 2 PUNKTER UTAN RADIE"},
    {2003, " CIRKEL GENOM 2 PUNKTER MED RADIE"},
    {2004, " CIRKEL MED ORIGO OCH PUNKT PÅ CIRKELN"},
    {2005, " CIRKEL TANGERAR CIRKEL GENOM PUNKT"},
    {2006, " CIRKEL TANGERAR LINJE GENOM PUNKT"},
    {2007, " CIRKEL INFO"},
    {2008, " CIRKEL TANGERAR 2 CIRKLAR"},
    {2009, " CIRKEL TANGERAR LINJE OCH CIRKEL"},
    {2010, " CIRKEL TANGERAR 2 LINJER"},
    {2020, " PUNKT MED KOORDINATER"},
    {2021, " PUNKT INFO"},
    {2022, " SKISSA PUNKT"},
    {2023, " PUNKT CIRKEL VID VINKEL"},
    {2024, " PUNKT PÅ LINJE MED AVSTÅND"},
    {2025, " PUNKT(er) PÅ CIRKEL MED STARTVINKEL ,INKREMENT OCH ANTAL"},
    {2026, " PUNKT(er) MED VINKEL, AVSTÅND OCH ANTAL"},
    {2040, " LINJE INFO"},
    {2041, " REKTANGEL MED 2 HÖRN"},
    {2042, " LINJE TANGENT TILL CIRKEL VID VINKEL"},
    {2043, " LINJE MED VINKEL OCH LÄNGD"},
    {2044, " LINJE MED ÄNDPUNKTER"},
    {2045, " LINJE PARALLELL MED AVSTÅND OCH RIKTING"},
    {2046, " LINJE TANGERAR 2 CIRKLAR"},
    {2047, " LINJE TANGERAR CIRKEL GENOM PUNKT"},
    {2048, " LINJE BREDD, HÖJD OCH/ELLER VINKEL"},
    {2060, " RADERA PUNKT"},
    {2061, " RADERA LINJE"},
    {2062, " RADERA CIRKEL"},
    {2063, " FLYTTA NOLLPUNKT"},
    {2064, " RADERA FÖNSTER"},
    {2065, " FLYTTA PUNKT"},
    {2069, " ÅNGRA RADERA"},
    {2070, " FÖNSTER ZOOM"},
    {2071, " PANORERA"},
    {2080, " AVSTÅNDS INFO"},
    {2081, " LINJÄR FÖRFLYTTNING, SNABBMATNING (G0)"},
    {2082, " LINJÄR FÖRFLYTTNING, ARBETSMATNING(G1)"},
    {2083, " CIRKULÄR FÖRFLYTTNING, MOTURS (G3)"},
    {2084, " CIRKULÄR FÖRFLYTTNING,(G2/G3)"},
    {2085, " SKAPA NC-PUNKT"},
    {2086, " MANUELL INMATNING"},
    {2099, " - Ange PUNKTEN ( Markera eller mata in värden )"},
    {2100, " - Ange ORIGO ( Markera eller mata in värden )"},
    {2101, " - Mata in RADIEN"},
    {2102, " - Ange FÖRSTA punkten ( Markera eller mata in värden )"},
    {2103, " - Ange ANDRA punkten ( Markera eller mata in värden )"},
    {2104, " - Ange TREDJE punkten ( Markera eller mata in värden )"},
    {2105, " - Ange PUNKTEN på cirkeln ( Markera eller mata in värden )"},
    {2106, " - Ange ORIGO ( Markera eller mata in värden )"},
    {2107, " - Markera PUNKTEN"},
    {2108, " - Markera CIRKELN"},
    {2109, " - Markera LINJEN"},
    {2110, " - Markera CIRKEL(AR) som skall sparas"},
    {2111, " - Markera LINJE(ER) som skall sparas"},
    {2112, " - Markera PUNKT(ER)som skall sparas"},
    {2113, " - Markera FÖRSTA cirkeln"},
    {2114, " - Markera ANDRA cirkeln"},
    {2115, " - Markera TREDJE cirkeln"},
    {2116, " - Markera FÖRSTA linjen"},
    {2117, " - Markera ANDRA linjen"},
    {2118, " - Markera TREDJE linjen"},
    {2119, " - Mata in VINKEL och LÄNGD"},
    {2120, " - Mata in VINKEL"},
    {2121, " - Mata in LÄNGD"},
    {2122, " - Mata in AVSTÅND"},
    {2123, " - Mata in AVSTÅND och ANTAL"},
    {2124, " - Mata in STARTVINKEL, INKREMENT samt ANTAL"},
    {2125, " - Markera med musen (skissa)"},
    {2126, " - Mata in VINKEL, AVSTÅND samt ANTAL"},
    {2127, " - Markera önskad riktning (Skissa med musen)"},
    {2128, " - Markera FÖSTA hörnet"},
    {2129, " - Markera ANDRA hörnet"},
    {2130, " - Håll ner musknappen och dra ritningen"},
    {2131, " - Ange NY PUNKT"},
    {2132, " - Mata in värden för punkten"},
    {2133, " - Markera FÖRSTA punkten"},
    {2134, " - Markera ANDRA punkten"},
    {2135, " - Mata in BREDD, HÖJD OCH/ELLER VINKEL"},
    {2145, " - Markera G0 PUNKTEN"},
    {2146, " - Markera G1 PUNKTEN"},
    {2147, " - Markera G2/G3 SLUTPUNKT"},
    {2148, " - Markera önskad BÅGE"},
    {2149, " - Markera NC-PUNKTEN"},
    {2150, " - Markera PUNKT"},
    {2151, " - Markera LINJE"},
    {2152, " - Markera CIRKEL"},
    {2155, " - Mata in manuell NC-data"},
    {2156, " - Cirkulär Helt varv. Välj riktning"},
    {2300, "Okänd filtyp. Kontrollera att filen du försöker öppna är en fil som Veltrum32 stödjer."},
};

constexpr std::pair<std::string_view, int> kMenuNumbers[] = {
    {"mnuFile", 300},           {"mnuNy", 301},
    {"mnuOppna", 302},          {"mnuSpara", 303},
    {"mnuSparasom", 304},       {"mnuSparaNCkod", 306},
    {"mnuSkirvNCkod", 308},     {"mnuPrint", 309},
    {"mnuSettings", 311},       {"mnuQuit", 313},
    {"mnuCirkel", 314},         {"mnuCirkeloor", 315},
    {"mnuCirkecoppc", 316},     {"mnuCirkelg2pur", 317},
    {"mnuCirkelg2pmr", 318},    {"mnuCirkelg3p", 319},
    {"mnuCirkelt2l", 320},      {"mnuCirkelttloc", 321},
    {"mnuCirkelt2c", 322},      {"mnuArcttlogp", 323},
    {"mnuArcttcogp", 324},      {"mnuCirkelInfo", 326},
    {"mnuRaderaCirkel", 328},   {"mnuLinje", 329},
    {"mnuLinegpmvol", 330},     {"mnuLinjelm2a", 331},
    {"mnuLinjettcvv", 332},     {"mnuTangenttcgp", 333},
    {"mnuLinjet2c", 334},       {"mnuLinjepmaoa", 335},
    {"mnuLinjeR2pt", 336},      {"mnuLinjeInfo", 338},
    {"mnuRaderaLinje", 340},    {"mnuPunkt", 341},
    {"mnuPointP", 342},         {"mnuPunktppcvv", 343},
    {"mnuPunktpplma", 344},     {"mnuPunktvaa", 345},
    {"mnuPunktsia", 346},       {"mnuPunktmm", 348},
    {"mnuPunktInfo", 350},      {"mnuRaderaPunkt", 352},
    {"mnuShowEndpoints", 354},  {"mnuShowCenterPoints", 355},
    {"mnuShowIntersection", 356}, {"mnuIntersectionLL", 357},
    {"mnuIntersectionLC", 358}, {"mnuIntersectionCC", 359},
    {"mnuIntersecMore", 360},   {"mnuShowMiddlepoints", 361},
    {"mnuShowQuadrantPoints", 362}, {"mnuModifiera", 363},
    {"mnuRaderaL", 364},        {"mnuRaderaC", 365},
    {"mnuRaderaP", 366},        {"mnuUndo", 368},
    {"mnuNCData", 369},         {"mnuNCGPunkt", 370},
    {"mnuNCG0", 371},           {"mnuNCg1", 372},
    {"mnuNCG2", 373},           {"mnuNCG3", 374},
    {"mnuNCKonturL", 376},      {"mnuNCDistance", 377},
    {"mnuNCmanuell", 379},      {"mnuNCVisaNC", 380},
    {"mnuNCundolast", 382},     {"mnuZoom", 383},
    {"mnuPanorera", 384},       {"mnuZoomin", 385},
    {"mnuZoomut", 386},         {"mnuZoomScreen", 387},
    {"mnuZoomFonster", 388},    {"mnuHelp", 389},
    {"mnuHelpIndex", 390},      {"mnuHelpInternet", 391},
    {"mnuHelpAbout", 392},      {"mnuGeoMoveOrigo", 393},
    {"mnuGeoMoveEndpoint", 394}, {"mnuRaderaWin", 395},
    {"mnuNCIncAbs", 396},       {"mnuNCMachine", 457},
};

}  // namespace

std::optional<std::string_view> Language::BuiltinText(int number) {
    for (const auto& [n, text] : kBuiltinTexts)
        if (n == number) return text;
    return std::nullopt;
}

std::vector<int> Language::BuiltinNumbers() {
    std::vector<int> numbers;
    for (const auto& entry : kBuiltinTexts) numbers.push_back(entry.first);
    return numbers;
}

std::string Language::MenuKey(std::string_view menuName) {
    if (menuName.starts_with("mnuBreak")) return "307";
    for (const auto& [name, number] : kMenuNumbers)
        if (name == menuName) return std::to_string(number);
    return std::string(menuName);
}

std::vector<std::pair<std::string, int>> Language::MenuNumbers() {
    std::vector<std::pair<std::string, int>> out;
    for (const auto& [name, number] : kMenuNumbers) out.emplace_back(std::string(name), number);
    return out;
}

}  // namespace vt
