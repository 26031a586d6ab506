#include "state/field_setter.h"

#include <gtest/gtest.h>

#include "state/state_rules.h"

using namespace bevelmint::state;

TEST(FieldSetter, AppliesValuesInOrderThroughTheCouplingRules) {
    ButtonState s = defaultState();
    EXPECT_FALSE(setField(s, "buttonWidth", "330"));
    EXPECT_FALSE(setField(s, "buttonHeight", "195"));
    EXPECT_FALSE(setField(s, "buttonDepth", "97"));
    EXPECT_EQ(s.buttonDepth, 97);
    EXPECT_FALSE(setField(s, "shapeKind", "rrect"));
    EXPECT_EQ(s.shapeKind, ShapeKind::rrect);
    EXPECT_FALSE(setField(s, "lightenFront", "false"));
    EXPECT_FALSE(s.lightenFront);
    EXPECT_FALSE(setField(s, "smoothEdges", "1"));
    EXPECT_TRUE(s.smoothEdges);
    EXPECT_FALSE(setField(s, "lightPosition", "7"));
    EXPECT_EQ(s.lightY, 195 + 97);
    EXPECT_FALSE(setField(s, "text3D", "true"));
    EXPECT_FALSE(setField(s, "buttonBlue", "3"));
    EXPECT_EQ(s.textBlue, 3);
}

TEST(FieldSetter, RefusesWithAMessageNamingFieldAndRangeAndChangesNothing) {
    ButtonState s = defaultState();
    auto depth = setField(s, "buttonDepth", "30");
    ASSERT_TRUE(depth);
    EXPECT_NE(depth->find("buttonDepth"), std::string::npos);
    EXPECT_NE(depth->find("1..20"), std::string::npos);
    EXPECT_EQ(s.buttonDepth, 7);

    auto notNumber = setField(s, "buttonWidth", "12abc");
    ASSERT_TRUE(notNumber);
    EXPECT_NE(notNumber->find("20..330"), std::string::npos);
    EXPECT_TRUE(setField(s, "buttonWidth", ""));
    EXPECT_TRUE(setField(s, "buttonRed", "256"));
    EXPECT_TRUE(setField(s, "buttonRed", "-1"));
    EXPECT_TRUE(setField(s, "lightenFront", "yes"));
    EXPECT_TRUE(setField(s, "shapeKind", "circle"));
    EXPECT_TRUE(setField(s, "buttonWidth", "99999999999999999999"));
    auto unknown = setField(s, "colour", "1");
    ASSERT_TRUE(unknown);
    EXPECT_NE(unknown->find("colour"), std::string::npos);

    ButtonState fresh = defaultState();
    EXPECT_EQ(s.buttonWidth, fresh.buttonWidth);
    EXPECT_EQ(s.buttonRed, fresh.buttonRed);
    EXPECT_EQ(s.shapeKind, fresh.shapeKind);
    EXPECT_EQ(s.lightenFront, fresh.lightenFront);
}
