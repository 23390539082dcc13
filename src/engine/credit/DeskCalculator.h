// The pop-up desk calculator of the credit window: a four-function calculator that works like a
// pocket one (digits, decimal mark, + - * /, =, C for clear, < for erasing the last digit).
#pragma once

#include <string>

namespace kalvora {

class DeskCalculator {
  public:
    explicit DeskCalculator(char decimalSeparator = ',');

    // One key: '0'..'9', the decimal separator, '+', '-', '*', '/', '=', 'C' or '<'. Other
    // keys are ignored.
    void Press(char key);
    // What the display shows: the number being typed, the last result, or "Ошибка" after a
    // division by zero or an overflow.
    const std::string& Display() const { return display_; }

  private:
    double Entry() const;
    void Apply();
    void ShowResult(double value);

    char separator_;
    std::string display_ = "0";
    double accumulator_ = 0;
    char pending_ = 0;   // the operation waiting for its second number, 0 for none
    bool fresh_ = true;  // the next digit starts a new number
    bool error_ = false;
};

}  // namespace kalvora
