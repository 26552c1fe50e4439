#pragma once

#include "exchange/CsvText.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace exchange {
struct ImportPlan;
}
namespace ui {
class ReportList;
class ReportModel;
} // namespace ui

namespace windows {

// What a CSV import would do, shown before anything changes: the encoding the file was read in, the
// cassettes it creates, the films it adds to each cassette, a note for each it leaves over-full, and
// every row it skips with its line and reason. Import accepts, Cancel rejects; the caller adds everything
// only after Import.
class ImportSummaryDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ImportSummaryDialog)

public:
    explicit ImportSummaryDialog(QWidget* parent = nullptr);
    ~ImportSummaryDialog() override;

    // Fills the lists from plan; fileName is shown in the title.
    void setPlan(const exchange::ImportPlan& plan, const QString& fileName);

    ui::ReportList* addedList() const { return addedList_; }
    ui::ReportList* skippedList() const { return skippedList_; }

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void retranslate();

    ui::ReportModel* added_;
    ui::ReportModel* skipped_;
    QLabel* summaryLabel_;
    QLabel* encodingLabel_;
    QLabel* addedLabel_;
    ui::ReportList* addedList_;
    QLabel* overfullLabel_;
    QLabel* skippedLabel_;
    ui::ReportList* skippedList_;
    QPushButton* importButton_;
    QPushButton* cancelButton_;
    QString fileName_;
    int newCassettes_ = 0;
    int films_ = 0;
    exchange::CsvEncoding encoding_ = exchange::CsvEncoding::Utf8;
    QList<bool> rowIsNew_;   // per row of the added list: a cassette the import creates
    QList<int> minutesOver_; // per row of the added list: see PlannedCassette::minutesOver()
};

} // namespace windows
