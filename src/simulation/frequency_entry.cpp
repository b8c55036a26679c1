// Setting the frequency of allele A: type a number, press Return or Enter.
#include "framework/desktop.h"
#include "framework/numbers.h"
#include "pond/window_pond.h"

namespace ulvarin {

bool WindowPond::EditFieldFreqA_KeyDown(const std::string& key) {
    if (key != Chr(13) && key != Chr(3)) return false;
    const FrequencyEntry entry = EnterFrequency(Val(EditFieldFreqA().Text()));
    if (!entry.message.empty()) MsgBox(entry.message);
    STFreqA().SetText(Str(entry.frequency));
    EditFieldFreqA().SetText("");
    EnterStage(Stage::GenePool);
    SetUpGenePool();
    GenePoolActive = true;
    return true;
}

}  // namespace ulvarin
