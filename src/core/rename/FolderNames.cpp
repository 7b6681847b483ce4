// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/FolderNames.h"

#include "services/FileSystem.h"
#include "text/NameKey.h"

namespace tervane {

FolderNames::FolderNames(const QString& folder, const QStringList& present,
                         const FileSystem& fileSystem, std::vector<quint64> identities,
                         const QStringList& others)
    : m_prefix(folder + u'/')
    , m_fileSystem(fileSystem)
    , m_present(present)
    , m_identities(std::move(identities))
    , m_exact(std::size_t(present.size()))
{
    m_keys.reserve(std::size_t(present.size() + others.size()));
    for (qsizetype i = 0; i < m_present.size(); ++i) {
        const QString& name = m_present[i];
        m_exact.add(name, std::size_t(i));
        m_keys.insert(nameKeyHash(name));
        if (mayNeedComposing(name))
            m_composed.insert(name.normalized(QString::NormalizationForm_C));
    }
    for (const QString& name : others) {
        m_others.insert(name);
        m_keys.insert(nameKeyHash(name));
    }
}

FolderNames FolderNames::read(const QString& folder, const FileSystem& fileSystem)
{
    std::vector<quint64> identities;
    QStringList others;
    const QStringList present = fileSystem.listFiles(folder, &others, &identities);
    return FolderNames(folder, present, fileSystem, std::move(identities), others);
}

// A name present in its other Unicode form is taken, as the names list counts
// the two as one name.
bool FolderNames::taken(const QString& name) const
{
    if (m_exact.find(name) != NamePositions::None || m_others.count(name))
        return true;
    const auto onDisk = [&] {
        const QString path = m_prefix + name;
        return m_fileSystem.fileExists(path) || m_fileSystem.folderExists(path);
    };
    if (name.startsWith(u'.'))
        return onDisk();
    // Most names have no key in common with any present one; the few that
    // do (or whose key's hash does) are looked at closely.
    if (!m_keys.count(nameKeyHash(name)))
        return false;
    const QString nfc = name.normalized(QString::NormalizationForm_C);
    return m_exact.find(nfc) != NamePositions::None || m_composed.count(nfc) ||
           m_others.count(nfc) || onDisk();
}

bool FolderNames::holdsFile(const QString& name, quint64 identity) const
{
    const std::size_t at = m_exact.find(name);
    if (at == NamePositions::None)
        return false;
    const quint64 known = at < m_identities.size() ? m_identities[at] : 0;
    return identity == 0 || known == 0 || known == identity;
}

quint64 FolderNames::identityOf(const QString& name) const
{
    const std::size_t at = m_exact.find(name);
    return at < m_identities.size() ? m_identities[at] : 0;
}

} // namespace tervane
