#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// Keeps the program to one running copy per user. The first copy to call claim() listens under a
// per-user name and emits activationRequested whenever a later copy starts; a later copy's
// claim() tells the first one to come forward and returns false, and that copy exits.
// A name left behind by a copy that crashed is taken over.
class SingleInstance final : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(const QString &name, QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this is the only copy (it now listens); false when another copy runs and has been
    // asked to show its window.
    bool claim();

    // The per-user name the running copy listens under.
    static QString defaultName();

    // A restart hands the name to the copy it starts; if that copy could not be started, this
    // one takes the name back.
    static void releaseForRestart();
    static void reclaimAfterFailedRestart();

signals:
    void activationRequested();

private:
    bool askRunningCopyToShow() const;
    bool listen();

    static SingleInstance *s_listening;
    QString m_name;
    QLocalServer *m_server = nullptr;
};
