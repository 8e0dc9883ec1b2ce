// The shipped hardware and key code definitions, read as data: the key layout
// of HWDef.bin and the key code names of KeyCodeDef.bin.

#include "shipped_tree.h"

#include <QDir>
#include <QImageReader>
#include <QSet>
#include <QtTest>

#include <cmath>

using namespace shipped;

namespace {

// The two fixed runs of matrix positions of the "spotlight" preview.
const QList<int> kRunA{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 27, 43, 59, 74, 73, 57, 41};
const QList<int> kRunB{115, 109, 100, 79, 95, 94, 91, 90, 89, 88, 72, 56, 40, 25, 26, 42, 58};
const QList<int> kCentreBlock{41, 42, 57, 58};
constexpr int kFnMatrix = 89;

const QStringList kMacroTags{QStringLiteral("    [Down]"), QStringLiteral("      [Up]"),
                             QStringLiteral("   [Delay]")};

double angleAround(const Key& k, double cx, double cy)
{
    return std::atan2(k.centreY() - cy, k.centreX() - cx);
}

}  // namespace

class TestShippedLayout : public QObject {
    Q_OBJECT

    Layout layout_;
    QStringList usbStr_;
    QStringList usbCode_;
    QMap<uint, QString> nameOfCode_;

private slots:
    void initTestCase()
    {
        const QString hwPath = runtimeFile(QStringLiteral("modules/setting/HWDef.bin"));
        QVERIFY2(QFile::exists(hwPath), qPrintable(hwPath));
        QCOMPARE(QSettings(hwPath, QSettings::IniFormat).status(), QSettings::NoError);
        layout_ = readLayout(hwPath);

        const QString kcPath = runtimeFile(QStringLiteral("modules/setting/KeyCodeDef.bin"));
        QVERIFY2(QFile::exists(kcPath), qPrintable(kcPath));
        QSettings kc(kcPath, QSettings::IniFormat);
        QCOMPARE(kc.status(), QSettings::NoError);
        QCOMPARE(kc.value(QStringLiteral("common/usbStr")).typeId(), QMetaType::QStringList);
        QCOMPARE(kc.value(QStringLiteral("common/usbCode")).typeId(), QMetaType::QStringList);
        usbStr_ = kc.value(QStringLiteral("common/usbStr")).toStringList();
        usbCode_ = kc.value(QStringLiteral("common/usbCode")).toStringList();
        for (int i = 0; i < qMin(usbStr_.size(), usbCode_.size()); ++i)
            nameOfCode_.insert(usbCode_[i].toUInt(nullptr, 10), usbStr_[i]);
    }

    void limitsSuitTheProgram()
    {
        const QString hwPath = runtimeFile(QStringLiteral("modules/setting/HWDef.bin"));
        QCOMPARE(settingInt(hwPath, QStringLiteral("common/kbLayoutType")), 0);
        const int maxProfile = settingInt(hwPath, QStringLiteral("common/maxProfile"));
        QVERIFY2(maxProfile >= 1 && maxProfile <= 10, "the profile menu shows one to ten profiles");
        const int maxMacro = settingInt(hwPath, QStringLiteral("common/maxMacro"));
        // A saved macro is sent at once only to slots 0..16; a slot beyond that
        // could never be filled from the macro page.
        QVERIFY2(maxMacro >= 1 && maxMacro <= 17, "macro slots must lie in 0..16");
    }

    void everyEntryHasSixItems()
    {
        QCOMPARE(layout_.totalHw, 104);
        QVERIFY2(layout_.problems.isEmpty(), qPrintable(layout_.problems.join(QLatin1Char('\n'))));
        QCOMPARE(layout_.keys.size(), layout_.totalHw);

        // No entry beyond total_HW that the program would silently ignore.
        QSettings hw(runtimeFile(QStringLiteral("modules/setting/HWDef.bin")), QSettings::IniFormat);
        hw.beginGroup(QStringLiteral("0"));
        int entries = 0;
        for (const QString& key : hw.childKeys()) {
            bool numeric = false;
            const int n = key.toInt(&numeric);
            if (numeric) {
                ++entries;
                QVERIFY2(n >= 1 && n <= layout_.totalHw, qPrintable(key));
            }
        }
        QCOMPARE(entries, layout_.totalHw);
    }

    void matrixHas128Slots() { QCOMPARE(layout_.totalFw, kMatrixSlots); }

    void matrixIndexesAreUniqueAndInRange()
    {
        QSet<int> seen;
        for (const Key& k : layout_.keys) {
            QVERIFY2(k.matrix >= 0 && k.matrix < kMatrixSlots, qPrintable(k.label));
            QVERIFY2(!seen.contains(k.matrix), qPrintable(QStringLiteral("matrix %1 twice").arg(k.matrix)));
            seen.insert(k.matrix);
        }
    }

    void keyTypesNameKnownCaps()
    {
        for (const Key& k : layout_.keys)
            QVERIFY2(capSizes().contains(k.type),
                     qPrintable(QStringLiteral("%1 has type %2").arg(k.label).arg(k.type)));
    }

