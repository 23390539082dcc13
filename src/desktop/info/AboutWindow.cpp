#include "desktop/info/AboutWindow.h"

#include <QDesktopServices>
#include <QFont>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "desktop/info/InfoTexts.h"
#include "desktop/info/QtText.h"
#include "desktop/pictures/CarPicture.h"

namespace kalvora {
namespace {

// The program's badge: a white "K" on a navy rounded square.
QPixmap Badge() {
    QPixmap pixmap(72, 72);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 128));
    painter.drawRoundedRect(QRectF(2, 2, 68, 68), 12, 12);
    painter.setPen(Qt::white);
    QFont font(QStringLiteral("DejaVu Sans"), 36, QFont::Bold);
    painter.setFont(font);
    painter.drawText(QRect(2, 2, 68, 68), Qt::AlignCenter, QStringLiteral("K"));
    return pixmap;
}

QLabel* LinkLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::RichText);
    label->setOpenExternalLinks(false);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

// Characters that reorder the text around them: shown, they make one address read as another
// ("evil.example/gpj.exe" displayed as "evil.example/exe.jpg").
bool IsBidiControl(char32_t c) {
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

void ShowLink(QLabel* label, const QUrl& url) {
    // The host in its ASCII form, so that a look-alike international name shows as what it is.
    QString shown = url.host(QUrl::FullyEncoded) + url.path();
    QString clean;
    for (const char32_t c : shown.toUcs4()) {
        if (!IsBidiControl(c)) clean += QString::fromUcs4(&c, 1);
    }
    while (clean.endsWith(QLatin1Char('/'))) {
        clean.chop(1);
    }
    const QString address = url.toString(QUrl::FullyEncoded);
    label->setText(QStringLiteral("<a href=\"%1\" style=\"color:#0000ff\">%2</a>")
                       .arg(address.toHtmlEscaped(), clean.toHtmlEscaped()));
    label->setToolTip(address);
}

QLabel* TextLabel(std::string_view text, QWidget* parent) {
    auto* label = new QLabel(ToQString(text), parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

AboutWindow::AboutWindow(QWidget* parent)
    : QDialog(parent),
      officialLine_(TextLabel(info_text::kAboutOfficialLine, this)),
      officialLink_(LinkLabel(this)),
      okButton_(new QPushButton(ToQString(info_text::kAboutOk), this)) {
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(ToQString(info_text::kAboutCaption));
    setModal(true);
    officialLink_->setObjectName(QStringLiteral("Label7"));
    okButton_->setObjectName(QStringLiteral("OKButton"));
    okButton_->setDefault(true);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture"));
    // The program's drawing of the car; the badge where the drawings are missing.
    const QImage drawing =
        pictures::RenderIllustration(pictures::Illustration::About, QSize(220, 96));
    picture->setPixmap(drawing.isNull() ? Badge() : QPixmap::fromImage(drawing));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* name = TextLabel(info_text::kAboutName, this);
    QFont nameFont = name->font();
    nameFont.setPointSize(nameFont.pointSize() + 8);
    nameFont.setBold(true);
    name->setFont(nameFont);
    auto* disclaimer = TextLabel(info_text::kAboutDisclaimer, this);

    auto* details = new QVBoxLayout;
    details->addWidget(name);
    details->addWidget(TextLabel(info_text::kAboutVersion, this));
    details->addWidget(TextLabel(info_text::kAboutDate, this));
    details->addSpacing(10);
    details->addWidget(disclaimer);
    details->addSpacing(10);
    details->addWidget(officialLine_);
    details->addWidget(officialLink_);

    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(details, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton_);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    SetDealerSite(QUrl());

    connect(officialLink_, &QLabel::linkActivated, this, [this] { OpenOfficialLink(); });
    connect(okButton_, &QPushButton::clicked, this, [this] { Close(); });
}

void AboutWindow::SetDealerSite(const QUrl& url) {
    const bool web =
        url.isValid() && !url.host().isEmpty() &&
        url.toString(QUrl::FullyEncoded).size() <= kLongestDealerSite &&
        (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http"));
    dealerSite_ = web ? url : QUrl();
    if (web) ShowLink(officialLink_, url);
    officialLine_->setVisible(web);
    officialLink_->setVisible(web);
    FitHeight();
}

void AboutWindow::FitHeight() {
    // The wrapped texts decide the height once the width is fixed.
    constexpr int kWidth = 480;
    layout()->activate();
    setFixedSize(kWidth, layout()->totalHeightForWidth(kWidth));
}

void AboutWindow::OpenOfficialLink() {
    if (dealerSite_.isValid()) QDesktopServices::openUrl(dealerSite_);
}

void AboutWindow::Close() {
    accept();
}

void AboutWindow::showEvent(QShowEvent* event) {
    // Centred on the screen, not on the main window.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
    QDialog::showEvent(event);
}

}  // namespace kalvora
