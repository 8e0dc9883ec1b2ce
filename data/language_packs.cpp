#include "data/language_packs.h"

#include "data/ini_value.h"
#include "data/log.h"
#include "data/qt4_locale_names.h"
#include "data/read_only_ini.h"

#include <QDir>

#include <algorithm>
#include <utility>

namespace {

const QString kFilePrefix = QStringLiteral("lang_");
constexpr int kCodeLength = 6;
constexpr int kPartLength = 3;

int codeNumber(const QString &part)
{
    bool ok = false;
    const int n = part.toInt(&ok, 10);
    return ok ? n : 0;
}

} // namespace

LanguagePacks::LanguagePacks(DataPaths paths)
    : paths_(std::move(paths))
{
}

QString LanguagePacks::displayName(const QString &code)
{
    const int language = codeNumber(code.mid(0, kPartLength));
    const int country = codeNumber(code.mid(kPartLength, kPartLength));
    QString name = Qt4LocaleNames::languageName(language).toUpper();
    if (country == kCountryChina)
        name += QStringLiteral(" (Simp)");
    else if (country == kCountryTaiwan)
        name += QStringLiteral(" (Trad)");
    else if (country != 0)
        name += QStringLiteral(" (") + Qt4LocaleNames::countryName(country).toUpper() + QLatin1Char(')');
    return name;
}

QVariantMap LanguagePacks::chkLanguages() const
{
    QVariantMap packs;
    const QDir dir(paths_.i18nDir());
    // Matched exactly, because getGlobalStrings() opens "lang_<code>.ini".
    const QStringList files = dir.entryList({kFilePrefix + QStringLiteral("*.ini")},
                                            QDir::Files | QDir::CaseSensitive, QDir::Name | QDir::IgnoreCase);
    for (const QString &file : files) {
        const QString code = file.mid(kFilePrefix.size(), kCodeLength);
        packs.insert(displayName(code), code);
    }
    return packs;
}

QStringList LanguagePacks::getGlobalStrings(const QString &langCode)
{
    const bool nameable = !langCode.contains(QLatin1Char('/')) && !langCode.contains(QLatin1Char('\\'))
        && !langCode.contains(QChar::Null);
    if (!nameable)
        qCWarning(lcData) << "language code refused:" << langCode;
    const ReadOnlyIni ini(nameable ? paths_.languageFile(langCode) : QString());

    QStringList strings;
    strings.append(IniValue::toText(ini.value(QStringLiteral("font/family"))));
    const int total = std::clamp(IniValue::toInt(ini.value(QStringLiteral("font/total"))), 0, kMaxStrings);
    strings.reserve(total + 1);
    for (int k = 1; k <= total; ++k)
        strings.append(IniValue::toText(ini.value(QStringLiteral("strings/") + QString::number(k))));

    messageTexts_.clear();
    for (int i = 0; i < kMessageCount; ++i)
        messageTexts_.append(IniValue::toText(ini.value(QStringLiteral("msg/") + QString::number(i))));
    return strings;
}

QString LanguagePacks::messageText(int index) const
{
    return (index >= 0 && index < messageTexts_.size()) ? messageTexts_.at(index) : QString();
}
