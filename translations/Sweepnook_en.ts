<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Made by Quelmo</source>
        <translation>Made by Quelmo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Your Personal System Butler</source>
        <translation>Your Personal System Butler</translation>
    </message>
    <message>
        <source>🧹 Junk Cleaner - Free up valuable disk space</source>
        <translation>🧹 Junk Cleaner - Free up valuable disk space</translation>
    </message>
    <message>
        <source>🌐 Browser Cleaner - Protect your privacy</source>
        <translation>🌐 Browser Cleaner - Protect your privacy</translation>
    </message>
    <message>
        <source>🔧 Registry Cleaner - Boost system performance</source>
        <translation>🔧 Registry Cleaner - Boost system performance</translation>
    </message>
    <message>
        <source>⚡ Startup Manager - Speed up boot time</source>
        <translation>⚡ Startup Manager - Speed up boot time</translation>
    </message>
    <message>
        <source>📊 Dashboard - Scan everything at once and clean in one click</source>
        <translation>📊 Dashboard - Scan everything at once and clean in one click</translation>
    </message>
    <message>
        <source>📁 Large Files - Find what takes up your disk</source>
        <translation>📁 Large Files - Find what takes up your disk</translation>
    </message>
    <message>
        <source>📑 Duplicate Files - Remove identical copies</source>
        <translation>📑 Duplicate Files - Remove identical copies</translation>
    </message>
    <message>
        <source>📦 App Uninstaller - Remove apps with their leftovers</source>
        <translation>📦 App Uninstaller - Remove apps with their leftovers</translation>
    </message>
    <message>
        <source>🛡️ Privacy Cleaner - Clear recent-files lists and other traces</source>
        <translation>🛡️ Privacy Cleaner - Clear recent-files lists and other traces</translation>
    </message>
</context>
<context>
    <name>AppCardDelegate</name>
    <message>
        <source>Part of macOS</source>
        <translation>Part of macOS</translation>
    </message>
    <message>
        <source>+%1 leftovers</source>
        <translation>+%1 leftovers</translation>
    </message>
    <message>
        <source>bundle identifier</source>
        <translation>bundle identifier</translation>
    </message>
    <message>
        <source>name only</source>
        <translation>name only</translation>
    </message>
    <message>
        <source>shared with macOS</source>
        <translation>shared with macOS</translation>
    </message>
</context>
<context>
    <name>AppUninstaller</name>
    <message>
        <source>It is part of macOS and cannot be removed.</source>
        <translation>It is part of macOS and cannot be removed.</translation>
    </message>
    <message>
        <source>It is not in an Applications folder.</source>
        <translation>It is not in an Applications folder.</translation>
    </message>
    <message>
        <source>Close the app first.</source>
        <translation>Close the app first.</translation>
    </message>
    <message>
        <source>Could not tell whether it is running. Close the app first.</source>
        <translation>Could not tell whether it is running. Close the app first.</translation>
    </message>
    <message>
        <source>It could not be moved to the Trash: %1.</source>
        <translation>It could not be moved to the Trash: %1.</translation>
    </message>
    <message>
        <source>It is on a read-only volume and cannot be removed.</source>
        <translation>It is on a read-only volume and cannot be removed.</translation>
    </message>
    <message>
        <source>It is no longer where the scan found it.</source>
        <translation>It is no longer where the scan found it.</translation>
    </message>
</context>
<context>
    <name>AppUninstallerPage</name>
    <message>
        <source>App Uninstaller</source>
        <translation>App Uninstaller</translation>
    </message>
    <message>
        <source>Completely remove apps and their leftover files</source>
        <translation>Completely remove apps and their leftover files</translation>
    </message>
    <message>
        <source>Search apps...</source>
        <translation>Search apps...</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>No apps selected</source>
        <translation>No apps selected</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Uninstall</translation>
    </message>
    <message>
        <source>Scanning installed apps...</source>
        <translation>Scanning installed apps...</translation>
    </message>
    <message>
        <source>No applications were found in the Applications folders.</source>
        <translation>No applications were found in the Applications folders.</translation>
    </message>
    <message>
        <source>No apps match &quot;%1&quot;.</source>
        <translation>No apps match &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Uninstalling %1...</source>
        <translation>Uninstalling %1...</translation>
    </message>
    <message>
        <source>Apps will be moved to Trash.</source>
        <translation>Apps will be moved to Trash.</translation>
    </message>
    <message>
        <source>Confirm Uninstall</source>
        <translation>Confirm Uninstall</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Could not uninstall %1.
%2</source>
        <translation>Could not uninstall %1.
%2</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Failed</translation>
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
            <numerusform>%Ln app selected</numerusform>
            <numerusform>%Ln apps selected</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Uninstall %Ln app(s) and their leftover files?</source>
        <translation>
            <numerusform>Uninstall %Ln app and its leftover files?</numerusform>
            <numerusform>Uninstall %Ln apps and their leftover files?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more</source>
        <translation>
            <numerusform>and %Ln more</numerusform>
            <numerusform>and %Ln more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Apps and %Ln selected leftover items (%1) will be moved to Trash.</source>
        <translation>
            <numerusform>Apps and %Ln selected leftover item (%1) will be moved to the Trash.</numerusform>
            <numerusform>Apps and %Ln selected leftover items (%1) will be moved to the Trash.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 was moved to Trash, but %Ln of its leftover items could not be moved.</source>
        <translation>
            <numerusform>%1 was moved to the Trash, but %Ln of its leftover items could not be moved.</numerusform>
            <numerusform>%1 was moved to the Trash, but %Ln of its leftover items could not be moved.</numerusform>
        </translation>
    </message>
    <message>
        <source>The app will be moved to the Trash.</source>
        <translation>The app will be moved to the Trash.</translation>
    </message>
    <message numerus="yes">
        <source>The app and %Ln selected leftover items (%1) will be moved to the Trash.</source>
        <translation>
            <numerusform>The app and %Ln selected leftover item (%1) will be moved to the Trash.</numerusform>
            <numerusform>The app and %Ln selected leftover items (%1) will be moved to the Trash.</numerusform>
        </translation>
    </message>
    <message>
        <source>Moved %1 (%2) to the Trash.</source>
        <translation>Moved %1 (%2) to the Trash.</translation>
    </message>
    <message numerus="yes">
        <source>Moved %1 and %Ln leftover items (%2) to the Trash.</source>
        <translation>
            <numerusform>Moved %1 and %Ln leftover item (%2) to the Trash.</numerusform>
            <numerusform>Moved %1 and %Ln leftover items (%2) to the Trash.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %Ln apps (%1) to the Trash.</source>
        <translation>
            <numerusform>Moved %Ln app (%1) to the Trash.</numerusform>
            <numerusform>Moved %Ln apps (%1) to the Trash.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %Ln apps and %1 (%2) to the Trash.</source>
        <translation>
            <numerusform>Moved %Ln app and %1 (%2) to the Trash.</numerusform>
            <numerusform>Moved %Ln apps and %1 (%2) to the Trash.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln leftover items</source>
        <translation>
            <numerusform>%Ln leftover item</numerusform>
            <numerusform>%Ln leftover items</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BasePage</name>
    <message>
        <source>Cleanable</source>
        <translation>Cleanable</translation>
    </message>
    <message>
        <source>Click &quot;Start Scanning&quot; to find cleanable items</source>
        <translation>Click &quot;Start Scanning&quot; to find cleanable items</translation>
    </message>
    <message>
        <source>Selected: --</source>
        <translation>Selected: --</translation>
    </message>
    <message>
        <source>Start Scanning</source>
        <translation>Start Scanning</translation>
    </message>
    <message>
        <source>Clean Now</source>
        <translation>Clean Now</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>No items selected</source>
        <translation>No items selected</translation>
    </message>
    <message>
        <source>Confirm Clean</source>
        <translation>Confirm Clean</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to clean %Ln selected items?
