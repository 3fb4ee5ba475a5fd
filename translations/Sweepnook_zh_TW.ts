<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Your Personal System Butler</source>
        <translation>您的專屬系統管家</translation>
    </message>
    <message>
        <source>🧹 Junk Cleaner - Free up valuable disk space</source>
        <translation>🧹 垃圾清理 - 釋放寶貴的磁碟空間</translation>
    </message>
    <message>
        <source>🌐 Browser Cleaner - Protect your privacy</source>
        <translation>🌐 瀏覽器清理 - 保護您的隱私</translation>
    </message>
    <message>
        <source>🔧 Registry Cleaner - Boost system performance</source>
        <translation>🔧 登錄檔清理 - 提升系統效能</translation>
    </message>
    <message>
        <source>⚡ Startup Manager - Speed up boot time</source>
        <translation>⚡ 啟動項目管理 - 加快開機速度</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Made by Quelmo</source>
        <translation>由 Quelmo 製作</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>好</translation>
    </message>
    <message>
        <source>📊 Dashboard - Scan everything at once and clean in one click</source>
        <translation>📊 儀表板 - 一次掃描全部，一鍵清理</translation>
    </message>
    <message>
        <source>📁 Large Files - Find what takes up your disk</source>
        <translation>📁 大型檔案 - 找出佔用磁碟空間的檔案</translation>
    </message>
    <message>
        <source>📑 Duplicate Files - Remove identical copies</source>
        <translation>📑 重複檔案 - 移除相同的副本</translation>
    </message>
    <message>
        <source>📦 App Uninstaller - Remove apps with their leftovers</source>
        <translation>📦 App 解除安裝 - 連同殘留檔案一併移除 App</translation>
    </message>
    <message>
        <source>🛡️ Privacy Cleaner - Clear recent-files lists and other traces</source>
        <translation>🛡️ 隱私清理 - 清除最近使用檔案列表等痕跡</translation>
    </message>
</context>
<context>
    <name>AppCardDelegate</name>
    <message>
        <source>Part of macOS</source>
        <translation>macOS 的一部分</translation>
    </message>
    <message>
        <source>+%1 leftovers</source>
        <translation>殘留檔案 +%1</translation>
    </message>
    <message>
        <source>bundle identifier</source>
        <translation>套件識別碼</translation>
    </message>
    <message>
        <source>name only</source>
        <translation>僅名稱相符</translation>
    </message>
    <message>
        <source>shared with macOS</source>
        <translation>與 macOS 共用</translation>
    </message>
</context>
<context>
    <name>AppUninstaller</name>
    <message>
        <source>It is part of macOS and cannot be removed.</source>
        <translation>此 App 是 macOS 的一部分，無法移除。</translation>
    </message>
    <message>
        <source>It is not in an Applications folder.</source>
        <translation>此 App 不在「應用程式」資料夾中。</translation>
    </message>
    <message>
        <source>Close the app first.</source>
        <translation>請先結束此 App。</translation>
    </message>
    <message>
        <source>Could not tell whether it is running. Close the app first.</source>
        <translation>無法判斷此 App 是否正在執行。請先結束此 App。</translation>
    </message>
    <message>
        <source>It could not be moved to the Trash: %1.</source>
        <translation>無法將它丟到垃圾桶：%1。</translation>
    </message>
    <message>
        <source>It is on a read-only volume and cannot be removed.</source>
        <translation>它位於唯讀卷宗上，無法移除。</translation>
    </message>
    <message>
        <source>It is no longer where the scan found it.</source>
        <translation>它已不在掃描時找到的位置。</translation>
    </message>
</context>
<context>
    <name>AppUninstallerPage</name>
    <message>
        <source>App Uninstaller</source>
        <translation>App 解除安裝</translation>
    </message>
    <message>
        <source>Completely remove apps and their leftover files</source>
        <translation>完整移除 App 及其殘留檔案</translation>
    </message>
    <message>
        <source>Search apps...</source>
        <translation>搜尋 App...</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>重新整理</translation>
    </message>
    <message>
        <source>No apps selected</source>
        <translation>未選取任何 App</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>解除安裝</translation>
    </message>
    <message>
        <source>Scanning installed apps...</source>
        <translation>正在掃描已安裝的 App...</translation>
    </message>
    <message>
        <source>No applications were found in the Applications folders.</source>
        <translation>在「應用程式」資料夾中找不到任何應用程式。</translation>
    </message>
    <message>
        <source>No apps match &quot;%1&quot;.</source>
        <translation>沒有符合「%1」的 App。</translation>
    </message>
    <message>
        <source>Uninstalling %1...</source>
        <translation>正在解除安裝 %1...</translation>
    </message>
    <message>
        <source>Apps will be moved to Trash.</source>
        <translation>App 將會被丟到垃圾桶。</translation>
    </message>
    <message>
        <source>Confirm Uninstall</source>
        <translation>確認解除安裝</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Could not uninstall %1.
%2</source>
        <translation>無法解除安裝 %1。
%2</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>好</translation>
    </message>
    <message numerus="yes">
        <source>%Ln apps</source>
        <translation>
            <numerusform>%Ln 個 App</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 / %Ln apps</source>
        <translation>
            <numerusform>%1 / %Ln 個 App</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln app(s) selected</source>
        <translation>
            <numerusform>已選取 %Ln 個 App</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Uninstall %Ln app(s) and their leftover files?</source>
        <translation>
            <numerusform>要解除安裝 %Ln 個 App 及其殘留檔案嗎？</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more</source>
        <translation>
            <numerusform>以及其他 %Ln 個</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Apps and %Ln selected leftover items (%1) will be moved to Trash.</source>
        <translation>
            <numerusform>App 和 %Ln 個已選取的殘留項目（%1）將會被丟到垃圾桶。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 was moved to Trash, but %Ln of its leftover items could not be moved.</source>
        <translation>
            <numerusform>%1 已丟到垃圾桶，但其中 %Ln 個殘留項目無法移動。</numerusform>
        </translation>
    </message>
    <message>
        <source>The app will be moved to the Trash.</source>
        <translation>App 將會被丟到垃圾桶。</translation>
    </message>
    <message numerus="yes">
        <source>The app and %Ln selected leftover items (%1) will be moved to the Trash.</source>
        <translation>
            <numerusform>App 和 %Ln 個已選取的殘留項目（%1）將會被丟到垃圾桶。</numerusform>
        </translation>
    </message>
    <message>
        <source>Moved %1 (%2) to the Trash.</source>
        <translation>已將 %1（%2）丟到垃圾桶。</translation>
    </message>
    <message numerus="yes">
        <source>Moved %1 and %Ln leftover items (%2) to the Trash.</source>
        <translation>
            <numerusform>已將 %1 和 %Ln 個殘留項目（%2）丟到垃圾桶。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %Ln apps (%1) to the Trash.</source>
        <translation>
            <numerusform>已將 %Ln 個 App（%1）丟到垃圾桶。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %Ln apps and %1 (%2) to the Trash.</source>
        <translation>
            <numerusform>已將 %Ln 個 App 和 %1（%2）丟到垃圾桶。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln leftover items</source>
        <translation>
            <numerusform>%Ln 個殘留項目</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BasePage</name>
    <message>
        <source>Cleanable</source>
        <translation>可清理</translation>
    </message>
    <message>
        <source>Click &quot;Start Scanning&quot; to find cleanable items</source>
        <translation>按一下「開始掃描」來尋找可清理的項目</translation>
    </message>
    <message>
        <source>Selected: --</source>
        <translation>已選取：--</translation>
    </message>
    <message>
        <source>Start Scanning</source>
        <translation>開始掃描</translation>
    </message>
    <message>
        <source>Clean Now</source>
        <translation>立即清理</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>No items selected</source>
        <translation>未選取任何項目</translation>
    </message>
    <message>
        <source>Confirm Clean</source>
        <translation>確認清理</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to clean %Ln selected items?
