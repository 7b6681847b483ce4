// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/NameEditing.h"

#include <algorithm>

namespace tervane {

std::size_t insertNameRecord(RenameWorkspace& workspace, std::size_t row, const QString& text)
{
    auto& records = workspace.sourceRecords;
    const std::size_t at =
        row < workspace.nameRows.size() ? workspace.nameRows[row].record : records.size();
    records.insert(records.begin() + std::ptrdiff_t(at), NameRecord{text, {}});
    // The rows keep pointing at their own records until the pipeline runs.
    for (NameRow& shown : workspace.nameRows)
        if (shown.record >= at)
            ++shown.record;
    return at;
}

std::optional<std::size_t> rowOfRecord(const RenameWorkspace& workspace, std::size_t record)
{
    const auto& rows = workspace.nameRows;
    const auto found = std::find_if(rows.begin(), rows.end(),
                                    [record](const NameRow& row) { return row.record == record; });
    if (found == rows.end())
        return std::nullopt;
    return std::size_t(found - rows.begin());
}

void removeNameRecords(RenameWorkspace& workspace, const std::vector<bool>& selected)
{
    std::vector<bool> removed(workspace.sourceRecords.size(), false);
    for (std::size_t row = 0; row < workspace.nameRows.size() && row < selected.size(); ++row)
        if (selected[row])
            removed[workspace.nameRows[row].record] = true;
    std::size_t record = 0;
    std::erase_if(workspace.sourceRecords, [&](const NameRecord&) { return removed[record++]; });
    // The rows go with their records, and the others follow theirs: the
    // run that comes next may be refused (no file listed), and the rows
    // must still name records that exist.
    std::vector<std::size_t> newIndex(removed.size());
    std::size_t kept = 0;
    for (std::size_t i = 0; i < removed.size(); ++i) {
        newIndex[i] = kept;
        kept += removed[i] ? 0 : 1;
    }
    std::erase_if(workspace.nameRows, [&](const NameRow& row) { return removed[row.record]; });
    for (NameRow& row : workspace.nameRows)
        row.record = newIndex[row.record];
}

void moveNameRecords(RenameWorkspace& workspace, std::vector<bool>& selected, bool up)
{
    const std::size_t rows = std::min(workspace.nameRows.size(), selected.size());
    if (rows == 0)
        return;
    const auto exchange = [&](std::size_t a, std::size_t b) {
        std::swap(workspace.sourceRecords[workspace.nameRows[a].record],
                  workspace.sourceRecords[workspace.nameRows[b].record]);
        std::swap(workspace.nameRows[a].text, workspace.nameRows[b].text);
        // Each now shows a name made at the other's place: both are made again.
        workspace.nameRows[a].madeWith = workspace.nameRows[b].madeWith = 0;
        const bool flag = selected[a];
        selected[a] = selected[b];
        selected[b] = flag;
    };
    if (up) {
        for (std::size_t row = 1; row < rows; ++row)
            if (selected[row])
                exchange(row, row - 1);
    } else {
        for (std::size_t row = rows - 1; row-- > 0;)
            if (selected[row])
                exchange(row, row + 1);
    }
}

} // namespace tervane
