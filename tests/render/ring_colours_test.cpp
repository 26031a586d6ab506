#include "render/ring_colours.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "image/shading.h"

using namespace bevelmint::render;
using namespace bevelmint::image;

TEST(RingColours, DefaultDesignTableAndItsReversal) {
    const Rgb normal[] = {{110, 95, 55},  {126, 108, 63}, {142, 122, 70},  {157, 136, 78},
                          {173, 150, 86}, {188, 163, 94}, {204, 176, 102}, {220, 190, 110}};
    auto n = normalRingColours({220, 190, 110}, 7, 50);
    auto p = pressedRingColours({220, 190, 110}, 7, 50);
    ASSERT_EQ(n.size(), 8u);
    for (int i = 0; i <= 7; ++i) {
        EXPECT_EQ(splitColor(n[i]), normal[i]) << "ring " << i;
        EXPECT_EQ(splitColor(p[i]), normal[7 - i]) << "ring " << i;
    }
    for (int d : {1, 2, 5, 13, 97}) {
        auto nd = normalRingColours({201, 3, 77}, d, 37);
        auto pd = pressedRingColours({201, 3, 77}, d, 37);
        for (int i = 0; i <= d; ++i)
            EXPECT_EQ(pd[i], nd[d - i]);
    }
}

TEST(RingColours, BorderFadeSetsHowDarkTheRimIs) {
    for (int i = 0; i <= 10; ++i) {
        EXPECT_LE(std::abs(normalRingChannel(200, i, 10, 1) - 200), 2);
    }
    EXPECT_EQ(normalRingChannel(200, 0, 10, 99), 2);  // round(0.01 * 200)
    EXPECT_EQ(normalRingChannel(200, 10, 10, 99), 200);
    EXPECT_EQ(pressedRingChannel(200, 10, 10, 99), 2);
}
