#include "launchagentplist.h"

#include "core/fileutils.h"
#include "core/processrunner.h"

#include <QFile>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <sys/stat.h>

namespace {

constexpr int ConvertTimeoutMs = 3000;
// Agent plists are a few hundred bytes; anything this large is not one.
constexpr qint64 MaxPlistBytes = 1024 * 1024;

const QString openTool = QStringLiteral("/usr/bin/open");
const QString envTool = QStringLiteral("/usr/bin/env");

QStringList readStringArray(QXmlStreamReader &xml)
{
    QStringList values;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("string")) {
            const QString value = xml.readElementText().trimmed();
            if (!value.isEmpty())
                values.append(value);
        } else {
            xml.skipCurrentElement();
        }
    }
    return values;
}

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

bool LaunchAgentPlist::parseXml(const QByteArray &xml, LaunchAgentProgram *result)
{
    *result = LaunchAgentProgram();
    QXmlStreamReader reader(xml);
    if (!reader.readNextStartElement() || reader.name() != QLatin1String("plist"))
        return false;
    if (!reader.readNextStartElement() || reader.name() != QLatin1String("dict"))
        return false;

    QString program;
    QStringList arguments;
    bool disabled = false;
    QString key;
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("key")) {
            key = reader.readElementText();
            continue;
        }
        if (key == QLatin1String("Program") && reader.name() == QLatin1String("string"))
            program = reader.readElementText().trimmed();
        else if (key == QLatin1String("ProgramArguments") && reader.name() == QLatin1String("array"))
            arguments = readStringArray(reader);
        else {
            if (key == QLatin1String("Disabled"))
                disabled = reader.name() == QLatin1String("true");
            reader.skipCurrentElement();
        }
        key.clear();
    }
    if (reader.hasError())
        return false;

    if (!program.isEmpty())
        result->program = program;
    else
        *result = programFromArguments(arguments);
    result->disabled = disabled;
    return true;
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
    QByteArray contents;
    if (FileUtils::readRegularFile(path, MaxPlistBytes, &contents) && parseXml(contents, &result))
        return result;

    const ProcessRunner::Result converted = ProcessRunner::run(QStringLiteral("plutil"),
        { QStringLiteral("-convert"), QStringLiteral("xml1"), QStringLiteral("-o"), QStringLiteral("-"), path },
        ConvertTimeoutMs);
    if (!converted.finished || converted.output.isEmpty() || !parseXml(converted.output, &result))
        return LaunchAgentProgram();
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
