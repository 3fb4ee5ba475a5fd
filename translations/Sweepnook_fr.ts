<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Your Personal System Butler</source>
        <translation>Votre majordome système personnel</translation>
    </message>
    <message>
        <source>🧹 Junk Cleaner - Free up valuable disk space</source>
        <translation>🧹 Nettoyage des fichiers inutiles - Libérez un précieux espace disque</translation>
    </message>
    <message>
        <source>🌐 Browser Cleaner - Protect your privacy</source>
        <translation>🌐 Nettoyage des navigateurs - Protégez votre vie privée</translation>
    </message>
    <message>
        <source>🔧 Registry Cleaner - Boost system performance</source>
        <translation>🔧 Nettoyage du registre - Améliorez les performances du système</translation>
    </message>
    <message>
        <source>⚡ Startup Manager - Speed up boot time</source>
        <translation>⚡ Gestion du démarrage - Démarrez plus vite</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Made by Quelmo</source>
        <translation>Conçu par Quelmo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>📊 Dashboard - Scan everything at once and clean in one click</source>
        <translation>📊 Tableau de bord - Analysez tout en une fois et nettoyez en un clic</translation>
    </message>
    <message>
        <source>📁 Large Files - Find what takes up your disk</source>
        <translation>📁 Gros fichiers - Trouvez ce qui occupe votre disque</translation>
    </message>
    <message>
        <source>📑 Duplicate Files - Remove identical copies</source>
        <translation>📑 Doublons - Supprimez les copies identiques</translation>
    </message>
    <message>
        <source>📦 App Uninstaller - Remove apps with their leftovers</source>
        <translation>📦 Désinstallation d&apos;apps - Supprimez les apps et leurs restes</translation>
    </message>
    <message>
        <source>🛡️ Privacy Cleaner - Clear recent-files lists and other traces</source>
        <translation>🛡️ Confidentialité - Effacez les listes de fichiers récents et autres traces</translation>
    </message>
</context>
<context>
    <name>AppCardDelegate</name>
    <message>
        <source>Part of macOS</source>
        <translation>Fait partie de macOS</translation>
    </message>
    <message>
        <source>+%1 leftovers</source>
        <translation>+%1 de résidus</translation>
    </message>
    <message>
        <source>bundle identifier</source>
        <translation>ID de bundle</translation>
    </message>
    <message>
        <source>name only</source>
        <translation>nom seul</translation>
    </message>
    <message>
        <source>shared with macOS</source>
        <translation>partagé avec macOS</translation>
    </message>
</context>
<context>
    <name>AppUninstaller</name>
    <message>
        <source>It is part of macOS and cannot be removed.</source>
        <translation>Cette app fait partie de macOS et ne peut pas être supprimée.</translation>
    </message>
    <message>
        <source>It is not in an Applications folder.</source>
        <translation>Cette app ne se trouve pas dans un dossier Applications.</translation>
    </message>
    <message>
        <source>Close the app first.</source>
        <translation>Quittez d&apos;abord l&apos;app.</translation>
    </message>
    <message>
        <source>Could not tell whether it is running. Close the app first.</source>
        <translation>Impossible de savoir si l&apos;app est ouverte. Quittez-la d&apos;abord.</translation>
    </message>
    <message>
        <source>It could not be moved to the Trash: %1.</source>
        <translation>Impossible de la placer dans la Corbeille&#xa0;: %1.</translation>
    </message>
    <message>
        <source>It is on a read-only volume and cannot be removed.</source>
        <translation>Elle se trouve sur un volume en lecture seule et ne peut pas être supprimée.</translation>
    </message>
    <message>
        <source>It is no longer where the scan found it.</source>
        <translation>Elle n’est plus là où l’analyse l’a trouvée.</translation>
    </message>
</context>
<context>
    <name>AppUninstallerPage</name>
    <message>
        <source>App Uninstaller</source>
        <translation>Désinstallation d&apos;apps</translation>
    </message>
    <message>
        <source>Completely remove apps and their leftover files</source>
        <translation>Supprimez entièrement des apps et leurs fichiers résiduels</translation>
    </message>
    <message>
        <source>Search apps...</source>
        <translation>Rechercher des apps...</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>No apps selected</source>
        <translation>Aucune app sélectionnée</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Désinstaller</translation>
    </message>
    <message>
        <source>Scanning installed apps...</source>
        <translation>Analyse des apps installées...</translation>
    </message>
    <message>
        <source>No applications were found in the Applications folders.</source>
        <translation>Aucune app n&apos;a été trouvée dans les dossiers Applications.</translation>
    </message>
    <message>
        <source>No apps match &quot;%1&quot;.</source>
        <translation>Aucune app ne correspond à «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Uninstalling %1...</source>
        <translation>Désinstallation de %1...</translation>
    </message>
    <message>
        <source>Apps will be moved to Trash.</source>
        <translation>Les apps seront placées dans la Corbeille.</translation>
    </message>
    <message>
        <source>Confirm Uninstall</source>
        <translation>Confirmer la désinstallation</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Could not uninstall %1.
%2</source>
        <translation>Impossible de désinstaller %1.
%2</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
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
            <numerusform>%Ln app sélectionnée</numerusform>
            <numerusform>%Ln apps sélectionnées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Uninstall %Ln app(s) and their leftover files?</source>
        <translation>
            <numerusform>Désinstaller %Ln app et ses fichiers résiduels&#xa0;?</numerusform>
            <numerusform>Désinstaller %Ln apps et leurs fichiers résiduels&#xa0;?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more</source>
        <translation>
            <numerusform>et %Ln autre</numerusform>
            <numerusform>et %Ln autres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Apps and %Ln selected leftover items (%1) will be moved to Trash.</source>
        <translation>
            <numerusform>Les apps et %Ln élément résiduel sélectionné (%1) seront placés dans la Corbeille.</numerusform>
            <numerusform>Les apps et %Ln éléments résiduels sélectionnés (%1) seront placés dans la Corbeille.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 was moved to Trash, but %Ln of its leftover items could not be moved.</source>
        <translation>
            <numerusform>%1 est dans la Corbeille, mais %Ln de ses éléments résiduels n&apos;a pas pu y être placé.</numerusform>
            <numerusform>%1 est dans la Corbeille, mais %Ln de ses éléments résiduels n&apos;ont pas pu y être placés.</numerusform>
        </translation>
    </message>
    <message>
        <source>The app will be moved to the Trash.</source>
        <translation>L&apos;app sera placée dans la Corbeille.</translation>
    </message>
    <message numerus="yes">
        <source>The app and %Ln selected leftover items (%1) will be moved to the Trash.</source>
        <translation>
            <numerusform>L&apos;app et %Ln élément résiduel sélectionné (%1) seront placés dans la Corbeille.</numerusform>
            <numerusform>L&apos;app et %Ln éléments résiduels sélectionnés (%1) seront placés dans la Corbeille.</numerusform>
        </translation>
    </message>
    <message>
        <source>Moved %1 (%2) to the Trash.</source>
        <translation>%1 (%2) a été placé dans la Corbeille.</translation>
    </message>
    <message numerus="yes">
        <source>Moved %1 and %Ln leftover items (%2) to the Trash.</source>
        <translation>
            <numerusform>%1 et %Ln élément résiduel (%2) ont été placés dans la Corbeille.</numerusform>
            <numerusform>%1 et %Ln éléments résiduels (%2) ont été placés dans la Corbeille.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %Ln apps (%1) to the Trash.</source>
        <translation>
            <numerusform>%Ln app (%1) a été placée dans la Corbeille.</numerusform>
            <numerusform>%Ln apps (%1) ont été placées dans la Corbeille.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %Ln apps and %1 (%2) to the Trash.</source>
        <translation>
            <numerusform>%Ln app et %1 (%2) ont été placés dans la Corbeille.</numerusform>
            <numerusform>%Ln apps et %1 (%2) ont été placés dans la Corbeille.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln leftover items</source>
        <translation>
            <numerusform>%Ln élément résiduel</numerusform>
            <numerusform>%Ln éléments résiduels</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BasePage</name>
    <message>
        <source>Cleanable</source>
        <translation>Nettoyable</translation>
    </message>
    <message>
        <source>Click &quot;Start Scanning&quot; to find cleanable items</source>
        <translation>Cliquez sur «&#xa0;Lancer l&apos;analyse&#xa0;» pour trouver les éléments à nettoyer</translation>
    </message>
    <message>
        <source>Selected: --</source>
        <translation>Sélection&#xa0;: --</translation>
    </message>
    <message>
        <source>Start Scanning</source>
        <translation>Lancer l&apos;analyse</translation>
    </message>
    <message>
        <source>Clean Now</source>
        <translation>Nettoyer</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>No items selected</source>
        <translation>Aucun élément sélectionné</translation>
    </message>
    <message>
        <source>Confirm Clean</source>
        <translation>Confirmer le nettoyage</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to clean %Ln selected items?
