#pragma once

#include <QDialog>
#include <QPixmap>
#include <QRect>

class CHyperLink;
class QLabel;
class QPushButton;

// The About box: the product picture, name and version, and a link to the maker's support
// address. Laid out in dialog units (261 x 145) with the dialog font; a fixed size with a close
// button only. Its controls are named
// "pictureLabel", "versionLabel", "contactLabel", "contactLink" and "okButton".
class CAboutDlg final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CAboutDlg)

public:
    static const QString kSupportAddress;

    explicit CAboutDlg(QWidget *parent = nullptr);

    // The place of each control in dialog units, as the layout gives it.
    static QRect PictureUnits() { return QRect(17, 12, 85, 79); }
    static QRect VersionUnits() { return QRect(111, 16, 114, 8); }
    static QRect ContactUnits() { return QRect(111, 68, 97, 13); }
    static QRect LinkUnits() { return QRect(135, 84, 114, 8); }
    // Ten units up from the bottom edge, as far as it is from the right one (the bottom edge at
    // 145 would touch the button).
    static QRect OkUnits() { return QRect(201, 121, 50, 14); }
    static QSize SizeUnits() { return QSize(261, 145); }

    CHyperLink *ContactLink() const { return m_link; }

    // `picture` made at the device pixels it covers at device pixel ratio `ratio` (with that
    // ratio set on it): each pixel repeated at a whole ratio, resampled smoothly at any other.
    static QPixmap ScaledForScreen(const QPixmap &picture, qreal ratio);

private:
    QLabel *m_picture;
    QLabel *m_version;
    QLabel *m_contact;
    CHyperLink *m_link;
    QPushButton *m_ok;
};
