<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Your Personal System Butler</source>
        <translation>Ihr persönlicher System-Butler</translation>
    </message>
    <message>
        <source>🧹 Junk Cleaner - Free up valuable disk space</source>
        <translation>🧹 Datenmüll - Wertvollen Speicherplatz freigeben</translation>
    </message>
    <message>
        <source>🌐 Browser Cleaner - Protect your privacy</source>
        <translation>🌐 Browserdaten - Ihre Privatsphäre schützen</translation>
    </message>
    <message>
        <source>🔧 Registry Cleaner - Boost system performance</source>
        <translation>🔧 Registry - Systemleistung steigern</translation>
    </message>
    <message>
        <source>⚡ Startup Manager - Speed up boot time</source>
        <translation>⚡ Autostart - Startzeit verkürzen</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Made by Quelmo</source>
        <translation>Entwickelt von Quelmo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>📊 Dashboard - Scan everything at once and clean in one click</source>
        <translation>📊 Dashboard - Alles auf einmal prüfen und mit einem Klick bereinigen</translation>
    </message>
    <message>
        <source>📁 Large Files - Find what takes up your disk</source>
        <translation>📁 Große Dateien - Finden, was Ihren Speicher belegt</translation>
    </message>
    <message>
        <source>📑 Duplicate Files - Remove identical copies</source>
        <translation>📑 Duplikate - Identische Kopien entfernen</translation>
    </message>
    <message>
        <source>📦 App Uninstaller - Remove apps with their leftovers</source>
        <translation>📦 Deinstallation - Apps mit ihren Resten entfernen</translation>
    </message>
    <message>
        <source>🛡️ Privacy Cleaner - Clear recent-files lists and other traces</source>
        <translation>🛡️ Datenschutz - Listen zuletzt benutzter Dateien und andere Spuren löschen</translation>
    </message>
</context>
<context>
    <name>AppCardDelegate</name>
    <message>
        <source>Part of macOS</source>
        <translation>Teil von macOS</translation>
    </message>
    <message>
        <source>+%1 leftovers</source>
        <translation>+%1 Reste</translation>
    </message>
    <message>
        <source>bundle identifier</source>
        <translation>Bundle-ID</translation>
    </message>
    <message>
        <source>name only</source>
        <translation>nur Name</translation>
    </message>
    <message>
        <source>shared with macOS</source>
        <translation>mit macOS geteilt</translation>
    </message>
</context>
<context>
    <name>AppUninstaller</name>
    <message>
        <source>It is part of macOS and cannot be removed.</source>
        <translation>Die App ist Teil von macOS und kann nicht entfernt werden.</translation>
    </message>
    <message>
        <source>It is not in an Applications folder.</source>
        <translation>Die App liegt nicht in einem Programme-Ordner.</translation>
    </message>
    <message>
        <source>Close the app first.</source>
        <translation>Beenden Sie die App zuerst.</translation>
    </message>
    <message>
        <source>Could not tell whether it is running. Close the app first.</source>
        <translation>Es ließ sich nicht feststellen, ob die App läuft. Beenden Sie sie zuerst.</translation>
    </message>
    <message>
        <source>It could not be moved to the Trash: %1.</source>
        <translation>Die App konnte nicht in den Papierkorb gelegt werden: %1.</translation>
    </message>
    <message>
        <source>It is on a read-only volume and cannot be removed.</source>
        <translation>Sie befindet sich auf einem schreibgeschützten Volume und kann nicht entfernt werden.</translation>
    </message>
    <message>
        <source>It is no longer where the scan found it.</source>
        <translation>Sie ist nicht mehr dort, wo der Scan sie gefunden hat.</translation>
    </message>
</context>
<context>
    <name>AppUninstallerPage</name>
    <message>
        <source>App Uninstaller</source>
        <translation>Deinstallation</translation>
    </message>
    <message>
        <source>Completely remove apps and their leftover files</source>
        <translation>Apps samt Restdateien vollständig entfernen</translation>
    </message>
    <message>
        <source>Search apps...</source>
        <translation>Apps suchen...</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>No apps selected</source>
        <translation>Keine Apps ausgewählt</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Deinstallieren</translation>
    </message>
    <message>
        <source>Scanning installed apps...</source>
        <translation>Installierte Apps werden gescannt...</translation>
    </message>
    <message>
        <source>No applications were found in the Applications folders.</source>
        <translation>In den Programme-Ordnern wurden keine Apps gefunden.</translation>
    </message>
    <message>
        <source>No apps match &quot;%1&quot;.</source>
        <translation>Keine Apps passen zu „%1“.</translation>
    </message>
    <message>
        <source>Uninstalling %1...</source>
        <translation>%1 wird deinstalliert...</translation>
    </message>
    <message>
        <source>Apps will be moved to Trash.</source>
        <translation>Die Apps werden in den Papierkorb gelegt.</translation>
    </message>
    <message>
        <source>Confirm Uninstall</source>
        <translation>Deinstallation bestätigen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Could not uninstall %1.
%2</source>
        <translation>%1 konnte nicht deinstalliert werden.
%2</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message numerus="yes">
        <source>%Ln apps</source>
        <translation>
            <numerusform>%Ln App</numerusform>
            <numerusform>%Ln Apps</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 / %Ln apps</source>
        <translation>
            <numerusform>%1 / %Ln App</numerusform>
            <numerusform>%1 / %Ln Apps</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln app(s) selected</source>
        <translation>
            <numerusform>%Ln App ausgewählt</numerusform>
            <numerusform>%Ln Apps ausgewählt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Uninstall %Ln app(s) and their leftover files?</source>
        <translation>
            <numerusform>%Ln App samt Restdateien deinstallieren?</numerusform>
            <numerusform>%Ln Apps samt Restdateien deinstallieren?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more</source>
        <translation>
            <numerusform>und %Ln weitere</numerusform>
            <numerusform>und %Ln weitere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Apps and %Ln selected leftover items (%1) will be moved to Trash.</source>
        <translation>
            <numerusform>Die Apps und %Ln ausgewählte Restdatei (%1) werden in den Papierkorb gelegt.</numerusform>
            <numerusform>Die Apps und %Ln ausgewählte Restdateien (%1) werden in den Papierkorb gelegt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 was moved to Trash, but %Ln of its leftover items could not be moved.</source>
        <translation>
            <numerusform>%1 wurde in den Papierkorb gelegt, aber %Ln Restdatei konnte nicht verschoben werden.</numerusform>
            <numerusform>%1 wurde in den Papierkorb gelegt, aber %Ln Restdateien konnten nicht verschoben werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>The app will be moved to the Trash.</source>
        <translation>Die App wird in den Papierkorb gelegt.</translation>
    </message>
    <message numerus="yes">
        <source>The app and %Ln selected leftover items (%1) will be moved to the Trash.</source>
        <translation>
            <numerusform>Die App und %Ln ausgewählte Restdatei (%1) werden in den Papierkorb gelegt.</numerusform>
            <numerusform>Die App und %Ln ausgewählte Restdateien (%1) werden in den Papierkorb gelegt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Moved %1 (%2) to the Trash.</source>
        <translation>%1 (%2) wurde in den Papierkorb gelegt.</translation>
    </message>
    <message numerus="yes">
        <source>Moved %1 and %Ln leftover items (%2) to the Trash.</source>
        <translation>
            <numerusform>%1 und %Ln Restdatei (%2) wurden in den Papierkorb gelegt.</numerusform>
            <numerusform>%1 und %Ln Restdateien (%2) wurden in den Papierkorb gelegt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %Ln apps (%1) to the Trash.</source>
        <translation>
            <numerusform>%Ln App (%1) wurde in den Papierkorb gelegt.</numerusform>
            <numerusform>%Ln Apps (%1) wurden in den Papierkorb gelegt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %Ln apps and %1 (%2) to the Trash.</source>
        <translation>
            <numerusform>%Ln App und %1 (%2) wurden in den Papierkorb gelegt.</numerusform>
            <numerusform>%Ln Apps und %1 (%2) wurden in den Papierkorb gelegt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln leftover items</source>
        <translation>
            <numerusform>%Ln Restdatei</numerusform>
            <numerusform>%Ln Restdateien</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BasePage</name>
    <message>
        <source>Cleanable</source>
        <translation>Bereinigbar</translation>
    </message>
    <message>
        <source>Click &quot;Start Scanning&quot; to find cleanable items</source>
        <translation>Klicken Sie auf „Scan starten“, um bereinigbare Objekte zu finden</translation>
    </message>
    <message>
        <source>Selected: --</source>
        <translation>Ausgewählt: --</translation>
    </message>
    <message>
        <source>Start Scanning</source>
        <translation>Scan starten</translation>
    </message>
    <message>
        <source>Clean Now</source>
        <translation>Jetzt bereinigen</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>No items selected</source>
        <translation>Keine Objekte ausgewählt</translation>
    </message>
    <message>
        <source>Confirm Clean</source>
        <translation>Bereinigung bestätigen</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to clean %Ln selected items?
