<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Your Personal System Butler</source>
        <translation>Je persoonlijke systeembutler</translation>
    </message>
    <message>
        <source>🧹 Junk Cleaner - Free up valuable disk space</source>
        <translation>🧹 Rommelbestanden - Maak kostbare schijfruimte vrij</translation>
    </message>
    <message>
        <source>🌐 Browser Cleaner - Protect your privacy</source>
        <translation>🌐 Browsergegevens - Bescherm je privacy</translation>
    </message>
    <message>
        <source>🔧 Registry Cleaner - Boost system performance</source>
        <translation>🔧 Register - Verbeter de systeemprestaties</translation>
    </message>
    <message>
        <source>⚡ Startup Manager - Speed up boot time</source>
        <translation>⚡ Opstartbeheer - Start sneller op</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Made by Quelmo</source>
        <translation>Gemaakt door Quelmo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>📊 Dashboard - Scan everything at once and clean in one click</source>
        <translation>📊 Overzicht - Alles in één keer scannen en met één klik opschonen</translation>
    </message>
    <message>
        <source>📁 Large Files - Find what takes up your disk</source>
        <translation>📁 Grote bestanden - Vind wat je schijf vult</translation>
    </message>
    <message>
        <source>📑 Duplicate Files - Remove identical copies</source>
        <translation>📑 Duplicaten - Verwijder identieke kopieën</translation>
    </message>
    <message>
        <source>📦 App Uninstaller - Remove apps with their leftovers</source>
        <translation>📦 Apps verwijderen - Verwijder apps met hun restanten</translation>
    </message>
    <message>
        <source>🛡️ Privacy Cleaner - Clear recent-files lists and other traces</source>
        <translation>🛡️ Privacy - Wis lijsten met recente bestanden en andere sporen</translation>
    </message>
</context>
<context>
    <name>AppCardDelegate</name>
    <message>
        <source>Part of macOS</source>
        <translation>Onderdeel van macOS</translation>
    </message>
    <message>
        <source>+%1 leftovers</source>
        <translation>+%1 resten</translation>
    </message>
    <message>
        <source>bundle identifier</source>
        <translation>bundel-ID</translation>
    </message>
    <message>
        <source>name only</source>
        <translation>alleen naam</translation>
    </message>
    <message>
        <source>shared with macOS</source>
        <translation>gedeeld met macOS</translation>
    </message>
</context>
<context>
    <name>AppUninstaller</name>
    <message>
        <source>It is part of macOS and cannot be removed.</source>
        <translation>De app is onderdeel van macOS en kan niet worden verwijderd.</translation>
    </message>
    <message>
        <source>It is not in an Applications folder.</source>
        <translation>De app staat niet in een programmamap.</translation>
    </message>
    <message>
        <source>Close the app first.</source>
        <translation>Stop de app eerst.</translation>
    </message>
    <message>
        <source>Could not tell whether it is running. Close the app first.</source>
        <translation>Kon niet bepalen of de app actief is. Stop de app eerst.</translation>
    </message>
    <message>
        <source>It could not be moved to the Trash: %1.</source>
        <translation>De app kon niet naar de prullenmand worden verplaatst: %1.</translation>
    </message>
    <message>
        <source>It is on a read-only volume and cannot be removed.</source>
        <translation>Deze staat op een alleen-lezen volume en kan niet worden verwijderd.</translation>
    </message>
    <message>
        <source>It is no longer where the scan found it.</source>
        <translation>De app staat niet meer waar de scan hem vond.</translation>
    </message>
</context>
<context>
    <name>AppUninstallerPage</name>
    <message>
        <source>App Uninstaller</source>
        <translation>Apps verwijderen</translation>
    </message>
    <message>
        <source>Completely remove apps and their leftover files</source>
        <translation>Verwijder apps volledig, inclusief hun restbestanden</translation>
    </message>
    <message>
        <source>Search apps...</source>
        <translation>Zoek apps...</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Vernieuw</translation>
    </message>
    <message>
        <source>No apps selected</source>
        <translation>Geen apps geselecteerd</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Verwijder</translation>
    </message>
    <message>
        <source>Scanning installed apps...</source>
        <translation>Geïnstalleerde apps scannen...</translation>
    </message>
    <message>
        <source>No applications were found in the Applications folders.</source>
        <translation>Er zijn geen apps gevonden in de programmamappen.</translation>
    </message>
    <message>
        <source>No apps match &quot;%1&quot;.</source>
        <translation>Geen apps gevonden voor “%1”.</translation>
    </message>
    <message>
        <source>Uninstalling %1...</source>
        <translation>%1 verwijderen...</translation>
    </message>
    <message>
        <source>Apps will be moved to Trash.</source>
        <translation>Apps worden naar de prullenmand verplaatst.</translation>
    </message>
    <message>
        <source>Confirm Uninstall</source>
        <translation>Verwijderen bevestigen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Could not uninstall %1.
%2</source>
        <translation>Kon %1 niet verwijderen.
%2</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Mislukt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message numerus="yes">
        <source>%Ln apps</source>
        <translation>
            <numerusform>%Ln app</numerusform>
            <numerusform>%Ln apps</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 / %Ln apps</source>
        <translation>
            <numerusform>%1 / %Ln app</numerusform>
            <numerusform>%1 / %Ln apps</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln app(s) selected</source>
        <translation>
            <numerusform>%Ln app geselecteerd</numerusform>
            <numerusform>%Ln apps geselecteerd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Uninstall %Ln app(s) and their leftover files?</source>
        <translation>
            <numerusform>%Ln app en de restbestanden ervan verwijderen?</numerusform>
            <numerusform>%Ln apps en hun restbestanden verwijderen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more</source>
        <translation>
            <numerusform>en nog %Ln</numerusform>
            <numerusform>en nog %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Apps and %Ln selected leftover items (%1) will be moved to Trash.</source>
        <translation>
            <numerusform>Apps en %Ln geselecteerd restbestand (%1) worden naar de prullenmand verplaatst.</numerusform>
            <numerusform>Apps en %Ln geselecteerde restbestanden (%1) worden naar de prullenmand verplaatst.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 was moved to Trash, but %Ln of its leftover items could not be moved.</source>
        <translation>
            <numerusform>%1 is naar de prullenmand verplaatst, maar %Ln restbestand kon niet worden verplaatst.</numerusform>
            <numerusform>%1 is naar de prullenmand verplaatst, maar %Ln restbestanden konden niet worden verplaatst.</numerusform>
        </translation>
    </message>
    <message>
        <source>The app will be moved to the Trash.</source>
        <translation>De app wordt naar de prullenmand verplaatst.</translation>
    </message>
    <message numerus="yes">
        <source>The app and %Ln selected leftover items (%1) will be moved to the Trash.</source>
        <translation>
            <numerusform>De app en %Ln geselecteerd restbestand (%1) worden naar de prullenmand verplaatst.</numerusform>
            <numerusform>De app en %Ln geselecteerde restbestanden (%1) worden naar de prullenmand verplaatst.</numerusform>
        </translation>
    </message>
    <message>
        <source>Moved %1 (%2) to the Trash.</source>
        <translation>%1 (%2) is naar de prullenmand verplaatst.</translation>
    </message>
    <message numerus="yes">
        <source>Moved %1 and %Ln leftover items (%2) to the Trash.</source>
        <translation>
            <numerusform>%1 en %Ln restbestand (%2) zijn naar de prullenmand verplaatst.</numerusform>
            <numerusform>%1 en %Ln restbestanden (%2) zijn naar de prullenmand verplaatst.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %Ln apps (%1) to the Trash.</source>
        <translation>
            <numerusform>%Ln app (%1) is naar de prullenmand verplaatst.</numerusform>
            <numerusform>%Ln apps (%1) zijn naar de prullenmand verplaatst.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %Ln apps and %1 (%2) to the Trash.</source>
        <translation>
            <numerusform>%Ln app en %1 (%2) zijn naar de prullenmand verplaatst.</numerusform>
            <numerusform>%Ln apps en %1 (%2) zijn naar de prullenmand verplaatst.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln leftover items</source>
        <translation>
            <numerusform>%Ln restbestand</numerusform>
            <numerusform>%Ln restbestanden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BasePage</name>
    <message>
        <source>Cleanable</source>
        <translation>Op te schonen</translation>
    </message>
    <message>
        <source>Click &quot;Start Scanning&quot; to find cleanable items</source>
        <translation>Klik op “Start scan” om op te schonen onderdelen te vinden</translation>
    </message>
    <message>
        <source>Selected: --</source>
        <translation>Geselecteerd: --</translation>
    </message>
    <message>
        <source>Start Scanning</source>
        <translation>Start scan</translation>
    </message>
    <message>
        <source>Clean Now</source>
        <translation>Schoon nu op</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Melding</translation>
    </message>
    <message>
        <source>No items selected</source>
        <translation>Geen onderdelen geselecteerd</translation>
    </message>
    <message>
        <source>Confirm Clean</source>
        <translation>Opschonen bevestigen</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to clean %Ln selected items?
