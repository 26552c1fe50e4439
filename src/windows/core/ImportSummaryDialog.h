#pragma once

#include "exchange/CsvText.h"

#include <QDialog>

class QComboBox;
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

    // The kind of file imported: the title names it, and only a CSV file has an encoding to tell.
    enum class Source
    {
        Csv,
        Tellico
    };

    // Fills the lists from plan; fileName is shown in the title. Films the plan has on no cassette get
    // a choice of one: the name the file suggests, or any of cassettes, or a name typed.
    void setPlan(const exchange::ImportPlan& plan, const QString& fileName, Source source = Source::Csv,
                 const QStringList& cassettes = {});
    // The cassette chosen for the films the file puts on none.
    QString chosenCassette() const;

    ui::ReportList* addedList() const { return addedList_; }
    ui::ReportList* skippedList() const { return skippedList_; }

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void retranslate();
    void updateImportButton();

    ui::ReportModel* added_;
    ui::ReportModel* skipped_;
    QLabel* summaryLabel_;
    QLabel* encodingLabel_;
    QLabel* addedLabel_;
    ui::ReportList* addedList_;
    QLabel* overfullLabel_;
    QLabel* untapedLabel_;
    QComboBox* untapedCombo_;
    QLabel* skippedLabel_;
    ui::ReportList* skippedList_;
    QPushButton* importButton_;
    QPushButton* cancelButton_;
    QString fileName_;
    int newCassettes_ = 0;
    int films_ = 0;
    int untaped_ = 0;
    bool addsAnything_ = false;
    Source source_ = Source::Csv;
    exchange::CsvEncoding encoding_ = exchange::CsvEncoding::Utf8;
    QList<bool> rowIsNew_;   // per row of the added list: a cassette the import creates
    QList<int> minutesOver_; // per row of the added list: see PlannedCassette::minutesOver()
};

} // namespace windows
