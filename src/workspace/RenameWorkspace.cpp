#include "RenameWorkspace.h"

#include <QHash>

#include <algorithm>
#include <limits>

namespace {

// The comparison key of a name: names with equal keys are equal without
// regard to case. Names made only of Latin characters below U+0300, by far
// the most common, are already composed and need no normalisation; plain
// ASCII even skips the case-folding table.
QString comparisonKey(const QString& name)
{
    QString key = name;
    for (QChar& c : key) {
        const char16_t u = c.unicode();
        if (u >= 0x0300)
            return name.normalized(QString::NormalizationForm_C).toCaseFolded();
        if (u >= 0x80)
            c = c.toCaseFolded();
        else if (u >= u'A' && u <= u'Z')
            c = QChar(u + (u'a' - u'A'));
    }
    return key;
}

} // namespace

int CountNameProblems(std::vector<NameRow>& rows)
{
    const auto rowCount = static_cast<int>(rows.size());
    qint64 count = 0;
    QHash<QString, int> groupOfKey;
    groupOfKey.reserve(rowCount);
    std::vector<int> groupOfRow(rows.size(), -1);
    std::vector<qint64> groupSize;
    for (int i = 0; i < rowCount; ++i) {
        if (rows[i].text.isEmpty()) {
            ++count;
            continue;
        }
        const QString key = comparisonKey(rows[i].text);
        auto group = groupOfKey.constFind(key);
        if (group == groupOfKey.constEnd()) {
            group = groupOfKey.insert(key, int(groupSize.size()));
            groupSize.push_back(0);
        }
        groupOfRow[i] = *group;
        ++groupSize[*group];
    }
    for (qint64 size : groupSize)
        count += size * (size - 1) / 2;
    for (int i = 0; i < rowCount; ++i)
        if (groupOfRow[i] >= 0 && groupSize[groupOfRow[i]] > 1)
            rows[i].duplicate = true;
    return int(std::min<qint64>(count, std::numeric_limits<int>::max()));
}

ListCounterState ComputeListCounterState(RenameWorkspace& workspace)
{
    const auto names = static_cast<qsizetype>(workspace.NameRows.size());
    const qsizetype files = workspace.FileRows.size();
    // The problem count runs even when the counts differ: it also colours the
    // duplicates.
    const int problems = CountNameProblems(workspace.NameRows);
    ListCounterState state;
    state.countsAgree = names == files;
    state.renameEnabled = names == files && names > 0 && problems == 0;
    state.clearEnabled = names > 0;
    state.undoEnabled = !workspace.UndoSet.empty();
    return state;
}
