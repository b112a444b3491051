#include "results/printerchoice.h"

#include "results/outputdevices.h"
// For the type alone: the program calls nothing of Qt's print support itself.
#include <QPrinter>

namespace {
PrinterChoice::Answer &answerHook()
{
    static PrinterChoice::Answer answer;
    return answer;
}
} // namespace

bool PrinterChoice::ask(QPagedPaintDevice &printer, QWidget *parent)
{
    if (answerHook())
        return answerHook()(static_cast<QPrinter &>(printer));
    return OutputDevices::askPrinter(printer, parent);
}

void PrinterChoice::setAnswer(Answer answer)
{
    answerHook() = std::move(answer);
}
