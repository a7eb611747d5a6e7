// Provisional until the audio engine exists: the calls are accepted silently.
#include "media/effects.h"
#include "media/mci.h"
#include "media/music.h"

QString MciLastText;
int32_t MciLastError = 0;
QString MciReply;
QString MciErrorText;

void MciSend(const QString&, bool) {}
void MciPlay(const QString&, bool, const QString&, const QString&, bool) {}
void MciClose(const QString&, bool) {}
void PlayMusic(int16_t) {}
void StopMusic(int16_t) {}
bool SndPlaySound(const QString&, uint32_t) { return true; }
void PlayEffect(int32_t) {}
