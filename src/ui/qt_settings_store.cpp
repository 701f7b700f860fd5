#include "ui/qt_settings_store.h"

#include <cstdlib>

namespace {

QString Key(const std::string& name) { return QString::fromStdString(name) + QStringLiteral("/val"); }

} // namespace

CQtSettingsStore::CQtSettingsStore()
{
    if (const char* file = std::getenv("KALOMAX_SETTINGS_FILE"); file != nullptr && *file != '\0') {
        m_settings = std::make_unique<QSettings>(QString::fromLocal8Bit(file), QSettings::IniFormat);
    } else {
        m_settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                 QStringLiteral("Velmora"), QStringLiteral("Kalo"));
    }
}

CQtSettingsStore::CQtSettingsStore(const QString& iniPath)
    : m_settings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{
}

std::optional<std::string> CQtSettingsStore::ReadValue(const std::string& name)
{
    const QVariant value = m_settings->value(Key(name));
    if (!value.isValid()) {
        return std::nullopt;
    }
    return value.toString().toStdString();
}

bool CQtSettingsStore::WriteValue(const std::string& name, const std::string& text)
{
    m_settings->setValue(Key(name), QString::fromStdString(text));
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}
