#include "state/button_state.h"

#include "state/state_rules.h"

namespace bevelmint::state {

ButtonState defaultState() {
    ButtonState s;
    updateDerived(s);
    return s;
}

}  // namespace bevelmint::state
