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

bool PrinterChoice::ask(QPagedPaintDevice &printer, QWidget *parent)
{
    auto &chosen = static_cast<QPrinter &>(printer);
    if (!(answerHook() ? answerHook()(chosen) : OutputDevices::askPrinter(printer, parent)))
        return false;
    // "Print to file" onto the entries would lose them, as an export there would.
    return chosen.outputFileName().isEmpty() || !SaveFileChoice::refusedAsInput(parent, chosen.outputFileName());
}

void PrinterChoice::setAnswer(Answer answer)
{
    answerHook() = std::move(answer);
}
