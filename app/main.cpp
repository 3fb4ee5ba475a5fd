#include "app/application.h"
#include "app/singleinstance.h"
#include "core/languages.h"
#include "core/settings.h"
#include "core/version.h"

#include <QApplication>
#include <QDebug>
#include <QFont>
#include <QLocale>

namespace {

QString languageFromSettings(const Settings &settings)
{
    const QString stored = settings.text(Settings::Language);
    qDebug() << "[Main] Settings path:" << settings.fileName(SettingsStore::Native);
    qDebug() << "[Main] User language from settings:" << stored;
    if (!stored.isEmpty()) {
        qDebug() << "[Main] Using user language:" << stored;
        return stored;
    }
    const QString systemLocale = QLocale::system().name();
    const QString detected = Languages::choose(stored, systemLocale);
    qDebug() << "[Main] System language:" << systemLocale;
    qDebug() << "[Main] Auto-detected:" << detected;
    return detected;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sweepnook"));
    QApplication::setApplicationVersion(QString::fromLatin1(Version::full));
    QApplication::setOrganizationName(QStringLiteral("QUELMO"));

    SingleInstance singleInstance(SingleInstance::defaultName());
    if (!singleInstance.claim())
        return 0;

    qDebug() << "========== Translation Init ==========";
    const QString language = languageFromSettings(Settings());
    Application::instance()->setLanguage(language);
    Application::instance()->installTranslations();
    qDebug() << "=======================================";

    QFont font(QStringLiteral("Segoe UI"), 10);
    font.setStyleStrategy(QFont::PreferAntialias);
    QApplication::setFont(font);

    Application::instance()->initialize();
    Application::instance()->showMainWindow();
    QObject::connect(&singleInstance, &SingleInstance::activationRequested, &app,
                     [] { Application::instance()->showMainWindow(); });
    return app.exec();
}