This action cannot be undone!</source>
        <translation>
            <numerusform>Are you sure you want to clean %Ln selected item?
This action cannot be undone!</numerusform>
            <numerusform>Are you sure you want to clean %Ln selected items?
This action cannot be undone!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cleaned %Ln items, freed %1</source>
        <translation>
            <numerusform>Cleaned %Ln item, freed %1</numerusform>
            <numerusform>Cleaned %Ln items, freed %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln items, %1</source>
        <translation>
            <numerusform>Selected: %Ln item, %1</numerusform>
            <numerusform>Selected: %Ln items, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln items</source>
        <translation>
            <numerusform>%Ln item</numerusform>
            <numerusform>%Ln items</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln items</source>
        <translation>
            <numerusform>Selected: %Ln item</numerusform>
            <numerusform>Selected: %Ln items</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be removed and stay in the list with the reason.</source>
        <translation>
            <numerusform>%Ln item could not be removed and stays in the list with the reason.</numerusform>
            <numerusform>%Ln items could not be removed and stay in the list with the reason.</numerusform>
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
        <translation>These browsers are running and were skipped; close them to clean them:
%1</translation>
    </message>
    <message>
        <source>outside the browsers&apos; folders</source>
        <translation>outside the browsers&apos; folders</translation>
    </message>
    <message>
        <source>the history could not be cleared</source>
        <translation>the history could not be cleared</translation>
    </message>
    <message>
        <source>it could not be removed</source>
        <translation>it could not be removed</translation>
    </message>
    <message>
        <source>the records could not be cleared</source>
        <translation>the records could not be cleared</translation>
    </message>
</context>
<context>
    <name>BrowserGroupHeader</name>
    <message numerus="yes">
        <source>%Ln items  ·  %1</source>
        <translation>
            <numerusform>%Ln item  ·  %1</numerusform>
            <numerusform>%Ln items  ·  %1</numerusform>
        </translation>
    </message>
    <message>
        <source>View Details</source>
        <translation>View Details</translation>
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
        <translation>Browser Cleaner</translation>
    </message>
    <message>
        <source>Clean caches, cookies and history of your browsers</source>
        <translation>Clean caches, cookies and history of your browsers</translation>
    </message>
    <message>
        <source>Browsers:</source>
        <translation>Browsers:</translation>
    </message>
    <message>
        <source>No supported browser was found for this user.</source>
        <translation>No supported browser was found for this user.</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Found</translation>
    </message>
</context>
<context>
    <name>CategoryWidget</name>
    <message numerus="yes">
        <source>%Ln items</source>
        <translation>
            <numerusform>%Ln item</numerusform>
            <numerusform>%Ln items</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Load more (%Ln remaining)</source>
        <translation>
            <numerusform>Load more (%Ln remaining)</numerusform>
            <numerusform>Load more (%Ln remaining)</numerusform>
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
        <translation>Can be cleaned</translation>
    </message>
</context>
<context>
    <name>CleanItem</name>
    <message>
        <source>Low</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>High</source>
        <translation>High</translation>
    </message>
    <message numerus="yes">
        <source>%n B</source>
        <translation>
            <numerusform>%n B</numerusform>
            <numerusform>%n B</numerusform>
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
        <translation>Size unknown</translation>
    </message>
    <message>
        <source>at least %1</source>
        <translation>at least %1</translation>
    </message>
</context>
<context>
    <name>CleanItemWidget</name>
    <message>
        <source>Not removed: %1</source>
        <translation>Not removed: %1</translation>
    </message>
</context>
<context>
    <name>DashboardPage</name>
    <message>
        <source>Ready to Clean Your Mac</source>
        <translation>Ready to Clean Your Mac</translation>
    </message>
    <message>
        <source>Click the button below to scan for junk files and free up space</source>
        <translation>Click the button below to scan for junk files and free up space</translation>
    </message>
    <message>
        <source>🔍  Start Full Scan</source>
        <translation>🔍  Start Full Scan</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Preparing...</translation>
    </message>
    <message>
        <source>Sweepnook %1</source>
        <translation>Sweepnook %1</translation>
    </message>
    <message>
        <source>Keep Your Mac Running at Peak Performance</source>
        <translation>Keep Your Mac Running at Peak Performance</translation>
    </message>
    <message>
        <source>Junk Files</source>
        <translation>Junk Files</translation>
    </message>
    <message>
        <source>Browser Data</source>
        <translation>Browser Data</translation>
    </message>
    <message>
        <source>Registry Issues</source>
        <translation>Registry Issues</translation>
    </message>
    <message>
        <source>Ready to scan</source>
        <translation>Ready to scan</translation>
    </message>
    <message>
        <source>🔍 Start Scan</source>
        <translation>🔍 Start Scan</translation>
    </message>
    <message>
        <source>🗑️ Clean All</source>
        <translation>🗑️ Clean All</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;font-weight:600;&apos;&gt;Tip:&lt;/span&gt; Regular cleaning can significantly improve your Mac&apos;s performance</source>
        <translation>&lt;span style=&apos;font-weight:600;&apos;&gt;Tip:&lt;/span&gt; Regular cleaning can significantly improve your Mac&apos;s performance</translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation>Scanning...</translation>
    </message>
    <message>
        <source>Can be cleaned</source>
        <translation>Can be cleaned</translation>
    </message>
    <message>
        <source>Last scan: just now</source>
        <translation>Last scan: just now</translation>
    </message>
    <message numerus="yes">
        <source>Last scan: %Ln min ago</source>
        <translation>
            <numerusform>Last scan: %Ln min ago</numerusform>
            <numerusform>Last scan: %Ln min ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Last scan: %Ln h ago</source>
        <translation>
            <numerusform>Last scan: %Ln hour ago</numerusform>
            <numerusform>Last scan: %Ln hours ago</numerusform>
        </translation>
    </message>
    <message>
        <source>Last scan: %1</source>
        <translation>Last scan: %1</translation>
    </message>
    <message>
        <source>Cleaned %1</source>
        <translation>Cleaned %1</translation>
    </message>
    <message>
        <source>Ring: %1 of what the scan found is selected</source>
        <translation>Ring: %1 of what the scan found is selected</translation>
    </message>
    <message>
        <source>The scan found nothing to clean</source>
        <translation>The scan found nothing to clean</translation>
    </message>
    <message>
        <source>Can be cleaned (at least)</source>
        <translation>Can be cleaned (at least)</translation>
    </message>
</context>
<context>
    <name>DetailItemWidget</name>
    <message>
        <source>Show in Finder</source>
        <translation>Show in Finder</translation>
    </message>
