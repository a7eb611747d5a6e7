#pragma once
class QWidget;

// Places a top-level dialog over the middle of the window it belongs to (the
// main window), or of the screen when it has none.
void CenterDialog(QWidget& dialog);
