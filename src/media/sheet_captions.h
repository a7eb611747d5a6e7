#pragma once
// What the cells of the shared button sheet "Data4._vx" say: the name a
// screen reader gives a button cut from the sheet is the caption the player
// sees on it.
#include "media/sheet_layout.h"

#include <QString>

inline QString Sheet4Caption(int cell) {
    switch (cell) {
        case Sheet4::Start:
            return QStringLiteral("スタート");
        case Sheet4::Stop:
            return QStringLiteral("ストップ");
        case Sheet4::Cancel:
            return QStringLiteral("キャンセル");
        case Sheet4::Quit:
            return QStringLiteral("やめる");
        case Sheet4::Next:
            return QStringLiteral("次へ");
        case Sheet4::Finish:
            return QStringLiteral("完了");
        case Sheet4::Previous:
            return QStringLiteral("前へ");
        case Sheet4::Save:
            return QStringLiteral("セーブ");
        case Sheet4::Load:
            return QStringLiteral("ロード");
        case Sheet4::Close:
            return QStringLiteral("閉じる");
        case Sheet4::Back:
            return QStringLiteral("戻る");
        case Sheet4::Ok:
            return QStringLiteral("決定");
        default:
            return QString();
    }
}
