#include "results/printerchoice.h"

#include "results/outputdevices.h"
#include "widgets/savefilechoice.h"
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
    if (!(answerHook() ? answerHook()(printer) : OutputDevices::askPrinter(printer, parent)))
        return false;
    // "Print to file" onto the entries would lose them, as an export there would.
    return printer.outputFileName().isEmpty() || !SaveFileChoice::refusedAsInput(parent, printer.outputFileName());
}

void PrinterChoice::setAnswer(Answer answer)
{
    answerHook() = std::move(answer);
}
