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

namespace {

// A hash of a name's comparison key, made without building the key for
// names that need no normalisation (the common case): equal keys give equal
// hashes, so only names whose hash is met twice need their key built.
constexpr size_t HashStart = 1469598103934665603ull;

size_t mixed(size_t hash, char16_t unit)
{
    return (hash ^ unit) * 1099511628211ull;
}

size_t comparisonHash(const QString& name)
{
    size_t hash = HashStart;
    for (QChar c : name) {
        char16_t u = c.unicode();
        if (u >= 0x0300) {
            // The same hash over the key itself, built the long way.
            hash = HashStart;
            for (QChar k : comparisonKey(name))
                hash = mixed(hash, k.unicode());
            return hash;
        }
        if (u >= 0x80)
            u = c.toCaseFolded().unicode();
        else if (u >= u'A' && u <= u'Z')
            u += u'a' - u'A';
        hash = mixed(hash, u);
    }
    return hash;
}

} // namespace

int CountNameProblems(std::vector<NameRow>& rows)
{
    const auto rowCount = static_cast<int>(rows.size());
    qint64 count = 0;

    // First pass: rows whose hash is met only once cannot be duplicates.
    QHash<size_t, int> firstRowOfHash;
    firstRowOfHash.reserve(rowCount);
    std::vector<bool> suspect(rows.size(), false);
    for (int i = 0; i < rowCount; ++i) {
        if (rows[i].text.isEmpty()) {
            ++count;
            continue;
        }
        const auto [first, added] = [&] {
            const size_t hash = comparisonHash(rows[i].text);
            const auto found = firstRowOfHash.constFind(hash);
            if (found != firstRowOfHash.constEnd())
                return std::pair(*found, false);
            firstRowOfHash.insert(hash, i);
            return std::pair(i, true);
        }();
        if (!added)
            suspect[first] = suspect[i] = true;
    }

    // Second pass, on the few suspects: group them by their real key.
    QHash<QString, std::vector<int>> groups;
    for (int i = 0; i < rowCount; ++i)
        if (suspect[i])
            groups[comparisonKey(rows[i].text)].push_back(i);
    for (const std::vector<int>& group : std::as_const(groups)) {
        const auto size = qint64(group.size());
        count += size * (size - 1) / 2;
        if (size > 1)
            for (int row : group)
                rows[row].duplicate = true;
    }
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
