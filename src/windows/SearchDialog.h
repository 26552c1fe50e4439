#pragma once

#include <QDialog>

#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace catalogue {
class Catalogue;
struct FilmRecord;
struct SearchCriteria;
} // namespace catalogue
namespace controls {
class NumEdit;
}
namespace ui {
class ReportList;
}

namespace windows {

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

    // Opens the film window on a record; set by whoever owns the film window.
    void setFilmOpener(std::function<void(catalogue::FilmRecord*)> open) { openFilm_ = std::move(open); }

    // Empties every criterion and the result list.
    void reset();
    // One search run over the whole catalogue; returns the number of hits.
    qsizetype search();
    // Opens the film window on the selected hit; nothing without a selection.
    void openTape();

    // The criteria as they stand in the fields.
    catalogue::SearchCriteria criteria() const;

    // The result rows that show r, for the film window to rewrite or remove when it changes r.
    void refreshFilm(const catalogue::FilmRecord* r);
    void removeFilm(const catalogue::FilmRecord* r);

    ui::ReportList* resultList() const { return resultList_; }
    QComboBox* genreCombo() const { return genreCombo_; }

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createControls();
    void retranslate();

    catalogue::Catalogue& catalogue_;
    std::function<void(catalogue::FilmRecord*)> openFilm_;

    QGroupBox* criteriaBox_;
    QLabel* titleLabel_;
    QLabel* yearLabel_;
    QLabel* countryLabel_;
    QLabel* lengthLabel_;
    QLabel* directorLabel_;
    QLabel* actorsLabel_;
    QLabel* genreLabel_;
    QLabel* storyLabel_;
    QLineEdit* titleEdit_;
    controls::NumEdit* yearEdit_;
    QButtonGroup* yearCompare_;
    QToolButton* yearEqualButton_;
    QLineEdit* countryEdit_;
    controls::NumEdit* lengthEdit_;
    QButtonGroup* lengthCompare_;
    QToolButton* lengthEqualButton_;
    QLineEdit* directorEdit_;
    QLineEdit* actorsEdit_;
    QComboBox* genreCombo_;
    QLineEdit* storyEdit_;
    QCheckBox* longplayCheck_;
    QCheckBox* blackWhiteCheck_;
    QCheckBox* seenCheck_;
    QCheckBox* deletableCheck_;
    QPushButton* searchButton_;
    QPushButton* discardButton_;
    QPushButton* closeButton_;
    QPushButton* openButton_;
    ui::ReportList* resultList_;
};

} // namespace windows
