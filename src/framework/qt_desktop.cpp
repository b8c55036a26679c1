#include "qt_desktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>

namespace ulvarin {

namespace {
// The longest a waiting turn blocks when no event comes.
constexpr int kLongestWaitMs = 10;
}  // namespace

void QtDesktop::ShowMessage(const std::string& text) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QStringLiteral("Ulvarin"));
    box.setText(QString::fromStdString(text));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

void QtDesktop::OpenAddress(const std::string& address) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

void QtDesktop::ServeEvents() {
    // processEvents returns at once when nothing is waiting; the wake-up timer
    // turns that into a wait for the next event, at most kLongestWaitMs long.
    QTimer wakeUp;
    wakeUp.setSingleShot(true);
    wakeUp.start(kLongestWaitMs);
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

}  // namespace ulvarin
