// Unexpected failures travel as VtError: a classic error number and its description.
#pragma once

#include <stdexcept>
#include <string>

namespace vt {

enum ErrNo : int {
    kErrInvalidCall = 5,
    kErrOverflow = 6,
    kErrOutOfMemory = 7,
    kErrSubscript = 9,
    kErrDivisionByZero = 11,
    kErrTypeMismatch = 13,
    kErrInternal = 51,
    kErrBadFileName = 52,
    kErrFileNotFound = 53,
    kErrDeviceIO = 57,
    kErrDiskFull = 61,
    kErrInputPastEnd = 62,
    kErrPermissionDenied = 70,
    kErrPathFileAccess = 75,
    kErrPathNotFound = 76,
    kErrAutomation = 440,
};

// The standard description of a classic error number ("Overflow" for 6).
std::string ErrorDescription(int number);

class VtError : public std::runtime_error {
  public:
    explicit VtError(int number) : VtError(number, ErrorDescription(number)) {}
    VtError(int number, const std::string& description)
        : std::runtime_error(description), number_(number), description_(description) {}
    int Number() const { return number_; }
    const std::string& Description() const { return description_; }

  private:
    int number_;
    std::string description_;
};

// Not an error: unwinds to whoever runs the program (the batch runner) without being reported on
// the way, also through a plug-in's call.
struct StopRequest {};

// The error of a failed file operation, from the system's errno.
VtError FileError(int err, const std::string& detail);

// Converts any exception caught at a routine boundary into the error it reports.
VtError ToVtError(const std::exception& e);

}  // namespace vt
