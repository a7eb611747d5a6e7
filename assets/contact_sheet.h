#pragma once
#include <QString>

// Writes one PNG with every generated picture at its real size. Returns the
// process exit code.
int WriteContactSheet(const QString& programDir, const QString& resDir, const QString& outPng);