    void keysFitThePictureAreaWithoutOverlap()
    {
        for (const Key& k : layout_.keys) {
            QVERIFY2(k.x >= 0 && k.y >= 0 && k.x + k.width() <= kAreaWidth && k.y + k.height() <= kAreaHeight,
                     qPrintable(QStringLiteral("%1 at %2,%3").arg(k.label).arg(k.x).arg(k.y)));
        }
        for (int i = 0; i < layout_.keys.size(); ++i) {
            const Key& a = layout_.keys[i];
            const QRect ra(a.x, a.y, a.width(), a.height());
            for (int j = i + 1; j < layout_.keys.size(); ++j) {
                const Key& b = layout_.keys[j];
                QVERIFY2(!ra.intersects(QRect(b.x, b.y, b.width(), b.height())),
                         qPrintable(QStringLiteral("%1 overlaps %2").arg(a.entry).arg(b.entry)));
            }
        }
    }

    void isAFullSizeAnsiBoardWithFn()
    {
        // Letters, digits and the main block, F keys and navigation, numpad,
        // menu and the modifiers but the right Windows key, plus Fn (code 0).
        QSet<uint> expected;
        for (uint c = 0x04; c <= 0x30; ++c)
            expected << c;
        for (uint c = 0x32; c <= 0x65; ++c)
            expected << c;
        expected.remove(0x64);  // the ISO key next to the left Shift
        for (uint c = 0xE0; c <= 0xE6; ++c)
            expected << c;
        expected << 0;

        QSet<uint> codes;
        for (const Key& k : layout_.keys) {
            QVERIFY2(!codes.contains(k.code), qPrintable(QStringLiteral("code %1 twice").arg(k.code)));
            codes << k.code;
        }
        QCOMPARE(codes, expected);
    }

    void fnKeyReplacesTheRightWindowsKey()
    {
        const Key* fn = layout_.atMatrix(kFnMatrix);
        QVERIFY(fn);
        QCOMPARE(fn->label, QStringLiteral("FN"));
        QCOMPARE(fn->code, 0u);
        // It sits on the bottom row right after the right Alt key.
        const Key* rightAlt = nullptr;
        for (const Key& k : layout_.keys)
            if (k.code == 0xE6)
                rightAlt = &k;
        QVERIFY(rightAlt);
        QCOMPARE(fn->y, rightAlt->y);
        QVERIFY(fn->x > rightAlt->x && fn->x - (rightAlt->x + rightAlt->width()) <= 4);
    }

    void spotlightRunsLandOnTheIntendedKeys_data()
    {
        QTest::addColumn<int>("matrix");
        QTest::addColumn<uint>("code");
        const QList<uint> codesA{0x29, 0x3A, 0x3B, 0x3C, 0x3D, 0x3E, 0x3F, 0x40, 0x41, 0x42,  // Esc, F1..F9
                                 0x2D, 0x2F, 0x34, 0x38, 0x37, 0x0F, 0x12};  // - [ ' / . L O
        const QList<uint> codesB{0x58, 0x63, 0x62, 0x4F, 0x51, 0x50,  // numpad Enter . 0, arrows
                                 0xE4, 0x65, 0x00, 0xE6,             // right Ctrl, Menu, Fn, right Alt
                                 0x36, 0x0E, 0x0C, 0x26, 0x27, 0x13, 0x33};  // , K I 9 0 P ;
        for (int i = 0; i < kRunA.size(); ++i)
            QTest::addRow("A%d", i) << kRunA[i] << codesA[i];
        for (int i = 0; i < kRunB.size(); ++i)
            QTest::addRow("B%d", i) << kRunB[i] << codesB[i];
    }
    void spotlightRunsLandOnTheIntendedKeys()
    {
        QFETCH(int, matrix);
        QFETCH(uint, code);
        const Key* k = layout_.atMatrix(matrix);
        QVERIFY2(k, "no key at this position: the preview would light nothing");
        QCOMPARE(k->code, code);
    }

