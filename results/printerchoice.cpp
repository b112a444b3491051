#include "results/printerchoice.h"

#include "results/outputdevices.h"
#include <QPrinter>

namespace {
PrinterChoice::Answer &answerHook()
{
    static PrinterChoice::Answer answer;
    return answer;
}
} // namespace

bool PrinterChoice::ask(QPrinter &printer, QWidget *parent)
{
    if (answerHook())
        return answerHook()(printer);
    return OutputDevices::askPrinter(printer, parent);
}

void PrinterChoice::setAnswer(Answer answer)
{
    answerHook() = std::move(answer);
}
