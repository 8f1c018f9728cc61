// The error trail and the report text.
#include "base/error_trail.h"

#include "base/language.h"

namespace vt {

void ErrorTrail::Push(std::string_view name) {
    if (count_ > 0 && entries_[1].name == name) return;
    if (count_ < kSize) ++count_;
    for (int i = count_; i >= 2; --i)
        entries_[static_cast<std::size_t>(i)] = entries_[static_cast<std::size_t>(i - 1)];
    entries_[1].name = std::string(name);
    entries_[1].time = clock_ ? clock_() : std::time(nullptr);
}

std::string FormatTrailTime(std::time_t t) {
    if (t == 0) return "00:00:00";
    std::tm tm{};
    localtime_r(&t, &tm);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S", &tm);
    return buf;
}

// The error report stays readable with a language file that lacks its texts: the built-in text
// stands in for a missing one.
std::string ReportText(const Language* language, int n) {
    const std::string builtin(Language::BuiltinText(n).value_or(""));
    if (!language) return builtin;
    const std::string t = language->GetText(n);
    return t == "str" + std::to_string(n) ? builtin : t;
}

std::string BuildErrorReport(const ErrorTrail& trail, int number, std::string_view description,
                             const Language* language) {
    const auto text = [&](int n) { return ReportText(language, n); };
    const std::string nl = "\r\n";
    std::string s = text(1286) + nl;
    s += text(1287) + std::string(description) + nl;
    s += text(1288) + std::to_string(number) + nl + nl;
    s += text(1289) + nl;
    for (int i = 1; i <= ErrorTrail::kSize; ++i) {
        const auto& e = trail.At(i);
        s += FormatTrailTime(e.time) + " - " + e.name + nl;
    }
    s += nl;
    s += text(1290) + nl;
    s += text(1291);
    return s;
}

}  // namespace vt