This action cannot be undone!</source>
        <translation>
            <numerusform>Weet je zeker dat je %Ln geselecteerd onderdeel wilt opschonen?
Dit kan niet ongedaan worden gemaakt!</numerusform>
            <numerusform>Weet je zeker dat je %Ln geselecteerde onderdelen wilt opschonen?
Dit kan niet ongedaan worden gemaakt!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cleaned %Ln items, freed %1</source>
        <translation>
            <numerusform>%Ln onderdeel opgeschoond, %1 vrijgemaakt</numerusform>
            <numerusform>%Ln onderdelen opgeschoond, %1 vrijgemaakt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln items, %1</source>
        <translation>
            <numerusform>Geselecteerd: %Ln onderdeel, %1</numerusform>
            <numerusform>Geselecteerd: %Ln onderdelen, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln items</source>
        <translation>
            <numerusform>%Ln onderdeel</numerusform>
            <numerusform>%Ln onderdelen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln items</source>
        <translation>
            <numerusform>Geselecteerd: %Ln onderdeel</numerusform>
            <numerusform>Geselecteerd: %Ln onderdelen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be removed and stay in the list with the reason.</source>
        <translation>
            <numerusform>%Ln onderdeel kon niet worden verwijderd en blijft met de reden in de lijst staan.</numerusform>
            <numerusform>%Ln onderdelen konden niet worden verwijderd en blijven met de reden in de lijst staan.</numerusform>
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
        <translation>Deze browsers zijn geopend en zijn overgeslagen; stop ze om ze op te schonen:
%1</translation>
    </message>
    <message>
        <source>outside the browsers&apos; folders</source>
        <translation>buiten de mappen van de browsers</translation>
    </message>
    <message>
        <source>the history could not be cleared</source>
        <translation>de geschiedenis kon niet worden gewist</translation>
    </message>
    <message>
        <source>it could not be removed</source>
        <translation>het kon niet worden verwijderd</translation>
    </message>
    <message>
        <source>the records could not be cleared</source>
        <translation>de gegevens konden niet worden gewist</translation>
    </message>
</context>
<context>
    <name>BrowserGroupHeader</name>
    <message numerus="yes">
        <source>%Ln items  ·  %1</source>
        <translation>
            <numerusform>%Ln onderdeel  ·  %1</numerusform>
            <numerusform>%Ln onderdelen  ·  %1</numerusform>
        </translation>
    </message>
    <message>
        <source>View Details</source>
        <translation>Toon details</translation>
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
        <translation>Browsergegevens</translation>
    </message>
    <message>
        <source>Clean caches, cookies and history of your browsers</source>
        <translation>Schoon caches, cookies en geschiedenis van je browsers op</translation>
    </message>
    <message>
        <source>Browsers:</source>
        <translation>Browsers:</translation>
    </message>
    <message>
        <source>No supported browser was found for this user.</source>
        <translation>Er is voor deze gebruiker geen ondersteunde browser gevonden.</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Gevonden</translation>
    </message>
</context>
<context>
    <name>CategoryWidget</name>
    <message numerus="yes">
        <source>%Ln items</source>
        <translation>
            <numerusform>%Ln onderdeel</numerusform>
            <numerusform>%Ln onderdelen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Load more (%Ln remaining)</source>
        <translation>
            <numerusform>Laad meer (nog %Ln)</numerusform>
            <numerusform>Laad meer (nog %Ln)</numerusform>
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
        <translation>Op te schonen</translation>
    </message>
</context>
<context>
    <name>CleanItem</name>
    <message>
        <source>Low</source>
        <translation>Laag</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Gemiddeld</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoog</translation>
    </message>
    <message numerus="yes">
        <source>%n B</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
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
        <translation>Grootte onbekend</translation>
    </message>
    <message>
        <source>at least %1</source>
        <translation>minstens %1</translation>
    </message>
</context>
<context>
    <name>CleanItemWidget</name>
    <message>
        <source>Not removed: %1</source>
        <translation>Niet verwijderd: %1</translation>
    </message>
</context>
<context>
    <name>DashboardPage</name>
    <message>
        <source>Ready to Clean Your Mac</source>
        <translation>Klaar om je Mac op te schonen</translation>
    </message>
    <message>
        <source>Click the button below to scan for junk files and free up space</source>
        <translation>Klik op de knop hieronder om rommelbestanden te zoeken en ruimte vrij te maken</translation>
    </message>
    <message>
        <source>🔍  Start Full Scan</source>
        <translation>🔍  Start volledige scan</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Voorbereiden...</translation>
    </message>
    <message>
        <source>Sweepnook %1</source>
        <translation>Sweepnook %1</translation>
    </message>
    <message>
        <source>Keep Your Mac Running at Peak Performance</source>
        <translation>Houd je Mac in topvorm</translation>
    </message>
    <message>
        <source>Junk Files</source>
        <translation>Systeemrommel</translation>
    </message>
    <message>
        <source>Browser Data</source>
        <translation>Browsergegevens</translation>
    </message>
    <message>
        <source>Registry Issues</source>
        <translation>Registerproblemen</translation>
    </message>
    <message>
        <source>Ready to scan</source>
        <translation>Klaar om te scannen</translation>
    </message>
    <message>
        <source>🔍 Start Scan</source>
        <translation>🔍 Start scan</translation>
    </message>
    <message>
        <source>🗑️ Clean All</source>
        <translation>🗑️ Opschonen</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;font-weight:600;&apos;&gt;Tip:&lt;/span&gt; Regular cleaning can significantly improve your Mac&apos;s performance</source>
        <translation>&lt;span style=&apos;font-weight:600;&apos;&gt;Tip:&lt;/span&gt; Regelmatig opschonen kan de prestaties van je Mac flink verbeteren</translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation>Scannen...</translation>
    </message>
    <message>
        <source>Can be cleaned</source>
        <translation>Op te schonen</translation>
    </message>
    <message>
        <source>Last scan: just now</source>
        <translation>Laatste scan: zojuist</translation>
    </message>
    <message numerus="yes">
        <source>Last scan: %Ln min ago</source>
        <translation>
            <numerusform>Laatste scan: %Ln min geleden</numerusform>
            <numerusform>Laatste scan: %Ln min geleden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Last scan: %Ln h ago</source>
        <translation>
            <numerusform>Laatste scan: %Ln uur geleden</numerusform>
            <numerusform>Laatste scan: %Ln uur geleden</numerusform>
        </translation>
    </message>
    <message>
        <source>Last scan: %1</source>
        <translation>Laatste scan: %1</translation>
    </message>
    <message>
        <source>Cleaned %1</source>
        <translation>%1 opgeschoond</translation>
    </message>
    <message>
        <source>Ring: %1 of what the scan found is selected</source>
        <translation>Ring: %1 van wat de scan vond is geselecteerd</translation>
    </message>
    <message>
        <source>The scan found nothing to clean</source>
        <translation>De scan vond niets om op te schonen</translation>
    </message>
    <message>
        <source>Can be cleaned (at least)</source>
        <translation>Op te schonen (minstens)</translation>
    </message>
</context>
<context>
    <name>DetailItemWidget</name>
    <message>
        <source>Show in Finder</source>
        <translation>Toon in Finder</translation>
    </message>
