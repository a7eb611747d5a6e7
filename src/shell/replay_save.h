#pragma once
// The main window's "save the replay" command: the last finished duel's replay
// (LastReplay) written to a file the player chooses.
#include <QString>
#include <functional>

class QAction;
class QMenu;
class QWidget;

// Adds the command to the file menu; it is offered only while there is a
// replay to save and `idle` says no duel or scene is running (the file
// dialog's own loop would let a duel play on behind it).
QAction* AddSaveReplayCommand(QMenu* fileMenu, QWidget* parent, std::function<bool()> idle);
// Writes the last replay to `path` as a whole (a failed write leaves what was
// there). On failure `error` says why and where.
bool SaveReplayTo(const QString& path, QString& error);
