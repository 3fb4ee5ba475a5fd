// Texts that Qt itself shows: the buttons of standard dialogs and message boxes, and the menu of
// a text field. Qt asks the installed catalogues for them under its own contexts, so listing them
// here (read by lupdate, never compiled) makes every Sweepnook catalogue carry them and the whole
// interface speaks one language.
#pragma once

#include <QtGlobal>

QT_TRANSLATE_NOOP("QPlatformTheme", "OK")
QT_TRANSLATE_NOOP("QPlatformTheme", "Save")
QT_TRANSLATE_NOOP("QPlatformTheme", "Save All")
QT_TRANSLATE_NOOP("QPlatformTheme", "Open")
QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes")
QT_TRANSLATE_NOOP("QPlatformTheme", "Yes to &All")
QT_TRANSLATE_NOOP("QPlatformTheme", "&No")
QT_TRANSLATE_NOOP("QPlatformTheme", "N&o to All")
QT_TRANSLATE_NOOP("QPlatformTheme", "Abort")
QT_TRANSLATE_NOOP("QPlatformTheme", "Retry")
QT_TRANSLATE_NOOP("QPlatformTheme", "Ignore")
QT_TRANSLATE_NOOP("QPlatformTheme", "Close")
QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel")
QT_TRANSLATE_NOOP("QPlatformTheme", "Discard")
QT_TRANSLATE_NOOP("QPlatformTheme", "Help")
QT_TRANSLATE_NOOP("QPlatformTheme", "Apply")
QT_TRANSLATE_NOOP("QPlatformTheme", "Reset")
QT_TRANSLATE_NOOP("QPlatformTheme", "Restore Defaults")

QT_TRANSLATE_NOOP("QLineEdit", "&Undo")
QT_TRANSLATE_NOOP("QLineEdit", "&Redo")
QT_TRANSLATE_NOOP("QLineEdit", "Cu&t")
QT_TRANSLATE_NOOP("QLineEdit", "&Copy")
QT_TRANSLATE_NOOP("QLineEdit", "&Paste")
QT_TRANSLATE_NOOP("QLineEdit", "Delete")
QT_TRANSLATE_NOOP("QLineEdit", "Select All")
