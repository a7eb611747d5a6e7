#include "media/mci.h"

#include "app/wait.h"
#include "media/music.h"
#include "platform/audio_commands.h"
#include "platform/audio_output.h"
#include "platform/message_box.h"

#include <algorithm>

QString MciLastText;
int32_t MciLastError = 0;
QString MciReply;
QString MciErrorText;

namespace {

const QString kMciErrorTitle = QStringLiteral("マルチメディアエラー");
const QString kNoCommandText = QStringLiteral("内部エラー　コマンド文字列が指定されていません");
const QString kUnknownErrorText = QStringLiteral("意味不明なエラーが発生しました");

// The reply and error buffers hold this many characters, the last for the NUL.
constexpr qsizetype kReplyLength = 512;
constexpr qsizetype kErrorTextLength = 256;

QString bufferText(const std::string& text, qsizetype length) {
    QString s = QString::fromStdString(text);
    qsizetype nul = s.indexOf(QChar(u'\0'));
    if (nul >= 0) s.truncate(nul);
    s.truncate(length - 1);
    return s;
}

}  // namespace

void MciSend(const QString& command, bool showError) {
    if (command.isEmpty()) {
        MciLastText = kNoCommandText;
        MciLastError = -1;
        return;
    }
    static const bool soundFontChosen = (ApplySoundFontOption(), true);
    (void)soundFontChosen;
    // Closing needs no sound card: the quit path closes every alias and must
    // not open an output on its way out.
    const bool closing = command.trimmed().startsWith(QLatin1String("close"), Qt::CaseInsensitive);
    if (!closing) audio::EnsureOutput();
    // The host's own command strings were ANSI text; here file names are UTF-8
    // like every other path on the system.
    audio::CommandResult r = audio::Commands().send(command.toStdString());
    // Not on the way out: the quit path closes every alias.
    if (!closing) ReportSoundFontProblem();
    MciReply = bufferText(r.reply, kReplyLength);
    if (r.error != 0) {
        std::optional<std::string> text = audio::ErrorText(r.error);
        if (text) {
            MciErrorText = bufferText(*text, kErrorTextLength);
            MciLastText = MciErrorText;
        } else {
            MciLastText = kUnknownErrorText;
        }
        MciLastError = r.error;
        if (showError) host::ShowMessageBox(MciLastText, kMciErrorTitle, host::MsgIcon::Critical);
        return;
    }
    MciLastText = MciReply;
    MciLastError = 0;
    // "wait" returns when the music has played to its end point.
    if (r.waitMs > 0) WaitMs(static_cast<int32_t>(std::min<int64_t>(r.waitMs, INT32_MAX)));
}

void MciPlay(const QString& alias, bool wait, const QString& from, const QString& to, bool showError) {
    QString command = QStringLiteral("play ") + alias;
    if (!from.isEmpty()) command += QStringLiteral(" from ") + from;
    if (!to.isEmpty()) command += QStringLiteral(" to ") + to;
    if (wait) command += QStringLiteral(" wait");
    MciSend(command, showError);
}

void MciClose(const QString& alias, bool showError) {
    MciSend(QStringLiteral("close ") + alias, showError);
}
