#pragma once

#include <optional>
#include <string>
#include <vector>

#include "state/button_state.h"

namespace bevelmint::state {

// Sets a design field by its name from text, through the same coupling rules as
// the editor. Returns a one-line message naming the field and its range when the
// name is unknown or the value is not acceptable; the state is then unchanged.
std::optional<std::string> setField(ButtonState& s, const std::string& name,
                                    const std::string& value);

// "name  what it takes" lines for the fields setField knows.
std::vector<std::string> fieldHelp();

}  // namespace bevelmint::state
