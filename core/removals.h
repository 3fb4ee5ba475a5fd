#pragma once

#include <QObject>
#include <QSet>
#include <QString>

#include <type_traits>

// What one feature's work removed from the disk, told to every other feature that holds a
// result, so no page lists, counts or offers an entry that has gone (a junk clean takes files
// the large file finder listed; an uninstall takes caches the junk scan listed).
//
// A holder takes part with two members: a signal pathsRemoved(const QSet<QString> &) for what
// its own work removed or moved to the Trash (files, or folders with all they held), and a
// method forgetRemoved(const QSet<QString> &) that drops its entries at or below those paths
// and tells its page. Paths are absolute and compared as written.
namespace Removals {

// Whether path is one of removed or lies below one of them (at a "/" boundary).
bool covers(const QSet<QString> &removed, const QString &path);

// Connects every holder's pathsRemoved to every other holder's forgetRemoved, once however often
// it is called; a null holder takes no part.
template<typename... Holders> void share(Holders *...holders)
{
    const auto connectFrom = [&](auto *from) {
        const auto connectTo = [from](auto *to) {
            if (!from || !to || static_cast<QObject *>(from) == static_cast<QObject *>(to))
                return;
            QObject::connect(from, &std::remove_pointer_t<decltype(from)>::pathsRemoved, to,
                &std::remove_pointer_t<decltype(to)>::forgetRemoved, Qt::UniqueConnection);
        };
        (connectTo(holders), ...);
    };
    (connectFrom(holders), ...);
}

} // namespace Removals
