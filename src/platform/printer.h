#pragma once
// The printer that sheets go to: the system's default printer, or none when
// the system has no printer at all. Tests send sheets to PDF files instead.
#include <QPrinter>
#include <functional>
#include <memory>

namespace host {

std::unique_ptr<QPrinter> DefaultPrinter();
// A printer that writes the document to a PDF file.
std::unique_ptr<QPrinter> PdfPrinter(const QString& path);

using PrinterFactory = std::function<std::unique_ptr<QPrinter>()>;
// Replaces the default printer (an empty factory restores the system's) and
// returns the previous factory.
PrinterFactory setPrinterFactory(PrinterFactory factory);

}  // namespace host
