#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>

// A text that behaves as a link: coloured, underlined while hovered (or always, or never), the
// hand cursor, its target as tooltip, and a click that opens the target with the desktop's
// handler, then with `xdg-open`, and reports a failure with a beep and a message box.
//
// Its owner sets the text, the geometry and the alignment first and then calls Attach(), which
// takes the target from the text (or the text from the target), makes the fonts and fits the
// control to its text. Alignment counts as the classic static styles: Qt::AlignHCenter centres,
// Qt::AlignRight right-aligns, Qt::AlignVCenter centres vertically; the default is top-left.
class CHyperLink final : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CHyperLink)

public:
    // OpenLink results above this mean success.
    static constexpr int kOpenFailedLimit = 32;
    // What OpenLink returns when the target was opened.
    static constexpr int kOpenSucceeded = 42;

    explicit CHyperLink(QWidget *parent = nullptr);
    explicit CHyperLink(const QString &text, QWidget *parent = nullptr);

    void Attach();

    void SetURL(const QString &target);
    QString GetURL() const { return m_target; }
    // -1: underlined while hovered; 1: always; any other value: never.
    void SetUnderlineMode(int mode);
    int GetUnderlineMode() const { return m_underlineMode; }
    void SetAutoSize(bool adjustToFit) { m_adjustToFit = adjustToFit; }
    void SetVisited(bool visited);

    bool IsVisited() const { return m_visited; }
    bool IsOverControl() const { return m_overControl; }
    // The colour the text is drawn in now: hover, else visited, else link.
    QColor TextColour() const;
    const QFont &UnderlinedFont() const { return m_underlinedFont; }

    // Resizes the control to its text, keeping its centre or its right edge as its alignment
    // asks. Only when adjusting to fit is on and the control is attached.
    void FitToText();

    // Opens `target`; a result above kOpenFailedLimit means success, any other is the nearest
    // code of the classic open errors (0 no resources, 2 file not found, 3 path not found,
    // 5 access denied, 31 no application associated).
    int OpenLink(const QString &target);
    // "Unable to open hyperlink:\n\n" and the text of `result`, in a warning message box.
    void ReportOpenError(int result);
    static QString OpenErrorText(int result);

    // The program that opens a target the desktop's handler could not; `xdg-open` by default.
    void SetFallbackProgram(const QString &program) { m_fallbackProgram = program; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void OnClicked();
    int RunFallback(const QString &target) const;
    void LoadLinkCursor();
    void RefreshLook();
    void Hover();

    QColor m_linkColour {0, 0, 238};
    QColor m_visitedColour {85, 26, 139};
    QColor m_hoverColour {255, 0, 0};
    bool m_overControl = false;
    bool m_visited = false;
    int m_underlineMode = -1;
    bool m_adjustToFit = true;
    QString m_target;
    QFont m_underlinedFont;
    QFont m_standardFont;
    bool m_hasLinkCursor = false;
    bool m_attached = false;
    QString m_fallbackProgram = QStringLiteral("xdg-open");
};
