<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Your Personal System Butler</source>
        <translation>Il tuo maggiordomo di sistema personale</translation>
    </message>
    <message>
        <source>🧹 Junk Cleaner - Free up valuable disk space</source>
        <translation>🧹 Pulizia file inutili - Libera prezioso spazio su disco</translation>
    </message>
    <message>
        <source>🌐 Browser Cleaner - Protect your privacy</source>
        <translation>🌐 Pulizia browser - Proteggi la tua privacy</translation>
    </message>
    <message>
        <source>🔧 Registry Cleaner - Boost system performance</source>
        <translation>🔧 Pulizia registro - Migliora le prestazioni del sistema</translation>
    </message>
    <message>
        <source>⚡ Startup Manager - Speed up boot time</source>
        <translation>⚡ Gestione avvio - Velocizza l&apos;avvio</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Made by Quelmo</source>
        <translation>Creato da Quelmo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>📊 Dashboard - Scan everything at once and clean in one click</source>
        <translation>📊 Panoramica - Analizza tutto insieme e pulisci con un clic</translation>
    </message>
    <message>
        <source>📁 Large Files - Find what takes up your disk</source>
        <translation>📁 File grandi - Trova cosa occupa il disco</translation>
    </message>
    <message>
        <source>📑 Duplicate Files - Remove identical copies</source>
        <translation>📑 Duplicati - Rimuovi le copie identiche</translation>
    </message>
    <message>
        <source>📦 App Uninstaller - Remove apps with their leftovers</source>
        <translation>📦 Disinstallazione app - Rimuovi le app con i loro residui</translation>
    </message>
    <message>
        <source>🛡️ Privacy Cleaner - Clear recent-files lists and other traces</source>
        <translation>🛡️ Privacy - Cancella gli elenchi dei file recenti e altre tracce</translation>
    </message>
</context>
<context>
    <name>AppCardDelegate</name>
    <message>
        <source>Part of macOS</source>
        <translation>Parte di macOS</translation>
    </message>
    <message>
        <source>+%1 leftovers</source>
        <translation>+%1 di residui</translation>
    </message>
    <message>
        <source>bundle identifier</source>
        <translation>ID bundle</translation>
    </message>
    <message>
        <source>name only</source>
        <translation>solo nome</translation>
    </message>
    <message>
        <source>shared with macOS</source>
        <translation>condiviso con macOS</translation>
    </message>
</context>
<context>
    <name>AppUninstaller</name>
    <message>
        <source>It is part of macOS and cannot be removed.</source>
        <translation>Questa app fa parte di macOS e non può essere rimossa.</translation>
    </message>
    <message>
        <source>It is not in an Applications folder.</source>
        <translation>Questa app non si trova in una cartella Applicazioni.</translation>
    </message>
    <message>
        <source>Close the app first.</source>
        <translation>Chiudi prima l&apos;app.</translation>
    </message>
    <message>
        <source>Could not tell whether it is running. Close the app first.</source>
        <translation>Impossibile stabilire se l&apos;app è aperta. Chiudila prima.</translation>
    </message>
    <message>
        <source>It could not be moved to the Trash: %1.</source>
        <translation>Impossibile spostarla nel Cestino: %1.</translation>
    </message>
    <message>
        <source>It is on a read-only volume and cannot be removed.</source>
        <translation>Si trova su un volume di sola lettura e non può essere rimossa.</translation>
    </message>
    <message>
        <source>It is no longer where the scan found it.</source>
        <translation>Non si trova più dove l’ha trovata la scansione.</translation>
    </message>
</context>
<context>
    <name>AppUninstallerPage</name>
    <message>
        <source>App Uninstaller</source>
        <translation>Disinstallazione app</translation>
    </message>
    <message>
        <source>Completely remove apps and their leftover files</source>
        <translation>Rimuovi completamente le app e i loro file residui</translation>
    </message>
    <message>
        <source>Search apps...</source>
        <translation>Cerca app...</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>No apps selected</source>
        <translation>Nessuna app selezionata</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Disinstalla</translation>
    </message>
    <message>
        <source>Scanning installed apps...</source>
        <translation>Scansione delle app installate...</translation>
    </message>
    <message>
        <source>No applications were found in the Applications folders.</source>
        <translation>Nessuna applicazione trovata nelle cartelle Applicazioni.</translation>
    </message>
    <message>
        <source>No apps match &quot;%1&quot;.</source>
        <translation>Nessuna app corrisponde a “%1”.</translation>
    </message>
    <message>
        <source>Uninstalling %1...</source>
        <translation>Disinstallazione di %1...</translation>
    </message>
    <message>
        <source>Apps will be moved to Trash.</source>
        <translation>Le app verranno spostate nel Cestino.</translation>
    </message>
    <message>
        <source>Confirm Uninstall</source>
        <translation>Conferma disinstallazione</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Could not uninstall %1.
%2</source>
        <translation>Impossibile disinstallare %1.
%2</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message numerus="yes">
        <source>%Ln apps</source>
        <translation>
            <numerusform>%Ln app</numerusform>
            <numerusform>%Ln app</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 / %Ln apps</source>
        <translation>
            <numerusform>%1 / %Ln app</numerusform>
            <numerusform>%1 / %Ln app</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln app(s) selected</source>
        <translation>
            <numerusform>%Ln app selezionata</numerusform>
            <numerusform>%Ln app selezionate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Uninstall %Ln app(s) and their leftover files?</source>
        <translation>
            <numerusform>Disinstallare %Ln app e i suoi file residui?</numerusform>
            <numerusform>Disinstallare %Ln app e i loro file residui?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more</source>
        <translation>
            <numerusform>e %Ln altra</numerusform>
            <numerusform>e altre %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Apps and %Ln selected leftover items (%1) will be moved to Trash.</source>
        <translation>
            <numerusform>Le app e %Ln elemento residuo selezionato (%1) verranno spostati nel Cestino.</numerusform>
            <numerusform>Le app e %Ln elementi residui selezionati (%1) verranno spostati nel Cestino.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 was moved to Trash, but %Ln of its leftover items could not be moved.</source>
        <translation>
            <numerusform>%1 è nel Cestino, ma non è stato possibile spostare %Ln dei suoi elementi residui.</numerusform>
            <numerusform>%1 è nel Cestino, ma non è stato possibile spostare %Ln dei suoi elementi residui.</numerusform>
        </translation>
    </message>
    <message>
        <source>The app will be moved to the Trash.</source>
        <translation>L&apos;app verrà spostata nel Cestino.</translation>
    </message>
    <message numerus="yes">
        <source>The app and %Ln selected leftover items (%1) will be moved to the Trash.</source>
        <translation>
            <numerusform>L&apos;app e %Ln elemento residuo selezionato (%1) verranno spostati nel Cestino.</numerusform>
            <numerusform>L&apos;app e %Ln elementi residui selezionati (%1) verranno spostati nel Cestino.</numerusform>
        </translation>
    </message>
    <message>
        <source>Moved %1 (%2) to the Trash.</source>
        <translation>L&apos;app %1 (%2) è stata spostata nel Cestino.</translation>
    </message>
    <message numerus="yes">
        <source>Moved %1 and %Ln leftover items (%2) to the Trash.</source>
        <translation>
            <numerusform>L&apos;app %1 e %Ln elemento residuo (%2) sono stati spostati nel Cestino.</numerusform>
            <numerusform>L&apos;app %1 e %Ln elementi residui (%2) sono stati spostati nel Cestino.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %Ln apps (%1) to the Trash.</source>
        <translation>
            <numerusform>%Ln app (%1) è stata spostata nel Cestino.</numerusform>
            <numerusform>%Ln app (%1) sono state spostate nel Cestino.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %Ln apps and %1 (%2) to the Trash.</source>
        <translation>
            <numerusform>%Ln app e %1 (%2) sono stati spostati nel Cestino.</numerusform>
            <numerusform>%Ln app e %1 (%2) sono stati spostati nel Cestino.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln leftover items</source>
        <translation>
            <numerusform>%Ln elemento residuo</numerusform>
            <numerusform>%Ln elementi residui</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BasePage</name>
    <message>
        <source>Cleanable</source>
        <translation>Recuperabile</translation>
    </message>
    <message>
        <source>Click &quot;Start Scanning&quot; to find cleanable items</source>
        <translation>Fai clic su “Avvia scansione” per trovare elementi da pulire</translation>
    </message>
    <message>
        <source>Selected: --</source>
        <translation>Selezione: --</translation>
    </message>
    <message>
        <source>Start Scanning</source>
        <translation>Avvia scansione</translation>
    </message>
    <message>
        <source>Clean Now</source>
        <translation>Pulisci ora</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>No items selected</source>
        <translation>Nessun elemento selezionato</translation>
    </message>
    <message>
        <source>Confirm Clean</source>
        <translation>Conferma pulizia</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to clean %Ln selected items?
