#include "widgets/pagestack.h"

#include "widgets/fonts.h"

TPageStack::TPageStack(QWidget *parent) : QStackedWidget(parent)
{
    setFont(serifFont(16));
}

TPage::TPage(QWidget *parent) : QWidget(parent)
{
    setFont(serifFont(16));
}
