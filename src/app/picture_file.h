#pragma once
// Loading a data picture. It lives below the media layer because start-up
// loads the three shared pictures with it before any window exists.
#include <QPixmap>
#include <QString>

// Loads a data picture by bare file name from the program folder (made current
// first). An empty name gives an empty picture; a file that is missing or not a
// picture gives a null one.
QPixmap LoadPicture(const QString& name);
