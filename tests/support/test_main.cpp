#include <gtest/gtest.h>

#include <QApplication>

namespace {
QtMessageHandler g_defaultHandler = nullptr;

// The offscreen platform reports every window call it cannot honour; those
// lines say nothing about the game.
void quietOffscreen(QtMsgType type, const QMessageLogContext& ctx, const QString& msg) {
    if (msg.startsWith(QLatin1String("This plugin does not support"))) return;
    if (g_defaultHandler) g_defaultHandler(type, ctx, msg);
}
}  // namespace

int main(int argc, char** argv) {
    g_defaultHandler = qInstallMessageHandler(quietOffscreen);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("VANTRAX_AUDIO", "null");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
