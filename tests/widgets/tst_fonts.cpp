// The windows' faces: families that are not installed are left out, and the face drawn stays the
// one Qt finds for the family asked for.
#include "widgets/fonts.h"
#include <QFontDatabase>
#include <QFontInfo>
#include <QtTest>

class TestFonts : public QObject
{
    Q_OBJECT

private slots:
    void facesDrawAsTheirFamiliesWould()
    {
        for (const bool bold : {false, true}) {
            QFont sans(QStringLiteral("MS Sans Serif")), serif(QStringLiteral("Times New Roman"));
            for (QFont *f : {&sans, &serif}) {
                f->setPixelSize(13);
                f->setBold(bold);
            }
            QCOMPARE(QFontInfo(sansFont(13, bold)).family(), QFontInfo(sans).family());
            QCOMPARE(QFontInfo(serifFont(13, bold)).family(), QFontInfo(serif).family());
            QCOMPARE(QFontInfo(serifFont(13, bold)).bold(), bold);
        }
        const QString installed = QFontDatabase::families().value(0);
        const QString missing = QStringLiteral("No Such Family");
        QCOMPARE(installedFamilies({missing, installed, missing}), QStringList{installed});
        QCOMPARE(installedFamilies({missing}), QStringList{missing});
    }
};

QTEST_MAIN(TestFonts)
#include "tst_fonts.moc"
