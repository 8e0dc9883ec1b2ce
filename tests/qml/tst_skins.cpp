// The painted skin folders, read as data: the scene and the tray find every
// image they name in both skins, the key caps fit the layout, and the two
// skins really look different.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QtTest>

namespace {

const QString kSkinRoot = QStringLiteral(ZR_SKIN_ROOT);

QString skinFolder(int number)
{
    return kSkinRoot + QStringLiteral("/skin%1").arg(number);
}

QSet<QString> filesIn(const QString &folder)
{
    QSet<QString> files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.insert(QDir(folder).relativeFilePath(it.next()));
    return files;
}

QString readText(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(f.readAll());
}

// Every path the scene builds as skinFolder + "<path>".
QStringList imagesNamedByScene()
{
    static const QRegularExpression named(QStringLiteral("skinFolder \\+ \"([^\"]+\\.png)\""));
    QStringList paths;
    auto it = named.globalMatch(readText(QStringLiteral(ZR_MAIN_QML)));
    while (it.hasNext())
        paths << it.next().captured(1);
    return paths;
}

// Key type -> documented cap size, from the hardware definition's comments.
QMap<int, QSize> documentedCapSizes()
{
    static const QRegularExpression documented(
        QStringLiteral("^;\\s*type\\s+(\\d+)\\s*:\\s*(\\d+)\\s*x\\s*(\\d+)\\s*px"),
        QRegularExpression::MultilineOption);
    QMap<int, QSize> sizes;
    auto it = documented.globalMatch(readText(QStringLiteral(ZR_HWDEF)));
    while (it.hasNext()) {
        const auto m = it.next();
        sizes.insert(m.captured(1).toInt(), QSize(m.captured(2).toInt(), m.captured(3).toInt()));
    }
    return sizes;
}

// The key types the layout uses, read the way the program reads the file.
QSet<int> layoutKeyTypes()
{
    QSettings def(QStringLiteral(ZR_HWDEF), QSettings::IniFormat);
    def.beginGroup(QStringLiteral("0"));
    QSet<int> types;
    const int keys = def.value(QStringLiteral("total_HW")).toInt();
    for (int i = 1; i <= keys; ++i) {
        const QStringList entry = def.value(QString::number(i)).toStringList();
        if (entry.size() == 6)
            types.insert(entry.at(2).trimmed().toInt());
    }
    types.remove(0);   // type 0 draws no cap
    return types;
}

double meanLuma(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_ARGB32);
    double sum = 0;
    int counted = 0;
    for (int y = 0; y < rgb.height(); y += 3) {
        for (int x = 0; x < rgb.width(); x += 3) {
            const QRgb px = rgb.pixel(x, y);
            if (qAlpha(px) == 0)
                continue;
            sum += qGray(px);
            ++counted;
        }
    }
    return counted ? sum / counted : 0;
}

QColor meanColour(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_ARGB32);
    double r = 0, g = 0, b = 0;
    int counted = 0;
    for (int y = 0; y < rgb.height(); y += 2) {
        for (int x = 0; x < rgb.width(); x += 2) {
            const QRgb px = rgb.pixel(x, y);
            if (qAlpha(px) < 128)
                continue;
            r += qRed(px);
            g += qGreen(px);
            b += qBlue(px);
            ++counted;
        }
    }
    if (!counted)
        return {};
    return QColor(int(r / counted), int(g / counted), int(b / counted));
}

} // namespace

class TestSkins : public QObject
{
    Q_OBJECT

private slots:
    void bothSkinsHoldTheSameFiles();
    void sceneNamesItsImagesOnePerFile();
    void everyImageTheSceneNamesExists_data();
    void everyImageTheSceneNamesExists();
    void capsForEveryKeyTypeOfTheLayout();
    void trayIconIsReadable();
    void noImageIsBlank();
    void theTwoSkinsLookDifferent();
};

void TestSkins::bothSkinsHoldTheSameFiles()
{
    const QSet<QString> one = filesIn(skinFolder(1));
    const QSet<QString> two = filesIn(skinFolder(2));
    QVERIFY2(!one.isEmpty(), qPrintable(skinFolder(1)));
    QCOMPARE(one, two);
    QVERIFY(one.contains(QStringLiteral("logo.ico")));
}

