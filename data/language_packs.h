#pragma once
#include "data/data_paths.h"

#include <QString>
#include <QStringList>
#include <QVariantMap>

// The language packs: reads the folder "i18n/", one INI file per language,
// "lang_<code>.ini", where the six-digit code is the Qt 4.8 language number
// and country number, three digits each. A pack holds the scene's font
// family ("font/family"), its strings ("font/total", "strings/1" ...) and
// the four texts of the native warning boxes ("msg/0" .. "msg/3"), which are
// kept from the pack loaded last. A missing or unreadable pack reads as an
// empty one.
class LanguagePacks
{
public:
    static constexpr int kMessageCount = 4;
    // A count above this in "font/total" is a broken file, not a string list.
    static constexpr int kMaxStrings = 4096;
    static constexpr int kCountryChina = 44;
    static constexpr int kCountryTaiwan = 208;

    explicit LanguagePacks(DataPaths paths = DataPaths());

    // Display name -> code of every "lang_*.ini" pack, by display name; of two
    // packs with the same display name the later in file-name order wins.
    QVariantMap chkLanguages() const;

    // [font family, string 1 .. string N] of pack `langCode`, and keeps its
    // four message texts. A code holding a path separator names no pack.
    QStringList getGlobalStrings(const QString &langCode);

    // "msg/0" .. "msg/3" of the pack loaded last; empty before the first load.
    const QStringList &messageTexts() const { return messageTexts_; }
    // One message text, or an empty text for an index without one.
    QString messageText(int index) const;

    // The upper-case English language name, then " (Simp)" for China,
    // " (Trad)" for Taiwan, nothing for no country, or the upper-case country
    // name in brackets. A part that is not a number counts as 0.
    static QString displayName(const QString &code);

private:
    DataPaths paths_;
    QStringList messageTexts_;
};
