<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Your Personal System Butler</source>
        <translation>あなた専用のシステム執事</translation>
    </message>
    <message>
        <source>🧹 Junk Cleaner - Free up valuable disk space</source>
        <translation>🧹 ジャンククリーナー - 貴重なディスク容量を解放</translation>
    </message>
    <message>
        <source>🌐 Browser Cleaner - Protect your privacy</source>
        <translation>🌐 ブラウザクリーナー - プライバシーを保護</translation>
    </message>
    <message>
        <source>🔧 Registry Cleaner - Boost system performance</source>
        <translation>🔧 レジストリクリーナー - システムのパフォーマンスを向上</translation>
    </message>
    <message>
        <source>⚡ Startup Manager - Speed up boot time</source>
        <translation>⚡ 起動項目マネージャ - 起動時間を短縮</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Made by Quelmo</source>
        <translation>開発: Quelmo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>📊 Dashboard - Scan everything at once and clean in one click</source>
        <translation>📊 ダッシュボード - まとめてスキャンし、ワンクリックでクリーンアップ</translation>
    </message>
    <message>
        <source>📁 Large Files - Find what takes up your disk</source>
        <translation>📁 大きなファイル - ディスクを占めているものを見つける</translation>
    </message>
    <message>
        <source>📑 Duplicate Files - Remove identical copies</source>
        <translation>📑 重複ファイル - 同一のコピーを削除</translation>
    </message>
    <message>
        <source>📦 App Uninstaller - Remove apps with their leftovers</source>
        <translation>📦 アプリアンインストーラ - アプリを残りのファイルごと削除</translation>
    </message>
    <message>
        <source>🛡️ Privacy Cleaner - Clear recent-files lists and other traces</source>
        <translation>🛡️ プライバシー - 最近使った項目の一覧などの痕跡を消去</translation>
    </message>
</context>
<context>
    <name>AppCardDelegate</name>
    <message>
        <source>Part of macOS</source>
        <translation>macOSの一部</translation>
    </message>
    <message>
        <source>+%1 leftovers</source>
        <translation>残存ファイル +%1</translation>
    </message>
    <message>
        <source>bundle identifier</source>
        <translation>バンドルID</translation>
    </message>
    <message>
        <source>name only</source>
        <translation>名前のみ</translation>
    </message>
    <message>
        <source>shared with macOS</source>
        <translation>macOSと共有</translation>
    </message>
</context>
<context>
    <name>AppUninstaller</name>
    <message>
        <source>It is part of macOS and cannot be removed.</source>
        <translation>macOSの一部のため、削除できません。</translation>
    </message>
    <message>
        <source>It is not in an Applications folder.</source>
        <translation>「アプリケーション」フォルダにありません。</translation>
    </message>
    <message>
        <source>Close the app first.</source>
        <translation>先にアプリを終了してください。</translation>
    </message>
    <message>
        <source>Could not tell whether it is running. Close the app first.</source>
        <translation>実行中かどうかを確認できませんでした。先にアプリを終了してください。</translation>
    </message>
    <message>
        <source>It could not be moved to the Trash: %1.</source>
        <translation>ゴミ箱に入れられませんでした: %1。</translation>
    </message>
    <message>
        <source>It is on a read-only volume and cannot be removed.</source>
        <translation>読み出し専用のボリューム上にあるため、削除できません。</translation>
    </message>
    <message>
        <source>It is no longer where the scan found it.</source>
        <translation>スキャンで見つかった場所にもうありません。</translation>
    </message>
</context>
<context>
    <name>AppUninstallerPage</name>
    <message>
        <source>App Uninstaller</source>
        <translation>アプリアンインストーラ</translation>
    </message>
    <message>
        <source>Completely remove apps and their leftover files</source>
        <translation>アプリとその残存ファイルを完全に削除</translation>
    </message>
    <message>
        <source>Search apps...</source>
        <translation>アプリを検索...</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>No apps selected</source>
        <translation>アプリが選択されていません</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>アンインストール</translation>
    </message>
    <message>
        <source>Scanning installed apps...</source>
        <translation>インストール済みのアプリをスキャン中...</translation>
    </message>
    <message>
        <source>No applications were found in the Applications folders.</source>
        <translation>「アプリケーション」フォルダにアプリケーションが見つかりませんでした。</translation>
    </message>
    <message>
        <source>No apps match &quot;%1&quot;.</source>
        <translation>“%1”に一致するアプリはありません。</translation>
    </message>
    <message>
        <source>Uninstalling %1...</source>
        <translation>%1をアンインストール中...</translation>
    </message>
    <message>
        <source>Apps will be moved to Trash.</source>
        <translation>アプリはゴミ箱に入れられます。</translation>
    </message>
    <message>
        <source>Confirm Uninstall</source>
        <translation>アンインストールの確認</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Could not uninstall %1.
%2</source>
        <translation>%1をアンインストールできませんでした。
%2</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message numerus="yes">
        <source>%Ln apps</source>
        <translation>
            <numerusform>%Ln 個のアプリ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 / %Ln apps</source>
        <translation>
            <numerusform>%1 / %Ln 個のアプリ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln app(s) selected</source>
        <translation>
            <numerusform>%Ln 個のアプリを選択中</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Uninstall %Ln app(s) and their leftover files?</source>
        <translation>
            <numerusform>%Ln 個のアプリとその残存ファイルをアンインストールしますか?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more</source>
        <translation>
            <numerusform>ほか %Ln 個</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Apps and %Ln selected leftover items (%1) will be moved to Trash.</source>
        <translation>
            <numerusform>アプリと、選択した %Ln 個の残存項目（%1）はゴミ箱に入れられます。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 was moved to Trash, but %Ln of its leftover items could not be moved.</source>
        <translation>
            <numerusform>%1はゴミ箱に入れましたが、残存項目のうち %Ln 個を移動できませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>The app will be moved to the Trash.</source>
        <translation>アプリはゴミ箱に入れられます。</translation>
    </message>
    <message numerus="yes">
        <source>The app and %Ln selected leftover items (%1) will be moved to the Trash.</source>
        <translation>
            <numerusform>アプリと、選択した %Ln 個の残存項目（%1）はゴミ箱に入れられます。</numerusform>
        </translation>
    </message>
    <message>
        <source>Moved %1 (%2) to the Trash.</source>
        <translation>%1（%2）をゴミ箱に入れました。</translation>
    </message>
    <message numerus="yes">
        <source>Moved %1 and %Ln leftover items (%2) to the Trash.</source>
        <translation>
            <numerusform>%1と %Ln 個の残存項目（%2）をゴミ箱に入れました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %Ln apps (%1) to the Trash.</source>
        <translation>
            <numerusform>%Ln 個のアプリ（%1）をゴミ箱に入れました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %Ln apps and %1 (%2) to the Trash.</source>
        <translation>
            <numerusform>%Ln 個のアプリと %1（%2）をゴミ箱に入れました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln leftover items</source>
        <translation>
            <numerusform>%Ln 個の残存項目</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BasePage</name>
    <message>
        <source>Cleanable</source>
        <translation>クリーンアップ可能</translation>
    </message>
    <message>
        <source>Click &quot;Start Scanning&quot; to find cleanable items</source>
        <translation>「スキャンを開始」をクリックして、クリーンアップできる項目を探します</translation>
    </message>
    <message>
        <source>Selected: --</source>
        <translation>選択中: --</translation>
    </message>
    <message>
        <source>Start Scanning</source>
        <translation>スキャンを開始</translation>
    </message>
    <message>
        <source>Clean Now</source>
        <translation>今すぐクリーンアップ</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>No items selected</source>
        <translation>項目が選択されていません</translation>
    </message>
    <message>
        <source>Confirm Clean</source>
        <translation>クリーンアップの確認</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to clean %Ln selected items?
