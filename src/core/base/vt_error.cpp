// Descriptions of the classic error numbers and the mapping of standard exceptions onto them.
#include "base/vt_error.h"

#include <cerrno>
#include <new>

namespace vt {

std::string ErrorDescription(int number) {
    switch (number) {
        case kErrInvalidCall:
            return "Invalid procedure call or argument";
        case kErrOverflow:
            return "Overflow";
        case kErrOutOfMemory:
            return "Out of memory";
        case kErrSubscript:
            return "Subscript out of range";
        case kErrDivisionByZero:
            return "Division by zero";
        case kErrTypeMismatch:
            return "Type mismatch";
        case kErrInternal:
            return "Internal error";
        case kErrBadFileName:
            return "Bad file name or number";
        case kErrFileNotFound:
            return "File not found";
        case kErrDeviceIO:
            return "Device I/O error";
        case kErrDiskFull:
            return "Disk full";
        case kErrInputPastEnd:
            return "Input past end of file";
        case kErrPermissionDenied:
            return "Permission denied";
        case kErrPathFileAccess:
            return "Path/File access error";
        case kErrPathNotFound:
            return "Path not found";
        case kErrAutomation:
            return "Automation error";
        default:
            return "Application-defined or object-defined error";
    }
}

VtError FileError(int err, const std::string& detail) {
    int number = kErrDeviceIO;
    if (err == EACCES || err == EPERM || err == EROFS)
        number = kErrPermissionDenied;
    else if (err == ENOSPC || err == EDQUOT)
        number = kErrDiskFull;
    else if (err == ENOENT || err == ENOTDIR)
        number = kErrPathNotFound;
    return VtError(number, ErrorDescription(number) + " (" + detail + ")");
}

VtError ToVtError(const std::exception& e) {
    if (auto* v = dynamic_cast<const VtError*>(&e)) return *v;
    if (dynamic_cast<const std::bad_alloc*>(&e)) return VtError(kErrOutOfMemory);
    if (dynamic_cast<const std::length_error*>(&e)) return VtError(kErrOutOfMemory);
    if (dynamic_cast<const std::out_of_range*>(&e)) return VtError(kErrSubscript);
    if (dynamic_cast<const std::overflow_error*>(&e)) return VtError(kErrOverflow);
    return VtError(kErrInternal, ErrorDescription(kErrInternal) + ": " + e.what());
}

}  // namespace vt
