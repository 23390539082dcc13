#include "engine/credit/DeskCalculator.h"

#include <cmath>
#include <cstdio>

#include "engine/credit/CreditNumber.h"

namespace kalvora {

namespace {
const char* const kErrorText = "Ошибка";
constexpr std::size_t kMaxDigits = 15;
}  // namespace

DeskCalculator::DeskCalculator(char decimalSeparator) : separator_(decimalSeparator) {}

double DeskCalculator::Entry() const {
    return DecimalOr(display_, separator_, 0);
}

void DeskCalculator::ShowResult(double value) {
    if (!std::isfinite(value)) {
        display_ = kErrorText;
        error_ = true;
        pending_ = 0;
        accumulator_ = 0;
        fresh_ = true;
        return;
    }
    if (value == 0)
        value = 0;  // no "-0"
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.12g", value);
    display_ = buffer;
    for (char& c : display_) {
        if (c == '.')
            c = separator_;
    }
}

void DeskCalculator::Apply() {
    const double entry = Entry();
    double result = entry;
    switch (pending_) {
        case '+':
            result = accumulator_ + entry;
            break;
        case '-':
            result = accumulator_ - entry;
            break;
        case '*':
            result = accumulator_ * entry;
            break;
        case '/':
            result = entry == 0 ? NAN : accumulator_ / entry;
            break;
        default:
            break;
    }
    ShowResult(result);
    accumulator_ = error_ ? 0 : result;
}

void DeskCalculator::Press(char key) {
    if (key == 'C') {
        *this = DeskCalculator(separator_);
        return;
    }
    if (error_) {
        if (!(key >= '0' && key <= '9'))
            return;
        *this = DeskCalculator(separator_);
    }
    if (key >= '0' && key <= '9') {
        if (fresh_ || display_ == "0")
            display_.clear();
        fresh_ = false;
        if (display_.size() < kMaxDigits)
            display_ += key;
        return;
    }
    if (key == separator_) {
        if (fresh_)
            display_ = "0";
        fresh_ = false;
        if (display_.find(separator_) == std::string::npos)
            display_ += separator_;
        return;
    }
    if (key == '<') {
        if (fresh_)
            return;
        display_.pop_back();
        if (display_.empty() || display_ == "-")
            display_ = "0";
        return;
    }
    if (key == '+' || key == '-' || key == '*' || key == '/') {
        if (!fresh_ || pending_ == 0)
            Apply();
        pending_ = key;
        fresh_ = true;
        return;
    }
    if (key == '=') {
        Apply();
        pending_ = 0;
        fresh_ = true;
    }
}

}  // namespace kalvora
