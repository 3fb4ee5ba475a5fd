#include "launchagentplist.h"

#include "core/fileutils.h"
#include "core/propertylist.h"

#include <QFile>
#include <QSaveFile>
#include <QXmlStreamWriter>

#include <sys/stat.h>

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

bool LaunchAgentPlist::write(const QString &path, const QString &label, const QStringList &arguments)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QXmlStreamWriter xml(&file);
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
    if (xml.hasError())
        return false;
    // launchd ignores an agent that group or others may write.
    if (::fchmod(file.handle(), S_IRUSR | S_IWUSR | S_IRGRP | S_IROTH) != 0)
        return false;
    return file.commit();
}
