// The program's numbers under a user locale that writes decimals with a
// comma. This binary runs with such a locale in its environment; the Qt
// application, built before any test, has already made it the C library's
// locale, as it does for the real program.
#include <clocale>
#include <locale>
#include <string>

#include "framework/numbers.h"
#include "pond_fixture.h"

namespace ulvarin::testing {
namespace {

using CommaLocaleTest = PondTest;

TEST_F(CommaLocaleTest, NumbersAreReadAndWrittenWithAPoint) {
    // Without this the test would prove nothing.
    ASSERT_STREQ(std::localeconv()->decimal_point, ",") << std::setlocale(LC_ALL, nullptr);
    // The C++ global locale may follow the user too; neither may matter.
    const std::locale before = std::locale::global(std::locale(""));

    EXPECT_EQ(Val("0.29"), 0.29);
    EXPECT_EQ(Val("0,5"), 0.0) << "a comma is not a decimal point";
    EXPECT_EQ(Val("-1.5e2x"), -150.0);
    EXPECT_EQ(Str(0.45), "0.45");
    EXPECT_EQ(Val(Str(0.13)), 0.13);

    // The opening pool, from the label's "0.5".
    WindowPond& pond = Pond();
    EXPECT_EQ(CountCarrying("A", true), 50);

    // A typed frequency.
    Enter(pond.EditFieldFreqA(), "0.29");
    EXPECT_EQ(pond.STFreqA().Text(), "0.29");
    EXPECT_EQ(CountCarrying("A", true), 29);
    EXPECT_TRUE(desktop.messages.empty());

    // Ideal counts, a survival rate and a mutation rate.
    Enter(pond.EditFieldFreqA(), "0.5");
    Click(pond.BBIdealPop());
    EXPECT_EQ(pond.NumZygotes, (GenotypeCounts{0, 25, 50, 25}));
    pond.EditFieldSurvRate(1).SetText("0.5");
    EXPECT_EQ(pond.STNumJuvs(1).Text(), "25");
    Click(pond.BBSelection());
    EXPECT_EQ(pond.NumJuveniles, (GenotypeCounts{0, 25, 25, 25}));
    Click(pond.BBMigration());
    pond.EditFieldMutRate(0).SetText("0.1");
    Click(pond.BBMutation());
    EXPECT_EQ(pond.STFreqA().Text(), "0.45") << "(25 + 12.5) / 75 = 0.5, less a tenth";
    EXPECT_TRUE(desktop.messages.empty());

    std::locale::global(before);
}

}  // namespace
}  // namespace ulvarin::testing
