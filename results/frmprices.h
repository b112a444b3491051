#pragma once

#include "calc/localesettings.h"
#include "calc/todayprices.h"
#include <QDialog>
#include <memory>
#include <optional>

namespace Ui {
class TfrmPrices;
}

// "Prices": the price table that measures the money totals, its credit line, the euro country
// for amounts in euros, and the rate assumed beyond the table (or for every year without one).
class TfrmPrices : public QDialog
{
    Q_OBJECT

public:
    TfrmPrices(const PricesChoice &choice, const LocaleSettings &locale, DateValue today, QWidget *parent = nullptr);
    ~TfrmPrices() override;

    // The choice as the window leaves it.
    PricesChoice choice() const;
    // Shows the window modally; the new choice when the user pressed OK.
    static std::optional<PricesChoice> ask(const PricesChoice &choice, const LocaleSettings &locale, DateValue today,
                                           QWidget *parent);

private:
    void showTable();

    std::unique_ptr<Ui::TfrmPrices> ui;
    PricesChoice m_choice;
    LocaleSettings m_locale;
    DateValue m_today;
};