This action cannot be undone!</source>
        <translation>
            <numerusform>確定要清理 %Ln 個已選取的項目嗎？
此動作無法還原！</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cleaned %Ln items, freed %1</source>
        <translation>
            <numerusform>已清理 %Ln 個項目，釋放了 %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln items, %1</source>
        <translation>
            <numerusform>已選取：%Ln 個項目，%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln items</source>
        <translation>
            <numerusform>%Ln 個項目</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln items</source>
        <translation>
            <numerusform>已選取：%Ln 個項目</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be removed and stay in the list with the reason.</source>
        <translation>
            <numerusform>有 %Ln 個項目無法移除，將連同原因保留在列表中。</numerusform>
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
        <translation>這些瀏覽器正在執行，已略過；請結束它們後再清理：
%1</translation>
    </message>
    <message>
        <source>outside the browsers&apos; folders</source>
        <translation>位於瀏覽器的資料夾之外</translation>
    </message>
    <message>
        <source>the history could not be cleared</source>
        <translation>無法清除瀏覽記錄</translation>
    </message>
    <message>
        <source>it could not be removed</source>
        <translation>無法移除</translation>
    </message>
    <message>
        <source>the records could not be cleared</source>
        <translation>無法清除記錄</translation>
    </message>
</context>
<context>
    <name>BrowserGroupHeader</name>
    <message numerus="yes">
        <source>%Ln items  ·  %1</source>
        <translation>
            <numerusform>%Ln 個項目  ·  %1</numerusform>
        </translation>
    </message>
    <message>
        <source>View Details</source>
        <translation>檢視詳細資訊</translation>
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
        <translation>瀏覽器清理</translation>
    </message>
    <message>
        <source>Clean caches, cookies and history of your browsers</source>
        <translation>清理瀏覽器的快取、Cookie 和瀏覽記錄</translation>
    </message>
    <message>
        <source>Browsers:</source>
        <translation>瀏覽器：</translation>
    </message>
    <message>
        <source>No supported browser was found for this user.</source>
        <translation>找不到此使用者支援的瀏覽器。</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>已找到</translation>
    </message>
</context>
<context>
    <name>CategoryWidget</name>
    <message numerus="yes">
        <source>%Ln items</source>
        <translation>
            <numerusform>%Ln 個項目</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Load more (%Ln remaining)</source>
        <translation>
            <numerusform>載入更多（尚餘 %Ln 個）</numerusform>
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
        <translation>可清理</translation>
    </message>
</context>
<context>
    <name>CleanItem</name>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message numerus="yes">
        <source>%n B</source>
        <translation>
            <numerusform>%n 位元組</numerusform>
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
        <translation>大小不明</translation>
    </message>
    <message>
        <source>at least %1</source>
        <translation>至少 %1</translation>
    </message>
</context>
<context>
    <name>CleanItemWidget</name>
    <message>
        <source>Not removed: %1</source>
        <translation>未移除：%1</translation>
    </message>
</context>
<context>
    <name>DashboardPage</name>
    <message>
        <source>Ready to Clean Your Mac</source>
        <translation>準備好清理您的 Mac</translation>
    </message>
    <message>
        <source>Click the button below to scan for junk files and free up space</source>
        <translation>按一下下方按鈕來掃描垃圾檔案並釋放空間</translation>
    </message>
    <message>
        <source>🔍  Start Full Scan</source>
        <translation>🔍  開始完整掃描</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>正在準備...</translation>
    </message>
    <message>
        <source>Sweepnook %1</source>
        <translation>Sweepnook %1</translation>
    </message>
    <message>
        <source>Keep Your Mac Running at Peak Performance</source>
        <translation>讓您的 Mac 保持最佳效能</translation>
    </message>
    <message>
        <source>Junk Files</source>
        <translation>垃圾檔案</translation>
    </message>
    <message>
        <source>Browser Data</source>
        <translation>瀏覽器資料</translation>
    </message>
    <message>
        <source>Registry Issues</source>
        <translation>登錄檔問題</translation>
    </message>
    <message>
        <source>Ready to scan</source>
        <translation>準備掃描</translation>
    </message>
    <message>
        <source>🔍 Start Scan</source>
        <translation>🔍 開始掃描</translation>
    </message>
    <message>
        <source>🗑️ Clean All</source>
        <translation>🗑️ 全部清理</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;font-weight:600;&apos;&gt;Tip:&lt;/span&gt; Regular cleaning can significantly improve your Mac&apos;s performance</source>
        <translation>&lt;span style=&apos;font-weight:600;&apos;&gt;提示：&lt;/span&gt;定期清理可大幅提升 Mac 的效能</translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation>正在掃描...</translation>
    </message>
    <message>
        <source>Can be cleaned</source>
        <translation>可清理</translation>
    </message>
    <message>
        <source>Last scan: just now</source>
        <translation>上次掃描：剛剛</translation>
    </message>
    <message numerus="yes">
        <source>Last scan: %Ln min ago</source>
        <translation>
            <numerusform>上次掃描：%Ln 分鐘前</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Last scan: %Ln h ago</source>
        <translation>
            <numerusform>上次掃描：%Ln 小時前</numerusform>
        </translation>
    </message>
    <message>
        <source>Last scan: %1</source>
        <translation>上次掃描：%1</translation>
    </message>
    <message>
        <source>Cleaned %1</source>
        <translation>已清理 %1</translation>
    </message>
    <message>
        <source>Ring: %1 of what the scan found is selected</source>
        <translation>圓環：已選取掃描所找到項目的 %1</translation>
    </message>
    <message>
        <source>The scan found nothing to clean</source>
        <translation>掃描未找到可清理的項目</translation>
    </message>
    <message>
        <source>Can be cleaned (at least)</source>
        <translation>可清理（至少）</translation>
    </message>
</context>
<context>
    <name>DetailItemWidget</name>
    <message>
        <source>Show in Finder</source>
        <translation>在 Finder 中顯示</translation>
    </message>
