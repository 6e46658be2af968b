#include "core/main_layout.h"

#include <gtest/gtest.h>

using namespace zn;

// A laptop screen and, to its right, a projector.
TEST(PlaceOnScreens, KeepsAWindowOnAScreenAndBringsBackOneFromAGoneScreen) {
    const QRect laptop(0, 0, 1366, 738);
    const QRect projector(1366, 0, 1920, 1050);
    const QRect onProjector(1500, 100, 1006, 615);
    EXPECT_EQ(PlaceOnScreens(onProjector, {laptop, projector}), onProjector);
    // Only the left 100 px of the title band reach the laptop: still reachable.
    const QRect straddling(1266, 10, 1006, 615);
    EXPECT_EQ(PlaceOnScreens(straddling, {laptop}), straddling);

    // The projector is gone: centred on the laptop, shrunk to fit.
    const QRect placed = PlaceOnScreens(QRect(1500, 100, 1920, 1000), {laptop});
    EXPECT_EQ(placed.size(), QSize(1366, 738));
    EXPECT_EQ(placed.topLeft(), laptop.topLeft());
    EXPECT_EQ(PlaceOnScreens(onProjector, {laptop}).center(), laptop.center());
    // Title band above the screen or below its bottom: unreachable.
    EXPECT_NE(PlaceOnScreens(QRect(100, -40, 1006, 615), {laptop}).y(), -40);
    EXPECT_NE(PlaceOnScreens(QRect(100, 720, 1006, 615), {laptop}).y(), 720);
    EXPECT_EQ(PlaceOnScreens(QRect(100, 708, 1006, 615), {laptop}).y(), 708);
}
