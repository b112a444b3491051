#include "about/frmabout.h"
#include "settings/programfolder.h"
#include "widgets/prompts.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
const QByteArray FreshShortcut = "[InternetShortcut]\r\nURL=http://www.brightwell.example/\r\n";

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}
} // namespace

class TestFrmAbout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void nothingOverlaps();
    void enterClosesThroughOk();
    void showModalCreatesAndDestroys();
    void homePageButton_data();
    void homePageButton();
    void shortcutCannotBeWritten();

private:
    void closeModalWithOk();
    void clickHomePage();

    QTemporaryDir m_folder;
    QList<QUrl> m_opened;
    bool m_openResult = true;
    bool m_modalFocusOnOk = false;
    // While showModal runs: the helper looks for the window until the deadline, then gives up.
    bool m_waitingForModal = false;
    bool m_modalMissed = false;
    QDeadlineTimer m_modalDeadline;
};

void TestFrmAbout::init()
{
    QVERIFY(m_folder.isValid());
    QFile::remove(m_folder.filePath(QStringLiteral("BRIGHTWELL.URL")));
    setProgramFolder(m_folder.path());
    Prompts::setTestMode(true);
    m_opened.clear();
    m_openResult = true;
    TfrmAbout::setUrlOpener([this](const QUrl &url) {
        m_opened.append(url);
        return m_openResult;
    });
}

void TestFrmAbout::cleanup()
{
    TfrmAbout::setUrlOpener({});
    Prompts::setTestMode(false);
    setProgramFolder(QString());
}

// What a person sees of the window: every text inside it and clear of every other, the buttons
// reachable by a click, and the address lines centred under "Compliments of:".
void TestFrmAbout::nothingOverlaps()
{
    TfrmAbout about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const auto inWindow = [&about](const QWidget *w, const QRect &r) {
        return QRect(w->mapTo(&about, r.topLeft()), r.size());
    };
    QList<QPair<QString, QRect>> texts;
    for (const QLabel *label : about.findChildren<QLabel *>()) {
        if (!label->isVisible() || label->text().isEmpty())
            continue;
        const Qt::Alignment align = label->alignment();
        const QRect drawn = label->fontMetrics().boundingRect(
            label->contentsRect(), int(align) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0), label->text());
        texts.append({label->objectName(), inWindow(label, drawn)});
    }
    const auto *ok = about.findChild<QPushButton *>(QStringLiteral("OKButton"));
    const auto *web = about.findChild<QPushButton *>(QStringLiteral("btWeb"));
    QVERIFY(ok && web);
    for (const QPushButton *button : {ok, web})
        texts.append({button->objectName(), inWindow(button, button->rect())});
    QVERIFY(texts.size() >= 8);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        QVERIFY2(about.rect().contains(texts[i].second), qPrintable(texts[i].first));
        for (qsizetype j = i + 1; j < texts.size(); ++j)
            QVERIFY2(!texts[i].second.intersects(texts[j].second),
                     qPrintable(texts[i].first + QStringLiteral(" overlaps ") + texts[j].first));
    }
    QCOMPARE(about.childAt(ok->geometry().center()), ok);
    QCOMPARE(about.childAt(web->geometry().center()), web);
    const int middle = about.findChild<QLabel *>(QStringLiteral("Label4"))->geometry().center().x();
    for (const char *line : {"Comments", "Label1"})
        QVERIFY(qAbs(about.findChild<QLabel *>(QLatin1String(line))->geometry().center().x() - middle) <= 1);
    // The address line of the layout file and the shortcut name the same page.
    QCOMPARE(about.findChild<QLabel *>(QStringLiteral("Label5"))->text(), TfrmAbout::homePage());
}

void TestFrmAbout::enterClosesThroughOk()
{
    TfrmAbout about;
    about.show();
    QTest::keyClick(&about, Qt::Key_Return);
    QCOMPARE(about.result(), int(QDialog::Accepted));
    QVERIFY(!about.isVisible());
    QVERIFY(m_opened.isEmpty());
    QVERIFY(!QFile::exists(TfrmAbout::shortcutPath()));
}

void TestFrmAbout::closeModalWithOk()
{
    if (!m_waitingForModal)
        return;
    auto *about = qobject_cast<TfrmAbout *>(QApplication::activeModalWidget());
    if (!about) {
        if (!m_modalDeadline.hasExpired()) {
            QTimer::singleShot(10, this, &TestFrmAbout::closeModalWithOk);
            return;
        }
        // Whatever modal loop is running instead is ended, so the test fails rather than hangs.
        m_modalMissed = true;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *dialog = qobject_cast<QDialog *>(w); dialog && dialog->isVisible())
                dialog->reject();
        return;
    }
    // Checked by the test itself: a failure here would leave the window open.
    auto *ok = about->findChild<QPushButton *>(QStringLiteral("OKButton"));
    m_modalFocusOnOk = about->focusWidget() == ok;
    QTest::mouseClick(ok, Qt::LeftButton);
}

