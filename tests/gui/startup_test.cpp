// A whole run: start-up, the event loop, quitting, and the shut-down that
// releases what the program kept.
#include <gtest/gtest.h>

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cstddef>
#include <memory>
#include <stdexcept>

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

// An application object that quits from its own Open event, before the event
// loop could set an exit code of its own.
class AppThatQuitsAtOpen : public App {
public:
    void Event_Open() override { Quit(); }
};

// A run after a failed one exits 0: the failure's code does not carry over.
// The run quits before its event loop starts, so nothing else sets the code.
void ExpectTheNextRunExitsZero(RecordingDesktop& desktop) {
    InstallDesktop(&desktop);
    StartUpSteps steps;
    steps.newAppInstance = [] {
        auto app = std::make_unique<AppThatQuitsAtOpen>();
        app->SetMenuBar(Menu::Instance());
        RegisterAppObject(std::move(app));
    };
    StartUpAndRun(steps);
    ShutDown();
    EXPECT_EQ(RuntimeExit(), 0) << "a failed run's exit code carried over to the next";
}

// Shut-down after a run that failed: the windows go, the application object
// keeps the menu bar until the framework ends, the exit code says the run
// failed, and nothing more is said.
void ShutDownAfterAFailedRun(const RecordingDesktop& desktop, const std::weak_ptr<Menu>& menu) {
    const std::size_t said = desktop.messages.size();
    ShutDown();
    EXPECT_EQ(FindImplicitWindow(WindowPond::kClassName), nullptr);
    EXPECT_FALSE(menu.expired()) << "the application object still holds the bar";
    EXPECT_NE(RuntimeExit(), 0);
    EXPECT_TRUE(menu.expired());
    EXPECT_EQ(AppObject(), nullptr);
    EXPECT_EQ(desktop.messages.size(), said);
}

TEST(StartUp, AFailedStartSaysSoOnceSkipsTheRestShutsDownAndExitsNonZero) {
    RecordingDesktop desktop;
    InstallDesktop(&desktop);
    std::weak_ptr<Menu> menu;
    QPointer<QWidget> mainFrame;
    bool ran = false;
    StartUpSteps steps;
    // The failure comes once the main window exists, so shut-down has it to release.
    steps.makeDefaultView = [&] {
        MakeDefaultView();
        menu = Menu::Instance();
        mainFrame = FindImplicitWindow(WindowPond::kClassName)->Frame();
        throw NilObjectException("the pond has no backdrop");
    };
    steps.run = [&] { ran = true; };

    StartUpAndRun(steps);
    EXPECT_FALSE(ran) << "the steps after the failing one do not run";
    ASSERT_EQ(desktop.messages.size(), 1u);
    const std::string& message = desktop.messages.front();
    EXPECT_NE(message.find("Ulvarin cannot start"), std::string::npos) << message;
    EXPECT_NE(message.find("the pond has no backdrop"), std::string::npos) << message;
    EXPECT_EQ(message.find("carries on"), std::string::npos) << message;
    ASSERT_NE(mainFrame, nullptr);

    ShutDownAfterAFailedRun(desktop, menu);
    EXPECT_EQ(mainFrame, nullptr) << "the main window built before the failure is released";

    ExpectTheNextRunExitsZero(desktop);
}

TEST(StartUp, AnErrorThatEndsTheRunningLoopSaysSoOnceShutsDownAndExitsNonZero) {
    RecordingDesktop desktop;
    InstallDesktop(&desktop);
    std::weak_ptr<Picture> figure;
    std::weak_ptr<Menu> menu;
    bool started = false;
    StartUpSteps steps;
    steps.run = [&] {
        started = FindImplicitWindow(WindowPond::kClassName) != nullptr;
        figure = UrchinCycle();
        menu = Menu::Instance();
        // A handler's failure while the program runs is reported, and the program goes on.
        App::Instance().AddMenuHandler("AppleAbout", []() -> bool { throw NilObjectException("no About window"); });
        HandleMenuCommand(*Menu::Instance()->Lookup("AppleAbout"));
        throw std::runtime_error("the display went away");
    };

    StartUpAndRun(steps);
    EXPECT_TRUE(started) << "every start-up step ran before the loop";
    ASSERT_EQ(desktop.messages.size(), 2u);
    const std::string& handlerMessage = desktop.messages.front();
    EXPECT_NE(handlerMessage.find("no About window"), std::string::npos) << handlerMessage;
    EXPECT_NE(handlerMessage.find("carries on"), std::string::npos) << handlerMessage;
    const std::string& message = desktop.messages.back();
    EXPECT_NE(message.find("Ulvarin met an error"), std::string::npos) << message;
    EXPECT_NE(message.find("the display went away"), std::string::npos) << message;
    EXPECT_NE(message.find("will close"), std::string::npos) << message;
    EXPECT_EQ(message.find("cannot start"), std::string::npos) << "the program did start: " << message;
    EXPECT_EQ(message.find("carries on"), std::string::npos) << message;

    ShutDownAfterAFailedRun(desktop, menu);
    EXPECT_TRUE(figure.expired());

    ExpectTheNextRunExitsZero(desktop);
}

}  // namespace
}  // namespace ulvarin::testing
