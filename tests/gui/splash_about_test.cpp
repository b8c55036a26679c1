// The splash and About windows: what they show, that every text fits, and
// the ways each one closes.
#include <QApplication>
#include <QImage>
#include <QPointer>
#include <QScreen>
#include <QStringList>
#include <QTest>
#include <QWindow>

#include "app/app.h"
#include "app/menu.h"
#include "app/pictures.h"
#include "artifacts.h"
#include "framework/menu_item.h"
#include "framework/runtime.h"
#include "pond_fixture.h"
#include "windows/companion.h"
#include "windows/window_about.h"
#include "windows/window_splash.h"

namespace ulvarin::testing {
namespace {

bool IsOpen(const char* className) { return FindImplicitWindow(className) != nullptr; }

// A press or release delivered through the window as the platform delivers a
// user's: to the control at that point, and on to the window if it declines.
void Mouse(Window& window, QPoint at, bool press) {
    const QPoint inWindow = window.Content()->mapTo(window.Frame(), at);
    auto* handle = window.Frame()->windowHandle();
    press ? QTest::mousePress(handle, Qt::LeftButton, {}, inWindow)
          : QTest::mouseRelease(handle, Qt::LeftButton, {}, inWindow);
}

// Where a label draws `text`, broken as the label breaks it.
QRect TextRect(const StaticText& label, const std::string& text) {
    const int flags = Qt::AlignLeft | Qt::AlignTop | (label.Multiline() ? Qt::TextWordWrap : 0);
    return label.Widget()->fontMetrics().boundingRect(
        QRect(label.Left(), label.Top(), label.Width(), 10000), flags,
        QString::fromStdString(text).replace(QChar('\r'), QChar('\n')));
}

// Every label's text fits its box, and the title's first line, which reaches
// down beside the cover, ends before it.
void ExpectTextsFit(const Window& window, const RectControl& beside) {
    for (std::size_t i = 0; i < window.ControlCount(); ++i) {
        if (auto* label = dynamic_cast<StaticText*>(&window.ControlAt(i))) {
            const QRect used = TextRect(*label, label->Text());
            EXPECT_LE(used.width(), label->Width()) << label->Name();
            EXPECT_LE(used.height(), label->Height()) << label->Name();
        }
    }
    EXPECT_LT(TextRect(window.Find<StaticText>("LabelTitle"), "Ulvarin").right(), beside.Left());
}

// A press on each point leaves the window of class W open; the release
// closes it. Each point gets a fresh window.
template <typename W>
void ExpectClosesOnReleaseAt(std::initializer_list<QPoint> points) {
    for (const QPoint at : points) {
        Mouse(W::Instance(), at, true);
        ASSERT_TRUE(IsOpen(W::kClassName)) << "a press alone closes nothing";
        Mouse(W::Instance(), at, false);
        EXPECT_FALSE(IsOpen(W::kClassName)) << at.x() << "," << at.y();
        QTest::qWait(40);  // lets the closed window go
    }
}

class AddressWatch : public RecordingDesktop {
public:
    void OpenAddress(const std::string& address) override {
        aboutOpenThen = IsOpen(WindowAbout::kClassName);
        RecordingDesktop::OpenAddress(address);
    }
    bool aboutOpenThen = true;
};

using SplashTest = PondTest;
using AboutTest = PondTest;

TEST_F(SplashTest, OpensAboveTheMainWindowWithTitleAddressVersionAndCover) {
    App::Instance().Event_Open();
    WindowSplash& splash = WindowSplash::Instance();
    QApplication::processEvents();
    EXPECT_TRUE(Pond().Frame()->isVisible());
    EXPECT_EQ(QApplication::activeWindow(), splash.Frame());
    EXPECT_EQ(splash.Find<StaticText>("LabelTitle").Text(), "Ulvarin\rSoftware for Velmaric");
    EXPECT_EQ(splash.Find<StaticText>("StaticText2").Text(), kCompanionAddress);
    EXPECT_EQ(splash.Find<StaticText>("StaticText1").Text(), kVersionLine);
    const Timer& timer = splash.Find<Timer>("Timer1");
    EXPECT_TRUE(timer.Mode() == Timer::Single && timer.Period() == 5000 && timer.Running());
    EXPECT_EQ(splash.Find<Canvas>("Canvas1").Backdrop(), VelmaricCover());
    ExpectTextsFit(splash, splash.Find<Canvas>("Canvas1"));
    SaveArtifact(splash.Frame(), QStringLiteral("splash-window.png"));
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(SplashTest, ClosesWhenItsTimeIsUpOrOnTheReleaseOfAClickAndItsTimerActsOnce) {
    int fired = 0;
    auto shortened = [&fired](int period) {
        Timer& timer = WindowSplash::Instance().Find<Timer>("Timer1");
        timer.Action = [&fired, close = timer.Action] {
            ++fired;
            close();
        };
        timer.SetPeriod(period);
    };
    shortened(20);
    QTRY_VERIFY_WITH_TIMEOUT(!IsOpen(WindowSplash::kClassName), 2000);
    QTest::qWait(60);
    EXPECT_EQ(fired, 1);

    // The background, the title, the address (plain text) and the cover.
    ExpectClosesOnReleaseAt<WindowSplash>({QPoint(10, 10), QPoint(60, 245), QPoint(80, 278), QPoint(196, 145)});
    fired = 0;
    shortened(150);  // after a click, the timer of the closed splash never acts
    ExpectClosesOnReleaseAt<WindowSplash>({QPoint(10, 10)});
    QTest::qWait(250);
    EXPECT_EQ(fired, 0);
    EXPECT_TRUE(desktop.addresses.empty());
}

TEST_F(AboutTest, ShowsCoverTitleAddressButtonsAndTheSixParagraphNotice) {
    WindowAbout& about = WindowAbout::Instance();
    EXPECT_EQ(about.Title(), "About Ulvarin");
    EXPECT_FALSE(about.Frame()->windowFlags() &
                 (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(about.Frame()->minimumSize(), about.Frame()->maximumSize());
    const QPoint middle = QApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((about.Frame()->frameGeometry().center() - middle).manhattanLength(), 8);
    EXPECT_EQ(about.Find<StaticText>("LabelWebAddress").Text(), kCompanionAddress);
    const PushButton& ok = about.Find<PushButton>("PushButtonClose");
    const PushButton& goThere = about.Find<PushButton>("PushButton1");
    EXPECT_EQ(ok.Caption() + "|" + goThere.Caption(), "OK|Go there");
    EXPECT_FALSE(ok.TakesFocus() || goThere.TakesFocus());

    // The version line, three paragraphs, the tool, and the invitation whose
    // second line is an address at an example domain.
    const auto& notice = about.Find<StaticText>("StaticText1");
    const QStringList paragraphs = QString::fromStdString(notice.Text()).split(QStringLiteral("\r\r"));
    ASSERT_EQ(paragraphs.size(), 6);
    EXPECT_EQ(paragraphs[0].toStdString(), kVersionLine);
    EXPECT_TRUE(paragraphs[4].contains(QStringLiteral("C++ with Qt")));
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(paragraphs[i].contains(QChar('\r'))) << i;
    const QStringList invitation = paragraphs[5].split(QChar('\r'));
    ASSERT_EQ(invitation.size(), 2);
    EXPECT_TRUE(invitation[1].endsWith(QStringLiteral("@example.org")));

    ExpectTextsFit(about, about.Find<Canvas>("Canvas1"));
    EXPECT_LT(TextRect(notice, notice.Text()).bottom(), ok.Top());
    EXPECT_LT(TextRect(about.Find<StaticText>("LabelWebAddress"), kCompanionAddress).right(), goThere.Left());
    SaveArtifact(about.Frame(), QStringLiteral("about-window.png"));
}

TEST_F(AboutTest, TheMenuItemOpensOneWindowBringsItToTheFrontAndLaterBuildsAFreshOne) {
    Pond();
    MenuItem& item = *Menu::Instance()->Lookup("AppleAbout");
    ASSERT_TRUE(item.Enabled());
    item.Action()->trigger();
    QPointer<WindowAbout> first = &WindowAbout::Instance();
    // The user moves it aside and goes back to the main window.
    const QPoint movedTo = first->Frame()->pos() - QPoint(100, 60);
    first->Frame()->move(movedTo);
    Pond().Show();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), Pond().Frame());
    item.Action()->trigger();
    QApplication::processEvents();
    EXPECT_EQ(&WindowAbout::Instance(), first.data()) << "no second About window";
    EXPECT_EQ(QApplication::activeWindow(), first->Frame());
    EXPECT_EQ(first->Frame()->pos(), movedTo) << "it comes to the front where the user left it";

    Click(first->Find<PushButton>("PushButtonClose"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    ASSERT_TRUE(item.Enabled());
    item.Action()->trigger();
    EXPECT_EQ(WindowAbout::Instance().ControlCount(), 6u);
}

TEST_F(AboutTest, ClosesWithOkOrGoThereFirstOrOnTheReleaseOfAClickButNotByKeys) {
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Space}) {
        QTest::keyClick(WindowAbout::Instance().Frame(), key);
    }
    ASSERT_TRUE(IsOpen(WindowAbout::kClassName)) << "no key presses a button";
    Click(WindowAbout::Instance().Find<PushButton>("PushButtonClose"));
    EXPECT_FALSE(IsOpen(WindowAbout::kClassName));

    // The background, the notice, the title and the cover.
    ExpectClosesOnReleaseAt<WindowAbout>({QPoint(10, 10), QPoint(60, 330), QPoint(110, 222), QPoint(242, 125)});
    EXPECT_TRUE(desktop.addresses.empty());

    AddressWatch watch;
    InstallDesktop(&watch);
    Click(WindowAbout::Instance().Find<PushButton>("PushButton1"));
    InstallDesktop(&desktop);
    EXPECT_FALSE(watch.aboutOpenThen) << "closed before the browser is asked";
    EXPECT_EQ(watch.addresses, std::vector<std::string>{kCompanionAddress});
    EXPECT_TRUE(std::string(kCompanionAddress).starts_with("http://") &&
                std::string(kCompanionAddress).ends_with(".example.org/ostrel"));
}

}  // namespace
}  // namespace ulvarin::testing
