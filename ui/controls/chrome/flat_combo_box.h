#pragma once

#include <QColor>
#include <QComboBox>

class QPainter;

// The flat drop-down list of the saving folder: Qt paints the combo box, then thin frames are
// drawn over its border and its drop button. While the mouse is over the control the drop button
// looks raised, while the left button is down it looks pressed.
class CFlatComboBox final : public QComboBox
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CFlatComboBox)

public:
    enum class FrameState { Normal, Raised, Pressed };

    explicit CFlatComboBox(QWidget *parent = nullptr);

    // Draws the frames of `state` on `painter`, sized to this control: the outer frame in
    // `topLeft` / `bottomRight`, the inner frame, the drop-button frames and the drop-button
    // edge of the state, in the palette's Button (face), Dark (shadow) and Light (highlight).
    void DrawFrame(QPainter &painter, FrameState state, const QColor &topLeft,
                   const QColor &bottomRight) const;

    bool buttonDown() const { return m_buttonDown; }
    bool hoverPainted() const { return m_hoverPainted; }
    // The frame last drawn over the normal one: Raised while hovered, Pressed while the button is
    // down after a hover, Normal otherwise.
    FrameState shownFrame() const { return m_shownFrame; }
    // How many times a frame other than the paint's normal one was drawn.
    int frameChanges() const { return m_frameChanges; }

    // The width of the drop-button area inside the borders.
    int DropButtonWidth() const;

    void hidePopup() override;

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void ShowFrame(FrameState state);
    void Hover();
    void ButtonUp();

    bool m_buttonDown = false;
    bool m_hoverPainted = false;
    FrameState m_shownFrame = FrameState::Normal;
    int m_frameChanges = 0;
};