</context>
<context>
    <name>DuplicateFinderPage</name>
    <message>
        <source>Duplicate File Finder</source>
        <translation>Duplicaten zoeken</translation>
    </message>
    <message>
        <source>Find and remove identical files to free up disk space</source>
        <translation>Zoek en verwijder identieke bestanden om schijfruimte vrij te maken</translation>
    </message>
    <message>
        <source>SELECT LOCATION</source>
        <translation>KIES LOCATIE</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Thuismap</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documenten</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Bureaublad</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Afbeeldingen</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Muziek</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Films</translation>
    </message>
    <message>
        <source>User Volume</source>
        <translation>Gebruikersvolume</translation>
    </message>
    <message>
        <source>Entire Disk</source>
        <translation>Hele schijf</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Kies…</translation>
    </message>
    <message>
        <source>Min file size:</source>
        <translation>Min. bestandsgrootte:</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>Start scan</translation>
    </message>
    <message>
        <source>Collecting files...</source>
        <translation>Bestanden verzamelen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleer</translation>
    </message>
    <message>
        <source>← New Scan</source>
        <translation>← Nieuwe scan</translation>
    </message>
    <message>
        <source>Keep Newest  ▾</source>
        <translation>Behoud nieuwste  ▾</translation>
    </message>
    <message>
        <source>Keep Newest  (delete older duplicates)</source>
        <translation>Behoud nieuwste  (verwijder oudere duplicaten)</translation>
    </message>
    <message>
        <source>Keep Oldest   (delete newer duplicates)</source>
        <translation>Behoud oudste   (verwijder nieuwere duplicaten)</translation>
    </message>
    <message>
        <source>Keep Oldest  ▾</source>
        <translation>Behoud oudste  ▾</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Verwijder selectie</translation>
    </message>
    <message>
        <source>Choose Folder to Scan</source>
        <translation>Kies map om te scannen</translation>
    </message>
    <message>
        <source>Choose Another Folder…</source>
        <translation>Kies een andere map…</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Verwijder %1</translation>
    </message>
    <message>
        <source>Path: (none selected)</source>
        <translation>Pad: (niets geselecteerd)</translation>
    </message>
    <message>
        <source>No Location Selected</source>
        <translation>Geen locatie geselecteerd</translation>
    </message>
    <message>
        <source>Please select at least one location to scan.</source>
        <translation>Selecteer ten minste één locatie om te scannen.</translation>
    </message>
    <message>
        <source>Full Disk Scan</source>
        <translation>Hele schijf scannen</translation>
    </message>
    <message>
        <source>Scanning the entire disk may take several minutes.
Continue?</source>
        <translation>Het scannen van de hele schijf kan enkele minuten duren.
Doorgaan?</translation>
    </message>
    <message>
        <source>Scanning files...</source>
        <translation>Bestanden scannen...</translation>
    </message>
    <message>
        <source>Reading %1  ·  %2 of %3</source>
        <translation>%1 lezen  ·  %2 van %3</translation>
    </message>
    <message>
        <source>No Duplicates Found</source>
        <translation>Geen duplicaten gevonden</translation>
    </message>
    <message>
        <source>Great news! No duplicate files were found. 🎉</source>
        <translation>Goed nieuws! Er zijn geen duplicaten gevonden. 🎉</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annuleren...</translation>
    </message>
    <message>
        <source>  ·  %1 freed</source>
        <translation>  ·  %1 vrijgemaakt</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Verwijderen bevestigen</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Verplaats naar prullenmand</translation>
    </message>
    <message>
        <source>Delete Permanently</source>
        <translation>Verwijder definitief</translation>
    </message>
    <message>
        <source>Deleting…</source>
        <translation>Verwijderen…</translation>
    </message>
    <message>
        <source>Deleting %1 / %2</source>
        <translation>Verwijderen: %1 / %2</translation>
    </message>
    <message>
        <source>Duplicates Removed</source>
        <translation>Duplicaten verwijderd</translation>
    </message>
    <message>
        <source>Partial Failure</source>
        <translation>Gedeeltelijk mislukt</translation>
    </message>
    <message>
        <source>The log lists each file and why.</source>
        <translation>Het logbestand vermeldt elk bestand en de reden.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln&lt;/b&gt; groups  ·  &lt;span style=&apos;color:%1;font-weight:600;&apos;&gt;%2 can be freed&lt;/span&gt;</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln&lt;/b&gt; groep  ·  &lt;span style=&apos;color:%1;font-weight:600;&apos;&gt;%2 kan vrijkomen&lt;/span&gt;</numerusform>
            <numerusform>&lt;b&gt;%Ln&lt;/b&gt; groepen  ·  &lt;span style=&apos;color:%1;font-weight:600;&apos;&gt;%2 kan vrijkomen&lt;/span&gt;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %Ln file(s) to the Trash, or delete them permanently?</source>
        <translation>
            <numerusform>%Ln bestand naar de prullenmand verplaatsen of definitief verwijderen?</numerusform>
            <numerusform>%Ln bestanden naar de prullenmand verplaatsen of definitief verwijderen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every copy of %Ln group(s) is checked: the newest copy of each will be kept.</source>
        <translation>
            <numerusform>Van %Ln groep is elke kopie aangevinkt: de nieuwste kopie blijft behouden.</numerusform>
            <numerusform>Van %Ln groepen is elke kopie aangevinkt: van elke groep blijft de nieuwste kopie behouden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Permanently delete %Ln file(s)?
This cannot be undone.</source>
        <translation>
            <numerusform>%Ln bestand definitief verwijderen?
Dit kan niet ongedaan worden gemaakt.</numerusform>
            <numerusform>%Ln bestanden definitief verwijderen?
Dit kan niet ongedaan worden gemaakt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) deleted permanently (%1).</source>
        <translation>
            <numerusform>%Ln bestand definitief verwijderd (%1).</numerusform>
            <numerusform>%Ln bestanden definitief verwijderd (%1).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) moved to the Trash (%1); you can put them back from there.</source>
        <translation>
            <numerusform>%Ln bestand naar de prullenmand verplaatst (%1); je kunt het daar terugzetten.</numerusform>
            <numerusform>%Ln bestanden naar de prullenmand verplaatst (%1); je kunt ze daar terugzetten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be deleted.</source>
        <translation>
            <numerusform>%Ln bestand kon niet worden verwijderd.</numerusform>
            <numerusform>%Ln bestanden konden niet worden verwijderd.</numerusform>
        </translation>
    </message>
    <message>
        <source>Path: %1</source>
        <translation>Pad: %1</translation>
    </message>
    <message>
        <source>Deleted permanently: %1</source>
        <translation>Definitief verwijderd: %1</translation>
    </message>
    <message>
        <source>Moved to the Trash: %1</source>
        <translation>Naar de prullenmand verplaatst: %1</translation>
    </message>
    <message>
        <source>Left in place: %1</source>
        <translation>Op zijn plaats gelaten: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be moved to the Trash and were left in place; none was deleted.</source>
        <translation>
            <numerusform>%Ln bestand kon niet naar de prullenmand worden verplaatst en bleef op zijn plaats; er is niets verwijderd.</numerusform>
            <numerusform>%Ln bestanden konden niet naar de prullenmand worden verplaatst en bleven op hun plaats; er is niets verwijderd.</numerusform>
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
        <translation>  ·  %1 in de prullenmand totdat je die leegmaakt</translation>
    </message>
    <message>
        <source>Ticked: every copy but the likely original (not in Downloads, no &quot;copy&quot; or &quot;(1)&quot; in its name, the oldest, the shortest path). 🔒 Copies in apps, packages and Library are never ticked.</source>
        <translation>Aangevinkt: elke kopie behalve het waarschijnlijke origineel (niet in Downloads, geen ‘kopie’ of ‘(1)’ in de naam, het oudste, het kortste pad). 🔒 Kopieën in apps, pakketten en Bibliotheek worden nooit aangevinkt.</translation>
    </message>
    <message>
        <source>Keep Original  ▾</source>
        <translation>Origineel bewaren  ▾</translation>
    </message>
    <message>
        <source>Keep Original  (the likely original of each group)</source>
        <translation>Origineel bewaren  (het waarschijnlijke origineel van elke groep)</translation>
    </message>
