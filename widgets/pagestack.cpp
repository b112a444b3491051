#include "widgets/pagestack.h"

#include "widgets/fonts.h"

TPageStack::TPageStack(QWidget *parent) : QStackedWidget(parent)
{
    setFont(serifFont(16));
}

bool TPageStack::showPage(int page)
{
    setCurrentIndex(page);
    QWidget *shown = currentWidget();
    QWidget *top = window();
    for (QWidget *w = top->nextInFocusChain(); w && w != top; w = w->nextInFocusChain()) {
        if (shown->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(top) && w->isEnabled()) {
            w->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return false;
}

TPage::TPage(QWidget *parent) : QWidget(parent)
{
    setFont(serifFont(16));
}