This action cannot be undone!</source>
        <translation>
            <numerusform>Voulez-vous vraiment nettoyer %Ln élément sélectionné&#xa0;?
Cette action est irréversible&#xa0;!</numerusform>
            <numerusform>Voulez-vous vraiment nettoyer les %Ln éléments sélectionnés&#xa0;?
Cette action est irréversible&#xa0;!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cleaned %Ln items, freed %1</source>
        <translation>
            <numerusform>%Ln élément nettoyé, %1 libérés</numerusform>
            <numerusform>%Ln éléments nettoyés, %1 libérés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln items, %1</source>
        <translation>
            <numerusform>Sélection&#xa0;: %Ln élément, %1</numerusform>
            <numerusform>Sélection&#xa0;: %Ln éléments, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln items</source>
        <translation>
            <numerusform>%Ln élément</numerusform>
            <numerusform>%Ln éléments</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln items</source>
        <translation>
            <numerusform>Sélection&#xa0;: %Ln élément</numerusform>
            <numerusform>Sélection&#xa0;: %Ln éléments</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be removed and stay in the list with the reason.</source>
        <translation>
            <numerusform>%Ln élément n&apos;a pas pu être supprimé et reste dans la liste avec la raison.</numerusform>
            <numerusform>%Ln éléments n&apos;ont pas pu être supprimés et restent dans la liste avec la raison.</numerusform>
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
        <translation>Ces navigateurs sont ouverts et ont été ignorés&#xa0;; quittez-les pour les nettoyer&#xa0;:
%1</translation>
    </message>
    <message>
        <source>outside the browsers&apos; folders</source>
        <translation>en dehors des dossiers des navigateurs</translation>
    </message>
    <message>
        <source>the history could not be cleared</source>
        <translation>l&apos;historique n&apos;a pas pu être effacé</translation>
    </message>
    <message>
        <source>it could not be removed</source>
        <translation>il n&apos;a pas pu être supprimé</translation>
    </message>
    <message>
        <source>the records could not be cleared</source>
        <translation>les entrées n&apos;ont pas pu être effacées</translation>
    </message>
</context>
<context>
    <name>BrowserGroupHeader</name>
    <message numerus="yes">
        <source>%Ln items  ·  %1</source>
        <translation>
            <numerusform>%Ln élément  ·  %1</numerusform>
            <numerusform>%Ln éléments  ·  %1</numerusform>
        </translation>
    </message>
    <message>
        <source>View Details</source>
        <translation>Voir les détails</translation>
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
        <translation>Nettoyage des navigateurs</translation>
    </message>
    <message>
        <source>Clean caches, cookies and history of your browsers</source>
        <translation>Nettoyez les caches, les cookies et l&apos;historique de vos navigateurs</translation>
    </message>
    <message>
        <source>Browsers:</source>
        <translation>Navigateurs&#xa0;:</translation>
    </message>
    <message>
        <source>No supported browser was found for this user.</source>
        <translation>Aucun navigateur compatible n&apos;a été trouvé pour cet utilisateur.</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Trouvé</translation>
    </message>
</context>
<context>
    <name>CategoryWidget</name>
    <message numerus="yes">
        <source>%Ln items</source>
        <translation>
            <numerusform>%Ln élément</numerusform>
            <numerusform>%Ln éléments</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Load more (%Ln remaining)</source>
        <translation>
            <numerusform>Afficher plus (%Ln restant)</numerusform>
            <numerusform>Afficher plus (%Ln restants)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CircleProgressWidget</name>
    <message>
        <source>GB</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>Can be cleaned</source>
        <translation>Nettoyable</translation>
    </message>
</context>
<context>
    <name>CleanItem</name>
    <message>
        <source>Low</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Élevé</translation>
    </message>
    <message numerus="yes">
        <source>%n B</source>
        <translation>
            <numerusform>%n octet</numerusform>
            <numerusform>%n octets</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 Go</translation>
    </message>
    <message>
        <source>Size unknown</source>
        <translation>Taille inconnue</translation>
    </message>
    <message>
        <source>at least %1</source>
        <translation>au moins %1</translation>
    </message>
</context>
<context>
    <name>CleanItemWidget</name>
    <message>
        <source>Not removed: %1</source>
        <translation>Non supprimé&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>DashboardPage</name>
    <message>
        <source>Ready to Clean Your Mac</source>
        <translation>Prêt à nettoyer votre Mac</translation>
    </message>
    <message>
        <source>Click the button below to scan for junk files and free up space</source>
        <translation>Cliquez sur le bouton ci-dessous pour rechercher les fichiers inutiles et libérer de l&apos;espace</translation>
    </message>
    <message>
        <source>🔍  Start Full Scan</source>
        <translation>🔍  Lancer l&apos;analyse complète</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Préparation...</translation>
    </message>
    <message>
        <source>Sweepnook %1</source>
        <translation>Sweepnook %1</translation>
    </message>
    <message>
        <source>Keep Your Mac Running at Peak Performance</source>
        <translation>Gardez votre Mac au meilleur de sa forme</translation>
    </message>
    <message>
        <source>Junk Files</source>
        <translation>Fichiers inutiles</translation>
    </message>
    <message>
        <source>Browser Data</source>
        <translation>Navigateurs</translation>
    </message>
    <message>
        <source>Registry Issues</source>
        <translation>Problèmes de registre</translation>
    </message>
    <message>
        <source>Ready to scan</source>
        <translation>Prêt pour l&apos;analyse</translation>
    </message>
    <message>
        <source>🔍 Start Scan</source>
        <translation>🔍 Analyser</translation>
    </message>
    <message>
        <source>🗑️ Clean All</source>
        <translation>🗑️ Tout nettoyer</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;font-weight:600;&apos;&gt;Tip:&lt;/span&gt; Regular cleaning can significantly improve your Mac&apos;s performance</source>
        <translation>&lt;span style=&apos;font-weight:600;&apos;&gt;Astuce&#xa0;:&lt;/span&gt; un nettoyage régulier peut nettement améliorer les performances de votre Mac</translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation>Analyse en cours...</translation>
    </message>
    <message>
        <source>Can be cleaned</source>
        <translation>Nettoyable</translation>
    </message>
    <message>
        <source>Last scan: just now</source>
        <translation>Dernière analyse&#xa0;: à l’instant</translation>
    </message>
    <message numerus="yes">
        <source>Last scan: %Ln min ago</source>
        <translation>
            <numerusform>Dernière analyse&#xa0;: il y a %Ln&#xa0;min</numerusform>
            <numerusform>Dernière analyse&#xa0;: il y a %Ln&#xa0;min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Last scan: %Ln h ago</source>
        <translation>
            <numerusform>Dernière analyse&#xa0;: il y a %Ln&#xa0;h</numerusform>
            <numerusform>Dernière analyse&#xa0;: il y a %Ln&#xa0;h</numerusform>
        </translation>
    </message>
    <message>
        <source>Last scan: %1</source>
        <translation>Dernière analyse&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cleaned %1</source>
        <translation>%1 nettoyés</translation>
    </message>
    <message>
        <source>Ring: %1 of what the scan found is selected</source>
        <translation>Anneau&#xa0;: %1 de ce que l’analyse a trouvé est sélectionné</translation>
    </message>
    <message>
        <source>The scan found nothing to clean</source>
        <translation>L’analyse n’a rien trouvé à nettoyer</translation>
    </message>
    <message>
        <source>Can be cleaned (at least)</source>
        <translation>Nettoyable (au moins)</translation>
    </message>
</context>
<context>
    <name>DetailItemWidget</name>
    <message>
        <source>Show in Finder</source>
        <translation>Afficher dans le Finder</translation>
    </message>
