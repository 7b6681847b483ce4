// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/RenameWorkspace.h"

#include "text/NameKey.h"

#include <QHash>

#include <algorithm>
#include <limits>

namespace tervane {

std::vector<RenameStep> renamePlan(const RenameWorkspace& workspace)
{
    std::vector<RenameStep> plan;
    if (std::size_t(workspace.fileRows.size()) != workspace.nameRows.size())
        return plan;
    plan.reserve(workspace.nameRows.size());
    const std::vector<quint64>& identities = workspace.fileIdentities;
    for (std::size_t i = 0; i < workspace.nameRows.size(); ++i)
        plan.push_back({workspace.fileRows[qsizetype(i)], workspace.nameRows[i].text,
                        i < identities.size() ? identities[i] : 0});
    return plan;
}

bool fileRowsAreMadeFor(const RenameWorkspace& workspace)
{
    const NamesMadeFor& madeFor = workspace.namesMadeFor;
    return madeFor.folder == workspace.listedFolder && madeFor.files == workspace.fileRows &&
           agreeWhereKnown(madeFor.identities, workspace.fileIdentities) &&
           agreeWhereKnown(madeFor.births, workspace.fileBirths);
}

int countNameProblems(std::vector<NameRow>& rows)
{
    const auto rowCount = static_cast<int>(rows.size());
    qint64 count = 0;

    // First pass: rows whose hash is met only once cannot be duplicates.
    QHash<size_t, int> firstRowOfHash;
    firstRowOfHash.reserve(rowCount);
    std::vector<bool> suspect(rows.size(), false);
    for (int i = 0; i < rowCount; ++i) {
        if (rows[i].text.isEmpty() || rows[i].nameless) {
            if (rows[i].nameless)
                rows[i].duplicate = true;
            ++count;
            continue;
        }
        const auto [first, added] = [&] {
            const size_t hash = nameKeyHash(rows[i].text);
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
            groups[nameKey(rows[i].text)].push_back(i);
    for (const std::vector<int>& group : std::as_const(groups)) {
        const auto size = qint64(group.size());
        count += size * (size - 1) / 2;
        if (size > 1)
            for (int row : group)
                rows[row].duplicate = true;
    }
    return int(std::min<qint64>(count, std::numeric_limits<int>::max()));
}

ListCounterState listCounterState(const RenameWorkspace& workspace, int nameProblems,
                                  bool namesMadeForFiles)
{
    const auto names = static_cast<qsizetype>(workspace.nameRows.size());
    const qsizetype files = workspace.fileRows.size();
    ListCounterState state;
    state.countsAgree = names == files;
    state.namesForOtherFiles = names > 0 && !namesMadeForFiles;
    state.renameEnabled =
        names == files && names > 0 && nameProblems == 0 && !state.namesForOtherFiles;
    state.clearEnabled = names > 0;
    state.undoEnabled = !workspace.undoSet.empty();
    return state;
}

} // namespace tervane
