// The program's own colours, whatever the desktop's theme.
#include "ui/controls/chrome/kelvora_palette.h"

#include "ui/controls/chrome/fixed_size_guard.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace {

const QColor kGround(239, 239, 239);
const QColor kInk(0, 0, 0);
// Grey enough to look unavailable, dark enough to read on every ground the program uses (white,
// the light grey and the main window's pale blue).
const QColor kDisabledInk(89, 89, 89);
const QColor kHighlight(31, 95, 166);

} // namespace

QPalette KelvoraPalette()
{
    QPalette palette;
    auto set = [&palette](QPalette::ColorRole role, const QColor &color) {
        for (QPalette::ColorGroup group :
             {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            palette.setColor(group, role, color);
    };
    set(QPalette::Window, kGround);
    set(QPalette::WindowText, kInk);
    set(QPalette::Base, Qt::white);
    set(QPalette::AlternateBase, QColor(247, 247, 247));
    set(QPalette::ToolTipBase, QColor(255, 255, 220));
    set(QPalette::ToolTipText, kInk);
    set(QPalette::PlaceholderText, kDisabledInk);
    set(QPalette::Text, kInk);
    set(QPalette::Button, kGround);
    set(QPalette::ButtonText, kInk);
    set(QPalette::BrightText, Qt::white);
    set(QPalette::Light, Qt::white);
    set(QPalette::Midlight, QColor(202, 202, 202));
    // The embossed text of a grayed menu item is drawn in this colour over the menu's ground.
    set(QPalette::Dark, kDisabledInk);
    set(QPalette::Mid, QColor(160, 160, 160));
    set(QPalette::Shadow, QColor(70, 70, 70));
    set(QPalette::Highlight, kHighlight);
    set(QPalette::HighlightedText, Qt::white);
    set(QPalette::Link, QColor(0, 0, 238));
    set(QPalette::LinkVisited, QColor(85, 26, 139));
    set(QPalette::NoRole, kGround);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, kDisabledInk);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, kDisabledInk);
    return palette;
}

void ApplyKelvoraLook()
{
    // Fusion draws with the palette only; a platform style (a GTK or KDE theme) would take its
    // colours from the desktop again.
    if (QApplication::style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Every role is set: a theme changed while the program runs has none left to fill in.
    QApplication::setPalette(KelvoraPalette());
    GuardFixedSizeWindows();
}