</context>
<context>
    <name>DuplicateFinderPage</name>
    <message>
        <source>Duplicate File Finder</source>
        <translation>Duplicate File Finder</translation>
    </message>
    <message>
        <source>Find and remove identical files to free up disk space</source>
        <translation>Find and remove identical files to free up disk space</translation>
    </message>
    <message>
        <source>SELECT LOCATION</source>
        <translation>SELECT LOCATION</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documents</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Pictures</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Movies</translation>
    </message>
    <message>
        <source>User Volume</source>
        <translation>User Volume</translation>
    </message>
    <message>
        <source>Entire Disk</source>
        <translation>Entire Disk</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choose…</translation>
    </message>
    <message>
        <source>Min file size:</source>
        <translation>Min file size:</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>Start Scan</translation>
    </message>
    <message>
        <source>Collecting files...</source>
        <translation>Collecting files...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>← New Scan</source>
        <translation>← New Scan</translation>
    </message>
    <message>
        <source>Keep Newest  ▾</source>
        <translation>Keep Newest  ▾</translation>
    </message>
    <message>
        <source>Keep Newest  (delete older duplicates)</source>
        <translation>Keep Newest  (delete older duplicates)</translation>
    </message>
    <message>
        <source>Keep Oldest   (delete newer duplicates)</source>
        <translation>Keep Oldest   (delete newer duplicates)</translation>
    </message>
    <message>
        <source>Keep Oldest  ▾</source>
        <translation>Keep Oldest  ▾</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Delete Selected</translation>
    </message>
    <message>
        <source>Choose Folder to Scan</source>
        <translation>Choose Folder to Scan</translation>
    </message>
    <message>
        <source>Choose Another Folder…</source>
        <translation>Choose Another Folder…</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Remove %1</translation>
    </message>
    <message>
        <source>Path: (none selected)</source>
        <translation>Path: (none selected)</translation>
    </message>
    <message>
        <source>No Location Selected</source>
        <translation>No Location Selected</translation>
    </message>
    <message>
        <source>Please select at least one location to scan.</source>
        <translation>Please select at least one location to scan.</translation>
    </message>
    <message>
        <source>Full Disk Scan</source>
        <translation>Full Disk Scan</translation>
    </message>
    <message>
        <source>Scanning the entire disk may take several minutes.
Continue?</source>
        <translation>Scanning the entire disk may take several minutes.
Continue?</translation>
    </message>
    <message>
        <source>Scanning files...</source>
        <translation>Scanning files...</translation>
    </message>
    <message>
        <source>Reading %1  ·  %2 of %3</source>
        <translation>Reading %1  ·  %2 of %3</translation>
    </message>
    <message>
        <source>No Duplicates Found</source>
        <translation>No Duplicates Found</translation>
    </message>
    <message>
        <source>Great news! No duplicate files were found. 🎉</source>
        <translation>Great news! No duplicate files were found. 🎉</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelling...</translation>
    </message>
    <message>
        <source>  ·  %1 freed</source>
        <translation>  ·  %1 freed</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Confirm Delete</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Move to Trash</translation>
    </message>
    <message>
        <source>Delete Permanently</source>
        <translation>Delete Permanently</translation>
    </message>
    <message>
        <source>Deleting…</source>
        <translation>Deleting…</translation>
    </message>
    <message>
        <source>Deleting %1 / %2</source>
        <translation>Deleting %1 / %2</translation>
    </message>
    <message>
        <source>Duplicates Removed</source>
        <translation>Duplicates Removed</translation>
    </message>
    <message>
        <source>Partial Failure</source>
        <translation>Partial Failure</translation>
    </message>
    <message>
        <source>The log lists each file and why.</source>
        <translation>The log lists each file and why.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln&lt;/b&gt; groups  ·  &lt;span style=&apos;color:%1;font-weight:600;&apos;&gt;%2 can be freed&lt;/span&gt;</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln&lt;/b&gt; group  ·  &lt;span style=&apos;color:%1;font-weight:600;&apos;&gt;%2 can be freed&lt;/span&gt;</numerusform>
            <numerusform>&lt;b&gt;%Ln&lt;/b&gt; groups  ·  &lt;span style=&apos;color:%1;font-weight:600;&apos;&gt;%2 can be freed&lt;/span&gt;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %Ln file(s) to the Trash, or delete them permanently?</source>
        <translation>
            <numerusform>Move %Ln file to the Trash, or delete it permanently?</numerusform>
            <numerusform>Move %Ln files to the Trash, or delete them permanently?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every copy of %Ln group(s) is checked: the newest copy of each will be kept.</source>
        <translation>
            <numerusform>Every copy of %Ln group is checked: its newest copy will be kept.</numerusform>
            <numerusform>Every copy of %Ln groups is checked: the newest copy of each will be kept.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Permanently delete %Ln file(s)?
This cannot be undone.</source>
        <translation>
            <numerusform>Permanently delete %Ln file?
This cannot be undone.</numerusform>
            <numerusform>Permanently delete %Ln files?
This cannot be undone.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) deleted permanently (%1).</source>
        <translation>
            <numerusform>%Ln file deleted permanently (%1).</numerusform>
            <numerusform>%Ln files deleted permanently (%1).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) moved to the Trash (%1); you can put them back from there.</source>
        <translation>
            <numerusform>%Ln file moved to the Trash (%1); you can put it back from there.</numerusform>
            <numerusform>%Ln files moved to the Trash (%1); you can put them back from there.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be deleted.</source>
        <translation>
            <numerusform>%Ln file could not be deleted.</numerusform>
            <numerusform>%Ln files could not be deleted.</numerusform>
        </translation>
    </message>
    <message>
        <source>Path: %1</source>
        <translation>Path: %1</translation>
    </message>
    <message>
        <source>Deleted permanently: %1</source>
        <translation>Deleted permanently: %1</translation>
    </message>
    <message>
        <source>Moved to the Trash: %1</source>
        <translation>Moved to the Trash: %1</translation>
    </message>
    <message>
        <source>Left in place: %1</source>
        <translation>Left in place: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be moved to the Trash and were left in place; none was deleted.</source>
        <translation>
            <numerusform>%Ln file could not be moved to the Trash and was left in place; nothing was deleted.</numerusform>
            <numerusform>%Ln files could not be moved to the Trash and were left in place; none was deleted.</numerusform>
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
        <translation>  ·  %1 in the Trash until you empty it</translation>
    </message>
    <message>
        <source>Ticked: every copy but the likely original (not in Downloads, no &quot;copy&quot; or &quot;(1)&quot; in its name, the oldest, the shortest path). 🔒 Copies in apps, packages and Library are never ticked.</source>
        <translation>Ticked: every copy but the likely original (not in Downloads, no &quot;copy&quot; or &quot;(1)&quot; in its name, the oldest, the shortest path). 🔒 Copies in apps, packages and Library are never ticked.</translation>
    </message>
    <message>
        <source>Keep Original  ▾</source>
        <translation>Keep Original  ▾</translation>
    </message>
    <message>
        <source>Keep Original  (the likely original of each group)</source>
        <translation>Keep Original  (the likely original of each group)</translation>
    </message>
