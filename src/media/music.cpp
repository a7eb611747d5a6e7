// Background music: each screen opens and plays its own track under an alias
// and closes it again when it closes.
#include "app/shared_procedures.h"
#include "app/state.h"
#include "media/mci.h"
#include "platform/program_folder.h"

void PlayMusic(int16_t n) {
    if (!MusicOn) return;
    host::ChDirProgram();
    const QString num = QString::number(n);
    // The two blanks before "type" and "alias" are how the game has always
    // written this command.
    MciSend(QStringLiteral("open cData") + num + QStringLiteral("._vx  type sequencer  alias CX") + num, false);
    MciPlay(QStringLiteral("CX") + num, false, QStringLiteral("0"), QString(), true);
}

void StopMusic(int16_t n) {
    if (!MusicOn) return;
    MciClose(QStringLiteral("CX") + QString::number(n), false);
}