</context>
<context>
    <name>DuplicateFinderPage</name>
    <message>
        <source>Duplicate File Finder</source>
        <translation>Recherche de doublons</translation>
    </message>
    <message>
        <source>Find and remove identical files to free up disk space</source>
        <translation>Trouvez et supprimez les fichiers identiques pour libérer de l&apos;espace disque</translation>
    </message>
    <message>
        <source>SELECT LOCATION</source>
        <translation>CHOISIR UN EMPLACEMENT</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Dossier personnel</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Téléchargements</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documents</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Bureau</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Films</translation>
    </message>
    <message>
        <source>User Volume</source>
        <translation>Volume utilisateur</translation>
    </message>
    <message>
        <source>Entire Disk</source>
        <translation>Disque entier</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Min file size:</source>
        <translation>Taille min.&#xa0;:</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>Lancer l&apos;analyse</translation>
    </message>
    <message>
        <source>Collecting files...</source>
        <translation>Collecte des fichiers...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>← New Scan</source>
        <translation>← Nouvelle analyse</translation>
    </message>
    <message>
        <source>Keep Newest  ▾</source>
        <translation>Le plus récent  ▾</translation>
    </message>
    <message>
        <source>Keep Newest  (delete older duplicates)</source>
        <translation>Garder le plus récent  (supprimer les doublons plus anciens)</translation>
    </message>
    <message>
        <source>Keep Oldest   (delete newer duplicates)</source>
        <translation>Garder le plus ancien   (supprimer les doublons plus récents)</translation>
    </message>
    <message>
        <source>Keep Oldest  ▾</source>
        <translation>Le plus ancien  ▾</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Choose Folder to Scan</source>
        <translation>Choisir le dossier à analyser</translation>
    </message>
    <message>
        <source>Choose Another Folder…</source>
        <translation>Choisir un autre dossier…</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Retirer %1</translation>
    </message>
    <message>
        <source>Path: (none selected)</source>
        <translation>Chemin&#xa0;: (aucune sélection)</translation>
    </message>
    <message>
        <source>No Location Selected</source>
        <translation>Aucun emplacement sélectionné</translation>
    </message>
    <message>
        <source>Please select at least one location to scan.</source>
        <translation>Sélectionnez au moins un emplacement à analyser.</translation>
    </message>
    <message>
        <source>Full Disk Scan</source>
        <translation>Analyse du disque entier</translation>
    </message>
    <message>
        <source>Scanning the entire disk may take several minutes.
Continue?</source>
        <translation>L&apos;analyse du disque entier peut prendre plusieurs minutes.
Continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Scanning files...</source>
        <translation>Analyse des fichiers...</translation>
    </message>
    <message>
        <source>Reading %1  ·  %2 of %3</source>
        <translation>Lecture de %1  ·  %2 sur %3</translation>
    </message>
    <message>
        <source>No Duplicates Found</source>
        <translation>Aucun doublon trouvé</translation>
    </message>
    <message>
        <source>Great news! No duplicate files were found. 🎉</source>
        <translation>Bonne nouvelle&#xa0;! Aucun fichier en double n&apos;a été trouvé. 🎉</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annulation...</translation>
    </message>
    <message>
        <source>  ·  %1 freed</source>
        <translation>  ·  %1 libérés</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Confirmer la suppression</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Placer dans la Corbeille</translation>
    </message>
    <message>
        <source>Delete Permanently</source>
        <translation>Supprimer définitivement</translation>
    </message>
    <message>
        <source>Deleting…</source>
        <translation>Suppression…</translation>
    </message>
    <message>
        <source>Deleting %1 / %2</source>
        <translation>Suppression %1 / %2</translation>
    </message>
    <message>
        <source>Duplicates Removed</source>
        <translation>Doublons supprimés</translation>
    </message>
    <message>
        <source>Partial Failure</source>
        <translation>Échec partiel</translation>
    </message>
    <message>
        <source>The log lists each file and why.</source>
        <translation>Le journal indique chaque fichier et la raison.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln&lt;/b&gt; groups  ·  &lt;span style=&apos;color:%1;font-weight:600;&apos;&gt;%2 can be freed&lt;/span&gt;</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln&lt;/b&gt; groupe  ·  &lt;span style=&apos;color:%1;font-weight:600;&apos;&gt;%2 récupérables&lt;/span&gt;</numerusform>
            <numerusform>&lt;b&gt;%Ln&lt;/b&gt; groupes  ·  &lt;span style=&apos;color:%1;font-weight:600;&apos;&gt;%2 récupérables&lt;/span&gt;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %Ln file(s) to the Trash, or delete them permanently?</source>
        <translation>
            <numerusform>Placer %Ln fichier dans la Corbeille ou le supprimer définitivement&#xa0;?</numerusform>
            <numerusform>Placer %Ln fichiers dans la Corbeille ou les supprimer définitivement&#xa0;?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every copy of %Ln group(s) is checked: the newest copy of each will be kept.</source>
        <translation>
            <numerusform>Toutes les copies de %Ln groupe sont cochées&#xa0;: la plus récente sera conservée.</numerusform>
            <numerusform>Toutes les copies de %Ln groupes sont cochées&#xa0;: la plus récente de chacun sera conservée.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Permanently delete %Ln file(s)?
This cannot be undone.</source>
        <translation>
            <numerusform>Supprimer définitivement %Ln fichier&#xa0;?
Cette action est irréversible.</numerusform>
            <numerusform>Supprimer définitivement %Ln fichiers&#xa0;?
Cette action est irréversible.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) deleted permanently (%1).</source>
        <translation>
            <numerusform>%Ln fichier supprimé définitivement (%1).</numerusform>
            <numerusform>%Ln fichiers supprimés définitivement (%1).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) moved to the Trash (%1); you can put them back from there.</source>
        <translation>
            <numerusform>%Ln fichier placé dans la Corbeille (%1)&#xa0;; vous pouvez le remettre en place depuis celle-ci.</numerusform>
            <numerusform>%Ln fichiers placés dans la Corbeille (%1)&#xa0;; vous pouvez les remettre en place depuis celle-ci.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be deleted.</source>
        <translation>
            <numerusform>%Ln fichier n&apos;a pas pu être supprimé.</numerusform>
            <numerusform>%Ln fichiers n&apos;ont pas pu être supprimés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Path: %1</source>
        <translation>Chemin&#xa0;: %1</translation>
    </message>
    <message>
        <source>Deleted permanently: %1</source>
        <translation>Supprimé définitivement&#xa0;: %1</translation>
    </message>
    <message>
        <source>Moved to the Trash: %1</source>
        <translation>Placé dans la Corbeille&#xa0;: %1</translation>
    </message>
    <message>
        <source>Left in place: %1</source>
        <translation>Laissé en place&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be moved to the Trash and were left in place; none was deleted.</source>
        <translation>
            <numerusform>%Ln fichier n&apos;a pas pu être placé dans la Corbeille et est resté en place&#xa0;; rien n&apos;a été supprimé.</numerusform>
            <numerusform>%Ln fichiers n&apos;ont pas pu être placés dans la Corbeille et sont restés en place&#xa0;; aucun n&apos;a été supprimé.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 KB</source>
        <translation>1 Ko</translation>
    </message>
    <message>
        <source>100 KB</source>
        <translation>100 Ko</translation>
    </message>
    <message>
        <source>1 MB</source>
        <translation>1 Mo</translation>
    </message>
    <message>
        <source>10 MB</source>
        <translation>10 Mo</translation>
    </message>
    <message>
        <source>100 MB</source>
        <translation>100 Mo</translation>
    </message>
    <message>
        <source>  ·  %1 in the Trash until you empty it</source>
        <translation>  ·  %1 dans la Corbeille jusqu&apos;à ce que vous la vidiez</translation>
    </message>
    <message>
        <source>Ticked: every copy but the likely original (not in Downloads, no &quot;copy&quot; or &quot;(1)&quot; in its name, the oldest, the shortest path). 🔒 Copies in apps, packages and Library are never ticked.</source>
        <translation>Cochées : toutes les copies sauf l’original probable (hors Téléchargements, sans « copie » ni « (1) » dans le nom, la plus ancienne, le chemin le plus court). 🔒 Les copies dans les apps, les paquets et Bibliothèque ne sont jamais cochées.</translation>
    </message>
    <message>
        <source>Keep Original  ▾</source>
        <translation>Garder l’original  ▾</translation>
    </message>
    <message>
        <source>Keep Original  (the likely original of each group)</source>
        <translation>Garder l’original  (l’original probable de chaque groupe)</translation>
    </message>