</context>
<context>
    <name>DuplicateGroupDelegate</name>
    <message>
        <source>save %1</source>
        <translation>bespaar %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln identical files  ·  %1 each  ·  </source>
        <translation>
            <numerusform>%Ln identiek bestand  ·  elk %1  ·  </numerusform>
            <numerusform>%Ln identieke bestanden  ·  elk %1  ·  </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileUtils</name>
    <message>
        <source>permission denied</source>
        <translation>geen toestemming</translation>
    </message>
    <message>
        <source>it is in use</source>
        <translation>het is in gebruik</translation>
    </message>
    <message>
        <source>the volume is read-only</source>
        <translation>het volume is alleen-lezen</translation>
    </message>
    <message>
        <source>the folder is not empty</source>
        <translation>de map is niet leeg</translation>
    </message>
    <message>
        <source>another volume is mounted there</source>
        <translation>daar is een ander volume gekoppeld</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>geen map</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>een map</translation>
    </message>
    <message>
        <source>it changed while being removed</source>
        <translation>het is tijdens het verwijderen gewijzigd</translation>
    </message>
    <message>
        <source>its folder is not open</source>
        <translation>de map ervan is niet geopend</translation>
    </message>
    <message>
        <source>outside %1</source>
        <translation>buiten %1</translation>
    </message>
    <message>
        <source>the folder itself</source>
        <translation>de map zelf</translation>
    </message>
    <message>
        <source>&quot;.&quot; or &quot;..&quot; in the path</source>
        <translation>&apos;.&apos; of &apos;..&apos; in het pad</translation>
    </message>
    <message>
        <source>a link or a file on the way: %1</source>
        <translation>een koppeling of bestand onderweg: %1</translation>
    </message>
    <message>
        <source>another volume on the way: %1</source>
        <translation>een ander volume onderweg: %1</translation>
    </message>
    <message>
        <source>it changed since it was chosen</source>
        <translation>het is gewijzigd sinds het werd gekozen</translation>
    </message>
</context>
<context>
    <name>HomeTrash</name>
    <message>
        <source>it is no longer there</source>
        <translation>het onderdeel is er niet meer</translation>
    </message>
    <message>
        <source>the Finder could not be asked (osascript did not start)</source>
        <translation>de Finder kon niet worden gevraagd (osascript startte niet)</translation>
    </message>
    <message>
        <source>the Finder did not answer within %1 seconds; it may be waiting for your permission or password</source>
        <translation>de Finder antwoordde niet binnen %1 seconden; misschien wacht hij op je toestemming of wachtwoord</translation>
    </message>
    <message>
        <source>the Finder left it where it was</source>
        <translation>de Finder liet het onderdeel staan</translation>
    </message>
    <message>
        <source>Sweepnook is not allowed to control the Finder (System Settings &gt; Privacy &amp; Security &gt; Automation)</source>
        <translation>Sweepnook mag de Finder niet besturen (Systeeminstellingen &gt; Privacy en beveiliging &gt; Automatisering)</translation>
    </message>
    <message>
        <source>the Finder refused (exit code %1)</source>
        <translation>de Finder weigerde (afsluitcode %1)</translation>
    </message>
    <message>
        <source>the Finder refused: %1</source>
        <translation>de Finder weigerde: %1</translation>
    </message>
    <message>
        <source>the Trash folder cannot be used: %1</source>
        <translation>de prullenmandmap kan niet worden gebruikt: %1</translation>
    </message>
    <message>
        <source>it is on another volume than your Trash</source>
        <translation>het onderdeel staat op een ander volume dan je prullenmand</translation>
    </message>
    <message>
        <source>it is in the Trash already</source>
        <translation>het onderdeel staat al in de prullenmand</translation>
    </message>
    <message>
        <source>too many items of that name in the Trash</source>
        <translation>te veel onderdelen met die naam in de prullenmand</translation>
    </message>
    <message>
        <source>a volume is mounted inside it (%1)</source>
        <translation>er is een volume in gekoppeld (%1)</translation>
    </message>
</context>
<context>
    <name>ItemDetailDialog</name>
    <message numerus="yes">
        <source>%1  |  %Ln files</source>
        <translation>
            <numerusform>%1  |  %Ln bestand</numerusform>
            <numerusform>%1  |  %Ln bestanden</numerusform>
        </translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Actie</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
</context>
<context>
    <name>JunkCleaner</name>
    <message>
        <source>outside the folders of its rule</source>
        <translation>buiten de mappen van zijn regel</translation>
    </message>
    <message>
        <source>These browsers are running, so their caches were left; close them to clean them:
%1</source>
        <translation>Deze browsers zijn geopend, dus hun caches zijn blijven staan; stop ze om ze op te schonen:
%1</translation>
    </message>
</context>
<context>
    <name>JunkPage</name>
    <message>
        <source>Junk Cleaner</source>
        <translation>Rommelbestanden</translation>
    </message>
    <message>
        <source>Clean system temp files, cache and logs</source>
        <translation>Schoon tijdelijke systeembestanden, caches en logbestanden op</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Gevonden</translation>
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
        <translation>%1, %2 op schijf</translation>
    </message>
    <message>
        <source>via %1</source>
        <translation>via %1</translation>
    </message>
</context>
<context>
    <name>LargeFilePage</name>
    <message>
        <source>Find Large Files</source>
        <translation>Grote bestanden zoeken</translation>
    </message>
    <message>
        <source>Scan your drives and remove files that are taking up the most space</source>
        <translation>Scan je schijven en verwijder de bestanden die de meeste ruimte innemen</translation>
    </message>
    <message>
        <source>SELECT VOLUME</source>
        <translation>KIES VOLUME</translation>
    </message>
    <message>
        <source>Min file size:</source>
        <translation>Min. bestandsgrootte:</translation>
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
        <translation>Aangepast...</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>Start scan</translation>
    </message>
    <message>
        <source>Scan Results</source>
        <translation>Scanresultaten</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Selecteer alles</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>Alle soorten</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Video&apos;s</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>Archieven</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Afbeeldingen</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documenten</translation>
    </message>
    <message>
        <source>Packages</source>
        <translation>Pakketten</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Overig</translation>
    </message>
    <message>
        <source>Largest first</source>
        <translation>Grootste eerst</translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation>Nieuwste eerst</translation>
    </message>
    <message>
        <source>← Back</source>
        <translation>← Terug</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Verwijder selectie</translation>
    </message>
    <message>
        <source>Local Disk</source>
        <translation>Lokale schijf</translation>
    </message>
    <message>
        <source>Remove from list</source>
        <translation>Verwijder uit lijst</translation>
    </message>
    <message>
        <source>Add location</source>
        <translation>Voeg locatie toe</translation>
    </message>
    <message>
        <source>Select a volume above to begin scanning.</source>
        <translation>Selecteer hierboven een volume om te beginnen met scannen.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln volume(s) selected. Sweepnook will scan for files larger than %1.</source>
        <translation>
            <numerusform>%Ln volume geselecteerd. Sweepnook zoekt naar bestanden groter dan %1.</numerusform>
            <numerusform>%Ln volumes geselecteerd. Sweepnook zoekt naar bestanden groter dan %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose Folder to Scan</source>
        <translation>Kies map om te scannen</translation>
    </message>
    <message>
        <source>Custom File Size</source>
        <translation>Aangepaste bestandsgrootte</translation>
    </message>
    <message>
        <source>Enter minimum file size (MB):</source>
        <translation>Voer de minimale bestandsgrootte in (MB):</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Please select at least one drive to scan.</source>
        <translation>Selecteer ten minste één schijf om te scannen.</translation>
    </message>
    <message>
        <source>No large files found that match the criteria.</source>
        <translation>Geen grote bestanden gevonden die aan de criteria voldoen.</translation>
    </message>
    <message>
        <source>Scan Completed</source>
        <translation>Scan voltooid</translation>
    </message>
    <message>
        <source>%1 freed</source>
        <translation>%1 vrijgemaakt</translation>
    </message>
    <message>
        <source>%1 in the Trash until you empty it</source>
        <translation>%1 in de prullenmand totdat je die leegmaakt</translation>
    </message>
    <message>
        <source>Delete this file</source>
        <translation>Verwijder dit bestand</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Verwijderen bevestigen</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Verplaats naar prullenmand</translation>
    </message>
    <message>
        <source>Delete Permanently</source>
        <translation>Verwijder definitief</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this file?

%1
Size: %2</source>
        <translation>Weet je zeker dat je dit bestand wilt verwijderen?