This action cannot be undone!</source>
        <translation>
            <numerusform>選択した %Ln 項目をクリーンアップしてもよろしいですか?
この操作は取り消せません!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cleaned %Ln items, freed %1</source>
        <translation>
            <numerusform>%Ln 項目をクリーンアップし、%1 を解放しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln items, %1</source>
        <translation>
            <numerusform>選択中: %Ln 項目、%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln items</source>
        <translation>
            <numerusform>%Ln 項目</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln items</source>
        <translation>
            <numerusform>選択中: %Ln 項目</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be removed and stay in the list with the reason.</source>
        <translation>
            <numerusform>%Ln 項目を削除できませんでした。理由とともにリストに残ります。</numerusform>
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
        <translation>これらのブラウザは起動中のためスキップされました。クリーンアップするには終了してください:
%1</translation>
    </message>
    <message>
        <source>outside the browsers&apos; folders</source>
        <translation>ブラウザのフォルダの外にあります</translation>
    </message>
    <message>
        <source>the history could not be cleared</source>
        <translation>履歴を消去できませんでした</translation>
    </message>
    <message>
        <source>it could not be removed</source>
        <translation>削除できませんでした</translation>
    </message>
    <message>
        <source>the records could not be cleared</source>
        <translation>記録を消去できませんでした</translation>
    </message>
</context>
<context>
    <name>BrowserGroupHeader</name>
    <message numerus="yes">
        <source>%Ln items  ·  %1</source>
        <translation>
            <numerusform>%Ln 項目  ·  %1</numerusform>
        </translation>
    </message>
    <message>
        <source>View Details</source>
        <translation>詳細を表示</translation>
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
        <translation>ブラウザクリーナー</translation>
    </message>
    <message>
        <source>Clean caches, cookies and history of your browsers</source>
        <translation>ブラウザのキャッシュ、Cookie、履歴をクリーンアップ</translation>
    </message>
    <message>
        <source>Browsers:</source>
        <translation>ブラウザ:</translation>
    </message>
    <message>
        <source>No supported browser was found for this user.</source>
        <translation>このユーザでは対応するブラウザが見つかりませんでした。</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>検出済み</translation>
    </message>
</context>
<context>
    <name>CategoryWidget</name>
    <message numerus="yes">
        <source>%Ln items</source>
        <translation>
            <numerusform>%Ln 項目</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Load more (%Ln remaining)</source>
        <translation>
            <numerusform>さらに読み込む（残り %Ln）</numerusform>
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
        <translation>クリーンアップ可能</translation>
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
            <numerusform>%n バイト</numerusform>
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
        <translation>サイズ不明</translation>
    </message>
    <message>
        <source>at least %1</source>
        <translation>%1 以上</translation>
    </message>
</context>
<context>
    <name>CleanItemWidget</name>
    <message>
        <source>Not removed: %1</source>
        <translation>削除されていません: %1</translation>
    </message>
</context>
<context>
    <name>DashboardPage</name>
    <message>
        <source>Ready to Clean Your Mac</source>
        <translation>Macをクリーンアップする準備ができました</translation>
    </message>
    <message>
        <source>Click the button below to scan for junk files and free up space</source>
        <translation>下のボタンでジャンクファイルをスキャンし、空き容量を増やします</translation>
    </message>
    <message>
        <source>🔍  Start Full Scan</source>
        <translation>🔍  フルスキャンを開始</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>準備中...</translation>
    </message>
    <message>
        <source>Sweepnook %1</source>
        <translation>Sweepnook %1</translation>
    </message>
    <message>
        <source>Keep Your Mac Running at Peak Performance</source>
        <translation>Macを常に最高のパフォーマンスで</translation>
    </message>
    <message>
        <source>Junk Files</source>
        <translation>ジャンクファイル</translation>
    </message>
    <message>
        <source>Browser Data</source>
        <translation>ブラウザデータ</translation>
    </message>
    <message>
        <source>Registry Issues</source>
        <translation>レジストリの問題</translation>
    </message>
    <message>
        <source>Ready to scan</source>
        <translation>スキャンの準備完了</translation>
    </message>
    <message>
        <source>🔍 Start Scan</source>
        <translation>🔍 スキャンを開始</translation>
    </message>
    <message>
        <source>🗑️ Clean All</source>
        <translation>🗑️ クリーンアップ</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;font-weight:600;&apos;&gt;Tip:&lt;/span&gt; Regular cleaning can significantly improve your Mac&apos;s performance</source>
        <translation>&lt;span style=&apos;font-weight:600;&apos;&gt;ヒント:&lt;/span&gt; 定期的にクリーンアップすると、Macのパフォーマンスが大きく向上します</translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation>スキャン中...</translation>
    </message>
    <message>
        <source>Can be cleaned</source>
        <translation>クリーンアップ可能</translation>
    </message>
    <message>
        <source>Last scan: just now</source>
        <translation>前回のスキャン: たった今</translation>
    </message>
    <message numerus="yes">
        <source>Last scan: %Ln min ago</source>
        <translation>
            <numerusform>前回のスキャン: %Ln 分前</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Last scan: %Ln h ago</source>
        <translation>
            <numerusform>前回のスキャン: %Ln 時間前</numerusform>
        </translation>
    </message>
    <message>
        <source>Last scan: %1</source>
        <translation>前回のスキャン: %1</translation>
    </message>
    <message>
        <source>Cleaned %1</source>
        <translation>%1 をクリーンアップしました</translation>
    </message>
    <message>
        <source>Ring: %1 of what the scan found is selected</source>
        <translation>リング: 検出された項目の %1 を選択中</translation>
    </message>
    <message>
        <source>The scan found nothing to clean</source>
        <translation>クリーンアップできるものは見つかりませんでした</translation>
    </message>
    <message>
        <source>Can be cleaned (at least)</source>
        <translation>クリーンアップ可能（以上）</translation>
    </message>
</context>
<context>
    <name>DetailItemWidget</name>
    <message>
        <source>Show in Finder</source>
        <translation>Finderに表示</translation>
    </message>
