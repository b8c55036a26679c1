// The living pond: what one tick moves and draws, what a repaint shows, and
// the two pictures the program carries.
#include <QApplication>
#include <QImage>
#include <QWidget>

#include "app/pictures.h"
#include "framework/numbers.h"
#include "pond_fixture.h"

namespace ulvarin::testing {
namespace {

using AnimationTest = PondTest;

template <typename Gamete>
std::unique_ptr<Gamete> StillGamete(double xLoc, double yLoc, std::int32_t size, Color color) {
    auto gamete = std::make_unique<Gamete>();
    gamete->xLoc = xLoc;
    gamete->yLoc = yLoc;
    gamete->Direction = 1.0;
    gamete->Speed = 0.0;
    gamete->width = size;
    gamete->height = size;
    gamete->SkinColor = color;
    return gamete;
}

TEST_F(AnimationTest, SpermLieOverEggsAndHigherIndexesOverLowerOnes) {
    WindowPond& pond = Pond();
    const Color first{255, 0, 0}, second{0, 255, 0}, sperm{255, 255, 0}, unused{1, 2, 3};
    pond.EggArray.clear();
    pond.EggArray.push_back(StillGamete<Egg>(100, 100, 12, unused));  // element 0: never drawn
    pond.EggArray.push_back(StillGamete<Egg>(50, 50, 12, first));
    pond.EggArray.push_back(nullptr);
    pond.EggArray.push_back(StillGamete<Egg>(54, 50, 12, second));
    pond.SpermArray.clear();
    pond.SpermArray.push_back(nullptr);
    pond.SpermArray.push_back(StillGamete<Sperm>(58, 54, 4, sperm));
    pond.EggTimer_Action();

    const Picture& frame = *pond.GenePoolImage;
    EXPECT_EQ(frame.Pixel(52, 56), first.Pixel());
    EXPECT_EQ(frame.Pixel(56, 56), second.Pixel()) << "the later egg covers the earlier";
    EXPECT_EQ(frame.Pixel(59, 55), sperm.Pixel()) << "sperm cover eggs";
    EXPECT_EQ(frame.Pixel(105, 105), kBlack) << "element 0 is not drawn";
    EXPECT_EQ(pond.EggArray[0]->xLoc, 100.0) << "nor moved";
    EXPECT_EQ(frame.Pixel(10, 10), kBlack);
    // The frame reaches the canvas in one copy.
    ASSERT_NE(pond.CanGenePool().Surface(), nullptr);
    EXPECT_EQ(pond.CanGenePool().Surface()->Pixel(59, 55), sperm.Pixel());
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(AnimationTest, AnEmptyPondIsAllBackground) {
    WindowPond& pond = Pond();
    pond.EggArray.clear();
    pond.EggArray.resize(1);
    pond.SpermArray.resize(5);
    for (auto& sperm : pond.SpermArray) sperm.reset();
    pond.EggTimer_Action();
    const Picture& frame = *pond.GenePoolImage;
    for (int y = 0; y < frame.Height(); y += 7)
        for (int x = 0; x < frame.Width(); x += 7) ASSERT_EQ(frame.Pixel(x, y), kBlack);
}

TEST_F(AnimationTest, EveryTickMovesEachGameteOneStepWhileThePondIsOpen) {
    WindowPond& pond = Pond();
    desktop.randoms.assign(600, 0.5);  // heading pi, placed at (80, 60)
    Enter(pond.EditFieldFreqA(), "0.5");
    ASSERT_EQ(pond.EggArray[1]->xLoc, 80.0);
    pond.EggTimer_Action();
    EXPECT_DOUBLE_EQ(pond.EggArray[1]->xLoc, 80.0 - 0.5 * std::fabs(std::cos(0.5 * 2.0 * kHalfTurn)));
    EXPECT_LT(pond.SpermArray[100]->xLoc, 78.01);
    // The first frame already shows them moved: the eggs' boxes (the last one
    // drawn on top) now start at 79.5, drawn from pixel 80.
    EXPECT_EQ(pond.GenePoolImage->Pixel(90, 66), pond.EggArray[100]->SkinColor.Pixel());
    EXPECT_EQ(pond.GenePoolImage->Pixel(92, 66), kBlack);

    Click(pond.BBGenePool());
    const double stoppedAt = pond.SpermArray.size() > 1 && pond.SpermArray[1] ? pond.SpermArray[1]->xLoc : 0;
    const std::uint32_t before = pond.GenePoolImage->Pixel(85, 66);
    pond.EggTimer_Action();
    EXPECT_EQ(pond.GenePoolImage->Pixel(85, 66), before) << "a closed pond stands still";
    EXPECT_EQ(stoppedAt, 0) << "its gametes are gone";
}

TEST_F(AnimationTest, ARepaintOnlyCopiesTheLastFrame) {
    WindowPond& pond = Pond();
    pond.EggTimer_Action();
    pond.GenePoolActive = false;
    pond.GenePoolImage->Graphics().SetForeColor(Color{9, 9, 9});
    pond.GenePoolImage->Graphics().FillRect(0, 0, 5, 5);
    const double xLoc = pond.EggArray[1]->xLoc;
    const QImage shown = pond.CanGenePool().Widget()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(1, 1), QColor(9, 9, 9));
    EXPECT_EQ(pond.EggArray[1]->xLoc, xLoc);
}

TEST_F(AnimationTest, AFailingTickShowsOneMessageAtATime) {
    WindowPond& pond = Pond();
    pond.GenePoolImage.reset();
    int nested = 0;
    desktop.duringMessage = [&] {
        // The timer keeps firing under the open message box.
        if (nested++ < 3) pond.EggTimer_Action();
    };
    pond.EggTimer_Action();
    EXPECT_EQ(desktop.messages, std::vector<std::string>{"Error during timer action. Please report to Dravek."});
    desktop.duringMessage = nullptr;
    pond.EggTimer_Action();
    EXPECT_EQ(desktop.messages.size(), 2u) << "once dismissed, a fault that persists is shown again";
    pond.CanGenePool().Widget()->repaint();  // no frame yet: the canvas shows nothing, quietly
    EXPECT_EQ(desktop.messages.size(), 2u);
}

TEST(Pictures, AreKeptAfterTheirFirstUseAndAMissingOneIsNil) {
    const auto figure = UrchinCycle();
    ASSERT_TRUE(figure);
    EXPECT_EQ(figure, UrchinCycle());
    EXPECT_EQ(VelmaricCover(), VelmaricCover());
    EXPECT_NE(VelmaricCover(), figure);
    EXPECT_GE(figure->Width(), 180);
    KeptPicture missing(4242);
    EXPECT_EQ(missing.Get(), nullptr);
    EXPECT_EQ(missing.Get(), nullptr);
    ReleasePictures();
    EXPECT_NE(UrchinCycle(), figure) << "released, the next use loads it afresh";
}

}  // namespace
}  // namespace ulvarin::testing
