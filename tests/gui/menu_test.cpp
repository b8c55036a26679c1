// The menu bar: its items, their enabled states, and the commands the
// program handles.
#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QTest>

#include "app/app.h"
#include "app/menu.h"
#include "framework/runtime.h"
#include "pond_fixture.h"

namespace ulvarin::testing {
namespace {

using MenuTest = PondTest;

std::vector<std::string> TextsOf(const MenuItem& menu) {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < menu.Count(); ++i) texts.push_back(menu.Item(i).Text());
    return texts;
}

TEST_F(MenuTest, TheBarHoldsFileAndEditWithAboutLast) {
    const auto bar = Menu::Instance();
    EXPECT_EQ(bar, Menu::Instance());
    EXPECT_EQ(bar, App::Instance().MenuBar());
    EXPECT_EQ(bar, Pond().MenuBar());
    EXPECT_EQ(TextsOf(*bar), (std::vector<std::string>{"File", "Edit"}));
    EXPECT_EQ(TextsOf(*bar->Child("UntitledMenu2")), (std::vector<std::string>{"Reset", "Quit"}));
    EXPECT_EQ(TextsOf(*bar->Child("UntitledMenu0")),
              (std::vector<std::string>{"Undo", "-", "Cut", "Copy", "Paste", "Clear", "About Ulvarin..."}));
    EXPECT_TRUE(bar->Lookup("UntitledMenu1")->Separator());
    EXPECT_EQ(bar->Lookup("FileReset")->Action()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
    EXPECT_EQ(bar->Lookup("FileQuit")->Action()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(bar->Lookup("EditPaste")->Action()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_V));
    EXPECT_TRUE(bar->Lookup("EditClear")->Action()->shortcut().isEmpty());
    EXPECT_EQ(bar->Lookup("AppleAbout")->Action()->menuRole(), QAction::AboutRole);
    EXPECT_EQ(bar->Lookup("FileQuit")->Action()->menuRole(), QAction::QuitRole);
    EXPECT_EQ(bar->Lookup("UntitledMenu3"), nullptr);
}

TEST_F(MenuTest, TheWindowsAccessorsFindTheirItemsByClass) {
    WindowPond& pond = Pond();
    EXPECT_EQ(pond.FileReset()->Name(), "FileReset");
    EXPECT_EQ(pond.FileQuit()->Text(), "Quit");
    EXPECT_EQ(pond.AppleAbout()->Text(), "About Ulvarin...");
    EXPECT_EQ(pond.UntitledMenu0()->Text(), "Edit");
    EXPECT_EQ(pond.UntitledMenu2()->Text(), "File");
    EXPECT_EQ(pond.EditUndo()->Text(), "Undo");
    EXPECT_TRUE(pond.UntitledMenu1()->Separator());
    EXPECT_NE(pond.EditCut(), nullptr);
    EXPECT_NE(pond.EditCopy(), nullptr);
    EXPECT_NE(pond.EditPaste(), nullptr);
    EXPECT_NE(pond.EditClear(), nullptr);
    EXPECT_EQ(AppleAbout(), pond.AppleAbout());
}

TEST_F(MenuTest, ResetQuitAndAboutAreEnabledAndTheEditCommandsNever) {
    WindowPond& pond = Pond();
    RefreshMenuStates(&pond);
    EXPECT_TRUE(pond.FileReset()->Enabled());
    EXPECT_TRUE(pond.FileQuit()->Enabled());
    EXPECT_TRUE(pond.AppleAbout()->Enabled());
    for (MenuItem* edit : {pond.EditUndo(), pond.EditCut(), pond.EditCopy(), pond.EditPaste(), pond.EditClear()}) {
        EXPECT_FALSE(edit->Enabled()) << edit->Text();
    }
    // A field with the focus does not change that.
    pond.EditFieldSurvRate(0).SetFocus();
    RefreshMenuStates(&pond);
    EXPECT_FALSE(pond.EditCopy()->Enabled());
    EXPECT_FALSE(App::Instance().AppleAbout_Action());
}

TEST_F(MenuTest, ResetRunsFromItsShortcutAsSoonAsTheWindowIsOpen) {
    WindowPond& pond = Pond();
    Enter(pond.EditFieldFreqA(), "0.3");
    QApplication::setActiveWindow(pond.Frame());
    QTest::keyClick(pond.Frame(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(pond.STFreqA().Text(), "0.5");
}

TEST_F(MenuTest, TheResetCommandGoesToTheMainWindow) {
    WindowPond& pond = Pond();
    Click(pond.BBIdealPop());
    HandleMenuCommand(*Menu::Instance()->Lookup("FileReset"));
    EXPECT_TRUE(pond.BBGenePool().Enabled());
    EXPECT_EQ(pond.STTotZygs().Text(), "0");
    EXPECT_FALSE(Quitting());
}

}  // namespace
}  // namespace ulvarin::testing
