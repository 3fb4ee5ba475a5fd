<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made by Quelmo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Personal System Butler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>🧹 Junk Cleaner - Free up valuable disk space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>🌐 Browser Cleaner - Protect your privacy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>🔧 Registry Cleaner - Boost system performance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>⚡ Startup Manager - Speed up boot time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppCardDelegate</name>
    <message>
        <source>Part of macOS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+%1 leftovers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bundle identifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name only</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppUninstaller</name>
    <message>
        <source>the Finder could not be asked (osascript did not start)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Finder did not answer within %1 seconds; it may be waiting for your permission or password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sweepnook is not allowed to control the Finder (System Settings &gt; Privacy &amp; Security &gt; Automation)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Finder refused (exit code %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Finder refused: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is on another volume than your Trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is part of macOS and cannot be removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not in an Applications folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the app first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not tell whether it is running. Close the app first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It could not be moved to the Trash: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppUninstallerPage</name>
    <message>
        <source>App Uninstaller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completely remove apps and their leftover files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search apps...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No apps selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning installed apps...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No applications were found in the Applications folders.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No apps match &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uninstalling %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 apps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 / %2 apps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 app(s) selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uninstall %1 app(s) and their leftover files?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apps will be moved to Trash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apps and %1 selected leftover items (%2) will be moved to Trash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Uninstall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not uninstall %1.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was moved to Trash, but %2 of its leftover items could not be moved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BasePage</name>
    <message>
        <source>Cleanable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click &quot;Start Scanning&quot; to find cleanable items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected: --</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Scanning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clean Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No items selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Clean</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to clean %n selected items?
This action cannot be undone!</source>
        <translation>
            <numerusform>Are you sure you want to clean %n selected item?
This action cannot be undone!</numerusform>
            <numerusform>Are you sure you want to clean %n selected items?
This action cannot be undone!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cleaned %n items, freed %1</source>
        <translation>
            <numerusform>Cleaned %n item, freed %1</numerusform>
            <numerusform>Cleaned %n items, freed %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected: %n items, %1</source>
        <translation>
            <numerusform>Selected: %n item, %1</numerusform>
            <numerusform>Selected: %n items, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n item</numerusform>
            <numerusform>%n items</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected: %n items</source>
        <translation>
            <numerusform>Selected: %n item</numerusform>
            <numerusform>Selected: %n items</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BrowserCleaner</name>
    <message>
        <source>Google Chrome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microsoft Edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mozilla Firefox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Safari</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please close the following browsers before cleaning:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BrowserGroupHeader</name>
    <message numerus="yes">
        <source>%n items  ·  %1</source>
        <translation>
            <numerusform>%n item  ·  %1</numerusform>
            <numerusform>%n items  ·  %1</numerusform>
        </translation>
    </message>
    <message>
        <source>View Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BrowserPage</name>
    <message>
        <source>Browser Cleaner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clean caches, cookies and history of your browsers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleanable Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browsers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No supported browser was found for this user.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CategoryWidget</name>
    <message>
        <source>Load more (%1 remaining)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n item</numerusform>
            <numerusform>%n items</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CircleProgressWidget</name>
    <message>
        <source>GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can be cleaned</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CleanItem</name>
    <message>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DashboardPage</name>
    <message>
        <source>Ready to Clean Your Mac</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the button below to scan for junk files and free up space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>🔍  Start Full Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sweepnook %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Your Mac Running at Peak Performance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Junk Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browser Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registry Issues</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready to scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>🔍 Start Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>🗑️ Clean All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;span style=&apos;font-weight:600;&apos;&gt;Tip:&lt;/span&gt; Regular cleaning can significantly improve your Mac&apos;s performance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can be cleaned</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DetailItemWidget</name>
    <message>
        <source>Open file location</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DuplicateFinderPage</name>
    <message>
        <source>Duplicate File Finder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find and remove identical files to free up disk space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SELECT LOCATION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entire Disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min file size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collecting files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>← New Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Newest  ▾</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Newest  (delete older duplicates)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Oldest   (delete newer duplicates)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Oldest  ▾</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Folder to Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Another Folder…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path: (none selected)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Location Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select at least one location to scan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Disk Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning the entire disk may take several minutes.
Continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading %1  ·  %2 of %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Duplicates Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Great news! No duplicate files were found. 🎉</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; groups  ·  &lt;span style=&apos;color:%2;font-weight:600;&apos;&gt;%3 can be freed&lt;/span&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  ·  %1 freed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move %1 file(s) to the Trash, or delete them permanently?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every copy of %1 group(s) is checked: the newest copy of each will be kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Permanently</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permanently delete %1 file(s)?
This cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleting…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleting %1 / %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 file(s) deleted permanently (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 file(s) moved to the Trash (%2); you can put them back from there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicates Removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partial Failure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 file(s) could not be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log lists each file and why.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DuplicateGroupDelegate</name>
    <message>
        <source>%1 identical files  ·  %2 each  ·  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>save %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ItemDetailDialog</name>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1  |  %n files</source>
        <translation>
            <numerusform>%1  |  %n file</numerusform>
            <numerusform>%1  |  %n files</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JunkPage</name>
    <message>
        <source>Junk Cleaner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clean system temp files, cache and logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleanable Space</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LargeFileDelegate</name>
    <message>
        <source>In iCloud</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LargeFilePage</name>
    <message>
        <source>Find Large Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan your drives and remove files that are taking up the most space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SELECT VOLUME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min file size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>200 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>500 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found %1 large files, total %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Videos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largest first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>← Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local Disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove from list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a volume above to begin scanning.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n volume(s) selected. Sweepnook will scan for files larger than %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Choose Folder to Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom File Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter minimum file size (MB):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select at least one drive to scan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No large files found that match the criteria.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan Completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 folders could not be read, among them %2. To include them, allow Sweepnook Full Disk Access in System Settings &gt; Privacy &amp; Security.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 freed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in the Trash until you empty it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected: %1 files (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open file location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete this file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Permanently</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete this file?

%1
Size: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file is only in iCloud: deleting it frees no space on this Mac and removes it from all your devices.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to Trash keeps it until you empty the Trash. Delete Permanently cannot be undone!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected %1 files?

Total: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to Trash keeps them until you empty the Trash. Delete Permanently cannot be undone!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to delete this file. It may be in use by another program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files have been deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleted %1 files successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %1 files failed to delete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 moved to the Trash: empty the Trash to free the space.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 freed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Completed</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Junk Cleaner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browser Cleaner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registry Cleaner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Startup Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Large Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>App Uninstaller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Privacy Cleaner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>显示主窗口</source>
        <translation>Show Main Window</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>About Sweepnook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by Quelmo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The smartest way to keep your Mac clean, fast, and private.&lt;br&gt;Remove junk files, browser traces, duplicate files,&lt;br&gt;and privacy risks — all in one click.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>© 2026 Quelmo. All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sweepnook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program minimized to system tray. Double-click the icon to restore.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sweepnook - Mac Cleaning Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No items selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Clean</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to clean %n selected items (%1)?
This action cannot be undone!</source>
        <translation>
            <numerusform>Are you sure you want to clean %n selected item (%1)?
This action cannot be undone!</numerusform>
            <numerusform>Are you sure you want to clean %n selected items (%1)?
This action cannot be undone!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cleaned %n items, freed %1</source>
        <translation>
            <numerusform>Cleaned %n item, freed %1</numerusform>
            <numerusform>Cleaned %n items, freed %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n items could not be removed.</source>
        <translation>
            <numerusform>%n item could not be removed.</numerusform>
            <numerusform>%n items could not be removed.</numerusform>
        </translation>
    </message>
    <message>
        <source>A clean is still running. Scan again when it has finished.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlaceholderPage</name>
    <message>
        <source>This feature is coming soon.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrivacyCleaner</name>
    <message>
        <source>Clipboard Content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text, images or files currently copied to clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QuickLook Preview Cache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cached file previews generated by macOS QuickLook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent Files List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>macOS list of recently opened files and apps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notification History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database logs of all received app notifications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DNS Cache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cached DNS lookups recording recently visited domains</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrivacyItemCard</name>
    <message>
        <source>Nothing found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n item</numerusform>
            <numerusform>%n items</numerusform>
        </translation>
    </message>
    <message>
        <source>Not scanned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleaned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 freed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not cleaned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Safe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High risk</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrivacyPage</name>
    <message>
        <source>Privacy Cleaner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the traces your everyday use leaves on this Mac</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleaning: %1 of %2 done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleaned %1 item(s) · freed %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not cleaned: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Stopped before %n item(s)</source>
        <translation>
            <numerusform>Stopped before %n item</numerusform>
            <numerusform>Stopped before %n items</numerusform>
        </translation>
    </message>
    <message>
        <source>Scan Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan to measure the traces on this Mac</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleaning…</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Selected: %n item(s)</source>
        <translation>
            <numerusform>Selected: %n item</numerusform>
            <numerusform>Selected: %n items</numerusform>
        </translation>
    </message>
    <message>
        <source>No items selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Cleaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Clean %n selected item(s)?</source>
        <translation>
            <numerusform>Clean %n selected item?</numerusform>
            <numerusform>Clean %n selected items?</numerusform>
        </translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Scanning...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleaning...</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
</context>
<context>
    <name>RegistryPage</name>
    <message>
        <source>Registry cleaning is only available on Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>macOS keeps its settings in preference files, not in a registry, so there is nothing to clean here.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScanProgressDialog</name>
    <message>
        <source>Scanning for large files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found %1 large files (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize to tray on close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm before cleaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sweepnook could not be set to start at login. The log has the details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sweepnook could not be kept from starting at login. The log has the details.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartupCardDelegate</name>
    <message>
        <source>Reveal in Finder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartupListModel</name>
    <message>
        <source>HKCU Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Startup Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sweepnook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LaunchAgent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Startup items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System-wide agents and daemons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartupManager</name>
    <message>
        <source>Scanning %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning startup items...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning installed applications...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartupPage</name>
    <message>
        <source>Startup Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage programs that run automatically at startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search programs...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>⚠️ Only your own startup items can be removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning installed programs...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First load may take a few seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 startup items · %2 apps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This startup item was not created by Sweepnook and cannot be removed here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to remove &quot;%1&quot; from startup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to add &quot;%1&quot; to startup.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language has been changed.

The application will restart now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sweepnook could not restart itself.

Please quit and reopen it to use the new language.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TweakManager</name>
    <message>
        <source>This tweak changes Windows settings and works only on Windows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped before all services were changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not change the start type of the service &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not add the Ultimate Performance power plan.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TweaksPage</name>
    <message>
        <source>These tweaks change Windows settings and act only on Windows. Nothing on this Mac is changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Tweaks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fine-tune privacy, performance and interface settings of Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply recommended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No tweaks are available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Works only with Tamper Protection switched off in Windows Security.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only available on Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Performance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Security</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 on</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
