// Paints both skins of the program into <out>/skin1 and <out>/skin2:
//   zr_skinpainter <out> <HWDef.bin>
// The key cap sizes come from the hardware definition, so a new key type
// there gets its caps on the next build.
#include "tools/skinpainter/cap_sizes.h"
#include "tools/skinpainter/ico_writer.h"
#include "tools/skinpainter/painters.h"
#include "tools/skinpainter/skin_catalogue.h"
#include "tools/skinpainter/skin_theme.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {

QImage render(const QSize &size, const PaintFunction &paint, const SkinTheme &theme)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paint(p, QRectF(QPointF(0, 0), QSizeF(size)), theme);
    p.end();
    return image;
}

bool paintSkin(const QString &folder, const SkinTheme &theme, const std::vector<SkinImage> &catalogue)
{
    // The folder is the painter's alone: a picture no longer in the
    // catalogue must not linger in it.
    QDir(folder).removeRecursively();
    for (const SkinImage &entry : catalogue) {
        const QString path = folder + QLatin1Char('/') + entry.path;
        if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
            std::fprintf(stderr, "zr_skinpainter: cannot create the folder of %s\n", qPrintable(path));
            return false;
        }
        const QImage image = render(entry.size, entry.paint, theme);
        if (!image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG")) {
            std::fprintf(stderr, "zr_skinpainter: cannot write %s\n", qPrintable(path));
            return false;
        }
    }

    // The tray icon, in the sizes the desktops ask for.
    QList<QImage> icons;
    for (const int side : {16, 24, 32, 48, 64}) {
        icons << render(QSize(side, side),
                        [](QPainter &p, const QRectF &r, const SkinTheme &t) { paintTrayEmblem(p, r, t); },
                        theme);
    }
    const QString ico = folder + QStringLiteral("/logo.ico");
    if (!writeIco(ico, icons)) {
        std::fprintf(stderr, "zr_skinpainter: cannot write %s\n", qPrintable(ico));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: zr_skinpainter <output folder> <HWDef.bin>\n");
        return 2;
    }
    const CapSizes caps = readCapSizes(args.at(2));
    if (!caps.error.isEmpty()) {
        std::fprintf(stderr, "zr_skinpainter: %s\n", qPrintable(caps.error));
        return 1;
    }
    const std::vector<SkinImage> catalogue = skinCatalogue(caps.sizes);
    for (const SkinTheme &theme : skinThemes()) {
        const QString folder = QDir(args.at(1)).filePath(QStringLiteral("skin%1").arg(theme.number));
        if (!paintSkin(folder, theme, catalogue))
            return 1;
    }
    std::printf("zr_skinpainter: %zu images and a tray icon in each of %zu skins\n", catalogue.size(),
                skinThemes().size());
    return 0;
}
