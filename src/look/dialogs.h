#pragma once
class QWidget;

// Places a top-level dialog over the middle of the window it belongs to (the
// main window), or of the screen when it has none.
void CenterDialog(QWidget& dialog);

// Gives a dialog a title bar and a close button only, at the size its layout
// asks for: the window manager then offers no minimise or maximise, which
// would leave a small dialog stretched over the screen or hidden with no
// button of its own in the task bar.
void FixedDialogFrame(QWidget& dialog);

// Dresses a dialog in the game's look, as the title is drawn: the night sky
// with the gold frame behind it, parchment text, and every push button drawn
// as a parchment plaque (lit while the pointer or the focus is on it). The
// controls keep their names, texts and keys; only their painting changes.
void DressDialog(QWidget& dialog);
