#pragma once
// The Image controls of the new-game, save-slot and player data windows are
// buttons cut from the button sheets.
#include "look/key_button.h"

#include <QPixmap>

// A cell of a button sheet; a sheet that could not be read gives an empty
// picture of the cell's size, so the window keeps its layout.
QPixmap SheetCell(const QPixmap& sheet, int left, int top, int width, int height);
