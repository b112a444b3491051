#pragma once

#include "results/weekmodel.h"
#include "results/weekpicture.h"
#include <QPageSize>
#include <QDialog>
#include <memory>

class ActivityModel;
class QAbstractButton;
class QLineEdit;
class QSpinBox;
class QPagedPaintDevice;
class QPrinter;
class QPainter;

namespace Ui {
class TfrmWeeks;
}

// "Life in Weeks": every week from birth to the look-ahead age, drawn as where its hours went,
// with a legend whose entries show one activity's weeks alone. Save image, Print, Close.
class TfrmWeeks : public QDialog
{
    Q_OBJECT
public:
    TfrmWeeks(LifeWeeks weeks, QWidget *parent = nullptr);
    ~TfrmWeeks() override;

    // The weeks of the hours table to age `age`, counted today. Throws ConversionError for a birth
    // date or a row that does not convert, before any window exists.
    // The "Once" rows of `money` and `frequency`, when given, are its events.
    static LifeWeeks weeksOf(const ActivityModel &hours, const QString &birthText, int age,
                             const ActivityModel *money = nullptr, const ActivityModel *frequency = nullptr);
    // Opens the window modally over `parent`, at a size that shows every week.
    static void showModal(QWidget *parent, LifeWeeks weeks, const QString &name, const QString &birthText);
    // Wires `button` to open the window with the name, the birth date and the look-ahead age as they
    // stand at the click (no age field: the default age). A failure is shown in the application error box.
    static void openFrom(QAbstractButton *button, const ActivityModel &hours, const ActivityModel &money,
                         const ActivityModel &frequency, const QLineEdit *name, const QLineEdit *birth,
                         const QSpinBox *age);

    // The title block: "Life in Weeks — Ann Lee, born 3/15/1986" and what the rows are.
    void setPerson(const QString &name, const QString &birthText);
    QString title() const { return m_title; }
    QString subtitle() const { return m_subtitle; }
    void setLook(WeekLook look);
    // The paper that Save image draws for; the region's by default.
    void setPaper(const QPageSize &paper);

    WeekModel &model() const { return *m_model; }
    // The grid and its legend, as saved and printed.
    QWidget *picture() const;
    // PNG at 300 dots an inch on the chosen paper, or SVG on it when the name ends in ".svg", in the
    // orientation that fits the picture best. Throws FileWriteError.
    void saveImage(const QString &path) const;
    // One page, turned to fit the picture best, filled with it on light colours. Throws PrintError
    // when the job cannot start; false when it could not be finished.
    bool printOn(QPagedPaintDevice &printer) const;
    // The picture as saved and printed.
    WeekPicture paperPicture() const;
    // The pixel size of a PNG on `paper` at 300 dots an inch, turned as the picture fits best.
    QSize imageSize(const QPageSize &paper) const;
    // Sizes the window to show every week within `available` (a screen's free area).
    void fitTo(const QSize &available);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The constructor's steps.
    void addActivityEntries();
    void addMarkEntries();
    void arrangeLegends();
    void connectControls();

    void btSaveImageClick();
    void btPrintClick();
    void legendActivated(int row);
    void showRule();
    void keepLegendSelection();
    // The legend's width for its entries in columns of `height`.
    void fitLegend(int height);

    std::unique_ptr<Ui::TfrmWeeks> ui;
    WeekModel *m_model = nullptr;
    std::unique_ptr<QPrinter> m_printer;
    QString m_title;
    QString m_subtitle;
};
