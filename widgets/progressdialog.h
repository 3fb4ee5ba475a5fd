#pragma once

#include "widgets/carddialog.h"

class QLabel;
class QProgressBar;
class QPushButton;

// The progress card shown while an engine scans or cleans; it turns into a summary when the
// work is done and the user closes it.
class ProgressDialog final : public CardDialog
{
    Q_OBJECT

public:
    enum Mode { Scan, Clean };
    Q_ENUM(Mode)
    // How the work ended: a part left undone (a skipped browser, a file that could not go) shows
    // as a warning, a refusal as a failure; only a full success is green.
    enum Outcome { Succeeded, PartlyDone, Failed };
    Q_ENUM(Outcome)

    explicit ProgressDialog(Mode mode, QWidget *parent = nullptr);

    void setProgress(int current, int total);
    void setCurrentItem(const QString &text);
    void setCleanedSize(qint64 bytes);
    void setFinished(Outcome outcome, const QString &message);
    void setFinished(bool success, const QString &message);
    bool isFinished() const;

    // Escape cancels the work while it runs, and closes the card once it is done.
    void reject() override;

signals:
    void cancelRequested();

private:
    static constexpr int cardWidth = 400;
    static constexpr int cardHeight = 280;

    void setupUi();
    void fitSummary();

    Mode m_mode;
    QLabel *m_iconLabel = nullptr;
    QLabel *m_titleLabel = nullptr;
    QLabel *m_statusLabel = nullptr;
    QLabel *m_currentItemLabel = nullptr;
    QProgressBar *m_progressBar = nullptr;
    QLabel *m_percentLabel = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    bool m_finished = false;
};
