#include "launchagentplist.h"

#include "core/fileutils.h"
#include "core/logger.h"
#include "core/pinnedroot.h"
#include "core/propertylist.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QXmlStreamWriter>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Agent plists are a few hundred bytes; anything this large is not one.
constexpr qint64 MaxPlistBytes = 1024 * 1024;

const QString openTool = QStringLiteral("/usr/bin/open");
const QString envTool = QStringLiteral("/usr/bin/env");

// The program "open" starts: the application after "-a", the bundle identifier after "-b",
// otherwise the first argument that is not an option.
LaunchAgentProgram programOfOpen(const QStringList &arguments)
{
    LaunchAgentProgram result;
    for (int i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("-a")) {
            result.program = arguments.at(i + 1);
            return result;
        }
        if (arguments.at(i) == QLatin1String("-b")) {
            result.bundleIdentifier = arguments.at(i + 1);
            return result;
        }
    }
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--args"))
            break;
        if (argument == QLatin1String("-a") || argument == QLatin1String("-b"))
            break;
        if (!argument.startsWith(QLatin1Char('-'))) {
            result.program = argument;
            break;
        }
    }
    return result;
}

} // namespace

bool LaunchAgentPlist::parse(const QVariantMap &plist, LaunchAgentProgram *result)
{
    *result = LaunchAgentProgram();
    const QString program = PropertyList::string(plist, QStringLiteral("Program")).trimmed();
    QStringList arguments;
    const QVariant list = plist.value(QStringLiteral("ProgramArguments"));
    if (list.typeId() == QMetaType::QVariantList) {
        for (const QVariant &argument : list.toList()) {
            const QString value = argument.typeId() == QMetaType::QString ? argument.toString().trimmed() : QString();
            if (!value.isEmpty())
                arguments.append(value);
        }
    }
    if (!program.isEmpty())
        result->program = program;
    else
        *result = programFromArguments(arguments);
    const QVariant disabled = plist.value(QStringLiteral("Disabled"));
    result->disabled = disabled.typeId() == QMetaType::Bool && disabled.toBool();
    return !result->isEmpty();
}

LaunchAgentProgram LaunchAgentPlist::programFromArguments(const QStringList &arguments)
{
    LaunchAgentProgram result;
    if (arguments.isEmpty())
        return result;
    const QString &first = arguments.first();
    if (first == openTool)
        return programOfOpen(arguments);
    if (first == envTool) {
        for (int i = 1; i < arguments.size(); ++i) {
            const QString &argument = arguments.at(i);
            if (!argument.contains(QLatin1Char('=')) && !argument.startsWith(QLatin1Char('-'))) {
                result.program = argument;
                break;
            }
        }
        return result;
    }
    result.program = first;
    return result;
}

LaunchAgentProgram LaunchAgentPlist::read(const QString &path)
{
    LaunchAgentProgram result;
    // Agents installed as links to a plist elsewhere are read through the link.
    const QVariantMap plist = PropertyList::readDictionary(path, MaxPlistBytes, PropertyList::Links::Follow);
    if (!plist.isEmpty())
        parse(plist, &result);
    return result;
}

QByteArray LaunchAgentPlist::xml(const QString &label, const QStringList &arguments)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                                "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">"));
    xml.writeStartElement(QStringLiteral("plist"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
    xml.writeStartElement(QStringLiteral("dict"));
    xml.writeTextElement(QStringLiteral("key"), QStringLiteral("Label"));
    xml.writeTextElement(QStringLiteral("string"), label);
    xml.writeTextElement(QStringLiteral("key"), QStringLiteral("ProgramArguments"));
    xml.writeStartElement(QStringLiteral("array"));
    for (const QString &argument : arguments)
        xml.writeTextElement(QStringLiteral("string"), argument);
    xml.writeEndElement();
    xml.writeTextElement(QStringLiteral("key"), QStringLiteral("RunAtLoad"));
    xml.writeEmptyElement(QStringLiteral("true"));
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return xml.hasError() ? QByteArray() : bytes;
}

bool LaunchAgentPlist::write(const QString &path, const QString &label, const QStringList &arguments)
{
    const QFileInfo file(path);
    const PinnedRoot folder = PinnedRoot::open(file.path(), file.path());
    if (!folder.isOpen()) {
        Logger::instance()->warning(
            QStringLiteral("[LaunchAgentPlist] Cannot open the folder of %1: %2").arg(path, folder.reason()));
        return false;
    }
    return write(folder, file.fileName(), label, arguments);
}

bool LaunchAgentPlist::write(
    const PinnedRoot &folder, const QString &fileName, const QString &label, const QStringList &arguments)
{
    const QByteArray name = QFile::encodeName(fileName);
    if (!folder.isOpen() || name.isEmpty() || name.contains('/') || name == "." || name == "..")
        return false;
    const QByteArray contents = xml(label, arguments);
    if (contents.isEmpty())
        return false;
    const auto fail = [&fileName](const char *what, int error) {
        Logger::instance()->warning(QStringLiteral("[LaunchAgentPlist] Not written: %1 (%2: %3)")
                                        .arg(fileName, QLatin1String(what), QString::fromLocal8Bit(::strerror(error))));
        return false;
    };
    // What stands at the name must be a plain file or nothing: a link there is not ours to
    // replace, and its target is never written through.
    struct stat existing;
    if (::fstatat(folder.fd(), name.constData(), &existing, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISREG(existing.st_mode))
        return fail("not a plain file", EEXIST);

    // A new file of our own beside it, created exclusively (never an existing entry, never
    // through a link), then renamed over the name: a rename replaces whatever entry is there by
    // then, a link included, and never writes into its target.
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temporary = '.' + name + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        fd = ::openat(folder.fd(), temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
            S_IRUSR | S_IWUSR);
        if (fd < 0 && errno != EEXIST)
            return fail("create", errno);
    }
    if (fd < 0)
        return fail("create", EEXIST);
    const auto discard = [&](const char *what) {
        const int error = errno;
        ::close(fd);
        ::unlinkat(folder.fd(), temporary.constData(), 0);
        return fail(what, error);
    };
    for (qsizetype written = 0; written < contents.size();) {
        const ssize_t n = ::write(fd, contents.constData() + written, size_t(contents.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return discard("write");
        written += n;
    }
    // launchd ignores an agent that group or others may write.
    if (::fchmod(fd, S_IRUSR | S_IWUSR | S_IRGRP | S_IROTH) != 0)
        return discard("chmod");
    if (::fsync(fd) != 0)
        return discard("sync");
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlinkat(folder.fd(), temporary.constData(), 0);
        return fail("close", error);
    }
    if (::renameat(folder.fd(), temporary.constData(), folder.fd(), name.constData()) != 0) {
        const int error = errno;
        ::unlinkat(folder.fd(), temporary.constData(), 0);
        return fail("rename", error);
    }
    return true;
}
