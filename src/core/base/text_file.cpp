// Text and file helpers shared by every reader and writer of the program.
#include "base/text_file.h"

#include "base/vt_error.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>

namespace vt {

bool FileExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool ReadFilePrefix(const std::string& path, std::string& out, std::size_t maxBytes) {
    out.clear();
    if (!FileExists(path)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    char buf[65536];
    while (out.size() < maxBytes && in) {
        std::size_t want = std::min(sizeof buf, maxBytes - out.size());
        in.read(buf, static_cast<std::streamsize>(want));
        out.append(buf, static_cast<std::size_t>(in.gcount()));
        if (in.gcount() == 0) break;
    }
    return !in.bad();
}

ReadStatus ReadWholeFile(const std::string& path, std::string& out, std::size_t maxBytes) {
    out.clear();
    if (!FileExists(path)) return ReadStatus::Missing;
    // One byte more than allowed tells a file that is too large from one that just fits.
    if (!ReadFilePrefix(path, out, maxBytes + 1)) return ReadStatus::Failed;
    if (out.size() > maxBytes) {
        out.clear();
        return ReadStatus::TooLarge;
    }
    return ReadStatus::Ok;
}

bool ReadFileBytes(const std::string& path, std::string& out, std::size_t maxBytes) {
    return ReadWholeFile(path, out, maxBytes) == ReadStatus::Ok;
}

bool IsValidUtf8(std::string_view s) {
    std::size_t i = 0, n = s.size();
    while (i < n) {
        auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        int len;
        unsigned cp;
        if (c >= 0xC2 && c <= 0xDF) {
            len = 2;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            len = 3;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + len > n) return false;
        for (int k = 1; k < len; ++k) {
            auto cc = static_cast<unsigned char>(s[i + k]);
            if ((cc & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += len;
    }
    return true;
}

namespace {

// Windows-1252 code points for bytes 0x80..0x9F (0 where the code page has no character).
constexpr unsigned kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, unsigned cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes the code point at s[i] of valid UTF-8 and advances i.
unsigned NextCodePoint(std::string_view s, std::size_t& i) {
    auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
        ++i;
        return c;
    }
    int len = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    unsigned cp = len == 4 ? (c & 0x07) : len == 3 ? (c & 0x0F) : len == 2 ? (c & 0x1F) : c;
    std::size_t k = 1;
    for (; k < static_cast<std::size_t>(len) && i + k < s.size(); ++k)
        cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    i += k;
    return cp;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view s) {
    std::string out;
    out.reserve(s.size() + s.size() / 4);
    for (char ch : s) {
        auto c = static_cast<unsigned char>(ch);
        unsigned cp = c;
        if (c >= 0x80 && c <= 0x9F) cp = kCp1252High[c - 0x80] ? kCp1252High[c - 0x80] : 0xFFFD;
        AppendUtf8(out, cp);
    }
    return out;
}

std::string Utf8ToCp1252(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size();) {
        unsigned cp = NextCodePoint(s, i);
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out += static_cast<char>(cp);
            continue;
        }
        char mapped = '?';
        for (int k = 0; k < 32; ++k)
            if (kCp1252High[k] == cp) mapped = static_cast<char>(0x80 + k);
        out += mapped;
    }
    return out;
}

std::string DecodeLine(std::string_view raw) {
    return IsValidUtf8(raw) ? std::string(raw) : Cp1252ToUtf8(raw);
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    std::vector<std::string_view> lines;
    std::size_t start = 0, i = 0, n = text.size();
    while (i < n) {
        char c = text[i];
        if (c == '\n' || c == '\r') {
            lines.push_back(text.substr(start, i - start));
            if (c == '\r' && i + 1 < n && text[i + 1] == '\n') ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < n) lines.push_back(text.substr(start));
    return lines;
}

ReadStatus ReadTextFile(const std::string& path, std::vector<std::string>& lines) {
    lines.clear();
    std::string bytes;
    const ReadStatus status = ReadWholeFile(path, bytes);
    if (status != ReadStatus::Ok) return status;
    for (auto l : SplitLines(bytes))
        lines.push_back(DecodeLine(l));
    return ReadStatus::Ok;
}

bool ReadTextLines(const std::string& path, std::vector<std::string>& lines) {
    return ReadTextFile(path, lines) == ReadStatus::Ok;
}

namespace {

// The file a save really replaces: a symbolic link is followed to its target (which may not exist
// yet), so that the link stays a link.
std::string SaveTarget(const std::string& path) {
    namespace fs = std::filesystem;
    fs::path p = path;
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(p, ec)); ++hops) {
        fs::path target = fs::read_symlink(p, ec);
        if (ec) break;
        p = target.is_absolute() ? target : p.parent_path() / target;
    }
    return p.lexically_normal().string();
}

// Temporary files of earlier saves of the same file that did not finish (the program was killed
// or the machine stopped): NAME.tmp-PID-XXXXXX of a process that is gone, or the older
// NAME.tmp-XXXXXX once it is a minute old.
void RemoveLeftovers(const std::string& target) {
    namespace fs = std::filesystem;
    const fs::path t = target;
    const std::string prefix = t.filename().string() + ".tmp-";
    std::error_code ec;
    fs::directory_iterator it(t.parent_path().empty() ? fs::path(".") : t.parent_path(), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) continue;
        const std::string rest = name.substr(prefix.size());
        const std::size_t dash = rest.find('-');
        bool stale = false;
        if (dash != std::string::npos && dash > 0 && rest.find_first_not_of("0123456789") == dash) {
            const long pid = std::strtol(rest.substr(0, dash).c_str(), nullptr, 10);
            stale = pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
        } else if (rest.size() == 6) {
            struct stat st {};
            stale = ::lstat(it->path().c_str(), &st) == 0 && st.st_mtime + 60 < ::time(nullptr);
        }
        if (stale) fs::remove(it->path(), ec);
    }
}

}  // namespace

bool WriteFileAtomic(const std::string& path, std::string_view data, std::string* error,
                     int* errnum) {
    auto fail = [&](const std::string& what) {
        if (errnum) *errnum = errno;
        if (error) *error = what + ": " + std::strerror(errno);
        return false;
    };
    const std::string target = SaveTarget(path);
    // A read-only file is the user's decision: it is not replaced (not even by root).
    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists && (st.st_mode & 0222) == 0) {
        errno = EACCES;
        return fail("cannot write " + path);
    }
    RemoveLeftovers(target);
    std::string tmp = target + ".tmp-" + std::to_string(::getpid()) + "-XXXXXX";
    std::vector<char> name(tmp.begin(), tmp.end());
    name.push_back('\0');
    int fd = ::mkstemp(name.data());
    if (fd < 0) return fail("cannot create a file beside " + path);
    std::string tmpPath(name.data());
    // Keep the permissions of the file being replaced; a new file gets the usual ones.
    if (exists) {
        ::fchmod(fd, st.st_mode & 07777);
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    const char* p = data.data();
    std::size_t left = data.size();
    while (left > 0) {
        ssize_t w = ::write(fd, p, left);
        if (w < 0) {
            if (errno == EINTR) continue;
            int saved = errno;
            ::close(fd);
            ::unlink(tmpPath.c_str());
            errno = saved;
            return fail("cannot write " + path);
        }
        p += w;
        left -= static_cast<std::size_t>(w);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        int saved = errno;
        ::unlink(tmpPath.c_str());
        errno = saved;
        return fail("cannot write " + path);
    }
    if (::rename(tmpPath.c_str(), target.c_str()) != 0) {
        int saved = errno;
        ::unlink(tmpPath.c_str());
        errno = saved;
        return fail("cannot replace " + path);
    }
    // The new name itself is kept when the machine stops right after the save.
    const std::string folder = std::filesystem::path(target).parent_path().string();
    int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

void WriteFileOrThrow(const std::string& path, std::string_view data) {
    std::string error;
    int err = 0;
    if (!WriteFileAtomic(path, data, &error, &err)) throw FileError(err, error);
}

bool AppendToFile(const std::string& path, std::string_view data) {
    std::FILE* f = std::fopen(path.c_str(), "ab");
    if (!f) return false;
    bool ok = std::fwrite(data.data(), 1, data.size(), f) == data.size();
    ok = (std::fclose(f) == 0) && ok;
    return ok;
}

std::size_t Utf8Length(std::string_view s) {
    std::size_t n = 0;
    for (char c : s)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

std::string Utf8Left(std::string_view s, std::size_t n) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
            if (count == n) return std::string(s.substr(0, i));
            ++count;
        }
    }
    return std::string(s);
}

std::string ToUpperAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string ToUpperText(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        unsigned cp = NextCodePoint(s, i);
        if (cp >= 'a' && cp <= 'z')
            cp -= 32;
        else if (cp >= 0xE0 && cp <= 0xFE && cp != 0xF7)
            cp -= 32;
        else if (cp == 0xFF)
            cp = 0x178;
        AppendUtf8(out, cp);
    }
    return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
        if (x != y) return false;
    }
    return true;
}

std::string_view Trim(std::string_view s, std::string_view chars) {
    auto b = s.find_first_not_of(chars);
    if (b == std::string_view::npos) return {};
    auto e = s.find_last_not_of(chars);
    return s.substr(b, e - b + 1);
}

}  // namespace vt
