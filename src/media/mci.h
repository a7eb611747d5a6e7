#pragma once
#include <QString>
#include <cstdint>

// The multimedia command layer: command strings in, a reply or an error out.
extern QString MciLastText;
extern int32_t MciLastError;
extern QString MciReply;
extern QString MciErrorText;

void MciSend(const QString& command, bool showError);
void MciPlay(const QString& alias, bool wait, const QString& from, const QString& to, bool showError);
void MciClose(const QString& alias, bool showError);
