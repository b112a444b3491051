#pragma once

#include <QDialog>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

namespace Ui {
class TfrmAbout;
}

// "How to contact us": the program's name and its maker's address on a gradient, a scrolling
// marquee along the bottom, and a button that opens the maker's home page in the web browser.
class TfrmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget *parent = nullptr);
    ~TfrmAbout() override;

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

private slots:
    void btWebClick();

private:
    std::unique_ptr<Ui::TfrmAbout> ui;
};
