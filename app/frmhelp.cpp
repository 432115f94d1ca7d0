#include "app/frmhelp.h"

#include "app/appinfo.h"
#include "platform/platform.h"

#include <QBoxLayout>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>

Tfrm_help::Tfrm_help(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(tr("About"));
    // The guide's address is a link that opens the guide; it can be
    // selected and copied with the keyboard too.
    const QString address = AppInfo::GuideAddress();
    Label1 = new QLabel(this);
    Label1->setTextFormat(Qt::RichText);
    Label1->setText(tr("Help is available here - %1")
                        .toHtmlEscaped()
                        .arg(QStringLiteral("<a href=\"guide\">%1</a>").arg(address.toHtmlEscaped())));
    Label1->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    Label1->setAccessibleName(tr("Help is available here - %1").arg(address));
    connect(Label1, &QLabel::linkActivated, this, [this] {
        accept();
        Q_EMIT GuideRequested();
    });
    // Where this session keeps its files, as a path to copy: plain text, so
    // a folder name that looks like markup shows as it is.
    Label2 = new QLabel(this);
    Label2->setTextFormat(Qt::PlainText);
    Label2->setText(tr("Your data is kept in %1").arg(QDir::toNativeSeparators(Platform::DataDir())));
    Label2->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    BitBtn1 = new QPushButton(tr("&OK"), this);
    BitBtn1->setDefault(true);
    BitBtn1->setMinimumSize(93, 25);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    // The texts at the top left, OK centred below them; the form's size is the
    // least the window takes.
    auto *button = new QHBoxLayout;
    button->addStretch();
    button->addWidget(BitBtn1);
    button->addStretch();
    auto *form = new QVBoxLayout(this);
    form->setContentsMargins(48, 24, 24, 26);
    form->setSpacing(0);
    form->addWidget(Label1);
    form->addSpacing(12);
    form->addWidget(Label2);
    form->addSpacing(24);
    form->addStretch();
    form->addLayout(button);
    setFixedSize(sizeHint().expandedTo(QSize(312, 143)));
    BitBtn1->setFocus();
}

Tfrm_help::~Tfrm_help() = default;

Tfrm_guide::Tfrm_guide(QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint)
{
    setObjectName(QStringLiteral("frm_guide"));
    setWindowTitle(tr("Tenacio user guide"));
    TextBrowser1 = new QTextBrowser(this);
    TextBrowser1->setObjectName(QStringLiteral("TextBrowser1"));
    TextBrowser1->setAccessibleName(tr("User guide"));
    TextBrowser1->setOpenExternalLinks(true);
    TextBrowser1->setSource(QUrl(QStringLiteral("qrc") + AppInfo::GuideResource));
    BitBtn1 = new QPushButton(tr("&Close"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::close);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    auto *form = new QVBoxLayout(this);
    form->addWidget(TextBrowser1, 1);
    form->addLayout(buttons);
    resize(640, 560);
    TextBrowser1->setFocus();
}

Tfrm_guide::~Tfrm_guide() = default;
