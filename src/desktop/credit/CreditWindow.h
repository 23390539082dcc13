// The credit window "Денежные расчёты": loan and insurance figures on the left, the currency
// converter and the payment schedule on the right. Every change goes to the CreditCalculator;
// the window then shows the calculator's state.
#pragma once

#include <QDialog>
#include <QHash>
#include <array>
#include <cstdint>

#include "engine/credit/CreditCalculator.h"

class QCheckBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QToolButton;
class QVBoxLayout;

namespace kalvora {

class CreditWindow : public QDialog {
    Q_OBJECT
  public:
    explicit CreditWindow(QWidget* parent = nullptr);

    // "Кредит..." in the main window: opens the window modally for the configured price.
    void ShowForPrice(std::int32_t price);
    // What ShowForPrice does before the window runs modally: the remembered state is read from
    // the settings file and the price goes into the price field.
    void OpenForPrice(std::int32_t price);

    const CreditCalculator& Calculator() const { return calculator_; }
    QLineEdit* Field(CreditField field) const { return fields_[static_cast<int>(field)]; }
    QCheckBox* Box(CreditBox box) const { return boxes_[static_cast<int>(box)]; }
    QTableWidget* Grid() const { return grid_; }
    QLabel* CreditSumFormulaLabel() const { return creditSumFormula_; }
    QLabel* DiscountLabel() const { return discountLabel_; }
    QPushButton* NewsButton() const { return newsButton_; }

    // Writes the remembered state to the settings file (done when the window closes).
    void SaveSettings() const;

  public slots:
    void done(int result) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLineEdit* MakeField(CreditField field, int width);
    QCheckBox* MakeBox(CreditBox box, const QString& caption);
    // The steps of the left panel: the insurance premiums and the years they are counted for,
    // the loan's grid, the early repayment with its months.
    void AddInsurance(QWidget* panel, QVBoxLayout* column);
    QGridLayout* BuildLoanGrid(QWidget* panel);
    QHBoxLayout* BuildEarlyRepaymentRow(QWidget* panel);
    QWidget* BuildLeftPanel();
    QWidget* BuildRightPanel();
    bool HandleDrag(CreditField source, QLineEdit* edit, QEvent* event);
    bool HandleDropOnDollars(QEvent* event);
    void Refresh();
    void RefreshGrid();
    void OpenNewsSite();
    void OpenDeskCalculator();

    CreditCalculator calculator_;
    std::array<QLineEdit*, kCreditFieldCount> fields_{};
    std::array<QCheckBox*, kCreditBoxCount> boxes_{};
    QHash<QObject*, int> fieldOfWidget_;
    QLabel* creditSumFormula_ = nullptr;
    QLabel* discountLabel_ = nullptr;
    QPushButton* newsButton_ = nullptr;
    QToolButton* deskCalculatorButton_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QPoint dragStart_;
    bool dragArmed_ = false;
};

}  // namespace kalvora