This action cannot be undone!</source>
        <translation>
            <numerusform>Möchten Sie %Ln ausgewähltes Objekt wirklich bereinigen?
Dies kann nicht widerrufen werden!</numerusform>
            <numerusform>Möchten Sie %Ln ausgewählte Objekte wirklich bereinigen?
Dies kann nicht widerrufen werden!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cleaned %Ln items, freed %1</source>
        <translation>
            <numerusform>%Ln Objekt bereinigt, %1 freigegeben</numerusform>
            <numerusform>%Ln Objekte bereinigt, %1 freigegeben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln items, %1</source>
        <translation>
            <numerusform>Ausgewählt: %Ln Objekt, %1</numerusform>
            <numerusform>Ausgewählt: %Ln Objekte, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln items</source>
        <translation>
            <numerusform>%Ln Objekt</numerusform>
            <numerusform>%Ln Objekte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln items</source>
        <translation>
            <numerusform>Ausgewählt: %Ln Objekt</numerusform>
            <numerusform>Ausgewählt: %Ln Objekte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be removed and stay in the list with the reason.</source>
        <translation>
            <numerusform>%Ln Objekt konnte nicht entfernt werden und bleibt mit dem Grund in der Liste.</numerusform>
            <numerusform>%Ln Objekte konnten nicht entfernt werden und bleiben mit dem Grund in der Liste.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BrowserCleaner</name>
    <message>
        <source>Google Chrome</source>
        <translation>Google Chrome</translation>
    </message>
    <message>
        <source>Microsoft Edge</source>
        <translation>Microsoft Edge</translation>
    </message>
    <message>
        <source>Mozilla Firefox</source>
        <translation>Mozilla Firefox</translation>
    </message>
    <message>
        <source>Opera</source>
        <translation>Opera</translation>
    </message>
    <message>
        <source>Brave</source>
        <translation>Brave</translation>
    </message>
    <message>
        <source>Safari</source>
        <translation>Safari</translation>
    </message>
    <message>
        <source>These browsers are running and were skipped; close them to clean them:
%1</source>
        <translation>Diese Browser sind geöffnet und wurden übersprungen; beenden Sie sie, um sie zu bereinigen:
%1</translation>
    </message>
    <message>
        <source>outside the browsers&apos; folders</source>
        <translation>außerhalb der Browserordner</translation>
    </message>
    <message>
        <source>the history could not be cleared</source>
        <translation>der Verlauf konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>it could not be removed</source>
        <translation>es konnte nicht entfernt werden</translation>
    </message>
    <message>
        <source>the records could not be cleared</source>
        <translation>die Einträge konnten nicht gelöscht werden</translation>
    </message>
</context>
<context>
    <name>BrowserGroupHeader</name>
    <message numerus="yes">
        <source>%Ln items  ·  %1</source>
        <translation>
            <numerusform>%Ln Objekt  ·  %1</numerusform>
            <numerusform>%Ln Objekte  ·  %1</numerusform>
        </translation>
    </message>
    <message>
        <source>View Details</source>
        <translation>Details anzeigen</translation>
    </message>
    <message>
        <source>%1  (%2)</source>
        <translation>%1  (%2)</translation>
    </message>
</context>
<context>
    <name>BrowserPage</name>
    <message>
        <source>Browser Cleaner</source>
        <translation>Browserdaten</translation>
    </message>
    <message>
        <source>Clean caches, cookies and history of your browsers</source>
        <translation>Caches, Cookies und Verlauf Ihrer Browser bereinigen</translation>
    </message>
    <message>
        <source>Browsers:</source>
        <translation>Browser:</translation>
    </message>
    <message>
        <source>No supported browser was found for this user.</source>
        <translation>Für diesen Benutzer wurde kein unterstützter Browser gefunden.</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Gefunden</translation>
    </message>
</context>
<context>
    <name>CategoryWidget</name>
    <message numerus="yes">
        <source>%Ln items</source>
        <translation>
            <numerusform>%Ln Objekt</numerusform>
            <numerusform>%Ln Objekte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Load more (%Ln remaining)</source>
        <translation>
            <numerusform>Mehr laden (%Ln verbleibend)</numerusform>
            <numerusform>Mehr laden (%Ln verbleibend)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CircleProgressWidget</name>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Can be cleaned</source>
        <translation>Bereinigbar</translation>
    </message>
</context>
<context>
    <name>CleanItem</name>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message numerus="yes">
        <source>%n B</source>
        <translation>
            <numerusform>%n Byte</numerusform>
            <numerusform>%n Byte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>Size unknown</source>
        <translation>Größe unbekannt</translation>
    </message>
    <message>
        <source>at least %1</source>
        <translation>mindestens %1</translation>
    </message>
</context>
<context>
    <name>CleanItemWidget</name>
    <message>
        <source>Not removed: %1</source>
        <translation>Nicht entfernt: %1</translation>
    </message>
</context>
<context>
    <name>DashboardPage</name>
    <message>
        <source>Ready to Clean Your Mac</source>
        <translation>Bereit, Ihren Mac zu bereinigen</translation>
    </message>
    <message>
        <source>Click the button below to scan for junk files and free up space</source>
        <translation>Klicken Sie unten auf die Taste, um nach Datenmüll zu suchen und Speicherplatz freizugeben</translation>
    </message>
    <message>
        <source>🔍  Start Full Scan</source>
        <translation>🔍  Vollständig scannen</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Vorbereiten...</translation>
    </message>
    <message>
        <source>Sweepnook %1</source>
        <translation>Sweepnook %1</translation>
    </message>
    <message>
        <source>Keep Your Mac Running at Peak Performance</source>
        <translation>Halten Sie Ihren Mac in Höchstform</translation>
    </message>
    <message>
        <source>Junk Files</source>
        <translation>Datenmüll</translation>
    </message>
    <message>
        <source>Browser Data</source>
        <translation>Browserdaten</translation>
    </message>
    <message>
        <source>Registry Issues</source>
        <translation>Registry-Probleme</translation>
    </message>
    <message>
        <source>Ready to scan</source>
        <translation>Bereit zum Scannen</translation>
    </message>
    <message>
        <source>🔍 Start Scan</source>
        <translation>🔍 Scan starten</translation>
    </message>
    <message>
        <source>🗑️ Clean All</source>
        <translation>🗑️ Alles bereinigen</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;font-weight:600;&apos;&gt;Tip:&lt;/span&gt; Regular cleaning can significantly improve your Mac&apos;s performance</source>
        <translation>&lt;span style=&apos;font-weight:600;&apos;&gt;Tipp:&lt;/span&gt; Regelmäßiges Bereinigen kann die Leistung Ihres Mac deutlich verbessern</translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation>Scannen...</translation>
    </message>
    <message>
        <source>Can be cleaned</source>
        <translation>Bereinigbar</translation>
    </message>
    <message>
        <source>Last scan: just now</source>
        <translation>Letzter Scan: gerade eben</translation>
    </message>
    <message numerus="yes">
        <source>Last scan: %Ln min ago</source>
        <translation>
            <numerusform>Letzter Scan: vor %Ln Minute</numerusform>
            <numerusform>Letzter Scan: vor %Ln Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Last scan: %Ln h ago</source>
        <translation>
            <numerusform>Letzter Scan: vor %Ln Stunde</numerusform>
            <numerusform>Letzter Scan: vor %Ln Stunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Last scan: %1</source>
        <translation>Letzter Scan: %1</translation>
    </message>
    <message>
        <source>Cleaned %1</source>
        <translation>%1 bereinigt</translation>
    </message>
    <message>
        <source>Ring: %1 of what the scan found is selected</source>
        <translation>Ring: %1 des Gefundenen ist ausgewählt</translation>
    </message>
    <message>
        <source>The scan found nothing to clean</source>
        <translation>Der Scan hat nichts zum Bereinigen gefunden</translation>
    </message>
    <message>
        <source>Can be cleaned (at least)</source>
        <translation>Bereinigbar (mindestens)</translation>
    </message>
</context>
<context>
    <name>DetailItemWidget</name>
    <message>
        <source>Show in Finder</source>
        <translation>Im Finder zeigen</translation>
    </message>
