#include "desktop/offer/OfferSettings.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

#include "desktop/settings/WindowSettings.h"

namespace kalvora {

namespace {

const QString kSection = QStringLiteral("Offer");

struct Field {
    const char* key;
    const char* caption;
    std::string OfferDealer::*member;
};

const std::array<Field, 4> kFields = {{
    {"Name", "&Название:", &OfferDealer::name},
    {"Address", "&Адрес:", &OfferDealer::address},
    {"Telephone", "&Телефон:", &OfferDealer::telephone},
    {"Site", "&Сайт:", &OfferDealer::site},
}};

}  // namespace

OfferDealer ReadOfferDealer(const QString& iniPath) {
    const WindowSettings ini(kSection, iniPath);
    OfferDealer dealer;
    for (const Field& f : kFields) {
        dealer.*f.member =
            ini.Text(QLatin1String(f.key)).value_or(QString()).simplified().toStdString();
    }
    return dealer;
}

bool WriteOfferDealer(const OfferDealer& dealer, const QString& iniPath) {
    WindowSettings ini(kSection, iniPath);
    for (const Field& f : kFields) {
        ini.SetValue(QLatin1String(f.key), QString::fromStdString(dealer.*f.member));
    }
    return ini.Write();
}

OfferSettingsDialog::OfferSettingsDialog(QString iniPath, QWidget* parent)
    : QDialog(parent), iniPath_(std::move(iniPath)) {
    setObjectName(QStringLiteral("OfferSettings"));
    setWindowTitle(QStringLiteral("Реквизиты дилера"));
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(
        QStringLiteral("Шапка коммерческого предложения. Пустые поля в предложение не попадают."),
        this);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* form = new QFormLayout;
    const OfferDealer dealer = ReadOfferDealer(iniPath_);
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        fields_[i] = new QLineEdit(QString::fromStdString(dealer.*kFields[i].member), this);
        fields_[i]->setObjectName(QLatin1String(kFields[i].key));
        fields_[i]->setMinimumWidth(360);
        fields_[i]->setMaxLength(200);
        auto* label = new QLabel(QString::fromUtf8(kFields[i].caption), this);
        label->setBuddy(fields_[i]);
        form->addRow(label, fields_[i]);
    }
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

OfferDealer OfferSettingsDialog::Dealer() const {
    OfferDealer dealer;
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        dealer.*kFields[i].member = fields_[i]->text().simplified().toStdString();
    }
    return dealer;
}

void OfferSettingsDialog::accept() {
    if (!WriteOfferDealer(Dealer(), iniPath_)) {
        QMessageBox::warning(
            this, windowTitle(),
            QStringLiteral("Не удалось сохранить реквизиты в файл настроек «%1».").arg(iniPath_));
        return;
    }
    QDialog::accept();
}

}  // namespace kalvora
