#include "app/startup.h"

#include "app/data_files.h"
#include "app/forms.h"
#include "app/options.h"
#include "app/picture_file.h"
#include "app/resetup_form.h"
#include "app/state.h"
#include "platform/memory.h"
#include "platform/message_box.h"
#include "platform/program_folder.h"
#include "platform/settings_store.h"

#include <QFileInfo>

const QString kIntegrityTitle = QStringLiteral("Vantrax 自己保護機能");
const QString kIntegrityText = QStringLiteral(
    "必要なファイル、情報が足りないかデータが異常です。\r\n"
    "Vantraxを指示に従って初期化してください。\r\n"
    "次回起動時に問題がなければ、再インストールの必要はありません。\r\n"
    "しかし再び、このメッセージが表示される場合はファイルが誤って消去された可能性があります。\r\n"
    "[OK]を押すと初期化を実行します。詳しくはﾍﾙﾌﾟをご覧ください。");

bool IntegrityCheck() {
    for (const QString& name : AllDataFileNames())
        if (!QFileInfo(name).isFile()) return false;
    // The cursor is drawn by the window system, not enlarged with the screens:
    // the screen's density alone chooses it and the message sheet, so a duel
    // at 1x holds no 2x picture. The message window, drawn at the screens'
    // factor, fetches the 2x sheet itself when it needs it. Nothing shows the
    // emblem; it is loaded to check it.
    MesSheetPicture = LoadPicture(DataFileName("Data", 5), HostScreenRatio());
    if (MesSheetPicture.isNull()) return false;
    HandCursor = LoadPicture(DataFileName("Data", 11), HostScreenRatio());
    if (HandCursor.isNull()) return false;
    Data1Picture = LoadPicture(DataFileName("Data", 1), 1.0);
    return !Data1Picture.isNull();
}

namespace {
bool startupChecks() {
    // Writes cut off by a kill leave their temporary files beside the store.
    host::settings().cleanUp();
    // A store that cannot be parsed at all counts like an option that cannot be converted.
    if (host::settings().damaged()) return false;
    if (!ReadOptions()) return false;
    if (!host::ChDirProgram()) return false;
    return IntegrityCheck();
}
}  // namespace

bool Main(const StartupWindows& windows) {
    host::KeepHeapSmall();
    if (!startupChecks()) {
        host::ShowMessageBox(kIntegrityText, kIntegrityTitle, host::MsgIcon::Critical);
        ResetupForm& resetup = Forms::Get<ResetupForm>();
        if (windows.dressDialog) windows.dressDialog(resetup);
        resetup.ShowModal();
        return false;
    }
    if (windows.showMainWindow) windows.showMainWindow();
    if (windows.showBackdrop) windows.showBackdrop();
    if (windows.showOpening) windows.showOpening();
    return true;
}
