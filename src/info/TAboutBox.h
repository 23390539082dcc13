// About the program: its name, version and date, a disclaimer, links to the official
// configurator and to the program's discussion forum, and "OK".
#pragma once

#include <QDialog>
#include <QUrl>

class QLabel;
class QPushButton;

namespace kalvora {

class TAboutBox : public QDialog {
    Q_OBJECT

  public:
    explicit TAboutBox(QWidget* parent = nullptr);

    static QUrl OfficialConfiguratorUrl();
    static QUrl ForumUrl();

    QLabel* OfficialLink() const { return label7_; }
    QLabel* ForumLink() const { return label9_; }
    QPushButton* OkButton() const { return okButton_; }

    // Open the link in the user's browser; the result is not checked.
    void Label7Click();
    void Label9Click();
    void OKButtonClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QLabel* label7_;
    QLabel* label9_;
    QPushButton* okButton_;
};

}  // namespace kalvora
