// The gene-pool stage through the real window: the pool built at opening,
// drawing zygotes by clicks with the pause after each, a new frequency of A,
// and closing the stage with Done or Ideal.
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QWidget>

#include "framework/numbers.h"
#include "framework/runtime.h"
#include "pond_fixture.h"

namespace ulvarin::testing {
namespace {

using GenePoolTest = PondTest;

TEST_F(GenePoolTest, OpeningBuildsAnExactPoolOfEggsAndSperm) {
    WindowPond& pond = Pond();
    EXPECT_EQ(pond.EggTimer().Period(), 40);
    EXPECT_EQ(pond.EggTimer().Mode(), 2);
    ASSERT_TRUE(pond.GenePoolImage);
    EXPECT_EQ(pond.GenePoolImage->Width(), 160);
    EXPECT_EQ(pond.GenePoolImage->Height(), 120);
    EXPECT_EQ(pond.GenePoolImage->Pixel(80, 60), kBlack);
    for (Canvas* histogram : {&pond.CanZygoteHisto(), &pond.CanJuvenileHisto(), &pond.CanAdHisto()}) {
        ASSERT_TRUE(histogram->Backdrop());
        EXPECT_EQ(histogram->Backdrop()->Width(), 121);
        EXPECT_EQ(BackdropPixel(*histogram, 20, 118), kWhite);
    }
    EXPECT_TRUE(pond.GenePoolActive);
    EXPECT_EQ(pond.NumberOfEggs, 100);
    ASSERT_EQ(pond.EggArray.size(), 101u);
    ASSERT_EQ(pond.SpermArray.size(), 101u);
    EXPECT_EQ(pond.EggArray[0], nullptr);
    EXPECT_EQ(pond.SpermArray[0], nullptr);
    // The A gametes take the low indexes.
    EXPECT_EQ(pond.EggArray[50]->Genotype, "A");
    EXPECT_EQ(pond.EggArray[51]->Genotype, "a");
    EXPECT_EQ(pond.SpermArray[50]->Genotype, "A");
    EXPECT_EQ(pond.SpermArray[51]->Genotype, "a");
    EXPECT_EQ(pond.EggArray[1]->Speed, 0.5);
    EXPECT_EQ(pond.SpermArray[1]->Speed, 2.0);
    EXPECT_TRUE(StageIs(true, false, false, false));
}

TEST_F(GenePoolTest, ANewFrequencyBuildsItsExactPool) {
    WindowPond& pond = Pond();
    Enter(pond.EditFieldFreqA(), "0.29");
    EXPECT_EQ(pond.STFreqA().Text(), "0.29");
    EXPECT_EQ(CountCarrying("A", true), 29);
    EXPECT_EQ(CountCarrying("A", false), 29);
    EXPECT_EQ(pond.EggArray[29]->Genotype, "A");
    EXPECT_EQ(pond.EggArray[30]->Genotype, "a");

    Enter(pond.EditFieldFreqA(), "0");
    EXPECT_EQ(CountCarrying("a", true), 100);
    Enter(pond.EditFieldFreqA(), "1");
    EXPECT_EQ(CountCarrying("A", false), 100);
    EXPECT_EQ(pond.EggArray[0], nullptr);
}

TEST_F(GenePoolTest, TwoClicksDrawEggAndSpermAndCountTheZygote) {
    WindowPond& pond = Pond();
    desktop.randoms = {0.7, 0.2};  // egg "a", sperm "A" at frequency 0.5
    Click(pond.CanGenePool());
    EXPECT_EQ(pond.STEgg().Text(), "a");
    EXPECT_EQ(pond.STSperm().Text(), "");
    EXPECT_EQ(pond.NumZygotes, (GenotypeCounts{0, 0, 0, 0})) << "the first click counts nothing";
    EXPECT_EQ(desktop.waitingTurns, 0) << "and does not pause";

    std::string shownDuringPause;
    desktop.duringTurn = [&] {
        if (shownDuringPause.empty()) shownDuringPause = pond.STEgg().Text() + pond.STSperm().Text() + pond.STZygote().Text();
    };
    Click(pond.CanGenePool());
    EXPECT_EQ(shownDuringPause, "aAAa");
    EXPECT_EQ(pond.NumZygotes, (GenotypeCounts{0, 0, 1, 0})) << "egg a with sperm A is Aa";
    EXPECT_EQ(pond.STNumZygs(1).Text(), "1");
    EXPECT_EQ(pond.STTotZygs().Text(), "1");
    // The live zygote bar: one white row above the bottom, framed in black.
    EXPECT_EQ(BackdropPixel(pond.CanZygoteHisto(), 60, 118), kBlack);
    EXPECT_EQ(BackdropPixel(pond.CanZygoteHisto(), 60, 117), kWhite);
    // Back to the empty state once the pause is over.
    EXPECT_EQ(pond.STEgg().Text() + pond.STSperm().Text() + pond.STZygote().Text(), "");

    DrawZygote(0.1, 0.1);
    DrawZygote(0.9, 0.9);
    DrawZygote(0.1, 0.9);
    EXPECT_EQ(pond.NumZygotes, (GenotypeCounts{0, 1, 2, 1}));
    EXPECT_EQ(pond.STTotZygs().Text(), "4");
}

TEST_F(GenePoolTest, FrequenciesZeroAndOneDrawOnlyOneAllele) {
    WindowPond& pond = Pond();
    Enter(pond.EditFieldFreqA(), "1");
    DrawZygote(0.999999, 0.999999);
    EXPECT_EQ(pond.NumZygotes[1], 1);
    Enter(pond.EditFieldFreqA(), "0");
    DrawZygote(0.0, 0.0);
    EXPECT_EQ(pond.NumZygotes[3], 1);
}

TEST_F(GenePoolTest, ThePauseEndsStrictlyAfterItsStartSecondPlusOneAndAHalf) {
    WindowPond& pond = Pond();
    // Counted at 629 ticks (10.48 s): the pause runs from second 10 to past 11.5 s.
    desktop.ticks = 629;
    desktop.randoms = {0.1, 0.1};
    std::int32_t lastTickShown = 0;
    desktop.duringTurn = [&] {
        if (!pond.STZygote().Text().empty()) lastTickShown = desktop.ticks;
    };
    Click(pond.CanGenePool());
    Click(pond.CanGenePool());
    EXPECT_EQ(lastTickShown, 690) << "690 ticks is exactly 11.5 s: still shown";
    EXPECT_EQ(desktop.ticks, 691);

    // Counted at 631 ticks (10.52 s, nearer 11): it runs to past 12.5 s.
    desktop.ticks = 631;
    desktop.randoms = {0.1, 0.1};
    Click(pond.CanGenePool());
    Click(pond.CanGenePool());
    EXPECT_EQ(desktop.ticks, 751);
}

TEST_F(GenePoolTest, AClickWhileThePondIsClosedChangesNothing) {
    WindowPond& pond = Pond();
    Click(pond.BBGenePool());
    pond.EditFieldMigrants(1).SetFocus();
    Click(pond.CanGenePool());
    Click(pond.CanGenePool());
    EXPECT_TRUE(pond.EditFieldMigrants(1).HasFocus()) << "the focus stays where it was";
    EXPECT_EQ(pond.STEgg().Text(), "");
    EXPECT_EQ(pond.NumZygotes, (GenotypeCounts{}));
}

TEST_F(GenePoolTest, ClicksDuringThePauseOnlyClearTheFocus) {
    WindowPond& pond = Pond();
    desktop.randoms = {0.1, 0.1};
    Click(pond.CanGenePool());
    bool clicked = false;
    desktop.duringTurn = [&] {
        if (clicked) return;
        clicked = true;
        pond.EditFieldSurvRate(0).SetFocus();
        Click(pond.CanGenePool());
        EXPECT_FALSE(pond.EditFieldSurvRate(0).HasFocus());
        EXPECT_EQ(pond.STZygote().Text(), "AA");
    };
    Click(pond.CanGenePool());
    EXPECT_TRUE(clicked);
    EXPECT_EQ(pond.NumZygotes, (GenotypeCounts{0, 1, 0, 0}));
    EXPECT_TRUE(desktop.randoms.empty());
}

TEST_F(GenePoolTest, HandlersRunDuringThePauseLeaveTheWindowConsistent) {
    WindowPond& pond = Pond();
    // Done pressed while the zygote is shown: the stage closes with that zygote.
    desktop.randoms = {0.1, 0.1};
    desktop.duringTurn = [&] {
        if (pond.BBGenePool().Enabled()) Click(pond.BBGenePool());
    };
    DrawZygote(0.1, 0.1);
    EXPECT_EQ(pond.NumZygotes, (GenotypeCounts{0, 1, 0, 0}));
    EXPECT_TRUE(StageIs(false, true, false, false));
    EXPECT_FALSE(pond.GenePoolActive);
    EXPECT_EQ(pond.STEgg().Text() + pond.STZygote().Text(), "");

    // A new frequency typed during the pause: a new pool, counts at zero.
    Enter(pond.EditFieldFreqA(), "0.5");
    bool entered = false;
    desktop.duringTurn = [&] {
        if (entered) return;
        entered = true;
        Enter(pond.EditFieldFreqA(), "0.3");
    };
    DrawZygote(0.1, 0.1);
    EXPECT_EQ(pond.STFreqA().Text(), "0.3");
    EXPECT_EQ(pond.NumZygotes, (GenotypeCounts{}));
    EXPECT_EQ(pond.STTotZygs().Text(), "0");
    EXPECT_EQ(pond.STZygote().Text(), "") << "the pause's end only empties the labels";
    EXPECT_TRUE(pond.GenePoolActive);

    // Reset during the pause.
    bool reset = false;
    desktop.duringTurn = [&] {
        if (reset) return;
        reset = true;
        pond.FileReset_Action();
    };
    DrawZygote(0.1, 0.1);
    EXPECT_EQ(pond.STFreqA().Text(), "0.5");
    EXPECT_EQ(pond.NumZygotes, (GenotypeCounts{}));
}

TEST_F(GenePoolTest, ClosingTheWindowDuringThePauseEndsItSafely) {
    WindowPond& pond = Pond();
    desktop.duringTurn = [&] { pond.Close(); };
    DrawZygote(0.1, 0.1);
    EXPECT_EQ(desktop.waitingTurns, 1) << "the pause stops at once";
    EXPECT_EQ(FindImplicitWindow(WindowPond::kClassName), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    desktop.duringTurn = nullptr;
    WindowPond& fresh = Pond();
    EXPECT_NE(&fresh, nullptr);
    EXPECT_EQ(fresh.STFreqA().Text(), "0.5");
}

TEST_F(GenePoolTest, ReturnOrEnterTakesARoundedClampedFrequency) {
    WindowPond& pond = Pond();
    // From the mutation stage, with every count and every histogram filled.
    Click(pond.BBIdealPop());
    ReachMutation({0, 30, 40, 30});
    Canvas* histograms[] = {&pond.CanZygoteHisto(), &pond.CanJuvenileHisto(), &pond.CanAdHisto()};
    for (Canvas* histogram : histograms) ASSERT_NE(BackdropPixel(*histogram, 20, 110), kWhite);
    pond.EditFieldFreqA().SetText("0.456");
    PressEnter(pond.EditFieldFreqA());
    EXPECT_EQ(pond.STFreqA().Text(), "0.46");
    EXPECT_EQ(CountCarrying("A", true), 46);
    EXPECT_EQ(pond.EditFieldFreqA().Text(), "");
    EXPECT_TRUE(StageIs(true, false, false, false));
    EXPECT_TRUE(pond.GenePoolActive);
    EXPECT_TRUE(desktop.messages.empty());
    // A new pool starts a new generation: every count back to 0.
    EXPECT_EQ(pond.NumZygotes, (GenotypeCounts{}));
    EXPECT_EQ(pond.NumJuveniles, (GenotypeCounts{}));
    EXPECT_EQ(pond.NumAdults, (GenotypeCounts{}));
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(pond.STNumZygs(k).Text() + pond.STNumJuvs(k).Text() + pond.STNumAds(k).Text(), "000") << k;
    }
    EXPECT_EQ(pond.STTotZygs().Text() + pond.STTotJuvs().Text() + pond.STTotAdults().Text(), "000");
    for (Canvas* histogram : histograms) EXPECT_EQ(BackdropPixel(*histogram, 20, 110), kWhite) << histogram->Name();

    Enter(pond.EditFieldFreqA(), "1.004");
    EXPECT_EQ(pond.STFreqA().Text(), "1");
    EXPECT_TRUE(desktop.messages.empty());

    Enter(pond.EditFieldFreqA(), "1.006");
    EXPECT_EQ(desktop.messages, std::vector<std::string>{"Oops!  The frequency of allele A can't be greater than 1."});
    EXPECT_EQ(pond.STFreqA().Text(), "1");

    desktop.messages.clear();
    Enter(pond.EditFieldFreqA(), "-0.2");
    EXPECT_EQ(desktop.messages, std::vector<std::string>{"Oops!  The frequency of allele A can't be less than 0."});
    EXPECT_EQ(pond.STFreqA().Text(), "0");
    EXPECT_EQ(CountCarrying("a", false), 100);
}

TEST_F(GenePoolTest, EveryOtherKeyReachesTheField) {
    WindowPond& pond = Pond();
    Type(pond.EditFieldFreqA(), "0.3x");
    EXPECT_EQ(pond.EditFieldFreqA().Text(), "0.3x");
    EXPECT_EQ(pond.STFreqA().Text(), "0.5");
    EXPECT_TRUE(pond.EditFieldFreqA().HasFocus() || !pond.Frame()->isActiveWindow());
    PressReturn(pond.EditFieldFreqA());
    EXPECT_EQ(pond.STFreqA().Text(), "0.3");
}

// A key pressed with Ctrl as an X11 desktop delivers it: with the control
// character of the letter as its text (Ctrl+C is character 3).
void CtrlClick(EditField& field, char letter) {
    const auto key = static_cast<Qt::Key>(Qt::Key_A + (letter - 'A'));
    QTest::sendKeyEvent(QTest::Click, field.Widget(), key, QString(QChar(letter - 'A' + 1)), Qt::ControlModifier);
}

TEST_F(GenePoolTest, ControlKeysInTheFieldAreTheDesktopsShortcutsNotReturn) {
    WindowPond& pond = Pond();
    QApplication::setActiveWindow(pond.Frame());
    DrawZygote(0.1, 0.9);
    EditField& field = pond.EditFieldFreqA();
    field.SetFocus();
    Type(field, "0.3");
    const Egg* firstEgg = pond.EggArray[1].get();
    // Ctrl+C types the character of Enter, Ctrl+M that of Return: neither
    // takes the value, and a copy leaves the generation alone.
    CtrlClick(field, 'C');
    CtrlClick(field, 'M');
    EXPECT_EQ(pond.STFreqA().Text(), "0.5");
    EXPECT_EQ(pond.EggArray[1].get(), firstEgg) << "the pool is not rebuilt";
    EXPECT_EQ(pond.NumZygotes, (GenotypeCounts{0, 0, 1, 0}));

    // Select all and copy, as anywhere on this desktop; paste after the end.
    QGuiApplication::clipboard()->clear();
    CtrlClick(field, 'A');
    CtrlClick(field, 'C');
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("0.3"));
    QTest::keyClick(field.Widget(), Qt::Key_End);
    CtrlClick(field, 'V');
    EXPECT_EQ(field.Text(), "0.30.3");
    CtrlClick(field, 'Z');
    EXPECT_EQ(field.Text(), "0.3") << "undo";
    EXPECT_EQ(pond.STFreqA().Text(), "0.5");

