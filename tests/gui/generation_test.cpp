// Selection, migration and mutation through the real window, with the
// examples a teacher works by hand.
#include <QTest>

#include "framework/numbers.h"
#include "pond_fixture.h"

namespace ulvarin::testing {
namespace {

using GenerationTest = PondTest;

void SetRates(WindowPond& pond, const char* aa, const char* ab, const char* bb) {
    pond.EditFieldSurvRate(0).SetText(aa);
    pond.EditFieldSurvRate(1).SetText(ab);
    pond.EditFieldSurvRate(2).SetText(bb);
}

void SetMigrants(WindowPond& pond, const char* aa, const char* ab, const char* bb) {
    pond.EditFieldMigrants(0).SetText(aa);
    pond.EditFieldMigrants(1).SetText(ab);
    pond.EditFieldMigrants(2).SetText(bb);
}

TEST_F(GenerationTest, SelectionFollowsTheRatesLiveAndDoneFixesTheJuveniles) {
    WindowPond& pond = Pond();
    Click(pond.BBIdealPop());  // zygotes 25, 50, 25
    // The student's own keys, with no text set by the program: "1.0" rubbed
    // out and "0.5" typed. The counts follow each key.
    EditField& heterozygotes = pond.EditFieldSurvRate(1);
    heterozygotes.SetFocus();
    QTest::keyClick(heterozygotes.Widget(), Qt::Key_End);
    for (int i = 0; i < 3; ++i) QTest::keyClick(heterozygotes.Widget(), Qt::Key_Backspace);
    ASSERT_EQ(heterozygotes.Text(), "");
    Type(heterozygotes, "0.5");
    EXPECT_EQ(pond.NumJuveniles, (GenotypeCounts{0, 25, 25, 25}));
    EXPECT_EQ(pond.STNumJuvs(1).Text(), "25");
    EXPECT_EQ(pond.STTotJuvs().Text(), "75");
    EXPECT_EQ(BackdropPixel(pond.CanJuvenileHisto(), 60, 100), kWhite);
    EXPECT_EQ(BackdropPixel(pond.CanJuvenileHisto(), 60, 94), kBlack) << "the Aa bar 25 high";

    SetRates(pond, "1.0", "0.5", "0.0");
    EXPECT_EQ(pond.NumJuveniles, (GenotypeCounts{0, 25, 25, 0}));
    EXPECT_EQ(pond.STNumJuvs(1).Text(), "25");
    EXPECT_EQ(pond.STTotJuvs().Text(), "50");
    EXPECT_EQ(BackdropPixel(pond.CanJuvenileHisto(), 20, 100), kWhite) << "live bars are white";
    EXPECT_EQ(BackdropPixel(pond.CanJuvenileHisto(), 20, 94), kBlack);
    EXPECT_TRUE(StageIs(false, true, false, false)) << "typing changes no button";
    EXPECT_TRUE(pond.EditFieldSurvRate(1).HasFocus()) << "nor the focus";

    Click(pond.BBSelection());
    EXPECT_EQ(BackdropPixel(pond.CanJuvenileHisto(), 20, 100), CMY(0.2, 0.2, 0).Pixel());
    EXPECT_EQ(BackdropPixel(pond.CanZygoteHisto(), 60, 100), CMY(0.1, 0.1, 0.1).Pixel());
    EXPECT_TRUE(StageIs(false, false, true, false));
    EXPECT_FALSE(pond.EditFieldSurvRate(1).HasFocus());
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(GenerationTest, SelectionDoneCorrectsRatesOutOfRangeAndStops) {
    WindowPond& pond = Pond();
    Click(pond.BBIdealPop());
    SetRates(pond, "1.5", "1", "-0.2");
    pond.EditFieldSurvRate(2).SetFocus();
    Click(pond.BBSelection());
    EXPECT_EQ(desktop.messages, std::vector<std::string>{"Survival Rates can't be greater than 1.0 or less than 0.0."});
    EXPECT_TRUE(pond.EditFieldSurvRate(2).HasFocus()) << "the student goes on typing where they were";
    EXPECT_EQ(pond.EditFieldSurvRate(0).Text(), Str(1.0));
    EXPECT_EQ(pond.EditFieldSurvRate(1).Text(), "1");
    EXPECT_EQ(pond.EditFieldSurvRate(2).Text(), Str(0.0));
    EXPECT_TRUE(StageIs(false, true, false, false));
    EXPECT_EQ(BackdropPixel(pond.CanZygoteHisto(), 60, 100), CMY(0.4, 0, 0.4).Pixel()) << "not greyed";

    // Exactly 0 and 1 pass, and so does a text Val reads as 0.
    SetRates(pond, "1", "abc", "0");
    Click(pond.BBSelection());
    EXPECT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(pond.NumJuveniles, (GenotypeCounts{0, 25, 0, 0}));
    EXPECT_TRUE(StageIs(false, false, true, false));
}

TEST_F(GenerationTest, LiveRatesOutOfRangeShowWhatTheyGive) {
    WindowPond& pond = Pond();
    Enter(pond.EditFieldFreqA(), "0.55");
    Click(pond.BBIdealPop());  // 30 AA
    ASSERT_EQ(pond.NumZygotes[1], 30);
    pond.EditFieldSurvRate(0).SetText("2");
    EXPECT_EQ(pond.STNumJuvs(0).Text(), "60");
    pond.EditFieldSurvRate(0).SetText("-1");
    EXPECT_EQ(pond.STNumJuvs(0).Text(), "-30");
    // Counts out of the 32-bit range saturate; the total is the true sum of
    // -30, the Aa count and 20, saturated once.
    const std::vector<std::pair<const char*, const char*>> huge{
        {"1e308", "2147483637"}, {"-1e308", "-2147483648"}, {"1e999", "2147483637"}};
    for (const auto& [rate, total] : huge) {
        pond.EditFieldSurvRate(1).SetText(rate);
        EXPECT_EQ(pond.STTotJuvs().Text(), total) << rate;
    }

    // Large counts whose sum fits show that sum, whatever their order.
    Enter(pond.EditFieldFreqA(), "0.5");
    Click(pond.BBIdealPop());  // 25, 50, 25
    SetRates(pond, "8e7", "4e7", "-8e7");
    EXPECT_EQ(pond.NumJuveniles, (GenotypeCounts{0, 2000000000, 2000000000, -2000000000}));
    EXPECT_EQ(pond.STTotJuvs().Text(), "2000000000");
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(GenerationTest, MigrationAddsMigrantsAndClampsAtZero) {
    WindowPond& pond = Pond();
    Click(pond.BBIdealPop());
    SetRates(pond, "0.2", "0.2", "0.2");
    Click(pond.BBSelection());
    ASSERT_EQ(pond.NumJuveniles, (GenotypeCounts{0, 5, 10, 5}));
    SetMigrants(pond, "2.4", "-0.6", "-10");
    EXPECT_EQ(pond.NumAdults, (GenotypeCounts{0, 7, 9, 0}));
    EXPECT_EQ(pond.STTotAdults().Text(), "16");
    EXPECT_EQ(BackdropPixel(pond.CanAdHisto(), 20, 115), kWhite);

    Click(pond.BBMigration());
    EXPECT_EQ(pond.STNumAds(0).Text(), "7");
    EXPECT_EQ(pond.STNumAds(2).Text(), "0");
    EXPECT_EQ(BackdropPixel(pond.CanAdHisto(), 20, 115), CMY(0.4, 0.4, 0).Pixel());
    EXPECT_EQ(BackdropPixel(pond.CanJuvenileHisto(), 20, 115), CMY(0.1, 0.1, 0.1).Pixel());
    EXPECT_TRUE(StageIs(false, false, false, true));

    // Typed after Done: the adults follow, white again, the stage stays.
    pond.EditFieldMigrants(0).SetText("1e308");
    EXPECT_EQ(pond.STNumAds(0).Text(), "2147483647");
    EXPECT_EQ(pond.STTotAdults().Text(), "2147483647");
    pond.EditFieldMigrants(0).SetText("-1e999");
    EXPECT_EQ(pond.NumAdults[1], 0);
    EXPECT_EQ(BackdropPixel(pond.CanAdHisto(), 60, 115), kWhite);
    EXPECT_TRUE(StageIs(false, false, false, true));
}

TEST_F(GenerationTest, MutationGivesTheNextFrequencyAndTheNextGenePool) {
    WindowPond& pond = Pond();
    Click(pond.BBIdealPop());  // zygotes and then juveniles 25, 50, 25
    ReachMutation({0, 30, 40, 30});
    ASSERT_EQ(pond.NumAdults, (GenotypeCounts{0, 30, 40, 30}));
    pond.EditFieldMutRate(0).SetText("0.1");
    Click(pond.BBMutation());
    EXPECT_EQ(pond.STFreqA().Text(), "0.45");
    EXPECT_EQ(pond.NumAdults, (GenotypeCounts{}));
    EXPECT_EQ(pond.STTotAdults().Text(), "0");
    EXPECT_EQ(BackdropPixel(pond.CanAdHisto(), 20, 115), kWhite);
    EXPECT_TRUE(pond.GenePoolActive);
    EXPECT_TRUE(StageIs(true, false, false, false));
    EXPECT_EQ(CountCarrying("A", true), 45);
    EXPECT_EQ(pond.EditFieldMutRate(0).Text(), "0.1") << "the forces carry over";
    EXPECT_EQ(pond.EditFieldMigrants(0).Text(), "5");
}

TEST_F(GenerationTest, MutationUsesTheUnroundedShareOfA) {
    WindowPond& pond = Pond();
    Click(pond.BBIdealPop());
    ReachMutation({0, 0, 1, 2});
    pond.EditFieldMutRate(0).SetText("0.2");
    Click(pond.BBMutation());
    EXPECT_EQ(pond.STFreqA().Text(), "0.13");

    Click(pond.BBIdealPop());  // 0.13: zygotes 2, 23, 76
    ReachMutation({0, 0, 0, 25});
    pond.EditFieldMutRate(0).SetText("0.3");
    pond.EditFieldMutRate(1).SetText("0.05");
    Click(pond.BBMutation());
    EXPECT_EQ(pond.STFreqA().Text(), "0.05") << "adults with no A still gain some by mutation";
}

TEST_F(GenerationTest, AnExtinctPopulationStartsAgainFromTheOldFrequency) {
    WindowPond& pond = Pond();
    Enter(pond.EditFieldFreqA(), "0.3");
    Click(pond.BBGenePool());
    Click(pond.BBSelection());
    Click(pond.BBMigration());
    ASSERT_EQ(TotalOf(pond.NumAdults), 0);
    Click(pond.BBMutation());
    EXPECT_EQ(desktop.messages, std::vector<std::string>{"Your population is extinct. A new simulation will start."});
    EXPECT_EQ(pond.STFreqA().Text(), "0.3");
    EXPECT_TRUE(StageIs(true, false, false, false));
    EXPECT_TRUE(pond.GenePoolActive);
}

TEST_F(GenerationTest, MutationRatesOutOfRangeAreCorrectedWithOneMessage) {
    WindowPond& pond = Pond();
    Click(pond.BBIdealPop());
    ReachMutation({0, 30, 40, 30});
    pond.EditFieldMutRate(0).SetText("1.01");
    pond.EditFieldMutRate(1).SetText("-0.001");
    pond.EditFieldMutRate(1).SetFocus();
    Click(pond.BBMutation());
    EXPECT_EQ(desktop.messages, std::vector<std::string>{"A mutation rate can't be greater than 1.0 or less than 0.0."});
    EXPECT_TRUE(pond.EditFieldMutRate(1).HasFocus()) << "the field being typed in keeps the focus";
    EXPECT_EQ(pond.EditFieldMutRate(0).Text(), Str(1.0));
    EXPECT_EQ(pond.EditFieldMutRate(1).Text(), Str(0.0));
    EXPECT_EQ(pond.NumAdults, (GenotypeCounts{0, 30, 40, 30}));
    EXPECT_EQ(pond.STFreqA().Text(), "0.5");
    EXPECT_TRUE(StageIs(false, false, false, true));

    Click(pond.BBMutation());  // u = 1, v = 0: every A becomes a
    EXPECT_EQ(pond.STFreqA().Text(), "0");
    EXPECT_EQ(desktop.messages.size(), 1u);
}

TEST_F(GenerationTest, ResetPutsEverythingBackWhateverTheStage) {
    WindowPond& pond = Pond();
    Enter(pond.EditFieldFreqA(), "0.7");
    Click(pond.BBIdealPop());
    ReachMutation({0, 3, 4, 5});
    SetRates(pond, "0.2", "0.3", "0.4");
    pond.EditFieldMutRate(0).SetText("0.2");
    pond.EditFieldMutRate(1).SetText("0.3");
    pond.EditFieldFreqA().SetText("0.9");  // typed, not taken
    Click(pond.CanFigure());
    ASSERT_FALSE(pond.CanFigure().Visible());

    EXPECT_FALSE(pond.FileReset_Action());
    ExpectOpeningTexts();
    EXPECT_TRUE(pond.GenePoolActive);
    EXPECT_EQ(pond.NumZygotes, (GenotypeCounts{}));
    EXPECT_EQ(pond.NumJuveniles, (GenotypeCounts{}));
    EXPECT_EQ(pond.NumAdults, (GenotypeCounts{}));
    for (Canvas* histogram : {&pond.CanZygoteHisto(), &pond.CanJuvenileHisto(), &pond.CanAdHisto()}) {
        EXPECT_EQ(BackdropPixel(*histogram, 20, 117), kWhite);
        EXPECT_EQ(BackdropPixel(*histogram, 20, 118), kWhite) << "even the live redraw the rewrites set off";
    }
    EXPECT_TRUE(StageIs(true, false, false, false));
    EXPECT_FALSE(pond.CanFigure().Visible()) << "a hidden figure stays hidden";
    EXPECT_EQ(CountCarrying("A", true), 50);

    // Again from the gene pool, an egg drawn and a field being typed in:
    // the egg is dropped and no field keeps the focus.
    desktop.randoms = {0.1};
    Click(pond.CanGenePool());
    ASSERT_EQ(pond.STEgg().Text(), "A");
    pond.EditFieldMigrants(2).SetFocus();
    ASSERT_TRUE(pond.EditFieldMigrants(2).HasFocus());
    pond.FileReset_Action();
    EXPECT_EQ(pond.STEgg().Text() + pond.STSperm().Text() + pond.STZygote().Text(), "");
    EXPECT_FALSE(pond.EditFieldMigrants(2).HasFocus());
}

TEST_F(GenerationTest, TheFigureTogglesOnEveryClickWhereverItLands) {
    WindowPond& pond = Pond();
    Canvas& figure = pond.CanFigure();
    ASSERT_TRUE(figure.Backdrop()) << "the life-cycle picture is built in";
    EXPECT_TRUE(figure.Visible());
    QTest::mouseClick(figure.Widget(), Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_FALSE(figure.Visible());
    QTest::mouseClick(figure.Widget(), Qt::LeftButton, {}, QPoint(170, 130));
    EXPECT_TRUE(figure.Visible()) << "the hidden figure's place still takes the click";
    // A release far outside still ends the click that began on the figure.
    QTest::mousePress(figure.Widget(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(figure.Widget(), Qt::LeftButton, {}, QPoint(-200, 400));
    EXPECT_FALSE(figure.Visible());
}

}  // namespace
}  // namespace ulvarin::testing
