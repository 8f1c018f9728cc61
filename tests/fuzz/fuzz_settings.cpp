// Fuzz target: the same bytes as the settings file and the language file; the settings loaded,
// every text looked up, the window placement read.
#include "app/settings.h"
#include "base/language.h"
#include "fuzz_util.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vt;
    fuzz::AsFile(data, size, "veltrum32.ini");
    fuzz::AsFile(data, size, "Veltrum32.LNG");
    fuzz::FuzzUi ui;
    Program p(ui, fuzz::Folder());
    LoadSettings(p);
    // A sample of the lookups (each reads the file, as the program does).
    for (int n : {1040, 1066, 2000, 2156, 2300})
        (void)p.language.GetText(n);
    (void)p.language.GetText(Language::MenuKey("mnuFile"));
    (void)p.language.GetText(Language::MenuKey("mnuImportDxf"));
    (void)LoadWindowPlacement(p.paths.SettingsFile(), "frm_main",
                              WindowPlacement{false, 10, 10, 780, 560});
    std::remove(p.paths.File("Veltrum32.LNG").c_str());
    fuzz::Tidy();
    return 0;
}