    // The menu bar's shortcuts still work from the field.
    CtrlClick(field, 'R');
    EXPECT_EQ(pond.NumZygotes, (GenotypeCounts{})) << "Ctrl+R is Reset";
    EXPECT_EQ(field.Text(), "");

    // Return and keypad Enter still take the value.
    Type(field, "0.2");
    QTest::keyClick(field.Widget(), Qt::Key_Return);
    EXPECT_EQ(pond.STFreqA().Text(), "0.2");
    Type(field, "0.4");
    QTest::keyClick(field.Widget(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(pond.STFreqA().Text(), "0.4");
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(GenePoolTest, AnEntryWhileAnEggIsDrawnKeepsTheEgg) {
    WindowPond& pond = Pond();
    desktop.randoms = {0.1};
    Click(pond.CanGenePool());
    ASSERT_EQ(pond.STEgg().Text(), "A");
    Enter(pond.EditFieldFreqA(), "0");
    EXPECT_EQ(pond.STEgg().Text(), "A");
    desktop.randoms = {0.0};
    Click(pond.CanGenePool());  // the sperm is drawn against the new frequency
    EXPECT_EQ(pond.NumZygotes, (GenotypeCounts{0, 0, 1, 0}));
}

TEST_F(GenePoolTest, AnythingTypedGivesAFrequencyWithinRange) {
    WindowPond& pond = Pond();
    const std::vector<std::pair<std::string, std::string>> cases{
        {"", "0"},          {"abc", "0"},         {"1e999", "1"},     {"-1e999", "0"},
        {"nan", "0"},       {"inf", "0"},         {"-0.001", "0"},    {"0.125", "0.13"},
        {std::string(1000, '7'), "1"},            {"0." + std::string(1000, '4'), "0.44"},
        {"\xE2\x80\x94\xC3\xA9", "0"},            {" .5e0 ", "0.5"},
    };
    for (const auto& [typed, shown] : cases) {
        Enter(pond.EditFieldFreqA(), typed);
        EXPECT_EQ(pond.STFreqA().Text(), shown) << typed.substr(0, 20);
        const double p = Val(pond.STFreqA().Text());
        EXPECT_GE(p, 0.0);
        EXPECT_LE(p, 1.0);
    }
    EXPECT_EQ(desktop.messages.size(), 3u);  // 1e999, -1e999 and the thousand sevens
}

TEST_F(GenePoolTest, DoneKeepsTheClickedZygotesAndStopsThePond) {
    WindowPond& pond = Pond();
    // Three Aa zygotes: a bar tall enough to have an inside.
    for (int i = 0; i < 3; ++i) DrawZygote(0.1, 0.9);
    desktop.randoms = {0.1};
    Click(pond.CanGenePool());  // an egg drawn, no sperm yet
    pond.EditFieldSurvRate(2).SetFocus();
    Click(pond.BBGenePool());
    EXPECT_FALSE(pond.GenePoolActive);
    EXPECT_EQ(pond.STEgg().Text(), "") << "the half-drawn egg is dropped";
    EXPECT_EQ(pond.NumZygotes, (GenotypeCounts{0, 0, 3, 0}));
    EXPECT_EQ(pond.STNumZygs(1).Text(), "3");
    for (std::size_t i = 1; i < pond.EggArray.size(); ++i) ASSERT_EQ(pond.EggArray[i], nullptr);
    for (std::size_t i = 1; i < pond.SpermArray.size(); ++i) ASSERT_EQ(pond.SpermArray[i], nullptr);
    EXPECT_EQ(pond.EggArray.size(), 101u);
    EXPECT_FALSE(pond.EditFieldSurvRate(2).HasFocus());
    EXPECT_TRUE(StageIs(false, true, false, false));
    // The zygote bar, rows 116 to 118, framed in black and filled in the
    // zygote stage's colour.
    EXPECT_EQ(BackdropPixel(pond.CanZygoteHisto(), 60, 115), kWhite);
    EXPECT_EQ(BackdropPixel(pond.CanZygoteHisto(), 60, 116), kBlack);
    EXPECT_EQ(BackdropPixel(pond.CanZygoteHisto(), 60, 117), CMY(0.4, 0, 0.4).Pixel());
    EXPECT_EQ(BackdropPixel(pond.CanZygoteHisto(), 60, 118), kBlack);
}

TEST_F(GenePoolTest, DoneWithoutClicksOpensSelectionWithNoZygotes) {
    WindowPond& pond = Pond();
    Click(pond.BBGenePool());
    EXPECT_EQ(pond.STTotZygs().Text(), "0");
    EXPECT_EQ(BackdropPixel(pond.CanZygoteHisto(), 20, 118), kWhite);
    EXPECT_TRUE(StageIs(false, true, false, false));
}

TEST_F(GenePoolTest, IdealReplacesTheClickedCountsWithHardyWeinbergCounts) {
    WindowPond& pond = Pond();
    DrawZygote(0.1, 0.1);
    DrawZygote(0.1, 0.1);
    Click(pond.BBIdealPop());
    EXPECT_EQ(pond.NumZygotes, (GenotypeCounts{0, 25, 50, 25}));
    EXPECT_EQ(pond.STNumZygs(0).Text(), "25");
    EXPECT_EQ(pond.STTotZygs().Text(), "100");
    const Color zygoteStage = CMY(0.4, 0, 0.4);
    EXPECT_EQ(BackdropPixel(pond.CanZygoteHisto(), 60, 80), zygoteStage.Pixel());
    EXPECT_EQ(BackdropPixel(pond.CanZygoteHisto(), 60, 68), kWhite);

    Enter(pond.EditFieldFreqA(), "0.07");
    Click(pond.BBIdealPop());
    EXPECT_EQ(pond.NumZygotes, (GenotypeCounts{0, 0, 13, 86}));
    EXPECT_EQ(pond.STTotZygs().Text(), "99");
    Enter(pond.EditFieldFreqA(), "0.08");
    Click(pond.BBIdealPop());
    EXPECT_EQ(pond.STTotZygs().Text(), "101");
    EXPECT_TRUE(StageIs(false, true, false, false));
}

TEST_F(GenePoolTest, AFailedSetUpIsReportedAndTheEntryGoesOn) {
    WindowPond& pond = Pond();
    pond.CanAdHisto().SetBackdrop(nullptr);
    Enter(pond.EditFieldFreqA(), "0.2");
    EXPECT_EQ(desktop.messages, std::vector<std::string>{"Error during gene pool setup. Please report to Dravek."});
    EXPECT_TRUE(pond.GenePoolActive);
    EXPECT_EQ(pond.STFreqA().Text(), "0.2");
}

}  // namespace
}  // namespace ulvarin::testing
