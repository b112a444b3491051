#include "results/printerchoice.h"

#include <QPrintDialog>
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
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void PrinterChoice::setAnswer(Answer answer)
{
    answerHook() = std::move(answer);
}
