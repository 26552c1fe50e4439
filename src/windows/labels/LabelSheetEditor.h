#pragma once

#include "exchange/LabelSheet.h"

#include <QGroupBox>
#include <QList>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;

namespace windows {

// The label sheet to print on: one of the built-in sheets, whose measures it shows, or the user's
// own, whose measures it lets the user set.
class LabelSheetEditor final : public QGroupBox
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LabelSheetEditor)

public:
    explicit LabelSheetEditor(QWidget* parent = nullptr);
    ~LabelSheetEditor() override;

    // sheet: an index as LabelChoices keeps it.
    void setChoice(int sheet, const exchange::LabelSheet& userSheet);
    int sheetIndex() const;
    // The measures of the sheet chosen.
    exchange::LabelSheet sheet() const;
    const exchange::LabelSheet& userSheet() const { return user_; }

    void retranslate();

    // Where the tab order enters its fields and leaves them.
    QWidget* firstField() const;
    QWidget* lastField() const;

Q_SIGNALS:
    // Another sheet was chosen, or a measure of the user's sheet changed.
    void sheetChanged();

protected:
    void changeEvent(QEvent* event) override;

private:
    void createControls();
    void showSheet();
    void takeUserSheet();

    QLabel* sheetLabel_;
    QComboBox* sheetCombo_;
    QLabel* paperLabel_;
    QComboBox* paperCombo_;
    QLabel* widthLabel_;
    QDoubleSpinBox* widthEdit_;
    QLabel* heightLabel_;
    QDoubleSpinBox* heightEdit_;
    QLabel* columnsLabel_;
    QSpinBox* columnsEdit_;
    QLabel* rowsLabel_;
    QSpinBox* rowsEdit_;
    QLabel* leftLabel_;
    QDoubleSpinBox* leftEdit_;
    QLabel* topLabel_;
    QDoubleSpinBox* topEdit_;
    QLabel* columnGapLabel_;
    QDoubleSpinBox* columnGapEdit_;
    QLabel* rowGapLabel_;
    QDoubleSpinBox* rowGapEdit_;
    QList<QDoubleSpinBox*> lengthEdits_;
    exchange::LabelSheet user_;
    bool showing_ = false; // the fields are being filled, not edited
};

} // namespace windows
