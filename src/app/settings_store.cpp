#include "app/settings_store.h"

#include <QSettings>

namespace bevelmint::app {

namespace {

QSettings open() {
    return QSettings(QSettings::UserScope, "Quarnel", "Bevelmint");
}

}  // namespace

void seedFirstStart(SettingsStore& store, const QString& dataFolder) {
    if (store.keyExists()) return;
    store.writeInteger(kMenuRedValue, kFirstMenuColour.red());
    store.writeInteger(kMenuGreenValue, kFirstMenuColour.green());
    store.writeInteger(kMenuBlueValue, kFirstMenuColour.blue());
    store.writeString(kAppPath, dataFolder);
    store.writeString(kLastFile, "");
}

QtSettingsStore::QtSettingsStore() = default;

bool QtSettingsStore::keyExists() const {
    return !open().allKeys().isEmpty();
}

std::optional<SettingsStore::Error> QtSettingsStore::readString(const QString& name,
                                                                QString& out) const {
    QSettings s = open();
    if (s.allKeys().isEmpty()) {
        out = "none";
        return std::nullopt;
    }
    const QVariant v = s.value(name);
    if (!v.isValid()) {
        out.clear();
        return std::nullopt;
    }
    if (!v.canConvert<QString>()) return Error{QString("Invalid data type for '%1'").arg(name)};
    out = v.toString();
    return std::nullopt;
}

std::optional<SettingsStore::Error> QtSettingsStore::readInteger(const QString& name,
                                                                 int& out) const {
    QSettings s = open();
    if (s.allKeys().isEmpty()) return Error{"Key does not exist"};
    const QVariant v = s.value(name);
    if (!v.isValid()) return Error{QString("Failed to get data for '%1'").arg(name)};
    bool ok = false;
    out = v.toInt(&ok);
    if (!ok) return Error{QString("Invalid data type for '%1'").arg(name)};
    return std::nullopt;
}

namespace {

std::optional<SettingsStore::Error> write(const QString& name, const QVariant& value) {
    QSettings s = open();
    s.setValue(name, value);
    s.sync();
    if (s.status() != QSettings::NoError || !s.isWritable()) {
        return SettingsStore::Error{QString("Failed to set data for '%1'").arg(name)};
    }
    return std::nullopt;
}

}  // namespace

std::optional<SettingsStore::Error> QtSettingsStore::writeString(const QString& name,
                                                                 const QString& value) {
    return write(name, value);
}

std::optional<SettingsStore::Error> QtSettingsStore::writeInteger(const QString& name, int value) {
    return write(name, value);
}

}  // namespace bevelmint::app
