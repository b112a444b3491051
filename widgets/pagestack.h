#pragma once

#include <QStackedWidget>
#include <QWidget>

// The wizard's stack of pages, and its pages, whose texts are in the serif face at 16 pixels. The
// layout file makes each page without a parent and adds it to the stack once its controls are
// made; a page that has the face from the start makes its controls in it, so they do not lay out
// their texts twice, first in the default face and again when the page joins the stack.
class TPageStack : public QStackedWidget
{
    Q_OBJECT
public:
    explicit TPageStack(QWidget *parent = nullptr);

    // Shows the page and focuses its first control in the window's tab order, wherever the page
    // itself stands in it; false when the page has none that takes the focus.
    bool showPage(int page);
};

class TPage : public QWidget
{
    Q_OBJECT
public:
    explicit TPage(QWidget *parent = nullptr);
};
