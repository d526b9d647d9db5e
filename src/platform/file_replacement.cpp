#include "platform/file_replacement.h"

namespace zudav {

// Error codes as winerror.h numbers them, and what ReplaceFileW's documentation says of them.
ReplaceAnswer ReplaceAnswerOf(unsigned long error) {
    switch (error) {
        case 32:    // ERROR_SHARING_VIOLATION
        case 33:    // ERROR_LOCK_VIOLATION
        case 1175:  // ERROR_UNABLE_TO_REMOVE_REPLACED: both files keep their names
            return ReplaceAnswer::Held;
        case 2:   // ERROR_FILE_NOT_FOUND: the first save, nothing to replace
        case 1:   // ERROR_INVALID_FUNCTION, ERROR_NOT_SUPPORTED, ERROR_INVALID_PARAMETER: a file system or a share
        case 50:  // that cannot replace (FAT and exFAT keys, some network drives)
        case 87:
        case 1176:  // ERROR_UNABLE_TO_MOVE_REPLACEMENT(_2): without a backup file the old one is gone, the new one
        case 1177:  // still under its own name, which the move puts in its place
            return ReplaceAnswer::CannotServe;
        default:
            return ReplaceAnswer::Refused;
    }
}

bool ReplaceFileRetrying(const std::function<ReplaceAnswer()>& replace,
                         const std::function<bool()>& move,
                         const std::function<void(unsigned)>& pause) {
    constexpr unsigned kPause = 100, kPatience = 2000;
    for (unsigned waited = 0;; waited += kPause) {
        const ReplaceAnswer answer = replace();
        if (answer == ReplaceAnswer::Held && waited < kPatience) {
            pause(kPause);
            continue;
        }
        return answer == ReplaceAnswer::Replaced || (answer == ReplaceAnswer::CannotServe && move());
    }
}

}  // namespace zudav