This action cannot be undone!</source>
        <translation>
            <numerusform>Vuoi davvero pulire %Ln elemento selezionato?
Questa azione non può essere annullata!</numerusform>
            <numerusform>Vuoi davvero pulire i %Ln elementi selezionati?
Questa azione non può essere annullata!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cleaned %Ln items, freed %1</source>
        <translation>
            <numerusform>%Ln elemento pulito, %1 liberati</numerusform>
            <numerusform>%Ln elementi puliti, %1 liberati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln items, %1</source>
        <translation>
            <numerusform>Selezione: %Ln elemento, %1</numerusform>
            <numerusform>Selezione: %Ln elementi, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln items</source>
        <translation>
            <numerusform>%Ln elemento</numerusform>
            <numerusform>%Ln elementi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln items</source>
        <translation>
            <numerusform>Selezione: %Ln elemento</numerusform>
            <numerusform>Selezione: %Ln elementi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be removed and stay in the list with the reason.</source>
        <translation>
            <numerusform>Impossibile rimuovere %Ln elemento, che resta nell&apos;elenco con il motivo.</numerusform>
            <numerusform>Impossibile rimuovere %Ln elementi, che restano nell&apos;elenco con il motivo.</numerusform>
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
        <translation>Questi browser sono aperti e sono stati saltati; chiudili per pulirli:
%1</translation>
    </message>
    <message>
        <source>outside the browsers&apos; folders</source>
        <translation>fuori dalle cartelle dei browser</translation>
    </message>
    <message>
        <source>the history could not be cleared</source>
        <translation>impossibile cancellare la cronologia</translation>
    </message>
    <message>
        <source>it could not be removed</source>
        <translation>impossibile rimuoverlo</translation>
    </message>
    <message>
        <source>the records could not be cleared</source>
        <translation>impossibile cancellare le voci</translation>
    </message>
</context>
<context>
    <name>BrowserGroupHeader</name>
    <message numerus="yes">
        <source>%Ln items  ·  %1</source>
        <translation>
            <numerusform>%Ln elemento  ·  %1</numerusform>
            <numerusform>%Ln elementi  ·  %1</numerusform>
        </translation>
    </message>
    <message>
        <source>View Details</source>
        <translation>Mostra dettagli</translation>
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
        <translation>Pulizia browser</translation>
    </message>
    <message>
        <source>Clean caches, cookies and history of your browsers</source>
        <translation>Pulisci cache, cookie e cronologia dei tuoi browser</translation>
    </message>
    <message>
        <source>Browsers:</source>
        <translation>Browser:</translation>
    </message>
    <message>
        <source>No supported browser was found for this user.</source>
        <translation>Nessun browser supportato trovato per questo utente.</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Trovato</translation>
    </message>
</context>
<context>
    <name>CategoryWidget</name>
    <message numerus="yes">
        <source>%Ln items</source>
        <translation>
            <numerusform>%Ln elemento</numerusform>
            <numerusform>%Ln elementi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Load more (%Ln remaining)</source>
        <translation>
            <numerusform>Carica altri (%Ln rimanente)</numerusform>
            <numerusform>Carica altri (%Ln rimanenti)</numerusform>
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
        <translation>Da pulire</translation>
    </message>
</context>
<context>
    <name>CleanItem</name>
    <message>
        <source>Low</source>
        <translation>Basso</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alto</translation>
    </message>
    <message numerus="yes">
        <source>%n B</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n byte</numerusform>
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
        <translation>Dimensione sconosciuta</translation>
    </message>
    <message>
        <source>at least %1</source>
        <translation>almeno %1</translation>
    </message>
</context>
<context>
    <name>CleanItemWidget</name>
    <message>
        <source>Not removed: %1</source>
        <translation>Non rimosso: %1</translation>
    </message>
</context>
<context>
    <name>DashboardPage</name>
    <message>
        <source>Ready to Clean Your Mac</source>
        <translation>Pronto a pulire il tuo Mac</translation>
    </message>
    <message>
        <source>Click the button below to scan for junk files and free up space</source>
        <translation>Fai clic sul pulsante qui sotto per cercare file inutili e liberare spazio</translation>
    </message>
    <message>
        <source>🔍  Start Full Scan</source>
        <translation>🔍  Avvia scansione completa</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Preparazione...</translation>
    </message>
    <message>
        <source>Sweepnook %1</source>
        <translation>Sweepnook %1</translation>
    </message>
    <message>
        <source>Keep Your Mac Running at Peak Performance</source>
        <translation>Mantieni il tuo Mac al massimo delle prestazioni</translation>
    </message>
    <message>
        <source>Junk Files</source>
        <translation>File inutili</translation>
    </message>
    <message>
        <source>Browser Data</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Registry Issues</source>
        <translation>Problemi del registro</translation>
    </message>
    <message>
        <source>Ready to scan</source>
        <translation>Pronto per la scansione</translation>
    </message>
    <message>
        <source>🔍 Start Scan</source>
        <translation>🔍 Scansiona</translation>
    </message>
    <message>
        <source>🗑️ Clean All</source>
        <translation>🗑️ Pulisci tutto</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;font-weight:600;&apos;&gt;Tip:&lt;/span&gt; Regular cleaning can significantly improve your Mac&apos;s performance</source>
        <translation>&lt;span style=&apos;font-weight:600;&apos;&gt;Suggerimento:&lt;/span&gt; una pulizia regolare può migliorare sensibilmente le prestazioni del tuo Mac</translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation>Scansione in corso...</translation>
    </message>
    <message>
        <source>Can be cleaned</source>
        <translation>Da pulire</translation>
    </message>
    <message>
        <source>Last scan: just now</source>
        <translation>Ultima scansione: proprio ora</translation>
    </message>
    <message numerus="yes">
        <source>Last scan: %Ln min ago</source>
        <translation>
            <numerusform>Ultima scansione: %Ln min fa</numerusform>
            <numerusform>Ultima scansione: %Ln min fa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Last scan: %Ln h ago</source>
        <translation>
            <numerusform>Ultima scansione: %Ln ora fa</numerusform>
            <numerusform>Ultima scansione: %Ln ore fa</numerusform>
        </translation>
    </message>
    <message>
        <source>Last scan: %1</source>
        <translation>Ultima scansione: %1</translation>
    </message>
    <message>
        <source>Cleaned %1</source>
        <translation>%1 puliti</translation>
    </message>
    <message>
        <source>Ring: %1 of what the scan found is selected</source>
        <translation>Anello: %1 di quanto trovato è selezionato</translation>
    </message>
    <message>
        <source>The scan found nothing to clean</source>
        <translation>La scansione non ha trovato nulla da pulire</translation>
    </message>
    <message>
        <source>Can be cleaned (at least)</source>
        <translation>Da pulire (almeno)</translation>
    </message>
</context>
<context>
    <name>DetailItemWidget</name>
    <message>
        <source>Show in Finder</source>
        <translation>Mostra nel Finder</translation>
    </message>