    void spotlightRunsAreTwoSpiralArms()
    {
        // The circle of the effect starts at the mean centre of these four.
        double cx = 0, cy = 0;
        for (int m : kCentreBlock) {
            const Key* k = layout_.atMatrix(m);
            QVERIFY(k);
            cx += k->centreX() / 4.0;
            cy += k->centreY() / 4.0;
        }
        // The centre block is a 2 x 2 group of neighbours near the middle.
        const Key* tl = layout_.atMatrix(41);
        const Key* tr = layout_.atMatrix(42);
        const Key* bl = layout_.atMatrix(57);
        const Key* br = layout_.atMatrix(58);
        QCOMPARE(tl->y, tr->y);
        QCOMPARE(bl->y, br->y);
        QVERIFY(bl->y > tl->y && tr->x > tl->x && br->x > bl->x);
        QVERIFY(std::abs(cx - kAreaWidth / 2.0) < 60 && std::abs(cy - kAreaHeight / 2.0) < 30);

        for (const QList<int>& run : {kRunA, kRunB}) {
            double swept = 0;
            for (int i = 0; i + 1 < run.size(); ++i) {
                const Key* a = layout_.atMatrix(run[i]);
                const Key* b = layout_.atMatrix(run[i + 1]);
                QVERIFY(a && b);
                // Neighbouring keys: the arm is a continuous line.
                const double step = std::hypot(b->centreX() - a->centreX(), b->centreY() - a->centreY());
                QVERIFY2(step <= 72, qPrintable(QStringLiteral("%1 -> %2").arg(a->label, b->label)));
                double turn = angleAround(*b, cx, cy) - angleAround(*a, cx, cy);
                while (turn > M_PI)
                    turn -= 2 * M_PI;
                while (turn <= -M_PI)
                    turn += 2 * M_PI;
                // Every step turns the same way (clockwise on screen).
                QVERIFY2(turn > 0, qPrintable(QStringLiteral("%1 -> %2").arg(a->label, b->label)));
                swept += turn;
            }
            QVERIFY2(swept > 2 * M_PI, "an arm winds once around the centre");
            QVERIFY(kCentreBlock.contains(run.last()));
            const Key* first = layout_.atMatrix(run.first());
            const Key* last = layout_.atMatrix(run.last());
            QVERIFY(std::hypot(first->centreX() - cx, first->centreY() - cy)
                    > 4 * std::hypot(last->centreX() - cx, last->centreY() - cy));
        }
    }

    void keyCodeListsAreParallel()
    {
        QVERIFY(!usbStr_.isEmpty());
        QCOMPARE(usbStr_.size(), usbCode_.size());
        QSet<uint> codes;
        for (const QString& text : usbCode_) {
            bool ok = false;
            const uint code = text.toUInt(&ok, 10);
            QVERIFY2(ok && code >= 1 && code <= 255, qPrintable(text));  // one byte in a macro event
            QVERIFY2(!codes.contains(code), qPrintable(text));
            codes << code;
        }
    }

    void keyCodeNamesAreUsableInMacros()
    {
        QSet<QString> seen;
        for (const QString& name : std::as_const(usbStr_)) {
            QVERIFY2(!name.isEmpty() && name == name.trimmed(), qPrintable(QLatin1Char('"') + name + QLatin1Char('"')));
            QVERIFY2(!seen.contains(name), qPrintable(name));
            seen << name;
            for (const QString& tag : kMacroTags)
                QVERIFY2(!name.endsWith(tag) && !name.endsWith(tag.trimmed()), qPrintable(name));
        }
        // Names holding a list separator or a comment sign came back whole.
        for (const char* tricky : {",", ";", "=", "\\", "NUM ,"})
            QVERIFY2(seen.contains(QString::fromLatin1(tricky)), tricky);
    }

    void everyFactoryCodeHasAName()
    {
        for (const Key& k : layout_.keys)
            if (k.code != 0)
                QVERIFY2(nameOfCode_.contains(k.code), qPrintable(k.label));
    }

    void everyRecordableKeyHasAName()
    {
        // The usage codes the key hooks report for a keyboard: the whole
        // 104/105-key set, F23 (the only F13..F24 key with a scan code in the
        // hook tables) and the modifiers.
        QList<uint> recordable;
        for (uint c = 0x04; c <= 0x65; ++c)
            recordable << c;
        recordable << 0x72;
        for (uint c = 0xE0; c <= 0xE7; ++c)
            recordable << c;
        for (uint c : std::as_const(recordable))
            QVERIFY2(nameOfCode_.contains(c), qPrintable(QString::number(c, 16)));
    }

    void mouseButtonsEncode_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<uint>("code");
        QTest::newRow("left") << "MS-L" << 0xF0u;
        QTest::newRow("right") << "MS-R" << 0xF1u;
        QTest::newRow("middle") << "MS-M" << 0xF2u;
        QTest::newRow("backward") << "MS-B4" << 0xF3u;
        QTest::newRow("forward") << "MS-B5" << 0xF4u;
    }
    void mouseButtonsEncode()
    {
        QFETCH(QString, name);
        QFETCH(uint, code);
        QCOMPARE(nameOfCode_.value(code), name);
    }

    void skinCapsMatchTheKeyTypes()
    {
        const QDir img(runtimeFile(QStringLiteral("modules/img")));
        const QStringList skins = img.entryList({QStringLiteral("skin*")}, QDir::Dirs | QDir::NoDotAndDotDot);
        if (skins.isEmpty())
            QSKIP("no skin folder in the runtime tree yet");
        QSet<int> used;
        for (const Key& k : layout_.keys)
            used << k.type;
        for (const QString& skin : skins) {
            for (int type : std::as_const(used)) {
                for (const char* state : {"0", "1"}) {
                    const QString file = img.filePath(QStringLiteral("%1/model_kb/k%2-%3.png").arg(skin).arg(type).arg(QLatin1String(state)));
                    const QSize size = QImageReader(file).size();
                    QVERIFY2(size.isValid(), qPrintable(file));
                    QCOMPARE(size, QSize(capSizes().value(type).width, capSizes().value(type).height));
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestShippedLayout)
#include "tst_shipped_layout.moc"
