// Real desktop locales for the tests: sv_SE, de_DE (decimal comma) and ar_EG (a decimal point
// that Qt does not write as one byte), built once with localedef into the build folder and
// switched on through LOCPATH, as the program would meet them on a user's desktop.
#pragma once

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace vt::test {

inline const std::vector<std::string>& TestLocales() {
    static const std::vector<std::string> names = {"sv_SE.UTF-8", "de_DE.UTF-8", "ar_EG.UTF-8"};
    return names;
}

// The folder holding the compiled locales; empty when localedef could not make them.
inline std::string LocaleFolder() {
    static const std::string folder = [] {
        const std::string dir = std::string(VT_LOCALE_DIR);
        std::filesystem::create_directories(dir);
        // One test process builds them; the others wait for it.
        const int lock = ::open((dir + "/.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (lock >= 0) ::flock(lock, LOCK_EX);
        bool ok = true;
        for (const std::string& name : TestLocales()) {
            if (std::filesystem::exists(dir + "/" + name + "/LC_NUMERIC")) continue;
            const std::string base = name.substr(0, name.find('.'));
            const std::string cmd =
                "localedef -i " + base + " -f UTF-8 '" + dir + "/" + name + "' >/dev/null 2>&1";
            std::system(cmd.c_str());
            ok = ok && std::filesystem::exists(dir + "/" + name + "/LC_NUMERIC");
        }
        if (lock >= 0) ::close(lock);
        return ok ? dir : std::string();
    }();
    return folder;
}

// The process runs in the locale while the object lives, as a window's QApplication sets it.
class ScopedLocale {
  public:
    explicit ScopedLocale(const std::string& name) {
        ::setenv("LOCPATH", LocaleFolder().c_str(), 1);
        ok_ = std::setlocale(LC_ALL, name.c_str()) != nullptr;
    }
    ~ScopedLocale() {
        std::setlocale(LC_ALL, "C");
        ::unsetenv("LOCPATH");
    }
    bool Ok() const { return ok_; }

  private:
    bool ok_ = false;
};

}  // namespace vt::test
