#pragma once

#include <QColor>
#include <QString>
#include <optional>

namespace bevelmint::app {

// The five stored settings, with the store's own rules: a string read of a
// missing key gives "none" and of a missing value gives empty; an integer read
// fails with "Key does not exist" or "Failed to get data for '%s'"; a value of
// the wrong type fails with "Invalid data type for '%s'"; a refused write fails
// with "Failed to set data for '%s'".
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    struct Error {
        QString message;
    };

    virtual bool keyExists() const = 0;
    virtual std::optional<Error> readString(const QString& name, QString& out) const = 0;
    virtual std::optional<Error> readInteger(const QString& name, int& out) const = 0;
    virtual std::optional<Error> writeString(const QString& name, const QString& value) = 0;
    virtual std::optional<Error> writeInteger(const QString& name, int value) = 0;
};

inline const QString kMenuRedValue = QStringLiteral("MenuRedValue");
inline const QString kMenuGreenValue = QStringLiteral("MenuGreenValue");
inline const QString kMenuBlueValue = QStringLiteral("MenuBlueValue");
inline const QString kAppPath = QStringLiteral("AppPath");
inline const QString kLastFile = QStringLiteral("LastFile");
// The menu colour of a first start, and of a start whose stored colour is unreadable.
inline const QColor kFirstMenuColour(58, 110, 165);

// A first start finds the store empty: seed it with a menu colour, the folder of
// the help page as "AppPath" and no last file.
void seedFirstStart(SettingsStore& store, const QString& dataFolder);

// The user's own store through QSettings ("Quarnel", "Bevelmint").
class QtSettingsStore : public SettingsStore {
  public:
    QtSettingsStore();
    bool keyExists() const override;
    std::optional<Error> readString(const QString& name, QString& out) const override;
    std::optional<Error> readInteger(const QString& name, int& out) const override;
    std::optional<Error> writeString(const QString& name, const QString& value) override;
    std::optional<Error> writeInteger(const QString& name, int value) override;
};

}  // namespace bevelmint::app
