#include "about/frmabout.h"

#include "calc/clock.h"
#include "calc/todayprices.h"
#include "settings/programfolder.h"
#include "ui_frmabout.h"
#include "widgets/fonts.h"
#include "widgets/prompts.h"
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QScreen>

namespace {
QString pricesCredit()
{
    PricesChoice choice;
    choice.today = true;
    const std::optional<PriceBasis> own = priceBasisOf(choice, LocaleSettings::current(), Clock::now());
    const PriceBasis *basis = todayprices::inForce() ? todayprices::inForce() : &*own;
    const PriceSeries *series = basis->series();
    if (!series)
        return TfrmAbout::tr("Prices: no price table for these amounts.");
    return TfrmAbout::tr("Prices: %1. %2", "a country, then the price table's source")
        .arg(series->country, series->source.credit);
}

// The layout file's marquee caption and address line name the same host.
const QString HomeHost = QStringLiteral("www.brightwell.example");

TfrmAbout::UrlOpener &urlOpener()
{
    static TfrmAbout::UrlOpener opener;
    return opener;
}

bool openWithDesktop(const QUrl &url)
{
    if (urlOpener())
        return urlOpener()(url);
    return QDesktopServices::openUrl(url);
}

// Writes the two-line shortcut, readable by its owner only as the settings file beside it is. A
// half-written file is removed, because an existing file is never rewritten and would otherwise
// stay broken for good.
bool writeShortcut(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return false;
    const QByteArray content = "[InternetShortcut]\r\nURL=" + TfrmAbout::homePage().toUtf8() + "\r\n";
    const bool written = file.write(content) == content.size() && file.flush();
    file.close();
    if (!written || file.error() != QFileDevice::NoError) {
        file.remove();
        return false;
    }
    return true;
}

// The URL entry of the [InternetShortcut] section, or an empty address.
QUrl shortcutAddress(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QUrl();
    // A shortcut is a few lines; anything much larger is not one.
    const QByteArray content = file.read(64 * 1024);
    bool inSection = false;
    for (const QByteArray &rawLine : content.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inSection = line.compare(QLatin1String("[InternetShortcut]"), Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (inSection && equals > 0 &&
            line.left(equals).trimmed().compare(QLatin1String("URL"), Qt::CaseInsensitive) == 0)
            return QUrl(line.mid(equals + 1).trimmed(), QUrl::StrictMode);
    }
    return QUrl();
}

// Only web pages: a shortcut file can be edited to point at anything, and handing a local program
// or script to the desktop from an about box is not what the button promises.
bool isWebAddress(const QUrl &url)
{
    return url.isValid() && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")) &&
           !url.host().isEmpty();
}
} // namespace

TfrmAbout::TfrmAbout(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::TfrmAbout>())
{
    ui->setupUi(this);

    // Designer files give point sizes only; the window's faces are sized in pixels.
    setFont(pixelFont(QStringLiteral("System"), 13));
    ui->ProductName->setFont(sansFont(13, true));
    for (QLabel *label : {ui->Label4, ui->Comments, ui->Label1, ui->Label7, ui->Label5})
        label->setFont(sansFont(11, true));
    ui->OKButton->setFont(sansFont(11));
    ui->btWeb->setFont(sansFont(11));
    // The price table that measures money in today's prices, named with its credit line.
    // One line below the panel's address: a longer credit (a long country name, another
    // language) is cut with an ellipsis there, whole in the tooltip, the report and Prices.
    ui->lblPrices->setFont(sansFont(8));
    ui->lblPrices->setWordWrap(false);
    const QString credit = pricesCredit();
    ui->lblPrices->setText(
        QFontMetrics(ui->lblPrices->font()).elidedText(credit, Qt::ElideRight, ui->lblPrices->width()));
    ui->lblPrices->setToolTip(credit);
    // These two size themselves to their text, in whatever face stands in for the one asked for,
    // and stand centred under the panel's other lines.
    for (QLabel *line : {ui->Comments, ui->Label1}) {
        line->adjustSize();
        line->move(ui->Label4->geometry().center().x() - line->width() / 2, line->y());
    }

    // The panel's texts have fixed colours, so its face is fixed too: black and navy stay readable
    // under a dark desktop theme. Qt derives the bevel's shades from the one face colour, which
    // the layout file could only spell out role by role.
    QPalette panelPalette(QColor(0xF0, 0xF0, 0xF0));
    panelPalette.setColor(QPalette::WindowText, Qt::black);
    ui->Panel1->setPalette(panelPalette);

    // Nothing in the handler can fail: a shortcut that cannot be written is reported there.
    connect(ui->OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->btWeb, &QPushButton::clicked, this, &TfrmAbout::btWebClick);

    ui->OKButton->setFocus();
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
}

TfrmAbout::~TfrmAbout() = default;

void TfrmAbout::showModal(QWidget *parent)
{
    TfrmAbout dialog(parent);
    dialog.exec();
}

QString TfrmAbout::homePage()
{
    return QStringLiteral("http://") + HomeHost + QLatin1Char('/');
}

QString TfrmAbout::shortcutPath()
{
    return programFolder() + QStringLiteral("BRIGHTWELL.URL");
}

void TfrmAbout::setUrlOpener(UrlOpener opener)
{
    urlOpener() = std::move(opener);
}

void TfrmAbout::btWebClick()
{
    const QString path = shortcutPath();
    if (!QFileInfo::exists(path) && !writeShortcut(path)) {
        Prompts::applicationError(this, tr("Unable to write to %1").arg(path));
    } else {
        const QUrl address = shortcutAddress(path);
        if (!isWebAddress(address) || !openWithDesktop(address))
            Prompts::showError(this, tr("Couldn't open web browser for home page %1").arg(path));
    }
    // The window closes in every case, like the OK button.
    accept();
}
