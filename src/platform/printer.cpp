#include "platform/printer.h"

#include <QPrinterInfo>

namespace host {

namespace {
PrinterFactory& factory() {
    static PrinterFactory f;
    return f;
}
}  // namespace

std::unique_ptr<QPrinter> DefaultPrinter() {
    if (factory()) return factory()();
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

std::unique_ptr<QPrinter> PdfPrinter(const QString& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    return printer;
}

PrinterFactory setPrinterFactory(PrinterFactory f) {
    PrinterFactory old = std::move(factory());
    factory() = std::move(f);
    return old;
}

}  // namespace host