</context>
<context>
    <name>DuplicateFinderPage</name>
    <message>
        <source>Duplicate File Finder</source>
        <translation>Duplikatsuche</translation>
    </message>
    <message>
        <source>Find and remove identical files to free up disk space</source>
        <translation>Identische Dateien finden und entfernen, um Speicherplatz freizugeben</translation>
    </message>
    <message>
        <source>SELECT LOCATION</source>
        <translation>ORT AUSWÄHLEN</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Benutzerordner</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Dokumente</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Schreibtisch</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Filme</translation>
    </message>
    <message>
        <source>User Volume</source>
        <translation>Benutzer-Volume</translation>
    </message>
    <message>
        <source>Entire Disk</source>
        <translation>Ganze Festplatte</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Auswählen…</translation>
    </message>
    <message>
        <source>Min file size:</source>
        <translation>Min. Dateigröße:</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>Scan starten</translation>
    </message>
    <message>
        <source>Collecting files...</source>
        <translation>Dateien werden gesammelt...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>← New Scan</source>
        <translation>← Neuer Scan</translation>
    </message>
    <message>
        <source>Keep Newest  ▾</source>
        <translation>Neueste behalten  ▾</translation>
    </message>
    <message>
        <source>Keep Newest  (delete older duplicates)</source>
        <translation>Neueste behalten  (ältere Duplikate löschen)</translation>
    </message>
    <message>
        <source>Keep Oldest   (delete newer duplicates)</source>
        <translation>Älteste behalten   (neuere Duplikate löschen)</translation>
    </message>
    <message>
        <source>Keep Oldest  ▾</source>
        <translation>Älteste behalten  ▾</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Auswahl löschen</translation>
    </message>
    <message>
        <source>Choose Folder to Scan</source>
        <translation>Ordner zum Scannen auswählen</translation>
    </message>
    <message>
        <source>Choose Another Folder…</source>
        <translation>Anderen Ordner auswählen…</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Path: (none selected)</source>
        <translation>Pfad: (keiner ausgewählt)</translation>
    </message>
    <message>
        <source>No Location Selected</source>
        <translation>Kein Ort ausgewählt</translation>
    </message>
    <message>
        <source>Please select at least one location to scan.</source>
        <translation>Bitte wählen Sie mindestens einen Ort zum Scannen aus.</translation>
    </message>
    <message>
        <source>Full Disk Scan</source>
        <translation>Ganze Festplatte scannen</translation>
    </message>
    <message>
        <source>Scanning the entire disk may take several minutes.
Continue?</source>
        <translation>Das Scannen der ganzen Festplatte kann einige Minuten dauern.
Fortfahren?</translation>
    </message>
    <message>
        <source>Scanning files...</source>
        <translation>Dateien werden gescannt...</translation>
    </message>
    <message>
        <source>Reading %1  ·  %2 of %3</source>
        <translation>Lesen: %1  ·  %2 von %3</translation>
    </message>
    <message>
        <source>No Duplicates Found</source>
        <translation>Keine Duplikate gefunden</translation>
    </message>
    <message>
        <source>Great news! No duplicate files were found. 🎉</source>
        <translation>Gute Nachricht! Es wurden keine Duplikate gefunden. 🎉</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Wird abgebrochen...</translation>
    </message>
    <message>
        <source>  ·  %1 freed</source>
        <translation>  ·  %1 freigegeben</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>In den Papierkorb legen</translation>
    </message>
    <message>
        <source>Delete Permanently</source>
        <translation>Endgültig löschen</translation>
    </message>
    <message>
        <source>Deleting…</source>
        <translation>Löschen…</translation>
    </message>
    <message>
        <source>Deleting %1 / %2</source>
        <translation>Löschen: %1 / %2</translation>
    </message>
    <message>
        <source>Duplicates Removed</source>
        <translation>Duplikate entfernt</translation>
    </message>
    <message>
        <source>Partial Failure</source>
        <translation>Teilweise fehlgeschlagen</translation>
    </message>
    <message>
        <source>The log lists each file and why.</source>
        <translation>Das Protokoll nennt jede Datei und den Grund.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln&lt;/b&gt; groups  ·  &lt;span style=&apos;color:%1;font-weight:600;&apos;&gt;%2 can be freed&lt;/span&gt;</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln&lt;/b&gt; Gruppe  ·  &lt;span style=&apos;color:%1;font-weight:600;&apos;&gt;%2 freigebbar&lt;/span&gt;</numerusform>
            <numerusform>&lt;b&gt;%Ln&lt;/b&gt; Gruppen  ·  &lt;span style=&apos;color:%1;font-weight:600;&apos;&gt;%2 freigebbar&lt;/span&gt;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %Ln file(s) to the Trash, or delete them permanently?</source>
        <translation>
            <numerusform>%Ln Datei in den Papierkorb legen oder endgültig löschen?</numerusform>
            <numerusform>%Ln Dateien in den Papierkorb legen oder endgültig löschen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every copy of %Ln group(s) is checked: the newest copy of each will be kept.</source>
        <translation>
            <numerusform>In %Ln Gruppe sind alle Kopien markiert: Die neueste Kopie wird behalten.</numerusform>
            <numerusform>In %Ln Gruppen sind alle Kopien markiert: Von jeder wird die neueste Kopie behalten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Permanently delete %Ln file(s)?
This cannot be undone.</source>
        <translation>
            <numerusform>%Ln Datei endgültig löschen?
Dies kann nicht widerrufen werden.</numerusform>
            <numerusform>%Ln Dateien endgültig löschen?
Dies kann nicht widerrufen werden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) deleted permanently (%1).</source>
        <translation>
            <numerusform>%Ln Datei endgültig gelöscht (%1).</numerusform>
            <numerusform>%Ln Dateien endgültig gelöscht (%1).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) moved to the Trash (%1); you can put them back from there.</source>
        <translation>
            <numerusform>%Ln Datei in den Papierkorb gelegt (%1); dort können Sie sie zurücklegen.</numerusform>
            <numerusform>%Ln Dateien in den Papierkorb gelegt (%1); dort können Sie sie zurücklegen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be deleted.</source>
        <translation>
            <numerusform>%Ln Datei konnte nicht gelöscht werden.</numerusform>
            <numerusform>%Ln Dateien konnten nicht gelöscht werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Path: %1</source>
        <translation>Pfad: %1</translation>
    </message>
    <message>
        <source>Deleted permanently: %1</source>
        <translation>Endgültig gelöscht: %1</translation>
    </message>
    <message>
        <source>Moved to the Trash: %1</source>
        <translation>In den Papierkorb gelegt: %1</translation>
    </message>
    <message>
        <source>Left in place: %1</source>
        <translation>Nicht verschoben: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be moved to the Trash and were left in place; none was deleted.</source>
        <translation>
            <numerusform>%Ln Datei konnte nicht in den Papierkorb gelegt werden und blieb an ihrem Ort; nichts wurde gelöscht.</numerusform>
            <numerusform>%Ln Dateien konnten nicht in den Papierkorb gelegt werden und blieben an ihrem Ort; keine wurde gelöscht.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 KB</source>
        <translation>1 KB</translation>
    </message>
    <message>
        <source>100 KB</source>
        <translation>100 KB</translation>
    </message>
    <message>
        <source>1 MB</source>
        <translation>1 MB</translation>
    </message>
    <message>
        <source>10 MB</source>
        <translation>10 MB</translation>
    </message>
    <message>
        <source>100 MB</source>
        <translation>100 MB</translation>
    </message>
    <message>
        <source>  ·  %1 in the Trash until you empty it</source>
        <translation>  ·  %1 im Papierkorb, bis Sie ihn entleeren</translation>
    </message>
    <message>
        <source>Ticked: every copy but the likely original (not in Downloads, no &quot;copy&quot; or &quot;(1)&quot; in its name, the oldest, the shortest path). 🔒 Copies in apps, packages and Library are never ticked.</source>
        <translation>Angehakt: jede Kopie außer dem wahrscheinlichen Original (nicht in Downloads, kein „Kopie“ oder „(1)“ im Namen, das älteste, der kürzeste Pfad). 🔒 Kopien in Apps, Paketen und Library werden nie angehakt.</translation>
    </message>
    <message>
        <source>Keep Original  ▾</source>
        <translation>Original behalten  ▾</translation>
    </message>
    <message>
        <source>Keep Original  (the likely original of each group)</source>
        <translation>Original behalten  (das wahrscheinliche Original jeder Gruppe)</translation>
    </message>
