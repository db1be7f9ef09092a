// The properties window of one listed file.
#include "ui/media/properties_dlg.h"

#include "engine/media/probe.h"
#include "res/resource.h"
#include "ui/media/pro_dlg.h"
#include "ui/platform/dialog_units.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTabWidget>

CPropertiesDlg::CPropertiesDlg(const QString &location, const QString &fileName, QWidget *parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("propertiesDialog"));
    setWindowTitle(QCoreApplication::translate("Properties", "Properties"));
    setModal(true);
    const QFont font = DialogFont();
    setFont(font);
    // No size limits and no layouts: the user may resize the window, and what it holds stays
    // where the layout puts it.
    resize(MapDialogSize(SizeUnits(), font));

    m_close = new QPushButton(QCoreApplication::translate("Properties", "Close"), this);
    m_close->setObjectName(QStringLiteral("closeButton"));
    m_close->setProperty("controlId", IDC_PROPERTIES_CLOSE);
    m_close->setGeometry(MapDialogRect(CloseUnits(), font));
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);

    OnInitDialog(location, fileName);
}

void CPropertiesDlg::OnInitDialog(const QString &location, const QString &fileName)
{
    m_sheet = new QTabWidget(this);
    m_sheet->setObjectName(QStringLiteral("propertySheet"));
    m_page = new CProDlg(m_sheet);
    // A tab text treats "&" as a mnemonic mark; doubled, it shows as itself.
    QString caption = fileName;
    m_sheet->addTab(m_page, caption.replace(QLatin1Char('&'), QLatin1String("&&")));
    m_sheet->setGeometry(QRect(SheetPosition(), m_sheet->sizeHint()));
    // A page widened for its captions widens the window, the Close button keeping its place at
    // the right.
    const int grown = m_page->width() - MapDialogSize(CProDlg::SizeUnits(), font()).width();
    if (grown > 0) {
        resize(width() + grown, height());
        m_close->move(m_close->x() + grown, m_close->y());
    }
    // Created after the button, the sheet would cover it where the two overlap.
    m_close->raise();

    MediaInfo info;
    ProbeMedia(location, fileName, info);
    m_page->FillFields(info);
}

void CPropertiesDlg::ShowProperties(QWidget *mainWindow, const QString &location,
                                    const QString &fileName)
{
    // Only what is disabled here is enabled again: an owner that was disabled already stays so.
    const bool disableOwner = mainWindow && mainWindow->isEnabled();
    if (disableOwner)
        mainWindow->setEnabled(false);
    CPropertiesDlg dialog(location, fileName, mainWindow);
    dialog.exec();
    if (disableOwner)
        mainWindow->setEnabled(true);
}
