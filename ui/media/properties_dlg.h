#pragma once

#include <QDialog>
#include <QRect>
#include <QSize>
#include <QString>

class CProDlg;
class QPushButton;
class QTabWidget;

// The properties window of one listed file: a property sheet with one information page whose
// tab shows the file name, a "Streams" page listing every stream of the file when it has any
// (its list named "streamList"), and a "Close" button. The file is probed when the window is built,
// so every opening shows the file as it is now. Laid out in dialog units (316 x 314); the
// window can be resized, and nothing inside it moves or grows.
//
// Its controls are named "propertySheet", "propertiesPage" and "closeButton".
class CPropertiesDlg final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CPropertiesDlg)

public:
    // `location` is the file's folder as a row holds it (ending with "/"), `fileName` its name.
    CPropertiesDlg(const QString &location, const QString &fileName, QWidget *parent = nullptr);

    // The Properties command: shows the properties of location + fileName modally over
    // `mainWindow`, which stays disabled until the window closes.
    static void ShowProperties(QWidget *mainWindow, const QString &location,
                               const QString &fileName);

    // The sheet is as high as its page and tab, which is more than the layout left it: the
    // button stands below the sheet's bottom edge (about 289 units) and the window grows to
    // keep a margin under it.
    static QSize SizeUnits() { return QSize(316, 314); }
    static QRect CloseUnits() { return QRect(253, 293, 50, 14); }
    // The property sheet's place in the client area, in pixels rather than dialog units.
    static QPoint SheetPosition() { return QPoint(10, 8); }

    CProDlg *Page() const { return m_page; }

private:
    void OnInitDialog(const QString &location, const QString &fileName);

    QTabWidget *m_sheet = nullptr;
    CProDlg *m_page = nullptr;
    QPushButton *m_close = nullptr;
};
