#pragma once
// The fixture for tests that touch the game: virtual time, a seeded random
// source, recorders for message boxes and the launcher, a settings store in a
// temporary folder, the build tree's program folder and fresh shared state.
#include "platform/launcher.h"
#include "platform/message_box.h"
#include "platform/virtual_time.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>

class GameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Lets `ms` virtual milliseconds pass.
    void advance(uint64_t ms) { time->advance(ms); }
    // Saves an option in the test's settings store.
    void saveOption(const char* key, const QString& value);

    std::unique_ptr<host::VirtualScheduler> time;
    host::MessageBoxRecorder* boxes = nullptr;
    host::LauncherRecorder* launches = nullptr;
    QTemporaryDir configDir;
};
