#include "support/game_test.h"

#include "app/forms.h"
#include "app/state.h"
#include "platform/program_folder.h"
#include "platform/random.h"
#include "platform/settings_store.h"

#include <QCoreApplication>
#include <QDir>

void GameTest::SetUp() {
    time = std::make_unique<host::VirtualScheduler>();
    host::installRandomSource(std::make_unique<host::SeededRandom>(12345));
    auto b = std::make_unique<host::MessageBoxRecorder>();
    boxes = b.get();
    host::installMessageBox(std::move(b));
    auto l = std::make_unique<host::LauncherRecorder>();
    launches = l.get();
    host::installLauncher(std::move(l));
    ASSERT_TRUE(configDir.isValid());
    host::setSettingsPath(configDir.filePath(QStringLiteral("vantrax/settings.ini")));
    host::setProgramFolder(QStringLiteral(VANTRAX_TEST_PROGRAM_DIR));
    ResetSharedState();
}

void GameTest::TearDown() {
    Forms::discardAll();
    Forms::setHost(nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    time.reset();
    host::installMessageBox(nullptr);
    host::installLauncher(nullptr);
    host::installRandomSource(nullptr);
    ResetSharedState();
}

void GameTest::saveOption(const char* key, const QString& value) {
    host::SaveSetting(kAppName, QStringLiteral("Option"), QLatin1String(key), value);
}