</context>
<context>
    <name>DuplicateFinderPage</name>
    <message>
        <source>Duplicate File Finder</source>
        <translation>Ricerca duplicati</translation>
    </message>
    <message>
        <source>Find and remove identical files to free up disk space</source>
        <translation>Trova e rimuovi i file identici per liberare spazio su disco</translation>
    </message>
    <message>
        <source>SELECT LOCATION</source>
        <translation>SELEZIONA POSIZIONE</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documenti</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Scrivania</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Immagini</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musica</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Filmati</translation>
    </message>
    <message>
        <source>User Volume</source>
        <translation>Volume utente</translation>
    </message>
    <message>
        <source>Entire Disk</source>
        <translation>Intero disco</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Scegli…</translation>
    </message>
    <message>
        <source>Min file size:</source>
        <translation>Dimensione min.:</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>Avvia scansione</translation>
    </message>
    <message>
        <source>Collecting files...</source>
        <translation>Raccolta dei file...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>← New Scan</source>
        <translation>← Nuova scansione</translation>
    </message>
    <message>
        <source>Keep Newest  ▾</source>
        <translation>Mantieni il più recente  ▾</translation>
    </message>
    <message>
        <source>Keep Newest  (delete older duplicates)</source>
        <translation>Mantieni il più recente  (elimina i duplicati più vecchi)</translation>
    </message>
    <message>
        <source>Keep Oldest   (delete newer duplicates)</source>
        <translation>Mantieni il più vecchio   (elimina i duplicati più recenti)</translation>
    </message>
    <message>
        <source>Keep Oldest  ▾</source>
        <translation>Mantieni il più vecchio  ▾</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Choose Folder to Scan</source>
        <translation>Scegli la cartella da analizzare</translation>
    </message>
    <message>
        <source>Choose Another Folder…</source>
        <translation>Scegli un&apos;altra cartella…</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Rimuovi %1</translation>
    </message>
    <message>
        <source>Path: (none selected)</source>
        <translation>Percorso: (nessuna selezione)</translation>
    </message>
    <message>
        <source>No Location Selected</source>
        <translation>Nessuna posizione selezionata</translation>
    </message>
    <message>
        <source>Please select at least one location to scan.</source>
        <translation>Seleziona almeno una posizione da analizzare.</translation>
    </message>
    <message>
        <source>Full Disk Scan</source>
        <translation>Scansione dell&apos;intero disco</translation>
    </message>
    <message>
        <source>Scanning the entire disk may take several minutes.
Continue?</source>
        <translation>La scansione dell&apos;intero disco può richiedere diversi minuti.
Continuare?</translation>
    </message>
    <message>
        <source>Scanning files...</source>
        <translation>Scansione dei file...</translation>
    </message>
    <message>
        <source>Reading %1  ·  %2 of %3</source>
        <translation>Lettura di %1  ·  %2 di %3</translation>
    </message>
    <message>
        <source>No Duplicates Found</source>
        <translation>Nessun duplicato trovato</translation>
    </message>
    <message>
        <source>Great news! No duplicate files were found. 🎉</source>
        <translation>Ottime notizie! Non è stato trovato nessun file duplicato. 🎉</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annullamento...</translation>
    </message>
    <message>
        <source>  ·  %1 freed</source>
        <translation>  ·  %1 liberati</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Conferma eliminazione</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Sposta nel Cestino</translation>
    </message>
    <message>
        <source>Delete Permanently</source>
        <translation>Elimina definitivamente</translation>
    </message>
    <message>
        <source>Deleting…</source>
        <translation>Eliminazione…</translation>
    </message>
    <message>
        <source>Deleting %1 / %2</source>
        <translation>Eliminazione %1 / %2</translation>
    </message>
    <message>
        <source>Duplicates Removed</source>
        <translation>Duplicati rimossi</translation>
    </message>
    <message>
        <source>Partial Failure</source>
        <translation>Errore parziale</translation>
    </message>
    <message>
        <source>The log lists each file and why.</source>
        <translation>Il log riporta ogni file e il motivo.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln&lt;/b&gt; groups  ·  &lt;span style=&apos;color:%1;font-weight:600;&apos;&gt;%2 can be freed&lt;/span&gt;</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln&lt;/b&gt; gruppo  ·  &lt;span style=&apos;color:%1;font-weight:600;&apos;&gt;%2 recuperabili&lt;/span&gt;</numerusform>
            <numerusform>&lt;b&gt;%Ln&lt;/b&gt; gruppi  ·  &lt;span style=&apos;color:%1;font-weight:600;&apos;&gt;%2 recuperabili&lt;/span&gt;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %Ln file(s) to the Trash, or delete them permanently?</source>
        <translation>
            <numerusform>Spostare %Ln file nel Cestino o eliminarlo definitivamente?</numerusform>
            <numerusform>Spostare %Ln file nel Cestino o eliminarli definitivamente?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every copy of %Ln group(s) is checked: the newest copy of each will be kept.</source>
        <translation>
            <numerusform>Tutte le copie di %Ln gruppo sono selezionate: verrà mantenuta la copia più recente.</numerusform>
            <numerusform>Tutte le copie di %Ln gruppi sono selezionate: verrà mantenuta la copia più recente di ciascuno.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Permanently delete %Ln file(s)?
This cannot be undone.</source>
        <translation>
            <numerusform>Eliminare definitivamente %Ln file?
Questa azione non può essere annullata.</numerusform>
            <numerusform>Eliminare definitivamente %Ln file?
Questa azione non può essere annullata.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) deleted permanently (%1).</source>
        <translation>
            <numerusform>%Ln file eliminato definitivamente (%1).</numerusform>
            <numerusform>%Ln file eliminati definitivamente (%1).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) moved to the Trash (%1); you can put them back from there.</source>
        <translation>
            <numerusform>%Ln file spostato nel Cestino (%1); puoi ripristinarlo da lì.</numerusform>
            <numerusform>%Ln file spostati nel Cestino (%1); puoi ripristinarli da lì.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be deleted.</source>
        <translation>
            <numerusform>Impossibile eliminare %Ln file.</numerusform>
            <numerusform>Impossibile eliminare %Ln file.</numerusform>
        </translation>
    </message>
    <message>
        <source>Path: %1</source>
        <translation>Percorso: %1</translation>
    </message>
    <message>
        <source>Deleted permanently: %1</source>
        <translation>Eliminato definitivamente: %1</translation>
    </message>
    <message>
        <source>Moved to the Trash: %1</source>
        <translation>Spostato nel Cestino: %1</translation>
    </message>
    <message>
        <source>Left in place: %1</source>
        <translation>Lasciato al suo posto: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be moved to the Trash and were left in place; none was deleted.</source>
        <translation>
            <numerusform>Impossibile spostare %Ln file nel Cestino: è rimasto al suo posto e non è stato eliminato nulla.</numerusform>
            <numerusform>Impossibile spostare %Ln file nel Cestino: sono rimasti al loro posto e nessuno è stato eliminato.</numerusform>
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
        <translation>  ·  %1 nel Cestino finché non lo svuoti</translation>
    </message>
    <message>
        <source>Ticked: every copy but the likely original (not in Downloads, no &quot;copy&quot; or &quot;(1)&quot; in its name, the oldest, the shortest path). 🔒 Copies in apps, packages and Library are never ticked.</source>
        <translation>Selezionate: tutte le copie tranne il probabile originale (non in Download, senza «copia» o «(1)» nel nome, il più vecchio, il percorso più breve). 🔒 Le copie dentro app, pacchetti e Libreria non vengono mai selezionate.</translation>
    </message>
    <message>
        <source>Keep Original  ▾</source>
        <translation>Mantieni originale  ▾</translation>
    </message>
    <message>
        <source>Keep Original  (the likely original of each group)</source>
        <translation>Mantieni originale  (il probabile originale di ogni gruppo)</translation>
    </message>