</context>
<context>
    <name>DuplicateGroupDelegate</name>
    <message>
        <source>save %1</source>
        <translation>gain de %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln identical files  ·  %1 each  ·  </source>
        <translation>
            <numerusform>%Ln fichier identique  ·  %1 chacun  ·  </numerusform>
            <numerusform>%Ln fichiers identiques  ·  %1 chacun  ·  </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileUtils</name>
    <message>
        <source>permission denied</source>
        <translation>autorisation refusée</translation>
    </message>
    <message>
        <source>it is in use</source>
        <translation>élément en cours d&apos;utilisation</translation>
    </message>
    <message>
        <source>the volume is read-only</source>
        <translation>le volume est en lecture seule</translation>
    </message>
    <message>
        <source>the folder is not empty</source>
        <translation>le dossier n&apos;est pas vide</translation>
    </message>
    <message>
        <source>another volume is mounted there</source>
        <translation>un autre volume y est monté</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>ce n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it changed while being removed</source>
        <translation>modifié pendant la suppression</translation>
    </message>
    <message>
        <source>its folder is not open</source>
        <translation>son dossier n&apos;est pas ouvert</translation>
    </message>
    <message>
        <source>outside %1</source>
        <translation>hors de %1</translation>
    </message>
    <message>
        <source>the folder itself</source>
        <translation>le dossier lui-même</translation>
    </message>
    <message>
        <source>&quot;.&quot; or &quot;..&quot; in the path</source>
        <translation>« . » ou « .. » dans le chemin</translation>
    </message>
    <message>
        <source>a link or a file on the way: %1</source>
        <translation>un lien ou un fichier sur le chemin : %1</translation>
    </message>
    <message>
        <source>another volume on the way: %1</source>
        <translation>un autre volume sur le chemin : %1</translation>
    </message>
    <message>
        <source>it changed since it was chosen</source>
        <translation>il a été modifié depuis qu’il a été choisi</translation>
    </message>
</context>
<context>
    <name>HomeTrash</name>
    <message>
        <source>it is no longer there</source>
        <translation>l’élément n’est plus là</translation>
    </message>
    <message>
        <source>the Finder could not be asked (osascript did not start)</source>
        <translation>impossible d&apos;interroger le Finder (osascript n&apos;a pas démarré)</translation>
    </message>
    <message>
        <source>the Finder did not answer within %1 seconds; it may be waiting for your permission or password</source>
        <translation>le Finder n&apos;a pas répondu dans les %1 secondes&#xa0;; il attend peut-être votre autorisation ou votre mot de passe</translation>
    </message>
    <message>
        <source>the Finder left it where it was</source>
        <translation>le Finder l’a laissé à sa place</translation>
    </message>
    <message>
        <source>Sweepnook is not allowed to control the Finder (System Settings &gt; Privacy &amp; Security &gt; Automation)</source>
        <translation>Sweepnook n&apos;est pas autorisé à contrôler le Finder (Réglages Système &gt; Confidentialité et sécurité &gt; Automatisation)</translation>
    </message>
    <message>
        <source>the Finder refused (exit code %1)</source>
        <translation>le Finder a refusé (code de sortie %1)</translation>
    </message>
    <message>
        <source>the Finder refused: %1</source>
        <translation>le Finder a refusé&#xa0;: %1</translation>
    </message>
    <message>
        <source>the Trash folder cannot be used: %1</source>
        <translation>le dossier de la Corbeille est inutilisable&#xa0;: %1</translation>
    </message>
    <message>
        <source>it is on another volume than your Trash</source>
        <translation>l&apos;élément se trouve sur un autre volume que votre Corbeille</translation>
    </message>
    <message>
        <source>it is in the Trash already</source>
        <translation>l’élément est déjà dans la Corbeille</translation>
    </message>
    <message>
        <source>too many items of that name in the Trash</source>
        <translation>trop d’éléments de ce nom dans la Corbeille</translation>
    </message>
    <message>
        <source>a volume is mounted inside it (%1)</source>
        <translation>un volume y est monté à l’intérieur (%1)</translation>
    </message>
</context>
<context>
    <name>ItemDetailDialog</name>
    <message numerus="yes">
        <source>%1  |  %Ln files</source>
        <translation>
            <numerusform>%1  |  %Ln fichier</numerusform>
            <numerusform>%1  |  %Ln fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
</context>
<context>
    <name>JunkCleaner</name>
    <message>
        <source>outside the folders of its rule</source>
        <translation>en dehors des dossiers de sa règle</translation>
    </message>
    <message>
        <source>These browsers are running, so their caches were left; close them to clean them:
%1</source>
        <translation>Ces navigateurs sont ouverts, leurs caches ont donc été laissés&#xa0;; quittez-les pour les nettoyer&#xa0;:
%1</translation>
    </message>
</context>
<context>
    <name>JunkPage</name>
    <message>
        <source>Junk Cleaner</source>
        <translation>Nettoyage des fichiers inutiles</translation>
    </message>
    <message>
        <source>Clean system temp files, cache and logs</source>
        <translation>Nettoyez les fichiers temporaires, les caches et les journaux du système</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Trouvé</translation>
    </message>
</context>
<context>
    <name>LargeFileDelegate</name>
    <message>
        <source>In iCloud</source>
        <translation>Dans iCloud</translation>
    </message>
    <message>
        <source>%1, %2 on disk</source>
        <translation>%1, %2 sur le disque</translation>
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
        <translation>Recherche de gros fichiers</translation>
    </message>
    <message>
        <source>Scan your drives and remove files that are taking up the most space</source>
        <translation>Analysez vos disques et supprimez les fichiers qui occupent le plus d&apos;espace</translation>
    </message>
    <message>
        <source>SELECT VOLUME</source>
        <translation>CHOISIR UN VOLUME</translation>
    </message>
    <message>
        <source>Min file size:</source>
        <translation>Taille min.&#xa0;:</translation>
    </message>
    <message>
        <source>50 MB</source>
        <translation>50 Mo</translation>
    </message>
    <message>
        <source>100 MB</source>
        <translation>100 Mo</translation>
    </message>
    <message>
        <source>200 MB</source>
        <translation>200 Mo</translation>
    </message>
    <message>
        <source>500 MB</source>
        <translation>500 Mo</translation>
    </message>
    <message>
        <source>1 GB</source>
        <translation>1 Go</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Personnalisée...</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>Lancer l&apos;analyse</translation>
    </message>
    <message>
        <source>Scan Results</source>
        <translation>Résultats de l&apos;analyse</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>Tous les types</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Vidéos</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>Archives</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documents</translation>
    </message>
    <message>
        <source>Packages</source>
        <translation>Paquets</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>Largest first</source>
        <translation>Les plus gros d&apos;abord</translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation>Les plus récents d&apos;abord</translation>
    </message>
    <message>
        <source>← Back</source>
        <translation>← Retour</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Supprimer la sélection</translation>
    </message>
    <message>
        <source>Local Disk</source>
        <translation>Disque local</translation>
    </message>
    <message>
        <source>Remove from list</source>
        <translation>Retirer de la liste</translation>
    </message>
    <message>
        <source>Add location</source>
        <translation>Ajouter un emplacement</translation>
    </message>
    <message>
        <source>Select a volume above to begin scanning.</source>
        <translation>Sélectionnez un volume ci-dessus pour lancer l&apos;analyse.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln volume(s) selected. Sweepnook will scan for files larger than %1.</source>
        <translation>
            <numerusform>%Ln volume sélectionné. Sweepnook recherchera les fichiers de plus de %1.</numerusform>
            <numerusform>%Ln volumes sélectionnés. Sweepnook recherchera les fichiers de plus de %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose Folder to Scan</source>
        <translation>Choisir le dossier à analyser</translation>
    </message>
    <message>
        <source>Custom File Size</source>
        <translation>Taille de fichier personnalisée</translation>
    </message>
    <message>
        <source>Enter minimum file size (MB):</source>
        <translation>Taille de fichier minimale (Mo) :</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Astuce</translation>
    </message>
    <message>
        <source>Please select at least one drive to scan.</source>
        <translation>Sélectionnez au moins un disque à analyser.</translation>
    </message>
    <message>
        <source>No large files found that match the criteria.</source>
        <translation>Aucun gros fichier ne correspond aux critères.</translation>
    </message>
    <message>
        <source>Scan Completed</source>
        <translation>Analyse terminée</translation>
    </message>
    <message>
        <source>%1 freed</source>
        <translation>%1 libérés</translation>
    </message>
    <message>
        <source>%1 in the Trash until you empty it</source>
        <translation>%1 dans la Corbeille jusqu&apos;à ce que vous la vidiez</translation>
    </message>
    <message>
        <source>Delete this file</source>
        <translation>Supprimer ce fichier</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Confirmer la suppression</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Placer dans la Corbeille</translation>
    </message>
    <message>
        <source>Delete Permanently</source>
        <translation>Supprimer définitivement</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this file?

