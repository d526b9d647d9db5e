// How a saved file takes the place of the old one on Windows: ReplaceFileW keeps the old file's attributes, permissions
// and streams (a move over it would give it those of the new file), is tried again for a while when another program
// (an antivirus, a sync client, an editor) holds the file, and gives way to a move where it cannot serve (no old file
// yet, a file system without what it keeps).
#pragma once

#include <functional>

namespace zudav {

enum class ReplaceAnswer {
    Replaced,
    Held,         // another program has the file open: it may let it go in a moment
    CannotServe,  // a move does what the replace could not
    Refused,      // the file may not be changed (read-only, no rights): the save failed
};

// The answer for the error ReplaceFileW gave (its GetLastError code).
ReplaceAnswer ReplaceAnswerOf(unsigned long error);

// Tries `replace` again while the file is held, with `pause` (milliseconds) between tries, for two seconds at most;
// `move` when it cannot serve. True when the new file took the old one's place.
bool ReplaceFileRetrying(const std::function<ReplaceAnswer()>& replace,
                         const std::function<bool()>& move,
                         const std::function<void(unsigned)>& pause);

}  // namespace zudav
