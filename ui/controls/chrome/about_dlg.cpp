// The About box.
#include "ui/controls/chrome/about_dlg.h"

#include "res/resource.h"
#include "ui/controls/chrome/hyper_link.h"
#include "ui/platform/dialog_units.h"
#include "ui/res/bitmaps.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

const QString CAboutDlg::kSupportAddress = QStringLiteral("kelvora-support@orvane.org");

namespace {

QLabel *StaticText(const QString &text, const QRect &units, const QFont &font, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setGeometry(MapDialogRect(units, font));
    return label;
}

} // namespace

QPixmap CAboutDlg::ScaledForScreen(const QPixmap &picture, qreal ratio)
{
    // Made at the device pixels it covers, so that painting copies it one to one: at a whole
    // ratio each pixel is repeated, which keeps the picture sharp; at any other ratio repeated
    // pixels would come out one or two device pixels wide in turn, so it is resampled smoothly.
    if (picture.isNull() || ratio <= 0 || qFuzzyCompare(ratio, qreal(1)))
        return picture;
    const bool whole = qFuzzyCompare(ratio, qreal(qRound(ratio)));
    QPixmap scaled = picture.scaled(picture.size() * ratio, Qt::IgnoreAspectRatio,
                                    whole ? Qt::FastTransformation : Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    return scaled;
}

CAboutDlg::CAboutDlg(QWidget *parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(QCoreApplication::translate("About", "About Kelvora"));
    const QFont font = DialogFont();
    setFont(font);
    setFixedSize(MapDialogSize(SizeUnits(), font));

    // A picture control takes the size of its bitmap; only its place comes from the layout.
    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("pictureLabel"));
    const QPixmap picture = QPixmap::fromImage(LoadBitmapResource(IDB_ABOUT_PICTURE));
    m_picture->setPixmap(ScaledForScreen(picture, devicePixelRatioF()));
    const QRect pictureRect = MapDialogRect(PictureUnits(), font);
    m_picture->setGeometry(
        QRect(pictureRect.topLeft(), picture.isNull() ? pictureRect.size() : picture.size()));

    m_version = StaticText(QCoreApplication::translate("About", "Kelvora, Version 1.0"),
                           VersionUnits(), font, this);
    m_version->setObjectName(QStringLiteral("versionLabel"));
    m_contact = StaticText(QCoreApplication::translate("About", "Contact us if any questions:"),
                           ContactUnits(), font, this);
    m_contact->setObjectName(QStringLiteral("contactLabel"));

    m_link = new CHyperLink(kSupportAddress, this);
    m_link->setObjectName(QStringLiteral("contactLink"));
    m_link->setProperty("controlId", IDC_CONTACT_LINK);
    m_link->setGeometry(MapDialogRect(LinkUnits(), font));
    m_link->Attach();
    m_link->SetURL(QStringLiteral("mailto:") + kSupportAddress);
    m_link->SetUnderlineMode(1);

    m_ok = new QPushButton(QCoreApplication::translate("About", "OK"), this);
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_ok->setProperty("controlId", IDOK_BUTTON);
    m_ok->setGeometry(MapDialogRect(OkUnits(), font));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    GrowToFitTexts(this);
}
