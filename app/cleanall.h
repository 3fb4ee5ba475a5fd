#pragma once

#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QSet>
#include <QStringList>

#include "core/combinedselection.h"

#include <array>

class CleanEngine;

// The dashboard's "Clean All": cleans what the junk and browser engines' last scans have
// selected (the selection their pages show), one engine after the other, as one run with one
// progress and one summary. A path both scans found is cleaned and counted once, by the browser
// engine (see CombinedSelection), so the selection shown beforehand, the summary and what leaves
// the disk agree. An engine that refuses (a browser still running) does not stop the other.
class CleanAll final : public QObject
{
    Q_OBJECT

public:
    struct Selection
    {
        int itemCount = 0;
        qint64 size = 0;
        qint64 junkSize = 0;
        qint64 browserSize = 0;
        // Everything the two scans found, ticked or not, each path once.
        qint64 foundSize = 0;
        // A selected item's size is unknown: size is a lower bound.
        bool sizeUnknown = false;
    };

    struct Summary
    {
        int itemsCleaned = 0;
        // Selected items that were neither cleaned nor refused as a whole; the log names them.
        int itemsFailed = 0;
        qint64 junkFreed = 0;
        qint64 browserFreed = 0;
        // Whole-run refusals of an engine, such as the running-browser message.
        QStringList errors;
        bool cancelled = false;

        qint64 bytesFreed() const;
    };

    CleanAll(CleanEngine *junk, CleanEngine *browser, QObject *parent = nullptr);

    // What a start would clean now, each path once: what remains selected of the engines' last
    // whole scans. Every clean (this one's or a page's) takes what it removed out of every
    // engine's result (Removals::share), so what a refused or failed part left stays.
    Selection selection() const;
    bool isRunning() const;
    const Summary &summary() const;

    // Does nothing while running or when nothing is selected.
    void start();
    void cancel();

signals:
    void progressChanged(int current, int total, qint64 cleanedBytes);
    void finished();

private:
    enum Slot { Junk, Browser, SlotCount };

    void trackBrowserScan();
    bool isCleanable(int slot) const;
    // The finished result of an engine, or null; read while no worker writes it.
    const ScanResult *finishedResult(int slot) const;
    CombinedSelection combined() const;
    void startNext();
    void onEngineProgress(int current, qint64 cleanedBytes);
    void onEngineFinished(qint64 totalCleaned, int itemsCleaned);
    void finish();

    std::array<CleanEngine *, SlotCount> m_engines {};
    // Every path the browser engine's last scan found (see CombinedSelection).
    QSet<QString> m_browserFound;
    QList<int> m_queue;
    int m_current = -1;
    QList<QMetaObject::Connection> m_runConnections;
    int m_currentSelected = 0;
    bool m_currentRefused = false;
    int m_total = 0;
    int m_doneBefore = 0;
    qint64 m_bytesBefore = 0;
    bool m_running = false;
    bool m_cancelRequested = false;
    Summary m_summary;
};
