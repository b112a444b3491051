#pragma once

#include <functional>

class QPrinter;
class QWidget;

// The printer dialog, asked only in production: tests answer it instead, and may point the printer
// at a PDF file while doing so.
class PrinterChoice
{
public:
    using Answer = std::function<bool(QPrinter &)>;

    // Runs the printer dialog on `printer`; true when the user confirmed. A file to print to that
    // is the settings file or one of its companions is refused with a warning, and the answer is
    // false.
    static bool ask(QPrinter &printer, QWidget *parent);
    // Replaces the dialog by `answer` until cleared with an empty function.
    static void setAnswer(Answer answer);

private:
    PrinterChoice() = delete;
};
