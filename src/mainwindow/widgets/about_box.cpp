#include "mainwindow/widgets/about_box.h"

#include "common/desktop.h"
#include "common/notifier.h"
#include "mainwindow/version_text.h"
#include "mainwindow/widgets/event_hook.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPalette>
#include <QStyle>
#include <QVBoxLayout>

namespace lmv::mainwindow {

namespace {

// The maker's details are to be filled in by the maker.
const char* const MakerName = "Изготовитель: название организации";
const char* const MakerAddress = "Почтовый адрес изготовителя";
const char* const MakerWebSite = "https://example.org/";
const char* const MakerMail = "mailto:info@example.org";
const char* const MakerDescription = "Разработка и выпуск лабораторных измерительных приборов";
const char* const Saying = "Измеряй семь раз — записывай один.";
constexpr int PictureSide = 64;

QLabel* NewLabel(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

}

TAboutBox::TAboutBox(common::Notifier& notifier, common::TDesktop& desktop, QWidget* parent)
    : QDialog(parent), notifier_(notifier), desktop_(desktop)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("О программе..."));
    setModal(true);

    Image1 = NewLabel(QStringLiteral("Image1"), QString(), this);
    Image1->setFixedSize(PictureSide, PictureSide);
    Image1->setScaledContents(true);
    Image1->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(PictureSide));
    Image1->installEventFilter(new TEventHook(
        [this](QObject*, QEvent* event) {
            if (event->type() != QEvent::MouseButtonDblClick)
                return false;
            notifier_.MessageBox(QString::fromUtf8(Saying), common::BoxIcon::Information,
                                 common::BoxButtons::Ok);
            return true;
        },
        this));
    ProductName = NewLabel(QStringLiteral("ProductName"), QStringLiteral("Лумивер-00x"), this);
    QFont productFont = ProductName->font();
    productFont.setBold(true);
    productFont.setPointSizeF(productFont.pointSizeF() * 1.5);
    ProductName->setFont(productFont);
    Version = NewLabel(QStringLiteral("Version"), QStringLiteral("Версия:"), this);
    NameLabel = NewLabel(QStringLiteral("NameLabel"), QString::fromUtf8(MakerName), this);
    AdressLabel = NewLabel(QStringLiteral("AdressLabel"), QString::fromUtf8(MakerAddress), this);
    WebSiteLabel = NewLink(QStringLiteral("WebSiteLabel"), QString::fromUtf8(MakerWebSite));
    MailToLabel = NewLink(QStringLiteral("MailToLabel"), QString::fromUtf8(MakerMail));
    Label1 = NewLabel(QStringLiteral("Label1"), QString::fromUtf8(MakerDescription), this);

    auto* grid = new QGridLayout;
    grid->addWidget(Image1, 0, 0, 2, 1);
    grid->addWidget(ProductName, 0, 1);
    grid->addWidget(Version, 1, 1);
    auto* column = new QVBoxLayout(this);
    column->addLayout(grid);
    for (QLabel* label : {NameLabel, AdressLabel, WebSiteLabel, MailToLabel, Label1})
        column->addWidget(label);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    column->addWidget(buttons);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    FormCreate();
}

// The links take the system's highlight colour.
void TAboutBox::FormCreate()
{
    for (QLabel* link : {WebSiteLabel, MailToLabel}) {
        QPalette palette = link->palette();
        palette.setColor(QPalette::Link, QApplication::palette().color(QPalette::Highlight));
        link->setPalette(palette);
    }
}

void TAboutBox::FormShow()
{
    Version->setText(QStringLiteral("Версия от: %1").arg(QString::fromLatin1(VersionText)));
}

QLabel* TAboutBox::NewLink(const QString& name, const QString& address)
{
    const QString shown = QString(address).remove(QStringLiteral("mailto:"));
    auto* link = NewLabel(name, QStringLiteral("<a href=\"%1\">%2</a>").arg(address, shown), this);
    link->setTextFormat(Qt::RichText);
    link->setOpenExternalLinks(false);
    link->setCursor(Qt::PointingHandCursor);
    connect(link, &QLabel::linkActivated, this,
            [this](const QString& target) { desktop_.OpenAddress(target); });
    return link;
}

}
