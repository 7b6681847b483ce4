// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/PlanOrder.h"

#include "rename/FolderNames.h"
#include "services/FileSystem.h"
#include "text/NamePositions.h"
#include "text/NameSet.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <atomic>

namespace tervane {

namespace {

constexpr std::size_t None = NamePositions::None;

bool isChanged(const RenameStep& step)
{
    return step.from != step.to;
}

// For each step, the changed step whose old name is its new name: the step
// that must free that name first.
std::vector<std::size_t> blockers(const std::vector<RenameStep>& plan)
{
    NamePositions stepOfOldName(plan.size());
    for (std::size_t i = 0; i < plan.size(); ++i)
        if (isChanged(plan[i]))
            stepOfOldName.add(plan[i].from, i);
    std::vector<std::size_t> blocker(plan.size(), None);
    for (std::size_t i = 0; i < plan.size(); ++i)
        if (isChanged(plan[i]))
            blocker[i] = stepOfOldName.find(plan[i].to);
    return blocker;
}

// A name of the program's own that is no name of the folder or the plan.
class TemporaryNames {
public:
    TemporaryNames(const std::vector<RenameStep>& plan, const QString& folder,
                   const FileSystem& fileSystem)
        : m_plan(plan)
        , m_folder(folder)
        , m_fileSystem(fileSystem)
    {}
    QString next()
    {
        // The plan's names are gathered at the first one asked: most plans
        // need none.
        if (m_planned.empty()) {
            m_planned.reserve(2 * m_plan.size());
            for (const RenameStep& step : m_plan) {
                m_planned.insert(step.from);
                m_planned.insert(step.to);
            }
        }
        const QString stem = QStringLiteral("tervane-%1-").arg(QCoreApplication::applicationPid());
        QString name;
        do
            name = stem + QString::number(++s_count) + QStringLiteral(".tmp");
        while (m_planned.count(name) || m_fileSystem.fileExists(m_folder + u'/' + name) ||
               m_fileSystem.folderExists(m_folder + u'/' + name));
        return name;
    }

private:
    const std::vector<RenameStep>& m_plan;
    const QString& m_folder;
    const FileSystem& m_fileSystem;
    NameSet m_planned;
    // Never the same name twice in one run of the program: an undo set of an
    // earlier renaming may still name one.
    static inline std::atomic<int> s_count = 0;
};

// The identities of the files to exchange: from the reading the plan goes by,
// or one by one where the file system gave none with the names.
quint64 identityOf(const QString& name, const FolderNames& names, const QString& folder,
                   const FileSystem& fileSystem)
{
    const quint64 known = names.identityOf(name);
    return known ? known : fileSystem.fileIdentity(folder + u'/' + name);
}

// Whether two changed steps take the same new name: no order renames both.
bool hasSharedNewName(const std::vector<RenameStep>& plan)
{
    NamePositions taken(plan.size());
    for (std::size_t i = 0; i < plan.size(); ++i)
        if (isChanged(plan[i]) && taken.add(plan[i].to, i) != i)
            return true;
    return false;
}

// Rows whose new name is the old name of another row, and those rows.
std::vector<bool> chainsOf(const std::vector<std::size_t>& blocker)
{
    std::vector<bool> inChain(blocker.size(), false);
    for (std::size_t i = 0; i < blocker.size(); ++i)
        if (blocker[i] != None)
            inChain[i] = inChain[blocker[i]] = true;
    return inChain;
}

} // namespace

std::optional<OrderedPlan> orderPlan(const std::vector<RenameStep>& plan, const QString& folder,
                                     const FileSystem& fileSystem)
{
    return orderPlan(plan, folder, fileSystem, FolderNames::read(folder, fileSystem));
}

std::optional<OrderedPlan> orderPlan(const std::vector<RenameStep>& plan, const QString& folder,
                                     const FileSystem& fileSystem, const FolderNames& names)
{
    // With every new name taken once, each step waits for one step at most
    // and is waited for by one at most: the plan is made of separate chains
    // and cycles.
    if (hasSharedNewName(plan))
        return std::nullopt;
    const std::vector<std::size_t> blocker = blockers(plan);
    enum State : unsigned char { Waiting, Walking, Placed };
    std::vector<State> state(plan.size(), Waiting);
    OrderedPlan ordered;
    ordered.steps.reserve(plan.size());
    TemporaryNames temporaries(plan, folder, fileSystem);
    const bool exchanges = fileSystem.canExchangeNames(folder);
    std::vector<std::size_t> walk;
    for (std::size_t first = 0; first < plan.size(); ++first) {
        if (state[first] != Waiting)
            continue;
        // Follow the names each step waits for, until a free one, a step
        // already placed, or the walk itself (a cycle).
        walk.clear();
        std::size_t k = first;
        while (k != None && state[k] == Waiting) {
            state[k] = Walking;
            walk.push_back(k);
            k = blocker[k];
        }
        if (k != None && state[k] == Walking) {
            if (walk.front() != k) // a chain into a cycle: only shared names make one
                return std::nullopt;
            // Two files trading names do it in one exchange, where the file
            // system can.
            if (walk.size() == 2 && exchanges) {
                const quint64 first = identityOf(plan[k].from, names, folder, fileSystem);
                const quint64 second = identityOf(plan[k].to, names, folder, fileSystem);
                if (first && second) {
                    ordered.steps.push_back({plan[k].from, plan[k].to, first, second});
                    ++ordered.exchanges;
                    state[walk[0]] = state[walk[1]] = Placed;
                    continue;
                }
            }
            // A cycle: its first step's file waits under a temporary name
            // while the others run, then takes its new name.
            const QString temporary = temporaries.next();
            ordered.steps.push_back({plan[k].from, temporary, plan[k].fromFile});
            for (std::size_t w = walk.size(); w-- > 1;)
                ordered.steps.push_back(plan[walk[w]]);
            ordered.steps.push_back({temporary, plan[k].to, plan[k].fromFile});
            ++ordered.temporaries;
        } else {
            // A chain: its last step's new name must be free in the folder.
            const RenameStep& last = plan[walk.back()];
            if (k == None && isChanged(last) && names.taken(last.to))
                return std::nullopt;
            for (std::size_t w = walk.size(); w-- > 0;)
                ordered.steps.push_back(plan[walk[w]]);
        }
        for (std::size_t step : walk)
            state[step] = Placed;
    }
    ordered.rowsInChains = chainsOf(blocker);
    ordered.reordered = ordered.temporaries > 0 || ordered.exchanges > 0;
    for (std::size_t i = 0; i < plan.size() && !ordered.reordered; ++i)
        ordered.reordered =
            ordered.steps[i].from != plan[i].from || ordered.steps[i].to != plan[i].to;
    return ordered;
}

std::vector<RenameStep> withCaseOnlyRenamesSplit(std::vector<RenameStep> plan,
                                                 const QString& folder,
                                                 const FileSystem& fileSystem)
{
    const auto caseOnly = [&](const RenameStep& step) {
        if (step.isExchange() || step.from == step.to ||
            step.from.compare(step.to, Qt::CaseInsensitive) != 0)
            return false;
        const quint64 file = fileSystem.fileIdentity(folder + u'/' + step.from);
        return file != 0 && file == fileSystem.fileIdentity(folder + u'/' + step.to);
    };
    if (std::none_of(plan.begin(), plan.end(), caseOnly))
        return plan;
    TemporaryNames temporaryNames(plan, folder, fileSystem);
    std::vector<RenameStep> split;
    split.reserve(plan.size() + 1);
    for (RenameStep& step : plan) {
        if (!caseOnly(step)) {
            split.push_back(std::move(step));
            continue;
        }
        const QString middle = temporaryNames.next();
        split.push_back({step.from, middle, step.fromFile});
        split.push_back({middle, step.to, step.fromFile});
    }
    return split;
}

std::vector<bool> rowsInChains(const std::vector<RenameStep>& plan)
{
    return chainsOf(blockers(plan));
}

} // namespace tervane