%1
Size: %2</source>
        <translation>Voulez-vous vraiment supprimer ce fichier&#xa0;?

%1
Taille&#xa0;: %2</translation>
    </message>
    <message>
        <source>This file is only in iCloud: deleting it frees no space on this Mac and removes it from all your devices.</source>
        <translation>Ce fichier se trouve uniquement dans iCloud&#xa0;: le supprimer ne libère aucun espace sur ce Mac et le retire de tous vos appareils.</translation>
    </message>
    <message>
        <source>Move to Trash keeps it until you empty the Trash. Delete Permanently cannot be undone!</source>
        <translation>«&#xa0;Placer dans la Corbeille&#xa0;» le conserve jusqu&apos;à ce que vous vidiez la Corbeille. «&#xa0;Supprimer définitivement&#xa0;» est irréversible&#xa0;!</translation>
    </message>
    <message>
        <source>Move to Trash keeps them until you empty the Trash. Delete Permanently cannot be undone!</source>
        <translation>«&#xa0;Placer dans la Corbeille&#xa0;» les conserve jusqu&apos;à ce que vous vidiez la Corbeille. «&#xa0;Supprimer définitivement&#xa0;» est irréversible&#xa0;!</translation>
    </message>
    <message>
        <source>Deleting...</source>
        <translation>Suppression...</translation>
    </message>
    <message>
        <source>Unable to delete this file. It may be in use by another program.</source>
        <translation>Impossible de supprimer ce fichier. Il est peut-être utilisé par un autre programme.</translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation>Échec de la suppression</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>All files have been deleted</source>
        <translation>Tous les fichiers ont été supprimés</translation>
    </message>
    <message>
        <source>%1 moved to the Trash: empty the Trash to free the space.</source>
        <translation>%1 placés dans la Corbeille&#xa0;: videz la Corbeille pour libérer l&apos;espace.</translation>
    </message>
    <message>
        <source>%1 freed.</source>
        <translation>%1 libérés.</translation>
    </message>
    <message>
        <source>Delete Completed</source>
        <translation>Suppression terminée</translation>
    </message>
    <message numerus="yes">
        <source>Found %Ln large files, total %1</source>
        <translation>
            <numerusform>%Ln gros fichier trouvé, %1 au total</numerusform>
            <numerusform>%Ln gros fichiers trouvés, %1 au total</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln files (%1)</source>
        <translation>
            <numerusform>Sélection&#xa0;: %Ln fichier (%1)</numerusform>
            <numerusform>Sélection&#xa0;: %Ln fichiers (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete the selected %Ln files?

Total: %1</source>
        <translation>
            <numerusform>Voulez-vous vraiment supprimer %Ln fichier sélectionné&#xa0;?

Total&#xa0;: %1</numerusform>
            <numerusform>Voulez-vous vraiment supprimer les %Ln fichiers sélectionnés&#xa0;?

Total&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleted %Ln files successfully.</source>
        <translation>
            <numerusform>%Ln fichier supprimé.</numerusform>
            <numerusform>%Ln fichiers supprimés.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 used</source>
        <translation>%1 utilisés</translation>
    </message>
    <message>
        <source>%1 total</source>
        <translation>%1 au total</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Afficher dans le Finder</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files failed to delete.</source>
        <translation>
            <numerusform>%Ln fichier n&apos;a pas pu être supprimé.</numerusform>
            <numerusform>%Ln fichiers n&apos;ont pas pu être supprimés.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LargeFileScanner</name>
    <message>
        <source>It changed since the scan</source>
        <translation>Il a été modifié depuis l’analyse</translation>
    </message>
    <message>
        <source>It is not among the results of the scan</source>
        <translation>Il ne fait pas partie des résultats de l’analyse</translation>
    </message>
</context>
<context>
    <name>LinkManager</name>
    <message>
        <source>配置错误</source>
        <translation>Erreur de configuration</translation>
    </message>
    <message>
        <source>无法加载页面链接。

请联系技术支持或重新安装软件。</source>
        <translation>Impossible de charger le lien de la page.

Contactez l&apos;assistance ou réinstallez l&apos;app.</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>Impossible d&apos;ouvrir le navigateur</translation>
    </message>
    <message>
        <source>无法打开默认浏览器。

请手动复制链接访问：
%1</source>
        <translation>Impossible d&apos;ouvrir le navigateur par défaut.

Copiez ce lien et ouvrez-le manuellement&#xa0;:
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Dashboard</source>
        <translation>Tableau de bord</translation>
    </message>
    <message>
        <source>Junk Cleaner</source>
        <translation>Fichiers inutiles</translation>
    </message>
    <message>
        <source>Browser Cleaner</source>
        <translation>Navigateurs</translation>
    </message>
    <message>
        <source>Registry Cleaner</source>
        <translation>Registre</translation>
    </message>
    <message>
        <source>Startup Manager</source>
        <translation>Démarrage</translation>
    </message>
    <message>
        <source>Large Files</source>
        <translation>Gros fichiers</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>Optimisation</translation>
    </message>
    <message>
        <source>App Uninstaller</source>
        <translation>Désinstallation</translation>
    </message>
    <message>
        <source>Duplicate Files</source>
        <translation>Doublons</translation>
    </message>
    <message>
        <source>Privacy Cleaner</source>
        <translation>Confidentialité</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Placer dans le Dock</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Réduire/agrandir</translation>
    </message>
    <message>
        <source>Sweepnook - Mac Cleaning Tool</source>
        <translation>Sweepnook - Outil de nettoyage pour Mac</translation>
    </message>
    <message>
        <source>显示主窗口</source>
        <translation>Afficher la fenêtre principale</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>No items selected</source>
        <translation>Aucun élément sélectionné</translation>
    </message>
    <message>
        <source>Confirm Clean</source>
        <translation>Confirmer le nettoyage</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to clean %Ln selected items (%1)?
This action cannot be undone!</source>
        <translation>
            <numerusform>Voulez-vous vraiment nettoyer %Ln élément sélectionné (%1)&#xa0;?
Cette action est irréversible&#xa0;!</numerusform>
            <numerusform>Voulez-vous vraiment nettoyer les %Ln éléments sélectionnés (%1)&#xa0;?
Cette action est irréversible&#xa0;!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cleaned %Ln items, freed %1</source>
        <translation>
            <numerusform>%Ln élément nettoyé, %1 libérés</numerusform>
            <numerusform>%Ln éléments nettoyés, %1 libérés</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled. %1</source>
        <translation>Annulé. %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln items could not be removed.</source>
        <translation>
            <numerusform>%Ln élément n&apos;a pas pu être supprimé.</numerusform>
            <numerusform>%Ln éléments n&apos;ont pas pu être supprimés.</numerusform>
        </translation>
    </message>
    <message>
        <source>A clean is still running. Scan again when it has finished.</source>
        <translation>Un nettoyage est encore en cours. Relancez l&apos;analyse lorsqu&apos;il sera terminé.</translation>
    </message>
    <message>
        <source>About Sweepnook</source>
        <translation>À propos de Sweepnook</translation>
    </message>
    <message>
        <source>by Quelmo</source>
        <translation>par Quelmo</translation>
    </message>
    <message>
        <source>The smartest way to keep your Mac clean, fast, and private.&lt;br&gt;Remove junk files, browser traces, duplicate files,&lt;br&gt;and privacy risks — all in one click.</source>
        <translation>La façon la plus intelligente de garder votre Mac propre, rapide et confidentiel.&lt;br&gt;Supprimez les fichiers inutiles, les traces de navigation, les doublons&lt;br&gt;et les risques pour votre vie privée — en un seul clic.</translation>
    </message>
    <message>
        <source>© 2026 Quelmo. All rights reserved.</source>
        <translation>© 2026 Quelmo. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Sweepnook</source>
        <translation>Sweepnook</translation>
    </message>
    <message>
        <source>Program minimized to system tray. Double-click the icon to restore.</source>
        <translation>Sweepnook reste ouvert dans la barre des menus. Double-cliquez sur l&apos;icône pour rouvrir la fenêtre.</translation>
    </message>
