#pragma once
// The multimedia command layer: command strings in, a reply or an error out.
// The last result (MciLastText, MciLastError, MciReply, MciErrorText) is kept
// with the other program-wide values in app/state.h.
#include "app/state.h"

#include <QString>
#include <cstdint>

void MciSend(const QString& command, bool showError);
void MciPlay(const QString& alias, bool wait, const QString& from, const QString& to, bool showError);
void MciClose(const QString& alias, bool showError);
