#include "settings/WindowSettings.h"

#include "settings/IniFile.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsValues.h"

namespace tervane {

namespace {

QString read(const QString& file, const QString& key, const QString& defaultValue = {})
{
    return ReadIniString(file, SettingsKey::Section, key, defaultValue);
}

void write(const QString& file, const QString& key, const QString& value)
{
    WriteIniString(file, SettingsKey::Section, key, value);
}

} // namespace

WindowSettings ReadWindowSettings(const QString& file, int initialWidth, int initialHeight,
                                  int screenWidth, int screenHeight)
{
    using namespace SettingsKey;
    WindowSettings s;
    s.rememberSplitter = ReadMenuValue(read(file, RememberSplitter));
    s.rememberSize = ReadMenuValue(read(file, RememberSize));
    s.rememberPosition = ReadMenuValue(read(file, RememberPosition));
    s.width = initialWidth;
    s.height = initialHeight;
    if (s.rememberSize) {
        s.maximised = ReadNumberValue(read(file, WindowState, QStringLiteral("0"))) == 2;
        s.height = ReadNumberValue(read(file, WindowHeight, QStringLiteral("5000")));
        s.width = ReadNumberValue(read(file, WindowWidth, QStringLiteral("5000")));
    }
    if (s.rememberPosition) {
        s.left = ReadNumberValue(read(file, WindowLeft, QStringLiteral("1000")));
        s.top = ReadNumberValue(read(file, WindowTop, QStringLiteral("1000")));
    } else {
        s.left = (screenWidth - s.width) / 2;
        s.top = (screenHeight - s.height) / 2;
    }
    if (s.rememberSplitter)
        s.splitterRatio = ReadNumberValue(read(file, SplitterRatio, QStringLiteral("50")));
    s.minimiseToTray = ReadMenuValue(read(file, MinimiseToTray));
    s.alwaysOnTop = ReadMenuValue(read(file, AlwaysOnTop));
    return s;
}

void WriteWindowOptions(const QString& file, const WindowSettings& s)
{
    using namespace SettingsKey;
    write(file, RememberSplitter, BoolText(s.rememberSplitter));
    write(file, RememberSize, BoolText(s.rememberSize));
    write(file, RememberPosition, BoolText(s.rememberPosition));
    write(file, MinimiseToTray, BoolText(s.minimiseToTray));
    write(file, AlwaysOnTop, BoolText(s.alwaysOnTop));
}

void WriteWindowPosition(const QString& file, const WindowSettings& s)
{
    if (!s.rememberPosition)
        return;
    write(file, SettingsKey::WindowLeft, QString::number(s.left));
    write(file, SettingsKey::WindowTop, QString::number(s.top));
}

void WriteWindowSize(const QString& file, const WindowSettings& s)
{
    using namespace SettingsKey;
    if (s.rememberSize) {
        write(file, WindowState, s.maximised ? QStringLiteral("2") : QStringLiteral("0"));
        write(file, WindowWidth, QString::number(s.width));
        write(file, WindowHeight, QString::number(s.height));
    }
    if (s.rememberSplitter)
        write(file, SplitterRatio, QString::number(s.splitterRatio));
}

} // namespace tervane
