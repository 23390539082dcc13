// About the program: its name, version and date, a disclaimer, the link to the dealer's site
// with the official configurator when one is set, and "OK".
#pragma once

#include <QDialog>
#include <QUrl>

class QLabel;
class QPushButton;

namespace kalvora {

class AboutWindow : public QDialog {
    Q_OBJECT

  public:
    explicit AboutWindow(QWidget* parent = nullptr);

    // The dealer's site with the official configurator (an http or https address). Without
    // one the line and its link are not shown; nothing else is ever linked.
    // An http(s) address of at most kLongestDealerSite characters; anything else shows no link.
    static constexpr int kLongestDealerSite = 2000;
    void SetDealerSite(const QUrl& url);
    QUrl DealerSite() const { return dealerSite_; }

    QLabel* OfficialLink() const { return officialLink_; }
    QPushButton* OkButton() const { return okButton_; }

    // Opens the dealer's site in the user's browser; the result is not checked.
    void OpenOfficialLink();
    void Close();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FitHeight();

    QUrl dealerSite_;
    QLabel* officialLine_;
    QLabel* officialLink_;
    QPushButton* okButton_;
};

}  // namespace kalvora
