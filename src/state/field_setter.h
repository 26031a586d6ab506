#pragma once

#include <optional>
#include <string>
#include <vector>

#include "state/button_state.h"
#include "state/session.h"

namespace bevelmint::state {

// Sets a field by its name from text, through the same coupling rules as the
// editor: a design field, or the session's fastEdit. Returns a one-line message
// naming the field and its range when the name is unknown or the value is not
// acceptable; nothing changes then.
std::optional<std::string> setField(ButtonState& s, Session& session, const std::string& name,
                                    const std::string& value);
// The same for the design alone (a session value is taken and dropped).
std::optional<std::string> setField(ButtonState& s, const std::string& name,
                                    const std::string& value);

// "name  what it takes" lines for the fields setField knows.
std::vector<std::string> fieldHelp();

}  // namespace bevelmint::state
