#include "widgets/spinner.h"

#include <QToolButton>

TSpinner::TSpinner(QWidget *parent) : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this))
{
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    m_up->setObjectName(QStringLiteral("up"));
    m_down->setObjectName(QStringLiteral("down"));
    m_up->setAutoRepeat(true);
    m_down->setAutoRepeat(true);
    m_up->setFocusPolicy(Qt::NoFocus);
    m_down->setFocusPolicy(Qt::NoFocus);
    connect(m_up, &QToolButton::clicked, this, &TSpinner::upClicked);
    connect(m_down, &QToolButton::clicked, this, &TSpinner::downClicked);
}

QString TSpinner::upName() const
{
    return m_up->accessibleName();
}

void TSpinner::setUpName(const QString &name)
{
    m_up->setAccessibleName(name);
}

QString TSpinner::downName() const
{
    return m_down->accessibleName();
}

void TSpinner::setDownName(const QString &name)
{
    m_down->setAccessibleName(name);
}

void TSpinner::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}