</context>
<context>
    <name>DuplicateGroupDelegate</name>
    <message>
        <source>save %1</source>
        <translation>risparmi %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln identical files  ·  %1 each  ·  </source>
        <translation>
            <numerusform>%Ln file identico  ·  %1 ciascuno  ·  </numerusform>
            <numerusform>%Ln file identici  ·  %1 ciascuno  ·  </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileUtils</name>
    <message>
        <source>permission denied</source>
        <translation>permesso negato</translation>
    </message>
    <message>
        <source>it is in use</source>
        <translation>è in uso</translation>
    </message>
    <message>
        <source>the volume is read-only</source>
        <translation>il volume è di sola lettura</translation>
    </message>
    <message>
        <source>the folder is not empty</source>
        <translation>la cartella non è vuota</translation>
    </message>
    <message>
        <source>another volume is mounted there</source>
        <translation>lì è montato un altro volume</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>non è una cartella</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>it changed while being removed</source>
        <translation>è cambiato durante la rimozione</translation>
    </message>
    <message>
        <source>its folder is not open</source>
        <translation>la sua cartella non è aperta</translation>
    </message>
    <message>
        <source>outside %1</source>
        <translation>fuori da %1</translation>
    </message>
    <message>
        <source>the folder itself</source>
        <translation>la cartella stessa</translation>
    </message>
    <message>
        <source>&quot;.&quot; or &quot;..&quot; in the path</source>
        <translation>«.» o «..» nel percorso</translation>
    </message>
    <message>
        <source>a link or a file on the way: %1</source>
        <translation>un link o un file lungo il percorso: %1</translation>
    </message>
    <message>
        <source>another volume on the way: %1</source>
        <translation>un altro volume lungo il percorso: %1</translation>
    </message>
    <message>
        <source>it changed since it was chosen</source>
        <translation>è cambiato da quando è stato scelto</translation>
    </message>
</context>
<context>
    <name>HomeTrash</name>
    <message>
        <source>it is no longer there</source>
        <translation>l’elemento non è più lì</translation>
    </message>
    <message>
        <source>the Finder could not be asked (osascript did not start)</source>
        <translation>impossibile interpellare il Finder (osascript non si è avviato)</translation>
    </message>
    <message>
        <source>the Finder did not answer within %1 seconds; it may be waiting for your permission or password</source>
        <translation>il Finder non ha risposto entro %1 secondi; potrebbe essere in attesa della tua autorizzazione o password</translation>
    </message>
    <message>
        <source>the Finder left it where it was</source>
        <translation>il Finder l’ha lasciato dov’era</translation>
    </message>
    <message>
        <source>Sweepnook is not allowed to control the Finder (System Settings &gt; Privacy &amp; Security &gt; Automation)</source>
        <translation>Sweepnook non è autorizzato a controllare il Finder (Impostazioni di Sistema &gt; Privacy e sicurezza &gt; Automazione)</translation>
    </message>
    <message>
        <source>the Finder refused (exit code %1)</source>
        <translation>il Finder ha rifiutato (codice di uscita %1)</translation>
    </message>
    <message>
        <source>the Finder refused: %1</source>
        <translation>il Finder ha rifiutato: %1</translation>
    </message>
    <message>
        <source>the Trash folder cannot be used: %1</source>
        <translation>impossibile usare la cartella del Cestino: %1</translation>
    </message>
    <message>
        <source>it is on another volume than your Trash</source>
        <translation>l&apos;elemento si trova su un volume diverso da quello del Cestino</translation>
    </message>
    <message>
        <source>it is in the Trash already</source>
        <translation>l’elemento è già nel Cestino</translation>
    </message>
    <message>
        <source>too many items of that name in the Trash</source>
        <translation>troppi elementi con quel nome nel Cestino</translation>
    </message>
    <message>
        <source>a volume is mounted inside it (%1)</source>
        <translation>al suo interno è montato un volume (%1)</translation>
    </message>
</context>
<context>
    <name>ItemDetailDialog</name>
    <message numerus="yes">
        <source>%1  |  %Ln files</source>
        <translation>
            <numerusform>%1  |  %Ln file</numerusform>
            <numerusform>%1  |  %Ln file</numerusform>
        </translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Azione</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
</context>
<context>
    <name>JunkCleaner</name>
    <message>
        <source>outside the folders of its rule</source>
        <translation>fuori dalle cartelle della sua regola</translation>
    </message>
    <message>
        <source>These browsers are running, so their caches were left; close them to clean them:
%1</source>
        <translation>Questi browser sono aperti, quindi le loro cache sono state lasciate; chiudili per pulirle:
%1</translation>
    </message>
</context>
<context>
    <name>JunkPage</name>
    <message>
        <source>Junk Cleaner</source>
        <translation>Pulizia file inutili</translation>
    </message>
    <message>
        <source>Clean system temp files, cache and logs</source>
        <translation>Pulisci file temporanei, cache e log di sistema</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Trovato</translation>
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
        <translation>%1, %2 su disco</translation>
    </message>
    <message>
        <source>via %1</source>
        <translation>tramite %1</translation>
    </message>
</context>
<context>
    <name>LargeFilePage</name>
    <message>
        <source>Find Large Files</source>
        <translation>Trova file grandi</translation>
    </message>
    <message>
        <source>Scan your drives and remove files that are taking up the most space</source>
        <translation>Analizza i tuoi dischi e rimuovi i file che occupano più spazio</translation>
    </message>
    <message>
        <source>SELECT VOLUME</source>
        <translation>SELEZIONA VOLUME</translation>
    </message>
    <message>
        <source>Min file size:</source>
        <translation>Dimensione min.:</translation>
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
        <translation>Personalizzata...</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>Avvia scansione</translation>
    </message>
    <message>
        <source>Scan Results</source>
        <translation>Risultati della scansione</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>Tutti i tipi</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>Archivi</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Immagini</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documenti</translation>
    </message>
    <message>
        <source>Packages</source>
        <translation>Pacchetti</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>Largest first</source>
        <translation>Prima i più grandi</translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation>Prima i più recenti</translation>
    </message>
    <message>
        <source>← Back</source>
        <translation>← Indietro</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Elimina selezionati</translation>
    </message>
    <message>
        <source>Local Disk</source>
        <translation>Disco locale</translation>
    </message>
    <message>
        <source>Remove from list</source>
        <translation>Rimuovi dall&apos;elenco</translation>
    </message>
    <message>
        <source>Add location</source>
        <translation>Aggiungi posizione</translation>
    </message>
    <message>
        <source>Select a volume above to begin scanning.</source>
        <translation>Seleziona un volume qui sopra per iniziare la scansione.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln volume(s) selected. Sweepnook will scan for files larger than %1.</source>
        <translation>
            <numerusform>%Ln volume selezionato. Sweepnook cercherà i file più grandi di %1.</numerusform>
            <numerusform>%Ln volumi selezionati. Sweepnook cercherà i file più grandi di %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose Folder to Scan</source>
        <translation>Scegli la cartella da analizzare</translation>
    </message>
    <message>
        <source>Custom File Size</source>
        <translation>Dimensione file personalizzata</translation>
    </message>
    <message>
        <source>Enter minimum file size (MB):</source>
        <translation>Inserisci la dimensione minima dei file (MB):</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <source>Please select at least one drive to scan.</source>
        <translation>Seleziona almeno un disco da analizzare.</translation>
    </message>
    <message>
        <source>No large files found that match the criteria.</source>
        <translation>Nessun file grande corrisponde ai criteri.</translation>
    </message>
    <message>
        <source>Scan Completed</source>
        <translation>Scansione completata</translation>
    </message>
    <message>
        <source>%1 freed</source>
        <translation>%1 liberati</translation>
    </message>
    <message>
        <source>%1 in the Trash until you empty it</source>
        <translation>%1 nel Cestino finché non lo svuoti</translation>
    </message>
    <message>
        <source>Delete this file</source>
        <translation>Elimina questo file</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Conferma eliminazione</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Sposta nel Cestino</translation>
    </message>
    <message>
        <source>Delete Permanently</source>
        <translation>Elimina definitivamente</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this file?

%1
Size: %2</source>
        <translation>Vuoi davvero eliminare questo file?

