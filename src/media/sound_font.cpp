#include "media/sound_font.h"

#include "app/data_files.h"
#include "app/state.h"
#include "platform/audio_engine.h"
#include "platform/message_box.h"
#include "platform/program_folder.h"
#include "platform/settings_store.h"

#include <QDir>
#include <QFile>

void ApplySoundFontOption() {
    // Written by hand into the file: blanks around it are the writer's, and
    // "~/" is how a player names the home folder.
    QString path = host::GetSetting(kAppName, QStringLiteral("Option"), kSoundFontKey).trimmed();
    if (path.startsWith(QLatin1String("~/"))) path = QDir::homePath() + path.mid(1);
    audio::AudioEngine& engine = audio::AudioEngine::instance();
    // The game's own tracks: only the instruments they play are loaded.
    std::vector<std::string> songs;
    const QDir folder(host::ProgramFolder());
    for (int n = 1; n <= DataGroupCount("cData"); ++n)
        songs.push_back(QFile::encodeName(folder.absoluteFilePath(DataFileName("cData", n))).toStdString());
    engine.setSongFiles(std::move(songs));
    engine.setSoundFontPath(QFile::encodeName(path).toStdString());
}

void ReportSoundFontProblem() {
    audio::AudioEngine& engine = audio::AudioEngine::instance();
    std::optional<audio::SoundFontProblem> p = engine.takeSoundFontProblem();
    if (!p) return;
    QString why;
    switch (p->fault) {
        case audio::SoundFontFault::Missing:
            why = QStringLiteral("ファイルが見つかりません。");
            break;
        case audio::SoundFontFault::NotAFile:
            why = QStringLiteral("フォルダーなどで、ファイルではありません。");
            break;
        case audio::SoundFontFault::Unreadable:
            why = QStringLiteral("ファイルを開くことが許されていません。");
            break;
        case audio::SoundFontFault::NotASoundFont:
            why = QStringLiteral("SoundFont のファイルではありません。");
            break;
        case audio::SoundFontFault::Refused:
            why = QStringLiteral("ファイルが壊れていて読み込めません。");
            break;
    }
    const QString then = engine.soundFontState() == audio::SoundFontState::Failed
                             ? QStringLiteral("ほかに使える SoundFont がないため、音楽は鳴りません。")
                             : QStringLiteral("代わりにインストールされている SoundFont で演奏します。");
    host::ShowMessageBox(
        QStringLiteral("設定された SoundFont を使えません。%1\n%2\n%3")
            .arg(why, QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(p->path))), then),
        QStringLiteral("マルチメディアエラー"), host::MsgIcon::Critical);
}
