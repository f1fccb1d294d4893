#pragma once
// Printing a window: an image of its client area, scaled to the page, sent
// to the default printer without a dialog. Without a printer the same page
// is written as a PDF file instead. Nothing is reported; the result only
// tells tests what happened.

#include <string>

class QWidget;

namespace kes {

enum class PrintResult { Printed, WrotePdf, Failed };

// pdfName: the file written, in the current folder, when there is no printer.
PrintResult printWindow(QWidget* window, const std::string& pdfName);

// Tests: while off, a printer installed on the machine is never used, so the
// PDF is written instead.
void setPrintersEnabled(bool enabled);

}  // namespace kes
