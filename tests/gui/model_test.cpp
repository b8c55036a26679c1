// Thousands of seeded random actions on the main window — anything typed
// into any field, Return and Enter, clicks on the pond, on every button
// whether enabled or not, Reset — with the window's invariants checked after
// each one. The seed is fixed; ULVARIN_MODEL_SEED adds a run with another.
#include <cstdlib>
#include <random>

#include "app/menu.h"
#include "framework/numbers.h"
#include "framework/runtime.h"
#include "pond_fixture.h"

namespace ulvarin::testing {
namespace {

class ModelTest : public PondTest {
protected:
    void Run(std::uint64_t seed, int actions);

private:
    std::string RandomText();
    EditField& RandomField();
    void Act();
    void CheckInvariants(const std::string& after);

    std::mt19937_64 random_;
    std::string trace_;
};

std::string ModelTest::RandomText() {
    static const std::vector<std::string> pieces{
        "0", "1", "0.5", ".", "-", "+", "e", "E", "e-", "1e308", "-1e308", "1e999", "-1e999",
        "9999999999", "0.29", "0.125", "2", "-0.2", "abc", " ", "nan", "inf", "\xC3\xA9", "\xE2\x82\xAC",
        "\xF0\x9F\x90\x9A", "0.0", "1.0", "7", "3"};
    std::string text;
    const int count = std::uniform_int_distribution<int>(0, 4)(random_);
    for (int i = 0; i < count; ++i) {
        text += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random_)];
    }
    if (std::uniform_int_distribution<int>(0, 50)(random_) == 0) text = std::string(1000, '8');
    return text;
}

EditField& ModelTest::RandomField() {
    WindowPond& pond = Pond();
    switch (std::uniform_int_distribution<int>(0, 3)(random_)) {
        case 0: return pond.EditFieldFreqA();
        case 1: return pond.EditFieldSurvRate(std::uniform_int_distribution<int>(0, 2)(random_));
        case 2: return pond.EditFieldMigrants(std::uniform_int_distribution<int>(0, 2)(random_));
        default: return pond.EditFieldMutRate(std::uniform_int_distribution<int>(0, 1)(random_));
    }
}

void ModelTest::Act() {
    WindowPond& pond = Pond();
    const int action = std::uniform_int_distribution<int>(0, 12)(random_);
    switch (action) {
        case 0:
        case 1: {
            EditField& field = RandomField();
            const std::string text = RandomText();
            trace_ = "set " + field.Name() + " to '" + text.substr(0, 30) + "'";
            field.SetText(text);
            break;
        }
        case 2: {
            EditField& field = RandomField();
            const std::string text = RandomText().substr(0, 12);
            trace_ = "type into " + field.Name() + " '" + text + "'";
            Type(field, text);
            break;
        }
        case 3:
            trace_ = "return";
            Enter(pond.EditFieldFreqA(), RandomText());
            break;
        case 4:
            trace_ = "enter";
            pond.EditFieldFreqA().SetText(RandomText());
            PressEnter(pond.EditFieldFreqA());
            break;
        case 5:
        case 6:
            trace_ = "click the pond";
            Click(pond.CanGenePool());
            break;
        case 7: trace_ = "done gene pool"; Click(pond.BBGenePool()); break;
        case 8: trace_ = "ideal"; Click(pond.BBIdealPop()); break;
        case 9: trace_ = "done selection"; Click(pond.BBSelection()); break;
        case 10: trace_ = "done migration"; Click(pond.BBMigration()); break;
        case 11: trace_ = "done mutation"; Click(pond.BBMutation()); break;
        default:
            trace_ = "reset";
            if (std::uniform_int_distribution<int>(0, 3)(random_) == 0) {
                HandleMenuCommand(*Menu::Instance()->Lookup("FileReset"));
            }
            break;
    }
}

void ModelTest::CheckInvariants(const std::string& after) {
    WindowPond& pond = Pond();
    SCOPED_TRACE("after " + after);
    const bool stages[] = {pond.BBGenePool().Enabled() && pond.BBIdealPop().Enabled(),
                           pond.BBSelection().Enabled(), pond.BBMigration().Enabled(),
                           pond.BBMutation().Enabled()};
    ASSERT_EQ(pond.BBGenePool().Enabled(), pond.BBIdealPop().Enabled());
    ASSERT_EQ(stages[0] + stages[1] + stages[2] + stages[3], 1) << "exactly one stage";
    ASSERT_EQ(pond.GenePoolActive, stages[0]);
    ASSERT_EQ(pond.NumZygotes[0], 0);
    ASSERT_EQ(pond.NumJuveniles[0], 0);
    ASSERT_EQ(pond.NumAdults[0], 0);

    const std::string frequency = pond.STFreqA().Text();
    const double p = Val(frequency);
    ASSERT_GE(p, 0.0) << frequency;
    ASSERT_LE(p, 1.0) << frequency;
    ASSERT_EQ(Round(p * 100) / 100, p) << frequency;
    ASSERT_EQ(Str(p), frequency);

    struct Stage {
        const GenotypeCounts& counts;
        const char* labels;
        StaticText& total;
    };
    for (const Stage& stage : {Stage{pond.NumZygotes, "STNumZygs", pond.STTotZygs()},
                               Stage{pond.NumJuveniles, "STNumJuvs", pond.STTotJuvs()},
                               Stage{pond.NumAdults, "STNumAds", pond.STTotAdults()}}) {
        for (int k = 0; k < 3; ++k) {
            ASSERT_EQ(pond.Find<StaticText>(stage.labels, k).Text(), Str(stage.counts[k + 1])) << stage.labels;
        }
        ASSERT_EQ(stage.total.Text(), Str(TotalOf(stage.counts))) << stage.labels;
    }
    for (int g = 1; g <= 3; ++g) ASSERT_GE(pond.NumAdults[g], 0);

    for (const std::string& message : desktop.messages) {
        ASSERT_EQ(message.find("could not handle"), std::string::npos) << message;
    }
}

void ModelTest::Run(std::uint64_t seed, int actions) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    random_.seed(seed);
    desktop.ticksPerTurn = 60;  // each pause ends after two waiting turns
    desktop.duringTurn = [this] {
        // Now and then the student acts while a zygote is shown.
        if (std::uniform_int_distribution<int>(0, 5)(random_) == 0) Act();
    };
    Pond();
    CheckInvariants("opening");
    for (int i = 0; i < actions; ++i) {
        Act();
        CheckInvariants(trace_);
        if (HasFatalFailure()) return;
        if (desktop.messages.size() > 100) desktop.messages.clear();
    }
}

TEST_F(ModelTest, RandomActionsKeepTheWindowConsistent) {
    Run(20261207, 3000);
}

TEST_F(ModelTest, RandomActionsWithTheSeedFromTheEnvironment) {
    const char* seed = std::getenv("ULVARIN_MODEL_SEED");
    if (seed == nullptr) GTEST_SKIP() << "set ULVARIN_MODEL_SEED to run with another seed";
    Run(std::strtoull(seed, nullptr, 10), 3000);
}

}  // namespace
}  // namespace ulvarin::testing
