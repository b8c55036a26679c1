// Opening the main window and building a gene pool; the helpers that every
// stage of the life cycle shares.
#include <algorithm>
#include <string_view>

#include "framework/desktop.h"
#include "framework/errors.h"
#include "framework/numbers.h"
#include "histogram.h"
#include "pond/window_pond.h"

namespace ulvarin {

namespace {

constexpr std::int32_t kGametesPerPool = 100;
constexpr std::string_view kHistograms[] = {"CanZygoteHisto", "CanJuvenileHisto", "CanAdHisto"};

Picture& Require(const std::shared_ptr<Picture>& picture) {
    if (!picture) throw NilObjectException("no picture");
    return *picture;
}

// Fills elements 1..count of a gamete array: the first `carryingA` with "A",
// the rest with "a". Out-of-range indexes throw rather than write.
template <typename Gamete>
void FillPool(std::vector<std::unique_ptr<Gamete>>& pool, std::int32_t count, std::int32_t carryingA,
              const Extent& pond) {
    pool.resize(static_cast<std::size_t>(std::max(count, 0)) + 1);
    for (std::int32_t i = 1; i <= carryingA; ++i) {
        auto& element = pool.at(static_cast<std::size_t>(i));
        element = std::make_unique<Gamete>();
        element->Construct(&pond, "A");
        BackgroundTurn();
    }
    for (std::int32_t i = std::max(carryingA + 1, 1); i <= count; ++i) {
        auto& element = pool.at(static_cast<std::size_t>(i));
        element = std::make_unique<Gamete>();
        element->Construct(&pond, "a");
        BackgroundTurn();
    }
}

template <typename Gamete>
void Release(std::vector<std::unique_ptr<Gamete>>& pool) {
    for (std::size_t i = 1; i < pool.size(); ++i) {
        if (pool[i]) pool[i].reset();
        BackgroundTurn();
    }
}

}  // namespace

void WindowPond::Event_Open() {
    try {
        EggTimer().SetPeriod(40);
        GenePoolImage = NewPicture(CanGenePool().Width(), CanGenePool().Height(), 16);
        Picture& frame = Require(GenePoolImage);
        frame.Graphics().SetUseOldRenderer(true);
        frame.Graphics().SetForeColor(CMY(100, 100, 100));
        frame.Graphics().FillRect(0, 0, frame.Width(), frame.Height());
        CanGenePool().Graphics().DrawPicture(frame, 0, 0);
        GenePoolActive = false;
        NumberOfEggs = kGametesPerPool;
        NumberOfSperm = kGametesPerPool;
        for (const std::string_view name : kHistograms) {
            Canvas& canvas = Find<Canvas>(name);
            canvas.SetBackdrop(NewPicture(canvas.Width(), canvas.Height(), 8));
            Require(canvas.Backdrop()).Graphics().SetUseOldRenderer(true);
        }
        SetUpGenePool();
        GenePoolActive = true;
    } catch (const std::exception&) {
        MsgBox("Error during window open. Please report this problem to Dravek.");
    }
}

void WindowPond::SetUpGenePool() {
    try {
        NumZygotes = {};
        ShowZygotes();
        NumJuveniles = {};
        ShowJuveniles();
        NumAdults = {};
        ShowAdults();
        for (const std::string_view name : kHistograms) ClearHistogram(Find<Canvas>(name), true);
        // The old gametes go before any new one is made.
        Release(EggArray);
        Release(SpermArray);
        const Canvas& pond = CanGenePool();
        FillPool(EggArray, NumberOfEggs, GametesCarryingA(Val(STFreqA().Text()), NumberOfEggs), pond);
        FillPool(SpermArray, NumberOfSperm, GametesCarryingA(Val(STFreqA().Text()), NumberOfSperm), pond);
    } catch (const std::exception&) {
        MsgBox("Error during gene pool setup. Please report to Dravek.");
    }
}

void WindowPond::DrawHistogram(Canvas& canvas, const GenotypeCounts& counts, Color barColor) {
    DrawHistogramBars(Require(canvas.Backdrop()), canvas.Width(), canvas.Height(), counts, barColor);
    canvas.Refresh();
}

void WindowPond::ClearHistogram(Canvas& canvas, bool refresh) {
    Require(canvas.Backdrop()).Graphics().ClearRect(0, 0, canvas.Width(), canvas.Height());
    if (refresh) canvas.Refresh();
}

void WindowPond::EnterStage(Stage stage) {
    BBGenePool().SetEnabled(stage == Stage::GenePool);
    BBIdealPop().SetEnabled(stage == Stage::GenePool);
    BBSelection().SetEnabled(stage == Stage::Selection);
    BBMigration().SetEnabled(stage == Stage::Migration);
    BBMutation().SetEnabled(stage == Stage::Mutation);
}

void WindowPond::EmptyDrawLabels() {
    STEgg().SetText("");
    STSperm().SetText("");
    STZygote().SetText("");
}

void WindowPond::ReleaseGametes() {
    Release(EggArray);
    Release(SpermArray);
}

// The count labels and totals of each stage show its counts.
void WindowPond::ShowZygotes() {
    for (std::int32_t k = 0; k < 3; ++k) STNumZygs(k).SetText(Str(NumZygotes[k + 1]));
    STTotZygs().SetText(Str(TotalOf(NumZygotes)));
}

void WindowPond::ShowJuveniles() {
    for (std::int32_t k = 0; k < 3; ++k) STNumJuvs(k).SetText(Str(NumJuveniles[k + 1]));
    STTotJuvs().SetText(Str(TotalOf(NumJuveniles)));
}

void WindowPond::ShowAdults() {
    for (std::int32_t k = 0; k < 3; ++k) STNumAds(k).SetText(Str(NumAdults[k + 1]));
    STTotAdults().SetText(Str(TotalOf(NumAdults)));
}

bool WindowPond::HoldRatesInRange(const char* arrayName, std::int32_t members) {
    bool corrected = false;
    for (std::int32_t i = 0; i < members; ++i) {
        EditField& field = Find<EditField>(arrayName, i);
        switch (CheckRate(Val(field.Text()))) {
            case RateCheck::TooHigh:
                field.SetText(Str(1.0));
                corrected = true;
                break;
            case RateCheck::TooLow:
                field.SetText(Str(0.0));
                corrected = true;
                break;
            case RateCheck::InRange:
                break;
        }
    }
    return corrected;
}

std::array<double, 3> WindowPond::RatesOf(const char* arrayName) const {
    std::array<double, 3> rates{};
    for (std::int32_t k = 0; k < 3; ++k) rates[k] = Val(Find<EditField>(arrayName, k).Text());
    return rates;
}

}  // namespace ulvarin
