#pragma once

#include <QObject>

// Keeps every top-level window whose minimum and maximum sizes are equal from ending up
// maximised, whoever asks (a menu of the window manager, a decoration Qt draws on Wayland, the
// program). Under Wayland the compositor answers a maximise request with the screen's size, and a
// window that then keeps its own size is a protocol error that ends the program: such a window
// is let grow for the moment, then given its state and size back.
class FixedSizeGuard final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FixedSizeGuard)

public:
    explicit FixedSizeGuard(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Watch(QWidget *window);
    void Release(QWidget *window);
};

// Installs one FixedSizeGuard on the application; further calls do nothing.
void GuardFixedSizeWindows();
