// Draws every picture of Kelvora and writes it into the folder given on the command line.
//
// The toolbar images are drawn antialiased on a transparent canvas and then flattened onto the
// strip's key colour: pixels that are mostly transparent become the key colour exactly, edge
// pixels are blended with a light toolbar grey so that no tinted fringe of the key colour shows.
// The BMP files are written byte by byte, because the strips need formats (8-bit and 4-bit
// palettes, a given key colour in the first stored pixel) that QImage's writer does not offer.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>
#include <QVector>
#include <QtMath>

#include <climits>
#include <cstdio>
#include <functional>

namespace {

constexpr int kCell = 48;
constexpr int kImages = 7;
const QColor kKey184(127, 255, 253);
constexpr int kKeyIndex182 = 216;
constexpr int kSilverIndex132 = 7;
const QColor kMatte(239, 239, 239); // the usual toolbar background

// Flat colours of the icon set.
const QColor kBlue(0x2f, 0x80, 0xed);
const QColor kBlueDark(0x1c, 0x5f, 0xc4);
const QColor kGreen(0x27, 0xae, 0x60);
const QColor kRed(0xeb, 0x57, 0x57);
const QColor kOrange(0xf2, 0x99, 0x4a);
const QColor kAmber(0xf2, 0xc9, 0x4c);
const QColor kAmberDark(0xd9, 0xa4, 0x1e);
const QColor kSlate(0x34, 0x49, 0x5e);
const QColor kPaper(0xff, 0xff, 0xff);
const QColor kPaperLine(0xb6, 0xc2, 0xcf);
const QColor kViolet(0x7b, 0x3f, 0xe4);

// --- BMP writing --------------------------------------------------------------------------

void Put16(QByteArray &b, int v)
{
    b.append(char(v & 0xff));
    b.append(char((v >> 8) & 0xff));
}

void Put32(QByteArray &b, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xff));
}

// BITMAPFILEHEADER + BITMAPINFOHEADER + palette + bottom-up rows padded to 4 bytes.
QByteArray BmpBytes(int width, int height, int bits, const QVector<QRgb> &palette,
                    const std::function<QByteArray(int y)> &row)
{
    const int stride = ((width * bits + 31) / 32) * 4;
    const int paletteBytes = palette.size() * 4;
    const int offBits = 14 + 40 + paletteBytes;
    QByteArray b;
    b.append("BM");
    Put32(b, quint32(offBits + stride * height));
    Put32(b, 0);
    Put32(b, quint32(offBits));
    Put32(b, 40);
    Put32(b, quint32(width));
    Put32(b, quint32(height));
    Put16(b, 1);
    Put16(b, bits);
    Put32(b, 0); // BI_RGB
    Put32(b, quint32(stride * height));
    Put32(b, 2835); // 72 dpi
    Put32(b, 2835);
    Put32(b, quint32(palette.size()));
    Put32(b, 0);
    for (QRgb c : palette) {
        b.append(char(qBlue(c)));
        b.append(char(qGreen(c)));
        b.append(char(qRed(c)));
        b.append(char(0));
    }
    for (int y = height - 1; y >= 0; --y) {
        QByteArray r = row(y);
        r.resize(stride, '\0');
        b.append(r);
    }
    return b;
}

QByteArray Bmp24(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    return BmpBytes(rgb.width(), rgb.height(), 24, {}, [&](int y) {
        QByteArray r;
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = rgb.pixel(x, y);
            r.append(char(qBlue(c)));
            r.append(char(qGreen(c)));
            r.append(char(qRed(c)));
        }
        return r;
    });
}

QByteArray Bmp8(const QVector<QVector<int>> &indices, const QVector<QRgb> &palette)
{
    const int height = indices.size();
    const int width = indices.first().size();
    return BmpBytes(width, height, 8, palette, [&](int y) {
        QByteArray r;
        for (int x = 0; x < width; ++x)
            r.append(char(indices[y][x]));
        return r;
    });
}

