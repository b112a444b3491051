#include "widgets/savefilechoice.h"

#include "settings/settingsfile.h"
#include "widgets/prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {
SaveFileChoice::Answer &answerHook()
{
    static SaveFileChoice::Answer answer;
    return answer;
}

// Kept for the run, so a second export lands beside the first.
QString &lastFolder()
{
    static QString folder;
    return folder;
}
} // namespace

QString SaveFileChoice::ask(QWidget *parent, const QString &caption, const QString &fileName, const QString &filter)
{
    const QString folder = lastFolder().isEmpty() ? QDir::homePath() : lastFolder();
    const QString suggested = QDir(folder).filePath(fileName);
    const QString chosen = answerHook() ? answerHook()(caption, suggested)
                                        : QFileDialog::getSaveFileName(parent, caption, suggested, filter);
    if (chosen.isEmpty())
        return chosen;
    lastFolder() = QFileInfo(chosen).absolutePath();
    return refusedAsInput(parent, chosen) ? QString() : chosen;
}

bool SaveFileChoice::refusedAsInput(QWidget *parent, const QString &chosen)
{
    // An export over the entries would lose them.
    const QString input = settingsFileAt(chosen, settingsFilePath());
    if (input.isEmpty())
        return false;
    Prompts::warning(parent, QCoreApplication::translate("SaveFileChoice",
                                                         "The file %1 is %2; choose another name. Nothing was written.",
                                                         "a file, which file of the program it is")
                                 .arg(QDir::toNativeSeparators(QFileInfo(chosen).absoluteFilePath()), input));
    return true;
}

void SaveFileChoice::setAnswer(Answer answer)
{
    answerHook() = std::move(answer);
}
