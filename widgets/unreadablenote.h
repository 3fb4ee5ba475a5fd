#pragma once

#include <QLabel>

// The note a page shows after a scan that skipped folders it had no permission to read: how
// many, the first of them, and how to grant access (Full Disk Access on a Mac). Hidden while
// there are none. Every page that walks folders shows this one note.
class UnreadableNote final : public QLabel
{
    Q_OBJECT

public:
    explicit UnreadableNote(QWidget *parent = nullptr);

    // Shows the note for count folders, first among them; hides it for none.
    void setFolders(int count, const QString &first);
    // The note's text, for a page that says it elsewhere too (a message box).
    static QString text(int count, const QString &first);
};
