#pragma once
// The named shared procedures: the only way one game subsystem reaches
// another. Each is declared here once and defined by the subsystem that owns
// it; a subsystem includes this header, never another subsystem's headers.
// Together with the program-wide state (app/state.h) this is the whole seam
// between the duel, the campaign, the shell, the records and the scenes.
#include <QString>
#include <cstdint>
#include <optional>

// ---- duel ---------------------------------------------------------------
// Opens the duel window (not modal) against the given opponent. The caller has
// set GameMode and unloaded its own window. The three strengths must lie in
// 0..255.
void StartDuel(const QString& name, int16_t face, int32_t paramA, int32_t paramB, int32_t paramC, int16_t music);
// Routes a finished duel back to whoever started it, by GameMode. Runs after
// the duel window has been unloaded, so it may start the next duel at once.
void DuelEnd(bool won, int32_t score);
// The opponents' lines: situation 0 before the duel, 1 after the player won,
// 2 after the player lost. Empty outside faces 1..27 and situations 0..2.
QString FoeLine(int32_t face, int32_t situation);

// ---- campaign -----------------------------------------------------------
// Shows the message window modally with a face, a speaker line and a text.
// question makes a yes/no question; otherwise waitForOk makes an OK message and
// false a timed one. Returns -1 when a question was answered yes, else 0.
int16_t MesBox(int16_t face, const QString& speaker, const QString& text, bool question, bool waitForOk);
// Face 28 is the guide, who speaks every briefing and system message.
inline constexpr int16_t kGuideFace = 28;
// "案内人", two spaces and the guide's name: the speaker of every guide message.
QString GuideLine();
// Display name of face 0..28; empty outside.
QString FoeDisplayName(int face);
// The first-castle map (NewMapForm) and the new-castle map (NewNewMap): each
// is shown, then its Startup runs.
void ShowNewMap();
void ShowNewNewMap();
// The new-game window (NewForm).
void ShowNewGame();
// The save-slot window (GameData), saving when SaveMode is true.
void ShowGameData();
// The player data window (MyData).
void ShowMyData();
// The menu's save command: does what the open castle map's save button does,
// while the map shows that button; nothing while no map waits for the player.
void MapSaveCommand();

// ---- shell --------------------------------------------------------------
// Puts the main window's menus into mode 0 (duel and scenes), 1 (title) or 2
// (castle maps).
void SetMenu(int16_t mode);
// The loading backdrop's eight-square progress bar, which the opening writes
// while it preloads its pictures and hides when it is done. Nothing happens
// while no backdrop is open.
void SetLoadingProgress(const QString& bar);
void HideLoadingProgress();
// Shows the key-capture window modally and returns the Windows virtual-key
// code released in it, or 0 when it was closed without a key.
int16_t CaptureKey();
// The title window (OpenForm) and the practice window (p_MainForm).
void ShowTitle();
void ShowPractice();
// Closes the title window if it is open: a new game or a load leaves it.
void CloseTitle();

// ---- media --------------------------------------------------------------
void PlayMusic(int16_t n);
void StopMusic(int16_t n);
void PlayEffect(int32_t n);

// ---- records ------------------------------------------------------------
// The save-data codec: pure, but drawing from the process-wide random source.
QString EncPair(int32_t v);
QString DecPair(const QString& c);
QString EncNum(int32_t v);
int32_t DecNum(const QString& s);
// Empty when the text holds a character that code page 932 cannot hold.
std::optional<QString> EncText(const QString& t);
QString DecText(const QString& s);
QString EncDigits(const QString& d);
QString DecDigits(const QString& s);
// The record book.
int32_t ReadOfficialRecord();
int32_t ReadPersonalRecord();
void UpdateRecords();
// The official-record export window (IntForm), modal.
void ShowExport();

// ---- scenes -------------------------------------------------------------
// Each shows its scene window; the scene opens the next window itself.
void ShowOpening();
void ShowNewOpening();
void ShowEnding();
void ShowGameOver();
void ShowStaffRoll();
void ShowMaking();