</context>
<context>
    <name>DuplicateFinderPage</name>
    <message>
        <source>Duplicate File Finder</source>
        <translation>重複ファイルファインダー</translation>
    </message>
    <message>
        <source>Find and remove identical files to free up disk space</source>
        <translation>同一のファイルを見つけて削除し、ディスク容量を解放</translation>
    </message>
    <message>
        <source>SELECT LOCATION</source>
        <translation>場所を選択</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>書類</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>デスクトップ</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>ピクチャ</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>ミュージック</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>ムービー</translation>
    </message>
    <message>
        <source>User Volume</source>
        <translation>ユーザボリューム</translation>
    </message>
    <message>
        <source>Entire Disk</source>
        <translation>ディスク全体</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>選択…</translation>
    </message>
    <message>
        <source>Min file size:</source>
        <translation>最小ファイルサイズ:</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>スキャンを開始</translation>
    </message>
    <message>
        <source>Collecting files...</source>
        <translation>ファイルを収集中...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>← New Scan</source>
        <translation>← 新規スキャン</translation>
    </message>
    <message>
        <source>Keep Newest  ▾</source>
        <translation>新しい方を残す  ▾</translation>
    </message>
    <message>
        <source>Keep Newest  (delete older duplicates)</source>
        <translation>新しい方を残す  （古い重複ファイルを削除）</translation>
    </message>
    <message>
        <source>Keep Oldest   (delete newer duplicates)</source>
        <translation>古い方を残す  （新しい重複ファイルを削除）</translation>
    </message>
    <message>
        <source>Keep Oldest  ▾</source>
        <translation>古い方を残す  ▾</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>選択項目を削除</translation>
    </message>
    <message>
        <source>Choose Folder to Scan</source>
        <translation>スキャンするフォルダを選択</translation>
    </message>
    <message>
        <source>Choose Another Folder…</source>
        <translation>別のフォルダを選択…</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1を取り除く</translation>
    </message>
    <message>
        <source>Path: (none selected)</source>
        <translation>パス: （未選択）</translation>
    </message>
    <message>
        <source>No Location Selected</source>
        <translation>場所が選択されていません</translation>
    </message>
    <message>
        <source>Please select at least one location to scan.</source>
        <translation>スキャンする場所を1つ以上選択してください。</translation>
    </message>
    <message>
        <source>Full Disk Scan</source>
        <translation>ディスク全体のスキャン</translation>
    </message>
    <message>
        <source>Scanning the entire disk may take several minutes.
Continue?</source>
        <translation>ディスク全体のスキャンには数分かかることがあります。
続けますか?</translation>
    </message>
    <message>
        <source>Scanning files...</source>
        <translation>ファイルをスキャン中...</translation>
    </message>
    <message>
        <source>Reading %1  ·  %2 of %3</source>
        <translation>%1 を読み込み中  ·  %2 / %3</translation>
    </message>
    <message>
        <source>No Duplicates Found</source>
        <translation>重複ファイルは見つかりませんでした</translation>
    </message>
    <message>
        <source>Great news! No duplicate files were found. 🎉</source>
        <translation>よかった! 重複ファイルは1つもありません。🎉</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>キャンセル中...</translation>
    </message>
    <message>
        <source>  ·  %1 freed</source>
        <translation>  ·  %1 を解放済み</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>削除の確認</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>ゴミ箱に入れる</translation>
    </message>
    <message>
        <source>Delete Permanently</source>
        <translation>完全に削除</translation>
    </message>
    <message>
        <source>Deleting…</source>
        <translation>削除中…</translation>
    </message>
    <message>
        <source>Deleting %1 / %2</source>
        <translation>削除中 %1 / %2</translation>
    </message>
    <message>
        <source>Duplicates Removed</source>
        <translation>重複ファイルを削除しました</translation>
    </message>
    <message>
        <source>Partial Failure</source>
        <translation>一部失敗</translation>
    </message>
    <message>
        <source>The log lists each file and why.</source>
        <translation>各ファイルとその理由はログに記録されています。</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln&lt;/b&gt; groups  ·  &lt;span style=&apos;color:%1;font-weight:600;&apos;&gt;%2 can be freed&lt;/span&gt;</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln&lt;/b&gt; グループ  ·  &lt;span style=&apos;color:%1;font-weight:600;&apos;&gt;%2 を解放可能&lt;/span&gt;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %Ln file(s) to the Trash, or delete them permanently?</source>
        <translation>
            <numerusform>%Ln 個のファイルをゴミ箱に入れますか? それとも完全に削除しますか?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every copy of %Ln group(s) is checked: the newest copy of each will be kept.</source>
        <translation>
            <numerusform>%Ln 個のグループですべてのコピーがチェックされています: 各グループで最も新しいコピーを残します。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Permanently delete %Ln file(s)?
This cannot be undone.</source>
        <translation>
            <numerusform>%Ln 個のファイルを完全に削除しますか?
この操作は取り消せません。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) deleted permanently (%1).</source>
        <translation>
            <numerusform>%Ln 個のファイルを完全に削除しました（%1）。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) moved to the Trash (%1); you can put them back from there.</source>
        <translation>
            <numerusform>%Ln 個のファイルをゴミ箱に入れました（%1）。ゴミ箱から元に戻せます。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be deleted.</source>
        <translation>
            <numerusform>%Ln 個のファイルを削除できませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>Path: %1</source>
        <translation>パス: %1</translation>
    </message>
    <message>
        <source>Deleted permanently: %1</source>
        <translation>完全に削除: %1</translation>
    </message>
    <message>
        <source>Moved to the Trash: %1</source>
        <translation>ゴミ箱に移動: %1</translation>
    </message>
    <message>
        <source>Left in place: %1</source>
        <translation>そのまま残しました: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be moved to the Trash and were left in place; none was deleted.</source>
        <translation>
            <numerusform>%Ln 個のファイルをゴミ箱に入れられなかったため、そのまま残しました。削除されたファイルはありません。</numerusform>
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
        <translation>  ·  %1 はゴミ箱を空にするまで解放されません</translation>
    </message>
    <message>
        <source>Ticked: every copy but the likely original (not in Downloads, no &quot;copy&quot; or &quot;(1)&quot; in its name, the oldest, the shortest path). 🔒 Copies in apps, packages and Library are never ticked.</source>
        <translation>チェック対象: 元のファイルと思われるもの以外のすべてのコピー（ダウンロード外、名前に「コピー」や「(1)」がない、最も古い、パスが最も短い）。🔒 アプリ、パッケージ、ライブラリ内のコピーはチェックされません。</translation>
    </message>
    <message>
        <source>Keep Original  ▾</source>
        <translation>元のファイルを残す  ▾</translation>
    </message>
    <message>
        <source>Keep Original  (the likely original of each group)</source>
        <translation>元のファイルを残す  （各グループの元のファイルと思われるもの）</translation>
    </message>
</context>
<context>
    <name>DuplicateGroupDelegate</name>
    <message>
        <source>save %1</source>
        <translation>%1 を節約</translation>
    </message>
    <message numerus="yes">
        <source>%Ln identical files  ·  %1 each  ·  </source>
        <translation>
            <numerusform>同一のファイル %Ln 個  ·  各 %1  ·  </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileUtils</name>
    <message>
        <source>permission denied</source>
        <translation>アクセス権がありません</translation>
    </message>
    <message>
        <source>it is in use</source>
        <translation>使用中です</translation>
    </message>
    <message>
        <source>the volume is read-only</source>
        <translation>ボリュームが読み出し専用です</translation>
    </message>
    <message>
        <source>the folder is not empty</source>
        <translation>フォルダが空ではありません</translation>
    </message>
    <message>
        <source>another volume is mounted there</source>
        <translation>別のボリュームがマウントされています</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>フォルダではありません</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>フォルダです</translation>
    </message>
    <message>
        <source>it changed while being removed</source>
        <translation>削除中に変更されました</translation>
    </message>
    <message>
        <source>its folder is not open</source>
        <translation>フォルダが開かれていません</translation>
    </message>
    <message>
        <source>outside %1</source>
        <translation>%1 の外にあります</translation>
    </message>
    <message>
        <source>the folder itself</source>
        <translation>フォルダそのものです</translation>
    </message>
    <message>
        <source>&quot;.&quot; or &quot;..&quot; in the path</source>
        <translation>パスに「.」または「..」が含まれています</translation>
    </message>
    <message>
        <source>a link or a file on the way: %1</source>
        <translation>途中にリンクまたはファイルがあります: %1</translation>
    </message>
    <message>
        <source>another volume on the way: %1</source>
        <translation>途中に別のボリュームがあります: %1</translation>
    </message>
    <message>
        <source>it changed since it was chosen</source>
        <translation>選択した後に変更されました</translation>
    </message>
