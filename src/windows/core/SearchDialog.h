#pragma once

#include <QDialog>

class QComboBox;
class QGroupBox;
class QPushButton;

namespace catalogue {
class Catalogue;
struct FilmRecord;
struct SearchCriteria;
} // namespace catalogue
namespace controls {
class FilmFields;
}
namespace ui {
class ReportList;
}

namespace windows {

class SearchResultModel;

// Finds films across every cassette by any combination of criteria. Each run appends its hits to
// the result list, which keeps them until the next showing or Discard; a hit opens its cassette in
// the film window on that film. The dialog never changes a record.
class SearchDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SearchDialog)

public:
    explicit SearchDialog(catalogue::Catalogue& catalogue, QWidget* parent = nullptr);
    ~SearchDialog() override;

    // Empties every criterion and the result list.
    void reset();
    // One search run over the whole catalogue; returns the number of hits.
    qsizetype search();
    // Asks for the film window on the selected hit; nothing without a selection.
    void openTape();

    // The criteria as they stand in the fields.
    catalogue::SearchCriteria criteria() const;

    ui::ReportList* resultList() const { return resultList_; }
    SearchResultModel* results() const { return results_; }
    QComboBox* genreCombo() const;

Q_SIGNALS:
    // The film window, on this film.
    void filmRequested(const catalogue::FilmRecord* film);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createControls();
    void retranslate();

    catalogue::Catalogue& catalogue_;
    SearchResultModel* results_;

    QGroupBox* criteriaBox_;
    controls::FilmFields* fields_;
    QPushButton* searchButton_;
    QPushButton* discardButton_;
    QPushButton* closeButton_;
    QPushButton* openButton_;
    ui::ReportList* resultList_;
};

} // namespace windows
