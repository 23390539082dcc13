// The comparison window "Сравнение вариантов": the current configuration against a second one,
// given as a typed code, a .klv file or a variant remembered earlier in this run. A two-column
// table shows both, the rows that differ highlighted, and the price difference in large type.
// The window follows the current configuration while it is open; "Открыть вариант" makes the
// second configuration the current one.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "engine/code/ConfigFile.h"
#include "engine/documents/Comparison.h"
#include "engine/model/UiPort.h"

class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QTableWidget;
class QTextDocument;
class QToolButton;

namespace kalvora {

class ComparisonWindow : public QWidget {
    Q_OBJECT
  public:
    // Reads `current` whenever it shows; `ui` shows messages; `files` reads .klv files.
    ComparisonWindow(const Configuration& current, UiPort& ui, FileAccess& files,
                     QWidget* parent = nullptr);
    ~ComparisonWindow() override;

    // "Сравнить..." of the main window: shows the window in front, up to date, where it was
    // left (fitted to this screen).
    void ShowComparison();
    // Reads the current configuration again and rebuilds the table.
    void Refresh();
    // Refreshes once the event loop runs, when the window is open (the configuration changed).
    void FollowCurrent();

    // The second configuration. Each returns false, and says why in a message box, when the
    // configuration cannot be settled; the previous second configuration then stays.
    bool CompareWithCode(const QString& code);
    bool CompareWithFile(const QString& path);
    bool CompareWithRemembered(int index);
    // "Запомнить вариант": keeps the current configuration under `name` until the program ends.
    void RememberCurrent(const QString& name);
    // "Открыть вариант": asks for the second configuration to become the current one.
    void OpenSecond();

    const RememberedVariants& Remembered() const { return remembered_; }
    // The comparison on show, if there is a second configuration and the current one is priced.
    const std::optional<Comparison>& Shown() const { return shown_; }
    // The text that "Печать..." prints and "Скопировать..." copies.
    QString Text() const;
    // The comparison for paper: a title, a table whose cells wrap their own text, the difference.
    std::unique_ptr<QTextDocument> PrintedDocument() const;
    void PrintTo(QPrinter& printer) const;
    // "Просмотр...": the printed pages in a preview window, from which they can be printed.
    void PrintPreview();

    // Replacements of the dialogs, for the program's own file dialog and for tests.
    void SetFileChooser(std::function<QString()> chooser) { chooseFile_ = std::move(chooser); }
    void SetNameAsker(std::function<std::optional<QString>(const QString&)> asker) {
        askName_ = std::move(asker);
    }
    void SetPrinterChooser(std::function<bool(QPrinter&, QWidget*)> chooser) {
        choosePrinter_ = std::move(chooser);
    }

    QTableWidget* Table() const { return table_; }
    QLabel* DifferenceLabel() const { return difference_; }
    QLineEdit* CodeField() const { return code_; }
    QComboBox* RememberedList() const { return rememberedList_; }
    QPushButton* OpenButton() const { return open_; }

    static constexpr const char* kNameA = "Текущая конфигурация";
    static constexpr const char* kNameB = "Второй вариант";

  signals:
    // "Открыть вариант": the main window makes the configuration of `code` the current one.
    void openVariantRequested(const std::string& code);

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // Two rows for the second variant's sources where one is wider than the screen.
    void ArrangeForScreen();
    // The window's place and size, in the settings section "Comparison".
    void RestorePlace();
    void StorePlace();

    bool UseSecond(const SettledConfiguration& settled, const QString& description);
    // The parts of the window, top to bottom: where the second configuration comes from, the
    // heading and table, the totals with the difference, the buttons.
    QHBoxLayout* BuildSourceRow();
    void BuildTable();
    QHBoxLayout* BuildTotals();
    QHBoxLayout* BuildButtons();
    void ShowTable();
    void FillRememberedList();
    void Print();
    void Copy();

    const Configuration& current_;
    UiPort& ui_;
    FileAccess& files_;
    RememberedVariants remembered_;
    std::optional<ConfigurationFacts> second_;
    QString secondDescription_;
    std::optional<Comparison> shown_;
    bool refreshQueued_ = false;
    bool rowsResizeQueued_ = false;
    // Shown since the place was last stored: the place is stored again when the program ends.
    bool shownSinceStored_ = false;

    std::function<QString()> chooseFile_;
    std::function<std::optional<QString>(const QString&)> askName_;
    std::function<bool(QPrinter&, QWidget*)> choosePrinter_;

    QLineEdit* code_;
    QComboBox* rememberedList_;
    QPushButton* remember_;
    QHBoxLayout* source_;
    QHBoxLayout* secondSource_;
    QLabel* heading_;
    QTableWidget* table_;
    QLabel* totals_;
    QLabel* difference_;
    QPushButton* open_;
    QPushButton* print_;
    QPushButton* preview_;
    QPushButton* copy_;
};

}  // namespace kalvora