</context>
<context>
    <name>PrivacyCleaner</name>
    <message>
        <source>Clipboard Content</source>
        <translation>Contenu du presse-papiers</translation>
    </message>
    <message>
        <source>Text, images or files currently copied to clipboard</source>
        <translation>Texte, images ou fichiers actuellement copiés dans le presse-papiers</translation>
    </message>
    <message>
        <source>QuickLook Preview Cache</source>
        <translation>Cache des aperçus Coup d&apos;œil</translation>
    </message>
    <message>
        <source>Cached file previews generated by macOS QuickLook</source>
        <translation>Aperçus de fichiers mis en cache par Coup d&apos;œil de macOS</translation>
    </message>
    <message>
        <source>Recent Files List</source>
        <translation>Liste des fichiers récents</translation>
    </message>
    <message>
        <source>macOS list of recently opened files and apps</source>
        <translation>Liste macOS des fichiers et apps ouverts récemment</translation>
    </message>
    <message>
        <source>Notification History</source>
        <translation>Historique des notifications</translation>
    </message>
    <message>
        <source>Database logs of all received app notifications</source>
        <translation>Base de données de toutes les notifications reçues des apps</translation>
    </message>
    <message>
        <source>DNS Cache</source>
        <translation>Cache DNS</translation>
    </message>
    <message>
        <source>Cached DNS lookups recording recently visited domains</source>
        <translation>Résolutions DNS en cache qui révèlent les domaines visités récemment</translation>
    </message>
</context>
<context>
    <name>PrivacyItemCard</name>
    <message>
        <source>Nothing found</source>
        <translation>Rien trouvé</translation>
    </message>
    <message>
        <source>Size unknown</source>
        <translation>Taille inconnue</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation>
            <numerusform>%Ln élément</numerusform>
            <numerusform>%Ln éléments</numerusform>
        </translation>
    </message>
    <message>
        <source>Not scanned</source>
        <translation>Non analysé</translation>
    </message>
    <message>
        <source>Cleaned</source>
        <translation>Nettoyé</translation>
    </message>
    <message>
        <source>%1 freed</source>
        <translation>%1 libérés</translation>
    </message>
    <message>
        <source>Not cleaned</source>
        <translation>Non nettoyé</translation>
    </message>
    <message>
        <source>Safe</source>
        <translation>Sans risque</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>High risk</source>
        <translation>Risque élevé</translation>
    </message>
    <message>
        <source>Partly cleaned</source>
        <translation>Nettoyé en partie</translation>
    </message>
</context>
<context>
    <name>PrivacyPage</name>
    <message>
        <source>Privacy Cleaner</source>
        <translation>Nettoyage des traces</translation>
    </message>
    <message>
        <source>Clear the traces your everyday use leaves on this Mac</source>
        <translation>Effacez les traces que votre usage quotidien laisse sur ce Mac</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Analyser</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Nettoyer</translation>
    </message>
    <message>
        <source>Scan stopped</source>
        <translation>Analyse arrêtée</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Arrêt…</translation>
    </message>
    <message>
        <source>Scanning: %1</source>
        <translation>Analyse&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cleaning: %1 of %2 done</source>
        <translation>Nettoyage&#xa0;: %1 sur %2 terminés</translation>
    </message>
    <message>
        <source>Not cleaned: %1</source>
        <translation>Non nettoyés&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>Stopped before %Ln item(s)</source>
        <translation>
            <numerusform>Arrêté&#xa0;: %Ln élément non traité</numerusform>
            <numerusform>Arrêté&#xa0;: %Ln éléments non traités</numerusform>
        </translation>
    </message>
    <message>
        <source>Scan Again</source>
        <translation>Relancer l&apos;analyse</translation>
    </message>
    <message>
        <source>Scan to measure the traces on this Mac</source>
        <translation>Lancez une analyse pour mesurer les traces sur ce Mac</translation>
    </message>
    <message>
        <source>Scanning…</source>
        <translation>Analyse…</translation>
    </message>
    <message>
        <source>Cleaning…</source>
        <translation>Nettoyage…</translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln item(s)</source>
        <translation>
            <numerusform>Sélection&#xa0;: %Ln élément</numerusform>
            <numerusform>Sélection&#xa0;: %Ln éléments</numerusform>
        </translation>
    </message>
    <message>
        <source>No items selected</source>
        <translation>Aucun élément sélectionné</translation>
    </message>
    <message>
        <source>Confirm Cleaning</source>
        <translation>Confirmer le nettoyage</translation>
    </message>
    <message numerus="yes">
        <source>Clean %Ln selected item(s)?</source>
        <translation>
            <numerusform>Nettoyer %Ln élément sélectionné&#xa0;?</numerusform>
            <numerusform>Nettoyer les %Ln éléments sélectionnés&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>Cette action est irréversible.</translation>
    </message>
    <message numerus="yes">
        <source>Cleaned %Ln item(s) · freed %1</source>
        <translation>
            <numerusform>%Ln élément nettoyé · %1 libérés</numerusform>
            <numerusform>%Ln éléments nettoyés · %1 libérés</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Scanning...</source>
        <translation>Analyse...</translation>
    </message>
    <message>
        <source>Cleaning...</source>
        <translation>Nettoyage...</translation>
    </message>
    <message>
        <source>正在分析系统...</source>
        <translation>Analyse du système...</translation>
    </message>
    <message>
        <source>正在删除文件...</source>
        <translation>Suppression des fichiers...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>已清理: %1</source>
        <translation>Nettoyé&#xa0;: %1</translation>
    </message>
    <message>
        <source>完成!</source>
        <translation>Terminé&#xa0;!</translation>
    </message>
    <message>
        <source>操作失败</source>
        <translation>Échec de l&apos;opération</translation>
    </message>
    <message>
        <source>Partly done</source>
        <translation>Partiellement terminé</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Co&amp;pier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
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
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Tout enregistrer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Oui à &amp;tout</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;on à tout</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restaurer les valeurs par défaut</translation>
    </message>
</context>
<context>
    <name>RegistryPage</name>
    <message>
        <source>Registry cleaning is only available on Windows</source>
        <translation>Le nettoyage du registre n&apos;est disponible que sous Windows</translation>
    </message>
    <message>
        <source>macOS keeps its settings in preference files, not in a registry, so there is nothing to clean here.</source>
        <translation>macOS conserve ses réglages dans des fichiers de préférences, pas dans un registre&#xa0;: il n&apos;y a donc rien à nettoyer ici.</translation>
    </message>
