#pragma once

#include <QWidget>

class QToolButton;

// Two small arrow buttons stacked one above the other, as beside a month or a year.
class TSpinner : public QWidget
{
    Q_OBJECT
public:
    TSpinner(const QString &upName, const QString &downName, QWidget *parent = nullptr);
    QToolButton *upButton() const { return m_up; }
    QToolButton *downButton() const { return m_down; }

signals:
    void upClicked();
    void downClicked();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QToolButton *m_up;
    QToolButton *m_down;
};
