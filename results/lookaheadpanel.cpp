#include "results/lookaheadpanel.h"

#include "calc/clock.h"
#include "calc/conversionerror.h"
#include "calc/datetext.h"
#include "calc/numbertext.h"
#include "calc/todayprices.h"
#include "tables/activitymodel.h"
#include "tables/activitytotals.h"
#include "widgets/fonts.h"
#include "widgets/guarded.h"
#include <QLabel>
#include <QSpinBox>

LookAheadPanel::LookAheadPanel(QSpinBox *age, QLabel *summary, const std::array<ActivityModel *, 3> &tables,
                               QObject *parent)
    : QObject(parent), m_age(age), m_summary(summary), m_tables(tables)
{
    m_age->setRange(1, MaxLookAheadAge);
    m_age->setValue(m_chosen);
    connect(m_age, &QSpinBox::valueChanged, this, [this] { guarded(m_age->window(), [this] { ageEdited(); }); });
}

void LookAheadPanel::setChosenAge(int age)
{
    m_chosen = age;
    m_adjusting = true;
    m_age->setValue(age);
    m_adjusting = false;
}

void LookAheadPanel::refresh(const QString &birthText)
{
    m_birthText = birthText;
    DateValue birth = 0;
    if (tryStrToDate(birthText, birth)) {
        m_adjusting = true;
        m_age->setMinimum(lowestLookAheadAge(birth, Clock::now()));
        m_age->setValue(boundedLookAheadAge(m_chosen, birth, Clock::now()));
        m_adjusting = false;
    }
    apply();
}

void LookAheadPanel::ageEdited()
{
    if (m_adjusting)
        return;
    m_chosen = m_age->value();
    apply();
}

void LookAheadPanel::apply()
{
    const std::optional<LookAhead> ahead = lookAheadOf(m_birthText, m_age->value());
    for (ActivityModel *table : m_tables)
        table->setLookAhead(ahead);
    m_summary->clear();
    if (!ahead)
        return;
    try {
        const double hours = computeProjectedSubTotal(*m_tables[0]);
        const double money = computeProjectedSubTotal(*m_tables[1]);
        m_summary->setText(tr("%1: %2 hours and %3 spent", "up to an age: hours and money spent by then")
                               .arg(byAgeWords(*ahead), formatWhole(hours), formatMoneyWhole(money)));
        if (const PriceBasis *prices = todayprices::inForce())
            m_summary->setText(tr("%1 in %2", "the summary, then the prices' year wording")
                                   .arg(m_summary->text(), todayprices::yearPrices(*prices)));
        // The page's face, smaller where a language's line would not fit the page.
        fitLabelFont(m_summary, m_summary->parentWidget()->font(), 9);
    } catch (const ConversionError &) {
        // A row that cannot be counted is reported when the totals are counted; the line stays empty.
    }
}