</context>
<context>
    <name>DuplicateGroupDelegate</name>
    <message>
        <source>save %1</source>
        <translation>%1 sparen</translation>
    </message>
    <message numerus="yes">
        <source>%Ln identical files  ·  %1 each  ·  </source>
        <translation>
            <numerusform>%Ln identische Datei  ·  je %1  ·  </numerusform>
            <numerusform>%Ln identische Dateien  ·  je %1  ·  </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileUtils</name>
    <message>
        <source>permission denied</source>
        <translation>keine Berechtigung</translation>
    </message>
    <message>
        <source>it is in use</source>
        <translation>wird gerade verwendet</translation>
    </message>
    <message>
        <source>the volume is read-only</source>
        <translation>das Volume ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the folder is not empty</source>
        <translation>der Ordner ist nicht leer</translation>
    </message>
    <message>
        <source>another volume is mounted there</source>
        <translation>dort ist ein anderes Volume aktiviert</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>kein Ordner</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>it changed while being removed</source>
        <translation>hat sich beim Entfernen verändert</translation>
    </message>
    <message>
        <source>its folder is not open</source>
        <translation>der Ordner ist nicht geöffnet</translation>
    </message>
    <message>
        <source>outside %1</source>
        <translation>außerhalb von %1</translation>
    </message>
    <message>
        <source>the folder itself</source>
        <translation>der Ordner selbst</translation>
    </message>
    <message>
        <source>&quot;.&quot; or &quot;..&quot; in the path</source>
        <translation>„.“ oder „..“ im Pfad</translation>
    </message>
    <message>
        <source>a link or a file on the way: %1</source>
        <translation>ein Link oder eine Datei auf dem Weg: %1</translation>
    </message>
    <message>
        <source>another volume on the way: %1</source>
        <translation>ein anderes Volume auf dem Weg: %1</translation>
    </message>
    <message>
        <source>it changed since it was chosen</source>
        <translation>es wurde seit der Auswahl verändert</translation>
    </message>
</context>
<context>
    <name>HomeTrash</name>
    <message>
        <source>it is no longer there</source>
        <translation>sie ist nicht mehr vorhanden</translation>
    </message>
    <message>
        <source>the Finder could not be asked (osascript did not start)</source>
        <translation>der Finder konnte nicht gefragt werden (osascript ließ sich nicht starten)</translation>
    </message>
    <message>
        <source>the Finder did not answer within %1 seconds; it may be waiting for your permission or password</source>
        <translation>der Finder hat nicht innerhalb von %1 Sekunden geantwortet; vielleicht wartet er auf Ihre Erlaubnis oder Ihr Passwort</translation>
    </message>
    <message>
        <source>the Finder left it where it was</source>
        <translation>der Finder hat sie an ihrem Ort gelassen</translation>
    </message>
    <message>
        <source>Sweepnook is not allowed to control the Finder (System Settings &gt; Privacy &amp; Security &gt; Automation)</source>
        <translation>Sweepnook darf den Finder nicht steuern (Systemeinstellungen &gt; Datenschutz &amp; Sicherheit &gt; Automation)</translation>
    </message>
    <message>
        <source>the Finder refused (exit code %1)</source>
        <translation>der Finder hat abgelehnt (Exit-Code %1)</translation>
    </message>
    <message>
        <source>the Finder refused: %1</source>
        <translation>der Finder hat abgelehnt: %1</translation>
    </message>
    <message>
        <source>the Trash folder cannot be used: %1</source>
        <translation>der Papierkorb-Ordner kann nicht verwendet werden: %1</translation>
    </message>
    <message>
        <source>it is on another volume than your Trash</source>
        <translation>sie liegt auf einem anderen Volume als Ihr Papierkorb</translation>
    </message>
    <message>
        <source>it is in the Trash already</source>
        <translation>sie liegt bereits im Papierkorb</translation>
    </message>
    <message>
        <source>too many items of that name in the Trash</source>
        <translation>zu viele Objekte dieses Namens im Papierkorb</translation>
    </message>
    <message>
        <source>a volume is mounted inside it (%1)</source>
        <translation>darin ist ein Volume aktiviert (%1)</translation>
    </message>
</context>
<context>
    <name>ItemDetailDialog</name>
    <message numerus="yes">
        <source>%1  |  %Ln files</source>
        <translation>
            <numerusform>%1  |  %Ln Datei</numerusform>
            <numerusform>%1  |  %Ln Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>JunkCleaner</name>
    <message>
        <source>outside the folders of its rule</source>
        <translation>außerhalb der Ordner seiner Regel</translation>
    </message>
    <message>
        <source>These browsers are running, so their caches were left; close them to clean them:
%1</source>
        <translation>Diese Browser sind geöffnet, ihre Caches wurden daher nicht bereinigt; beenden Sie sie, um sie zu bereinigen:
%1</translation>
    </message>
</context>
<context>
    <name>JunkPage</name>
    <message>
        <source>Junk Cleaner</source>
        <translation>Datenmüll</translation>
    </message>
    <message>
        <source>Clean system temp files, cache and logs</source>
        <translation>Temporäre Systemdateien, Caches und Protokolle bereinigen</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Gefunden</translation>
    </message>
</context>
<context>
    <name>LargeFileDelegate</name>
    <message>
        <source>In iCloud</source>
        <translation>In iCloud</translation>
    </message>
    <message>
        <source>%1, %2 on disk</source>
        <translation>%1, %2 auf dem Datenträger</translation>
    </message>
    <message>
        <source>via %1</source>
        <translation>über %1</translation>
    </message>
</context>
<context>
    <name>LargeFilePage</name>
    <message>
        <source>Find Large Files</source>
        <translation>Große Dateien finden</translation>
    </message>
    <message>
        <source>Scan your drives and remove files that are taking up the most space</source>
        <translation>Laufwerke scannen und die Dateien entfernen, die am meisten Platz belegen</translation>
    </message>
    <message>
        <source>SELECT VOLUME</source>
        <translation>VOLUME AUSWÄHLEN</translation>
    </message>
    <message>
        <source>Min file size:</source>
        <translation>Min. Dateigröße:</translation>
    </message>
    <message>
        <source>50 MB</source>
        <translation>50 MB</translation>
    </message>
    <message>
        <source>100 MB</source>
        <translation>100 MB</translation>
    </message>
    <message>
        <source>200 MB</source>
        <translation>200 MB</translation>
    </message>
    <message>
        <source>500 MB</source>
        <translation>500 MB</translation>
    </message>
    <message>
        <source>1 GB</source>
        <translation>1 GB</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Eigene...</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>Scan starten</translation>
    </message>
    <message>
        <source>Scan Results</source>
        <translation>Scan-Ergebnisse</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>Alle Typen</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Videos</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Dokumente</translation>
    </message>
    <message>
        <source>Packages</source>
        <translation>Pakete</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>Largest first</source>
        <translation>Größte zuerst</translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation>Neueste zuerst</translation>
    </message>
    <message>
        <source>← Back</source>
        <translation>← Zurück</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Auswahl löschen</translation>
    </message>
    <message>
        <source>Local Disk</source>
        <translation>Lokales Laufwerk</translation>
    </message>
    <message>
        <source>Remove from list</source>
        <translation>Aus Liste entfernen</translation>
    </message>
    <message>
        <source>Add location</source>
        <translation>Ort hinzufügen</translation>
    </message>
    <message>
        <source>Select a volume above to begin scanning.</source>
        <translation>Wählen Sie oben ein Volume aus, um den Scan zu beginnen.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln volume(s) selected. Sweepnook will scan for files larger than %1.</source>
        <translation>
            <numerusform>%Ln Volume ausgewählt. Sweepnook sucht nach Dateien größer als %1.</numerusform>
            <numerusform>%Ln Volumes ausgewählt. Sweepnook sucht nach Dateien größer als %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose Folder to Scan</source>
        <translation>Ordner zum Scannen auswählen</translation>
    </message>
    <message>
        <source>Custom File Size</source>
        <translation>Eigene Dateigröße</translation>
    </message>
    <message>
        <source>Enter minimum file size (MB):</source>
        <translation>Minimale Dateigröße eingeben (MB):</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Please select at least one drive to scan.</source>
        <translation>Bitte wählen Sie mindestens ein Laufwerk zum Scannen aus.</translation>
    </message>
    <message>
        <source>No large files found that match the criteria.</source>
        <translation>Keine großen Dateien gefunden, die den Kriterien entsprechen.</translation>
    </message>
    <message>
        <source>Scan Completed</source>
        <translation>Scan abgeschlossen</translation>
    </message>
    <message>
        <source>%1 freed</source>
        <translation>%1 freigegeben</translation>
    </message>
    <message>
        <source>%1 in the Trash until you empty it</source>
        <translation>%1 im Papierkorb, bis Sie ihn entleeren</translation>
    </message>
    <message>
        <source>Delete this file</source>
        <translation>Diese Datei löschen</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>In den Papierkorb legen</translation>
    </message>
    <message>
        <source>Delete Permanently</source>
        <translation>Endgültig löschen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this file?