</context>
<context>
    <name>HomeTrash</name>
    <message>
        <source>it is no longer there</source>
        <translation>その場所にもうありません</translation>
    </message>
    <message>
        <source>the Finder could not be asked (osascript did not start)</source>
        <translation>Finderに問い合わせできませんでした（osascriptが起動しませんでした）</translation>
    </message>
    <message>
        <source>the Finder did not answer within %1 seconds; it may be waiting for your permission or password</source>
        <translation>Finderが %1 秒以内に応答しませんでした。許可またはパスワードの入力を待っている可能性があります</translation>
    </message>
    <message>
        <source>the Finder left it where it was</source>
        <translation>Finderは項目を移動しませんでした</translation>
    </message>
    <message>
        <source>Sweepnook is not allowed to control the Finder (System Settings &gt; Privacy &amp; Security &gt; Automation)</source>
        <translation>SweepnookにはFinderを制御する権限がありません（「システム設定」&gt;「プライバシーとセキュリティ」&gt;「オートメーション」）</translation>
    </message>
    <message>
        <source>the Finder refused (exit code %1)</source>
        <translation>Finderが拒否しました（終了コード %1）</translation>
    </message>
    <message>
        <source>the Finder refused: %1</source>
        <translation>Finderが拒否しました: %1</translation>
    </message>
    <message>
        <source>the Trash folder cannot be used: %1</source>
        <translation>ゴミ箱フォルダを使用できません: %1</translation>
    </message>
    <message>
        <source>it is on another volume than your Trash</source>
        <translation>ゴミ箱とは別のボリュームにあります</translation>
    </message>
    <message>
        <source>it is in the Trash already</source>
        <translation>すでにゴミ箱にあります</translation>
    </message>
    <message>
        <source>too many items of that name in the Trash</source>
        <translation>ゴミ箱に同じ名前の項目が多すぎます</translation>
    </message>
    <message>
        <source>a volume is mounted inside it (%1)</source>
        <translation>内部にボリュームがマウントされています（%1）</translation>
    </message>
</context>
<context>
    <name>ItemDetailDialog</name>
    <message numerus="yes">
        <source>%1  |  %Ln files</source>
        <translation>
            <numerusform>%1  |  %Ln 個のファイル</numerusform>
        </translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
</context>
<context>
    <name>JunkCleaner</name>
    <message>
        <source>outside the folders of its rule</source>
        <translation>ルールのフォルダの外にあります</translation>
    </message>
    <message>
        <source>These browsers are running, so their caches were left; close them to clean them:
%1</source>
        <translation>これらのブラウザは起動中のため、キャッシュは残しました。クリーンアップするには終了してください:
%1</translation>
    </message>
</context>
<context>
    <name>JunkPage</name>
    <message>
        <source>Junk Cleaner</source>
        <translation>ジャンククリーナー</translation>
    </message>
    <message>
        <source>Clean system temp files, cache and logs</source>
        <translation>システムの一時ファイル、キャッシュ、ログをクリーンアップ</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>検出済み</translation>
    </message>
</context>
<context>
    <name>LargeFileDelegate</name>
    <message>
        <source>In iCloud</source>
        <translation>iCloud上</translation>
    </message>
    <message>
        <source>%1, %2 on disk</source>
        <translation>%1、ディスク上 %2</translation>
    </message>
    <message>
        <source>via %1</source>
        <translation>%1 経由</translation>
    </message>
</context>
<context>
    <name>LargeFilePage</name>
    <message>
        <source>Find Large Files</source>
        <translation>大きなファイルを検索</translation>
    </message>
    <message>
        <source>Scan your drives and remove files that are taking up the most space</source>
        <translation>ドライブをスキャンして、容量を最も多く占めているファイルを削除</translation>
    </message>
    <message>
        <source>SELECT VOLUME</source>
        <translation>ボリュームを選択</translation>
    </message>
    <message>
        <source>Min file size:</source>
        <translation>最小ファイルサイズ:</translation>
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
        <translation>カスタム...</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>スキャンを開始</translation>
    </message>
    <message>
        <source>Scan Results</source>
        <translation>スキャン結果</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>すべてを選択</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>すべての種類</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>ビデオ</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>オーディオ</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>アーカイブ</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>イメージ</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>書類</translation>
    </message>
    <message>
        <source>Packages</source>
        <translation>パッケージ</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>Largest first</source>
        <translation>大きい順</translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation>新しい順</translation>
    </message>
    <message>
        <source>← Back</source>
        <translation>← 戻る</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>選択項目を削除</translation>
    </message>
    <message>
        <source>Local Disk</source>
        <translation>ローカルディスク</translation>
    </message>
    <message>
        <source>Remove from list</source>
        <translation>リストから取り除く</translation>
    </message>
    <message>
        <source>Add location</source>
        <translation>場所を追加</translation>
    </message>
    <message>
        <source>Select a volume above to begin scanning.</source>
        <translation>スキャンを開始するには、上のボリュームを選択してください。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln volume(s) selected. Sweepnook will scan for files larger than %1.</source>
        <translation>
            <numerusform>%Ln 個のボリュームを選択中。%1 より大きいファイルをSweepnookがスキャンします。</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose Folder to Scan</source>
        <translation>スキャンするフォルダを選択</translation>
    </message>
    <message>
        <source>Custom File Size</source>
        <translation>カスタムファイルサイズ</translation>
    </message>
    <message>
        <source>Enter minimum file size (MB):</source>
        <translation>最小ファイルサイズを入力（MB）:</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Please select at least one drive to scan.</source>
        <translation>スキャンするドライブを1つ以上選択してください。</translation>
    </message>
    <message>
        <source>No large files found that match the criteria.</source>
        <translation>条件に一致する大きなファイルは見つかりませんでした。</translation>
    </message>
    <message>
        <source>Scan Completed</source>
        <translation>スキャン完了</translation>
    </message>
    <message>
        <source>%1 freed</source>
        <translation>%1 を解放済み</translation>
    </message>
    <message>
        <source>%1 in the Trash until you empty it</source>
        <translation>%1 はゴミ箱を空にするまで解放されません</translation>
    </message>
    <message>
        <source>Delete this file</source>
        <translation>このファイルを削除</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>削除の確認</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>ゴミ箱に入れる</translation>
    </message>
    <message>
        <source>Delete Permanently</source>
        <translation>完全に削除</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this file?

%1
Size: %2</source>
        <translation>このファイルを削除してもよろしいですか?

%1
サイズ: %2</translation>
    </message>
    <message>
        <source>This file is only in iCloud: deleting it frees no space on this Mac and removes it from all your devices.</source>
        <translation>このファイルはiCloud上にのみあります。削除してもこのMacの空き容量は増えず、すべてのデバイスから削除されます。</translation>
    </message>
    <message>
        <source>Move to Trash keeps it until you empty the Trash. Delete Permanently cannot be undone!</source>
        <translation>「ゴミ箱に入れる」を選ぶと、ゴミ箱を空にするまでファイルは残ります。「完全に削除」は取り消せません!</translation>
    </message>
    <message>
        <source>Move to Trash keeps them until you empty the Trash. Delete Permanently cannot be undone!</source>
        <translation>「ゴミ箱に入れる」を選ぶと、ゴミ箱を空にするまでファイルは残ります。「完全に削除」は取り消せません!</translation>
    </message>
    <message>
        <source>Deleting...</source>
        <translation>削除中...</translation>
    </message>
    <message>
        <source>Unable to delete this file. It may be in use by another program.</source>
        <translation>このファイルを削除できません。ほかのプログラムで使用中の可能性があります。</translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation>削除に失敗しました</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>All files have been deleted</source>
        <translation>すべてのファイルを削除しました</translation>
    </message>
    <message>
        <source>%1 moved to the Trash: empty the Trash to free the space.</source>
        <translation>%1 をゴミ箱に入れました。空き容量を増やすにはゴミ箱を空にしてください。</translation>
    </message>
    <message>
        <source>%1 freed.</source>
        <translation>%1 を解放しました。</translation>
    </message>
    <message>
        <source>Delete Completed</source>
        <translation>削除完了</translation>
    </message>
    <message numerus="yes">
        <source>Found %Ln large files, total %1</source>
        <translation>
            <numerusform>%Ln 個の大きなファイルが見つかりました（合計 %1）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln files (%1)</source>
        <translation>
            <numerusform>選択中: %Ln 個のファイル（%1）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete the selected %Ln files?