</context>
<context>
    <name>RuleTexts</name>
    <message>
        <source>System Temporary Files</source>
        <translation>Fichiers temporaires du système</translation>
    </message>
    <message>
        <source>System temp folder and intermediate build files</source>
        <translation>Dossier temporaire du système et fichiers intermédiaires de compilation</translation>
    </message>
    <message>
        <source>Application Caches</source>
        <translation>Caches des apps</translation>
    </message>
    <message>
        <source>Cached data generated by installed applications</source>
        <translation>Données en cache créées par les apps installées</translation>
    </message>
    <message>
        <source>Browser Caches</source>
        <translation>Caches des navigateurs</translation>
    </message>
    <message>
        <source>Cache files from Safari, Chrome, Firefox, Edge, Brave</source>
        <translation>Fichiers en cache de Safari, Chrome, Firefox, Edge, Brave</translation>
    </message>
    <message>
        <source>Log Files</source>
        <translation>Fichiers journaux</translation>
    </message>
    <message>
        <source>System and application log files</source>
        <translation>Journaux du système et des apps</translation>
    </message>
    <message>
        <source>Crash Reports</source>
        <translation>Rapports de plantage</translation>
    </message>
    <message>
        <source>Application and system crash dump files</source>
        <translation>Fichiers de vidage après plantage des apps et du système</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Corbeille</translation>
    </message>
    <message>
        <source>Files in the Trash waiting to be permanently deleted</source>
        <translation>Éléments de la Corbeille en attente de suppression définitive</translation>
    </message>
    <message>
        <source>Download Installers</source>
        <translation>Programmes d&apos;installation téléchargés</translation>
    </message>
    <message>
        <source>Installer packages accumulated in the Downloads folder</source>
        <translation>Paquets d&apos;installation accumulés dans le dossier Téléchargements</translation>
    </message>
    <message>
        <source>QuickLook Cache</source>
        <translation>Cache de Coup d&apos;œil</translation>
    </message>
    <message>
        <source>macOS QuickLook preview thumbnail cache</source>
        <translation>Cache des vignettes d&apos;aperçu de Coup d&apos;œil de macOS</translation>
    </message>
    <message>
        <source>Homebrew Cache</source>
        <translation>Cache Homebrew</translation>
    </message>
    <message>
        <source>Homebrew package manager download and build cache</source>
        <translation>Cache de téléchargement et de compilation du gestionnaire de paquets Homebrew</translation>
    </message>
    <message>
        <source>Developer Caches</source>
        <translation>Caches de développement</translation>
    </message>
    <message>
        <source>Xcode derived data, simulators, npm, pip, Gradle, Maven caches</source>
        <translation>Données dérivées Xcode, simulateurs, caches npm, pip, Gradle, Maven</translation>
    </message>
    <message>
        <source>iOS Backups</source>
        <translation>Sauvegardes iOS</translation>
    </message>
    <message>
        <source>iPhone / iPad local backups stored on this Mac</source>
        <translation>Sauvegardes locales d&apos;iPhone / iPad stockées sur ce Mac</translation>
    </message>
    <message>
        <source>Large Old Files</source>
        <translation>Fichiers anciens volumineux</translation>
    </message>
    <message>
        <source>Old iOS firmware, app installers, and large unused data</source>
        <translation>Anciens firmwares iOS, programmes d&apos;installation et données volumineuses inutilisées</translation>
    </message>
    <message>
        <source>Office Cache</source>
        <translation>Cache Office</translation>
    </message>
    <message>
        <source>Microsoft Office and Apple iWork temporary files</source>
        <translation>Fichiers temporaires de Microsoft Office et d&apos;Apple iWork</translation>
    </message>
    <message>
        <source>Font Cache</source>
        <translation>Cache des polices</translation>
    </message>
    <message>
        <source>System font cache files</source>
        <translation>Fichiers du cache des polices du système</translation>
    </message>
    <message>
        <source>Prefetch Files</source>
        <translation>Fichiers Prefetch</translation>
    </message>
    <message>
        <source>Windows Prefetch cache files</source>
        <translation>Fichiers du cache Prefetch de Windows</translation>
    </message>
    <message>
        <source>Windows Update Cache</source>
        <translation>Cache de Windows Update</translation>
    </message>
    <message>
        <source>Windows Update download cache</source>
        <translation>Cache des téléchargements de Windows Update</translation>
    </message>
    <message>
        <source>Memory Dumps</source>
        <translation>Vidages mémoire</translation>
    </message>
    <message>
        <source>System crash and error dump files (Windows)</source>
        <translation>Fichiers de vidage après plantage ou erreur du système (Windows)</translation>
    </message>
    <message>
        <source>Windows Defender Cache</source>
        <translation>Cache de Windows Defender</translation>
    </message>
    <message>
        <source>Microsoft Defender scan history and backup cache</source>
        <translation>Historique d&apos;analyse et cache de sauvegarde de Microsoft Defender</translation>
    </message>
    <message>
        <source>GPU Shader Cache</source>
        <translation>Cache des shaders GPU</translation>
    </message>
    <message>
        <source>GPU driver shader and DirectX cache (NVIDIA / AMD)</source>
        <translation>Cache des shaders du pilote graphique et de DirectX (NVIDIA / AMD)</translation>
    </message>
    <message>
        <source>Old Windows Installation</source>
        <translation>Ancienne installation de Windows</translation>
    </message>
    <message>
        <source>Old system backups remaining after a Windows upgrade</source>
        <translation>Anciennes sauvegardes du système restées après une mise à niveau de Windows</translation>
    </message>
    <message>
        <source>Browser Cache</source>
        <translation>Cache du navigateur</translation>
    </message>
    <message>
        <source>Temporary web page cache files</source>
        <translation>Fichiers temporaires des pages web en cache</translation>
    </message>
    <message>
        <source>Code Cache</source>
        <translation>Cache du code</translation>
    </message>
    <message>
        <source>JavaScript code cache</source>
        <translation>Cache du code JavaScript</translation>
    </message>
    <message>
        <source>GPU Cache</source>
        <translation>Cache GPU</translation>
    </message>
    <message>
        <source>GPU rendering cache</source>
        <translation>Cache du rendu GPU</translation>
    </message>
    <message>
        <source>Shader Cache</source>
        <translation>Cache des shaders</translation>
    </message>
    <message>
        <source>GPU shader compilation cache</source>
        <translation>Cache de compilation des shaders GPU</translation>
    </message>
    <message>
        <source>Service Workers</source>
        <translation>Service Workers</translation>
    </message>
    <message>
        <source>Service Worker cache</source>
        <translation>Cache des Service Workers</translation>
    </message>
    <message>
        <source>Blob Storage</source>
        <translation>Stockage Blob</translation>
    </message>
    <message>
        <source>Temporary binary data storage</source>
        <translation>Stockage temporaire de données binaires</translation>
    </message>
    <message>
        <source>WebRTC Logs</source>
        <translation>Journaux WebRTC</translation>
    </message>
    <message>
        <source>Video call debug logs</source>
        <translation>Journaux de débogage des appels vidéo</translation>
    </message>
    <message>
        <source>Browser crash report files</source>
        <translation>Rapports de plantage du navigateur</translation>
    </message>
    <message>
        <source>Browser Logs</source>
        <translation>Journaux du navigateur</translation>
    </message>
    <message>
        <source>Browser debug and error logs</source>
        <translation>Journaux de débogage et d&apos;erreurs du navigateur</translation>
    </message>
    <message>
        <source>Website Thumbnails</source>
        <translation>Vignettes des sites web</translation>
    </message>
    <message>
        <source>New Tab page website thumbnails</source>
        <translation>Vignettes des sites web de la page Nouvel onglet</translation>
    </message>
    <message>
        <source>Favicon Cache</source>
        <translation>Cache des favicons</translation>
    </message>
    <message>
        <source>Website icon (favicon) cache</source>
        <translation>Cache des icônes des sites web (favicons)</translation>
    </message>
    <message>
        <source>Local Storage</source>
        <translation>Stockage local</translation>
    </message>
    <message>
        <source>Website Local Storage (site settings may be lost)</source>
        <translation>Stockage local des sites web (les réglages des sites peuvent être perdus)</translation>
    </message>
    <message>
        <source>IndexedDB</source>
        <translation>IndexedDB</translation>
    </message>
    <message>
        <source>Website database storage (offline data may be lost)</source>
        <translation>Bases de données des sites web (les données hors ligne peuvent être perdues)</translation>
    </message>
    <message>
        <source>Cookies</source>
        <translation>Cookies</translation>
    </message>
    <message>
        <source>Website Cookies (requires re-login to all sites)</source>
        <translation>Cookies des sites web (reconnexion nécessaire sur tous les sites)</translation>
    </message>
    <message>
        <source>Browsing History</source>
        <translation>Historique de navigation</translation>
    </message>
    <message>
        <source>Web browsing history records</source>
        <translation>Historique des sites web consultés</translation>
    </message>
    <message>
        <source>Download History</source>
        <translation>Historique des téléchargements</translation>
    </message>
    <message>
        <source>Download history records (downloaded files are not deleted)</source>
        <translation>Historique des téléchargements (les fichiers téléchargés ne sont pas supprimés)</translation>
    </message>
    <message>
        <source>Session Data</source>
        <translation>Données de session</translation>
    </message>
    <message>
        <source>Current and recent session data (tabs may be lost)</source>
        <translation>Données de la session en cours et des sessions récentes (des onglets peuvent être perdus)</translation>
    </message>
    <message>
        <source>Form Data</source>
        <translation>Données de formulaire</translation>
    </message>
    <message>
        <source>Autofill form data (requires re-entry after cleaning)</source>
        <translation>Données de remplissage automatique (à ressaisir après le nettoyage)</translation>
    </message>
    <message>
        <source>Safe Browsing Data</source>
        <translation>Données de navigation sécurisée</translation>
    </message>
    <message>
        <source>Safe Browsing protection data (not recommended to clean)</source>
        <translation>Données de protection de la navigation sécurisée (nettoyage déconseillé)</translation>
    </message>
    <message>
        <source>Thumbnail Cache</source>
        <translation>Cache des vignettes</translation>
    </message>
    <message>
        <source>Preview pictures of your files made by the desktop and file manager</source>
        <translation>Aperçus de vos fichiers créés par le bureau et le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Package Caches</source>
        <translation>Caches des paquets</translation>
    </message>
    <message>
        <source>Downloads and builds kept by pip, npm, Yarn, pnpm, Cargo, Go, Gradle, Maven and ccache</source>
        <translation>Téléchargements et compilations conservés par pip, npm, Yarn, pnpm, Cargo, Go, Gradle, Maven et ccache</translation>
    </message>
