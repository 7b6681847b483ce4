// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QRect>
#include <QString>

#include <algorithm>
#include <unordered_map>

namespace tervane {

// The places of a window's controls in twips, each in its parent's
// coordinates, keyed as language files key controls: "name", or "name(index)"
// for a member of a control array. The layout rules work on this alone;
// widgets are read and placed at the edge.
class TwipsLayout {
public:
    // The place of a control, made empty if it had none. Node-based storage:
    // a reference stays valid while other controls are added.
    QRect& operator[](const QString& key) { return m_places[key]; }
    QRect value(const QString& key) const
    {
        const auto place = m_places.find(key);
        return place == m_places.end() ? QRect() : place->second;
    }
    bool contains(const QString& key) const { return m_places.count(key) != 0; }
    auto begin() const { return m_places.begin(); }
    auto end() const { return m_places.end(); }

private:
    std::unordered_map<QString, QRect> m_places;
};

// What a caption needs, in twips: the width of its text in the window's font,
// and the width the toolkit needs to show the control with its whole caption
// (indicator, frame, arrow...). A rule gives a control its text width plus
// the rule's margin, and never less than the toolkit needs.
struct CaptionWidth {
    int text = 0;
    int control = 0;
};
using CaptionWidths = QHash<QString, CaptionWidth>;

inline int fittedWidth(const CaptionWidths& captions, const QString& key, int margin)
{
    const CaptionWidth caption = captions.value(key);
    return std::max(caption.text + margin, caption.control);
}

// The first twip right of a rectangle (QRect::right() is the last one inside).
inline int rightOf(const QRect& rect)
{
    return rect.x() + rect.width();
}

inline int bottomOf(const QRect& rect)
{
    return rect.y() + rect.height();
}

} // namespace tervane
