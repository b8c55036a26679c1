// The pond's animation tick and gene-pool set-up, measured on the real main
// window as the program builds it. Qt runs on its offscreen platform unless
// QT_QPA_PLATFORM names another.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>
#include <string>
#include <vector>

#include "app/menu.h"
#include "app/pictures.h"
#include "framework/desktop.h"
#include "framework/runtime.h"
#include "pond/window_pond.h"

namespace ulvarin {
namespace {

// Real chance, but a message box is counted instead of shown, so a failing
// handler cannot block the run and is reported instead of measured.
class CountingDesktop : public BasicDesktop {
public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    std::vector<std::string> messages;
};

CountingDesktop& Messages() {
    static CountingDesktop desktop;
    return desktop;
}

void ReportMessages(benchmark::State& state) {
    if (Messages().messages.empty()) return;
    state.SkipWithError(("the window showed: " + Messages().messages.front()).c_str());
}

// The window as opened; its own timer is stopped so that only the measured
// calls move the pond.
WindowPond& OpenPond() {
    WindowPond& pond = WindowPond::Instance();
    pond.EggTimer().SetMode(Timer::Off);
    QApplication::processEvents();
    return pond;
}

void BM_PondTick(benchmark::State& state) {
    WindowPond& pond = OpenPond();
    if (!pond.GenePoolActive || pond.EggArray.size() != 101 || pond.SpermArray.size() != 101) {
        state.SkipWithError("the pond did not open with 100 eggs and 100 sperm");
        return;
    }
    for (auto _ : state) {
        pond.EggTimer_Action();
        benchmark::ClobberMemory();
    }
    ReportMessages(state);
}
BENCHMARK(BM_PondTick)->Unit(benchmark::kMicrosecond);

// A tick followed by the repaint it asks for: what each timer period costs
// the running program, the canvas's paint through Qt included.
void BM_PondTickAndRepaint(benchmark::State& state) {
    WindowPond& pond = OpenPond();
    QWidget* canvas = pond.CanGenePool().Widget();
    for (auto _ : state) {
        pond.EggTimer_Action();
        canvas->repaint();
    }
    ReportMessages(state);
}
BENCHMARK(BM_PondTickAndRepaint)->Unit(benchmark::kMicrosecond);

void BM_SetUpGenePool(benchmark::State& state) {
    WindowPond& pond = OpenPond();
    for (auto _ : state) {
        pond.SetUpGenePool();
        benchmark::ClobberMemory();
    }
    ReportMessages(state);
}
BENCHMARK(BM_SetUpGenePool)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ulvarin

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    QApplication application(argc, argv);
    ulvarin::RuntimeInit(argc, argv);
    ulvarin::InstallDesktop(&ulvarin::Messages());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ulvarin::ReleasePictures();
    ulvarin::ReleaseAllWindows();
    ulvarin::Menu::Release();
    ulvarin::InstallDesktop(nullptr);
    return 0;
}
