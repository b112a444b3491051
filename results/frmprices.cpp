#include "results/frmprices.h"

#include "ui_frmprices.h"
#include "widgets/fonts.h"
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>

TfrmPrices::TfrmPrices(const PricesChoice &choice, const LocaleSettings &locale, DateValue today, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfrmPrices>()), m_choice(choice), m_locale(locale), m_today(today)
{
    ui->setupUi(this);
    setFixedSize(size());
    // Only euros of another region need a euro country; euros at home take the home table.
    const bool euro = locale.currencySymbol == QStringLiteral("€") && locale.homeCurrency() != locale.currencySymbol;
    for (const QString &code : euroRegions())
        ui->cbEuro->addItem(QLocale::territoryToString(QLocale::codeToTerritory(code)), code);
    ui->lblEuro->setVisible(euro);
    ui->cbEuro->setVisible(euro);
    const int euroIndex = ui->cbEuro->findData(priceRegionOf(choice, locale));
    ui->cbEuro->setCurrentIndex(qMax(0, euroIndex));
    connect(ui->cbEuro, &QComboBox::currentIndexChanged, this, &TfrmPrices::showTable);
    connect(ui->numRate, &QDoubleSpinBox::valueChanged, this, [this](double rate) { m_choice.rate = rate; });
    connect(ui->btDefaultRate, &QPushButton::clicked, this, [this] {
        m_choice.rate.reset();
        showTable();
    });
    // The box's own captions have no access key here, unlike every other window's OK and Cancel.
    ui->buttonBox->button(QDialogButtonBox::Ok)->setText(tr("&OK"));
    ui->buttonBox->button(QDialogButtonBox::Cancel)->setText(tr("&Cancel"));
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showTable();
}

TfrmPrices::~TfrmPrices() = default;

// A rate the user did not set is none: it follows the table in use, and a renewed table.
PricesChoice TfrmPrices::choice() const
{
    PricesChoice c = m_choice;
    if (ui->cbEuro->isVisibleTo(this))
        c.euroRegion = ui->cbEuro->currentData().toString();
    return c;
}

void TfrmPrices::showTable()
{
    PricesChoice c = choice();
    const QString region = priceRegionOf(c, m_locale);
    const PriceSeries *series = PriceTables::builtIn().find(region);
    {
        const QSignalBlocker quiet(ui->numRate);
        ui->numRate->setValue(priceRateFor(c, series));
    }
    const PriceBasis basis(series, ui->numRate->value(), m_today);
    ui->lblTable->setText(todayprices::tableInUse(basis, region));
    fitLabelFont(ui->lblTable, font(), 8);
    if (series) {
        ui->lblCredit->setText(
            tr("%1\nLicence: %2; copy of %3.", "a price table's source, its licence and the date it was copied")
                .arg(series->source.credit, series->source.licence, todayprices::copyDateText(series->source)));
        ui->lblRate->setText(tr("&Rate after its last year (and before its first), % a year:"));
        ui->lblDefaultRate->setText(tr("Default: the table's mean of its last ten years, %1 %.")
                                        .arg(QLocale().toString(series->recentRate(), 'f', 1)));
    } else {
        ui->lblCredit->setText(tr("There is no price table for these amounts; one rate applies to every year."));
        ui->lblRate->setText(tr("&Rate for every year, % a year:"));
        ui->lblDefaultRate->setText(tr("Default: %1 %.").arg(QLocale().toString(NoTablePriceRate, 'f', 1)));
    }
}

std::optional<PricesChoice> TfrmPrices::ask(const PricesChoice &choice, const LocaleSettings &locale, DateValue today,
                                            QWidget *parent)
{
    TfrmPrices window(choice, locale, today, parent);
    if (window.exec() != QDialog::Accepted)
        return std::nullopt;
    return window.choice();
}
