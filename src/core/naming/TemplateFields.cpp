// SPDX-License-Identifier: GPL-3.0-or-later
#include "naming/TemplateFields.h"

#include "naming/Numbering.h"
#include "text/FileNameBytes.h"
#include "text/TextHelpers.h"

namespace tervane {

namespace {

QString trackText(const QString& track, int width)
{
    if (track.isEmpty() || width < 2 || track.size() >= width)
        return track;
    return QString(width - track.size(), u'0') + track;
}

} // namespace

bool usesTagFields(const QString& pattern)
{
    for (const QString* field : {&TitleField, &ArtistField, &AlbumField, &YearField, &TrackField,
                                 &DateField, &TimeField, &CameraField})
        if (pattern.contains(*field))
            return true;
    return false;
}

bool usesDateFields(const QString& pattern)
{
    return pattern.contains(DateField) || pattern.contains(TimeField);
}

QString takenDateText(const FileTags& tags)
{
    return tags.takenDate.toString(u"yyyy-MM-dd");
}

QString takenTimeText(const FileTags& tags)
{
    return tags.takenDate.isValid() ? tags.takenTime.toString(u"HH.mm.ss") : QString();
}

QString fillTemplate(const QString& pattern, int index, int width, const QString& fileName,
                     const FileTags& tags)
{
    // The text of the field that rest starts with, and the field's length
    // (0 when no field starts there).
    const auto fieldAt = [&](QStringView rest) -> std::pair<QString, qsizetype> {
        if (rest.startsWith(NumberPlaceholder))
            return {numberText(index, width), NumberPlaceholder.size()};
        if (rest.startsWith(TrackField))
            return {trackText(tags.track, width), TrackField.size()};
        if (rest.startsWith(TitleField))
            return {tags.title.isEmpty() ? getBaseName(shownFileName(fileName)) : tags.title,
                    TitleField.size()};
        if (rest.startsWith(ArtistField))
            return {tags.artist, ArtistField.size()};
        if (rest.startsWith(AlbumField))
            return {tags.album, AlbumField.size()};
        if (rest.startsWith(YearField))
            return {tags.year, YearField.size()};
        if (rest.startsWith(DateField))
            return {takenDateText(tags), DateField.size()};
        if (rest.startsWith(TimeField))
            return {takenTimeText(tags), TimeField.size()};
        if (rest.startsWith(CameraField))
            return {tags.camera, CameraField.size()};
        return {QString(), 0};
    };
    QString filled;
    qsizetype from = 0;
    for (qsizetype open = pattern.indexOf(u'['); open >= 0; open = pattern.indexOf(u'[', open)) {
        const auto [value, length] = fieldAt(QStringView(pattern).sliced(open));
        if (length == 0) {
            ++open;
            continue;
        }
        filled += QStringView(pattern).sliced(from, open - from);
        filled += value;
        from = open += length;
    }
    filled += QStringView(pattern).sliced(from);
    return filled;
}

} // namespace tervane
