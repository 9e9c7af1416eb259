// Draws the program's pictures: the window icon, the main window's background and the
// About window's picture. Shapes only, no text, so the output does not depend on fonts.
// Usage: velmo-assets <assets folder>
#include <QBuffer>
#include <QColor>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <iterator>

namespace {

const QColor kInk(0x2e, 0x6d, 0xb4);
const QColor kPaper(0xfb, 0xfa, 0xf4);
// Qt's quality for its writers: for PNG the strongest compression (the same pixels, fewer bytes).
constexpr int kSmallest = 0;

QImage Canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(kPaper);
    return image;
}

void FillVertical(QPainter& painter, const QRectF& area, const QColor& top, const QColor& bottom)
{
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(area, gradient);
}

void SoftCircle(QPainter& painter, QPointF centre, qreal radius, QColor colour)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(centre, radius, radius);
}

// Two boxes with a bar between them: a fraction, the program's emblem.
void Fraction(QPainter& painter, const QRectF& area, const QColor& boxes, const QColor& bar)
{
    const qreal boxHeight = area.height() * 0.36;
    const qreal radius = area.width() * 0.12;
    painter.setPen(Qt::NoPen);
    painter.setBrush(boxes);
    painter.drawRoundedRect(QRectF(area.left(), area.top(), area.width(), boxHeight), radius, radius);
    painter.drawRoundedRect(QRectF(area.left(), area.bottom() - boxHeight, area.width(), boxHeight), radius, radius);
    const qreal barHeight = area.height() * 0.1;
    painter.setBrush(bar);
    painter.drawRect(
        QRectF(area.left() - area.width() * 0.12, area.center().y() - barHeight / 2, area.width() * 1.24, barHeight));
}

// Drawn on a 32-unit grid, so the same icon comes out sharp at any size.
QImage Icon(int size)
{
    QImage image = Canvas(size, size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(image.rect(), Qt::white);
    painter.scale(size / 32.0, size / 32.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    Fraction(painter, QRectF(10, 6, 12, 20), Qt::white, QColor(0xff, 0xd8, 0x6b));
    return image;
}

// For launchers that cut the icon to a shape of their own: the ink fills the whole square, and
// the emblem stays inside the central circle of 80% of its width that every shape keeps.
QImage MaskableIcon(int size)
{
    QImage image = Canvas(size, size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(image.rect(), kInk);
    painter.scale(size / 32.0, size / 32.0);
    // The icon's emblem: its farthest corner lies 11.7 units from the centre, within the 12.8.
    Fraction(painter, QRectF(10, 6, 12, 20), Qt::white, QColor(0xff, 0xd8, 0x6b));
    return image;
}

QImage Background()
{
    QImage image = Canvas(246, 398);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    FillVertical(painter, image.rect(), QColor(0xe6, 0xf0, 0xfa), QColor(0xfb, 0xf7, 0xec));
    SoftCircle(painter, {10, 20}, 70, QColor(255, 255, 255, 90));
    SoftCircle(painter, {236, 210}, 90, QColor(0xd8, 0xe8, 0xf6, 110));
    SoftCircle(painter, {30, 390}, 80, QColor(0xf4, 0xe9, 0xcf, 120));
    return image;
}

QImage AboutPicture()
{
    QImage image = Canvas(138, 256);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    FillVertical(painter, image.rect(), QColor(0xdc, 0xea, 0xf8), QColor(0xf6, 0xf1, 0xe2));
    SoftCircle(painter, {120, 30}, 50, QColor(255, 255, 255, 120));
    SoftCircle(painter, {20, 230}, 60, QColor(0xe9, 0xdc, 0xbd, 110));
    Fraction(painter, QRectF(44, 70, 50, 110), kInk, QColor(0xe0, 0x9a, 0x2b));
    return image;
}

bool Save(const QImage& image, const QDir& folder, const char* name, const char* format)
{
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (!image.save(path, format, kSmallest)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// A Windows icon holding the icon at every size Explorer and the taskbar ask for, each
// image stored as PNG (as Windows Vista and later read it).
bool SaveWindowsIcon(const QDir& folder, const char* name)
{
    const int sizes[] = {16, 24, 32, 48, 256};
    QByteArray header, images;
    QDataStream out(&header, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(std::size(sizes)); // reserved, type icon, count
    quint32 offset = 6 + 16 * std::size(sizes);
    for (const int size : sizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        Icon(size).save(&buffer, "PNG");
        // Width and height 0 stand for 256; no palette, one plane, 32 bits per pixel.
        out << quint8(size % 256) << quint8(size % 256) << quint8(0) << quint8(0) << quint16(1) << quint16(32)
            << quint32(png.size()) << offset;
        offset += static_cast<quint32>(png.size());
        images += png;
    }
    QFile file(folder.filePath(QString::fromLatin1(name)));
    if (!file.open(QIODevice::WriteOnly) || file.write(header + images) != header.size() + images.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    std::printf("%s\n", qPrintable(file.fileName()));
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmo-assets <assets folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QImage icon = Icon(32);
    bool saved = Save(icon, folder, "icon.bmp", "BMP") && SaveWindowsIcon(folder, "velmo.ico")
        && Save(icon, folder, "icon-32.png", "PNG") && Save(Icon(256), folder, "icon-256.png", "PNG");
    // The desktop programs read the pictures as bitmaps; the browser gets the same pixels smaller.
    for (const char* format : {"BMP", "PNG"}) {
        const QString suffix = QString::fromLatin1(format).toLower();
        saved = saved && Save(Background(), folder, qPrintable("background." + suffix), format)
            && Save(AboutPicture(), folder, qPrintable("about." + suffix), format);
    }
    // What phones and tablets ask of an installed site: the home-screen icons and Apple's.
    saved = saved && Save(Icon(180), folder, "icon-180.png", "PNG") && Save(Icon(192), folder, "icon-192.png", "PNG")
        && Save(Icon(512), folder, "icon-512.png", "PNG")
        && Save(MaskableIcon(512), folder, "icon-maskable-512.png", "PNG");
    return saved ? 0 : 1;
}