%1
Dimensione: %2</translation>
    </message>
    <message>
        <source>This file is only in iCloud: deleting it frees no space on this Mac and removes it from all your devices.</source>
        <translation>Questo file si trova solo su iCloud: eliminarlo non libera spazio su questo Mac e lo rimuove da tutti i tuoi dispositivi.</translation>
    </message>
    <message>
        <source>Move to Trash keeps it until you empty the Trash. Delete Permanently cannot be undone!</source>
        <translation>“Sposta nel Cestino” lo conserva finché non svuoti il Cestino. “Elimina definitivamente” non può essere annullato!</translation>
    </message>
    <message>
        <source>Move to Trash keeps them until you empty the Trash. Delete Permanently cannot be undone!</source>
        <translation>“Sposta nel Cestino” li conserva finché non svuoti il Cestino. “Elimina definitivamente” non può essere annullato!</translation>
    </message>
    <message>
        <source>Deleting...</source>
        <translation>Eliminazione...</translation>
    </message>
    <message>
        <source>Unable to delete this file. It may be in use by another program.</source>
        <translation>Impossibile eliminare questo file. Potrebbe essere in uso da parte di un altro programma.</translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation>Eliminazione non riuscita</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>All files have been deleted</source>
        <translation>Tutti i file sono stati eliminati</translation>
    </message>
    <message>
        <source>%1 moved to the Trash: empty the Trash to free the space.</source>
        <translation>%1 spostati nel Cestino: svuota il Cestino per liberare lo spazio.</translation>
    </message>
    <message>
        <source>%1 freed.</source>
        <translation>%1 liberati.</translation>
    </message>
    <message>
        <source>Delete Completed</source>
        <translation>Eliminazione completata</translation>
    </message>
    <message numerus="yes">
        <source>Found %Ln large files, total %1</source>
        <translation>
            <numerusform>Trovato %Ln file grande, %1 in totale</numerusform>
            <numerusform>Trovati %Ln file grandi, %1 in totale</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln files (%1)</source>
        <translation>
            <numerusform>Selezione: %Ln file (%1)</numerusform>
            <numerusform>Selezione: %Ln file (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete the selected %Ln files?

Total: %1</source>
        <translation>
            <numerusform>Vuoi davvero eliminare %Ln file selezionato?

Totale: %1</numerusform>
            <numerusform>Vuoi davvero eliminare i %Ln file selezionati?

Totale: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleted %Ln files successfully.</source>
        <translation>
            <numerusform>%Ln file eliminato.</numerusform>
            <numerusform>%Ln file eliminati.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 used</source>
        <translation>%1 usati</translation>
    </message>
    <message>
        <source>%1 total</source>
        <translation>%1 totali</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Mostra nel Finder</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files failed to delete.</source>
        <translation>
            <numerusform>Impossibile eliminare %Ln file.</numerusform>
            <numerusform>Impossibile eliminare %Ln file.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LargeFileScanner</name>
    <message>
        <source>It changed since the scan</source>
        <translation>È cambiato dopo la scansione</translation>
    </message>
    <message>
        <source>It is not among the results of the scan</source>
        <translation>Non è tra i risultati della scansione</translation>
    </message>
</context>
<context>
    <name>LinkManager</name>
    <message>
        <source>配置错误</source>
        <translation>Errore di configurazione</translation>
    </message>
    <message>
        <source>无法加载页面链接。

请联系技术支持或重新安装软件。</source>
        <translation>Impossibile caricare il link della pagina.

Contatta l&apos;assistenza o reinstalla l&apos;app.</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>Impossibile aprire il browser</translation>
    </message>
    <message>
        <source>无法打开默认浏览器。

请手动复制链接访问：
%1</source>
        <translation>Impossibile aprire il browser predefinito.

Copia il link e aprilo manualmente:
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Dashboard</source>
        <translation>Panoramica</translation>
    </message>
    <message>
        <source>Junk Cleaner</source>
        <translation>File inutili</translation>
    </message>
    <message>
        <source>Browser Cleaner</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Registry Cleaner</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Startup Manager</source>
        <translation>Avvio</translation>
    </message>
    <message>
        <source>Large Files</source>
        <translation>File grandi</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>Ottimizzazione</translation>
    </message>
    <message>
        <source>App Uninstaller</source>
        <translation>Disinstallazione</translation>
    </message>
    <message>
        <source>Duplicate Files</source>
        <translation>Duplicati</translation>
    </message>
    <message>
        <source>Privacy Cleaner</source>
        <translation>Privacy</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Contrai</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Sweepnook - Mac Cleaning Tool</source>
        <translation>Sweepnook - Strumento di pulizia per Mac</translation>
    </message>
    <message>
        <source>显示主窗口</source>
        <translation>Mostra la finestra principale</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>No items selected</source>
        <translation>Nessun elemento selezionato</translation>
    </message>
    <message>
        <source>Confirm Clean</source>
        <translation>Conferma pulizia</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to clean %Ln selected items (%1)?
This action cannot be undone!</source>
        <translation>
            <numerusform>Vuoi davvero pulire %Ln elemento selezionato (%1)?
Questa azione non può essere annullata!</numerusform>
            <numerusform>Vuoi davvero pulire i %Ln elementi selezionati (%1)?
Questa azione non può essere annullata!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cleaned %Ln items, freed %1</source>
        <translation>
            <numerusform>%Ln elemento pulito, %1 liberati</numerusform>
            <numerusform>%Ln elementi puliti, %1 liberati</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled. %1</source>
        <translation>Annullato. %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln items could not be removed.</source>
        <translation>
            <numerusform>Impossibile rimuovere %Ln elemento.</numerusform>
            <numerusform>Impossibile rimuovere %Ln elementi.</numerusform>
        </translation>
    </message>
    <message>
        <source>A clean is still running. Scan again when it has finished.</source>
        <translation>È ancora in corso una pulizia. Ripeti la scansione quando sarà terminata.</translation>
    </message>
    <message>
        <source>About Sweepnook</source>
        <translation>Informazioni su Sweepnook</translation>
    </message>
    <message>
        <source>by Quelmo</source>
        <translation>di Quelmo</translation>
    </message>
    <message>
        <source>The smartest way to keep your Mac clean, fast, and private.&lt;br&gt;Remove junk files, browser traces, duplicate files,&lt;br&gt;and privacy risks — all in one click.</source>
        <translation>Il modo più intelligente per mantenere il tuo Mac pulito, veloce e riservato.&lt;br&gt;Rimuovi file inutili, tracce di navigazione, file duplicati&lt;br&gt;e rischi per la privacy — tutto con un clic.</translation>
    </message>
    <message>
        <source>© 2026 Quelmo. All rights reserved.</source>
        <translation>© 2026 Quelmo. Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>Sweepnook</source>
        <translation>Sweepnook</translation>
    </message>
    <message>
        <source>Program minimized to system tray. Double-click the icon to restore.</source>
        <translation>Sweepnook resta aperto nella barra dei menu. Fai doppio clic sull&apos;icona per riaprire la finestra.</translation>
    </message>
</context>
<context>
    <name>PrivacyCleaner</name>
    <message>
        <source>Clipboard Content</source>
        <translation>Contenuto degli appunti</translation>
    </message>
    <message>
        <source>Text, images or files currently copied to clipboard</source>
        <translation>Testo, immagini o file attualmente copiati negli appunti</translation>
    </message>
    <message>
        <source>QuickLook Preview Cache</source>
        <translation>Cache delle anteprime di Quick Look</translation>
    </message>
    <message>
        <source>Cached file previews generated by macOS QuickLook</source>
        <translation>Anteprime dei file memorizzate nella cache da Quick Look di macOS</translation>
    </message>
    <message>
        <source>Recent Files List</source>
        <translation>Elenco dei file recenti</translation>
    </message>
    <message>
        <source>macOS list of recently opened files and apps</source>
        <translation>Elenco di macOS dei file e delle app aperti di recente</translation>
    </message>
    <message>
        <source>Notification History</source>
        <translation>Cronologia notifiche</translation>
    </message>
    <message>
        <source>Database logs of all received app notifications</source>
        <translation>Database di tutte le notifiche ricevute dalle app</translation>
    </message>
    <message>
        <source>DNS Cache</source>
        <translation>Cache DNS</translation>
    </message>
    <message>
        <source>Cached DNS lookups recording recently visited domains</source>
        <translation>Ricerche DNS in cache che rivelano i domini visitati di recente</translation>
    </message>
</context>
<context>
    <name>PrivacyItemCard</name>
    <message>
        <source>Nothing found</source>
        <translation>Nessun elemento trovato</translation>
    </message>
    <message>
        <source>Size unknown</source>
        <translation>Dimensione sconosciuta</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation>
            <numerusform>%Ln elemento</numerusform>
            <numerusform>%Ln elementi</numerusform>
        </translation>
    </message>
    <message>
        <source>Not scanned</source>
        <translation>Non analizzato</translation>
    </message>
    <message>
        <source>Cleaned</source>
        <translation>Pulito</translation>
    </message>
    <message>
        <source>%1 freed</source>
        <translation>%1 liberati</translation>
    </message>
    <message>
        <source>Not cleaned</source>
        <translation>Non pulito</translation>
    </message>
    <message>
        <source>Safe</source>
        <translation>Sicuro</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>High risk</source>
        <translation>Rischio elevato</translation>
    </message>
    <message>
        <source>Partly cleaned</source>
        <translation>Pulito in parte</translation>
    </message>
</context>
<context>
    <name>PrivacyPage</name>
    <message>
        <source>Privacy Cleaner</source>
        <translation>Pulizia privacy</translation>
    </message>
    <message>
        <source>Clear the traces your everyday use leaves on this Mac</source>
        <translation>Cancella le tracce che l&apos;uso quotidiano lascia su questo Mac</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scansiona</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Pulisci</translation>
    </message>
    <message>
        <source>Scan stopped</source>
        <translation>Scansione interrotta</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Interruzione…</translation>
    </message>
    <message>
        <source>Scanning: %1</source>
        <translation>Scansione: %1</translation>
    </message>
    <message>
        <source>Cleaning: %1 of %2 done</source>
        <translation>Pulizia: %1 di %2 completati</translation>
    </message>
    <message>
        <source>Not cleaned: %1</source>
        <translation>Non puliti: %1</translation>
    </message>
    <message numerus="yes">
        <source>Stopped before %Ln item(s)</source>
        <translation>
            <numerusform>Interrotto: %Ln elemento non elaborato</numerusform>
            <numerusform>Interrotto: %Ln elementi non elaborati</numerusform>
        </translation>
    </message>
    <message>
        <source>Scan Again</source>
        <translation>Ripeti scansione</translation>
    </message>
    <message>
        <source>Scan to measure the traces on this Mac</source>
        <translation>Avvia una scansione per misurare le tracce su questo Mac</translation>
    </message>
    <message>
        <source>Scanning…</source>
        <translation>Scansione…</translation>
    </message>
    <message>
        <source>Cleaning…</source>
        <translation>Pulizia…</translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln item(s)</source>
        <translation>
            <numerusform>Selezione: %Ln elemento</numerusform>
            <numerusform>Selezione: %Ln elementi</numerusform>
        </translation>
    </message>
    <message>
        <source>No items selected</source>
        <translation>Nessun elemento selezionato</translation>
    </message>
    <message>
        <source>Confirm Cleaning</source>
        <translation>Conferma pulizia</translation>
    </message>
    <message numerus="yes">
        <source>Clean %Ln selected item(s)?</source>
        <translation>
            <numerusform>Pulire %Ln elemento selezionato?</numerusform>
            <numerusform>Pulire i %Ln elementi selezionati?</numerusform>
        </translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>Questa azione non può essere annullata.</translation>
    </message>
    <message numerus="yes">
        <source>Cleaned %Ln item(s) · freed %1</source>
        <translation>
            <numerusform>%Ln elemento pulito · %1 liberati</numerusform>
            <numerusform>%Ln elementi puliti · %1 liberati</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Scanning...</source>
        <translation>Scansione...</translation>
    </message>
    <message>
        <source>Cleaning...</source>
        <translation>Pulizia...</translation>
    </message>
    <message>
        <source>正在分析系统...</source>
        <translation>Analisi del sistema...</translation>
    </message>
    <message>
        <source>正在删除文件...</source>
        <translation>Eliminazione dei file...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>已清理: %1</source>
        <translation>Pulito: %1</translation>
    </message>
    <message>
        <source>完成!</source>
        <translation>Fatto!</translation>
    </message>
    <message>
        <source>操作失败</source>
        <translation>Operazione non riuscita</translation>
    </message>
    <message>
        <source>Partly done</source>
        <translation>Completato in parte</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
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
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Salva tutto</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Sì a &amp;tutti</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;o a tutti</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignora</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Non salvare</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Ripristina predefiniti</translation>
    </message>
</context>
<context>
    <name>RegistryPage</name>
    <message>
        <source>Registry cleaning is only available on Windows</source>
        <translation>La pulizia del registro è disponibile solo su Windows</translation>
    </message>
    <message>
        <source>macOS keeps its settings in preference files, not in a registry, so there is nothing to clean here.</source>
        <translation>macOS conserva le sue impostazioni in file di preferenze, non in un registro: qui quindi non c&apos;è nulla da pulire.</translation>
    </message>
</context>
<context>
    <name>RuleTexts</name>
    <message>
        <source>System Temporary Files</source>
        <translation>File temporanei di sistema</translation>
    </message>
    <message>
        <source>System temp folder and intermediate build files</source>
        <translation>Cartella temporanea di sistema e file intermedi di compilazione</translation>
    </message>
    <message>
        <source>Application Caches</source>
        <translation>Cache delle app</translation>
    </message>
    <message>
        <source>Cached data generated by installed applications</source>
        <translation>Dati in cache generati dalle app installate</translation>
    </message>
    <message>
        <source>Browser Caches</source>
        <translation>Cache dei browser</translation>
    </message>
    <message>
        <source>Cache files from Safari, Chrome, Firefox, Edge, Brave</source>
        <translation>File di cache di Safari, Chrome, Firefox, Edge, Brave</translation>
    </message>
    <message>
        <source>Log Files</source>
        <translation>File di log</translation>
    </message>
    <message>
        <source>System and application log files</source>
        <translation>Log del sistema e delle app</translation>
    </message>
    <message>
        <source>Crash Reports</source>
        <translation>Rapporti di arresto anomalo</translation>
    </message>
    <message>
        <source>Application and system crash dump files</source>
        <translation>File di dump degli arresti anomali di app e sistema</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Cestino</translation>
    </message>
    <message>
        <source>Files in the Trash waiting to be permanently deleted</source>
        <translation>Elementi nel Cestino in attesa di essere eliminati definitivamente</translation>
    </message>
    <message>
        <source>Download Installers</source>
        <translation>Programmi di installazione scaricati</translation>
    </message>
    <message>
        <source>Installer packages accumulated in the Downloads folder</source>
        <translation>Pacchetti di installazione accumulati nella cartella Download</translation>
    </message>
    <message>
        <source>QuickLook Cache</source>
        <translation>Cache di Quick Look</translation>
    </message>
    <message>
        <source>macOS QuickLook preview thumbnail cache</source>
        <translation>Cache delle miniature di anteprima di Quick Look di macOS</translation>
    </message>
    <message>
        <source>Homebrew Cache</source>
        <translation>Cache di Homebrew</translation>
    </message>
    <message>
        <source>Homebrew package manager download and build cache</source>
        <translation>Cache di download e compilazione del gestore di pacchetti Homebrew</translation>
    </message>
    <message>
        <source>Developer Caches</source>
        <translation>Cache per sviluppatori</translation>
    </message>
    <message>
        <source>Xcode derived data, simulators, npm, pip, Gradle, Maven caches</source>
        <translation>Dati derivati di Xcode, simulatori, cache di npm, pip, Gradle, Maven</translation>
    </message>
    <message>
        <source>iOS Backups</source>
        <translation>Backup di iOS</translation>
    </message>
    <message>
        <source>iPhone / iPad local backups stored on this Mac</source>
        <translation>Backup locali di iPhone / iPad salvati su questo Mac</translation>
    </message>
    <message>
        <source>Large Old Files</source>
        <translation>File vecchi di grandi dimensioni</translation>
    </message>
    <message>
        <source>Old iOS firmware, app installers, and large unused data</source>
        <translation>Vecchi firmware iOS, programmi di installazione e dati voluminosi inutilizzati</translation>
    </message>
    <message>
        <source>Office Cache</source>
        <translation>Cache di Office</translation>
    </message>
    <message>
        <source>Microsoft Office and Apple iWork temporary files</source>
        <translation>File temporanei di Microsoft Office e Apple iWork</translation>
    </message>
    <message>
        <source>Font Cache</source>
        <translation>Cache dei font</translation>
    </message>
    <message>
        <source>System font cache files</source>
        <translation>File della cache dei font di sistema</translation>
    </message>
    <message>
        <source>Prefetch Files</source>
        <translation>File Prefetch</translation>
    </message>
    <message>
        <source>Windows Prefetch cache files</source>
        <translation>File della cache Prefetch di Windows</translation>
    </message>
    <message>
        <source>Windows Update Cache</source>
        <translation>Cache di Windows Update</translation>
    </message>
    <message>
        <source>Windows Update download cache</source>
        <translation>Cache dei download di Windows Update</translation>
    </message>
    <message>
        <source>Memory Dumps</source>
        <translation>Dump della memoria</translation>
    </message>
    <message>
        <source>System crash and error dump files (Windows)</source>
        <translation>File di dump di arresti anomali ed errori di sistema (Windows)</translation>
    </message>
    <message>
        <source>Windows Defender Cache</source>
        <translation>Cache di Windows Defender</translation>
    </message>
    <message>
        <source>Microsoft Defender scan history and backup cache</source>
        <translation>Cronologia delle scansioni e cache di backup di Microsoft Defender</translation>
    </message>
    <message>
        <source>GPU Shader Cache</source>
        <translation>Cache degli shader GPU</translation>
    </message>
    <message>
        <source>GPU driver shader and DirectX cache (NVIDIA / AMD)</source>
        <translation>Cache degli shader del driver grafico e di DirectX (NVIDIA / AMD)</translation>
    </message>
    <message>
        <source>Old Windows Installation</source>
        <translation>Vecchia installazione di Windows</translation>
    </message>
    <message>
        <source>Old system backups remaining after a Windows upgrade</source>
        <translation>Vecchi backup di sistema rimasti dopo un aggiornamento di Windows</translation>
    </message>
    <message>
        <source>Browser Cache</source>
        <translation>Cache del browser</translation>
    </message>
    <message>
        <source>Temporary web page cache files</source>
        <translation>File temporanei delle pagine web in cache</translation>
    </message>
    <message>
        <source>Code Cache</source>
        <translation>Cache del codice</translation>
    </message>
    <message>
        <source>JavaScript code cache</source>
        <translation>Cache del codice JavaScript</translation>
    </message>
    <message>
        <source>GPU Cache</source>
        <translation>Cache GPU</translation>
    </message>
    <message>
        <source>GPU rendering cache</source>
        <translation>Cache del rendering GPU</translation>
    </message>
    <message>
        <source>Shader Cache</source>
        <translation>Cache degli shader</translation>
    </message>
    <message>
        <source>GPU shader compilation cache</source>
        <translation>Cache di compilazione degli shader GPU</translation>
    </message>
    <message>
        <source>Service Workers</source>
        <translation>Service Worker</translation>
    </message>
    <message>
        <source>Service Worker cache</source>
        <translation>Cache dei Service Worker</translation>
    </message>
    <message>
        <source>Blob Storage</source>
        <translation>Archivio blob</translation>
    </message>
    <message>
        <source>Temporary binary data storage</source>
        <translation>Archivio temporaneo di dati binari</translation>
    </message>
    <message>
        <source>WebRTC Logs</source>
        <translation>Log WebRTC</translation>
    </message>
    <message>
        <source>Video call debug logs</source>
        <translation>Log di debug delle videochiamate</translation>
    </message>
    <message>
        <source>Browser crash report files</source>
        <translation>Rapporti di arresto anomalo del browser</translation>
    </message>
    <message>
        <source>Browser Logs</source>
        <translation>Log del browser</translation>
    </message>
    <message>
        <source>Browser debug and error logs</source>
        <translation>Log di debug e di errore del browser</translation>
    </message>
    <message>
        <source>Website Thumbnails</source>
        <translation>Miniature dei siti web</translation>
    </message>
    <message>
        <source>New Tab page website thumbnails</source>
        <translation>Miniature dei siti web nella pagina Nuova scheda</translation>
    </message>
    <message>
        <source>Favicon Cache</source>
        <translation>Cache delle favicon</translation>
    </message>
    <message>
        <source>Website icon (favicon) cache</source>
        <translation>Cache delle icone dei siti web (favicon)</translation>
    </message>
    <message>
        <source>Local Storage</source>
        <translation>Archiviazione locale</translation>
    </message>
    <message>
        <source>Website Local Storage (site settings may be lost)</source>
        <translation>Archiviazione locale dei siti web (le impostazioni dei siti potrebbero andare perse)</translation>
    </message>
    <message>
        <source>IndexedDB</source>
        <translation>IndexedDB</translation>
    </message>
    <message>
        <source>Website database storage (offline data may be lost)</source>
        <translation>Database dei siti web (i dati offline potrebbero andare persi)</translation>
    </message>
    <message>
        <source>Cookies</source>
        <translation>Cookie</translation>
    </message>
    <message>
        <source>Website Cookies (requires re-login to all sites)</source>
        <translation>Cookie dei siti web (dovrai accedere di nuovo a tutti i siti)</translation>
    </message>
    <message>
        <source>Browsing History</source>
        <translation>Cronologia di navigazione</translation>
    </message>
    <message>
        <source>Web browsing history records</source>
        <translation>Cronologia dei siti web visitati</translation>
    </message>
    <message>
        <source>Download History</source>
        <translation>Cronologia dei download</translation>
    </message>
    <message>
        <source>Download history records (downloaded files are not deleted)</source>
        <translation>Cronologia dei download (i file scaricati non vengono eliminati)</translation>
    </message>
    <message>
        <source>Session Data</source>
        <translation>Dati della sessione</translation>
    </message>
    <message>
        <source>Current and recent session data (tabs may be lost)</source>
        <translation>Dati della sessione attuale e di quelle recenti (le schede potrebbero andare perse)</translation>
    </message>
    <message>
        <source>Form Data</source>
        <translation>Dati dei moduli</translation>
    </message>
    <message>
        <source>Autofill form data (requires re-entry after cleaning)</source>
        <translation>Dati di compilazione automatica (da reinserire dopo la pulizia)</translation>
    </message>
    <message>
        <source>Safe Browsing Data</source>
        <translation>Dati di Navigazione sicura</translation>
    </message>
    <message>
        <source>Safe Browsing protection data (not recommended to clean)</source>
        <translation>Dati di protezione di Navigazione sicura (pulizia sconsigliata)</translation>
    </message>
    <message>
        <source>Thumbnail Cache</source>
        <translation>Cache delle miniature</translation>
    </message>
    <message>
        <source>Preview pictures of your files made by the desktop and file manager</source>
        <translation>Anteprime dei tuoi file create dal desktop e dal gestore di file</translation>
    </message>
    <message>
        <source>Package Caches</source>
        <translation>Cache dei pacchetti</translation>
    </message>
    <message>
        <source>Downloads and builds kept by pip, npm, Yarn, pnpm, Cargo, Go, Gradle, Maven and ccache</source>
        <translation>Download e compilazioni conservati da pip, npm, Yarn, pnpm, Cargo, Go, Gradle, Maven e ccache</translation>
    </message>
</context>
<context>
    <name>ScanProgressDialog</name>
    <message>
        <source>Scanning for large files...</source>
        <translation>Ricerca di file grandi...</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Preparazione...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Scanning: %1</source>
        <translation>Scansione: %1</translation>
    </message>
    <message>
        <source>Scan Complete</source>
        <translation>Scansione completata</translation>
    </message>
    <message>
        <source>Scan completed</source>
        <translation>Scansione completata</translation>
    </message>
    <message>
        <source>View Results</source>
        <translation>Mostra risultati</translation>
    </message>
    <message numerus="yes">
        <source>Found %Ln large files (%1)</source>
        <translation>
            <numerusform>Trovato %Ln file grande (%1)</numerusform>
            <numerusform>Trovati %Ln file grandi (%1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>Apri al login</translation>
    </message>
    <message>
        <source>Minimize to tray on close</source>
        <translation>Resta nella barra dei menu alla chiusura</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generali</translation>
    </message>
    <message>
        <source>Confirm before cleaning</source>
        <translation>Conferma prima della pulizia</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Pulizia</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Apri al login</translation>
    </message>
    <message>
        <source>Sweepnook could not be set to start at login. The log has the details.</source>
        <translation>Impossibile impostare l&apos;apertura di Sweepnook al login. I dettagli sono nel log.</translation>
    </message>
    <message>
        <source>Sweepnook could not be kept from starting at login. The log has the details.</source>
        <translation>Impossibile impedire l&apos;apertura di Sweepnook al login. I dettagli sono nel log.</translation>
    </message>
</context>
<context>
    <name>StartupCardDelegate</name>
    <message>
        <source>Reveal in Finder</source>
        <translation>Mostra nel Finder</translation>
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
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Startup Folder</source>
        <translation>Cartella Esecuzione automatica</translation>
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
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>Startup items</source>
        <translation>Elementi di avvio</translation>
    </message>
    <message>
        <source>System-wide agents and daemons</source>
        <translation>Agenti e daemon di sistema</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applicazioni</translation>
    </message>
    <message>
        <source>Program missing</source>
        <translation>Programma mancante</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Disattivato</translation>
    </message>
</context>
<context>
    <name>StartupManager</name>
    <message>
        <source>Scanning %1...</source>
        <translation>Scansione di %1...</translation>
    </message>
    <message>
        <source>Scanning startup items...</source>
        <translation>Scansione degli elementi di avvio...</translation>
    </message>
    <message>
        <source>Scanning installed applications...</source>
        <translation>Scansione delle applicazioni installate...</translation>
    </message>
</context>
<context>
    <name>StartupPage</name>
    <message>
        <source>Startup Manager</source>
        <translation>Gestione avvio</translation>
    </message>
    <message>
        <source>Manage programs that run automatically at startup</source>
        <translation>Gestisci i programmi che si aprono automaticamente all&apos;avvio</translation>
    </message>
    <message>
        <source>Search programs...</source>
        <translation>Cerca programmi...</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>⚠️ Only your own startup items can be removed</source>
        <translation>⚠️ Puoi rimuovere solo i tuoi elementi di avvio</translation>
    </message>
    <message>
        <source>Scanning installed programs...</source>
        <translation>Scansione dei programmi installati...</translation>
    </message>
    <message>
        <source>First load may take a few seconds</source>
        <translation>Il primo caricamento può richiedere alcuni secondi</translation>
    </message>
    <message>
        <source>Cannot Modify</source>
        <translation>Impossibile modificare</translation>
    </message>
    <message>
        <source>This startup item was not created by Sweepnook and cannot be removed here.</source>
        <translation>Questo elemento di avvio non è stato creato da Sweepnook e non può essere rimosso da qui.</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>Operazione non riuscita</translation>
    </message>
    <message>
        <source>Failed to remove &quot;%1&quot; from startup.</source>
        <translation>Impossibile rimuovere “%1” dall&apos;avvio.</translation>
    </message>
    <message>
        <source>Failed to add &quot;%1&quot; to startup.</source>
        <translation>Impossibile aggiungere “%1” all&apos;avvio.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln startup items</source>
        <translation>
            <numerusform>%Ln elemento di avvio</numerusform>
            <numerusform>%Ln elementi di avvio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln apps</source>
        <translation>
            <numerusform>%Ln app</numerusform>
            <numerusform>%Ln app</numerusform>
        </translation>
    </message>
    <message>
        <source>No startup items or apps found</source>
        <translation>Nessun elemento di avvio o app trovato</translation>
    </message>
    <message>
        <source>No startup items match &quot;%1&quot;</source>
        <translation>Nessun elemento di avvio corrisponde a “%1”</translation>
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
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Supporto</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Lingua cambiata</translation>
    </message>
    <message>
        <source>Language has been changed.

The application will restart now.</source>
        <translation>La lingua è stata cambiata.

L&apos;applicazione verrà riavviata ora.</translation>
    </message>
    <message>
        <source>Restart Failed</source>
        <translation>Riavvio non riuscito</translation>
    </message>
    <message>
        <source>Sweepnook could not restart itself.

Please quit and reopen it to use the new language.</source>
        <translation>Sweepnook non è riuscito a riavviarsi.

Esci e riapri l&apos;app per usare la nuova lingua.</translation>
    </message>
</context>
<context>
    <name>TweakManager</name>
    <message>
        <source>This tweak changes Windows settings and works only on Windows.</source>
        <translation>Questa ottimizzazione modifica le impostazioni di Windows e funziona solo su Windows.</translation>
    </message>
    <message>
        <source>Stopped before all services were changed.</source>
        <translation>Interrotto prima di modificare tutti i servizi.</translation>
    </message>
    <message>
        <source>Could not change the start type of the service &quot;%1&quot;.</source>
        <translation>Impossibile modificare il tipo di avvio del servizio “%1”.</translation>
    </message>
    <message>
        <source>Could not add the Ultimate Performance power plan.</source>
        <translation>Impossibile aggiungere la combinazione per il risparmio di energia Prestazioni eccellenti.</translation>
    </message>
</context>
<context>
    <name>TweaksPage</name>
    <message>
        <source>These tweaks change Windows settings and act only on Windows. Nothing on this Mac is changed.</source>
        <translation>Queste ottimizzazioni modificano le impostazioni di Windows e agiscono solo su Windows. Su questo Mac non viene modificato nulla.</translation>
    </message>
    <message>
        <source>System Tweaks</source>
        <translation>Ottimizzazioni di sistema</translation>
    </message>
    <message>
        <source>Fine-tune privacy, performance and interface settings of Windows</source>
        <translation>Regola le impostazioni di privacy, prestazioni e interfaccia di Windows</translation>
    </message>
    <message>
        <source>Apply recommended</source>
        <translation>Applica consigliate</translation>
    </message>
    <message>
        <source>No tweaks are available.</source>
        <translation>Nessuna ottimizzazione disponibile.</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Works only with Tamper Protection switched off in Windows Security.</source>
        <translation>Funziona solo con la protezione anti-manomissione disattivata in Sicurezza di Windows.</translation>
    </message>
    <message>
        <source>Only available on Windows</source>
        <translation>Disponibile solo su Windows</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacy</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Prestazioni</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interfaccia</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sicurezza</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 of %2 on</source>
        <translation>%1 di %2 attive</translation>
    </message>
</context>
<context>
    <name>UnreadableNote</name>
    <message numerus="yes">
        <source>%Ln folders could not be read, among them %1. To include them, allow Sweepnook Full Disk Access in System Settings &gt; Privacy &amp; Security.</source>
        <translation>
            <numerusform>Impossibile leggere %Ln cartella: %1. Per includerla, concedi a Sweepnook l&apos;accesso completo al disco in Impostazioni di Sistema &gt; Privacy e sicurezza.</numerusform>
            <numerusform>Impossibile leggere %Ln cartelle, tra cui %1. Per includerle, concedi a Sweepnook l&apos;accesso completo al disco in Impostazioni di Sistema &gt; Privacy e sicurezza.</numerusform>
        </translation>
    </message>
</context>
</TS>
