#pragma once
// Prints a sheet as one document: each line in the Gothic face at its size in
// points, one under another from the top of the page.
#include <QPrinter>

#include "records/export_sheets.h"

namespace records {

// False when the printer could not take the document.
bool PrintSheet(QPrinter& printer, const QString& title, const Sheet& sheet);

}  // namespace records