</context>
<context>
    <name>DuplicateFinderPage</name>
    <message>
        <source>Duplicate File Finder</source>
        <translation>重複檔案搜尋</translation>
    </message>
    <message>
        <source>Find and remove identical files to free up disk space</source>
        <translation>尋找並移除相同的檔案以釋放磁碟空間</translation>
    </message>
    <message>
        <source>SELECT LOCATION</source>
        <translation>選擇位置</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>個人專屬</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>下載項目</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>桌面</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>圖片</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>音樂</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>影片</translation>
    </message>
    <message>
        <source>User Volume</source>
        <translation>使用者卷宗</translation>
    </message>
    <message>
        <source>Entire Disk</source>
        <translation>整個磁碟</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>選擇…</translation>
    </message>
    <message>
        <source>Min file size:</source>
        <translation>最小檔案大小：</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>開始掃描</translation>
    </message>
    <message>
        <source>Collecting files...</source>
        <translation>正在收集檔案...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>← New Scan</source>
        <translation>← 新的掃描</translation>
    </message>
    <message>
        <source>Keep Newest  ▾</source>
        <translation>保留最新  ▾</translation>
    </message>
    <message>
        <source>Keep Newest  (delete older duplicates)</source>
        <translation>保留最新  （刪除較舊的重複檔案）</translation>
    </message>
    <message>
        <source>Keep Oldest   (delete newer duplicates)</source>
        <translation>保留最舊  （刪除較新的重複檔案）</translation>
    </message>
    <message>
        <source>Keep Oldest  ▾</source>
        <translation>保留最舊  ▾</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>刪除所選項目</translation>
    </message>
    <message>
        <source>Choose Folder to Scan</source>
        <translation>選擇要掃描的資料夾</translation>
    </message>
    <message>
        <source>Choose Another Folder…</source>
        <translation>選擇其他資料夾…</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>從列表移除 %1</translation>
    </message>
    <message>
        <source>Path: (none selected)</source>
        <translation>路徑：（未選取）</translation>
    </message>
    <message>
        <source>No Location Selected</source>
        <translation>未選取位置</translation>
    </message>
    <message>
        <source>Please select at least one location to scan.</source>
        <translation>請至少選取一個要掃描的位置。</translation>
    </message>
    <message>
        <source>Full Disk Scan</source>
        <translation>完整磁碟掃描</translation>
    </message>
    <message>
        <source>Scanning the entire disk may take several minutes.
Continue?</source>
        <translation>掃描整個磁碟可能需要數分鐘。
要繼續嗎？</translation>
    </message>
    <message>
        <source>Scanning files...</source>
        <translation>正在掃描檔案...</translation>
    </message>
    <message>
        <source>Reading %1  ·  %2 of %3</source>
        <translation>正在讀取 %1  ·  %2 / %3</translation>
    </message>
    <message>
        <source>No Duplicates Found</source>
        <translation>找不到重複檔案</translation>
    </message>
    <message>
        <source>Great news! No duplicate files were found. 🎉</source>
        <translation>好消息！沒有找到任何重複檔案。🎉</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>正在取消...</translation>
    </message>
    <message>
        <source>  ·  %1 freed</source>
        <translation>  ·  已釋放 %1</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>確認刪除</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>丟到垃圾桶</translation>
    </message>
    <message>
        <source>Delete Permanently</source>
        <translation>永久刪除</translation>
    </message>
    <message>
        <source>Deleting…</source>
        <translation>正在刪除…</translation>
    </message>
    <message>
        <source>Deleting %1 / %2</source>
        <translation>正在刪除 %1 / %2</translation>
    </message>
    <message>
        <source>Duplicates Removed</source>
        <translation>已移除重複檔案</translation>
    </message>
    <message>
        <source>Partial Failure</source>
        <translation>部分失敗</translation>
    </message>
    <message>
        <source>The log lists each file and why.</source>
        <translation>記錄檔列出了每個檔案及其原因。</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln&lt;/b&gt; groups  ·  &lt;span style=&apos;color:%1;font-weight:600;&apos;&gt;%2 can be freed&lt;/span&gt;</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln&lt;/b&gt; 個群組  ·  &lt;span style=&apos;color:%1;font-weight:600;&apos;&gt;可釋放 %2&lt;/span&gt;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %Ln file(s) to the Trash, or delete them permanently?</source>
        <translation>
            <numerusform>要將 %Ln 個檔案丟到垃圾桶，還是永久刪除？</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every copy of %Ln group(s) is checked: the newest copy of each will be kept.</source>
        <translation>
            <numerusform>有 %Ln 個群組的所有副本都已勾選：每個群組將保留最新的副本。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Permanently delete %Ln file(s)?
This cannot be undone.</source>
        <translation>
            <numerusform>要永久刪除 %Ln 個檔案嗎？
此動作無法還原。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) deleted permanently (%1).</source>
        <translation>
            <numerusform>已永久刪除 %Ln 個檔案（%1）。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) moved to the Trash (%1); you can put them back from there.</source>
        <translation>
            <numerusform>已將 %Ln 個檔案丟到垃圾桶（%1）；您可以從垃圾桶將它們放回原處。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be deleted.</source>
        <translation>
            <numerusform>無法刪除 %Ln 個檔案。</numerusform>
        </translation>
    </message>
    <message>
        <source>Path: %1</source>
        <translation>路徑：%1</translation>
    </message>
    <message>
        <source>Deleted permanently: %1</source>
        <translation>已永久刪除：%1</translation>
    </message>
    <message>
        <source>Moved to the Trash: %1</source>
        <translation>已丟到垃圾桶：%1</translation>
    </message>
    <message>
        <source>Left in place: %1</source>
        <translation>保留在原處：%1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be moved to the Trash and were left in place; none was deleted.</source>
        <translation>
            <numerusform>有 %Ln 個檔案無法丟到垃圾桶，已保留在原處；未刪除任何檔案。</numerusform>
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
        <translation>  ·  %1 在清空垃圾桶前仍佔用空間</translation>
    </message>
    <message>
        <source>Ticked: every copy but the likely original (not in Downloads, no &quot;copy&quot; or &quot;(1)&quot; in its name, the oldest, the shortest path). 🔒 Copies in apps, packages and Library are never ticked.</source>
        <translation>已勾選：除了可能的原始檔以外的所有副本（不在「下載項目」中、名稱沒有「拷貝」或「(1)」、最舊、路徑最短）。🔒 App、套件和「資源庫」內的副本永遠不會被勾選。</translation>
    </message>
    <message>
        <source>Keep Original  ▾</source>
        <translation>保留原始檔  ▾</translation>
    </message>
    <message>
        <source>Keep Original  (the likely original of each group)</source>
        <translation>保留原始檔  （每組中可能的原始檔）</translation>
    </message>
</context>
<context>
    <name>DuplicateGroupDelegate</name>
    <message>
        <source>save %1</source>
        <translation>節省 %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln identical files  ·  %1 each  ·  </source>
        <translation>
            <numerusform>%Ln 個相同檔案  ·  每個 %1  ·  </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileUtils</name>
    <message>
        <source>permission denied</source>
        <translation>權限不足</translation>
    </message>
    <message>
        <source>it is in use</source>
        <translation>正在使用中</translation>
    </message>
    <message>
        <source>the volume is read-only</source>
        <translation>此卷宗為唯讀</translation>
    </message>
    <message>
        <source>the folder is not empty</source>
        <translation>資料夾不是空的</translation>
    </message>
    <message>
        <source>another volume is mounted there</source>
        <translation>該處掛載了另一個卷宗</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>不是資料夾</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>是資料夾</translation>
    </message>
    <message>
        <source>it changed while being removed</source>
        <translation>移除時已變更</translation>
    </message>
    <message>
        <source>its folder is not open</source>
        <translation>所在資料夾未開啟</translation>
    </message>
    <message>
        <source>outside %1</source>
        <translation>位於 %1 之外</translation>
    </message>
    <message>
        <source>the folder itself</source>
        <translation>資料夾本身</translation>
    </message>
    <message>
        <source>&quot;.&quot; or &quot;..&quot; in the path</source>
        <translation>路徑中有「.」或「..」</translation>
    </message>
    <message>
        <source>a link or a file on the way: %1</source>
        <translation>路徑上有連結或檔案：%1</translation>
    </message>
    <message>
        <source>another volume on the way: %1</source>
        <translation>路徑上有另一個卷宗：%1</translation>
    </message>
    <message>
        <source>it changed since it was chosen</source>
        <translation>選取後已有變更</translation>
    </message>