Total: %1</source>
        <translation>
            <numerusform>選択した %Ln 個のファイルを削除してもよろしいですか?

合計: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleted %Ln files successfully.</source>
        <translation>
            <numerusform>%Ln 個のファイルを削除しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 used</source>
        <translation>%1
使用済み</translation>
    </message>
    <message>
        <source>%1 total</source>
        <translation>%1
総容量</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Finderに表示</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files failed to delete.</source>
        <translation>
            <numerusform>%Ln 個のファイルを削除できませんでした。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LargeFileScanner</name>
    <message>
        <source>It changed since the scan</source>
        <translation>スキャン後に変更されました</translation>
    </message>
    <message>
        <source>It is not among the results of the scan</source>
        <translation>スキャン結果に含まれていません</translation>
    </message>
</context>
<context>
    <name>LinkManager</name>
    <message>
        <source>配置错误</source>
        <translation>設定エラー</translation>
    </message>
    <message>
        <source>无法加载页面链接。

请联系技术支持或重新安装软件。</source>
        <translation>ページのリンクを読み込めません。

テクニカルサポートに問い合わせるか、アプリケーションを再インストールしてください。</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>ブラウザを開けません</translation>
    </message>
    <message>
        <source>无法打开默认浏览器。

请手动复制链接访问：
%1</source>
        <translation>デフォルトのブラウザを開けません。

リンクをコピーして手動で開いてください:
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Dashboard</source>
        <translation>ダッシュボード</translation>
    </message>
    <message>
        <source>Junk Cleaner</source>
        <translation>ジャンククリーナー</translation>
    </message>
    <message>
        <source>Browser Cleaner</source>
        <translation>ブラウザクリーナー</translation>
    </message>
    <message>
        <source>Registry Cleaner</source>
        <translation>レジストリクリーナー</translation>
    </message>
    <message>
        <source>Startup Manager</source>
        <translation>起動項目マネージャ</translation>
    </message>
    <message>
        <source>Large Files</source>
        <translation>大きなファイル</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>最適化</translation>
    </message>
    <message>
        <source>App Uninstaller</source>
        <translation>アンインストーラ</translation>
    </message>
    <message>
        <source>Duplicate Files</source>
        <translation>重複ファイル</translation>
    </message>
    <message>
        <source>Privacy Cleaner</source>
        <translation>プライバシー</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>しまう</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>拡大/縮小</translation>
    </message>
    <message>
        <source>Sweepnook - Mac Cleaning Tool</source>
        <translation>Sweepnook - Macクリーンアップツール</translation>
    </message>
    <message>
        <source>显示主窗口</source>
        <translation>メインウインドウを表示</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>No items selected</source>
        <translation>項目が選択されていません</translation>
    </message>
    <message>
        <source>Confirm Clean</source>
        <translation>クリーンアップの確認</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to clean %Ln selected items (%1)?
This action cannot be undone!</source>
        <translation>
            <numerusform>選択した %Ln 項目（%1）をクリーンアップしてもよろしいですか?
この操作は取り消せません!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cleaned %Ln items, freed %1</source>
        <translation>
            <numerusform>%Ln 項目をクリーンアップし、%1 を解放しました</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled. %1</source>
        <translation>キャンセルしました。%1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln items could not be removed.</source>
        <translation>
            <numerusform>%Ln 項目を削除できませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>A clean is still running. Scan again when it has finished.</source>
        <translation>クリーンアップの実行中です。完了してからもう一度スキャンしてください。</translation>
    </message>
    <message>
        <source>About Sweepnook</source>
        <translation>Sweepnookについて</translation>
    </message>
    <message>
        <source>by Quelmo</source>
        <translation>開発: Quelmo</translation>
    </message>
    <message>
        <source>The smartest way to keep your Mac clean, fast, and private.&lt;br&gt;Remove junk files, browser traces, duplicate files,&lt;br&gt;and privacy risks — all in one click.</source>
        <translation>Macをクリーンで高速、プライベートに保つ最もスマートな方法。&lt;br&gt;ジャンクファイル、ブラウザの痕跡、重複ファイル、&lt;br&gt;プライバシーリスクを、ワンクリックでまとめて削除。</translation>
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
        <translation>プログラムはメニューバーにしまわれました。アイコンをダブルクリックすると元に戻ります。</translation>
    </message>
</context>
<context>
    <name>PrivacyCleaner</name>
    <message>
        <source>Clipboard Content</source>
        <translation>クリップボードの内容</translation>
    </message>
    <message>
        <source>Text, images or files currently copied to clipboard</source>
        <translation>現在クリップボードにコピーされているテキスト、イメージ、ファイル</translation>
    </message>
    <message>
        <source>QuickLook Preview Cache</source>
        <translation>クイックルックのプレビューキャッシュ</translation>
    </message>
    <message>
        <source>Cached file previews generated by macOS QuickLook</source>
        <translation>macOSのクイックルックが生成したファイルプレビューのキャッシュ</translation>
    </message>
    <message>
        <source>Recent Files List</source>
        <translation>最近使ったファイルのリスト</translation>
    </message>
    <message>
        <source>macOS list of recently opened files and apps</source>
        <translation>最近開いたファイルとアプリのmacOSのリスト</translation>
    </message>
    <message>
        <source>Notification History</source>
        <translation>通知履歴</translation>
    </message>
    <message>
        <source>Database logs of all received app notifications</source>
        <translation>受信したすべてのアプリ通知を記録したデータベース</translation>
    </message>
    <message>
        <source>DNS Cache</source>
        <translation>DNSキャッシュ</translation>
    </message>
    <message>
        <source>Cached DNS lookups recording recently visited domains</source>
        <translation>最近アクセスしたドメインが記録された、DNS検索結果のキャッシュ</translation>
    </message>
</context>
<context>
    <name>PrivacyItemCard</name>
    <message>
        <source>Nothing found</source>
        <translation>見つかりませんでした</translation>
    </message>
    <message>
        <source>Size unknown</source>
        <translation>サイズ不明</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation>
            <numerusform>%Ln 項目</numerusform>
        </translation>
    </message>
    <message>
        <source>Not scanned</source>
        <translation>未スキャン</translation>
    </message>
    <message>
        <source>Cleaned</source>
        <translation>クリーンアップ済み</translation>
    </message>
    <message>
        <source>%1 freed</source>
        <translation>%1 を解放済み</translation>
    </message>
    <message>
        <source>Not cleaned</source>
        <translation>クリーンアップ失敗</translation>
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
        <translation>高リスク</translation>
    </message>
    <message>
        <source>Partly cleaned</source>
        <translation>一部のみクリーンアップ</translation>
    </message>