QByteArray Bmp4(const QVector<QVector<int>> &indices, const QVector<QRgb> &palette)
{
    const int height = indices.size();
    const int width = indices.first().size();
    return BmpBytes(width, height, 4, palette, [&](int y) {
        QByteArray r;
        for (int x = 0; x < width; x += 2) {
            const int hi = indices[y][x];
            const int lo = x + 1 < width ? indices[y][x + 1] : 0;
            r.append(char((hi << 4) | lo));
        }
        return r;
    });
}

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// --- drawing helpers -----------------------------------------------------------------------

QImage Canvas(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

void Badge(QPainter &p, QPointF centre, const QColor &colour, bool plus)
{
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(colour);
    p.drawEllipse(centre, 10, 10);
    p.setPen(QPen(Qt::white, 3.2, Qt::SolidLine, Qt::RoundCap));
    if (plus) {
        p.drawLine(centre + QPointF(-5, 0), centre + QPointF(5, 0));
        p.drawLine(centre + QPointF(0, -5), centre + QPointF(0, 5));
    } else {
        p.drawLine(centre + QPointF(-4, -4), centre + QPointF(4, 4));
        p.drawLine(centre + QPointF(-4, 4), centre + QPointF(4, -4));
    }
}

void Page(QPainter &p, QRectF r, qreal fold, bool lines)
{
    QPainterPath page;
    page.moveTo(r.left(), r.top() + 2);
    page.quadTo(r.left(), r.top(), r.left() + 2, r.top());
    page.lineTo(r.right() - fold, r.top());
    page.lineTo(r.right(), r.top() + fold);
    page.lineTo(r.right(), r.bottom() - 2);
    page.quadTo(r.right(), r.bottom(), r.right() - 2, r.bottom());
    page.lineTo(r.left() + 2, r.bottom());
    page.quadTo(r.left(), r.bottom(), r.left(), r.bottom() - 2);
    page.closeSubpath();
    p.setPen(QPen(kSlate, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kPaper);
    p.drawPath(page);
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    p.setBrush(kPaperLine);
    p.drawPath(corner);
    if (lines) {
        p.setPen(QPen(kPaperLine, 2, Qt::SolidLine, Qt::RoundCap));
        for (qreal y = r.top() + fold + 5; y < r.bottom() - 6; y += 5)
            p.drawLine(QPointF(r.left() + 5, y), QPointF(r.right() - 6, y));
    }
}

void FolderShape(QPainter &p, QRectF r)
{
    QPainterPath back;
    back.addRoundedRect(QRectF(r.left(), r.top(), r.width() * 0.45, 8), 2, 2);
    back.addRoundedRect(QRectF(r.left(), r.top() + 4, r.width(), r.height() - 4), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(kAmberDark);
    p.drawPath(back.simplified());
    p.setBrush(kAmber);
    p.drawRoundedRect(QRectF(r.left(), r.top() + 10, r.width(), r.height() - 10), 3, 3);
}

void ArrowArc(QPainter &p, QPointF c, qreal radius, qreal startDeg, qreal spanDeg,
              const QColor &colour, qreal width)
{
    const QRectF box(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(box, int(startDeg * 16), int(spanDeg * 16));
    // arrow head at the end of the arc, pointing along it
    const qreal end = qDegreesToRadians(startDeg + spanDeg);
    const QPointF tip(c.x() + radius * qCos(end), c.y() - radius * qSin(end));
    const qreal dir = spanDeg > 0 ? 1 : -1;
    const QPointF tangent(-qSin(end) * dir, -qCos(end) * dir);
    const QPointF normal(qCos(end), -qSin(end));
    const qreal head = width * 1.6;
    QPolygonF arrow;
    arrow << tip + tangent * head << tip + normal * head << tip - normal * head;
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(arrow);
}

// --- the toolbar images ----------------------------------------------------------------------

QImage ToolImage(int index)
{
    QImage image = Canvas(kCell, kCell);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    switch (index) {
    case 0: // add file
        Page(p, QRectF(9, 5, 26, 34), 8, true);
        Badge(p, QPointF(34, 34), kGreen, true);
        break;
    case 1: // add folder
        FolderShape(p, QRectF(5, 8, 34, 28));
        Badge(p, QPointF(35, 34), kGreen, true);
        break;
    case 2: // remove all
        Page(p, QRectF(13, 4, 24, 30), 7, false);
        Page(p, QRectF(8, 9, 24, 31), 7, true);
        Badge(p, QPointF(34, 34), kRed, false);
        break;
    case 3: { // convert
        const QPointF c(24, 24);
        ArrowArc(p, c, 14, 200, -150, kBlue, 5);
        ArrowArc(p, c, 14, 20, -150, kBlueDark, 5);
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        QPolygonF play;
        play << QPointF(20, 17) << QPointF(31, 24) << QPointF(20, 31);
        p.drawPolygon(play);
        break;
    }
    case 4: { // skip the current file
        p.setPen(Qt::NoPen);
        p.setBrush(kOrange);
        QPolygonF first, second;
        first << QPointF(7, 12) << QPointF(22, 24) << QPointF(7, 36);
        second << QPointF(21, 12) << QPointF(36, 24) << QPointF(21, 36);
        p.drawPolygon(first);
        p.drawPolygon(second);
        p.drawRoundedRect(QRectF(36, 12, 5, 24), 1.5, 1.5);
        break;
    }
    case 5: // stop everything
        p.setPen(Qt::NoPen);
        p.setBrush(kRed);
        p.drawEllipse(QPointF(24, 24), 18, 18);
        // the square is cut out, so the bar's own background shows through it
        p.setCompositionMode(QPainter::CompositionMode_Clear);
        p.drawRoundedRect(QRectF(16.5, 16.5, 15, 15), 2, 2);
        break;
    case 6: // about
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawEllipse(QPointF(24, 24), 18, 18);
        p.setCompositionMode(QPainter::CompositionMode_Clear);
        p.drawEllipse(QPointF(24, 14.5), 3.2, 3.2);
        p.drawRoundedRect(QRectF(21, 20, 6, 16), 2, 2);
        break;
    }
    return image;
}

QRgb Unpremultiplied(QRgb c)
{
    return qUnpremultiply(qPremultiply(c)); // ARGB32 pixels are already unpremultiplied
}

QColor Over(QRgb c, const QColor &matte)
{
    const qreal a = qAlpha(c) / 255.0;
    return QColor(qRound(qRed(c) * a + matte.red() * (1 - a)),
                  qRound(qGreen(c) * a + matte.green() * (1 - a)),
                  qRound(qBlue(c) * a + matte.blue() * (1 - a)));
}

// Below this alpha a pixel belongs to the transparent background.
constexpr int kAlphaCut = 80;

QImage Strip184(const QVector<QImage> &images)
{
    QImage strip(kCell * kImages, kCell, QImage::Format_RGB32);
    strip.fill(kKey184);
    for (int i = 0; i < kImages; ++i) {
        for (int y = 0; y < kCell; ++y) {
            for (int x = 0; x < kCell; ++x) {
                const QRgb c = Unpremultiplied(images[i].pixel(x, y));
                if (qAlpha(c) < kAlphaCut)
                    continue;
                QColor out = Over(c, kMatte);
                if (out == kKey184)
                    out = out.darker(101);
                strip.setPixel(i * kCell + x, y, out.rgb());
            }
        }
    }
    return strip;
}

// The disabled look: light, low-contrast greys. Grey 216 stands for transparency, so drawn pixels
// never take that value.
QVector<QVector<int>> Strip182(const QVector<QImage> &images)
{
    QVector<QVector<int>> rows(kCell, QVector<int>(kCell * kImages, kKeyIndex182));
    for (int i = 0; i < kImages; ++i) {
        for (int y = 0; y < kCell; ++y) {
            for (int x = 0; x < kCell; ++x) {
                const QRgb c = Unpremultiplied(images[i].pixel(x, y));
                if (qAlpha(c) < kAlphaCut)
                    continue;
                const qreal lum = 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c);
                const int grey = qRound(100 + lum * 0.45);
                const QColor g = Over(qRgba(grey, grey, grey, qAlpha(c)), kMatte);
                int index = g.red();
                if (index == kKeyIndex182)
                    index = kKeyIndex182 - 1;
                rows[y][i * kCell + x] = index;
            }
        }
    }
    return rows;
}

QVector<QRgb> GreyPalette()
{
    QVector<QRgb> palette;
    for (int i = 0; i < 256; ++i)
        palette.append(qRgb(i, i, i));
    return palette;
}

QVector<QRgb> VgaPalette()
{
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

int Nearest(const QColor &c, const QVector<QRgb> &palette, int excluded)
{
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < palette.size(); ++i) {
        if (i == excluded)
            continue;
        const int dr = c.red() - qRed(palette[i]);
        const int dg = c.green() - qGreen(palette[i]);
        const int db = c.blue() - qBlue(palette[i]);
        const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

// The layout's own 16-colour strip, on the classic silver background.
QVector<QVector<int>> Strip132(const QVector<QImage> &images)
{
    const QVector<QRgb> palette = VgaPalette();
    QVector<QVector<int>> rows(kCell, QVector<int>(kCell * kImages, kSilverIndex132));
    for (int i = 0; i < kImages; ++i) {
        for (int y = 0; y < kCell; ++y) {
            for (int x = 0; x < kCell; ++x) {
                const QRgb c = Unpremultiplied(images[i].pixel(x, y));
                if (qAlpha(c) < 128)
                    continue;
                rows[y][i * kCell + x] = Nearest(QColor::fromRgb(c), palette, kSilverIndex132);
            }
        }
    }
    return rows;
}

// --- the logo, the About picture, the cursor, the small bitmaps ------------------------------

QImage Logo(int size)
{
    QImage image = Canvas(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    const QRectF body(s * 0.04, s * 0.04, s * 0.92, s * 0.92);
    QLinearGradient gradient(body.topLeft(), body.bottomRight());
    gradient.setColorAt(0, kBlue);
    gradient.setColorAt(1, kViolet);
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawRoundedRect(body, s * 0.2, s * 0.2);

    const QPointF c(s / 2, s / 2);
    const qreal ring = s * 0.29;
    const qreal stroke = qMax(2.0, s * 0.075);
    ArrowArc(p, c, ring, 120, -250, Qt::white, stroke);
    QPolygonF play;
    play << QPointF(s * 0.42, s * 0.36) << QPointF(s * 0.64, s * 0.5)
         << QPointF(s * 0.42, s * 0.64);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(play);
    return image;
}

QImage AboutPicture()
{
    QImage picture(128, 128, QImage::Format_RGB32);
    picture.fill(kMatte);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(QPointF(64, 64), 64);
    glow.setColorAt(0, QColor(255, 255, 255));
    glow.setColorAt(1, kMatte);
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(64, 64), 64, 64);
    p.drawImage(QRectF(12, 12, 104, 104), Logo(208));
    return picture;
}

// A pointer in the program's colours; its hot spot is the tip at (2, 2).
QImage Cursor()
{
    QImage image = Canvas(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPolygonF arrow;
    arrow << QPointF(2, 2) << QPointF(2, 22) << QPointF(7, 17.5) << QPointF(10.5, 25.5)
          << QPointF(14, 24) << QPointF(10.5, 16) << QPointF(17, 16);
    p.translate(0.5, 0.5);
    p.setPen(QPen(QColor(0, 0, 0, 70), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(arrow.translated(1, 1));
    QLinearGradient fill(QPointF(2, 2), QPointF(14, 24));
    fill.setColorAt(0, kBlue);
    fill.setColorAt(1, kViolet);
    p.setPen(QPen(Qt::white, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPolygon(arrow);
    return image;
}

QImage SolutionFace(bool pressed)
{
    QImage face(16, 15, QImage::Format_RGB32);
    face.fill(kMatte);
    QPainter p(&face);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 15);
    g.setColorAt(0, pressed ? QColor(0xd2, 0xdb, 0xe6) : QColor(0xfd, 0xfd, 0xfd));
    g.setColorAt(1, pressed ? QColor(0xe2, 0xe8, 0xef) : QColor(0xe4, 0xe8, 0xec));
    p.setPen(QPen(pressed ? kBlueDark : QColor(0x8a, 0x96, 0xa3), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 14), 2.5, 2.5);
    const qreal d = pressed ? 1 : 0;
    QPolygonF triangle;
    triangle << QPointF(4.5 + d, 6 + d) << QPointF(11.5 + d, 6 + d) << QPointF(8 + d, 10 + d);
    p.setPen(Qt::NoPen);
    p.setBrush(kSlate);
    p.drawPolygon(triangle);
    return face;
}

QImage Film()
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(kSlate);
    p.drawRect(1, 2, 14, 12);
    p.setBrush(Qt::white);
    for (int y = 3; y < 14; y += 3) {
        p.drawRect(2, y, 1, 1);
        p.drawRect(13, y, 1, 1);
    }
    p.setBrush(kBlue);
    p.drawRect(4, 3, 8, 4);
    p.setBrush(QColor(0x56, 0xcc, 0xf2));
    p.drawRect(4, 9, 8, 4);
    return image;
}

QImage PageSound()
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(kSlate);
    p.setBrush(kPaper);
    QPolygon page;
    page << QPoint(2, 0) << QPoint(10, 0) << QPoint(13, 3) << QPoint(13, 15) << QPoint(2, 15);
    p.drawPolygon(page);
    p.drawLine(10, 0, 10, 3);
    p.drawLine(10, 3, 13, 3);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kViolet);
    p.drawEllipse(QPointF(6, 12), 2, 1.6);
    p.drawRect(QRectF(7.2, 5, 1.3, 7));
    p.drawPolygon(QPolygonF() << QPointF(7.2, 5) << QPointF(11, 6.5) << QPointF(11, 8.2)
                              << QPointF(7.2, 6.8));
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures <res folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));

    QVector<QImage> images;
    for (int i = 0; i < kImages; ++i)
        images.append(ToolImage(i));

    bool ok = true;
    ok &= WriteFile(out.filePath(QStringLiteral("toolbar_184.bmp")), Bmp24(Strip184(images)));
    ok &= WriteFile(out.filePath(QStringLiteral("toolbar_182.bmp")),
                    Bmp8(Strip182(images), GreyPalette()));
    ok &= WriteFile(out.filePath(QStringLiteral("toolbar_132.bmp")),
                    Bmp4(Strip132(images), VgaPalette()));
    ok &= WriteFile(out.filePath(QStringLiteral("about_205.bmp")), Bmp24(AboutPicture()));
    ok &= WriteFile(out.filePath(QStringLiteral("solution_210.bmp")), Bmp24(SolutionFace(false)));
    ok &= WriteFile(out.filePath(QStringLiteral("solution_209.bmp")), Bmp24(SolutionFace(true)));
    ok &= WriteFile(out.filePath(QStringLiteral("film.bmp")), Bmp24(Film()));
    ok &= WriteFile(out.filePath(QStringLiteral("page_sound.bmp")), Bmp24(PageSound()));
    ok &= Logo(256).save(out.filePath(QStringLiteral("kelvora.png")));
    ok &= Logo(32).save(out.filePath(QStringLiteral("kelvora_32.png")));
    ok &= Logo(32).save(out.filePath(QStringLiteral("kelvora.ico")), "ICO");
    ok &= Cursor().save(out.filePath(QStringLiteral("cursor.png")));
    return ok ? 0 : 1;
}
