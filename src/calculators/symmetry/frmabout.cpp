#include "frmabout.h"

#include "common/fonts.h"
#include "common/twips.h"
#include "symmetryicon.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVersionNumber>

namespace suite::symmetry {

namespace {
QFrame* HorizontalLine(QWidget* parent, const char* name, int top)
{
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(TwipsRect(240, top, 4500, 30));
    return line;
}

QLabel* Caption(QWidget* parent, const char* name, const QString& text, QRect where)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(where);
    return label;
}
}  // namespace

QString VersionCaption()
{
    const QVersionNumber v = QVersionNumber::fromString(QCoreApplication::applicationVersion());
    return QStringLiteral("版本 %1.%2.%3").arg(v.majorVersion()).arg(v.minorVersion()).arg(v.microVersion());
}

frmAbout::frmAbout(const QString& appTitle, QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("关于 Ostrelle"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(TwipsSize(4980, 2940));
    setFont(NamedFont(QStringLiteral("宋体"), 10.5));

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(TwipsRect(240, 240, 480, 480));
    picIcon->setPixmap(ProgramIcon().pixmap(TwipsSize(480, 480)));

    lblTitle = Caption(this, "lblTitle", {}, TwipsRect(1050, 240, 3600, 480));
    lblTitle->setFont(NamedFont(QStringLiteral("宋体"), 15, true));
    lblVersion = Caption(this, "lblVersion", {}, TwipsRect(1050, 780, 3600, 300));
    Line1 = HorizontalLine(this, "Line1", 1230);
    Label2 = Caption(this, "Label2", QStringLiteral("欢迎指点   共同提高"), TwipsRect(1050, 1380, 3600, 300));
    Label6 = Caption(this, "Label6", QStringLiteral("2004年1月20日"), TwipsRect(1050, 1740, 3600, 300));
    Line2 = HorizontalLine(this, "Line2", 2160);

    cmdOK = new QPushButton(QStringLiteral("确定"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(TwipsRect(3540, 2340, 1200, 420));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    Form_Load(appTitle);
}

void frmAbout::Form_Load(const QString& appTitle)
{
    lblVersion->setText(VersionCaption());
    lblTitle->setText(appTitle);
}

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::reject()
{
    cmdOK->click();
}

}  // namespace suite::symmetry