void TestSkins::sceneNamesItsImagesOnePerFile()
{
    // Every picture of a skin folder except the key caps and the tray icon
    // has its own image property in the scene's root.
    const QStringList named = imagesNamedByScene();
    QSet<QString> expected;
    for (const QString &file : filesIn(skinFolder(1))) {
        if (!file.startsWith(QLatin1String("model_kb/")) && file != QLatin1String("logo.ico"))
            expected.insert(file);
    }
    QCOMPARE(QSet<QString>(named.cbegin(), named.cend()), expected);
    QCOMPARE(named.size(), expected.size());
}

void TestSkins::everyImageTheSceneNamesExists_data()
{
    QTest::addColumn<QString>("path");
    const QStringList paths = imagesNamedByScene();
    for (const QString &path : paths)
        QTest::newRow(qPrintable(path)) << path;
}

void TestSkins::everyImageTheSceneNamesExists()
{
    QFETCH(QString, path);
    for (int skin = 1; skin <= 2; ++skin) {
        const QImage image(skinFolder(skin) + QLatin1Char('/') + path);
        QVERIFY2(!image.isNull(), qPrintable(QStringLiteral("skin%1/%2").arg(skin).arg(path)));
    }
}

void TestSkins::capsForEveryKeyTypeOfTheLayout()
{
    const QSet<int> types = layoutKeyTypes();
    const QMap<int, QSize> sizes = documentedCapSizes();
    QVERIFY(!types.isEmpty());
    for (const int type : types) {
        QVERIFY2(sizes.contains(type), qPrintable(QStringLiteral("type %1 has no documented size").arg(type)));
        for (int skin = 1; skin <= 2; ++skin) {
            for (const char *state : {"-0.png", "-1.png"}) {
                const QString path = skinFolder(skin) + QStringLiteral("/model_kb/k%1").arg(type) + QLatin1String(state);
                const QImage cap(path);
                QVERIFY2(!cap.isNull(), qPrintable(path));
                QCOMPARE(cap.size(), sizes.value(type));
            }
        }
    }
}

void TestSkins::trayIconIsReadable()
{
    QImageReader reader(skinFolder(1) + QStringLiteral("/logo.ico"));
    QVERIFY2(reader.canRead(), qPrintable(reader.errorString()));
    QCOMPARE(QString::fromLatin1(reader.format()), QStringLiteral("ico"));
    QSet<int> sides;
    for (int i = 0; i < reader.imageCount(); ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.width(), image.height());
        sides.insert(image.width());
    }
    QVERIFY(sides.contains(16));
    QVERIFY(sides.contains(32));
}

void TestSkins::noImageIsBlank()
{
    for (int skin = 1; skin <= 2; ++skin) {
        for (const QString &file : filesIn(skinFolder(skin))) {
            if (!file.endsWith(QLatin1String(".png")))
                continue;
            const QImage image = QImage(skinFolder(skin) + QLatin1Char('/') + file).convertToFormat(QImage::Format_ARGB32);
            QVERIFY2(!image.isNull(), qPrintable(file));
            bool drawn = false;
            for (int y = 0; y < image.height() && !drawn; ++y)
                for (int x = 0; x < image.width() && !drawn; ++x)
                    drawn = qAlpha(image.pixel(x, y)) > 0;
            QVERIFY2(drawn, qPrintable(QStringLiteral("skin%1/%2 is empty").arg(skin).arg(file)));
        }
    }
}

void TestSkins::theTwoSkinsLookDifferent()
{
    const QImage one(skinFolder(1) + QStringLiteral("/background_main.png"));
    const QImage two(skinFolder(2) + QStringLiteral("/background_main.png"));
    QCOMPARE(one.size(), QSize(1000, 600));
    QCOMPARE(two.size(), QSize(1000, 600));
    // The highlights: the lit slider cell carries each skin's accent.
    const QColor a = meanColour(QImage(skinFolder(1) + QStringLiteral("/common/slider_FILLER_1.png")));
    const QColor b = meanColour(QImage(skinFolder(2) + QStringLiteral("/common/slider_FILLER_1.png")));
    QVERIFY(a.isValid() && b.isValid());
    const int distance = qAbs(a.hue() - b.hue());
    QVERIFY2(qMin(distance, 360 - distance) > 60,
             qPrintable(QStringLiteral("accent hues %1 and %2").arg(a.hue()).arg(b.hue())));
    // Both backgrounds are dark, so light texts read on them.
    QVERIFY(meanLuma(one) < 80);
    QVERIFY(meanLuma(two) < 80);
}

QTEST_MAIN(TestSkins)
#include "tst_skins.moc"