</context>
<context>
    <name>HomeTrash</name>
    <message>
        <source>it is no longer there</source>
        <translation>它已不在原處</translation>
    </message>
    <message>
        <source>the Finder could not be asked (osascript did not start)</source>
        <translation>無法詢問 Finder（osascript 未啟動）</translation>
    </message>
    <message>
        <source>the Finder did not answer within %1 seconds; it may be waiting for your permission or password</source>
        <translation>Finder 未在 %1 秒內回應；它可能正在等待您的許可或密碼</translation>
    </message>
    <message>
        <source>the Finder left it where it was</source>
        <translation>Finder 未移動它</translation>
    </message>
    <message>
        <source>Sweepnook is not allowed to control the Finder (System Settings &gt; Privacy &amp; Security &gt; Automation)</source>
        <translation>Sweepnook 未獲准控制 Finder（系統設定 &gt; 隱私權與安全性 &gt; 自動化）</translation>
    </message>
    <message>
        <source>the Finder refused (exit code %1)</source>
        <translation>Finder 拒絕了要求（結束代碼 %1）</translation>
    </message>
    <message>
        <source>the Finder refused: %1</source>
        <translation>Finder 拒絕了要求：%1</translation>
    </message>
    <message>
        <source>the Trash folder cannot be used: %1</source>
        <translation>無法使用垃圾桶檔案夾：%1</translation>
    </message>
    <message>
        <source>it is on another volume than your Trash</source>
        <translation>它與您的垃圾桶位於不同的卷宗</translation>
    </message>
    <message>
        <source>it is in the Trash already</source>
        <translation>它已在垃圾桶中</translation>
    </message>
    <message>
        <source>too many items of that name in the Trash</source>
        <translation>垃圾桶中同名的項目過多</translation>
    </message>
    <message>
        <source>a volume is mounted inside it (%1)</source>
        <translation>其中掛載了一個卷宗（%1）</translation>
    </message>
</context>
<context>
    <name>ItemDetailDialog</name>
    <message numerus="yes">
        <source>%1  |  %Ln files</source>
        <translation>
            <numerusform>%1  |  %Ln 個檔案</numerusform>
        </translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>動作</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
</context>
<context>
    <name>JunkCleaner</name>
    <message>
        <source>outside the folders of its rule</source>
        <translation>位於其規則的資料夾之外</translation>
    </message>
    <message>
        <source>These browsers are running, so their caches were left; close them to clean them:
%1</source>
        <translation>這些瀏覽器正在執行，因此保留了它們的快取；請結束它們後再清理：
%1</translation>
    </message>
</context>
<context>
    <name>JunkPage</name>
    <message>
        <source>Junk Cleaner</source>
        <translation>垃圾清理</translation>
    </message>
    <message>
        <source>Clean system temp files, cache and logs</source>
        <translation>清理系統暫存檔、快取和記錄檔</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>已找到</translation>
    </message>
</context>
<context>
    <name>LargeFileDelegate</name>
    <message>
        <source>In iCloud</source>
        <translation>在 iCloud 中</translation>
    </message>
    <message>
        <source>%1, %2 on disk</source>
        <translation>%1，磁碟上 %2</translation>
    </message>
    <message>
        <source>via %1</source>
        <translation>經由 %1</translation>
    </message>
</context>
<context>
    <name>LargeFilePage</name>
    <message>
        <source>Find Large Files</source>
        <translation>尋找大型檔案</translation>
    </message>
    <message>
        <source>Scan your drives and remove files that are taking up the most space</source>
        <translation>掃描您的磁碟機，移除佔用最多空間的檔案</translation>
    </message>
    <message>
        <source>SELECT VOLUME</source>
        <translation>選擇卷宗</translation>
    </message>
    <message>
        <source>Min file size:</source>
        <translation>最小檔案大小：</translation>
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
        <translation>自訂...</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>開始掃描</translation>
    </message>
    <message>
        <source>Scan Results</source>
        <translation>掃描結果</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>全選</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>所有類型</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>影片</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音訊</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>壓縮檔</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>影像</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Packages</source>
        <translation>套件</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Largest first</source>
        <translation>由大到小</translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation>由新到舊</translation>
    </message>
    <message>
        <source>← Back</source>
        <translation>← 返回</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>刪除所選項目</translation>
    </message>
    <message>
        <source>Local Disk</source>
        <translation>本機磁碟</translation>
    </message>
    <message>
        <source>Remove from list</source>
        <translation>從列表移除</translation>
    </message>
    <message>
        <source>Add location</source>
        <translation>加入位置</translation>
    </message>
    <message>
        <source>Select a volume above to begin scanning.</source>
        <translation>請在上方選擇卷宗以開始掃描。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln volume(s) selected. Sweepnook will scan for files larger than %1.</source>
        <translation>
            <numerusform>已選取 %Ln 個卷宗。Sweepnook 將掃描大於 %1 的檔案。</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose Folder to Scan</source>
        <translation>選擇要掃描的資料夾</translation>
    </message>
    <message>
        <source>Custom File Size</source>
        <translation>自訂檔案大小</translation>
    </message>
    <message>
        <source>Enter minimum file size (MB):</source>
        <translation>輸入最小檔案大小（MB）：</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Please select at least one drive to scan.</source>
        <translation>請至少選取一個要掃描的磁碟機。</translation>
    </message>
    <message>
        <source>No large files found that match the criteria.</source>
        <translation>找不到符合條件的大型檔案。</translation>
    </message>
    <message>
        <source>Scan Completed</source>
        <translation>掃描完成</translation>
    </message>
    <message>
        <source>%1 freed</source>
        <translation>已釋放 %1</translation>
    </message>
    <message>
        <source>%1 in the Trash until you empty it</source>
        <translation>%1 在清空垃圾桶前仍佔用空間</translation>
    </message>
    <message>
        <source>Delete this file</source>
        <translation>刪除此檔案</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>確認刪除</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>丟到垃圾桶</translation>
    </message>
    <message>
        <source>Delete Permanently</source>
        <translation>永久刪除</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this file?

%1
Size: %2</source>
        <translation>確定要刪除此檔案嗎？