</context>
<context>
    <name>DuplicateGroupDelegate</name>
    <message>
        <source>save %1</source>
        <translation>save %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln identical files  ·  %1 each  ·  </source>
        <translation>
            <numerusform>%Ln identical file  ·  %1 each  ·  </numerusform>
            <numerusform>%Ln identical files  ·  %1 each  ·  </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileUtils</name>
    <message>
        <source>permission denied</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>it is in use</source>
        <translation>it is in use</translation>
    </message>
    <message>
        <source>the volume is read-only</source>
        <translation>the volume is read-only</translation>
    </message>
    <message>
        <source>the folder is not empty</source>
        <translation>the folder is not empty</translation>
    </message>
    <message>
        <source>another volume is mounted there</source>
        <translation>another volume is mounted there</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>not a folder</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>a folder</translation>
    </message>
    <message>
        <source>it changed while being removed</source>
        <translation>it changed while being removed</translation>
    </message>
    <message>
        <source>its folder is not open</source>
        <translation>its folder is not open</translation>
    </message>
    <message>
        <source>outside %1</source>
        <translation>outside %1</translation>
    </message>
    <message>
        <source>the folder itself</source>
        <translation>the folder itself</translation>
    </message>
    <message>
        <source>&quot;.&quot; or &quot;..&quot; in the path</source>
        <translation>&quot;.&quot; or &quot;..&quot; in the path</translation>
    </message>
    <message>
        <source>a link or a file on the way: %1</source>
        <translation>a link or a file on the way: %1</translation>
    </message>
    <message>
        <source>another volume on the way: %1</source>
        <translation>another volume on the way: %1</translation>
    </message>
    <message>
        <source>it changed since it was chosen</source>
        <translation>it changed since it was chosen</translation>
    </message>
</context>
<context>
    <name>HomeTrash</name>
    <message>
        <source>it is no longer there</source>
        <translation>it is no longer there</translation>
    </message>
    <message>
        <source>the Finder could not be asked (osascript did not start)</source>
        <translation>the Finder could not be asked (osascript did not start)</translation>
    </message>
    <message>
        <source>the Finder did not answer within %1 seconds; it may be waiting for your permission or password</source>
        <translation>the Finder did not answer within %1 seconds; it may be waiting for your permission or password</translation>
    </message>
    <message>
        <source>the Finder left it where it was</source>
        <translation>the Finder left it where it was</translation>
    </message>
    <message>
        <source>Sweepnook is not allowed to control the Finder (System Settings &gt; Privacy &amp; Security &gt; Automation)</source>
        <translation>Sweepnook is not allowed to control the Finder (System Settings &gt; Privacy &amp; Security &gt; Automation)</translation>
    </message>
    <message>
        <source>the Finder refused (exit code %1)</source>
        <translation>the Finder refused (exit code %1)</translation>
    </message>
    <message>
        <source>the Finder refused: %1</source>
        <translation>the Finder refused: %1</translation>
    </message>
    <message>
        <source>the Trash folder cannot be used: %1</source>
        <translation>the Trash folder cannot be used: %1</translation>
    </message>
    <message>
        <source>it is on another volume than your Trash</source>
        <translation>it is on another volume than your Trash</translation>
    </message>
    <message>
        <source>it is in the Trash already</source>
        <translation>it is in the Trash already</translation>
    </message>
    <message>
        <source>too many items of that name in the Trash</source>
        <translation>too many items of that name in the Trash</translation>
    </message>
    <message>
        <source>a volume is mounted inside it (%1)</source>
        <translation>a volume is mounted inside it (%1)</translation>
    </message>
</context>
<context>
    <name>ItemDetailDialog</name>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message numerus="yes">
        <source>%1  |  %Ln files</source>
        <translation>
            <numerusform>%1  |  %Ln file</numerusform>
            <numerusform>%1  |  %Ln files</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JunkCleaner</name>
    <message>
        <source>outside the folders of its rule</source>
        <translation>outside the folders of its rule</translation>
    </message>
    <message>
        <source>These browsers are running, so their caches were left; close them to clean them:
%1</source>
        <translation>These browsers are running, so their caches were left; close them to clean them:
%1</translation>
    </message>
</context>
<context>
    <name>JunkPage</name>
    <message>
        <source>Junk Cleaner</source>
        <translation>Junk Cleaner</translation>
    </message>
    <message>
        <source>Clean system temp files, cache and logs</source>
        <translation>Clean system temp files, cache and logs</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Found</translation>
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
        <translation>%1, %2 on disk</translation>
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
        <translation>Find Large Files</translation>
    </message>
    <message>
        <source>Scan your drives and remove files that are taking up the most space</source>
        <translation>Scan your drives and remove files that are taking up the most space</translation>
    </message>
    <message>
        <source>SELECT VOLUME</source>
        <translation>SELECT VOLUME</translation>
    </message>
    <message>
        <source>Min file size:</source>
        <translation>Min file size:</translation>
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
        <translation>Custom...</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>Start Scan</translation>
    </message>
    <message>
        <source>Scan Results</source>
        <translation>Scan Results</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>All types</translation>
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
        <translation>Packages</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Largest first</source>
        <translation>Largest first</translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation>Newest first</translation>
    </message>
    <message>
        <source>← Back</source>
        <translation>← Back</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Delete Selected</translation>
    </message>
    <message>
        <source>Local Disk</source>
        <translation>Local Disk</translation>
    </message>
    <message>
        <source>Remove from list</source>
        <translation>Remove from list</translation>
    </message>
    <message>
        <source>Add location</source>
        <translation>Add location</translation>
    </message>
    <message>
        <source>Select a volume above to begin scanning.</source>
        <translation>Select a volume above to begin scanning.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln volume(s) selected. Sweepnook will scan for files larger than %1.</source>
        <translation>
            <numerusform>%Ln volume selected. Sweepnook will scan for files larger than %1.</numerusform>
            <numerusform>%Ln volumes selected. Sweepnook will scan for files larger than %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose Folder to Scan</source>
        <translation>Choose Folder to Scan</translation>
    </message>
    <message>
        <source>Custom File Size</source>
        <translation>Custom File Size</translation>
    </message>
    <message>
        <source>Enter minimum file size (MB):</source>
        <translation>Enter minimum file size (MB):</translation>
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
        <translation>Please select at least one drive to scan.</translation>
    </message>
    <message>
        <source>No large files found that match the criteria.</source>
        <translation>No large files found that match the criteria.</translation>
    </message>
    <message>
        <source>Scan Completed</source>
        <translation>Scan Completed</translation>
    </message>
    <message>
        <source>%1 freed</source>
        <translation>%1 freed</translation>
    </message>
    <message>
        <source>%1 in the Trash until you empty it</source>
        <translation>%1 in the Trash until you empty it</translation>
    </message>
    <message>
        <source>Delete this file</source>
        <translation>Delete this file</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Confirm Delete</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Move to Trash</translation>
    </message>
    <message>
        <source>Delete Permanently</source>
        <translation>Delete Permanently</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this file?

%1
Size: %2</source>
        <translation>Are you sure you want to delete this file?

