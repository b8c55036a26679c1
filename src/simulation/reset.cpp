// File > Reset: the whole simulation back to its opening state, whatever the
// stage. The life-cycle figure is left as it is.
#include "framework/focus.h"
#include "pond/window_pond.h"

namespace ulvarin {

bool WindowPond::FileReset_Action() {
    STFreqA().SetText("0.5");
    EditFieldFreqA().SetText("");
    SetUpGenePool();
    GenePoolActive = true;
    EmptyDrawLabels();
    // The counts are 0 before the fields are rewritten, so the live handlers
    // that the rewrites set off compute counts of 0.
    NumZygotes = {};
    NumJuveniles = {};
    NumAdults = {};
    ShowZygotes();
    ShowJuveniles();
    ShowAdults();
    for (std::int32_t k = 0; k < 3; ++k) EditFieldSurvRate(k).SetText("1.0");
    for (std::int32_t k = 0; k < 3; ++k) EditFieldMigrants(k).SetText("0");
    for (std::int32_t k = 0; k < 2; ++k) EditFieldMutRate(k).SetText("0.0");
    EnterStage(Stage::GenePool);
    ClearHistogram(CanZygoteHisto(), true);
    ClearHistogram(CanJuvenileHisto(), true);
    ClearHistogram(CanAdHisto(), true);
    ClearFocus();
    return false;
}

}  // namespace ulvarin