%1
大小：%2</translation>
    </message>
    <message>
        <source>This file is only in iCloud: deleting it frees no space on this Mac and removes it from all your devices.</source>
        <translation>此檔案僅存在於 iCloud 中：刪除它不會釋放這台 Mac 的空間，且會從您所有的裝置上移除。</translation>
    </message>
    <message>
        <source>Move to Trash keeps it until you empty the Trash. Delete Permanently cannot be undone!</source>
        <translation>「丟到垃圾桶」會將檔案保留到您清空垃圾桶為止。「永久刪除」則無法還原！</translation>
    </message>
    <message>
        <source>Move to Trash keeps them until you empty the Trash. Delete Permanently cannot be undone!</source>
        <translation>「丟到垃圾桶」會將檔案保留到您清空垃圾桶為止。「永久刪除」則無法還原！</translation>
    </message>
    <message>
        <source>Deleting...</source>
        <translation>正在刪除...</translation>
    </message>
    <message>
        <source>Unable to delete this file. It may be in use by another program.</source>
        <translation>無法刪除此檔案。它可能正被其他程式使用。</translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation>刪除失敗</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>資訊</translation>
    </message>
    <message>
        <source>All files have been deleted</source>
        <translation>所有檔案都已刪除</translation>
    </message>
    <message>
        <source>%1 moved to the Trash: empty the Trash to free the space.</source>
        <translation>已將 %1 丟到垃圾桶：清空垃圾桶即可釋放空間。</translation>
    </message>
    <message>
        <source>%1 freed.</source>
        <translation>已釋放 %1。</translation>
    </message>
    <message>
        <source>Delete Completed</source>
        <translation>刪除完成</translation>
    </message>
    <message numerus="yes">
        <source>Found %Ln large files, total %1</source>
        <translation>
            <numerusform>找到 %Ln 個大型檔案，總計 %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln files (%1)</source>
        <translation>
            <numerusform>已選取：%Ln 個檔案（%1）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete the selected %Ln files?

Total: %1</source>
        <translation>
            <numerusform>確定要刪除所選的 %Ln 個檔案嗎？

總計：%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleted %Ln files successfully.</source>
        <translation>
            <numerusform>已成功刪除 %Ln 個檔案。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 used</source>
        <translation>%1
已使用</translation>
    </message>
    <message>
        <source>%1 total</source>
        <translation>%1
總容量</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>在 Finder 中顯示</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files failed to delete.</source>
        <translation>
            <numerusform>有 %Ln 個檔案刪除失敗。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LargeFileScanner</name>
    <message>
        <source>It changed since the scan</source>
        <translation>掃描後已有變更</translation>
    </message>
    <message>
        <source>It is not among the results of the scan</source>
        <translation>不在掃描結果中</translation>
    </message>
</context>
<context>
    <name>LinkManager</name>
    <message>
        <source>配置错误</source>
        <translation>設定錯誤</translation>
    </message>
    <message>
        <source>无法加载页面链接。

请联系技术支持或重新安装软件。</source>
        <translation>無法載入頁面連結。

請聯絡技術支援或重新安裝軟體。</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>無法打開瀏覽器</translation>
    </message>
    <message>
        <source>无法打开默认浏览器。

请手动复制链接访问：
%1</source>
        <translation>無法打開預設瀏覽器。

請手動拷貝連結並開啟：
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Dashboard</source>
        <translation>儀表板</translation>
    </message>
    <message>
        <source>Junk Cleaner</source>
        <translation>垃圾清理</translation>
    </message>
    <message>
        <source>Browser Cleaner</source>
        <translation>瀏覽器清理</translation>
    </message>
    <message>
        <source>Registry Cleaner</source>
        <translation>登錄檔清理</translation>
    </message>
    <message>
        <source>Startup Manager</source>
        <translation>啟動項目管理</translation>
    </message>
    <message>
        <source>Large Files</source>
        <translation>大型檔案</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>最佳化</translation>
    </message>
    <message>
        <source>App Uninstaller</source>
        <translation>App 解除安裝</translation>
    </message>
    <message>
        <source>Duplicate Files</source>
        <translation>重複檔案</translation>
    </message>
    <message>
        <source>Privacy Cleaner</source>
        <translation>隱私清理</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>縮到最小</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>縮放</translation>
    </message>
    <message>
        <source>Sweepnook - Mac Cleaning Tool</source>
        <translation>Sweepnook - Mac 清理工具</translation>
    </message>
    <message>
        <source>显示主窗口</source>
        <translation>顯示主視窗</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>No items selected</source>
        <translation>未選取任何項目</translation>
    </message>
    <message>
        <source>Confirm Clean</source>
        <translation>確認清理</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to clean %Ln selected items (%1)?
This action cannot be undone!</source>
        <translation>
            <numerusform>確定要清理 %Ln 個已選取的項目（%1）嗎？
此動作無法還原！</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cleaned %Ln items, freed %1</source>
        <translation>
            <numerusform>已清理 %Ln 個項目，釋放了 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled. %1</source>
        <translation>已取消。%1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln items could not be removed.</source>
        <translation>
            <numerusform>無法移除 %Ln 個項目。</numerusform>
        </translation>
    </message>
    <message>
        <source>A clean is still running. Scan again when it has finished.</source>
        <translation>清理仍在進行中。請在完成後再次掃描。</translation>
    </message>
    <message>
        <source>About Sweepnook</source>
        <translation>關於 Sweepnook</translation>
    </message>
    <message>
        <source>by Quelmo</source>
        <translation>由 Quelmo 製作</translation>
    </message>
    <message>
        <source>The smartest way to keep your Mac clean, fast, and private.&lt;br&gt;Remove junk files, browser traces, duplicate files,&lt;br&gt;and privacy risks — all in one click.</source>
        <translation>讓 Mac 保持乾淨、快速又保有隱私的最聰明方法。&lt;br&gt;垃圾檔案、瀏覽器痕跡、重複檔案&lt;br&gt;和隱私風險，一鍵全部移除。</translation>
    </message>
    <message>
        <source>© 2026 Quelmo. All rights reserved.</source>
        <translation>© 2026 Quelmo. 保留一切權利。</translation>
    </message>
    <message>
        <source>Sweepnook</source>
        <translation>Sweepnook</translation>
    </message>
    <message>
        <source>Program minimized to system tray. Double-click the icon to restore.</source>
        <translation>程式已縮到選單列。按兩下圖像即可還原。</translation>
    </message>
</context>
<context>
    <name>PrivacyCleaner</name>
    <message>
        <source>Clipboard Content</source>
        <translation>剪貼簿內容</translation>
    </message>
    <message>
        <source>Text, images or files currently copied to clipboard</source>
        <translation>目前拷貝到剪貼簿的文字、影像或檔案</translation>
    </message>
    <message>
        <source>QuickLook Preview Cache</source>
        <translation>快速查看預覽快取</translation>
    </message>
    <message>
        <source>Cached file previews generated by macOS QuickLook</source>
        <translation>macOS 快速查看產生的檔案預覽快取</translation>
    </message>
    <message>
        <source>Recent Files List</source>
        <translation>最近使用的檔案列表</translation>
    </message>
    <message>
        <source>macOS list of recently opened files and apps</source>
        <translation>macOS 記錄的最近打開過的檔案和 App 列表</translation>
    </message>
    <message>
        <source>Notification History</source>
        <translation>通知記錄</translation>
    </message>
    <message>
        <source>Database logs of all received app notifications</source>
        <translation>所有已收到的 App 通知的資料庫記錄</translation>
    </message>
    <message>
        <source>DNS Cache</source>
        <translation>DNS 快取</translation>
    </message>
    <message>
        <source>Cached DNS lookups recording recently visited domains</source>
        <translation>記錄最近造訪網域的 DNS 查詢快取</translation>
    </message>
