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
        <source>Your Personal System Butler

🧹 Junk Cleaner - Free up valuable disk space
🌐 Browser Cleaner - Protect your privacy
🔧 Registry Cleaner - Boost system performance
⚡ Startup Manager - Speed up boot time</source>
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
    <message>
        <source>Are you sure you want to clean %1 selected items?
This action cannot be undone!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleaned %1 items, freed %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected: %1 items, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected: %1 items</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CategoryWidget</name>
    <message>
        <source>%1 items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load more (%1 remaining)</source>
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
    <name>DetailItemWidget</name>
    <message>
        <source>Open file location</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ItemDetailDialog</name>
    <message>
        <source>%1  |  %2 files</source>
        <translation type="unfinished"></translation>
    </message>
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
        <source>Sweepnook - PC Cleaning Tool</source>
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
</context>
<context>
    <name>PlaceholderPage</name>
    <message>
        <source>This feature is coming soon.</source>
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
        <source>Start with Windows</source>
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
        <source>Auto backup before registry cleaning</source>
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
</TS>
