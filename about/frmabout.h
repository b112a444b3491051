#pragma once

#include <QDialog>
#include <QString>
#include <QUrl>
#include <functional>

class QLabel;
class QPushButton;
class TDigMarquee;
class TGradientBack;

// "How to contact us": the program's name and its maker's address on a gradient, a scrolling
// marquee along the bottom, and a button that opens the maker's home page in the web browser.
class TfrmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget *parent = nullptr);

    // Creates the window, shows it modally and destroys it when it closes.
    static void showModal(QWidget *parent);

    // The maker's home page, as written into a new shortcut file.
    static QString homePage();
    // The internet shortcut beside the program: written once if missing, never rewritten.
    static QString shortcutPath();

    // How a web address reaches the desktop; returns false when nothing could open it. Tests
    // put a recorder here so no browser starts. An empty function restores the desktop's.
    using UrlOpener = std::function<bool(const QUrl &)>;
    static void setUrlOpener(UrlOpener opener);

private:
    void btWebClick();

    QWidget *Panel1 = nullptr;
    QPushButton *OKButton = nullptr;
    QLabel *ProductName = nullptr;
    QLabel *Comments = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label5 = nullptr;
    TGradientBack *GradientBack1 = nullptr;
    QLabel *Label7 = nullptr;
    QPushButton *btWeb = nullptr;
    QLabel *Label4 = nullptr;
    TDigMarquee *DigMarquee1 = nullptr;
};
