#pragma once

#include <QStringList>

// Where things are on this system: the one place that knows the platform's folders. Engines ask
// it for their defaults and never test the platform themselves.
class Platform final
{
public:
    // The folders a user's applications are installed in: the machine's, then the home folder's.
    static QStringList applicationFolders();
    // The folders holding the system's own applications (part of the operating system, never
    // offered for removal). Empty where the system keeps none.
    static QStringList systemApplicationFolders();
};
