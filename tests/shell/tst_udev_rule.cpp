// The udev rule that lets a normal user open the keyboard names exactly the
// keyboards of the device catalogue, for the hidraw subsystem, with uaccess.
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QtTest>

class TestUdevRule : public QObject
{
    Q_OBJECT

private slots:
    void ruleMatchesTheCatalogue();
};

void TestUdevRule::ruleMatchesTheCatalogue()
{
    QSettings catalogue(QStringLiteral(ZR_CATALOGUE), QSettings::IniFormat);
    const int total = catalogue.value("common/total").toInt();
    QVERIFY(total >= 1);

    QFile file(QStringLiteral(ZR_UDEV_RULE));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QStringList rules;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QString text = QString::fromUtf8(line).trimmed();
        if (!text.isEmpty() && !text.startsWith(QLatin1Char('#')))
            rules.append(text);
    }
    QCOMPARE(rules.size(), total);

    static const char *const pattern =
        R"re(^SUBSYSTEM=="hidraw", ATTRS\{idVendor\}=="([0-9a-f]{4})", )re"
        R"re(ATTRS\{idProduct\}=="([0-9a-f]{4})", TAG\+="uaccess"$)re";
    static const QRegularExpression rule(QString::fromLatin1(pattern));
    for (int i = 0; i < total; ++i) {
        const QRegularExpressionMatch m = rule.match(rules.at(i));
        QVERIFY2(m.hasMatch(), qPrintable(rules.at(i)));
        const QString group = QString::number(i) + QLatin1Char('/');
        QCOMPARE(m.captured(1), catalogue.value(group + "vid").toString().toLower());
        QCOMPARE(m.captured(2), catalogue.value(group + "pid").toString().toLower());
    }
}

QTEST_GUILESS_MAIN(TestUdevRule)
#include "tst_udev_rule.moc"
