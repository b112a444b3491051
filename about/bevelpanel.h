#pragma once

#include <QWidget>

// A panel with a lowered outer and a raised inner bevel, each three pixels wide, in the colours of
// its palette's button face.
class TBevelPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TBevelPanel(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
