// The error trail (the last eight routines entered) and the text of the report of an unexpected
// failure.
#pragma once

#include <array>
#include <ctime>
#include <functional>
#include <string>
#include <string_view>

namespace vt {

using Clock = std::function<std::time_t()>;

class Language;

class ErrorTrail {
  public:
    static constexpr int kSize = 8;
    struct Entry {
        std::string name;
        std::time_t time = 0;
    };

    explicit ErrorTrail(Clock clock = nullptr) : clock_(std::move(clock)) {}
    void SetClock(Clock clock) { clock_ = std::move(clock); }

    // Registers a routine name; the same name twice in a row takes one entry.
    void Push(std::string_view name);
    int Count() const { return count_; }
    // Entry 1 is the most recent, 8 the oldest.
    const Entry& At(int i) const { return entries_.at(static_cast<std::size_t>(i)); }

  private:
    std::array<Entry, kSize + 1> entries_{};
    int count_ = 0;
    Clock clock_;
};

// An entry's time as the report shows it; an empty entry reads 00:00:00.
std::string FormatTrailTime(std::time_t t);

// The report text, lines separated by CR LF.
// In the language's texts (the built-in ones without a language).
std::string BuildErrorReport(const ErrorTrail& trail, int number, std::string_view description,
                             const Language* language = nullptr);
// One text of the report: the built-in text stands in for one the language file lacks.
std::string ReportText(const Language* language, int n);

}  // namespace vt
