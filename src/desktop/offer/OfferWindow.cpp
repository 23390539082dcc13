#include "desktop/offer/OfferWindow.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <cstdlib>

#include "desktop/info/ScreenFit.h"
#include "desktop/offer/OfferPdf.h"
#include "desktop/offer/OfferSettings.h"
#include "engine/code/DiskFileAccess.h"
#include "engine/files/FileErrors.h"

namespace kalvora {

OfferWindow::OfferWindow(Source source, std::function<QString()> iniPath,
                         std::function<bool()> creditOpened, QWidget* parent)
    : QDialog(parent),
      source_(std::move(source)),
      iniPath_(std::move(iniPath)),
      creditOpened_(std::move(creditOpened)),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setObjectName(QStringLiteral("OfferForm"));
    setWindowTitle(QString::fromUtf8(kOfferTitle.data(), kOfferTitle.size()));
    printer_->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                        QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    auto* layout = new QVBoxLayout(this);
    preview_ = new QPrintPreviewWidget(printer_.get(), this);
    preview_->setObjectName(QStringLiteral("OfferPreview"));
    preview_->setFocusPolicy(Qt::NoFocus);
    connect(preview_, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* printer) {
        if (offer_) offer::PaintOffer(*offer_, *printer);
    });
    layout->addWidget(preview_, 1);

    auto* buttons = new QHBoxLayout;
    withCredit_ = new QCheckBox(QStringLiteral("Расчёт &кредита"), this);
    withCredit_->setObjectName(QStringLiteral("CreditBox"));
    withCredit_->setToolTip(
        QStringLiteral("Второй лист предложения: показатели кредита и график платежей"));
    connect(withCredit_, &QCheckBox::toggled, this, [this] {
        if (isVisible()) Rebuild();
    });
    buttons->addWidget(withCredit_);
    auto button = [&](const char* name, const char* text, void (OfferWindow::*slot)()) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
        return b;
    };
    QPushButton* save = button("SavePdfButton", "&Сохранить PDF...", &OfferWindow::SavePdf);
    button("PrintButton", "&Печать...", &OfferWindow::Print);
    button("DealerButton", "&Реквизиты дилера...", &OfferWindow::EditDealer);
    buttons->addStretch(1);
    auto* close = new QPushButton(QStringLiteral("&Закрыть"), this);
    close->setObjectName(QStringLiteral("CloseButton"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    save->setDefault(true);

    // A page of A4 at a readable size, as much of it as the screen has room for.
    resize(760, 980);
    chooseFile_ = [this](const QString& suggested) {
        QFileDialog dialog(this, QStringLiteral("Сохранить предложение"), suggested,
                           QStringLiteral("Документы PDF (*.pdf)"));
        dialog.setOption(QFileDialog::DontUseNativeDialog, true);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("pdf"));
        return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
                   ? dialog.selectedFiles().first()
                   : QString();
    };
}

OfferWindow::~OfferWindow() = default;

OfferDate OfferWindow::Now() {
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch && *epoch) {
        bool ok = false;
        const qlonglong seconds = QByteArray(epoch).toLongLong(&ok);
        if (ok) {
            if (const auto date = OfferDateFromEpoch(seconds)) return *date;
        }
    }
    return *OfferDateFromEpoch(QDateTime::currentSecsSinceEpoch());
}

bool OfferWindow::Rebuild() {
    madeAt_ = date_.value_or(Now());
    offer_ = source_(ReadOfferDealer(iniPath_()), madeAt_, withCredit_->isChecked());
    if (!offer_) return false;
    setWindowTitle(offer::OfferTitle(*offer_));
    preview_->updatePreview();
    return true;
}

void OfferWindow::ShowOffer() {
    const bool opened = creditOpened_();
    if (opened && !creditSeen_) {
        const QSignalBlocker quiet(withCredit_);
        withCredit_->setChecked(true);
    }
    creditSeen_ = opened;
    if (!Rebuild()) {
        QMessageBox::information(parentWidget(), QStringLiteral("Предложение"),
                                 QStringLiteral("У этой конфигурации нет цены, поэтому "
                                                "предложение составить нельзя."));
        return;
    }
    FitIntoScreen(*this);
    show();
    raise();
    activateWindow();
    preview_->fitInView();
}

std::optional<QString> OfferWindow::WritePdf(const QString& path) {
    if (!offer_) return QStringLiteral("Нет предложения.");
    const QByteArray pdf = offer::OfferPdf(*offer_, madeAt_);
    if (pdf.isEmpty()) return QStringLiteral("Не удалось составить предложение.");
    DiskFileAccess files;
    std::string error;
    if (!files.WriteFile(path.toStdString(), pdf.toStdString(), &error)) {
        return QString::fromStdString(SaveFailedMessage(path.toStdString(), error));
    }
    return std::nullopt;
}

QString OfferWindow::SuggestedPdfPath() const {
    QString folder = pdfFolder_;
    if (folder.isEmpty() && folder_) folder = folder_();
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    // The configuration file's name, else the code; a code still holding its '#' fillers
    // makes an awkward name and is left out.
    const QString document = documentPath_ ? documentPath_() : QString();
    const QString code = offer_ ? QString::fromStdString(offer_->code) : QString();
    QString name = QStringLiteral("Предложение.pdf");
    if (!document.isEmpty() && !QFileInfo(document).completeBaseName().isEmpty()) {
        name = QFileInfo(document).completeBaseName() + QStringLiteral(".pdf");
    } else if (!code.isEmpty() && !code.contains(QLatin1Char('#'))) {
        name = QStringLiteral("Предложение %1.pdf").arg(code);
    }
    return QDir(folder).filePath(name);
}

void OfferWindow::SavePdf() {
    if (!offer_) return;
    const QString path = chooseFile_(SuggestedPdfPath());
    if (path.isEmpty()) return;
    if (const auto problem = WritePdf(path)) {
        QMessageBox::warning(this, windowTitle(), *problem);
        return;
    }
    pdfFolder_ = QFileInfo(path).absolutePath();
}

void OfferWindow::Print() {
    if (!offer_) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(printer_->pageLayout());
    printer.setDocName(offer::OfferTitle(*offer_));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Печать предложения"));
    if (dialog.exec() != QDialog::Accepted) return;
    if (!offer::PaintOffer(*offer_, printer)) {
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("Не удалось напечатать предложение."));
    }
}

void OfferWindow::EditDealer() {
    OfferSettingsDialog dialog(iniPath_(), this);
    if (dialog.exec() == QDialog::Accepted) Rebuild();
}

}  // namespace kalvora
