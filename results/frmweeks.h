#pragma once

#include "results/weekmodel.h"
#include <QDialog>
#include <memory>

class ActivityModel;
class QAbstractButton;
class QLineEdit;
class QSpinBox;
class QPagedPaintDevice;
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
    static LifeWeeks weeksOf(const ActivityModel &hours, const QString &birthText, int age);
    // Opens the window modally over `parent`, at a size that shows every week.
    static void showModal(QWidget *parent, const ActivityModel &hours, const QString &birthText, int age);
    // Wires `button` to open the window with the birth date and the look-ahead age as they stand
    // at the click (no age field: the default age). A failure is shown in the application error box.
    static void openFrom(QAbstractButton *button, const ActivityModel &hours, const QLineEdit *birth,
                         const QSpinBox *age);

    WeekModel &model() const { return *m_model; }
    // The grid and its legend, as saved and printed.
    QWidget *picture() const;
    // PNG at the picture's size and pixel ratio, or SVG when the name ends in ".svg". Throws FileWriteError.
    void saveImage(const QString &path) const;
    // One landscape page with the picture fitted to it. Throws PrintError when the job cannot start;
    // false when it could not be finished.
    bool printOn(QPagedPaintDevice &printer) const;
    // Sizes the window to show every week within `available` (a screen's free area).
    void fitTo(const QSize &available);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void btSaveImageClick();
    void btPrintClick();
    void legendActivated(int row);
    // The legend's width for its entries in columns of `height`.
    void fitLegend(int height);

    std::unique_ptr<Ui::TfrmWeeks> ui;
    WeekModel *m_model = nullptr;
    std::unique_ptr<QPagedPaintDevice> m_printer;
};