void TestFrmAbout::showModalCreatesAndDestroys()
{
    QWidget owner;
    owner.show();
    m_waitingForModal = true;
    m_modalMissed = false;
    m_modalDeadline.setRemainingTime(5000);
    QTimer::singleShot(0, this, &TestFrmAbout::closeModalWithOk);
    TfrmAbout::showModal(&owner);
    m_waitingForModal = false;
    QVERIFY2(!m_modalMissed, "the about window never became the active modal window");
    QVERIFY(m_modalFocusOnOk);
    QVERIFY(owner.findChildren<TfrmAbout *>().isEmpty());
    QVERIFY(!QApplication::activeModalWidget());
}

void TestFrmAbout::homePageButton_data()
{
    QTest::addColumn<QByteArray>("existing"); // empty: no file yet
    QTest::addColumn<bool>("openSucceeds");
    QTest::addColumn<QString>("opened"); // the address handed to the desktop, if any
    QTest::addColumn<bool>("errorShown");

    const QString home = QStringLiteral("http://www.brightwell.example/");
    QTest::newRow("first press writes the shortcut") << QByteArray() << true << home << false;
    QTest::newRow("edited file used unchanged")
        << QByteArray("[InternetShortcut]\nURL=https://mirror.example.org/apps?x=1\n") << true
        << QStringLiteral("https://mirror.example.org/apps?x=1") << false;
    QTest::newRow("key in any case, extra entries")
        << QByteArray("[Other]\r\nURL=http://wrong.example/\r\n[internetshortcut]\r\nIconIndex=0\r\n url = "
                      "HTTP://www.brightwell.example/\r\n")
        << true << home << false;
    QTest::newRow("browser fails to start") << QByteArray() << false << home << true;
    QTest::newRow("local file refused") << QByteArray("[InternetShortcut]\r\nURL=file:///etc/passwd\r\n") << true
                                        << QString() << true;
    QTest::newRow("script refused") << QByteArray("[InternetShortcut]\r\nURL=javascript:alert(1)\r\n") << true
                                    << QString() << true;
    QTest::newRow("bare path refused") << QByteArray("[InternetShortcut]\r\nURL=/usr/bin/xterm\r\n") << true
                                       << QString() << true;
    QTest::newRow("web scheme without host refused")
        << QByteArray("[InternetShortcut]\r\nURL=http:///\r\n") << true << QString() << true;
    QTest::newRow("no URL line") << QByteArray("[InternetShortcut]\r\n") << true << QString() << true;
    QTest::newRow("URL outside the section")
        << QByteArray("URL=http://www.brightwell.example/\r\n") << true << QString() << true;
}

void TestFrmAbout::clickHomePage()
{
    TfrmAbout about;
    about.show();
    QTest::mouseClick(about.findChild<QPushButton *>(QStringLiteral("btWeb")), Qt::LeftButton);
    QCOMPARE(about.result(), int(QDialog::Accepted));
    QVERIFY(!about.isVisible());
}

void TestFrmAbout::homePageButton()
{
    QFETCH(QByteArray, existing);
    QFETCH(bool, openSucceeds);
    QFETCH(QString, opened);
    QFETCH(bool, errorShown);

    const QString path = TfrmAbout::shortcutPath();
    QCOMPARE(path, m_folder.path() + QStringLiteral("/BRIGHTWELL.URL"));
    if (!existing.isEmpty())
        QVERIFY(writeFile(path, existing));
    m_openResult = openSucceeds;

    clickHomePage();
    if (QTest::currentTestFailed())
        return;

    QCOMPARE(readFile(path), existing.isEmpty() ? FreshShortcut : existing);
    if (existing.isEmpty()) // the owner's alone, as the settings file beside it
        QCOMPARE(QFile::permissions(path) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QCOMPARE(m_opened, opened.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl(opened)});
    if (errorShown) {
        QCOMPARE(Prompts::shown().size(), 1);
        QCOMPARE(Prompts::shown().first().kind, Prompts::Kind::Error);
        QCOMPARE(Prompts::shown().first().text, QStringLiteral("Couldn't open web browser for home page ") + path);
    } else {
        QVERIFY(Prompts::shown().isEmpty());
    }

    // A second press leaves the file as it is.
    Prompts::clearShown();
    clickHomePage();
    QCOMPARE(readFile(path), existing.isEmpty() ? FreshShortcut : existing);
}

void TestFrmAbout::shortcutCannotBeWritten()
{
    setProgramFolder(m_folder.filePath(QStringLiteral("no-such-folder")));
    const QString path = TfrmAbout::shortcutPath();

    clickHomePage();

    QVERIFY(!QFile::exists(path));
    QVERIFY(m_opened.isEmpty());
    QCOMPARE(Prompts::shown().size(), 1);
    QCOMPARE(Prompts::shown().first().kind, Prompts::Kind::ApplicationError);
    QCOMPARE(Prompts::shown().first().text, QStringLiteral("Unable to write to ") + path + QLatin1Char('.'));
}

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
