// A text that behaves as a link and opens its target when clicked.
#include "ui/controls/chrome/hyper_link.h"

#include "ui/platform/dialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <QtMath>

CHyperLink::CHyperLink(QWidget *parent)
    : CHyperLink(QString(), parent)
{ }

CHyperLink::CHyperLink(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    // An address is shown as it is, never taken for markup.
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMouseTracking(true);
}

void CHyperLink::Attach()
{
    m_attached = true;
    if (m_target.isEmpty())
        m_target = text();
    if (text().isEmpty())
        setText(m_target);

    m_standardFont = font();
    m_underlinedFont = font();
    m_underlinedFont.setUnderline(true);

    FitToText();
    LoadLinkCursor();
    if (m_underlineMode != -1) {
        setFont(m_standardFont);
        update();
        m_underlineMode = -1;
    }
    setToolTip(m_target);
    RefreshLook();
}

void CHyperLink::SetURL(const QString &target)
{
    m_target = target;
    if (m_attached) {
        FitToText();
        setToolTip(target);
    }
}

void CHyperLink::SetUnderlineMode(int mode)
{
    if (mode == m_underlineMode)
        return;
    if (m_attached) {
        setFont(mode == 1 ? m_underlinedFont : m_standardFont);
        update();
    }
    m_underlineMode = mode;
}

void CHyperLink::SetVisited(bool visited)
{
    m_visited = visited;
    RefreshLook();
}

QColor CHyperLink::TextColour() const
{
    if (m_overControl)
        return m_hoverColour;
    return m_visited ? m_visitedColour : m_linkColour;
}

void CHyperLink::FitToText()
{
    if (!m_adjustToFit || !m_attached)
        return;
    QRect w = geometry();
    const QRect c = contentsRect();
    // Rounded up: a text a fraction of a pixel wider than its rounded advance would lose its
    // last column, which shows once the pixel ratio is above 1.
    const QFontMetrics metrics(m_underlinedFont);
    const int height = metrics.height() + (w.height() - c.height());
    const int width = qCeil(QFontMetricsF(m_underlinedFont).horizontalAdvance(text()))
        + (w.width() - c.width());

    if (alignment() & Qt::AlignVCenter) {
        const int d = (w.height() - height) / 2;
        w.setTop(w.top() + d);
        w.setBottom(w.bottom() - d);
    } else {
        w.setHeight(height);
    }
    if (alignment() & Qt::AlignHCenter) {
        const int d = (w.width() - width) / 2;
        w.setLeft(w.left() + d);
        w.setRight(w.right() - d);
    } else if (alignment() & Qt::AlignRight) {
        w.setLeft(w.left() + w.width() - width);
    } else {
        w.setWidth(width);
    }
    setGeometry(w);
}

void CHyperLink::LoadLinkCursor()
{
    if (m_hasLinkCursor)
        return;
    setCursor(Qt::PointingHandCursor);
    m_hasLinkCursor = true;
}

void CHyperLink::RefreshLook()
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, TextColour());
    setPalette(pal);
    update();
}

void CHyperLink::mouseMoveEvent(QMouseEvent *event)
{
    // A click ends the hover while the cursor stays: the next move hovers again.
    Hover();
    QLabel::mouseMoveEvent(event);
}

void CHyperLink::enterEvent(QEnterEvent *event)
{
    Hover();
    QLabel::enterEvent(event);
}

void CHyperLink::leaveEvent(QEvent *event)
{
    // Also after a click ended the hover: the underline it left goes with the cursor.
    m_overControl = false;
    if (m_underlineMode != 1)
        setFont(m_standardFont);
    RefreshLook();
    QLabel::leaveEvent(event);
}

void CHyperLink::Hover()
{
    if (m_overControl)
        return;
    m_overControl = true;
    if (m_underlineMode == -1)
        setFont(m_underlinedFont);
    RefreshLook();
}

void CHyperLink::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        OnClicked();
        return;
    }
    QLabel::mousePressEvent(event);
}

void CHyperLink::OnClicked()
{
    m_overControl = false;
    const int result = OpenLink(m_target);
    m_visited = result > kOpenFailedLimit;
    RefreshLook();
    if (!m_visited) {
        QApplication::beep();
        ReportOpenError(result);
    }
}

int CHyperLink::OpenLink(const QString &target)
{
    if (CurrentDialogs().OpenUrl(target))
        return kOpenSucceeded;
    return RunFallback(target);
}

int CHyperLink::RunFallback(const QString &target) const
{
    constexpr int kNoResources = 0;
    constexpr int kFileNotFound = 2;
    constexpr int kPathNotFound = 3;
    constexpr int kAccessDenied = 5;
    constexpr int kNoAssociation = 31;

    if (target.isEmpty())
        return kFileNotFound;
    // A local file that is not there cannot be opened by anything.
    QString local;
    if (target.startsWith(QLatin1Char('/')))
        local = target;
    else if (const QUrl url(target); url.isLocalFile())
        local = url.toLocalFile();
    if (!local.isEmpty()) {
        const QFileInfo file(local);
        if (!file.exists())
            return file.dir().exists() ? kFileNotFound : kPathNotFound;
    }

    QString program = m_fallbackProgram;
    if (!program.contains(QLatin1Char('/'))) {
        program = QStandardPaths::findExecutable(program);
        if (program.isEmpty())
            return kNoAssociation;
    }
    const QFileInfo programFile(program);
    if (!programFile.exists())
        return kNoAssociation;
    if (!programFile.isExecutable() || programFile.isDir())
        return kAccessDenied;
    // The target is one argument of its own: no shell ever sees it.
    if (!QProcess::startDetached(program, {target}))
        return kNoResources;
    return kOpenSucceeded;
}

QString CHyperLink::OpenErrorText(int result)
{
    switch (result) {
    case 0:
        return QCoreApplication::translate("Link",
                                           "The operating system is out\nof memory or resources.");
    case 2:
        return QCoreApplication::translate("Link", "The specified file was not found.");
    case 3:
        return QCoreApplication::translate("Link", "The specified path was not found.");
    case 5:
        return QCoreApplication::translate(
            "Link", "The operating system denied\naccess to the specified file.");
    case 8:
        return QCoreApplication::translate(
            "Link", "There was not enough memory to complete the operation.");
    case 11:
        return QCoreApplication::translate(
            "Link", "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).");
    case 26:
        return QCoreApplication::translate("Link", "A sharing violation occurred. ");
    case 27:
        return QCoreApplication::translate("Link",
                                           "The filename association is\nincomplete or invalid.");
    case 28:
        return QCoreApplication::translate(
            "Link", "The DDE transaction could not\nbe completed because the request timed out.");
    case 29:
        return QCoreApplication::translate("Link", "The DDE transaction failed.");
    case 30:
        return QCoreApplication::translate(
            "Link",
            "The DDE transaction could not\nbe completed because other DDE "
            "transactions\nwere being processed.");
    case 31:
        return QCoreApplication::translate(
            "Link", "There is no application associated\nwith the given filename extension.");
    case 32:
        return QCoreApplication::translate("Link",
                                           "The specified dynamic-link library was not found.");
    default:
        return QCoreApplication::translate("Link", "Unknown Error (%1) occurred.").arg(result);
    }
}

void CHyperLink::ReportOpenError(int result)
{
    CurrentDialogs().Message(this,
                             QCoreApplication::translate("Link", "Unable to open hyperlink:\n\n%1")
                                 .arg(OpenErrorText(result)),
                             QGuiApplication::applicationDisplayName(), MessageIcon::Warning);
}

void CHyperLink::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Button));
    }
    QLabel::paintEvent(event);
}
