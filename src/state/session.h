#pragma once

#include <cstdint>
#include <string>

namespace bevelmint::state {

// What the editing session holds beside the design: none of it is saved in a
// design file or undone, and no comparison of designs looks at it.
struct Session {
    // The quick flat sketch drawn while dragging, instead of the lit button.
    bool fastEdit = false;
    // The design file last saved or loaded, for Load Last.
    std::string lastFile;
    // The program folder, where the help page is.
    std::string appPath = ".";
    // The toolbar's colour as a colour value.
    uint32_t menuColour = 0;
    // The HTML page last saved, where the next save starts.
    std::string htmlFileName;

    bool operator==(const Session&) const = default;
};

}  // namespace bevelmint::state
