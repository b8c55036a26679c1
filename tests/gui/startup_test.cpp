// A whole run: start-up, the event loop, quitting, and the shut-down that
// releases what the program kept.
#include <gtest/gtest.h>

#include <QTimer>
#include <QWidget>
#include <memory>

#include "app/app.h"
#include "app/menu.h"
#include "app/pictures.h"
#include "app/startup.h"
#include "framework/errors.h"
#include "framework/menu_item.h"
#include "framework/runtime.h"
#include "pond/window_pond.h"
#include "recording_desktop.h"

namespace ulvarin::testing {
namespace {

TEST(StartUp, RunsShowsTheMainWindowQuitsFromTheMenuAndReleasesEverything) {
    RecordingDesktop desktop;
    InstallDesktop(&desktop);
    bool shownDuringRun = false;
    std::weak_ptr<Picture> figure;
    std::weak_ptr<Menu> menu;
    QTimer::singleShot(0, [&] {
        auto* pond = dynamic_cast<WindowPond*>(FindImplicitWindow(WindowPond::kClassName));
        shownDuringRun = pond != nullptr && pond->Frame()->isVisible() && pond->GenePoolActive;
        figure = UrchinCycle();
        menu = Menu::Instance();
        EXPECT_EQ(App::Instance().MenuBar(), pond->MenuBar());
        HandleMenuCommand(*Menu::Instance()->Lookup("FileQuit"));
    });

    StartUpAndRun();
    EXPECT_TRUE(shownDuringRun);
    EXPECT_TRUE(desktop.messages.empty());

    ShutDown();
    EXPECT_EQ(FindImplicitWindow(WindowPond::kClassName), nullptr);
    EXPECT_TRUE(figure.expired()) << "the kept figure and the window's backdrop are released";
    EXPECT_FALSE(menu.expired()) << "the application object still holds the bar";

    EXPECT_EQ(RuntimeExit(), 0);
    EXPECT_TRUE(menu.expired());
    EXPECT_EQ(AppObject(), nullptr);
}

TEST(StartUp, AFailedStartSaysSoOnceSkipsTheRestShutsDownAndExitsNonZero) {
    RecordingDesktop desktop;
    InstallDesktop(&desktop);
    std::weak_ptr<Menu> menu;
    bool ran = false;
    StartUpSteps steps;
    steps.makeDefaultView = [&] {
        menu = Menu::Instance();
        throw NilObjectException("no main window");
    };
    steps.run = [&] { ran = true; };

    StartUpAndRun(steps);
    EXPECT_FALSE(ran) << "the steps after the failing one do not run";
    ASSERT_EQ(desktop.messages.size(), 1u);
    const std::string& message = desktop.messages.front();
    EXPECT_NE(message.find("Ulvarin cannot start"), std::string::npos) << message;
    EXPECT_NE(message.find("no main window"), std::string::npos) << message;
    EXPECT_EQ(message.find("carries on"), std::string::npos) << message;

    ShutDown();
    EXPECT_EQ(FindImplicitWindow(WindowPond::kClassName), nullptr);
    EXPECT_FALSE(menu.expired()) << "the application object still holds the bar";
    EXPECT_NE(RuntimeExit(), 0);
    EXPECT_TRUE(menu.expired());
    EXPECT_EQ(AppObject(), nullptr);
    EXPECT_EQ(desktop.messages.size(), 1u);

    // The next run starts afresh.
    InstallDesktop(&desktop);
    QTimer::singleShot(0, [] { HandleMenuCommand(*Menu::Instance()->Lookup("FileQuit")); });
    StartUpAndRun();
    ShutDown();
    EXPECT_EQ(RuntimeExit(), 0);
}

}  // namespace
}  // namespace ulvarin::testing
