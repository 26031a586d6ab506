#include "state/layout.h"

#include "state/state_rules.h"

namespace bevelmint::state {

ButtonState scaledDesign(const ButtonState& s, int n) {
    ButtonState out = s;
    for (int32_t* length :
         {&out.buttonWidth, &out.buttonHeight, &out.buttonDepth, &out.depthLimit, &out.roundness,
          &out.lightX, &out.lightY, &out.lightRadius, &out.textOffsetX, &out.textOffsetY})
        *length *= n;
    return out;
}

bool lightPlace(int32_t position, LightPlace& place) {
    // Top left, top, top right, left, right, bottom left, bottom, bottom right.
    static constexpr LightPlace table[8] = {{0, 0, 0, 0},  {1, 0, 0, -1}, {2, 0, 0, 0},
                                            {0, -1, 1, 0}, {2, 1, 1, 0},  {0, 0, 2, 0},
                                            {1, 0, 2, 1},  {2, 0, 2, 0}};
    if (position < 1 || position > 8) return false;
    place = table[position - 1];
    return true;
}

int characterHeight(int pointSize) {
    return static_cast<int>(roundDivHalfEven(int64_t{pointSize} * 96, 72));
}

Offset towardsLight(int lightPosition) {
    static constexpr Offset table[8] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0},
                                        {1, 0},   {-1, 1}, {0, 1},  {1, 1}};
    return lightPosition >= 1 && lightPosition <= 8 ? table[lightPosition - 1] : Offset{};
}

int textTop(const ButtonState& s) {
    return s.buttonHeight / 2 - characterHeight(s.textFont.size) / 2 + s.textOffsetY;
}

}  // namespace bevelmint::state
