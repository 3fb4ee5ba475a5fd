#pragma once

#include "cleaners/privacyitem.h"

#include <QFrame>

class QCheckBox;
class QLabel;

// One privacy trace on the privacy page: check box, icon, name and description, a risk badge and
// what was measured. A trace with nothing found is shown disabled unless it can always be
// cleared. After a clean the measurement gives way to the trace's outcome.
class PrivacyItemCard final : public QFrame
{
    Q_OBJECT

public:
    explicit PrivacyItemCard(const PrivacyItem &item, QWidget *parent = nullptr);

    const PrivacyItem &item() const;
    // Shows a measurement. An offered trace that was not offered before takes its pre-selection;
    // one with nothing to clean is unchecked.
    void setMeasured(const PrivacyItem &item);
    // Back to "not scanned", keeping the check box.
    void setUnmeasured();
    void setOutcome(bool success, qint64 freedBytes);
    // The check box follows the user while not locked (during a scan or clean).
    void setLocked(bool locked);
    bool isChecked() const;
    // Checked and worth cleaning.
    bool isSelectedForCleaning() const;

    static QString riskText(int risk);

signals:
    void checkedChanged();

private:
    void setStatus(const QString &primary, const QString &secondary, const QString &tone);
    void updateEnabled();

    PrivacyItem m_item;
    bool m_measured = false;
    bool m_locked = false;
    QCheckBox *m_checkBox = nullptr;
    QLabel *m_primaryLabel = nullptr;
    QLabel *m_secondaryLabel = nullptr;
};
