// Placing, moving and bouncing gametes in the pond.
#include <gtest/gtest.h>

#include <cmath>

#include "framework/errors.h"
#include "gametes/gamete.h"
#include "scripted_chance.h"

namespace ulvarin {
namespace {

using testing::ScriptedChance;

const FixedExtent kPond(160, 120);

TEST(GameteConstruct, PlacesInsideTheMarginsWithTheKindsSpeedSizeAndColour) {
    ScriptedChance chance({0.0, 0.0, 0.0, 0.999999, 0.999999, 0.999999, 0.1, 0.25, 0.75});
    Egg low;
    low.Construct(&kPond, "A");
    EXPECT_EQ(low.Direction, 0.0);
    EXPECT_EQ(low.xLoc, 20.0);
    EXPECT_EQ(low.yLoc, 20.0);
    EXPECT_EQ(low.Speed, 0.5);
    EXPECT_EQ(low.width, 12);
    EXPECT_EQ(low.Genotype, "A");
    EXPECT_EQ(low.SkinColor, CMY(1.0, 0.4, 0.0));

    Sperm high;
    high.Construct(&kPond, "a");
    EXPECT_LT(high.Direction, kFullTurn);
    EXPECT_LT(high.xLoc, 140.0);
    EXPECT_LT(high.yLoc, 100.0);
    EXPECT_EQ(high.x, std::round(high.xLoc));
    EXPECT_EQ(high.Speed, 2.0);
    EXPECT_EQ(high.height, 4);
    EXPECT_EQ(high.SkinColor, CMY(0.5, 0.2, 0.0));

    // Heading, then across, then down: each draw to its own coordinate.
    Egg placed;
    placed.Construct(&kPond, "A");
    EXPECT_EQ(placed.Direction, 0.1 * 2.0 * kHalfTurn);
    EXPECT_EQ(placed.xLoc, 50.0) << "20 + 0.25 * (160 - 40)";
    EXPECT_EQ(placed.yLoc, 80.0) << "20 + 0.75 * (120 - 40)";
    EXPECT_EQ(placed.y, 80.0);
}

TEST(GameteConstruct, OtherAllelesAreGreyAndNarrowCanvasesPlaceBackwards) {
    ScriptedChance chance({0.25, 0.5, 0.5});
    Egg odd;
    const FixedExtent narrow(30, 30);
    odd.Construct(&narrow, "");
    EXPECT_EQ(odd.SkinColor, CMY(0.1, 0.1, 0.1));
    EXPECT_EQ(odd.xLoc, 15.0) << "20 + 0.5 * (30 - 40)";
    EXPECT_GT(odd.xLoc, 30 - 20 - 1e-9);
    EXPECT_LE(odd.xLoc, 20.0);
}

TEST(GameteConstruct, ANilCanvasStopsAfterHeadingAndSpeed) {
    ScriptedChance chance({0.5});
    Sperm sperm;
    EXPECT_THROW(sperm.Construct(nullptr, "A"), NilObjectException);
    EXPECT_EQ(sperm.Direction, 0.5 * 2.0 * kHalfTurn);
    EXPECT_EQ(sperm.Speed, 2.0);
    EXPECT_EQ(sperm.Genotype, "");
}

TEST(GameteMove, StepsAlongTheHeading) {
    Egg egg;
    egg.Speed = 0.5;
    egg.xLoc = 50.2;
    egg.yLoc = 40.0;
    egg.Move();
    EXPECT_DOUBLE_EQ(egg.xLoc, 50.7);
    EXPECT_EQ(egg.yLoc, 40.0);
    EXPECT_EQ(egg.x, 51.0);
    EXPECT_EQ(egg.y, 40.0);

    Sperm sperm;
    sperm.Speed = 2.0;
    sperm.xLoc = 50.2;
    sperm.yLoc = 40.0;
    sperm.Move();
    EXPECT_DOUBLE_EQ(sperm.xLoc, 52.2);
    EXPECT_EQ(sperm.x, 52.0);
}

Egg EggAt(double xLoc, double yLoc, double direction) {
    Egg egg;
    egg.xLoc = xLoc;
    egg.yLoc = yLoc;
    egg.Direction = direction;
    egg.width = 12;
    egg.height = 12;
    return egg;
}

TEST(GameteBounce, ReflectsOnlyWhenBeyondAnEdgeAndHeadingOut) {
    Egg left = EggAt(-0.1, 50, kHalfTurn);  // heading left
    left.Bounce(&kPond);
    EXPECT_NEAR(left.Direction, 0.0, 1e-12);

    Egg returning = EggAt(-0.1, 50, 0.1);  // already heading back in
    returning.Bounce(&kPond);
    EXPECT_EQ(returning.Direction, 0.1);

    Egg flush = EggAt(148, 50, 0.0);  // box ends exactly at the edge
    flush.Bounce(&kPond);
    EXPECT_EQ(flush.Direction, 0.0);

    Egg right = EggAt(148.5, 50, 0.0);
    right.Bounce(&kPond);
    EXPECT_EQ(right.Direction, kHalfTurn);

    Egg top = EggAt(50, -1, 4.0);  // sine negative: heading up
    top.Bounce(&kPond);
    EXPECT_NEAR(top.Direction, kFullTurn - 4.0, 1e-12) << "reflected to -4, then wrapped once";

    Egg bottom = EggAt(50, 109, 1.0);
    bottom.Bounce(&kPond);
    EXPECT_NEAR(bottom.Direction, kFullTurn - 1.0, 1e-12);
}

TEST(GameteBounce, CornersReflectTwiceAndTheWrapCorrectsOnce) {
    Egg corner = EggAt(-1, -1, 3.5);  // up and to the left
    corner.Bounce(&kPond);
    EXPECT_NEAR(corner.Direction, 3.5 - kHalfTurn, 1e-12);
    EXPECT_GT(std::cos(corner.Direction), 0);
    EXPECT_GT(std::sin(corner.Direction), 0);

    Egg spun = EggAt(50, 50, 13.0);
    spun.Bounce(&kPond);
    EXPECT_DOUBLE_EQ(spun.Direction, 13.0 - kFullTurn);
    EXPECT_GT(spun.Direction, kFullTurn) << "one correction per call";

    Egg exact = EggAt(50, 50, kFullTurn);
    exact.Bounce(&kPond);
    EXPECT_EQ(exact.Direction, kFullTurn);
    EXPECT_THROW(exact.Bounce(nullptr), NilObjectException);
}

}  // namespace
}  // namespace ulvarin
