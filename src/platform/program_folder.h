#pragma once
// The program folder: where the numbered data files and the help file lie.
// Data files are opened by bare name after making it the current folder.
#include <QString>

namespace host {

// Next to the executable when the data files are there (the build tree),
// otherwise the installed data folder.
QString ProgramFolder();
void setProgramFolder(const QString& path);
// Makes the program folder the current folder. False if that failed.
bool ChDirProgram();

}  // namespace host