</context>
<context>
    <name>PrivacyItemCard</name>
    <message>
        <source>Nothing found</source>
        <translation>未找到任何項目</translation>
    </message>
    <message>
        <source>Size unknown</source>
        <translation>大小不明</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation>
            <numerusform>%Ln 個項目</numerusform>
        </translation>
    </message>
    <message>
        <source>Not scanned</source>
        <translation>尚未掃描</translation>
    </message>
    <message>
        <source>Cleaned</source>
        <translation>已清理</translation>
    </message>
    <message>
        <source>%1 freed</source>
        <translation>已釋放 %1</translation>
    </message>
    <message>
        <source>Not cleaned</source>
        <translation>清理失敗</translation>
    </message>
    <message>
        <source>Safe</source>
        <translation>安全</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>High risk</source>
        <translation>高風險</translation>
    </message>
    <message>
        <source>Partly cleaned</source>
        <translation>僅部分清理</translation>
    </message>
</context>
<context>
    <name>PrivacyPage</name>
    <message>
        <source>Privacy Cleaner</source>
        <translation>隱私清理</translation>
    </message>
    <message>
        <source>Clear the traces your everyday use leaves on this Mac</source>
        <translation>清除日常使用在這台 Mac 上留下的痕跡</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>掃描</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>清理</translation>
    </message>
    <message>
        <source>Scan stopped</source>
        <translation>已停止掃描</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>正在停止…</translation>
    </message>
    <message>
        <source>Scanning: %1</source>
        <translation>正在掃描：%1</translation>
    </message>
    <message>
        <source>Cleaning: %1 of %2 done</source>
        <translation>正在清理：已完成 %1 / %2</translation>
    </message>
    <message>
        <source>Not cleaned: %1</source>
        <translation>清理失敗：%1</translation>
    </message>
    <message numerus="yes">
        <source>Stopped before %Ln item(s)</source>
        <translation>
            <numerusform>已停止，尚有 %Ln 個項目未處理</numerusform>
        </translation>
    </message>
    <message>
        <source>Scan Again</source>
        <translation>再次掃描</translation>
    </message>
    <message>
        <source>Scan to measure the traces on this Mac</source>
        <translation>掃描以檢查這台 Mac 上留下的痕跡</translation>
    </message>
    <message>
        <source>Scanning…</source>
        <translation>正在掃描…</translation>
    </message>
    <message>
        <source>Cleaning…</source>
        <translation>正在清理…</translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln item(s)</source>
        <translation>
            <numerusform>已選取：%Ln 個項目</numerusform>
        </translation>
    </message>
    <message>
        <source>No items selected</source>
        <translation>未選取任何項目</translation>
    </message>
    <message>
        <source>Confirm Cleaning</source>
        <translation>確認清理</translation>
    </message>
    <message numerus="yes">
        <source>Clean %Ln selected item(s)?</source>
        <translation>
            <numerusform>要清理 %Ln 個已選取的項目嗎？</numerusform>
        </translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>此動作無法還原。</translation>
    </message>
    <message numerus="yes">
        <source>Cleaned %Ln item(s) · freed %1</source>
        <translation>
            <numerusform>已清理 %Ln 個項目 · 釋放了 %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Scanning...</source>
        <translation>正在掃描...</translation>
    </message>
    <message>
        <source>Cleaning...</source>
        <translation>正在清理...</translation>
    </message>
    <message>
        <source>正在分析系统...</source>
        <translation>正在分析系統...</translation>
    </message>
    <message>
        <source>正在删除文件...</source>
        <translation>正在刪除檔案...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>已清理: %1</source>
        <translation>已清理：%1</translation>
    </message>
    <message>
        <source>完成!</source>
        <translation>完成！</translation>
    </message>
    <message>
        <source>操作失败</source>
        <translation>操作失敗</translation>
    </message>
    <message>
        <source>Partly done</source>
        <translation>部分完成</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>還原(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪下(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>拷貝(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼上(&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全選</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>好</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>全部儲存</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打開</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>全部皆是(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>全部皆否(&amp;O)</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重試</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>忽略</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>丟棄</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>輔助說明</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>回復預設值</translation>
    </message>
</context>
<context>
    <name>RegistryPage</name>
    <message>
        <source>Registry cleaning is only available on Windows</source>
        <translation>登錄檔清理僅適用於 Windows</translation>
    </message>
    <message>
        <source>macOS keeps its settings in preference files, not in a registry, so there is nothing to clean here.</source>
        <translation>macOS 將設定儲存在偏好設定檔中，而非登錄檔，因此這裡沒有需要清理的項目。</translation>
    </message>
</context>
<context>
    <name>RuleTexts</name>
    <message>
        <source>System Temporary Files</source>
        <translation>系統暫存檔</translation>
    </message>
    <message>
        <source>System temp folder and intermediate build files</source>
        <translation>系統暫存資料夾和建置過程的中間檔案</translation>
    </message>
    <message>
        <source>Application Caches</source>
        <translation>應用程式快取</translation>
    </message>
    <message>
        <source>Cached data generated by installed applications</source>
        <translation>已安裝的應用程式產生的快取資料</translation>
    </message>
    <message>
        <source>Browser Caches</source>
        <translation>瀏覽器快取</translation>
    </message>
    <message>
        <source>Cache files from Safari, Chrome, Firefox, Edge, Brave</source>
        <translation>Safari、Chrome、Firefox、Edge、Brave 的快取檔案</translation>
    </message>
    <message>
        <source>Log Files</source>
        <translation>記錄檔</translation>
    </message>
    <message>
        <source>System and application log files</source>
        <translation>系統和應用程式的記錄檔</translation>
    </message>
    <message>
        <source>Crash Reports</source>
        <translation>當機報告</translation>
    </message>
    <message>
        <source>Application and system crash dump files</source>
        <translation>應用程式和系統的當機傾印檔案</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>垃圾桶</translation>
    </message>
    <message>
        <source>Files in the Trash waiting to be permanently deleted</source>
        <translation>垃圾桶中等待永久刪除的項目</translation>
    </message>
    <message>
        <source>Download Installers</source>
        <translation>下載的安裝程式</translation>
    </message>
    <message>
        <source>Installer packages accumulated in the Downloads folder</source>
        <translation>「下載項目」資料夾中累積的安裝套件</translation>
    </message>
    <message>
        <source>QuickLook Cache</source>
        <translation>快速查看快取</translation>
    </message>
    <message>
        <source>macOS QuickLook preview thumbnail cache</source>
        <translation>macOS 快速查看的預覽縮圖快取</translation>
    </message>
    <message>
        <source>Homebrew Cache</source>
        <translation>Homebrew 快取</translation>
    </message>
    <message>
        <source>Homebrew package manager download and build cache</source>
        <translation>Homebrew 套件管理器的下載和建置快取</translation>
    </message>
    <message>
        <source>Developer Caches</source>
        <translation>開發者快取</translation>
    </message>
    <message>
        <source>Xcode derived data, simulators, npm, pip, Gradle, Maven caches</source>
        <translation>Xcode 衍生資料、模擬器、npm、pip、Gradle、Maven 快取</translation>
    </message>
    <message>
        <source>iOS Backups</source>
        <translation>iOS 備份</translation>
    </message>
    <message>
        <source>iPhone / iPad local backups stored on this Mac</source>
        <translation>儲存在這台 Mac 上的 iPhone / iPad 本機備份</translation>
    </message>
    <message>
        <source>Large Old Files</source>
        <translation>大型舊檔案</translation>
    </message>
    <message>
        <source>Old iOS firmware, app installers, and large unused data</source>
        <translation>舊的 iOS 韌體、應用程式安裝程式和未使用的大型資料</translation>
    </message>
    <message>
        <source>Office Cache</source>
        <translation>Office 快取</translation>
    </message>
    <message>
        <source>Microsoft Office and Apple iWork temporary files</source>
        <translation>Microsoft Office 和 Apple iWork 暫存檔</translation>
    </message>
    <message>
        <source>Font Cache</source>
        <translation>字體快取</translation>
    </message>
    <message>
        <source>System font cache files</source>
        <translation>系統字體快取檔案</translation>
    </message>
    <message>
        <source>Prefetch Files</source>
        <translation>Prefetch 檔案</translation>
    </message>
    <message>
        <source>Windows Prefetch cache files</source>
        <translation>Windows Prefetch 快取檔案</translation>
    </message>
    <message>
        <source>Windows Update Cache</source>
        <translation>Windows Update 快取</translation>
    </message>
    <message>
        <source>Windows Update download cache</source>
        <translation>Windows Update 下載快取</translation>
    </message>
    <message>
        <source>Memory Dumps</source>
        <translation>記憶體傾印</translation>
    </message>
    <message>
        <source>System crash and error dump files (Windows)</source>
        <translation>系統當機和錯誤傾印檔案（Windows）</translation>
    </message>
    <message>
        <source>Windows Defender Cache</source>
        <translation>Windows Defender 快取</translation>
    </message>
    <message>
        <source>Microsoft Defender scan history and backup cache</source>
        <translation>Microsoft Defender 掃描記錄和備份快取</translation>
    </message>
    <message>
        <source>GPU Shader Cache</source>
        <translation>GPU 著色器快取</translation>
    </message>
    <message>
        <source>GPU driver shader and DirectX cache (NVIDIA / AMD)</source>
        <translation>顯示卡驅動程式著色器和 DirectX 快取（NVIDIA / AMD）</translation>
    </message>
    <message>
        <source>Old Windows Installation</source>
        <translation>舊的 Windows 安裝</translation>
    </message>
    <message>
        <source>Old system backups remaining after a Windows upgrade</source>
        <translation>Windows 升級後殘留的舊系統備份</translation>
    </message>
    <message>
        <source>Browser Cache</source>
        <translation>瀏覽器快取</translation>
    </message>
    <message>
        <source>Temporary web page cache files</source>
        <translation>網頁暫存快取檔案</translation>
    </message>
    <message>
        <source>Code Cache</source>
        <translation>程式碼快取</translation>
    </message>
    <message>
        <source>JavaScript code cache</source>
        <translation>JavaScript 程式碼快取</translation>
    </message>
    <message>
        <source>GPU Cache</source>
        <translation>GPU 快取</translation>
    </message>
    <message>
        <source>GPU rendering cache</source>
        <translation>GPU 繪製快取</translation>
    </message>
    <message>
        <source>Shader Cache</source>
        <translation>著色器快取</translation>
    </message>
    <message>
        <source>GPU shader compilation cache</source>
        <translation>GPU 著色器編譯快取</translation>
    </message>
    <message>
        <source>Service Workers</source>
        <translation>Service Worker</translation>
    </message>
    <message>
        <source>Service Worker cache</source>
        <translation>Service Worker 快取</translation>
    </message>
    <message>
        <source>Blob Storage</source>
        <translation>Blob 儲存空間</translation>
    </message>
    <message>
        <source>Temporary binary data storage</source>
        <translation>二進位資料暫存空間</translation>
    </message>
    <message>
        <source>WebRTC Logs</source>
        <translation>WebRTC 記錄</translation>
    </message>
    <message>
        <source>Video call debug logs</source>
        <translation>視訊通話偵錯記錄</translation>
    </message>
    <message>
        <source>Browser crash report files</source>
        <translation>瀏覽器當機報告檔案</translation>
    </message>
    <message>
        <source>Browser Logs</source>
        <translation>瀏覽器記錄檔</translation>
    </message>
    <message>
        <source>Browser debug and error logs</source>
        <translation>瀏覽器偵錯和錯誤記錄</translation>
    </message>
    <message>
        <source>Website Thumbnails</source>
        <translation>網站縮圖</translation>
    </message>
    <message>
        <source>New Tab page website thumbnails</source>
        <translation>新分頁頁面的網站縮圖</translation>
    </message>
    <message>
        <source>Favicon Cache</source>
        <translation>網站圖示快取</translation>
    </message>
    <message>
        <source>Website icon (favicon) cache</source>
        <translation>網站圖示（favicon）快取</translation>
    </message>
    <message>
        <source>Local Storage</source>
        <translation>本機儲存空間</translation>
    </message>
    <message>
        <source>Website Local Storage (site settings may be lost)</source>
        <translation>網站本機儲存空間（網站設定可能會遺失）</translation>
    </message>
    <message>
        <source>IndexedDB</source>
        <translation>IndexedDB</translation>
    </message>
    <message>
        <source>Website database storage (offline data may be lost)</source>
        <translation>網站資料庫儲存空間（離線資料可能會遺失）</translation>
    </message>
    <message>
        <source>Cookies</source>
        <translation>Cookie</translation>
    </message>
    <message>
        <source>Website Cookies (requires re-login to all sites)</source>
        <translation>網站 Cookie（需要重新登入所有網站）</translation>
    </message>
    <message>
        <source>Browsing History</source>
        <translation>瀏覽記錄</translation>
    </message>
    <message>
        <source>Web browsing history records</source>
        <translation>網頁瀏覽記錄</translation>
    </message>
    <message>
        <source>Download History</source>
        <translation>下載記錄</translation>
    </message>
    <message>
        <source>Download history records (downloaded files are not deleted)</source>
        <translation>下載記錄（不會刪除已下載的檔案）</translation>
    </message>
    <message>
        <source>Session Data</source>
        <translation>工作階段資料</translation>
    </message>
    <message>
        <source>Current and recent session data (tabs may be lost)</source>
        <translation>目前和最近的工作階段資料（分頁可能會遺失）</translation>
    </message>
    <message>
        <source>Form Data</source>
        <translation>表單資料</translation>
    </message>
    <message>
        <source>Autofill form data (requires re-entry after cleaning)</source>
        <translation>自動填寫的表單資料（清理後需要重新輸入）</translation>
    </message>
    <message>
        <source>Safe Browsing Data</source>
        <translation>安全瀏覽資料</translation>
    </message>
    <message>
        <source>Safe Browsing protection data (not recommended to clean)</source>
        <translation>安全瀏覽保護資料（不建議清理）</translation>
    </message>
    <message>
        <source>Thumbnail Cache</source>
        <translation>縮圖快取</translation>
    </message>
    <message>
        <source>Preview pictures of your files made by the desktop and file manager</source>
        <translation>桌面與檔案管理員為您的檔案產生的預覽圖</translation>
    </message>
    <message>
        <source>Package Caches</source>
        <translation>套件快取</translation>
    </message>
    <message>
        <source>Downloads and builds kept by pip, npm, Yarn, pnpm, Cargo, Go, Gradle, Maven and ccache</source>
        <translation>pip、npm、Yarn、pnpm、Cargo、Go、Gradle、Maven 與 ccache 保留的下載與建置檔案</translation>
    </message>
</context>
<context>
    <name>ScanProgressDialog</name>
    <message>
        <source>Scanning for large files...</source>
        <translation>正在掃描大型檔案...</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>正在準備...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Scanning: %1</source>
        <translation>正在掃描：%1</translation>
    </message>
    <message>
        <source>Scan Complete</source>
        <translation>掃描完成</translation>
    </message>
    <message>
        <source>Scan completed</source>
        <translation>掃描已完成</translation>
    </message>
    <message>
        <source>View Results</source>
        <translation>檢視結果</translation>
    </message>
    <message numerus="yes">
        <source>Found %Ln large files (%1)</source>
        <translation>
            <numerusform>找到 %Ln 個大型檔案（%1）</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>登入時啟動</translation>
    </message>
    <message>
        <source>Minimize to tray on close</source>
        <translation>關閉時縮到選單列</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Confirm before cleaning</source>
        <translation>清理前先確認</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>清理</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於 Sweepnook</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>登入時啟動</translation>
    </message>
    <message>
        <source>Sweepnook could not be set to start at login. The log has the details.</source>
        <translation>無法將 Sweepnook 設定為登入時啟動。詳細資訊請參閱記錄檔。</translation>
    </message>
    <message>
        <source>Sweepnook could not be kept from starting at login. The log has the details.</source>
        <translation>無法取消 Sweepnook 的登入時啟動。詳細資訊請參閱記錄檔。</translation>
    </message>
</context>
<context>
    <name>StartupCardDelegate</name>
    <message>
        <source>Reveal in Finder</source>
        <translation>在 Finder 中顯示</translation>
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
        <translation>系統</translation>
    </message>
    <message>
        <source>Startup Folder</source>
        <translation>啟動資料夾</translation>
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
        <translation>未知</translation>
    </message>
    <message>
        <source>Startup items</source>
        <translation>啟動項目</translation>
    </message>
    <message>
        <source>System-wide agents and daemons</source>
        <translation>全系統的代理程式和背景程式</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>應用程式</translation>
    </message>
    <message>
        <source>Program missing</source>
        <translation>找不到程式</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>已停用</translation>
    </message>
</context>
<context>
    <name>StartupManager</name>
    <message>
        <source>Scanning %1...</source>
        <translation>正在掃描 %1...</translation>
    </message>
    <message>
        <source>Scanning startup items...</source>
        <translation>正在掃描啟動項目...</translation>
    </message>
    <message>
        <source>Scanning installed applications...</source>
        <translation>正在掃描已安裝的應用程式...</translation>
    </message>
</context>
<context>
    <name>StartupPage</name>
    <message>
        <source>Startup Manager</source>
        <translation>啟動項目管理</translation>
    </message>
    <message>
        <source>Manage programs that run automatically at startup</source>
        <translation>管理開機時自動執行的程式</translation>
    </message>
    <message>
        <source>Search programs...</source>
        <translation>搜尋程式...</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>重新整理</translation>
    </message>
    <message>
        <source>⚠️ Only your own startup items can be removed</source>
        <translation>⚠️ 僅能移除您自己的啟動項目</translation>
    </message>
    <message>
        <source>Scanning installed programs...</source>
        <translation>正在掃描已安裝的程式...</translation>
    </message>
    <message>
        <source>First load may take a few seconds</source>
        <translation>首次載入可能需要幾秒鐘</translation>
    </message>
    <message>
        <source>Cannot Modify</source>
        <translation>無法修改</translation>
    </message>
    <message>
        <source>This startup item was not created by Sweepnook and cannot be removed here.</source>
        <translation>此啟動項目並非由 Sweepnook 建立，無法在此移除。</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>操作失敗</translation>
    </message>
    <message>
        <source>Failed to remove &quot;%1&quot; from startup.</source>
        <translation>無法從啟動項目中移除「%1」。</translation>
    </message>
    <message>
        <source>Failed to add &quot;%1&quot; to startup.</source>
        <translation>無法將「%1」加入啟動項目。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln startup items</source>
        <translation>
            <numerusform>%Ln 個啟動項目</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln apps</source>
        <translation>
            <numerusform>%Ln 個 App</numerusform>
        </translation>
    </message>
    <message>
        <source>No startup items or apps found</source>
        <translation>找不到啟動項目或 App</translation>
    </message>
    <message>
        <source>No startup items match &quot;%1&quot;</source>
        <translation>沒有符合「%1」的啟動項目</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Menu</source>
        <translation>選單</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於 Sweepnook</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>輔助說明</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>支援</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>語言已變更</translation>
    </message>
    <message>
        <source>Language has been changed.

The application will restart now.</source>
        <translation>語言已變更。

應用程式現在將重新啟動。</translation>
    </message>
    <message>
        <source>Restart Failed</source>
        <translation>重新啟動失敗</translation>
    </message>
    <message>
        <source>Sweepnook could not restart itself.

Please quit and reopen it to use the new language.</source>
        <translation>Sweepnook 無法自行重新啟動。

請結束後再重新打開，以使用新的語言。</translation>
    </message>
</context>
<context>
    <name>TweakManager</name>
    <message>
        <source>This tweak changes Windows settings and works only on Windows.</source>
        <translation>此調整會變更 Windows 設定，僅能在 Windows 上使用。</translation>
    </message>
    <message>
        <source>Stopped before all services were changed.</source>
        <translation>在所有服務變更完成前已停止。</translation>
    </message>
    <message>
        <source>Could not change the start type of the service &quot;%1&quot;.</source>
        <translation>無法變更服務「%1」的啟動類型。</translation>
    </message>
    <message>
        <source>Could not add the Ultimate Performance power plan.</source>
        <translation>無法新增「極致效能」電源計劃。</translation>
    </message>
</context>
<context>
    <name>TweaksPage</name>
    <message>
        <source>These tweaks change Windows settings and act only on Windows. Nothing on this Mac is changed.</source>
        <translation>這些調整會變更 Windows 設定，僅在 Windows 上作用。這台 Mac 上的任何設定都不會變更。</translation>
    </message>
    <message>
        <source>System Tweaks</source>
        <translation>系統調整</translation>
    </message>
    <message>
        <source>Fine-tune privacy, performance and interface settings of Windows</source>
        <translation>微調 Windows 的隱私權、效能和介面設定</translation>
    </message>
    <message>
        <source>Apply recommended</source>
        <translation>套用建議設定</translation>
    </message>
    <message>
        <source>No tweaks are available.</source>
        <translation>沒有可用的調整。</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>Works only with Tamper Protection switched off in Windows Security.</source>
        <translation>僅在 Windows 安全性中的「竄改防護」關閉時才有效。</translation>
    </message>
    <message>
        <source>Only available on Windows</source>
        <translation>僅適用於 Windows</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>隱私權</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>效能</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>介面</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>安全性</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1 of %2 on</source>
        <translation>已開啟 %1 / %2 項</translation>
    </message>
</context>
<context>
    <name>UnreadableNote</name>
    <message numerus="yes">
        <source>%Ln folders could not be read, among them %1. To include them, allow Sweepnook Full Disk Access in System Settings &gt; Privacy &amp; Security.</source>
        <translation>
            <numerusform>無法讀取 %Ln 個資料夾，其中包括 %1。若要包含這些資料夾，請在「系統設定」&gt;「隱私權與安全性」中允許 Sweepnook 使用「完整磁碟取用權限」。</numerusform>
        </translation>
    </message>
</context>
</TS>