</context>
<context>
    <name>ScanProgressDialog</name>
    <message>
        <source>Scanning for large files...</source>
        <translation>Recherche de gros fichiers...</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Préparation...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Scanning: %1</source>
        <translation>Analyse&#xa0;: %1</translation>
    </message>
    <message>
        <source>Scan Complete</source>
        <translation>Analyse terminée</translation>
    </message>
    <message>
        <source>Scan completed</source>
        <translation>Analyse terminée</translation>
    </message>
    <message>
        <source>View Results</source>
        <translation>Voir les résultats</translation>
    </message>
    <message numerus="yes">
        <source>Found %Ln large files (%1)</source>
        <translation>
            <numerusform>%Ln gros fichier trouvé (%1)</numerusform>
            <numerusform>%Ln gros fichiers trouvés (%1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>Ouvrir à la connexion</translation>
    </message>
    <message>
        <source>Minimize to tray on close</source>
        <translation>Garder dans la barre des menus à la fermeture</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Confirm before cleaning</source>
        <translation>Confirmer avant de nettoyer</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Nettoyage</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Ouvrir à la connexion</translation>
    </message>
    <message>
        <source>Sweepnook could not be set to start at login. The log has the details.</source>
        <translation>Impossible de configurer Sweepnook pour qu&apos;il s&apos;ouvre à la connexion. Le journal contient les détails.</translation>
    </message>
    <message>
        <source>Sweepnook could not be kept from starting at login. The log has the details.</source>
        <translation>Impossible d&apos;empêcher Sweepnook de s&apos;ouvrir à la connexion. Le journal contient les détails.</translation>
    </message>
</context>
<context>
    <name>StartupCardDelegate</name>
    <message>
        <source>Reveal in Finder</source>
        <translation>Afficher dans le Finder</translation>
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
        <translation>Système</translation>
    </message>
    <message>
        <source>Startup Folder</source>
        <translation>Dossier Démarrage</translation>
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
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Startup items</source>
        <translation>Éléments de démarrage</translation>
    </message>
    <message>
        <source>System-wide agents and daemons</source>
        <translation>Agents et daemons du système</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>Program missing</source>
        <translation>Programme introuvable</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Désactivé</translation>
    </message>
</context>
<context>
    <name>StartupManager</name>
    <message>
        <source>Scanning %1...</source>
        <translation>Analyse de %1...</translation>
    </message>
    <message>
        <source>Scanning startup items...</source>
        <translation>Analyse des éléments de démarrage...</translation>
    </message>
    <message>
        <source>Scanning installed applications...</source>
        <translation>Analyse des applications installées...</translation>
    </message>
</context>
<context>
    <name>StartupPage</name>
    <message>
        <source>Startup Manager</source>
        <translation>Gestion du démarrage</translation>
    </message>
    <message>
        <source>Manage programs that run automatically at startup</source>
        <translation>Gérez les programmes qui s&apos;ouvrent automatiquement au démarrage</translation>
    </message>
    <message>
        <source>Search programs...</source>
        <translation>Rechercher des programmes...</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>⚠️ Only your own startup items can be removed</source>
        <translation>⚠️ Seuls vos propres éléments de démarrage peuvent être supprimés</translation>
    </message>
    <message>
        <source>Scanning installed programs...</source>
        <translation>Analyse des programmes installés...</translation>
    </message>
    <message>
        <source>First load may take a few seconds</source>
        <translation>Le premier chargement peut prendre quelques secondes</translation>
    </message>
    <message>
        <source>Cannot Modify</source>
        <translation>Modification impossible</translation>
    </message>
    <message>
        <source>This startup item was not created by Sweepnook and cannot be removed here.</source>
        <translation>Cet élément de démarrage n&apos;a pas été créé par Sweepnook et ne peut pas être supprimé ici.</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>Échec de l&apos;opération</translation>
    </message>
    <message>
        <source>Failed to remove &quot;%1&quot; from startup.</source>
        <translation>Impossible de retirer «&#xa0;%1&#xa0;» du démarrage.</translation>
    </message>
    <message>
        <source>Failed to add &quot;%1&quot; to startup.</source>
        <translation>Impossible d&apos;ajouter «&#xa0;%1&#xa0;» au démarrage.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln startup items</source>
        <translation>
            <numerusform>%Ln élément de démarrage</numerusform>
            <numerusform>%Ln éléments de démarrage</numerusform>
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
        <translation>Aucun élément de démarrage ni aucune app trouvés</translation>
    </message>
    <message>
        <source>No startup items match &quot;%1&quot;</source>
        <translation>Aucun élément de démarrage ne correspond à «&#xa0;%1&#xa0;»</translation>
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
        <translation>Réglages</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Assistance</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Langue modifiée</translation>
    </message>
    <message>
        <source>Language has been changed.

The application will restart now.</source>
        <translation>La langue a été modifiée.

L&apos;application va redémarrer.</translation>
    </message>
    <message>
        <source>Restart Failed</source>
        <translation>Échec du redémarrage</translation>
    </message>
    <message>
        <source>Sweepnook could not restart itself.

Please quit and reopen it to use the new language.</source>
        <translation>Sweepnook n&apos;a pas pu redémarrer.

Quittez-le puis rouvrez-le pour utiliser la nouvelle langue.</translation>
    </message>
</context>
<context>
    <name>TweakManager</name>
    <message>
        <source>This tweak changes Windows settings and works only on Windows.</source>
        <translation>Cet ajustement modifie des réglages de Windows et ne fonctionne que sous Windows.</translation>
    </message>
    <message>
        <source>Stopped before all services were changed.</source>
        <translation>Arrêté avant que tous les services aient été modifiés.</translation>
    </message>
    <message>
        <source>Could not change the start type of the service &quot;%1&quot;.</source>
        <translation>Impossible de modifier le type de démarrage du service «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Could not add the Ultimate Performance power plan.</source>
        <translation>Impossible d&apos;ajouter le mode de gestion de l&apos;alimentation Performances optimales.</translation>
    </message>
</context>
<context>
    <name>TweaksPage</name>
    <message>
        <source>These tweaks change Windows settings and act only on Windows. Nothing on this Mac is changed.</source>
        <translation>Ces ajustements modifient des réglages de Windows et n&apos;agissent que sous Windows. Rien n&apos;est modifié sur ce Mac.</translation>
    </message>
    <message>
        <source>System Tweaks</source>
        <translation>Ajustements système</translation>
    </message>
    <message>
        <source>Fine-tune privacy, performance and interface settings of Windows</source>
        <translation>Affinez les réglages de confidentialité, de performances et d&apos;interface de Windows</translation>
    </message>
    <message>
        <source>Apply recommended</source>
        <translation>Appliquer les recommandations</translation>
    </message>
    <message>
        <source>No tweaks are available.</source>
        <translation>Aucun ajustement disponible.</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Works only with Tamper Protection switched off in Windows Security.</source>
        <translation>Ne fonctionne que si la protection contre les falsifications est désactivée dans Sécurité Windows.</translation>
    </message>
    <message>
        <source>Only available on Windows</source>
        <translation>Disponible uniquement sous Windows</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Confidentialité</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Performances</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sécurité</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 of %2 on</source>
        <translation>%1 sur %2 activés</translation>
    </message>
</context>
<context>
    <name>UnreadableNote</name>
    <message numerus="yes">
        <source>%Ln folders could not be read, among them %1. To include them, allow Sweepnook Full Disk Access in System Settings &gt; Privacy &amp; Security.</source>
        <translation>
            <numerusform>Impossible de lire %Ln dossier&#xa0;: %1. Pour l&apos;inclure, accordez à Sweepnook l&apos;accès complet au disque dans Réglages Système &gt; Confidentialité et sécurité.</numerusform>
            <numerusform>Impossible de lire %Ln dossiers, dont %1. Pour les inclure, accordez à Sweepnook l&apos;accès complet au disque dans Réglages Système &gt; Confidentialité et sécurité.</numerusform>
        </translation>
    </message>
</context>
</TS>
