// The shape both document windows share: a top panel with "Печать..." and "Скопировать...",
// and below it the editable text area in a fixed-pitch Cyrillic font. Printing hands
// the whole text to the printer as one job with the document's title; copying selects all,
// puts it on the clipboard and says so in a message box.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "engine/model/UiPort.h"

class QPrinter;
class QTextEdit;
class QRect;
class QToolButton;

namespace kalvora {

// The print dialog of the document windows: the whole document only, no page range or selection.
// True when the user chose to print.
bool ShowPrintDialog(QPrinter& printer, QWidget* parent);

class DocumentWindow : public QWidget {
    Q_OBJECT
  public:
    struct Look {
        QString caption;
        QString printTitle;   // the print job's document title
        QString copyMessage;  // shown after copying
        int fontPoints;
        QString textName;  // what a screen reader calls the text area
    };

    // `ui` shows the message after copying.
    DocumentWindow(const Look& look, UiPort& ui, QWidget* parent);

    // "Печать...": asks for a printer, then prints the whole text as one job.
    void PrintClick();
    // "Скопировать...": selects the whole text, copies it and shows the window's message.
    void CopyClick();

    // Lays the whole text out over the printable area of each page, from its top-left corner,
    // without margins, header or page numbers; lines wider than the page wrap.
    void PrintTo(QPrinter& printer) const;

    // How the printer is chosen; the default shows the print dialog. Returns false when the
    // user cancels. Tests replace it to print into a file.
    void SetPrinterChooser(std::function<bool(QPrinter&, QWidget*)> chooser);

    // Puts a control of the panel at its place, wider when its caption needs it.
    static void Place(QWidget* control, const QRect& place);

    QTextEdit* TextArea() const { return textArea_; }
    QToolButton* PrintButton() const { return printButton_; }
    QToolButton* CopyButton() const { return copyButton_; }
    QWidget* Panel() const { return panel_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Replaces the whole text; the area is not redrawn line by line meanwhile.
    void SetDocumentLines(const std::vector<std::string>& lines);
    // Puts "Печать..." and "Скопировать..." on the panel.
    void PlaceButtons(int printLeft, int copyLeft, int top, int height);

    UiPort& ui_;

  private:
    void HangIndentedLines();

    Look look_;
    QWidget* panel_;
    QToolButton* printButton_;
    QToolButton* copyButton_;
    QTextEdit* textArea_;
    std::function<bool(QPrinter&, QWidget*)> chooser_;
};

}  // namespace kalvora
