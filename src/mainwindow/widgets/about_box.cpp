#include "mainwindow/widgets/about_box.h"

#include "common/desktop.h"
#include "common/notifier.h"
#include "common/version_text.h"
#include "mainwindow/widgets/event_hook.h"
#include "mainwindow/widgets/named_control.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace lmv::mainwindow {

namespace {

const char* const Saying = "Измеряй семь раз — записывай один.";
constexpr int PictureSide = 64;

QLabel* NewLabel(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = NewNamed<QLabel>(name, text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}

TAboutBox::TTexts TAboutBox::ProgramTexts()
{
    TTexts texts;
    texts.name = QStringLiteral("Программа для работы с приборами Лумивер-00x");
    texts.address = QStringLiteral("pH-метры и иономеры, кондуктометр, фотоколориметр, титраторы");
    texts.webSite = {QStringLiteral("Документация программы — её файл README.md"), QString()};
    texts.mail = {QStringLiteral("Как собрать, запустить и опробовать без прибора — там же"),
                  QString()};
    texts.description = QStringLiteral(
        "Связь с прибором, графики, таблица показаний, записи, анализ кривых и отчёты");
    return texts;
}

TAboutBox::TAboutBox(common::Notifier& notifier, common::TDesktop& desktop, QWidget* parent)
    : TAboutBox(notifier, desktop, ProgramTexts(), parent)
{
}

TAboutBox::TAboutBox(common::Notifier& notifier, common::TDesktop& desktop, const TTexts& texts,
                     QWidget* parent)
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
    NameLabel = NewLabel(QStringLiteral("NameLabel"), texts.name, this);
    AdressLabel = NewLabel(QStringLiteral("AdressLabel"), texts.address, this);
    WebSiteLabel = NewLink(QStringLiteral("WebSiteLabel"), texts.webSite);
    MailToLabel = NewLink(QStringLiteral("MailToLabel"), texts.mail);
    Label1 = NewLabel(QStringLiteral("Label1"), texts.description, this);

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

// The version label, then the box in the middle of the desktop it opens on: the screen of the
// main window (the primary one before there is a main window on a screen).
void TAboutBox::FormShow()
{
    Version->setText(QStringLiteral("Версия от: %1").arg(QString::fromLatin1(common::VersionText)));
    adjustSize();
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect place(QPoint(), size());
    place.moveCenter(screen->availableGeometry().center());
    move(place.topLeft());
}

// A label with a real address is a link with a hand cursor; one without shows its text plain.
QLabel* TAboutBox::NewLink(const QString& name, const TLinkText& text)
{
    if (text.address.isEmpty())
        return NewLabel(name, text.text, this);
    auto* link = NewLabel(name,
                          QStringLiteral("<a href=\"%1\">%2</a>")
                              .arg(text.address.toHtmlEscaped(), text.text.toHtmlEscaped()),
                          this);
    link->setTextFormat(Qt::RichText);
    link->setOpenExternalLinks(false);
    link->setCursor(Qt::PointingHandCursor);
    connect(link, &QLabel::linkActivated, this,
            [this](const QString& target) { desktop_.OpenAddress(target); });
    return link;
}

}
