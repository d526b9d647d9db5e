// The bar module's shared variables, alive for the whole run and read by every window of the program.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zudav {

struct LaBarre {
    // Line break used inside message texts; set as the first step of start-up.
    std::wstring SautLigne;
    // Slot (0 to 12) being edited (set by a right click) or being built; empty until then.
    std::optional<std::int16_t> IndexCourant;
    // The last icon extraction for a bar slot found no icon.
    bool IconeAbsente = false;
};

}  // namespace zudav
