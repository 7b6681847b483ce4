// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/WindowSettings.h"

#include "settings/IniFile.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsValues.h"

namespace tervane {

namespace {

QString read(const QString& file, const QString& key, const QString& defaultValue = {})
{
    return readIniString(file, SettingsKey::Section, key, defaultValue);
}

void write(const QString& file, const QString& key, const QString& value)
{
    writeIniString(file, SettingsKey::Section, key, value);
}

} // namespace

WindowSettings readWindowSettings(const QString& file, int initialWidth, int initialHeight,
                                  int screenWidth, int screenHeight)
{
    using namespace SettingsKey;
    WindowSettings s;
    s.rememberSplitter = readMenuValue(read(file, RememberSplitter));
    s.rememberSize = readMenuValue(read(file, RememberSize));
    s.rememberPosition = readMenuValue(read(file, RememberPosition));
    s.width = initialWidth;
    s.height = initialHeight;
    if (s.rememberSize) {
        s.maximised = readNumberValue(read(file, WindowState, QStringLiteral("0"))) == 2;
        s.height = readNumberValue(read(file, WindowHeight, QStringLiteral("5000")));
        s.width = readNumberValue(read(file, WindowWidth, QStringLiteral("5000")));
    }
    if (s.rememberPosition) {
        s.left = readNumberValue(read(file, WindowLeft, QStringLiteral("1000")));
        s.top = readNumberValue(read(file, WindowTop, QStringLiteral("1000")));
    } else {
        s.left = (screenWidth - s.width) / 2;
        s.top = (screenHeight - s.height) / 2;
    }
    if (s.rememberSplitter)
        s.splitterRatio = readNumberValue(read(file, SplitterRatio, QStringLiteral("50")));
    s.minimiseToTray = readMenuValue(read(file, MinimiseToTray));
    s.alwaysOnTop = readMenuValue(read(file, AlwaysOnTop));
    s.resolvePermutations = readMenuValue(read(file, ResolvePermutations));
    s.sortByDateTaken = readMenuValue(read(file, SortByDateTaken));
    s.dateFallback = readMenuValue(read(file, DateFallback));
    return s;
}

void writeWindowOptions(const QString& file, const WindowSettings& s)
{
    using namespace SettingsKey;
    write(file, RememberSplitter, boolText(s.rememberSplitter));
    write(file, RememberSize, boolText(s.rememberSize));
    write(file, RememberPosition, boolText(s.rememberPosition));
    write(file, MinimiseToTray, boolText(s.minimiseToTray));
    write(file, AlwaysOnTop, boolText(s.alwaysOnTop));
    write(file, ResolvePermutations, boolText(s.resolvePermutations));
    write(file, SortByDateTaken, boolText(s.sortByDateTaken));
    write(file, DateFallback, boolText(s.dateFallback));
}

void writeWindowPosition(const QString& file, const WindowSettings& s)
{
    if (!s.rememberPosition)
        return;
    write(file, SettingsKey::WindowLeft, QString::number(s.left));
    write(file, SettingsKey::WindowTop, QString::number(s.top));
}

void writeWindowSize(const QString& file, const WindowSettings& s)
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
