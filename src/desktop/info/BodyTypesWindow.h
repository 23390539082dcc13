// The bodies compared: a picture of the three body shapes above a table of their outer,
// interior and luggage compartment dimensions. A click on the picture or Esc in the table
// closes the window.
#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace kalvora {

class PictureView;

class BodyTypesWindow : public QDialog {
    Q_OBJECT

  public:
    explicit BodyTypesWindow(QWidget* parent = nullptr);

    PictureView* Picture() const { return picture_; }
    QPlainTextEdit* Table() const { return table_; }

  private:
    PictureView* picture_;
    QPlainTextEdit* table_;
};

}  // namespace kalvora