%1
Size: %2</source>
        <translation>Möchten Sie diese Datei wirklich löschen?

%1
Größe: %2</translation>
    </message>
    <message>
        <source>This file is only in iCloud: deleting it frees no space on this Mac and removes it from all your devices.</source>
        <translation>Diese Datei liegt nur in iCloud: Das Löschen gibt auf diesem Mac keinen Speicher frei und entfernt sie von allen Ihren Geräten.</translation>
    </message>
    <message>
        <source>Move to Trash keeps it until you empty the Trash. Delete Permanently cannot be undone!</source>
        <translation>„In den Papierkorb legen“ behält sie, bis Sie den Papierkorb entleeren. „Endgültig löschen“ kann nicht widerrufen werden!</translation>
    </message>
    <message>
        <source>Move to Trash keeps them until you empty the Trash. Delete Permanently cannot be undone!</source>
        <translation>„In den Papierkorb legen“ behält sie, bis Sie den Papierkorb entleeren. „Endgültig löschen“ kann nicht widerrufen werden!</translation>
    </message>
    <message>
        <source>Deleting...</source>
        <translation>Löschen...</translation>
    </message>
    <message>
        <source>Unable to delete this file. It may be in use by another program.</source>
        <translation>Diese Datei kann nicht gelöscht werden. Möglicherweise wird sie von einem anderen Programm verwendet.</translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation>Löschen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>All files have been deleted</source>
        <translation>Alle Dateien wurden gelöscht</translation>
    </message>
    <message>
        <source>%1 moved to the Trash: empty the Trash to free the space.</source>
        <translation>%1 in den Papierkorb gelegt: Entleeren Sie den Papierkorb, um den Speicher freizugeben.</translation>
    </message>
    <message>
        <source>%1 freed.</source>
        <translation>%1 freigegeben.</translation>
    </message>
    <message>
        <source>Delete Completed</source>
        <translation>Löschen abgeschlossen</translation>
    </message>
    <message numerus="yes">
        <source>Found %Ln large files, total %1</source>
        <translation>
            <numerusform>%Ln große Datei gefunden, insgesamt %1</numerusform>
            <numerusform>%Ln große Dateien gefunden, insgesamt %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln files (%1)</source>
        <translation>
            <numerusform>Ausgewählt: %Ln Datei (%1)</numerusform>
            <numerusform>Ausgewählt: %Ln Dateien (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete the selected %Ln files?

Total: %1</source>
        <translation>
            <numerusform>Möchten Sie %Ln ausgewählte Datei wirklich löschen?

Gesamt: %1</numerusform>
            <numerusform>Möchten Sie die %Ln ausgewählten Dateien wirklich löschen?

Gesamt: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleted %Ln files successfully.</source>
        <translation>
            <numerusform>%Ln Datei erfolgreich gelöscht.</numerusform>
            <numerusform>%Ln Dateien erfolgreich gelöscht.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 used</source>
        <translation>%1 belegt</translation>
    </message>
    <message>
        <source>%1 total</source>
        <translation>%1 gesamt</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Im Finder zeigen</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files failed to delete.</source>
        <translation>
            <numerusform>%Ln Datei konnte nicht gelöscht werden.</numerusform>
            <numerusform>%Ln Dateien konnten nicht gelöscht werden.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LargeFileScanner</name>
    <message>
        <source>It changed since the scan</source>
        <translation>Seit dem Scan verändert</translation>
    </message>
    <message>
        <source>It is not among the results of the scan</source>
        <translation>Es ist nicht unter den Ergebnissen des Scans</translation>
    </message>
</context>
<context>
    <name>LinkManager</name>
    <message>
        <source>配置错误</source>
        <translation>Konfigurationsfehler</translation>
    </message>
    <message>
        <source>无法加载页面链接。

请联系技术支持或重新安装软件。</source>
        <translation>Der Seitenlink konnte nicht geladen werden.

Bitte wenden Sie sich an den Support oder installieren Sie die App neu.</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>Browser kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>无法打开默认浏览器。

请手动复制链接访问：
%1</source>
        <translation>Der Standardbrowser konnte nicht geöffnet werden.

Bitte kopieren Sie den Link und öffnen Sie ihn manuell:
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Dashboard</source>
        <translation>Dashboard</translation>
    </message>
    <message>
        <source>Junk Cleaner</source>
        <translation>Datenmüll</translation>
    </message>
    <message>
        <source>Browser Cleaner</source>
        <translation>Browserdaten</translation>
    </message>
    <message>
        <source>Registry Cleaner</source>
        <translation>Registry</translation>
    </message>
    <message>
        <source>Startup Manager</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Large Files</source>
        <translation>Große Dateien</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>Optimierung</translation>
    </message>
    <message>
        <source>App Uninstaller</source>
        <translation>Deinstallation</translation>
    </message>
    <message>
        <source>Duplicate Files</source>
        <translation>Duplikate</translation>
    </message>
    <message>
        <source>Privacy Cleaner</source>
        <translation>Datenschutz</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoomen</translation>
    </message>
    <message>
        <source>Sweepnook - Mac Cleaning Tool</source>
        <translation>Sweepnook - Mac-Bereinigung</translation>
    </message>
    <message>
        <source>显示主窗口</source>
        <translation>Hauptfenster anzeigen</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>No items selected</source>
        <translation>Keine Objekte ausgewählt</translation>
    </message>
    <message>
        <source>Confirm Clean</source>
        <translation>Bereinigung bestätigen</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to clean %Ln selected items (%1)?
This action cannot be undone!</source>
        <translation>
            <numerusform>Möchten Sie %Ln ausgewähltes Objekt (%1) wirklich bereinigen?
Dies kann nicht widerrufen werden!</numerusform>
            <numerusform>Möchten Sie %Ln ausgewählte Objekte (%1) wirklich bereinigen?
Dies kann nicht widerrufen werden!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cleaned %Ln items, freed %1</source>
        <translation>
            <numerusform>%Ln Objekt bereinigt, %1 freigegeben</numerusform>
            <numerusform>%Ln Objekte bereinigt, %1 freigegeben</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled. %1</source>
        <translation>Abgebrochen. %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln items could not be removed.</source>
        <translation>
            <numerusform>%Ln Objekt konnte nicht entfernt werden.</numerusform>
            <numerusform>%Ln Objekte konnten nicht entfernt werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>A clean is still running. Scan again when it has finished.</source>
        <translation>Eine Bereinigung läuft noch. Scannen Sie erneut, wenn sie abgeschlossen ist.</translation>
    </message>
    <message>
        <source>About Sweepnook</source>
        <translation>Über Sweepnook</translation>
    </message>
    <message>
        <source>by Quelmo</source>
        <translation>von Quelmo</translation>
    </message>
    <message>
        <source>The smartest way to keep your Mac clean, fast, and private.&lt;br&gt;Remove junk files, browser traces, duplicate files,&lt;br&gt;and privacy risks — all in one click.</source>
        <translation>Der klügste Weg, Ihren Mac sauber, schnell und privat zu halten.&lt;br&gt;Entfernen Sie Datenmüll, Browserspuren, doppelte Dateien&lt;br&gt;und Datenschutzrisiken – alles mit einem Klick.</translation>
    </message>
    <message>
        <source>© 2026 Quelmo. All rights reserved.</source>
        <translation>© 2026 Quelmo. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Sweepnook</source>
        <translation>Sweepnook</translation>
    </message>
    <message>
        <source>Program minimized to system tray. Double-click the icon to restore.</source>
        <translation>Programm in die Menüleiste minimiert. Doppelklicken Sie auf das Symbol, um es wiederherzustellen.</translation>
    </message>
</context>
<context>
    <name>PrivacyCleaner</name>
    <message>
        <source>Clipboard Content</source>
        <translation>Inhalt der Zwischenablage</translation>
    </message>
    <message>
        <source>Text, images or files currently copied to clipboard</source>
        <translation>Text, Bilder oder Dateien, die gerade in der Zwischenablage liegen</translation>
    </message>
    <message>
        <source>QuickLook Preview Cache</source>
        <translation>Vorschau-Cache von „Übersicht“</translation>
    </message>
    <message>
        <source>Cached file previews generated by macOS QuickLook</source>
        <translation>Dateivorschauen, die „Übersicht“ (Quick Look) in macOS zwischenspeichert</translation>
    </message>
    <message>
        <source>Recent Files List</source>
        <translation>Liste benutzter Dateien</translation>
    </message>
    <message>
        <source>macOS list of recently opened files and apps</source>
        <translation>Die macOS-Liste zuletzt geöffneter Dateien und Apps</translation>
    </message>
    <message>
        <source>Notification History</source>
        <translation>Mitteilungsverlauf</translation>
    </message>
    <message>
        <source>Database logs of all received app notifications</source>
        <translation>Datenbank aller empfangenen App-Mitteilungen</translation>
    </message>
    <message>
        <source>DNS Cache</source>
        <translation>DNS-Cache</translation>
    </message>
    <message>
        <source>Cached DNS lookups recording recently visited domains</source>
        <translation>Zwischengespeicherte DNS-Abfragen, die kürzlich besuchte Domains verraten</translation>
    </message>
</context>
<context>
    <name>PrivacyItemCard</name>
    <message>
        <source>Nothing found</source>
        <translation>Nichts gefunden</translation>
    </message>
    <message>
        <source>Size unknown</source>
        <translation>Größe unbekannt</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation>
            <numerusform>%Ln Objekt</numerusform>
            <numerusform>%Ln Objekte</numerusform>
        </translation>
    </message>
    <message>
        <source>Not scanned</source>
        <translation>Nicht gescannt</translation>
    </message>
    <message>
        <source>Cleaned</source>
        <translation>Bereinigt</translation>
    </message>
    <message>
        <source>%1 freed</source>
        <translation>%1 freigegeben</translation>
    </message>
    <message>
        <source>Not cleaned</source>
        <translation>Nicht bereinigt</translation>
    </message>
    <message>
        <source>Safe</source>
        <translation>Sicher</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>Vorsicht</translation>
    </message>
    <message>
        <source>High risk</source>
        <translation>Hohes Risiko</translation>
    </message>
    <message>
        <source>Partly cleaned</source>
        <translation>Teilweise bereinigt</translation>
    </message>
</context>
<context>
    <name>PrivacyPage</name>
    <message>
        <source>Privacy Cleaner</source>
        <translation>Datenschutz</translation>
    </message>
    <message>
        <source>Clear the traces your everyday use leaves on this Mac</source>
        <translation>Spuren entfernen, die Ihre tägliche Nutzung auf diesem Mac hinterlässt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scannen</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Bereinigen</translation>
    </message>
    <message>
        <source>Scan stopped</source>
        <translation>Scan gestoppt</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Wird gestoppt…</translation>
    </message>
    <message>
        <source>Scanning: %1</source>
        <translation>Scannen: %1</translation>
    </message>
    <message>
        <source>Cleaning: %1 of %2 done</source>
        <translation>Bereinigen: %1 von %2 erledigt</translation>
    </message>
    <message>
        <source>Not cleaned: %1</source>
        <translation>Nicht bereinigt: %1</translation>
    </message>
    <message numerus="yes">
        <source>Stopped before %Ln item(s)</source>
        <translation>
            <numerusform>Gestoppt: %Ln Objekt ausgelassen</numerusform>
            <numerusform>Gestoppt: %Ln Objekte ausgelassen</numerusform>
        </translation>
    </message>
    <message>
        <source>Scan Again</source>
        <translation>Erneut scannen</translation>
    </message>
    <message>
        <source>Scan to measure the traces on this Mac</source>
        <translation>Scannen Sie, um die Spuren auf diesem Mac zu messen</translation>
    </message>
    <message>
        <source>Scanning…</source>
        <translation>Scannen…</translation>
    </message>
    <message>
        <source>Cleaning…</source>
        <translation>Bereinigen…</translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln item(s)</source>
        <translation>
            <numerusform>Ausgewählt: %Ln Objekt</numerusform>
            <numerusform>Ausgewählt: %Ln Objekte</numerusform>
        </translation>
    </message>
    <message>
        <source>No items selected</source>
        <translation>Keine Objekte ausgewählt</translation>
    </message>
    <message>
        <source>Confirm Cleaning</source>
        <translation>Bereinigung bestätigen</translation>
    </message>
    <message numerus="yes">
        <source>Clean %Ln selected item(s)?</source>
        <translation>
            <numerusform>%Ln ausgewähltes Objekt bereinigen?</numerusform>
            <numerusform>%Ln ausgewählte Objekte bereinigen?</numerusform>
        </translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>Dies kann nicht widerrufen werden.</translation>
    </message>
    <message numerus="yes">
        <source>Cleaned %Ln item(s) · freed %1</source>
        <translation>
            <numerusform>%Ln Objekt bereinigt · %1 freigegeben</numerusform>
            <numerusform>%Ln Objekte bereinigt · %1 freigegeben</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Scanning...</source>
        <translation>Scannen...</translation>
    </message>
    <message>
        <source>Cleaning...</source>
        <translation>Bereinigen...</translation>
    </message>
    <message>
        <source>正在分析系统...</source>
        <translation>System wird analysiert...</translation>
    </message>
    <message>
        <source>正在删除文件...</source>
        <translation>Dateien werden gelöscht...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>已清理: %1</source>
        <translation>Bereinigt: %1</translation>
    </message>
    <message>
        <source>完成!</source>
        <translation>Fertig!</translation>
    </message>
    <message>
        <source>操作失败</source>
        <translation>Vorgang fehlgeschlagen</translation>
    </message>
    <message>
        <source>Partly done</source>
        <translation>Teilweise erledigt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Widerrufen</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Ein&amp;setzen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Alle sichern</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ja, &amp;alle</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;ein, keine</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Standardwerte wiederherstellen</translation>
    </message>
</context>
<context>
    <name>RegistryPage</name>
    <message>
        <source>Registry cleaning is only available on Windows</source>
        <translation>Die Registry-Bereinigung gibt es nur unter Windows</translation>
    </message>
    <message>
        <source>macOS keeps its settings in preference files, not in a registry, so there is nothing to clean here.</source>
        <translation>macOS speichert seine Einstellungen in Einstellungsdateien, nicht in einer Registry – hier gibt es also nichts zu bereinigen.</translation>
    </message>
</context>
<context>
    <name>RuleTexts</name>
    <message>
        <source>System Temporary Files</source>
        <translation>Temporäre Systemdateien</translation>
    </message>
    <message>
        <source>System temp folder and intermediate build files</source>
        <translation>Temporärer Systemordner und Zwischendateien von Builds</translation>
    </message>
    <message>
        <source>Application Caches</source>
        <translation>App-Caches</translation>
    </message>
    <message>
        <source>Cached data generated by installed applications</source>
        <translation>Von installierten Apps erzeugte Cache-Daten</translation>
    </message>
    <message>
        <source>Browser Caches</source>
        <translation>Browser-Caches</translation>
    </message>
    <message>
        <source>Cache files from Safari, Chrome, Firefox, Edge, Brave</source>
        <translation>Cache-Dateien von Safari, Chrome, Firefox, Edge, Brave</translation>
    </message>
    <message>
        <source>Log Files</source>
        <translation>Protokolldateien</translation>
    </message>
    <message>
        <source>System and application log files</source>
        <translation>Protokolldateien von System und Apps</translation>
    </message>
    <message>
        <source>Crash Reports</source>
        <translation>Absturzberichte</translation>
    </message>
    <message>
        <source>Application and system crash dump files</source>
        <translation>Absturzabbilder von Apps und System</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>Files in the Trash waiting to be permanently deleted</source>
        <translation>Objekte im Papierkorb, die auf das endgültige Löschen warten</translation>
    </message>
    <message>
        <source>Download Installers</source>
        <translation>Heruntergeladene Installer</translation>
    </message>
    <message>
        <source>Installer packages accumulated in the Downloads folder</source>
        <translation>Installationspakete, die sich im Ordner „Downloads“ angesammelt haben</translation>
    </message>
    <message>
        <source>QuickLook Cache</source>
        <translation>Übersicht-Cache</translation>
    </message>
    <message>
        <source>macOS QuickLook preview thumbnail cache</source>
        <translation>Cache der Vorschaubilder von „Übersicht“ in macOS</translation>
    </message>
    <message>
        <source>Homebrew Cache</source>
        <translation>Homebrew-Cache</translation>
    </message>
    <message>
        <source>Homebrew package manager download and build cache</source>
        <translation>Download- und Build-Cache des Paketmanagers Homebrew</translation>
    </message>
    <message>
        <source>Developer Caches</source>
        <translation>Entwickler-Caches</translation>
    </message>
    <message>
        <source>Xcode derived data, simulators, npm, pip, Gradle, Maven caches</source>
        <translation>Xcode DerivedData, Simulatoren, Caches von npm, pip, Gradle, Maven</translation>
    </message>
    <message>
        <source>iOS Backups</source>
        <translation>iOS-Backups</translation>
    </message>
    <message>
        <source>iPhone / iPad local backups stored on this Mac</source>
        <translation>Lokale Backups von iPhone / iPad auf diesem Mac</translation>
    </message>
    <message>
        <source>Large Old Files</source>
        <translation>Große alte Dateien</translation>
    </message>
    <message>
        <source>Old iOS firmware, app installers, and large unused data</source>
        <translation>Alte iOS-Firmware, App-Installer und große ungenutzte Daten</translation>
    </message>
    <message>
        <source>Office Cache</source>
        <translation>Office-Cache</translation>
    </message>
    <message>
        <source>Microsoft Office and Apple iWork temporary files</source>
        <translation>Temporäre Dateien von Microsoft Office und Apple iWork</translation>
    </message>
    <message>
        <source>Font Cache</source>
        <translation>Schrift-Cache</translation>
    </message>
    <message>
        <source>System font cache files</source>
        <translation>Cache-Dateien der Systemschriften</translation>
    </message>
    <message>
        <source>Prefetch Files</source>
        <translation>Prefetch-Dateien</translation>
    </message>
    <message>
        <source>Windows Prefetch cache files</source>
        <translation>Prefetch-Cache-Dateien von Windows</translation>
    </message>
    <message>
        <source>Windows Update Cache</source>
        <translation>Windows Update-Cache</translation>
    </message>
    <message>
        <source>Windows Update download cache</source>
        <translation>Download-Cache von Windows Update</translation>
    </message>
    <message>
        <source>Memory Dumps</source>
        <translation>Speicherabbilder</translation>
    </message>
    <message>
        <source>System crash and error dump files (Windows)</source>
        <translation>Absturz- und Fehlerabbilder des Systems (Windows)</translation>
    </message>
    <message>
        <source>Windows Defender Cache</source>
        <translation>Windows Defender-Cache</translation>
    </message>
    <message>
        <source>Microsoft Defender scan history and backup cache</source>
        <translation>Scanverlauf und Sicherungscache von Microsoft Defender</translation>
    </message>
    <message>
        <source>GPU Shader Cache</source>
        <translation>GPU-Shader-Cache</translation>
    </message>
    <message>
        <source>GPU driver shader and DirectX cache (NVIDIA / AMD)</source>
        <translation>Shader- und DirectX-Cache des Grafiktreibers (NVIDIA / AMD)</translation>
    </message>
    <message>
        <source>Old Windows Installation</source>
        <translation>Alte Windows-Installation</translation>
    </message>
    <message>
        <source>Old system backups remaining after a Windows upgrade</source>
        <translation>Alte Systemsicherungen, die nach einem Windows-Upgrade übrig sind</translation>
    </message>
    <message>
        <source>Browser Cache</source>
        <translation>Browser-Cache</translation>
    </message>
    <message>
        <source>Temporary web page cache files</source>
        <translation>Zwischengespeicherte Webseiten</translation>
    </message>
    <message>
        <source>Code Cache</source>
        <translation>Code-Cache</translation>
    </message>
    <message>
        <source>JavaScript code cache</source>
        <translation>JavaScript-Code-Cache</translation>
    </message>
    <message>
        <source>GPU Cache</source>
        <translation>GPU-Cache</translation>
    </message>
    <message>
        <source>GPU rendering cache</source>
        <translation>Cache für das GPU-Rendering</translation>
    </message>
    <message>
        <source>Shader Cache</source>
        <translation>Shader-Cache</translation>
    </message>
    <message>
        <source>GPU shader compilation cache</source>
        <translation>Cache kompilierter GPU-Shader</translation>
    </message>
    <message>
        <source>Service Workers</source>
        <translation>Service Worker</translation>
    </message>
    <message>
        <source>Service Worker cache</source>
        <translation>Cache der Service Worker</translation>
    </message>
    <message>
        <source>Blob Storage</source>
        <translation>Blob-Speicher</translation>
    </message>
    <message>
        <source>Temporary binary data storage</source>
        <translation>Temporärer Speicher für Binärdaten</translation>
    </message>
    <message>
        <source>WebRTC Logs</source>
        <translation>WebRTC-Protokolle</translation>
    </message>
    <message>
        <source>Video call debug logs</source>
        <translation>Debug-Protokolle von Videoanrufen</translation>
    </message>
    <message>
        <source>Browser crash report files</source>
        <translation>Absturzberichte des Browsers</translation>
    </message>
    <message>
        <source>Browser Logs</source>
        <translation>Browser-Protokolle</translation>
    </message>
    <message>
        <source>Browser debug and error logs</source>
        <translation>Debug- und Fehlerprotokolle des Browsers</translation>
    </message>
    <message>
        <source>Website Thumbnails</source>
        <translation>Website-Miniaturen</translation>
    </message>
    <message>
        <source>New Tab page website thumbnails</source>
        <translation>Miniaturen von Websites auf der Seite „Neuer Tab“</translation>
    </message>
    <message>
        <source>Favicon Cache</source>
        <translation>Favicon-Cache</translation>
    </message>
    <message>
        <source>Website icon (favicon) cache</source>
        <translation>Cache der Website-Symbole (Favicons)</translation>
    </message>
    <message>
        <source>Local Storage</source>
        <translation>Lokaler Speicher</translation>
    </message>
    <message>
        <source>Website Local Storage (site settings may be lost)</source>
        <translation>Lokaler Speicher von Websites (Website-Einstellungen können verloren gehen)</translation>
    </message>
    <message>
        <source>IndexedDB</source>
        <translation>IndexedDB</translation>
    </message>
    <message>
        <source>Website database storage (offline data may be lost)</source>
        <translation>Datenbanken von Websites (Offlinedaten können verloren gehen)</translation>
    </message>
    <message>
        <source>Cookies</source>
        <translation>Cookies</translation>
    </message>
    <message>
        <source>Website Cookies (requires re-login to all sites)</source>
        <translation>Website-Cookies (erneute Anmeldung bei allen Websites nötig)</translation>
    </message>
    <message>
        <source>Browsing History</source>
        <translation>Browserverlauf</translation>
    </message>
    <message>
        <source>Web browsing history records</source>
        <translation>Verlauf der besuchten Websites</translation>
    </message>
    <message>
        <source>Download History</source>
        <translation>Download-Verlauf</translation>
    </message>
    <message>
        <source>Download history records (downloaded files are not deleted)</source>
        <translation>Verlauf der Downloads (geladene Dateien werden nicht gelöscht)</translation>
    </message>
    <message>
        <source>Session Data</source>
        <translation>Sitzungsdaten</translation>
    </message>
    <message>
        <source>Current and recent session data (tabs may be lost)</source>
        <translation>Daten der aktuellen und letzten Sitzungen (Tabs können verloren gehen)</translation>
    </message>
    <message>
        <source>Form Data</source>
        <translation>Formulardaten</translation>
    </message>
    <message>
        <source>Autofill form data (requires re-entry after cleaning)</source>
        <translation>Daten zum automatischen Ausfüllen (nach dem Bereinigen erneut einzugeben)</translation>
    </message>
    <message>
        <source>Safe Browsing Data</source>
        <translation>Safe-Browsing-Daten</translation>
    </message>
    <message>
        <source>Safe Browsing protection data (not recommended to clean)</source>
        <translation>Schutzdaten von Safe Browsing (Bereinigen nicht empfohlen)</translation>
    </message>
    <message>
        <source>Thumbnail Cache</source>
        <translation>Miniaturbild-Cache</translation>
    </message>
    <message>
        <source>Preview pictures of your files made by the desktop and file manager</source>
        <translation>Vorschaubilder Ihrer Dateien, erstellt von der Arbeitsumgebung und dem Dateimanager</translation>
    </message>
    <message>
        <source>Package Caches</source>
        <translation>Paket-Caches</translation>
    </message>
    <message>
        <source>Downloads and builds kept by pip, npm, Yarn, pnpm, Cargo, Go, Gradle, Maven and ccache</source>
        <translation>Von pip, npm, Yarn, pnpm, Cargo, Go, Gradle, Maven und ccache aufbewahrte Downloads und Builds</translation>
    </message>
</context>
<context>
    <name>ScanProgressDialog</name>
    <message>
        <source>Scanning for large files...</source>
        <translation>Suche nach großen Dateien...</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Vorbereiten...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Scanning: %1</source>
        <translation>Scannen: %1</translation>
    </message>
    <message>
        <source>Scan Complete</source>
        <translation>Scan abgeschlossen</translation>
    </message>
    <message>
        <source>Scan completed</source>
        <translation>Scan abgeschlossen</translation>
    </message>
    <message>
        <source>View Results</source>
        <translation>Ergebnisse anzeigen</translation>
    </message>
    <message numerus="yes">
        <source>Found %Ln large files (%1)</source>
        <translation>
            <numerusform>%Ln große Datei gefunden (%1)</numerusform>
            <numerusform>%Ln große Dateien gefunden (%1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>Bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Minimize to tray on close</source>
        <translation>Beim Schließen in die Menüleiste minimieren</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Confirm before cleaning</source>
        <translation>Vor dem Bereinigen bestätigen</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Bereinigung</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Sweepnook could not be set to start at login. The log has the details.</source>
        <translation>Sweepnook konnte nicht für den Start bei der Anmeldung eingerichtet werden. Details stehen im Protokoll.</translation>
    </message>
    <message>
        <source>Sweepnook could not be kept from starting at login. The log has the details.</source>
        <translation>Der Start von Sweepnook bei der Anmeldung konnte nicht abgeschaltet werden. Details stehen im Protokoll.</translation>
    </message>
</context>
<context>
    <name>StartupCardDelegate</name>
    <message>
        <source>Reveal in Finder</source>
        <translation>Im Finder zeigen</translation>
    </message>
</context>
<context>
    <name>StartupListModel</name>
    <message>
        <source>HKCU Run</source>
        <translation>HKCU Run</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Startup Folder</source>
        <translation>Autostart-Ordner</translation>
    </message>
    <message>
        <source>Sweepnook</source>
        <translation>Sweepnook</translation>
    </message>
    <message>
        <source>LaunchAgent</source>
        <translation>LaunchAgent</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Startup items</source>
        <translation>Startobjekte</translation>
    </message>
    <message>
        <source>System-wide agents and daemons</source>
        <translation>Systemweite Agents und Daemons</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>Program missing</source>
        <translation>Programm fehlt</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
</context>
<context>
    <name>StartupManager</name>
    <message>
        <source>Scanning %1...</source>
        <translation>%1 wird gescannt...</translation>
    </message>
    <message>
        <source>Scanning startup items...</source>
        <translation>Startobjekte werden gescannt...</translation>
    </message>
    <message>
        <source>Scanning installed applications...</source>
        <translation>Installierte Apps werden gescannt...</translation>
    </message>
</context>
<context>
    <name>StartupPage</name>
    <message>
        <source>Startup Manager</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Manage programs that run automatically at startup</source>
        <translation>Programme verwalten, die beim Start automatisch ausgeführt werden</translation>
    </message>
    <message>
        <source>Search programs...</source>
        <translation>Programme suchen...</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>⚠️ Only your own startup items can be removed</source>
        <translation>⚠️ Nur Ihre eigenen Startobjekte können entfernt werden</translation>
    </message>
    <message>
        <source>Scanning installed programs...</source>
        <translation>Installierte Programme werden gescannt...</translation>
    </message>
    <message>
        <source>First load may take a few seconds</source>
        <translation>Das erste Laden kann einige Sekunden dauern</translation>
    </message>
    <message>
        <source>Cannot Modify</source>
        <translation>Ändern nicht möglich</translation>
    </message>
    <message>
        <source>This startup item was not created by Sweepnook and cannot be removed here.</source>
        <translation>Dieses Startobjekt wurde nicht von Sweepnook angelegt und kann hier nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>Vorgang fehlgeschlagen</translation>
    </message>
    <message>
        <source>Failed to remove &quot;%1&quot; from startup.</source>
        <translation>„%1“ konnte nicht aus dem Autostart entfernt werden.</translation>
    </message>
    <message>
        <source>Failed to add &quot;%1&quot; to startup.</source>
        <translation>„%1“ konnte nicht zum Autostart hinzugefügt werden.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln startup items</source>
        <translation>
            <numerusform>%Ln Startobjekt</numerusform>
            <numerusform>%Ln Startobjekte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln apps</source>
        <translation>
            <numerusform>%Ln App</numerusform>
            <numerusform>%Ln Apps</numerusform>
        </translation>
    </message>
    <message>
        <source>No startup items or apps found</source>
        <translation>Keine Startobjekte oder Apps gefunden</translation>
    </message>
    <message>
        <source>No startup items match &quot;%1&quot;</source>
        <translation>Keine Startobjekte passen zu „%1“</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Sprache geändert</translation>
    </message>
    <message>
        <source>Language has been changed.

The application will restart now.</source>
        <translation>Die Sprache wurde geändert.

Die App wird jetzt neu gestartet.</translation>
    </message>
    <message>
        <source>Restart Failed</source>
        <translation>Neustart fehlgeschlagen</translation>
    </message>
    <message>
        <source>Sweepnook could not restart itself.

Please quit and reopen it to use the new language.</source>
        <translation>Sweepnook konnte sich nicht selbst neu starten.

Bitte beenden Sie die App und öffnen Sie sie erneut, um die neue Sprache zu verwenden.</translation>
    </message>
</context>
<context>
    <name>TweakManager</name>
    <message>
        <source>This tweak changes Windows settings and works only on Windows.</source>
        <translation>Diese Optimierung ändert Windows-Einstellungen und funktioniert nur unter Windows.</translation>
    </message>
    <message>
        <source>Stopped before all services were changed.</source>
        <translation>Gestoppt, bevor alle Dienste geändert wurden.</translation>
    </message>
    <message>
        <source>Could not change the start type of the service &quot;%1&quot;.</source>
        <translation>Der Starttyp des Dienstes „%1“ konnte nicht geändert werden.</translation>
    </message>
    <message>
        <source>Could not add the Ultimate Performance power plan.</source>
        <translation>Der Energiesparplan „Ultimative Leistung“ konnte nicht hinzugefügt werden.</translation>
    </message>
</context>
<context>
    <name>TweaksPage</name>
    <message>
        <source>These tweaks change Windows settings and act only on Windows. Nothing on this Mac is changed.</source>
        <translation>Diese Optimierungen ändern Windows-Einstellungen und wirken nur unter Windows. Auf diesem Mac wird nichts verändert.</translation>
    </message>
    <message>
        <source>System Tweaks</source>
        <translation>Systemoptimierungen</translation>
    </message>
    <message>
        <source>Fine-tune privacy, performance and interface settings of Windows</source>
        <translation>Datenschutz-, Leistungs- und Oberflächeneinstellungen von Windows feinabstimmen</translation>
    </message>
    <message>
        <source>Apply recommended</source>
        <translation>Empfohlene anwenden</translation>
    </message>
    <message>
        <source>No tweaks are available.</source>
        <translation>Keine Optimierungen verfügbar.</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>Vorsicht</translation>
    </message>
    <message>
        <source>Works only with Tamper Protection switched off in Windows Security.</source>
        <translation>Funktioniert nur, wenn der Manipulationsschutz in der Windows-Sicherheit ausgeschaltet ist.</translation>
    </message>
    <message>
        <source>Only available on Windows</source>
        <translation>Nur unter Windows verfügbar</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Datenschutz</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Oberfläche</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 of %2 on</source>
        <translation>%1 von %2 aktiv</translation>
    </message>
</context>
<context>
    <name>UnreadableNote</name>
    <message numerus="yes">
        <source>%Ln folders could not be read, among them %1. To include them, allow Sweepnook Full Disk Access in System Settings &gt; Privacy &amp; Security.</source>
        <translation>
            <numerusform>%Ln Ordner konnte nicht gelesen werden: %1. Um ihn einzubeziehen, erlauben Sie Sweepnook den Festplattenvollzugriff unter Systemeinstellungen &gt; Datenschutz &amp; Sicherheit.</numerusform>
            <numerusform>%Ln Ordner konnten nicht gelesen werden, darunter %1. Um sie einzubeziehen, erlauben Sie Sweepnook den Festplattenvollzugriff unter Systemeinstellungen &gt; Datenschutz &amp; Sicherheit.</numerusform>
        </translation>
    </message>
</context>
</TS>
