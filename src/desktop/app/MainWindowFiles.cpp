// The file commands: open, save, the recent files, a variant from the comparison window, and the
// question about unsaved changes before any of them replaces the configuration.
#include "desktop/app/MainWindow.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

#include "desktop/app/CommandStrip.h"
#include "desktop/app/MainWindowParts.h"
#include "desktop/app/RecentFiles.h"
#include "desktop/settings/WindowSettings.h"

namespace kalvora::app {

using namespace window_parts;

void MainWindow::OpenClick() {
    if (!MayDropChanges()) return;
    const QString path = ui_.ChooseFileToOpen();
    if (path.isEmpty()) return;
    OpenChosenFile(path);
}

void MainWindow::OpenChosenFile(const QString& path) {
    // The dialog opens in this folder next time, whether or not the file can be read.
    ui_.dialogFolder = QFileInfo(path).absolutePath();
    WriteLastFolder(settingsPath_, ui_.dialogFolder);
    RememberFocusedWish();
    const Result opened = session_.OpenFile(PathArgument(path), files_);
    // A file that could not be opened changed nothing and does not join the recent files.
    if (opened.Succeeded()) RememberFile(path);
}

void MainWindow::SaveClick() {
    const std::string& current = config_.DocumentPath();
    ui_.suggestedFile =
        current.empty() ? QString() : QFileInfo(QFile::decodeName(current.c_str())).fileName();
    if (!current.empty())
        ui_.dialogFolder = QFileInfo(QFile::decodeName(current.c_str())).absolutePath();
    const QString path = ui_.ChooseFileToSave();
    if (path.isEmpty()) return;
    ui_.dialogFolder = QFileInfo(path).absolutePath();
    WriteLastFolder(settingsPath_, ui_.dialogFolder);
    const Result saved = session_.SaveToFile(PathArgument(path), files_, true);
    // A save that failed or was declined wrote nothing: the file does not join the recent ones.
    if (saved.Succeeded()) RememberFile(path);
}

void MainWindow::RememberFile(const QString& path) {
    // Only a file that was really read or written: the engine now calls it its document.
    if (config_.DocumentPath() != PathArgument(path) || config_.HasUnsavedChanges()) return;
    WriteRecentFiles(settingsPath_, WithRecentFile(ReadRecentFiles(settingsPath_), path));
}

QStringList MainWindow::RecentFiles() const {
    return ReadRecentFiles(settingsPath_);
}

void MainWindow::FillRecentMenu() {
    strip_->RecentMenu()->clear();
    const RecentFilesCheck check = CheckRecentFiles(ReadRecentFiles(settingsPath_));
    if (!check.missing.isEmpty()) WriteRecentFiles(settingsPath_, check.present);
    int number = 0;
    for (const QString& path : check.present) {
        ++number;
        const QFileInfo info(path);
        QString text = QStringLiteral("&%1  %2    (%3)")
                           .arg(number)
                           .arg(info.fileName(), QDir::toNativeSeparators(info.absolutePath()));
        QAction* action = strip_->RecentMenu()->addAction(text);
        action->setData(path);
        connect(action, &QAction::triggered, this, [this, path]() { OpenRecentFile(path); });
    }
    if (check.present.isEmpty()) {
        strip_->RecentMenu()
            ->addAction(QStringLiteral("Нет недавно открытых файлов"))
            ->setEnabled(false);
    }
    if (!check.missing.isEmpty()) {
        strip_->RecentMenu()->addSeparator();
        for (const QString& path : check.missing) {
            strip_->RecentMenu()
                ->addAction(QStringLiteral("Файл «%1» не найден и убран из списка")
                                .arg(QDir::toNativeSeparators(path)))
                ->setEnabled(false);
        }
    }
}

void MainWindow::OpenRecentFile(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        QStringList list = ReadRecentFiles(settingsPath_);
        list.removeAll(path);
        WriteRecentFiles(settingsPath_, list);
        ui_.ShowMessage(QStringLiteral("Файл «%1» не найден. Он убран из списка последних файлов.")
                            .arg(QDir::toNativeSeparators(path))
                            .toStdString());
        return;
    }
    if (!MayDropChanges()) return;
    OpenChosenFile(path);
}

void MainWindow::OpenVariant(const std::string& code) {
    if (!MayDropChanges()) return;
    // One undoable step, as a code typed into the code field is.
    RememberFocusedWish();
    session_.OpenVariant(code);
}

bool MainWindow::MayDropChanges() {
    if (!config_.HasUnsavedChanges()) return true;
    switch (ui_.AskToSaveChanges()) {
        case WindowUi::SaveAnswer::Discard:
            return true;
        case WindowUi::SaveAnswer::Cancel:
            return false;
        case WindowUi::SaveAnswer::Save:
            SaveClick();
            // A cancelled dialog, a refused overwrite or a failed write keeps the window open.
            return !config_.HasUnsavedChanges();
    }
    return false;
}

}  // namespace kalvora::app
