// The main window: the pond, the three counted stages with their histograms,
// the fields that set the forces of each generation, and the life-cycle
// figure in the middle. It holds the simulation's data; the handlers that
// carry the life cycle forward are its methods, one per control event.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/canvas.h"
#include "framework/color.h"
#include "framework/edit_field.h"
#include "framework/picture.h"
#include "framework/push_button.h"
#include "framework/static_text.h"
#include "framework/timer.h"
#include "framework/window.h"
#include "gametes/gamete.h"
#include "simulation/genetics.h"

namespace ulvarin {

class MenuItem;
class QuitMenuItem;
class AppleMenuItem;

class WindowPond : public Window {
public:
    static constexpr const char* kClassName = "WindowPond.WindowPond";

    // The open main window, built on first use; later calls find the same one.
    static WindowPond& Instance();

    WindowPond();
    ~WindowPond() override;

    // --- The data model -------------------------------------------------
    // The gametes in the pond, from index 1; index 0 is never used.
    std::vector<std::unique_ptr<Egg>> EggArray;
    std::vector<std::unique_ptr<Sperm>> SpermArray;
    std::int32_t NumberOfEggs = 0;
    std::int32_t NumberOfSperm = 0;
    // Genotype counts by index 1 AA, 2 Aa, 3 aa; element 0 stays 0.
    GenotypeCounts NumZygotes{};
    GenotypeCounts NumJuveniles{};
    GenotypeCounts NumAdults{};
    // While true the pond moves and clicks on it draw alleles.
    bool GenePoolActive = false;
    // The off-screen frame of the pond, as large as the pond's canvas.
    std::shared_ptr<Picture> GenePoolImage;

    // --- Construction ---------------------------------------------------
    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers(Window& window) override;
    void Event_Open() override;
    void Event_EnableMenuItems() override;

    // --- Control events -------------------------------------------------
    void CanFigure_MouseUp(std::int32_t x, std::int32_t y);
    bool CanFigure_MouseDown(std::int32_t x, std::int32_t y);
    void CanGenePool_MouseUp(std::int32_t x, std::int32_t y);
    bool CanGenePool_MouseDown(std::int32_t x, std::int32_t y);
    void CanGenePool_Paint(Graphics& g);
    void EggTimer_Action();
    bool EditFieldFreqA_KeyDown(const std::string& key);
    void EditFieldSurvRate_TextChange();
    void EditFieldMigrants_TextChange();
    void BBGenePool_Action();
    void BBSelection_Action();
    void BBMigration_Action();
    void BBMutation_Action();
    void BBIdealPop_Action();

    // --- Menus ----------------------------------------------------------
    MenuItem* UntitledMenu0();
    AppleMenuItem* AppleAbout();
    MenuItem* EditClear();
    MenuItem* EditPaste();
    MenuItem* EditCopy();
    MenuItem* EditCut();
    MenuItem* UntitledMenu1();
    MenuItem* EditUndo();
    MenuItem* UntitledMenu2();
    QuitMenuItem* FileQuit();
    MenuItem* FileReset();
    bool FileReset_Action();

    // --- Shared steps ---------------------------------------------------
    void DrawHistogram(Canvas& canvas, const GenotypeCounts& counts, Color barColor);
    void SetUpGenePool();

    // --- Controls, found by name (and index) at every use ---------------
    Canvas& CanFigure() const { return Find<Canvas>("CanFigure"); }
    Canvas& CanGenePool() const { return Find<Canvas>("CanGenePool"); }
    Canvas& CanZygoteHisto() const { return Find<Canvas>("CanZygoteHisto"); }
    Canvas& CanJuvenileHisto() const { return Find<Canvas>("CanJuvenileHisto"); }
    Canvas& CanAdHisto() const { return Find<Canvas>("CanAdHisto"); }
    Timer& EggTimer() const { return Find<Timer>("EggTimer"); }
    EditField& EditFieldFreqA() const { return Find<EditField>("EditFieldFreqA"); }
    EditField& EditFieldSurvRate(std::int32_t i) const { return Find<EditField>("EditFieldSurvRate", i); }
    EditField& EditFieldMigrants(std::int32_t i) const { return Find<EditField>("EditFieldMigrants", i); }
    EditField& EditFieldMutRate(std::int32_t i) const { return Find<EditField>("EditFieldMutRate", i); }
    StaticText& STFreqA() const { return Find<StaticText>("STFreqA"); }
    StaticText& STEgg() const { return Find<StaticText>("STEgg"); }
    StaticText& STSperm() const { return Find<StaticText>("STSperm"); }
    StaticText& STZygote() const { return Find<StaticText>("STZygote"); }
    StaticText& STNumZygs(std::int32_t i) const { return Find<StaticText>("STNumZygs", i); }
    StaticText& STNumJuvs(std::int32_t i) const { return Find<StaticText>("STNumJuvs", i); }
    StaticText& STNumAds(std::int32_t i) const { return Find<StaticText>("STNumAds", i); }
    StaticText& STTotZygs() const { return Find<StaticText>("STTotZygs"); }
    StaticText& STTotJuvs() const { return Find<StaticText>("STTotJuvs"); }
    StaticText& STTotAdults() const { return Find<StaticText>("STTotAdults"); }
    BevelButton& BBGenePool() const { return Find<BevelButton>("BBGenePool"); }
    BevelButton& BBIdealPop() const { return Find<BevelButton>("BBIdealPop"); }
    BevelButton& BBSelection() const { return Find<BevelButton>("BBSelection"); }
    BevelButton& BBMigration() const { return Find<BevelButton>("BBMigration"); }
    BevelButton& BBMutation() const { return Find<BevelButton>("BBMutation"); }

private:
    // The stage of the life cycle, as the five buttons' enabled states show it.
    enum class Stage { GenePool, Selection, Migration, Mutation };
    void EnterStage(Stage stage);
    void EmptyDrawLabels();
    void ReleaseGametes();
    void ShowZygotes();
    void ShowJuveniles();
    void ShowAdults();
    void ClearHistogram(Canvas& canvas, bool refresh);
    std::array<double, 3> RatesOf(const char* arrayName) const;
    // Writes 1 or 0 into each member of the array whose rate lies above 1 or
    // below 0; answers whether any was corrected.
    bool HoldRatesInRange(const char* arrayName, std::int32_t members);

    bool timerMessageShowing_ = false;
};

}  // namespace ulvarin
