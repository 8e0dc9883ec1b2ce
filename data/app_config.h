#pragma once
#include "data/data_paths.h"

#include <QSettings>
#include <QStringList>
#include <QVariantList>

#include <memory>

// The application's own settings: owns "setting/apConfig.bin" (kept open for
// the program's lifetime) and reads its factory copy "setting/apConfigD.bin".
// The file holds the window title ("common/name"), the device display names
// ("common/product_name") and the settings page's list ("common/total" and
// "common/0" ...), which is stored and returned by position without being
// interpreted. Also answers whether more than one skin is installed.
class AppConfig
{
public:
    // A count above this in "common/total" is a broken file, not a list.
    static constexpr int kMaxSettingsEntries = 4096;

    explicit AppConfig(DataPaths paths = DataPaths());
    ~AppConfig();
    AppConfig(const AppConfig &) = delete;
    AppConfig &operator=(const AppConfig &) = delete;

    // The settings list. "common/total" is read afresh before every element;
    // an element whose key is absent reads as the int 0; values are returned
    // as the store reads them (texts, or lists of texts).
    QVariantList loadApConfig() const;

    // Stores the settings list: "common/total" = its length, element i under
    // "common/" + i. Keys beyond the new length stay in the file. Written to
    // disk at the store's next deferred write (or sync()).
    void saveApConfig(const QVariantList &apConfigs);

    // Replaces the configuration file by the factory copy, then reopens the
    // store. The file is replaced only once the copy is complete: when the
    // factory copy is missing or the file cannot be written, the user's
    // configuration stays as it was and false is returned.
    bool resetApconfig();

    // True when "img" holds more than one sub-folder (one per skin).
    bool getIsSkinShow() const;

    // "common/name" read through a short-lived store, for the window title.
    QString windowTitle() const;

    // "common/product_name": element i names catalogue entry i.
    QStringList productNames() const;

    // Writes pending changes to disk now.
    void sync();

    QString fileName() const;

private:
    void open();

    DataPaths paths_;
    std::unique_ptr<QSettings> store_;
};
