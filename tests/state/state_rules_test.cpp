#include "state/state_rules.h"

#include <gtest/gtest.h>

using namespace bevelmint::state;

TEST(SizeCoupling, DepthFollowsTheSmallerSide) {
    ButtonState s = defaultState();
    EXPECT_TRUE(setButtonWidth(s, 20));
    EXPECT_TRUE(setButtonHeight(s, 10));
    EXPECT_EQ(s.depthLimit, 5);
    EXPECT_EQ(s.buttonDepth, 5);
    EXPECT_EQ(depthRange(s).max, 5);

    setButtonWidth(s, 330);
    setButtonHeight(s, 195);
    EXPECT_EQ(s.depthLimit, 97);
    EXPECT_EQ(s.buttonDepth, 5);  // the limit rises, the depth stays
    EXPECT_TRUE(setButtonDepth(s, 97));

    setButtonWidth(s, 21);
    setButtonHeight(s, 40);
    EXPECT_EQ(s.depthLimit, 10);
    EXPECT_EQ(s.buttonDepth, 10);
}

TEST(SizeCoupling, ValuesOutsideTheControlRangeOrUnchangedAreIgnored) {
    ButtonState s = defaultState();
    EXPECT_FALSE(setButtonWidth(s, 19));
    EXPECT_FALSE(setButtonWidth(s, 331));
    EXPECT_FALSE(setButtonHeight(s, 9));
    EXPECT_FALSE(setButtonWidth(s, 100));  // no real change: prev size untouched
    EXPECT_FALSE(setButtonDepth(s, 21));
    EXPECT_FALSE(setButtonDepth(s, 0));
    EXPECT_EQ(s.buttonWidth, 100);
    EXPECT_EQ(s.buttonDepth, 7);

    setSizeMaxima(s, 64, 32);
    EXPECT_FALSE(setButtonWidth(s, 65));
    EXPECT_TRUE(setButtonWidth(s, 64));
    setSizeMaxima(s, 12, 5);  // below the minimum: ignored
    EXPECT_EQ(s.widthMax, 64);
    EXPECT_EQ(s.heightMax, 32);
    setSizeMaxima(s, 400, 300);
    EXPECT_EQ(s.widthMax, 330);
    EXPECT_EQ(s.heightMax, 195);
}

TEST(TextOffsets, RangesRoundTheMinimumAndTruncateTheMaximum) {
    EXPECT_EQ(textOffsetXRange(101).min, -34);
    EXPECT_EQ(textOffsetXRange(101).max, 33);
    EXPECT_EQ(textOffsetXRange(100).min, -33);
    EXPECT_EQ(textOffsetXRange(100).max, 33);
    EXPECT_EQ(textOffsetYRange(40).min, -13);
    EXPECT_EQ(textOffsetYRange(40).max, 13);
    EXPECT_EQ(roundDivHalfEven(5, 2), 2);
    EXPECT_EQ(roundDivHalfEven(7, 2), 4);
    EXPECT_EQ(roundDivHalfEven(-5, 2), -2);

    ButtonState s = defaultState();
    s.textOffsetX = 33;
    s.textOffsetY = -13;
    setButtonWidth(s, 30);   // range -10..10
    setButtonHeight(s, 10);  // range -3..3
    EXPECT_EQ(s.textOffsetX, 10);
    EXPECT_EQ(s.textOffsetY, -3);
}

TEST(LightCentre, FollowsPositionSizeAndDepth) {
    ButtonState s = defaultState();
    EXPECT_EQ(s.lightX, 0);
    EXPECT_EQ(s.lightY, 0);
    setLightPosition(s, 7);
    EXPECT_EQ(s.lightX, 50);
    EXPECT_EQ(s.lightY, 47);
    setLightPosition(s, 2);
    EXPECT_EQ(s.lightY, -7);
    setButtonDepth(s, 3);
    EXPECT_EQ(s.lightY, -3);
    setLightPosition(s, 5);
    setButtonWidth(s, 121);
    EXPECT_EQ(s.lightX, 124);
    EXPECT_EQ(s.lightY, 20);
    EXPECT_FALSE(setLightPosition(s, 9));
    EXPECT_EQ(s.lightPosition, 5);
}

TEST(EngravedText, TextFollowsButtonColourWhileOnAndTurnsBlackWhenOff) {
    ButtonState s = defaultState();
    s.textRed = 5, s.textGreen = 6, s.textBlue = 7;
    setText3D(s, true);
    EXPECT_EQ(s.textRed, 220);
    EXPECT_EQ(s.textGreen, 190);
    EXPECT_EQ(s.textBlue, 110);
    setButtonChannel(s, Channel::green, 12);
    EXPECT_EQ(s.textGreen, 12);
    s.textRed = 1;  // a direct change breaks the equality until the next button change
    setButtonColour(s, 10, 20, 30);
    EXPECT_EQ(s.textRed, 10);
    setText3D(s, false);
    EXPECT_EQ(s.textRed + s.textGreen + s.textBlue, 0);
    setButtonChannel(s, Channel::red, 99);
    EXPECT_EQ(s.textRed, 0);
}

TEST(RenderClamp, EveryFieldIsForcedIntoItsRange) {
    ButtonState s = defaultState();
    s.buttonWidth = 5000, s.buttonHeight = -3, s.buttonDepth = 999;
    s.lightRadius = 0, s.lightIntensity = 500, s.borderFade = -4, s.lightPosition = 42;
    s.roundness = 1000, s.textFont.size = 1000;
    ButtonState c = clampedForRender(s);
    EXPECT_EQ(c.buttonWidth, 330);
    EXPECT_EQ(c.buttonHeight, 10);
    EXPECT_EQ(c.buttonDepth, 5);
    EXPECT_EQ(c.lightRadius, 1);
    EXPECT_EQ(c.lightIntensity, 99);
    EXPECT_EQ(c.borderFade, 1);
    EXPECT_EQ(c.lightPosition, 8);
    EXPECT_EQ(c.lightX, 330);
    EXPECT_EQ(c.roundness, 200);
    EXPECT_EQ(c.textFont.size, 100);
}
