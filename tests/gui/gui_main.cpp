// The GUI tests run headless: Qt's offscreen platform unless told otherwise.
// The Qt application belongs to this function, so a test that runs the
// program's whole start-up and shut-down leaves it standing for the others.
#include <gtest/gtest.h>

#include <QApplication>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

#include "framework/runtime.h"

namespace {

QtMessageHandler qtHandler = nullptr;

// The offscreen platform cannot stack windows and says so at every Show;
// everything else Qt reports goes through.
void QuietAboutStacking(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QStringLiteral("does not support raise()"))) return;
    if (qtHandler != nullptr) {
        qtHandler(type, context, message);
    } else {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    qtHandler = qInstallMessageHandler(QuietAboutStacking);
    QApplication application(argc, argv);
    ulvarin::RuntimeInit(argc, argv);
    return RUN_ALL_TESTS();
}