%1
Grootte: %2</translation>
    </message>
    <message>
        <source>This file is only in iCloud: deleting it frees no space on this Mac and removes it from all your devices.</source>
        <translation>Dit bestand staat alleen in iCloud: als je het verwijdert, komt er geen ruimte vrij op deze Mac en verdwijnt het van al je apparaten.</translation>
    </message>
    <message>
        <source>Move to Trash keeps it until you empty the Trash. Delete Permanently cannot be undone!</source>
        <translation>Met ‘Verplaats naar prullenmand’ blijft het bewaard totdat je de prullenmand leegmaakt. ‘Verwijder definitief’ kan niet ongedaan worden gemaakt!</translation>
    </message>
    <message>
        <source>Move to Trash keeps them until you empty the Trash. Delete Permanently cannot be undone!</source>
        <translation>Met ‘Verplaats naar prullenmand’ blijven ze bewaard totdat je de prullenmand leegmaakt. ‘Verwijder definitief’ kan niet ongedaan worden gemaakt!</translation>
    </message>
    <message>
        <source>Deleting...</source>
        <translation>Verwijderen...</translation>
    </message>
    <message>
        <source>Unable to delete this file. It may be in use by another program.</source>
        <translation>Kan dit bestand niet verwijderen. Het wordt mogelijk gebruikt door een ander programma.</translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation>Verwijderen mislukt</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>All files have been deleted</source>
        <translation>Alle bestanden zijn verwijderd</translation>
    </message>
    <message>
        <source>%1 moved to the Trash: empty the Trash to free the space.</source>
        <translation>%1 naar de prullenmand verplaatst: leeg de prullenmand om de ruimte vrij te maken.</translation>
    </message>
    <message>
        <source>%1 freed.</source>
        <translation>%1 vrijgemaakt.</translation>
    </message>
    <message>
        <source>Delete Completed</source>
        <translation>Verwijderen voltooid</translation>
    </message>
    <message numerus="yes">
        <source>Found %Ln large files, total %1</source>
        <translation>
            <numerusform>%Ln groot bestand gevonden, totaal %1</numerusform>
            <numerusform>%Ln grote bestanden gevonden, totaal %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln files (%1)</source>
        <translation>
            <numerusform>Geselecteerd: %Ln bestand (%1)</numerusform>
            <numerusform>Geselecteerd: %Ln bestanden (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete the selected %Ln files?

Total: %1</source>
        <translation>
            <numerusform>Weet je zeker dat je %Ln geselecteerd bestand wilt verwijderen?

Totaal: %1</numerusform>
            <numerusform>Weet je zeker dat je de %Ln geselecteerde bestanden wilt verwijderen?

Totaal: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleted %Ln files successfully.</source>
        <translation>
            <numerusform>%Ln bestand verwijderd.</numerusform>
            <numerusform>%Ln bestanden verwijderd.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 used</source>
        <translation>%1 gebruikt</translation>
    </message>
    <message>
        <source>%1 total</source>
        <translation>%1 totaal</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Toon in Finder</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files failed to delete.</source>
        <translation>
            <numerusform>%Ln bestand kon niet worden verwijderd.</numerusform>
            <numerusform>%Ln bestanden konden niet worden verwijderd.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LargeFileScanner</name>
    <message>
        <source>It changed since the scan</source>
        <translation>Gewijzigd sinds de scan</translation>
    </message>
    <message>
        <source>It is not among the results of the scan</source>
        <translation>Het staat niet tussen de resultaten van de scan</translation>
    </message>
</context>
<context>
    <name>LinkManager</name>
    <message>
        <source>配置错误</source>
        <translation>Configuratiefout</translation>
    </message>
    <message>
        <source>无法加载页面链接。

请联系技术支持或重新安装软件。</source>
        <translation>Kan de paginalink niet laden.

Neem contact op met de technische ondersteuning of installeer de app opnieuw.</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>Kan browser niet openen</translation>
    </message>
    <message>
        <source>无法打开默认浏览器。

请手动复制链接访问：
%1</source>
        <translation>Kan de standaardbrowser niet openen.

Kopieer de link en open hem handmatig:
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Dashboard</source>
        <translation>Overzicht</translation>
    </message>
    <message>
        <source>Junk Cleaner</source>
        <translation>Systeemrommel</translation>
    </message>
    <message>
        <source>Browser Cleaner</source>
        <translation>Browserdata</translation>
    </message>
    <message>
        <source>Registry Cleaner</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Startup Manager</source>
        <translation>Opstartbeheer</translation>
    </message>
    <message>
        <source>Large Files</source>
        <translation>Grote bestanden</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>Optimalisatie</translation>
    </message>
    <message>
        <source>App Uninstaller</source>
        <translation>Apps verwijderen</translation>
    </message>
    <message>
        <source>Duplicate Files</source>
        <translation>Duplicaten</translation>
    </message>
    <message>
        <source>Privacy Cleaner</source>
        <translation>Privacy</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluit</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimaliseer</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Sweepnook - Mac Cleaning Tool</source>
        <translation>Sweepnook - Mac-opschoner</translation>
    </message>
    <message>
        <source>显示主窗口</source>
        <translation>Toon hoofdvenster</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Melding</translation>
    </message>
    <message>
        <source>No items selected</source>
        <translation>Geen onderdelen geselecteerd</translation>
    </message>
    <message>
        <source>Confirm Clean</source>
        <translation>Opschonen bevestigen</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to clean %Ln selected items (%1)?
This action cannot be undone!</source>
        <translation>
            <numerusform>Weet je zeker dat je %Ln geselecteerd onderdeel (%1) wilt opschonen?
Dit kan niet ongedaan worden gemaakt!</numerusform>
            <numerusform>Weet je zeker dat je %Ln geselecteerde onderdelen (%1) wilt opschonen?
Dit kan niet ongedaan worden gemaakt!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cleaned %Ln items, freed %1</source>
        <translation>
            <numerusform>%Ln onderdeel opgeschoond, %1 vrijgemaakt</numerusform>
            <numerusform>%Ln onderdelen opgeschoond, %1 vrijgemaakt</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled. %1</source>
        <translation>Geannuleerd. %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln items could not be removed.</source>
        <translation>
            <numerusform>%Ln onderdeel kon niet worden verwijderd.</numerusform>
            <numerusform>%Ln onderdelen konden niet worden verwijderd.</numerusform>
        </translation>
    </message>
    <message>
        <source>A clean is still running. Scan again when it has finished.</source>
        <translation>Er loopt nog een opschoning. Scan opnieuw als die klaar is.</translation>
    </message>
    <message>
        <source>About Sweepnook</source>
        <translation>Over Sweepnook</translation>
    </message>
    <message>
        <source>by Quelmo</source>
        <translation>door Quelmo</translation>
    </message>
    <message>
        <source>The smartest way to keep your Mac clean, fast, and private.&lt;br&gt;Remove junk files, browser traces, duplicate files,&lt;br&gt;and privacy risks — all in one click.</source>
        <translation>De slimste manier om je Mac schoon, snel en privé te houden.&lt;br&gt;Verwijder rommelbestanden, browsersporen, dubbele bestanden&lt;br&gt;en privacyrisico&apos;s – alles met één klik.</translation>
    </message>
    <message>
        <source>© 2026 Quelmo. All rights reserved.</source>
        <translation>© 2026 Quelmo. Alle rechten voorbehouden.</translation>
    </message>
    <message>
        <source>Sweepnook</source>
        <translation>Sweepnook</translation>
    </message>
    <message>
        <source>Program minimized to system tray. Double-click the icon to restore.</source>
        <translation>Programma geminimaliseerd naar de menubalk. Dubbelklik op het symbool om het te herstellen.</translation>
    </message>
</context>
<context>
    <name>PrivacyCleaner</name>
    <message>
        <source>Clipboard Content</source>
        <translation>Inhoud van klembord</translation>
    </message>
    <message>
        <source>Text, images or files currently copied to clipboard</source>
        <translation>Tekst, afbeeldingen of bestanden die nu op het klembord staan</translation>
    </message>
    <message>
        <source>QuickLook Preview Cache</source>
        <translation>Voorvertoningscache van Snel bekijken</translation>
    </message>
    <message>
        <source>Cached file previews generated by macOS QuickLook</source>
        <translation>Bestandsvoorvertoningen die macOS voor Snel bekijken (Quick Look) in de cache bewaart</translation>
    </message>
    <message>
        <source>Recent Files List</source>
        <translation>Lijst met recente bestanden</translation>
    </message>
    <message>
        <source>macOS list of recently opened files and apps</source>
        <translation>De macOS-lijst met recent geopende bestanden en apps</translation>
    </message>
    <message>
        <source>Notification History</source>
        <translation>Meldingsgeschiedenis</translation>
    </message>
    <message>
        <source>Database logs of all received app notifications</source>
        <translation>Databaselogboeken van alle ontvangen app-meldingen</translation>
    </message>
    <message>
        <source>DNS Cache</source>
        <translation>DNS-cache</translation>
    </message>
    <message>
        <source>Cached DNS lookups recording recently visited domains</source>
        <translation>Gecachte DNS-zoekopdrachten die recent bezochte domeinen vastleggen</translation>
    </message>
</context>
<context>
    <name>PrivacyItemCard</name>
    <message>
        <source>Nothing found</source>
        <translation>Niets gevonden</translation>
    </message>
    <message>
        <source>Size unknown</source>
        <translation>Grootte onbekend</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation>
            <numerusform>%Ln onderdeel</numerusform>
            <numerusform>%Ln onderdelen</numerusform>
        </translation>
    </message>
    <message>
        <source>Not scanned</source>
        <translation>Niet gescand</translation>
    </message>
    <message>
        <source>Cleaned</source>
        <translation>Opgeschoond</translation>
    </message>
    <message>
        <source>%1 freed</source>
        <translation>%1 vrijgemaakt</translation>
    </message>
    <message>
        <source>Not cleaned</source>
        <translation>Niet opgeschoond</translation>
    </message>
    <message>
        <source>Safe</source>
        <translation>Veilig</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>Let op</translation>
    </message>
    <message>
        <source>High risk</source>
        <translation>Hoog risico</translation>
    </message>
    <message>
        <source>Partly cleaned</source>
        <translation>Gedeeltelijk opgeschoond</translation>
    </message>
</context>
<context>
    <name>PrivacyPage</name>
    <message>
        <source>Privacy Cleaner</source>
        <translation>Privacy</translation>
    </message>
    <message>
        <source>Clear the traces your everyday use leaves on this Mac</source>
        <translation>Wis de sporen die je dagelijkse gebruik op deze Mac achterlaat</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleer</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Schoon op</translation>
    </message>
    <message>
        <source>Scan stopped</source>
        <translation>Scan gestopt</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Stoppen…</translation>
    </message>
    <message>
        <source>Scanning: %1</source>
        <translation>Scannen: %1</translation>
    </message>
    <message>
        <source>Cleaning: %1 of %2 done</source>
        <translation>Opschonen: %1 van %2 klaar</translation>
    </message>
    <message>
        <source>Not cleaned: %1</source>
        <translation>Niet opgeschoond: %1</translation>
    </message>
    <message numerus="yes">
        <source>Stopped before %Ln item(s)</source>
        <translation>
            <numerusform>Gestopt: %Ln onderdeel overgeslagen</numerusform>
            <numerusform>Gestopt: %Ln onderdelen overgeslagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Scan Again</source>
        <translation>Scan opnieuw</translation>
    </message>
    <message>
        <source>Scan to measure the traces on this Mac</source>
        <translation>Scan om de sporen op deze Mac te meten</translation>
    </message>
    <message>
        <source>Scanning…</source>
        <translation>Scannen…</translation>
    </message>
    <message>
        <source>Cleaning…</source>
        <translation>Opschonen…</translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln item(s)</source>
        <translation>
            <numerusform>Geselecteerd: %Ln onderdeel</numerusform>
            <numerusform>Geselecteerd: %Ln onderdelen</numerusform>
        </translation>
    </message>
    <message>
        <source>No items selected</source>
        <translation>Geen onderdelen geselecteerd</translation>
    </message>
    <message>
        <source>Confirm Cleaning</source>
        <translation>Opschonen bevestigen</translation>
    </message>
    <message numerus="yes">
        <source>Clean %Ln selected item(s)?</source>
        <translation>
            <numerusform>%Ln geselecteerd onderdeel opschonen?</numerusform>
            <numerusform>%Ln geselecteerde onderdelen opschonen?</numerusform>
        </translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>Dit kan niet ongedaan worden gemaakt.</translation>
    </message>
    <message numerus="yes">
        <source>Cleaned %Ln item(s) · freed %1</source>
        <translation>
            <numerusform>%Ln onderdeel opgeschoond · %1 vrijgemaakt</numerusform>
            <numerusform>%Ln onderdelen opgeschoond · %1 vrijgemaakt</numerusform>
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
        <translation>Opschonen...</translation>
    </message>
    <message>
        <source>正在分析系统...</source>
        <translation>Systeem analyseren...</translation>
    </message>
    <message>
        <source>正在删除文件...</source>
        <translation>Bestanden verwijderen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleer</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Voltooid</translation>
    </message>
    <message>
        <source>已清理: %1</source>
        <translation>Opgeschoond: %1</translation>
    </message>
    <message>
        <source>完成!</source>
        <translation>Klaar!</translation>
    </message>
    <message>
        <source>操作失败</source>
        <translation>Bewerking mislukt</translation>
    </message>
    <message>
        <source>Partly done</source>
        <translation>Gedeeltelijk voltooid</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluit</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Herstel</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Opnieuw</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>K&amp;nip</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieer</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Plak</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijder</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecteer alles</translation>
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
        <translation>Bewaar</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Bewaar alles</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ja op &amp;alles</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nee</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;ee op alles</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Breek af</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Probeer opnieuw</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Negeer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Niet bewaren</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Pas toe</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Herstel</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Herstel standaardwaarden</translation>
    </message>
</context>
<context>
    <name>RegistryPage</name>
    <message>
        <source>Registry cleaning is only available on Windows</source>
        <translation>Registeropschoning is alleen beschikbaar op Windows</translation>
    </message>
    <message>
        <source>macOS keeps its settings in preference files, not in a registry, so there is nothing to clean here.</source>
        <translation>macOS bewaart zijn instellingen in voorkeurbestanden, niet in een register, dus hier valt niets op te schonen.</translation>
    </message>
</context>
<context>
    <name>RuleTexts</name>
    <message>
        <source>System Temporary Files</source>
        <translation>Tijdelijke systeembestanden</translation>
    </message>
    <message>
        <source>System temp folder and intermediate build files</source>
        <translation>Tijdelijke systeemmap en tussenbestanden van builds</translation>
    </message>
    <message>
        <source>Application Caches</source>
        <translation>App-caches</translation>
    </message>
    <message>
        <source>Cached data generated by installed applications</source>
        <translation>Cachegegevens van geïnstalleerde apps</translation>
    </message>
    <message>
        <source>Browser Caches</source>
        <translation>Browsercaches</translation>
    </message>
    <message>
        <source>Cache files from Safari, Chrome, Firefox, Edge, Brave</source>
        <translation>Cachebestanden van Safari, Chrome, Firefox, Edge, Brave</translation>
    </message>
    <message>
        <source>Log Files</source>
        <translation>Logbestanden</translation>
    </message>
    <message>
        <source>System and application log files</source>
        <translation>Logbestanden van systeem en apps</translation>
    </message>
    <message>
        <source>Crash Reports</source>
        <translation>Crashrapporten</translation>
    </message>
    <message>
        <source>Application and system crash dump files</source>
        <translation>Crashdumps van apps en systeem</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Prullenmand</translation>
    </message>
    <message>
        <source>Files in the Trash waiting to be permanently deleted</source>
        <translation>Bestanden in de prullenmand die wachten op definitieve verwijdering</translation>
    </message>
    <message>
        <source>Download Installers</source>
        <translation>Gedownloade installers</translation>
    </message>
    <message>
        <source>Installer packages accumulated in the Downloads folder</source>
        <translation>Installatiepakketten die zich in de map Downloads hebben opgestapeld</translation>
    </message>
    <message>
        <source>QuickLook Cache</source>
        <translation>Cache van Snel bekijken</translation>
    </message>
    <message>
        <source>macOS QuickLook preview thumbnail cache</source>
        <translation>Cache met voorvertoningsminiaturen van Snel bekijken in macOS</translation>
    </message>
    <message>
        <source>Homebrew Cache</source>
        <translation>Homebrew-cache</translation>
    </message>
    <message>
        <source>Homebrew package manager download and build cache</source>
        <translation>Download- en buildcache van pakketbeheerder Homebrew</translation>
    </message>
    <message>
        <source>Developer Caches</source>
        <translation>Ontwikkelaarscaches</translation>
    </message>
    <message>
        <source>Xcode derived data, simulators, npm, pip, Gradle, Maven caches</source>
        <translation>Afgeleide Xcode-gegevens, simulators, caches van npm, pip, Gradle, Maven</translation>
    </message>
    <message>
        <source>iOS Backups</source>
        <translation>iOS-reservekopieën</translation>
    </message>
    <message>
        <source>iPhone / iPad local backups stored on this Mac</source>
        <translation>Lokale reservekopieën van iPhone / iPad op deze Mac</translation>
    </message>
    <message>
        <source>Large Old Files</source>
        <translation>Grote oude bestanden</translation>
    </message>
    <message>
        <source>Old iOS firmware, app installers, and large unused data</source>
        <translation>Oude iOS-firmware, app-installers en grote ongebruikte gegevens</translation>
    </message>
    <message>
        <source>Office Cache</source>
        <translation>Office-cache</translation>
    </message>
    <message>
        <source>Microsoft Office and Apple iWork temporary files</source>
        <translation>Tijdelijke bestanden van Microsoft Office en Apple iWork</translation>
    </message>
    <message>
        <source>Font Cache</source>
        <translation>Lettertypecache</translation>
    </message>
    <message>
        <source>System font cache files</source>
        <translation>Cachebestanden van systeemlettertypen</translation>
    </message>
    <message>
        <source>Prefetch Files</source>
        <translation>Prefetch-bestanden</translation>
    </message>
    <message>
        <source>Windows Prefetch cache files</source>
        <translation>Prefetch-cachebestanden van Windows</translation>
    </message>
    <message>
        <source>Windows Update Cache</source>
        <translation>Windows Update-cache</translation>
    </message>
    <message>
        <source>Windows Update download cache</source>
        <translation>Downloadcache van Windows Update</translation>
    </message>
    <message>
        <source>Memory Dumps</source>
        <translation>Geheugendumps</translation>
    </message>
    <message>
        <source>System crash and error dump files (Windows)</source>
        <translation>Crash- en foutdumps van het systeem (Windows)</translation>
    </message>
    <message>
        <source>Windows Defender Cache</source>
        <translation>Windows Defender-cache</translation>
    </message>
    <message>
        <source>Microsoft Defender scan history and backup cache</source>
        <translation>Scangeschiedenis en back-upcache van Microsoft Defender</translation>
    </message>
    <message>
        <source>GPU Shader Cache</source>
        <translation>GPU-shadercache</translation>
    </message>
    <message>
        <source>GPU driver shader and DirectX cache (NVIDIA / AMD)</source>
        <translation>Shader- en DirectX-cache van het grafische stuurprogramma (NVIDIA / AMD)</translation>
    </message>
    <message>
        <source>Old Windows Installation</source>
        <translation>Oude Windows-installatie</translation>
    </message>
    <message>
        <source>Old system backups remaining after a Windows upgrade</source>
        <translation>Oude systeemback-ups die na een Windows-upgrade zijn achtergebleven</translation>
    </message>
    <message>
        <source>Browser Cache</source>
        <translation>Browsercache</translation>
    </message>
    <message>
        <source>Temporary web page cache files</source>
        <translation>Tijdelijke cachebestanden van webpagina&apos;s</translation>
    </message>
    <message>
        <source>Code Cache</source>
        <translation>Codecache</translation>
    </message>
    <message>
        <source>JavaScript code cache</source>
        <translation>Cache van JavaScript-code</translation>
    </message>
    <message>
        <source>GPU Cache</source>
        <translation>GPU-cache</translation>
    </message>
    <message>
        <source>GPU rendering cache</source>
        <translation>Cache voor GPU-rendering</translation>
    </message>
    <message>
        <source>Shader Cache</source>
        <translation>Shadercache</translation>
    </message>
    <message>
        <source>GPU shader compilation cache</source>
        <translation>Cache van gecompileerde GPU-shaders</translation>
    </message>
    <message>
        <source>Service Workers</source>
        <translation>Service workers</translation>
    </message>
    <message>
        <source>Service Worker cache</source>
        <translation>Cache van service workers</translation>
    </message>
    <message>
        <source>Blob Storage</source>
        <translation>Blobopslag</translation>
    </message>
    <message>
        <source>Temporary binary data storage</source>
        <translation>Tijdelijke opslag van binaire gegevens</translation>
    </message>
    <message>
        <source>WebRTC Logs</source>
        <translation>WebRTC-logs</translation>
    </message>
    <message>
        <source>Video call debug logs</source>
        <translation>Foutopsporingslogs van videogesprekken</translation>
    </message>
    <message>
        <source>Browser crash report files</source>
        <translation>Crashrapporten van de browser</translation>
    </message>
    <message>
        <source>Browser Logs</source>
        <translation>Browserlogs</translation>
    </message>
    <message>
        <source>Browser debug and error logs</source>
        <translation>Foutopsporings- en foutlogs van de browser</translation>
    </message>
    <message>
        <source>Website Thumbnails</source>
        <translation>Websiteminiaturen</translation>
    </message>
    <message>
        <source>New Tab page website thumbnails</source>
        <translation>Websiteminiaturen op de pagina Nieuw tabblad</translation>
    </message>
    <message>
        <source>Favicon Cache</source>
        <translation>Faviconcache</translation>
    </message>
    <message>
        <source>Website icon (favicon) cache</source>
        <translation>Cache van websitesymbolen (favicons)</translation>
    </message>
    <message>
        <source>Local Storage</source>
        <translation>Lokale opslag</translation>
    </message>
    <message>
        <source>Website Local Storage (site settings may be lost)</source>
        <translation>Lokale opslag van websites (website-instellingen kunnen verloren gaan)</translation>
    </message>
    <message>
        <source>IndexedDB</source>
        <translation>IndexedDB</translation>
    </message>
    <message>
        <source>Website database storage (offline data may be lost)</source>
        <translation>Databaseopslag van websites (offline gegevens kunnen verloren gaan)</translation>
    </message>
    <message>
        <source>Cookies</source>
        <translation>Cookies</translation>
    </message>
    <message>
        <source>Website Cookies (requires re-login to all sites)</source>
        <translation>Websitecookies (je moet overal opnieuw inloggen)</translation>
    </message>
    <message>
        <source>Browsing History</source>
        <translation>Browsegeschiedenis</translation>
    </message>
    <message>
        <source>Web browsing history records</source>
        <translation>Geschiedenis van bezochte websites</translation>
    </message>
    <message>
        <source>Download History</source>
        <translation>Downloadgeschiedenis</translation>
    </message>
    <message>
        <source>Download history records (downloaded files are not deleted)</source>
        <translation>Downloadgeschiedenis (gedownloade bestanden worden niet verwijderd)</translation>
    </message>
    <message>
        <source>Session Data</source>
        <translation>Sessiegegevens</translation>
    </message>
    <message>
        <source>Current and recent session data (tabs may be lost)</source>
        <translation>Gegevens van de huidige en recente sessies (tabbladen kunnen verloren gaan)</translation>
    </message>
    <message>
        <source>Form Data</source>
        <translation>Formuliergegevens</translation>
    </message>
    <message>
        <source>Autofill form data (requires re-entry after cleaning)</source>
        <translation>Gegevens voor automatisch invullen (na het opschonen opnieuw in te voeren)</translation>
    </message>
    <message>
        <source>Safe Browsing Data</source>
        <translation>Safe Browsing-gegevens</translation>
    </message>
    <message>
        <source>Safe Browsing protection data (not recommended to clean)</source>
        <translation>Beschermingsgegevens van Safe Browsing (opschonen niet aanbevolen)</translation>
    </message>
    <message>
        <source>Thumbnail Cache</source>
        <translation>Miniatuurcache</translation>
    </message>
    <message>
        <source>Preview pictures of your files made by the desktop and file manager</source>
        <translation>Voorbeeldafbeeldingen van uw bestanden, gemaakt door het bureaublad en bestandsbeheer</translation>
    </message>
    <message>
        <source>Package Caches</source>
        <translation>Pakketcaches</translation>
    </message>
    <message>
        <source>Downloads and builds kept by pip, npm, Yarn, pnpm, Cargo, Go, Gradle, Maven and ccache</source>
        <translation>Downloads en builds bewaard door pip, npm, Yarn, pnpm, Cargo, Go, Gradle, Maven en ccache</translation>
    </message>
</context>
<context>
    <name>ScanProgressDialog</name>
    <message>
        <source>Scanning for large files...</source>
        <translation>Zoeken naar grote bestanden...</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Voorbereiden...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleer</translation>
    </message>
    <message>
        <source>Scanning: %1</source>
        <translation>Scannen: %1</translation>
    </message>
    <message>
        <source>Scan Complete</source>
        <translation>Scan voltooid</translation>
    </message>
    <message>
        <source>Scan completed</source>
        <translation>Scan voltooid</translation>
    </message>
    <message>
        <source>View Results</source>
        <translation>Toon resultaten</translation>
    </message>
    <message numerus="yes">
        <source>Found %Ln large files (%1)</source>
        <translation>
            <numerusform>%Ln groot bestand gevonden (%1)</numerusform>
            <numerusform>%Ln grote bestanden gevonden (%1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>Start bij inloggen</translation>
    </message>
    <message>
        <source>Minimize to tray on close</source>
        <translation>Minimaliseer naar menubalk bij sluiten</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>Confirm before cleaning</source>
        <translation>Vraag bevestiging voor opschonen</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Opschonen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Bewaar</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Start bij inloggen</translation>
    </message>
    <message>
        <source>Sweepnook could not be set to start at login. The log has the details.</source>
        <translation>Sweepnook kon niet worden ingesteld om bij inloggen te starten. Details staan in het logbestand.</translation>
    </message>
    <message>
        <source>Sweepnook could not be kept from starting at login. The log has the details.</source>
        <translation>Het starten van Sweepnook bij inloggen kon niet worden uitgeschakeld. Details staan in het logbestand.</translation>
    </message>
</context>
<context>
    <name>StartupCardDelegate</name>
    <message>
        <source>Reveal in Finder</source>
        <translation>Toon in Finder</translation>
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
        <translation>Systeem</translation>
    </message>
    <message>
        <source>Startup Folder</source>
        <translation>Opstartmap</translation>
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
        <translation>Onbekend</translation>
    </message>
    <message>
        <source>Startup items</source>
        <translation>Opstartonderdelen</translation>
    </message>
    <message>
        <source>System-wide agents and daemons</source>
        <translation>Systeembrede agents en daemons</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>Program missing</source>
        <translation>Programma ontbreekt</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Uitgeschakeld</translation>
    </message>
</context>
<context>
    <name>StartupManager</name>
    <message>
        <source>Scanning %1...</source>
        <translation>%1 scannen...</translation>
    </message>
    <message>
        <source>Scanning startup items...</source>
        <translation>Opstartonderdelen scannen...</translation>
    </message>
    <message>
        <source>Scanning installed applications...</source>
        <translation>Geïnstalleerde apps scannen...</translation>
    </message>
</context>
<context>
    <name>StartupPage</name>
    <message>
        <source>Startup Manager</source>
        <translation>Opstartbeheer</translation>
    </message>
    <message>
        <source>Manage programs that run automatically at startup</source>
        <translation>Beheer programma&apos;s die automatisch starten bij het opstarten</translation>
    </message>
    <message>
        <source>Search programs...</source>
        <translation>Zoek programma&apos;s...</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Vernieuw</translation>
    </message>
    <message>
        <source>⚠️ Only your own startup items can be removed</source>
        <translation>⚠️ Alleen je eigen opstartonderdelen kunnen worden verwijderd</translation>
    </message>
    <message>
        <source>Scanning installed programs...</source>
        <translation>Geïnstalleerde programma&apos;s scannen...</translation>
    </message>
    <message>
        <source>First load may take a few seconds</source>
        <translation>De eerste keer laden kan enkele seconden duren</translation>
    </message>
    <message>
        <source>Cannot Modify</source>
        <translation>Kan niet wijzigen</translation>
    </message>
    <message>
        <source>This startup item was not created by Sweepnook and cannot be removed here.</source>
        <translation>Dit opstartonderdeel is niet door Sweepnook aangemaakt en kan hier niet worden verwijderd.</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>Bewerking mislukt</translation>
    </message>
    <message>
        <source>Failed to remove &quot;%1&quot; from startup.</source>
        <translation>Kan “%1” niet uit de opstartonderdelen verwijderen.</translation>
    </message>
    <message>
        <source>Failed to add &quot;%1&quot; to startup.</source>
        <translation>Kan “%1” niet aan de opstartonderdelen toevoegen.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln startup items</source>
        <translation>
            <numerusform>%Ln opstartonderdeel</numerusform>
            <numerusform>%Ln opstartonderdelen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln apps</source>
        <translation>
            <numerusform>%Ln app</numerusform>
            <numerusform>%Ln apps</numerusform>
        </translation>
    </message>
    <message>
        <source>No startup items or apps found</source>
        <translation>Geen opstartonderdelen of apps gevonden</translation>
    </message>
    <message>
        <source>No startup items match &quot;%1&quot;</source>
        <translation>Geen opstartonderdelen die overeenkomen met ‘%1’</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Ondersteuning</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Taal gewijzigd</translation>
    </message>
    <message>
        <source>Language has been changed.

The application will restart now.</source>
        <translation>De taal is gewijzigd.

De app wordt nu opnieuw gestart.</translation>
    </message>
    <message>
        <source>Restart Failed</source>
        <translation>Herstarten mislukt</translation>
    </message>
    <message>
        <source>Sweepnook could not restart itself.

Please quit and reopen it to use the new language.</source>
        <translation>Sweepnook kon zichzelf niet opnieuw starten.

Stop de app en open hem opnieuw om de nieuwe taal te gebruiken.</translation>
    </message>
</context>
<context>
    <name>TweakManager</name>
    <message>
        <source>This tweak changes Windows settings and works only on Windows.</source>
        <translation>Deze aanpassing wijzigt Windows-instellingen en werkt alleen op Windows.</translation>
    </message>
    <message>
        <source>Stopped before all services were changed.</source>
        <translation>Gestopt voordat alle services waren gewijzigd.</translation>
    </message>
    <message>
        <source>Could not change the start type of the service &quot;%1&quot;.</source>
        <translation>Kan het opstarttype van de service “%1” niet wijzigen.</translation>
    </message>
    <message>
        <source>Could not add the Ultimate Performance power plan.</source>
        <translation>Kan het energiebeheerschema ‘Ultieme prestaties’ niet toevoegen.</translation>
    </message>
</context>
<context>
    <name>TweaksPage</name>
    <message>
        <source>These tweaks change Windows settings and act only on Windows. Nothing on this Mac is changed.</source>
        <translation>Deze aanpassingen wijzigen Windows-instellingen en werken alleen op Windows. Op deze Mac wordt niets gewijzigd.</translation>
    </message>
    <message>
        <source>System Tweaks</source>
        <translation>Systeemaanpassingen</translation>
    </message>
    <message>
        <source>Fine-tune privacy, performance and interface settings of Windows</source>
        <translation>Verfijn de privacy-, prestatie- en interface-instellingen van Windows</translation>
    </message>
    <message>
        <source>Apply recommended</source>
        <translation>Pas aanbevolen toe</translation>
    </message>
    <message>
        <source>No tweaks are available.</source>
        <translation>Er zijn geen aanpassingen beschikbaar.</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>Let op</translation>
    </message>
    <message>
        <source>Works only with Tamper Protection switched off in Windows Security.</source>
        <translation>Werkt alleen als Beveiliging tegen manipulatie is uitgeschakeld in Windows-beveiliging.</translation>
    </message>
    <message>
        <source>Only available on Windows</source>
        <translation>Alleen beschikbaar op Windows</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacy</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Prestaties</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Beveiliging</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 of %2 on</source>
        <translation>%1 van %2 aan</translation>
    </message>
</context>
<context>
    <name>UnreadableNote</name>
    <message numerus="yes">
        <source>%Ln folders could not be read, among them %1. To include them, allow Sweepnook Full Disk Access in System Settings &gt; Privacy &amp; Security.</source>
        <translation>
            <numerusform>%Ln map kon niet worden gelezen: %1. Geef Sweepnook ‘Toegang tot volledige schijf’ in Systeeminstellingen &gt; Privacy en beveiliging om deze mee te nemen.</numerusform>
            <numerusform>%Ln mappen konden niet worden gelezen, waaronder %1. Geef Sweepnook ‘Toegang tot volledige schijf’ in Systeeminstellingen &gt; Privacy en beveiliging om ze mee te nemen.</numerusform>
        </translation>
    </message>
</context>
</TS>
