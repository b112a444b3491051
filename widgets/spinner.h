#pragma once

#include <QWidget>

class QToolButton;

// Two small arrow buttons stacked one above the other, as beside a month or a year.
class TSpinner : public QWidget
{
    Q_OBJECT
    // What a screen reader calls each arrow.
    Q_PROPERTY(QString upName READ upName WRITE setUpName)
    Q_PROPERTY(QString downName READ downName WRITE setDownName)

public:
    explicit TSpinner(QWidget *parent = nullptr);
    QToolButton *upButton() const { return m_up; }
    QToolButton *downButton() const { return m_down; }

    QString upName() const;
    void setUpName(const QString &name);
    QString downName() const;
    void setDownName(const QString &name);

signals:
    void upClicked();
    void downClicked();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QToolButton *m_up;
    QToolButton *m_down;
};
