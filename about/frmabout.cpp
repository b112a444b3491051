#include "about/frmabout.h"

#include "about/digmarquee.h"
#include "about/gradientback.h"
#include "settings/programfolder.h"
#include "widgets/prompts.h"
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <qdrawutil.h>

namespace {
const QString HomeHost = QStringLiteral("www.brightwell.example");

// A panel with a lowered outer and a raised inner bevel, each three pixels wide.
class BevelPanel : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QBrush face = palette().brush(QPalette::Button);
        qDrawShadePanel(&painter, rect(), palette(), true, 3, &face);
        qDrawShadePanel(&painter, rect().adjusted(3, 3, -3, -3), palette(), false, 3, &face);
    }
};

QFont pixelFont(const QString &family, int pixels, bool bold = false)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel *addLabel(QWidget *parent, const char *name, const QString &text, int pixels, const QColor &colour)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(pixelFont(QStringLiteral("MS Sans Serif"), pixels, true));
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    return label;
}

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

// Writes the two-line shortcut. A half-written file is removed, because an existing file is
// never rewritten and would otherwise stay broken for good.
bool writeShortcut(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
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

TfrmAbout::TfrmAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("How to contact us"));
    setFixedSize(420, 337);
    setFont(pixelFont(QStringLiteral("System"), 13));

    // Created first so that everything else lies on top of it.
    GradientBack1 = new TGradientBack(this);
    GradientBack1->setObjectName(QStringLiteral("GradientBack1"));
    GradientBack1->setGeometry(0, 0, 420, 316);
    GradientBack1->setIsAllBlue(true);

    // The panel's texts have fixed colours, so its face is fixed too: black and navy stay
    // readable under a dark desktop theme.
    Panel1 = new BevelPanel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(18, 10, 385, 254);
    QPalette panelPalette(QColor(0xF0, 0xF0, 0xF0));
    panelPalette.setColor(QPalette::WindowText, Qt::black);
    Panel1->setPalette(panelPalette);

    const QColor navy(0, 0, 128);
    ProductName = addLabel(Panel1, "ProductName", QStringLiteral("Lifetally version 1.0"), 13, Qt::black);
    ProductName->setGeometry(16, 13, 353, 19);
    ProductName->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    Label4 = addLabel(Panel1, "Label4", QStringLiteral("Compliments of:"), 11, navy);
    Label4->setGeometry(16, 72, 353, 13);
    Label4->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    Comments = addLabel(Panel1, "Comments", QStringLiteral("P.O. Box 1000"), 11, Qt::black);
    Comments->move(141, 112);
    Comments->adjustSize();

    Label1 = addLabel(Panel1, "Label1", QStringLiteral("Anytown, ST 00000-0000"), 11, Qt::black);
    Label1->move(97, 130);
    Label1->adjustSize();

    Label7 = addLabel(Panel1, "Label7",
                      QStringLiteral("Please visit our web site to see the other shareware and freeware "
                                     "programs we make."),
                      11, navy);
    Label7->setGeometry(15, 172, 355, 35);
    Label7->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label7->setWordWrap(true);

    Label5 = addLabel(Panel1, "Label5", homePage(), 11, Qt::black);
    Label5->setGeometry(12, 222, 361, 13);
    Label5->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    const QFont buttonFont = pixelFont(QStringLiteral("MS Sans Serif"), 11);
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(62, 277, 129, 27);
    OKButton->setFont(buttonFont);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    btWeb = new QPushButton(QStringLiteral("Brightwell Home Page"), this);
    btWeb->setObjectName(QStringLiteral("btWeb"));
    btWeb->setGeometry(210, 277, 149, 27);
    btWeb->setFont(buttonFont);
    btWeb->setToolTip(QStringLiteral("Launch your browser to Brightwell Home Page"));
    connect(btWeb, &QPushButton::clicked, this, &TfrmAbout::btWebClick);

    DigMarquee1 = new TDigMarquee(this);
    DigMarquee1->setObjectName(QStringLiteral("DigMarquee1"));
    // Placed before the caption is set, so the text starts at the right edge of the full width.
    DigMarquee1->setGeometry(0, 316, 420, 21);
    DigMarquee1->setSpeed(6);
    DigMarquee1->setInterval(60);
    DigMarquee1->setCaption(QStringLiteral("~4 come check out our home page and other shareware and freeware "
                                           "software by brightwell corporation at ") +
                            HomeHost.toLower());

    OKButton->setFocus();
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
}

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
        Prompts::applicationError(this, QStringLiteral("Unable to write to ") + path);
    } else {
        const QUrl address = shortcutAddress(path);
        if (!isWebAddress(address) || !openWithDesktop(address))
            Prompts::showError(this, QStringLiteral("Couldn't open web browser for home page ") + path);
    }
    // The window closes in every case, like the OK button.
    accept();
}
