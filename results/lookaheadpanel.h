#pragma once

#include "calc/lookahead.h"
#include <QObject>
#include <QString>
#include <array>

class ActivityModel;
class QLabel;
class QSpinBox;

// The results page's look-ahead: the age spin box, the line that says what the hours and money
// tables come to by that age, and the look-ahead the three tables explain their totals with.
class LookAheadPanel : public QObject
{
    Q_OBJECT
public:
    LookAheadPanel(QSpinBox *age, QLabel *summary, const std::array<ActivityModel *, 3> &tables, QObject *parent);

    // The age the user chose, as the settings file keeps it. The spin box may show a higher one
    // while the chosen age lies below its lowest value.
    int chosenAge() const { return m_chosen; }
    void setChosenAge(int age);
    // After the totals were counted: the spin box's range, every explanation and the summary
    // line. A birth date that is not a date gives no look-ahead.
    void refresh(const QString &birthText);

private:
    void ageEdited();
    void apply();

    QSpinBox *m_age;
    QLabel *m_summary;
    std::array<ActivityModel *, 3> m_tables; // hours, money, frequency
    int m_chosen = DefaultLookAheadAge;
    QString m_birthText;
    bool m_adjusting = false;
};
