#include "windows/aboutwindow.h"

#include "core/helptexts.h"
#include "windows/appicon.h"
#include "windows/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace {

const QString kApplicationTitle = QStringLiteral("Quentarolith");
const QString kSite = QStringLiteral("https://example.org/quentarolith/");
const QString kPage = QStringLiteral("https://example.org/quentarolith/download/");

QString lines(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

frmAbout::frmAbout(Language language, QWidget *parent)
    : QDialog(parent)
    , picIcon(new QLabel(this))
    , lblTitle(new QLabel(kApplicationTitle, this))
    , lblVersion(
          new QLabel(aboutText(AboutPart::Version, language) + QStringLiteral(QUENTAROLITH_VERSION), this))
    , lblDescription(new QLabel(lines(aboutText(AboutPart::Description, language)), this))
    , LabelSite(new QLabel(aboutText(AboutPart::Site, language), this))
    , lblDisclaimer(new QLabel(lines(aboutText(AboutPart::Notice, language)), this))
    , TextSite(new QLineEdit(kSite, this))
    , TextPage(new QLineEdit(kPage, this))
    , cmdOK(new QPushButton(QStringLiteral("OK"), this))
{
    const Twips twips(*this);
    setWindowTitle(aboutText(AboutPart::Title, language) + kApplicationTitle);
    setFixedSize(twips(0, 0, 6240, 5085).size());
    setAttribute(Qt::WA_DeleteOnClose);
    picIcon->setPixmap(applicationPixmap());
    picIcon->setGeometry(twips(240, 360, 300, 300));
    lblTitle->setGeometry(twips(1050, 240, 4005, 480));
    QFont title = lblTitle->font();
    title.setPointSizeF(13.5);
    lblTitle->setFont(title);
    lblVersion->setGeometry(twips(1050, 780, 4005, 225));
    lblDescription->setGeometry(twips(180, 1125, 5835, 1890));
    lblDescription->setWordWrap(true);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabelSite->setGeometry(twips(120, 3000, 3015, 255));
    TextSite->setGeometry(twips(3240, 3000, 2895, 285));
    lblDisclaimer->setGeometry(twips(240, 3720, 5775, 675));
    lblDisclaimer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    TextPage->setGeometry(twips(240, 4560, 4455, 315));
    for (QLineEdit *address : {TextSite, TextPage}) {
        address->setReadOnly(true);
        address->setCursorPosition(0);
    }
    cmdOK->setGeometry(twips(4800, 4440, 1260, 435));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::close);
}

void frmAbout::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    // An etched line between the site and the notice: a white groove under a grey one.
    QPainter painter(this);
    const Twips twips(*this);
    const QRect line = twips(90, 3480, 6030, 0);
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(line.left(), line.top() + 1, line.right(), line.top() + 1);
    painter.setPen(QPen(QColor(128, 128, 128), 1));
    painter.drawLine(line.left(), line.top(), line.right(), line.top());
}
