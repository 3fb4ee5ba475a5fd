#pragma once

#include "widgets/carddialog.h"

class QLabel;
class QProgressBar;
class QPushButton;

// The progress card of the large file scan: a busy bar, the path being looked at and the
// running count; it offers "View Results" once the scan is done.
class ScanProgressDialog final : public CardDialog
{
    Q_OBJECT

public:
    explicit ScanProgressDialog(QWidget *parent = nullptr);

    void setProgress(const QString &path, int foundCount, qint64 totalSize);
    void setFinished(int foundCount, qint64 totalSize);

signals:
    void cancelRequested();

private:
    void setupUi();
    static QString countText(int foundCount, qint64 totalSize);

    QLabel *m_iconLabel = nullptr;
    QLabel *m_titleLabel = nullptr;
    QProgressBar *m_progressBar = nullptr;
    QLabel *m_pathLabel = nullptr;
    QLabel *m_countLabel = nullptr;
    QPushButton *m_button = nullptr;
};
