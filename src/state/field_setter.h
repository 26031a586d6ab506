#pragma once

#include <optional>
#include <string>
#include <vector>

#include "state/button_state.h"
#include "state/session.h"

namespace bevelmint::state {

// What else a field's change asks of the one who holds the design.
enum class FieldEffect {
    none,
    // Every brightness setting, even to the same value, recomputes the texture
    // picture and takes the button colour from it again.
    recomputeTexture,
};

// Sets a field by its name from text, through the same coupling rules as the
// editor: a design field, or the session's fastEdit. Returns a one-line message
// naming the field and its range when the name is unknown or the value is not
// acceptable; nothing changes then. `effect` receives the field's side effect.
std::optional<std::string> setField(ButtonState& s, Session& session, const std::string& name,
                                    const std::string& value, FieldEffect* effect = nullptr);
// Sets an integer or boolean (0 or 1) field without going through text; false
// (nothing changes) for another kind of field or a value outside its range.
bool setNumber(ButtonState& s, Session& session, const std::string& name, int64_t value,
               FieldEffect* effect = nullptr);
// The same for the design alone (a session value is taken and dropped).
std::optional<std::string> setField(ButtonState& s, const std::string& name,
                                    const std::string& value);

// "name  what it takes" lines for the fields setField knows.
std::vector<std::string> fieldHelp();

}  // namespace bevelmint::state