%1
Size: %2</translation>
    </message>
    <message>
        <source>This file is only in iCloud: deleting it frees no space on this Mac and removes it from all your devices.</source>
        <translation>This file is only in iCloud: deleting it frees no space on this Mac and removes it from all your devices.</translation>
    </message>
    <message>
        <source>Move to Trash keeps it until you empty the Trash. Delete Permanently cannot be undone!</source>
        <translation>Move to Trash keeps it until you empty the Trash. Delete Permanently cannot be undone!</translation>
    </message>
    <message>
        <source>Move to Trash keeps them until you empty the Trash. Delete Permanently cannot be undone!</source>
        <translation>Move to Trash keeps them until you empty the Trash. Delete Permanently cannot be undone!</translation>
    </message>
    <message>
        <source>Deleting...</source>
        <translation>Deleting...</translation>
    </message>
    <message>
        <source>Unable to delete this file. It may be in use by another program.</source>
        <translation>Unable to delete this file. It may be in use by another program.</translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation>Delete Failed</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>All files have been deleted</source>
        <translation>All files have been deleted</translation>
    </message>
    <message>
        <source>%1 moved to the Trash: empty the Trash to free the space.</source>
        <translation>%1 moved to the Trash: empty the Trash to free the space.</translation>
    </message>
    <message>
        <source>%1 freed.</source>
        <translation>%1 freed.</translation>
    </message>
    <message>
        <source>Delete Completed</source>
        <translation>Delete Completed</translation>
    </message>
    <message numerus="yes">
        <source>Found %Ln large files, total %1</source>
        <translation>
            <numerusform>Found %Ln large file, total %1</numerusform>
            <numerusform>Found %Ln large files, total %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln files (%1)</source>
        <translation>
            <numerusform>Selected: %Ln file (%1)</numerusform>
            <numerusform>Selected: %Ln files (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete the selected %Ln files?

Total: %1</source>
        <translation>
            <numerusform>Are you sure you want to delete %Ln selected file?

Total: %1</numerusform>
            <numerusform>Are you sure you want to delete the selected %Ln files?

Total: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleted %Ln files successfully.</source>
        <translation>
            <numerusform>Deleted %Ln file successfully.</numerusform>
            <numerusform>Deleted %Ln files successfully.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 used</source>
        <translation>%1 used</translation>
    </message>
    <message>
        <source>%1 total</source>
        <translation>%1 total</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Show in Finder</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files failed to delete.</source>
        <translation>
            <numerusform>%Ln file could not be deleted.</numerusform>
            <numerusform>%Ln files could not be deleted.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LargeFileScanner</name>
    <message>
        <source>It changed since the scan</source>
        <translation>It changed since the scan</translation>
    </message>
    <message>
        <source>It is not among the results of the scan</source>
        <translation>It is not among the results of the scan</translation>
    </message>
</context>
<context>
    <name>LinkManager</name>
    <message>
        <source>配置错误</source>
        <translation>Configuration Error</translation>
    </message>
    <message>
        <source>无法加载页面链接。

请联系技术支持或重新安装软件。</source>
        <translation>Unable to load the page link.

Please contact technical support or reinstall the application.</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>Cannot Open Browser</translation>
    </message>
    <message>
        <source>无法打开默认浏览器。

请手动复制链接访问：
%1</source>
        <translation>Unable to open the default browser.

Please copy the link and open it manually:
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
        <translation>Junk Cleaner</translation>
    </message>
    <message>
        <source>Browser Cleaner</source>
        <translation>Browser Cleaner</translation>
    </message>
    <message>
        <source>Registry Cleaner</source>
        <translation>Registry Cleaner</translation>
    </message>
    <message>
        <source>Startup Manager</source>
        <translation>Startup Manager</translation>
    </message>
    <message>
        <source>Large Files</source>
        <translation>Large Files</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>Optimization</translation>
    </message>
    <message>
        <source>App Uninstaller</source>
        <translation>App Uninstaller</translation>
    </message>
    <message>
        <source>Duplicate Files</source>
        <translation>Duplicate Files</translation>
    </message>
    <message>
        <source>Privacy Cleaner</source>
        <translation>Privacy Cleaner</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>显示主窗口</source>
        <translation>Show Main Window</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>About Sweepnook</source>
        <translation>About Sweepnook</translation>
    </message>
    <message>
        <source>by Quelmo</source>
        <translation>by Quelmo</translation>
    </message>
    <message>
        <source>The smartest way to keep your Mac clean, fast, and private.&lt;br&gt;Remove junk files, browser traces, duplicate files,&lt;br&gt;and privacy risks — all in one click.</source>
        <translation>The smartest way to keep your Mac clean, fast, and private.&lt;br&gt;Remove junk files, browser traces, duplicate files,&lt;br&gt;and privacy risks — all in one click.</translation>
    </message>
    <message>
        <source>© 2026 Quelmo. All rights reserved.</source>
        <translation>© 2026 Quelmo. All rights reserved.</translation>
    </message>
    <message>
        <source>Sweepnook</source>
        <translation>Sweepnook</translation>
    </message>
    <message>
        <source>Program minimized to system tray. Double-click the icon to restore.</source>
        <translation>Sweepnook keeps running in the menu bar. Use its icon there to bring the window back.</translation>
    </message>
    <message>
        <source>Sweepnook - Mac Cleaning Tool</source>
        <translation>Sweepnook - Mac Cleaning Tool</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>No items selected</source>
        <translation>No items selected</translation>
    </message>
    <message>
        <source>Confirm Clean</source>
        <translation>Confirm Clean</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to clean %Ln selected items (%1)?
This action cannot be undone!</source>
        <translation>
            <numerusform>Are you sure you want to clean %Ln selected item (%1)?
This action cannot be undone!</numerusform>
            <numerusform>Are you sure you want to clean %Ln selected items (%1)?
This action cannot be undone!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cleaned %Ln items, freed %1</source>
        <translation>
            <numerusform>Cleaned %Ln item, freed %1</numerusform>
            <numerusform>Cleaned %Ln items, freed %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled. %1</source>
        <translation>Cancelled. %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln items could not be removed.</source>
        <translation>
            <numerusform>%Ln item could not be removed.</numerusform>
            <numerusform>%Ln items could not be removed.</numerusform>
        </translation>
    </message>
    <message>
        <source>A clean is still running. Scan again when it has finished.</source>
        <translation>A clean is still running. Scan again when it has finished.</translation>
    </message>
</context>
<context>
    <name>PrivacyCleaner</name>
    <message>
        <source>Clipboard Content</source>
        <translation>Clipboard Content</translation>
    </message>
    <message>
        <source>Text, images or files currently copied to clipboard</source>
        <translation>Text, images or files currently copied to clipboard</translation>
    </message>
    <message>
        <source>QuickLook Preview Cache</source>
        <translation>QuickLook Preview Cache</translation>
    </message>
    <message>
        <source>Cached file previews generated by macOS QuickLook</source>
        <translation>Cached file previews generated by macOS QuickLook</translation>
    </message>
    <message>
        <source>Recent Files List</source>
        <translation>Recent Files List</translation>
    </message>
    <message>
        <source>macOS list of recently opened files and apps</source>
        <translation>macOS list of recently opened files and apps</translation>
    </message>
    <message>
        <source>Notification History</source>
        <translation>Notification History</translation>
    </message>
    <message>
        <source>Database logs of all received app notifications</source>
        <translation>Database logs of all received app notifications</translation>
    </message>
    <message>
        <source>DNS Cache</source>
        <translation>DNS Cache</translation>
    </message>
    <message>
        <source>Cached DNS lookups recording recently visited domains</source>
        <translation>Cached DNS lookups recording recently visited domains</translation>
    </message>
</context>
<context>
    <name>PrivacyItemCard</name>
    <message>
        <source>Nothing found</source>
        <translation>Nothing found</translation>
    </message>
    <message>
        <source>Size unknown</source>
        <translation>Size unknown</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation>
            <numerusform>%Ln item</numerusform>
            <numerusform>%Ln items</numerusform>
        </translation>
    </message>
    <message>
        <source>Not scanned</source>
        <translation>Not scanned</translation>
    </message>
    <message>
        <source>Cleaned</source>
        <translation>Cleaned</translation>
    </message>
    <message>
        <source>%1 freed</source>
        <translation>%1 freed</translation>
    </message>
    <message>
        <source>Not cleaned</source>
        <translation>Not cleaned</translation>
    </message>
    <message>
        <source>Safe</source>
        <translation>Safe</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>Caution</translation>
    </message>
    <message>
        <source>High risk</source>
        <translation>High risk</translation>
    </message>
    <message>
        <source>Partly cleaned</source>
        <translation>Partly cleaned</translation>
    </message>
</context>
<context>
    <name>PrivacyPage</name>
    <message>
        <source>Privacy Cleaner</source>
        <translation>Privacy Cleaner</translation>
    </message>
    <message>
        <source>Clear the traces your everyday use leaves on this Mac</source>
        <translation>Clear the traces your everyday use leaves on this Mac</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Clean</translation>
    </message>
    <message>
        <source>Scan stopped</source>
        <translation>Scan stopped</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Stopping…</translation>
    </message>
    <message>
        <source>Scanning: %1</source>
        <translation>Scanning: %1</translation>
    </message>
    <message>
        <source>Cleaning: %1 of %2 done</source>
        <translation>Cleaning: %1 of %2 done</translation>
    </message>
    <message>
        <source>Not cleaned: %1</source>
        <translation>Not cleaned: %1</translation>
    </message>
    <message numerus="yes">
        <source>Stopped before %Ln item(s)</source>
        <translation>
            <numerusform>Stopped before %Ln item</numerusform>
            <numerusform>Stopped before %Ln items</numerusform>
        </translation>
    </message>
    <message>
        <source>Scan Again</source>
        <translation>Scan Again</translation>
    </message>
    <message>
        <source>Scan to measure the traces on this Mac</source>
        <translation>Scan to measure the traces on this Mac</translation>
    </message>
    <message>
        <source>Scanning…</source>
        <translation>Scanning…</translation>
    </message>
    <message>
        <source>Cleaning…</source>
        <translation>Cleaning…</translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln item(s)</source>
        <translation>
            <numerusform>Selected: %Ln item</numerusform>
            <numerusform>Selected: %Ln items</numerusform>
        </translation>
    </message>
    <message>
        <source>No items selected</source>
        <translation>No items selected</translation>
    </message>
    <message>
        <source>Confirm Cleaning</source>
        <translation>Confirm Cleaning</translation>
    </message>
    <message numerus="yes">
        <source>Clean %Ln selected item(s)?</source>
        <translation>
            <numerusform>Clean %Ln selected item?</numerusform>
            <numerusform>Clean %Ln selected items?</numerusform>
        </translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>This cannot be undone.</translation>
    </message>
    <message numerus="yes">
        <source>Cleaned %Ln item(s) · freed %1</source>
        <translation>
            <numerusform>Cleaned %Ln item · freed %1</numerusform>
            <numerusform>Cleaned %Ln items · freed %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Scanning...</source>
        <translation>Scanning...</translation>
    </message>
    <message>
        <source>Cleaning...</source>
        <translation>Cleaning...</translation>
    </message>
    <message>
        <source>正在分析系统...</source>
        <translation>Analyzing system...</translation>
    </message>
    <message>
        <source>正在删除文件...</source>
        <translation>Deleting files...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Finished</translation>
    </message>
    <message>
        <source>已清理: %1</source>
        <translation>Cleaned: %1</translation>
    </message>
    <message>
        <source>完成!</source>
        <translation>Done!</translation>
    </message>
    <message>
        <source>操作失败</source>
        <translation>Operation failed</translation>
    </message>
    <message>
        <source>Partly done</source>
        <translation>Partly done</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
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
        <translation>Save</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Save All</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Yes to &amp;All</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;o to All</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abort</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignore</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restore Defaults</translation>
    </message>
</context>
<context>
    <name>RegistryPage</name>
    <message>
        <source>Registry cleaning is only available on Windows</source>
        <translation>Registry cleaning is only available on Windows</translation>
    </message>
    <message>
        <source>macOS keeps its settings in preference files, not in a registry, so there is nothing to clean here.</source>
        <translation>macOS keeps its settings in preference files, not in a registry, so there is nothing to clean here.</translation>
    </message>
</context>
<context>
    <name>RuleTexts</name>
    <message>
        <source>System Temporary Files</source>
        <translation>System Temporary Files</translation>
    </message>
    <message>
        <source>System temp folder and intermediate build files</source>
        <translation>System temp folder and intermediate build files</translation>
    </message>
    <message>
        <source>Application Caches</source>
        <translation>Application Caches</translation>
    </message>
    <message>
        <source>Cached data generated by installed applications</source>
        <translation>Cached data generated by installed applications</translation>
    </message>
    <message>
        <source>Browser Caches</source>
        <translation>Browser Caches</translation>
    </message>
    <message>
        <source>Cache files from Safari, Chrome, Firefox, Edge, Brave</source>
        <translation>Cache files from Safari, Chrome, Firefox, Edge, Brave</translation>
    </message>
    <message>
        <source>Log Files</source>
        <translation>Log Files</translation>
    </message>
    <message>
        <source>System and application log files</source>
        <translation>System and application log files</translation>
    </message>
    <message>
        <source>Crash Reports</source>
        <translation>Crash Reports</translation>
    </message>
    <message>
        <source>Application and system crash dump files</source>
        <translation>Application and system crash dump files</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Trash</translation>
    </message>
    <message>
        <source>Files in the Trash waiting to be permanently deleted</source>
        <translation>Files in the Trash waiting to be permanently deleted</translation>
    </message>
    <message>
        <source>Download Installers</source>
        <translation>Download Installers</translation>
    </message>
    <message>
        <source>Installer packages accumulated in the Downloads folder</source>
        <translation>Installer packages accumulated in the Downloads folder</translation>
    </message>
    <message>
        <source>QuickLook Cache</source>
        <translation>QuickLook Cache</translation>
    </message>
    <message>
        <source>macOS QuickLook preview thumbnail cache</source>
        <translation>macOS QuickLook preview thumbnail cache</translation>
    </message>
    <message>
        <source>Homebrew Cache</source>
        <translation>Homebrew Cache</translation>
    </message>
    <message>
        <source>Homebrew package manager download and build cache</source>
        <translation>Homebrew package manager download and build cache</translation>
    </message>
    <message>
        <source>Developer Caches</source>
        <translation>Developer Caches</translation>
    </message>
    <message>
        <source>Xcode derived data, simulators, npm, pip, Gradle, Maven caches</source>
        <translation>Xcode derived data, simulators, npm, pip, Gradle, Maven caches</translation>
    </message>
    <message>
        <source>iOS Backups</source>
        <translation>iOS Backups</translation>
    </message>
    <message>
        <source>iPhone / iPad local backups stored on this Mac</source>
        <translation>iPhone / iPad local backups stored on this Mac</translation>
    </message>
    <message>
        <source>Large Old Files</source>
        <translation>Large Old Files</translation>
    </message>
    <message>
        <source>Old iOS firmware, app installers, and large unused data</source>
        <translation>Old iOS firmware, app installers, and large unused data</translation>
    </message>
    <message>
        <source>Office Cache</source>
        <translation>Office Cache</translation>
    </message>
    <message>
        <source>Microsoft Office and Apple iWork temporary files</source>
        <translation>Microsoft Office and Apple iWork temporary files</translation>
    </message>
    <message>
        <source>Font Cache</source>
        <translation>Font Cache</translation>
    </message>
    <message>
        <source>System font cache files</source>
        <translation>System font cache files</translation>
    </message>
    <message>
        <source>Prefetch Files</source>
        <translation>Prefetch Files</translation>
    </message>
    <message>
        <source>Windows Prefetch cache files</source>
        <translation>Windows Prefetch cache files</translation>
    </message>
    <message>
        <source>Windows Update Cache</source>
        <translation>Windows Update Cache</translation>
    </message>
    <message>
        <source>Windows Update download cache</source>
        <translation>Windows Update download cache</translation>
    </message>
    <message>
        <source>Memory Dumps</source>
        <translation>Memory Dumps</translation>
    </message>
    <message>
        <source>System crash and error dump files (Windows)</source>
        <translation>System crash and error dump files (Windows)</translation>
    </message>
    <message>
        <source>Windows Defender Cache</source>
        <translation>Windows Defender Cache</translation>
    </message>
    <message>
        <source>Microsoft Defender scan history and backup cache</source>
        <translation>Microsoft Defender scan history and backup cache</translation>
    </message>
    <message>
        <source>GPU Shader Cache</source>
        <translation>GPU Shader Cache</translation>
    </message>
    <message>
        <source>GPU driver shader and DirectX cache (NVIDIA / AMD)</source>
        <translation>GPU driver shader and DirectX cache (NVIDIA / AMD)</translation>
    </message>
    <message>
        <source>Old Windows Installation</source>
        <translation>Old Windows Installation</translation>
    </message>
    <message>
        <source>Old system backups remaining after a Windows upgrade</source>
        <translation>Old system backups remaining after a Windows upgrade</translation>
    </message>
    <message>
        <source>Browser Cache</source>
        <translation>Browser Cache</translation>
    </message>
    <message>
        <source>Temporary web page cache files</source>
        <translation>Temporary web page cache files</translation>
    </message>
    <message>
        <source>Code Cache</source>
        <translation>Code Cache</translation>
    </message>
    <message>
        <source>JavaScript code cache</source>
        <translation>JavaScript code cache</translation>
    </message>
    <message>
        <source>GPU Cache</source>
        <translation>GPU Cache</translation>
    </message>
    <message>
        <source>GPU rendering cache</source>
        <translation>GPU rendering cache</translation>
    </message>
    <message>
        <source>Shader Cache</source>
        <translation>Shader Cache</translation>
    </message>
    <message>
        <source>GPU shader compilation cache</source>
        <translation>GPU shader compilation cache</translation>
    </message>
    <message>
        <source>Service Workers</source>
        <translation>Service Workers</translation>
    </message>
    <message>
        <source>Service Worker cache</source>
        <translation>Service Worker cache</translation>
    </message>
    <message>
        <source>Blob Storage</source>
        <translation>Blob Storage</translation>
    </message>
    <message>
        <source>Temporary binary data storage</source>
        <translation>Temporary binary data storage</translation>
    </message>
    <message>
        <source>WebRTC Logs</source>
        <translation>WebRTC Logs</translation>
    </message>
    <message>
        <source>Video call debug logs</source>
        <translation>Video call debug logs</translation>
    </message>
    <message>
        <source>Browser crash report files</source>
        <translation>Browser crash report files</translation>
    </message>
    <message>
        <source>Browser Logs</source>
        <translation>Browser Logs</translation>
    </message>
    <message>
        <source>Browser debug and error logs</source>
        <translation>Browser debug and error logs</translation>
    </message>
    <message>
        <source>Website Thumbnails</source>
        <translation>Website Thumbnails</translation>
    </message>
    <message>
        <source>New Tab page website thumbnails</source>
        <translation>New Tab page website thumbnails</translation>
    </message>
    <message>
        <source>Favicon Cache</source>
        <translation>Favicon Cache</translation>
    </message>
    <message>
        <source>Website icon (favicon) cache</source>
        <translation>Website icon (favicon) cache</translation>
    </message>
    <message>
        <source>Local Storage</source>
        <translation>Local Storage</translation>
    </message>
    <message>
        <source>Website Local Storage (site settings may be lost)</source>
        <translation>Website Local Storage (site settings may be lost)</translation>
    </message>
    <message>
        <source>IndexedDB</source>
        <translation>IndexedDB</translation>
    </message>
    <message>
        <source>Website database storage (offline data may be lost)</source>
        <translation>Website database storage (offline data may be lost)</translation>
    </message>
    <message>
        <source>Cookies</source>
        <translation>Cookies</translation>
    </message>
    <message>
        <source>Website Cookies (requires re-login to all sites)</source>
        <translation>Website Cookies (requires re-login to all sites)</translation>
    </message>
    <message>
        <source>Browsing History</source>
        <translation>Browsing History</translation>
    </message>
    <message>
        <source>Web browsing history records</source>
        <translation>Web browsing history records</translation>
    </message>
    <message>
        <source>Download History</source>
        <translation>Download History</translation>
    </message>
    <message>
        <source>Download history records (downloaded files are not deleted)</source>
        <translation>Download history records (downloaded files are not deleted)</translation>
    </message>
    <message>
        <source>Session Data</source>
        <translation>Session Data</translation>
    </message>
    <message>
        <source>Current and recent session data (tabs may be lost)</source>
        <translation>Current and recent session data (tabs may be lost)</translation>
    </message>
    <message>
        <source>Form Data</source>
        <translation>Form Data</translation>
    </message>
    <message>
        <source>Autofill form data (requires re-entry after cleaning)</source>
        <translation>Autofill form data (requires re-entry after cleaning)</translation>
    </message>
    <message>
        <source>Safe Browsing Data</source>
        <translation>Safe Browsing Data</translation>
    </message>
    <message>
        <source>Safe Browsing protection data (not recommended to clean)</source>
        <translation>Safe Browsing protection data (not recommended to clean)</translation>
    </message>
    <message>
        <source>Thumbnail Cache</source>
        <translation>Thumbnail Cache</translation>
    </message>
    <message>
        <source>Preview pictures of your files made by the desktop and file manager</source>
        <translation>Preview pictures of your files made by the desktop and file manager</translation>
    </message>
    <message>
        <source>Package Caches</source>
        <translation>Package Caches</translation>
    </message>
    <message>
        <source>Downloads and builds kept by pip, npm, Yarn, pnpm, Cargo, Go, Gradle, Maven and ccache</source>
        <translation>Downloads and builds kept by pip, npm, Yarn, pnpm, Cargo, Go, Gradle, Maven and ccache</translation>
    </message>
</context>
<context>
    <name>ScanProgressDialog</name>
    <message>
        <source>Scanning for large files...</source>
        <translation>Scanning for large files...</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Preparing...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Scanning: %1</source>
        <translation>Scanning: %1</translation>
    </message>
    <message>
        <source>Scan Complete</source>
        <translation>Scan Complete</translation>
    </message>
    <message>
        <source>Scan completed</source>
        <translation>Scan completed</translation>
    </message>
    <message>
        <source>View Results</source>
        <translation>View Results</translation>
    </message>
    <message numerus="yes">
        <source>Found %Ln large files (%1)</source>
        <translation>
            <numerusform>Found %Ln large file (%1)</numerusform>
            <numerusform>Found %Ln large files (%1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Minimize to tray on close</source>
        <translation>Keep running in the menu bar when closed</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Confirm before cleaning</source>
        <translation>Confirm before cleaning</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Cleaning</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>Start at login</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Start at Login</translation>
    </message>
    <message>
        <source>Sweepnook could not be set to start at login. The log has the details.</source>
        <translation>Sweepnook could not be set to start at login. The log has the details.</translation>
    </message>
    <message>
        <source>Sweepnook could not be kept from starting at login. The log has the details.</source>
        <translation>Sweepnook could not be kept from starting at login. The log has the details.</translation>
    </message>
</context>
<context>
    <name>StartupCardDelegate</name>
    <message>
        <source>Reveal in Finder</source>
        <translation>Reveal in Finder</translation>
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
        <translation>Startup Folder</translation>
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
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Startup items</source>
        <translation>Startup items</translation>
    </message>
    <message>
        <source>System-wide agents and daemons</source>
        <translation>System-wide agents and daemons</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>Program missing</source>
        <translation>Program missing</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Disabled</translation>
    </message>
</context>
<context>
    <name>StartupManager</name>
    <message>
        <source>Scanning %1...</source>
        <translation>Scanning %1...</translation>
    </message>
    <message>
        <source>Scanning startup items...</source>
        <translation>Scanning startup items...</translation>
    </message>
    <message>
        <source>Scanning installed applications...</source>
        <translation>Scanning installed applications...</translation>
    </message>
</context>
<context>
    <name>StartupPage</name>
    <message>
        <source>Startup Manager</source>
        <translation>Startup Manager</translation>
    </message>
    <message>
        <source>Manage programs that run automatically at startup</source>
        <translation>Manage programs that run automatically at startup</translation>
    </message>
    <message>
        <source>Search programs...</source>
        <translation>Search programs...</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>⚠️ Only your own startup items can be removed</source>
        <translation>⚠️ Only your own startup items can be removed</translation>
    </message>
    <message>
        <source>Scanning installed programs...</source>
        <translation>Scanning installed programs...</translation>
    </message>
    <message>
        <source>First load may take a few seconds</source>
        <translation>First load may take a few seconds</translation>
    </message>
    <message>
        <source>Cannot Modify</source>
        <translation>Cannot Modify</translation>
    </message>
    <message>
        <source>This startup item was not created by Sweepnook and cannot be removed here.</source>
        <translation>This startup item was not created by Sweepnook and cannot be removed here.</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>Operation Failed</translation>
    </message>
    <message>
        <source>Failed to remove &quot;%1&quot; from startup.</source>
        <translation>Failed to remove &quot;%1&quot; from startup.</translation>
    </message>
    <message>
        <source>Failed to add &quot;%1&quot; to startup.</source>
        <translation>Failed to add &quot;%1&quot; to startup.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln startup items</source>
        <translation>
            <numerusform>%Ln startup item</numerusform>
            <numerusform>%Ln startup items</numerusform>
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
        <translation>No startup items or apps found</translation>
    </message>
    <message>
        <source>No startup items match &quot;%1&quot;</source>
        <translation>No startup items match &quot;%1&quot;</translation>
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
        <translation>Settings</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Language Changed</translation>
    </message>
    <message>
        <source>Language has been changed.

The application will restart now.</source>
        <translation>Language has been changed.

The application will restart now.</translation>
    </message>
    <message>
        <source>Restart Failed</source>
        <translation>Restart Failed</translation>
    </message>
    <message>
        <source>Sweepnook could not restart itself.

Please quit and reopen it to use the new language.</source>
        <translation>Sweepnook could not restart itself.

Please quit and reopen it to use the new language.</translation>
    </message>
</context>
<context>
    <name>TweakManager</name>
    <message>
        <source>This tweak changes Windows settings and works only on Windows.</source>
        <translation>This tweak changes Windows settings and works only on Windows.</translation>
    </message>
    <message>
        <source>Stopped before all services were changed.</source>
        <translation>Stopped before all services were changed.</translation>
    </message>
    <message>
        <source>Could not change the start type of the service &quot;%1&quot;.</source>
        <translation>Could not change the start type of the service &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Could not add the Ultimate Performance power plan.</source>
        <translation>Could not add the Ultimate Performance power plan.</translation>
    </message>
</context>
<context>
    <name>TweaksPage</name>
    <message>
        <source>These tweaks change Windows settings and act only on Windows. Nothing on this Mac is changed.</source>
        <translation>These tweaks change Windows settings and act only on Windows. Nothing on this Mac is changed.</translation>
    </message>
    <message>
        <source>System Tweaks</source>
        <translation>System Tweaks</translation>
    </message>
    <message>
        <source>Fine-tune privacy, performance and interface settings of Windows</source>
        <translation>Fine-tune privacy, performance and interface settings of Windows</translation>
    </message>
    <message>
        <source>Apply recommended</source>
        <translation>Apply recommended</translation>
    </message>
    <message>
        <source>No tweaks are available.</source>
        <translation>No tweaks are available.</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>Caution</translation>
    </message>
    <message>
        <source>Works only with Tamper Protection switched off in Windows Security.</source>
        <translation>Works only with Tamper Protection switched off in Windows Security.</translation>
    </message>
    <message>
        <source>Only available on Windows</source>
        <translation>Only available on Windows</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacy</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Performance</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Security</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 of %2 on</source>
        <translation>%1 of %2 on</translation>
    </message>
</context>
<context>
    <name>UnreadableNote</name>
    <message numerus="yes">
        <source>%Ln folders could not be read, among them %1. To include them, allow Sweepnook Full Disk Access in System Settings &gt; Privacy &amp; Security.</source>
        <translation>
            <numerusform>%Ln folder could not be read: %1. To include it, allow Sweepnook Full Disk Access in System Settings &gt; Privacy &amp; Security.</numerusform>
            <numerusform>%Ln folders could not be read, among them %1. To include them, allow Sweepnook Full Disk Access in System Settings &gt; Privacy &amp; Security.</numerusform>
        </translation>
    </message>
</context>
</TS>