</context>
<context>
    <name>PrivacyPage</name>
    <message>
        <source>Privacy Cleaner</source>
        <translation>プライバシークリーナー</translation>
    </message>
    <message>
        <source>Clear the traces your everyday use leaves on this Mac</source>
        <translation>日常の使用でこのMacに残る痕跡を消去</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>スキャン</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>クリーンアップ</translation>
    </message>
    <message>
        <source>Scan stopped</source>
        <translation>スキャンを停止しました</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>停止中…</translation>
    </message>
    <message>
        <source>Scanning: %1</source>
        <translation>スキャン中: %1</translation>
    </message>
    <message>
        <source>Cleaning: %1 of %2 done</source>
        <translation>クリーンアップ中: %1 / %2 完了</translation>
    </message>
    <message>
        <source>Not cleaned: %1</source>
        <translation>クリーンアップ失敗: %1</translation>
    </message>
    <message numerus="yes">
        <source>Stopped before %Ln item(s)</source>
        <translation>
            <numerusform>%Ln 項目を残して停止しました</numerusform>
        </translation>
    </message>
    <message>
        <source>Scan Again</source>
        <translation>再スキャン</translation>
    </message>
    <message>
        <source>Scan to measure the traces on this Mac</source>
        <translation>スキャンして、このMacに残る痕跡を調べます</translation>
    </message>
    <message>
        <source>Scanning…</source>
        <translation>スキャン中…</translation>
    </message>
    <message>
        <source>Cleaning…</source>
        <translation>クリーンアップ中…</translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln item(s)</source>
        <translation>
            <numerusform>選択中: %Ln 項目</numerusform>
        </translation>
    </message>
    <message>
        <source>No items selected</source>
        <translation>項目が選択されていません</translation>
    </message>
    <message>
        <source>Confirm Cleaning</source>
        <translation>クリーンアップの確認</translation>
    </message>
    <message numerus="yes">
        <source>Clean %Ln selected item(s)?</source>
        <translation>
            <numerusform>選択した %Ln 項目をクリーンアップしますか?</numerusform>
        </translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>この操作は取り消せません。</translation>
    </message>
    <message numerus="yes">
        <source>Cleaned %Ln item(s) · freed %1</source>
        <translation>
            <numerusform>%Ln 項目をクリーンアップ · %1 を解放</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Scanning...</source>
        <translation>スキャン中...</translation>
    </message>
    <message>
        <source>Cleaning...</source>
        <translation>クリーンアップ中...</translation>
    </message>
    <message>
        <source>正在分析系统...</source>
        <translation>システムを分析中...</translation>
    </message>
    <message>
        <source>正在删除文件...</source>
        <translation>ファイルを削除中...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>已清理: %1</source>
        <translation>クリーンアップ済み: %1</translation>
    </message>
    <message>
        <source>完成!</source>
        <translation>完了しました!</translation>
    </message>
    <message>
        <source>操作失败</source>
        <translation>操作に失敗しました</translation>
    </message>
    <message>
        <source>Partly done</source>
        <translation>一部完了</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>取り消す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直す(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>カット(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>ペースト(&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべてを選択</translation>
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
        <translation>保存</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>すべて保存</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>はい(&amp;Y)</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>すべてはい(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>いいえ(&amp;N)</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>すべていいえ(&amp;O)</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>無視</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>破棄</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>デフォルトに戻す</translation>
    </message>
</context>
<context>
    <name>RegistryPage</name>
    <message>
        <source>Registry cleaning is only available on Windows</source>
        <translation>レジストリのクリーンアップはWindowsでのみ利用できます</translation>
    </message>
    <message>
        <source>macOS keeps its settings in preference files, not in a registry, so there is nothing to clean here.</source>
        <translation>macOSは設定をレジストリではなく環境設定ファイルに保存しているため、ここでクリーンアップするものはありません。</translation>
    </message>
</context>
<context>
    <name>RuleTexts</name>
    <message>
        <source>System Temporary Files</source>
        <translation>システムの一時ファイル</translation>
    </message>
    <message>
        <source>System temp folder and intermediate build files</source>
        <translation>システムの一時フォルダとビルドの中間ファイル</translation>
    </message>
    <message>
        <source>Application Caches</source>
        <translation>アプリのキャッシュ</translation>
    </message>
    <message>
        <source>Cached data generated by installed applications</source>
        <translation>インストール済みアプリが生成したキャッシュデータ</translation>
    </message>
    <message>
        <source>Browser Caches</source>
        <translation>ブラウザのキャッシュ</translation>
    </message>
    <message>
        <source>Cache files from Safari, Chrome, Firefox, Edge, Brave</source>
        <translation>Safari、Chrome、Firefox、Edge、Braveのキャッシュファイル</translation>
    </message>
    <message>
        <source>Log Files</source>
        <translation>ログファイル</translation>
    </message>
    <message>
        <source>System and application log files</source>
        <translation>システムとアプリのログファイル</translation>
    </message>
    <message>
        <source>Crash Reports</source>
        <translation>クラッシュレポート</translation>
    </message>
    <message>
        <source>Application and system crash dump files</source>
        <translation>アプリとシステムのクラッシュダンプファイル</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>ゴミ箱</translation>
    </message>
    <message>
        <source>Files in the Trash waiting to be permanently deleted</source>
        <translation>完全に削除されるのを待っているゴミ箱内の項目</translation>
    </message>
    <message>
        <source>Download Installers</source>
        <translation>ダウンロードしたインストーラ</translation>
    </message>
    <message>
        <source>Installer packages accumulated in the Downloads folder</source>
        <translation>ダウンロードフォルダにたまったインストーラパッケージ</translation>
    </message>
    <message>
        <source>QuickLook Cache</source>
        <translation>クイックルックのキャッシュ</translation>
    </message>
    <message>
        <source>macOS QuickLook preview thumbnail cache</source>
        <translation>macOSのクイックルックが作成したプレビューのサムネールキャッシュ</translation>
    </message>
    <message>
        <source>Homebrew Cache</source>
        <translation>Homebrewのキャッシュ</translation>
    </message>
    <message>
        <source>Homebrew package manager download and build cache</source>
        <translation>パッケージマネージャHomebrewのダウンロードとビルドのキャッシュ</translation>
    </message>
    <message>
        <source>Developer Caches</source>
        <translation>開発用キャッシュ</translation>
    </message>
    <message>
        <source>Xcode derived data, simulators, npm, pip, Gradle, Maven caches</source>
        <translation>XcodeのDerivedData、シミュレータ、npm、pip、Gradle、Mavenのキャッシュ</translation>
    </message>
    <message>
        <source>iOS Backups</source>
        <translation>iOSのバックアップ</translation>
    </message>
    <message>
        <source>iPhone / iPad local backups stored on this Mac</source>
        <translation>このMacに保存されたiPhone／iPadのローカルバックアップ</translation>
    </message>
    <message>
        <source>Large Old Files</source>
        <translation>古い大きなファイル</translation>
    </message>
    <message>
        <source>Old iOS firmware, app installers, and large unused data</source>
        <translation>古いiOSファームウェア、アプリのインストーラ、使われていない大きなデータ</translation>
    </message>
    <message>
        <source>Office Cache</source>
        <translation>Officeのキャッシュ</translation>
    </message>
    <message>
        <source>Microsoft Office and Apple iWork temporary files</source>
        <translation>Microsoft OfficeとApple iWorkの一時ファイル</translation>
    </message>
    <message>
        <source>Font Cache</source>
        <translation>フォントキャッシュ</translation>
    </message>
    <message>
        <source>System font cache files</source>
        <translation>システムのフォントキャッシュファイル</translation>
    </message>
    <message>
        <source>Prefetch Files</source>
        <translation>Prefetchファイル</translation>
    </message>
    <message>
        <source>Windows Prefetch cache files</source>
        <translation>WindowsのPrefetchキャッシュファイル</translation>
    </message>
    <message>
        <source>Windows Update Cache</source>
        <translation>Windows Updateのキャッシュ</translation>
    </message>
    <message>
        <source>Windows Update download cache</source>
        <translation>Windows Updateのダウンロードキャッシュ</translation>
    </message>
    <message>
        <source>Memory Dumps</source>
        <translation>メモリダンプ</translation>
    </message>
    <message>
        <source>System crash and error dump files (Windows)</source>
        <translation>システムのクラッシュダンプとエラーダンプ（Windows）</translation>
    </message>
    <message>
        <source>Windows Defender Cache</source>
        <translation>Windows Defenderのキャッシュ</translation>
    </message>
    <message>
        <source>Microsoft Defender scan history and backup cache</source>
        <translation>Microsoft Defenderのスキャン履歴とバックアップキャッシュ</translation>
    </message>
    <message>
        <source>GPU Shader Cache</source>
        <translation>GPUシェーダキャッシュ</translation>
    </message>
    <message>
        <source>GPU driver shader and DirectX cache (NVIDIA / AMD)</source>
        <translation>グラフィックドライバのシェーダとDirectXのキャッシュ（NVIDIA／AMD）</translation>
    </message>
    <message>
        <source>Old Windows Installation</source>
        <translation>以前のWindowsのインストール</translation>
    </message>
    <message>
        <source>Old system backups remaining after a Windows upgrade</source>
        <translation>Windowsのアップグレード後に残った以前のシステムのバックアップ</translation>
    </message>
    <message>
        <source>Browser Cache</source>
        <translation>ブラウザキャッシュ</translation>
    </message>
    <message>
        <source>Temporary web page cache files</source>
        <translation>Webページの一時キャッシュファイル</translation>
    </message>
    <message>
        <source>Code Cache</source>
        <translation>コードキャッシュ</translation>
    </message>
    <message>
        <source>JavaScript code cache</source>
        <translation>JavaScriptのコードキャッシュ</translation>
    </message>
    <message>
        <source>GPU Cache</source>
        <translation>GPUキャッシュ</translation>
    </message>
    <message>
        <source>GPU rendering cache</source>
        <translation>GPUレンダリングのキャッシュ</translation>
    </message>
    <message>
        <source>Shader Cache</source>
        <translation>シェーダキャッシュ</translation>
    </message>
    <message>
        <source>GPU shader compilation cache</source>
        <translation>GPUシェーダのコンパイルキャッシュ</translation>
    </message>
    <message>
        <source>Service Workers</source>
        <translation>Service Worker</translation>
    </message>
    <message>
        <source>Service Worker cache</source>
        <translation>Service Workerのキャッシュ</translation>
    </message>
    <message>
        <source>Blob Storage</source>
        <translation>Blobストレージ</translation>
    </message>
    <message>
        <source>Temporary binary data storage</source>
        <translation>バイナリデータの一時ストレージ</translation>
    </message>
    <message>
        <source>WebRTC Logs</source>
        <translation>WebRTCログ</translation>
    </message>
    <message>
        <source>Video call debug logs</source>
        <translation>ビデオ通話のデバッグログ</translation>
    </message>
    <message>
        <source>Browser crash report files</source>
        <translation>ブラウザのクラッシュレポートファイル</translation>
    </message>
    <message>
        <source>Browser Logs</source>
        <translation>ブラウザのログ</translation>
    </message>
    <message>
        <source>Browser debug and error logs</source>
        <translation>ブラウザのデバッグログとエラーログ</translation>
    </message>
    <message>
        <source>Website Thumbnails</source>
        <translation>Webサイトのサムネール</translation>
    </message>
    <message>
        <source>New Tab page website thumbnails</source>
        <translation>新規タブページに表示されるWebサイトのサムネール</translation>
    </message>
    <message>
        <source>Favicon Cache</source>
        <translation>Faviconキャッシュ</translation>
    </message>
    <message>
        <source>Website icon (favicon) cache</source>
        <translation>Webサイトのアイコン（favicon）のキャッシュ</translation>
    </message>
    <message>
        <source>Local Storage</source>
        <translation>ローカルストレージ</translation>
    </message>
    <message>
        <source>Website Local Storage (site settings may be lost)</source>
        <translation>Webサイトのローカルストレージ（サイトの設定が失われることがあります）</translation>
    </message>
    <message>
        <source>IndexedDB</source>
        <translation>IndexedDB</translation>
    </message>
    <message>
        <source>Website database storage (offline data may be lost)</source>
        <translation>Webサイトのデータベース（オフラインデータが失われることがあります）</translation>
    </message>
    <message>
        <source>Cookies</source>
        <translation>Cookie</translation>
    </message>
    <message>
        <source>Website Cookies (requires re-login to all sites)</source>
        <translation>WebサイトのCookie（すべてのサイトに再ログインが必要になります）</translation>
    </message>
    <message>
        <source>Browsing History</source>
        <translation>閲覧履歴</translation>
    </message>
    <message>
        <source>Web browsing history records</source>
        <translation>Webの閲覧履歴</translation>
    </message>
    <message>
        <source>Download History</source>
        <translation>ダウンロード履歴</translation>
    </message>
    <message>
        <source>Download history records (downloaded files are not deleted)</source>
        <translation>ダウンロードの履歴（ダウンロードしたファイルは削除されません）</translation>
    </message>
    <message>
        <source>Session Data</source>
        <translation>セッションデータ</translation>
    </message>
    <message>
        <source>Current and recent session data (tabs may be lost)</source>
        <translation>現在と最近のセッションのデータ（タブが失われることがあります）</translation>
    </message>
    <message>
        <source>Form Data</source>
        <translation>フォームデータ</translation>
    </message>
    <message>
        <source>Autofill form data (requires re-entry after cleaning)</source>
        <translation>自動入力のフォームデータ（クリーンアップ後に再入力が必要です）</translation>
    </message>
    <message>
        <source>Safe Browsing Data</source>
        <translation>セーフブラウジングのデータ</translation>
    </message>
    <message>
        <source>Safe Browsing protection data (not recommended to clean)</source>
        <translation>セーフブラウジングの保護データ（クリーンアップは推奨されません）</translation>
    </message>
    <message>
        <source>Thumbnail Cache</source>
        <translation>サムネイルキャッシュ</translation>
    </message>
    <message>
        <source>Preview pictures of your files made by the desktop and file manager</source>
        <translation>デスクトップとファイルマネージャーが作成したファイルのプレビュー画像</translation>
    </message>
    <message>
        <source>Package Caches</source>
        <translation>パッケージキャッシュ</translation>
    </message>
    <message>
        <source>Downloads and builds kept by pip, npm, Yarn, pnpm, Cargo, Go, Gradle, Maven and ccache</source>
        <translation>pip、npm、Yarn、pnpm、Cargo、Go、Gradle、Maven、ccache が保持するダウンロードとビルド</translation>
    </message>
</context>
<context>
    <name>ScanProgressDialog</name>
    <message>
        <source>Scanning for large files...</source>
        <translation>大きなファイルをスキャン中...</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>準備中...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Scanning: %1</source>
        <translation>スキャン中: %1</translation>
    </message>
    <message>
        <source>Scan Complete</source>
        <translation>スキャン完了</translation>
    </message>
    <message>
        <source>Scan completed</source>
        <translation>スキャンが完了しました</translation>
    </message>
    <message>
        <source>View Results</source>
        <translation>結果を表示</translation>
    </message>
    <message numerus="yes">
        <source>Found %Ln large files (%1)</source>
        <translation>
            <numerusform>%Ln 個の大きなファイルが見つかりました（%1）</numerusform>
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
        <translation>ログイン時に起動</translation>
    </message>
    <message>
        <source>Minimize to tray on close</source>
        <translation>閉じるときにメニューバーにしまう</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Confirm before cleaning</source>
        <translation>クリーンアップ前に確認</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>クリーンアップ</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sweepnookについて</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>ログイン時に起動</translation>
    </message>
    <message>
        <source>Sweepnook could not be set to start at login. The log has the details.</source>
        <translation>Sweepnookをログイン時に起動するよう設定できませんでした。詳細はログを確認してください。</translation>
    </message>
    <message>
        <source>Sweepnook could not be kept from starting at login. The log has the details.</source>
        <translation>Sweepnookのログイン時の起動を解除できませんでした。詳細はログを確認してください。</translation>
    </message>
</context>
<context>
    <name>StartupCardDelegate</name>
    <message>
        <source>Reveal in Finder</source>
        <translation>Finderに表示</translation>
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
        <translation>システム</translation>
    </message>
    <message>
        <source>Startup Folder</source>
        <translation>スタートアップフォルダ</translation>
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
        <translation>不明</translation>
    </message>
    <message>
        <source>Startup items</source>
        <translation>起動項目</translation>
    </message>
    <message>
        <source>System-wide agents and daemons</source>
        <translation>システム全体のエージェントとデーモン</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>アプリケーション</translation>
    </message>
    <message>
        <source>Program missing</source>
        <translation>プログラムが見つかりません</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>無効</translation>
    </message>
</context>
<context>
    <name>StartupManager</name>
    <message>
        <source>Scanning %1...</source>
        <translation>%1 をスキャン中...</translation>
    </message>
    <message>
        <source>Scanning startup items...</source>
        <translation>起動項目をスキャン中...</translation>
    </message>
    <message>
        <source>Scanning installed applications...</source>
        <translation>インストール済みのアプリケーションをスキャン中...</translation>
    </message>
</context>
<context>
    <name>StartupPage</name>
    <message>
        <source>Startup Manager</source>
        <translation>起動項目マネージャ</translation>
    </message>
    <message>
        <source>Manage programs that run automatically at startup</source>
        <translation>起動時に自動的に実行されるプログラムを管理</translation>
    </message>
    <message>
        <source>Search programs...</source>
        <translation>プログラムを検索...</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>⚠️ Only your own startup items can be removed</source>
        <translation>⚠️ 削除できるのは自分の起動項目のみです</translation>
    </message>
    <message>
        <source>Scanning installed programs...</source>
        <translation>インストール済みのプログラムをスキャン中...</translation>
    </message>
    <message>
        <source>First load may take a few seconds</source>
        <translation>初回の読み込みには数秒かかることがあります</translation>
    </message>
    <message>
        <source>Cannot Modify</source>
        <translation>変更できません</translation>
    </message>
    <message>
        <source>This startup item was not created by Sweepnook and cannot be removed here.</source>
        <translation>この起動項目はSweepnookで作成されたものではないため、ここでは削除できません。</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>操作に失敗しました</translation>
    </message>
    <message>
        <source>Failed to remove &quot;%1&quot; from startup.</source>
        <translation>“%1”を起動項目から削除できませんでした。</translation>
    </message>
    <message>
        <source>Failed to add &quot;%1&quot; to startup.</source>
        <translation>“%1”を起動項目に追加できませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln startup items</source>
        <translation>
            <numerusform>起動項目 %Ln 個</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln apps</source>
        <translation>
            <numerusform>アプリ %Ln 個</numerusform>
        </translation>
    </message>
    <message>
        <source>No startup items or apps found</source>
        <translation>起動項目やアプリが見つかりません</translation>
    </message>
    <message>
        <source>No startup items match &quot;%1&quot;</source>
        <translation>“%1”に一致する起動項目はありません</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sweepnookについて</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>サポート</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>言語を変更しました</translation>
    </message>
    <message>
        <source>Language has been changed.

The application will restart now.</source>
        <translation>言語を変更しました。

アプリケーションを再起動します。</translation>
    </message>
    <message>
        <source>Restart Failed</source>
        <translation>再起動に失敗しました</translation>
    </message>
    <message>
        <source>Sweepnook could not restart itself.

Please quit and reopen it to use the new language.</source>
        <translation>Sweepnookを再起動できませんでした。

新しい言語を使用するには、終了してからもう一度開いてください。</translation>
    </message>
</context>
<context>
    <name>TweakManager</name>
    <message>
        <source>This tweak changes Windows settings and works only on Windows.</source>
        <translation>この調整はWindowsの設定を変更するもので、Windowsでのみ機能します。</translation>
    </message>
    <message>
        <source>Stopped before all services were changed.</source>
        <translation>すべてのサービスを変更する前に停止しました。</translation>
    </message>
    <message>
        <source>Could not change the start type of the service &quot;%1&quot;.</source>
        <translation>サービス“%1”のスタートアップの種類を変更できませんでした。</translation>
    </message>
    <message>
        <source>Could not add the Ultimate Performance power plan.</source>
        <translation>「究極のパフォーマンス」電源プランを追加できませんでした。</translation>
    </message>
</context>
<context>
    <name>TweaksPage</name>
    <message>
        <source>These tweaks change Windows settings and act only on Windows. Nothing on this Mac is changed.</source>
        <translation>これらの調整はWindowsの設定を変更するもので、Windowsでのみ機能します。このMacでは何も変更されません。</translation>
    </message>
    <message>
        <source>System Tweaks</source>
        <translation>システム調整</translation>
    </message>
    <message>
        <source>Fine-tune privacy, performance and interface settings of Windows</source>
        <translation>Windowsのプライバシー、パフォーマンス、インターフェイスの設定を微調整</translation>
    </message>
    <message>
        <source>Apply recommended</source>
        <translation>推奨設定を適用</translation>
    </message>
    <message>
        <source>No tweaks are available.</source>
        <translation>利用できる調整はありません。</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>Works only with Tamper Protection switched off in Windows Security.</source>
        <translation>Windowsセキュリティの改ざん防止がオフのときにのみ機能します。</translation>
    </message>
    <message>
        <source>Only available on Windows</source>
        <translation>Windowsでのみ利用可能</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>プライバシー</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>パフォーマンス</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>インターフェイス</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>セキュリティ</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 of %2 on</source>
        <translation>%2 個中 %1 個がオン</translation>
    </message>
</context>
<context>
    <name>UnreadableNote</name>
    <message numerus="yes">
        <source>%Ln folders could not be read, among them %1. To include them, allow Sweepnook Full Disk Access in System Settings &gt; Privacy &amp; Security.</source>
        <translation>
            <numerusform>%Ln 個のフォルダ（%1 など）を読み込めませんでした。これらを含めるには、「システム設定」&gt;「プライバシーとセキュリティ」でSweepnookにフルディスクアクセスを許可してください。</numerusform>
        </translation>
    </message>
</context>
</TS>
