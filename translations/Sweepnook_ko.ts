<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Your Personal System Butler</source>
        <translation>나만의 시스템 집사</translation>
    </message>
    <message>
        <source>🧹 Junk Cleaner - Free up valuable disk space</source>
        <translation>🧹 정크 클리너 - 소중한 디스크 공간 확보</translation>
    </message>
    <message>
        <source>🌐 Browser Cleaner - Protect your privacy</source>
        <translation>🌐 브라우저 클리너 - 개인정보 보호</translation>
    </message>
    <message>
        <source>🔧 Registry Cleaner - Boost system performance</source>
        <translation>🔧 레지스트리 클리너 - 시스템 성능 향상</translation>
    </message>
    <message>
        <source>⚡ Startup Manager - Speed up boot time</source>
        <translation>⚡ 시동 항목 관리자 - 부팅 시간 단축</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>버전 %1</translation>
    </message>
    <message>
        <source>Made by Quelmo</source>
        <translation>제작: Quelmo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>📊 Dashboard - Scan everything at once and clean in one click</source>
        <translation>📊 대시보드 - 한 번에 검사하고 한 번의 클릭으로 정리</translation>
    </message>
    <message>
        <source>📁 Large Files - Find what takes up your disk</source>
        <translation>📁 대용량 파일 - 디스크를 차지하는 항목 찾기</translation>
    </message>
    <message>
        <source>📑 Duplicate Files - Remove identical copies</source>
        <translation>📑 중복 파일 - 동일한 사본 제거</translation>
    </message>
    <message>
        <source>📦 App Uninstaller - Remove apps with their leftovers</source>
        <translation>📦 앱 제거 도구 - 앱과 남은 파일을 함께 제거</translation>
    </message>
    <message>
        <source>🛡️ Privacy Cleaner - Clear recent-files lists and other traces</source>
        <translation>🛡️ 개인정보 클리너 - 최근 파일 목록 등 흔적 지우기</translation>
    </message>
</context>
<context>
    <name>AppCardDelegate</name>
    <message>
        <source>Part of macOS</source>
        <translation>macOS 구성 요소</translation>
    </message>
    <message>
        <source>+%1 leftovers</source>
        <translation>잔여 파일 +%1</translation>
    </message>
    <message>
        <source>bundle identifier</source>
        <translation>번들 식별자</translation>
    </message>
    <message>
        <source>name only</source>
        <translation>이름만 일치</translation>
    </message>
    <message>
        <source>shared with macOS</source>
        <translation>macOS와 공유</translation>
    </message>
</context>
<context>
    <name>AppUninstaller</name>
    <message>
        <source>It is part of macOS and cannot be removed.</source>
        <translation>macOS의 구성 요소이므로 제거할 수 없습니다.</translation>
    </message>
    <message>
        <source>It is not in an Applications folder.</source>
        <translation>응용 프로그램 폴더에 있지 않습니다.</translation>
    </message>
    <message>
        <source>Close the app first.</source>
        <translation>먼저 앱을 종료하십시오.</translation>
    </message>
    <message>
        <source>Could not tell whether it is running. Close the app first.</source>
        <translation>실행 중인지 확인할 수 없습니다. 먼저 앱을 종료하십시오.</translation>
    </message>
    <message>
        <source>It could not be moved to the Trash: %1.</source>
        <translation>휴지통으로 이동할 수 없습니다: %1.</translation>
    </message>
    <message>
        <source>It is on a read-only volume and cannot be removed.</source>
        <translation>읽기 전용 볼륨에 있어 제거할 수 없습니다.</translation>
    </message>
    <message>
        <source>It is no longer where the scan found it.</source>
        <translation>스캔에서 찾은 위치에 더 이상 없습니다.</translation>
    </message>
</context>
<context>
    <name>AppUninstallerPage</name>
    <message>
        <source>App Uninstaller</source>
        <translation>앱 제거 도구</translation>
    </message>
    <message>
        <source>Completely remove apps and their leftover files</source>
        <translation>앱과 잔여 파일을 완전히 제거</translation>
    </message>
    <message>
        <source>Search apps...</source>
        <translation>앱 검색...</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>새로 고침</translation>
    </message>
    <message>
        <source>No apps selected</source>
        <translation>선택한 앱 없음</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>Scanning installed apps...</source>
        <translation>설치된 앱 스캔 중...</translation>
    </message>
    <message>
        <source>No applications were found in the Applications folders.</source>
        <translation>응용 프로그램 폴더에서 앱을 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>No apps match &quot;%1&quot;.</source>
        <translation>‘%1’와(과) 일치하는 앱이 없습니다.</translation>
    </message>
    <message>
        <source>Uninstalling %1...</source>
        <translation>%1 제거 중...</translation>
    </message>
    <message>
        <source>Apps will be moved to Trash.</source>
        <translation>앱이 휴지통으로 이동됩니다.</translation>
    </message>
    <message>
        <source>Confirm Uninstall</source>
        <translation>제거 확인</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Could not uninstall %1.
%2</source>
        <translation>%1을(를) 제거할 수 없습니다.
%2</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>실패</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message numerus="yes">
        <source>%Ln apps</source>
        <translation>
            <numerusform>앱 %Ln개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 / %Ln apps</source>
        <translation>
            <numerusform>앱 %1/%Ln개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln app(s) selected</source>
        <translation>
            <numerusform>앱 %Ln개 선택됨</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Uninstall %Ln app(s) and their leftover files?</source>
        <translation>
            <numerusform>앱 %Ln개와 잔여 파일을 제거하겠습니까?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more</source>
        <translation>
            <numerusform>외 %Ln개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Apps and %Ln selected leftover items (%1) will be moved to Trash.</source>
        <translation>
            <numerusform>앱과 선택한 잔여 항목 %Ln개(%1)가 휴지통으로 이동됩니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 was moved to Trash, but %Ln of its leftover items could not be moved.</source>
        <translation>
            <numerusform>%1은(는) 휴지통으로 이동했지만 잔여 항목 %Ln개는 이동할 수 없었습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>The app will be moved to the Trash.</source>
        <translation>앱이 휴지통으로 이동됩니다.</translation>
    </message>
    <message numerus="yes">
        <source>The app and %Ln selected leftover items (%1) will be moved to the Trash.</source>
        <translation>
            <numerusform>앱과 선택한 잔여 항목 %Ln개(%1)가 휴지통으로 이동됩니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Moved %1 (%2) to the Trash.</source>
        <translation>%1(%2)을(를) 휴지통으로 이동했습니다.</translation>
    </message>
    <message numerus="yes">
        <source>Moved %1 and %Ln leftover items (%2) to the Trash.</source>
        <translation>
            <numerusform>%1 및 잔여 항목 %Ln개(%2)를 휴지통으로 이동했습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %Ln apps (%1) to the Trash.</source>
        <translation>
            <numerusform>앱 %Ln개(%1)를 휴지통으로 이동했습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %Ln apps and %1 (%2) to the Trash.</source>
        <translation>
            <numerusform>앱 %Ln개 및 %1(%2)를 휴지통으로 이동했습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln leftover items</source>
        <translation>
            <numerusform>잔여 항목 %Ln개</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BasePage</name>
    <message>
        <source>Cleanable</source>
        <translation>정리 가능</translation>
    </message>
    <message>
        <source>Click &quot;Start Scanning&quot; to find cleanable items</source>
        <translation>‘스캔 시작’을 클릭하여 정리할 수 있는 항목을 찾으십시오</translation>
    </message>
    <message>
        <source>Selected: --</source>
        <translation>선택됨: --</translation>
    </message>
    <message>
        <source>Start Scanning</source>
        <translation>스캔 시작</translation>
    </message>
    <message>
        <source>Clean Now</source>
        <translation>지금 정리</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>No items selected</source>
        <translation>선택한 항목 없음</translation>
    </message>
    <message>
        <source>Confirm Clean</source>
        <translation>정리 확인</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to clean %Ln selected items?
This action cannot be undone!</source>
        <translation>
            <numerusform>선택한 항목 %Ln개를 정리하겠습니까?
이 작업은 되돌릴 수 없습니다!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cleaned %Ln items, freed %1</source>
        <translation>
            <numerusform>항목 %Ln개를 정리하고 %1을(를) 확보했습니다</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln items, %1</source>
        <translation>
            <numerusform>선택됨: 항목 %Ln개, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln items</source>
        <translation>
            <numerusform>항목 %Ln개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln items</source>
        <translation>
            <numerusform>선택됨: 항목 %Ln개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be removed and stay in the list with the reason.</source>
        <translation>
            <numerusform>항목 %Ln개를 제거할 수 없어 이유와 함께 목록에 남아 있습니다.</numerusform>
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
        <translation>다음 브라우저가 실행 중이어서 건너뛰었습니다. 정리하려면 종료하십시오:
%1</translation>
    </message>
    <message>
        <source>outside the browsers&apos; folders</source>
        <translation>브라우저 폴더 밖에 있음</translation>
    </message>
    <message>
        <source>the history could not be cleared</source>
        <translation>기록을 지울 수 없음</translation>
    </message>
    <message>
        <source>it could not be removed</source>
        <translation>제거할 수 없음</translation>
    </message>
    <message>
        <source>the records could not be cleared</source>
        <translation>항목을 지울 수 없음</translation>
    </message>
</context>
<context>
    <name>BrowserGroupHeader</name>
    <message numerus="yes">
        <source>%Ln items  ·  %1</source>
        <translation>
            <numerusform>항목 %Ln개  ·  %1</numerusform>
        </translation>
    </message>
    <message>
        <source>View Details</source>
        <translation>세부사항 보기</translation>
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
        <translation>브라우저 클리너</translation>
    </message>
    <message>
        <source>Clean caches, cookies and history of your browsers</source>
        <translation>브라우저의 캐시, 쿠키 및 방문 기록 정리</translation>
    </message>
    <message>
        <source>Browsers:</source>
        <translation>브라우저:</translation>
    </message>
    <message>
        <source>No supported browser was found for this user.</source>
        <translation>이 사용자에게서 지원되는 브라우저를 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>발견됨</translation>
    </message>
</context>
<context>
    <name>CategoryWidget</name>
    <message numerus="yes">
        <source>%Ln items</source>
        <translation>
            <numerusform>항목 %Ln개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Load more (%Ln remaining)</source>
        <translation>
            <numerusform>더 불러오기(%Ln개 남음)</numerusform>
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
        <translation>정리 가능</translation>
    </message>
</context>
<context>
    <name>CleanItem</name>
    <message>
        <source>Low</source>
        <translation>낮음</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>High</source>
        <translation>높음</translation>
    </message>
    <message numerus="yes">
        <source>%n B</source>
        <translation>
            <numerusform>%n 바이트</numerusform>
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
        <translation>크기 알 수 없음</translation>
    </message>
    <message>
        <source>at least %1</source>
        <translation>최소 %1</translation>
    </message>
</context>
<context>
    <name>CleanItemWidget</name>
    <message>
        <source>Not removed: %1</source>
        <translation>제거되지 않음: %1</translation>
    </message>
</context>
<context>
    <name>DashboardPage</name>
    <message>
        <source>Ready to Clean Your Mac</source>
        <translation>Mac을 정리할 준비 완료</translation>
    </message>
    <message>
        <source>Click the button below to scan for junk files and free up space</source>
        <translation>아래 버튼을 클릭하여 정크 파일을 스캔하고 공간을 확보하십시오</translation>
    </message>
    <message>
        <source>🔍  Start Full Scan</source>
        <translation>🔍  전체 스캔 시작</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>준비 중...</translation>
    </message>
    <message>
        <source>Sweepnook %1</source>
        <translation>Sweepnook %1</translation>
    </message>
    <message>
        <source>Keep Your Mac Running at Peak Performance</source>
        <translation>Mac을 항상 최상의 성능으로 유지하십시오</translation>
    </message>
    <message>
        <source>Junk Files</source>
        <translation>정크 파일</translation>
    </message>
    <message>
        <source>Browser Data</source>
        <translation>브라우저 데이터</translation>
    </message>
    <message>
        <source>Registry Issues</source>
        <translation>레지스트리 문제</translation>
    </message>
    <message>
        <source>Ready to scan</source>
        <translation>스캔 준비 완료</translation>
    </message>
    <message>
        <source>🔍 Start Scan</source>
        <translation>🔍 스캔 시작</translation>
    </message>
    <message>
        <source>🗑️ Clean All</source>
        <translation>🗑️ 모두 정리</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;font-weight:600;&apos;&gt;Tip:&lt;/span&gt; Regular cleaning can significantly improve your Mac&apos;s performance</source>
        <translation>&lt;span style=&apos;font-weight:600;&apos;&gt;팁:&lt;/span&gt; 정기적으로 정리하면 Mac의 성능이 크게 향상될 수 있습니다</translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation>스캔 중...</translation>
    </message>
    <message>
        <source>Can be cleaned</source>
        <translation>정리 가능</translation>
    </message>
    <message>
        <source>Last scan: just now</source>
        <translation>마지막 스캔: 방금</translation>
    </message>
    <message numerus="yes">
        <source>Last scan: %Ln min ago</source>
        <translation>
            <numerusform>마지막 스캔: %Ln분 전</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Last scan: %Ln h ago</source>
        <translation>
            <numerusform>마지막 스캔: %Ln시간 전</numerusform>
        </translation>
    </message>
    <message>
        <source>Last scan: %1</source>
        <translation>마지막 스캔: %1</translation>
    </message>
    <message>
        <source>Cleaned %1</source>
        <translation>%1 정리됨</translation>
    </message>
    <message>
        <source>Ring: %1 of what the scan found is selected</source>
        <translation>링: 검사에서 찾은 항목 중 %1 선택됨</translation>
    </message>
    <message>
        <source>The scan found nothing to clean</source>
        <translation>정리할 항목을 찾지 못했습니다</translation>
    </message>
    <message>
        <source>Can be cleaned (at least)</source>
        <translation>정리 가능 (최소)</translation>
    </message>
</context>
<context>
    <name>DetailItemWidget</name>
    <message>
        <source>Show in Finder</source>
        <translation>Finder에서 보기</translation>
    </message>
</context>
<context>
    <name>DuplicateFinderPage</name>
    <message>
        <source>Duplicate File Finder</source>
        <translation>중복 파일 찾기</translation>
    </message>
    <message>
        <source>Find and remove identical files to free up disk space</source>
        <translation>동일한 파일을 찾아 제거하여 디스크 공간 확보</translation>
    </message>
    <message>
        <source>SELECT LOCATION</source>
        <translation>위치 선택</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>홈</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>다운로드</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>문서</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>데스크탑</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>사진</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>음악</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>동영상</translation>
    </message>
    <message>
        <source>User Volume</source>
        <translation>사용자 볼륨</translation>
    </message>
    <message>
        <source>Entire Disk</source>
        <translation>디스크 전체</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>선택…</translation>
    </message>
    <message>
        <source>Min file size:</source>
        <translation>최소 파일 크기:</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>스캔 시작</translation>
    </message>
    <message>
        <source>Collecting files...</source>
        <translation>파일 수집 중...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>← New Scan</source>
        <translation>← 새로운 스캔</translation>
    </message>
    <message>
        <source>Keep Newest  ▾</source>
        <translation>최신 파일 유지  ▾</translation>
    </message>
    <message>
        <source>Keep Newest  (delete older duplicates)</source>
        <translation>최신 파일 유지  (오래된 중복 파일 삭제)</translation>
    </message>
    <message>
        <source>Keep Oldest   (delete newer duplicates)</source>
        <translation>오래된 파일 유지  (최신 중복 파일 삭제)</translation>
    </message>
    <message>
        <source>Keep Oldest  ▾</source>
        <translation>오래된 파일 유지  ▾</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>선택 항목 삭제</translation>
    </message>
    <message>
        <source>Choose Folder to Scan</source>
        <translation>스캔할 폴더 선택</translation>
    </message>
    <message>
        <source>Choose Another Folder…</source>
        <translation>다른 폴더 선택…</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>목록에서 %1 제거</translation>
    </message>
    <message>
        <source>Path: (none selected)</source>
        <translation>경로: (선택 안 됨)</translation>
    </message>
    <message>
        <source>No Location Selected</source>
        <translation>선택한 위치 없음</translation>
    </message>
    <message>
        <source>Please select at least one location to scan.</source>
        <translation>스캔할 위치를 하나 이상 선택하십시오.</translation>
    </message>
    <message>
        <source>Full Disk Scan</source>
        <translation>디스크 전체 스캔</translation>
    </message>
    <message>
        <source>Scanning the entire disk may take several minutes.
Continue?</source>
        <translation>디스크 전체를 스캔하는 데 몇 분 정도 걸릴 수 있습니다.
계속하겠습니까?</translation>
    </message>
    <message>
        <source>Scanning files...</source>
        <translation>파일 스캔 중...</translation>
    </message>
    <message>
        <source>Reading %1  ·  %2 of %3</source>
        <translation>%1 읽는 중  ·  %2/%3</translation>
    </message>
    <message>
        <source>No Duplicates Found</source>
        <translation>중복 파일 없음</translation>
    </message>
    <message>
        <source>Great news! No duplicate files were found. 🎉</source>
        <translation>좋은 소식입니다! 중복 파일을 찾지 못했습니다. 🎉</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>취소 중...</translation>
    </message>
    <message>
        <source>  ·  %1 freed</source>
        <translation>  ·  %1 확보됨</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>삭제 확인</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>휴지통으로 이동</translation>
    </message>
    <message>
        <source>Delete Permanently</source>
        <translation>영구적으로 삭제</translation>
    </message>
    <message>
        <source>Deleting…</source>
        <translation>삭제 중…</translation>
    </message>
    <message>
        <source>Deleting %1 / %2</source>
        <translation>삭제 중 %1/%2</translation>
    </message>
    <message>
        <source>Duplicates Removed</source>
        <translation>중복 파일 제거됨</translation>
    </message>
    <message>
        <source>Partial Failure</source>
        <translation>일부 실패</translation>
    </message>
    <message>
        <source>The log lists each file and why.</source>
        <translation>각 파일과 그 이유는 로그에 기록되어 있습니다.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln&lt;/b&gt; groups  ·  &lt;span style=&apos;color:%1;font-weight:600;&apos;&gt;%2 can be freed&lt;/span&gt;</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln&lt;/b&gt;개 그룹  ·  &lt;span style=&apos;color:%1;font-weight:600;&apos;&gt;%2 확보 가능&lt;/span&gt;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %Ln file(s) to the Trash, or delete them permanently?</source>
        <translation>
            <numerusform>파일 %Ln개를 휴지통으로 이동하겠습니까, 아니면 영구적으로 삭제하겠습니까?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every copy of %Ln group(s) is checked: the newest copy of each will be kept.</source>
        <translation>
            <numerusform>그룹 %Ln개에서 모든 사본이 선택되어 있습니다. 각 그룹의 최신 사본은 유지됩니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Permanently delete %Ln file(s)?
This cannot be undone.</source>
        <translation>
            <numerusform>파일 %Ln개를 영구적으로 삭제하겠습니까?
이 작업은 되돌릴 수 없습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) deleted permanently (%1).</source>
        <translation>
            <numerusform>파일 %Ln개를 영구적으로 삭제했습니다(%1).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) moved to the Trash (%1); you can put them back from there.</source>
        <translation>
            <numerusform>파일 %Ln개를 휴지통으로 이동했습니다(%1). 휴지통에서 되돌려 놓을 수 있습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be deleted.</source>
        <translation>
            <numerusform>파일 %Ln개를 삭제할 수 없습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Path: %1</source>
        <translation>경로: %1</translation>
    </message>
    <message>
        <source>Deleted permanently: %1</source>
        <translation>영구적으로 삭제됨: %1</translation>
    </message>
    <message>
        <source>Moved to the Trash: %1</source>
        <translation>휴지통으로 이동됨: %1</translation>
    </message>
    <message>
        <source>Left in place: %1</source>
        <translation>그대로 둠: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be moved to the Trash and were left in place; none was deleted.</source>
        <translation>
            <numerusform>파일 %Ln개를 휴지통으로 이동할 수 없어 그대로 두었습니다. 삭제된 파일은 없습니다.</numerusform>
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
        <translation>  ·  %1은(는) 휴지통을 비울 때까지 확보되지 않음</translation>
    </message>
    <message>
        <source>Ticked: every copy but the likely original (not in Downloads, no &quot;copy&quot; or &quot;(1)&quot; in its name, the oldest, the shortest path). 🔒 Copies in apps, packages and Library are never ticked.</source>
        <translation>선택됨: 원본으로 보이는 파일을 제외한 모든 사본(다운로드 폴더 밖, 이름에 &apos;사본&apos;이나 &apos;(1)&apos; 없음, 가장 오래됨, 가장 짧은 경로). 🔒 앱, 패키지, 라이브러리 안의 사본은 선택되지 않습니다.</translation>
    </message>
    <message>
        <source>Keep Original  ▾</source>
        <translation>원본 유지  ▾</translation>
    </message>
    <message>
        <source>Keep Original  (the likely original of each group)</source>
        <translation>원본 유지  (각 그룹의 원본으로 보이는 파일)</translation>
    </message>
</context>
<context>
    <name>DuplicateGroupDelegate</name>
    <message>
        <source>save %1</source>
        <translation>%1 절약</translation>
    </message>
    <message numerus="yes">
        <source>%Ln identical files  ·  %1 each  ·  </source>
        <translation>
            <numerusform>동일한 파일 %Ln개  ·  각 %1  ·  </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileUtils</name>
    <message>
        <source>permission denied</source>
        <translation>권한이 없음</translation>
    </message>
    <message>
        <source>it is in use</source>
        <translation>사용 중임</translation>
    </message>
    <message>
        <source>the volume is read-only</source>
        <translation>볼륨이 읽기 전용임</translation>
    </message>
    <message>
        <source>the folder is not empty</source>
        <translation>폴더가 비어 있지 않음</translation>
    </message>
    <message>
        <source>another volume is mounted there</source>
        <translation>다른 볼륨이 마운트되어 있음</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>폴더가 아님</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>폴더임</translation>
    </message>
    <message>
        <source>it changed while being removed</source>
        <translation>제거하는 동안 변경됨</translation>
    </message>
    <message>
        <source>its folder is not open</source>
        <translation>폴더가 열려 있지 않음</translation>
    </message>
    <message>
        <source>outside %1</source>
        <translation>%1 외부에 있음</translation>
    </message>
    <message>
        <source>the folder itself</source>
        <translation>폴더 자체임</translation>
    </message>
    <message>
        <source>&quot;.&quot; or &quot;..&quot; in the path</source>
        <translation>경로에 &apos;.&apos; 또는 &apos;..&apos;이 있음</translation>
    </message>
    <message>
        <source>a link or a file on the way: %1</source>
        <translation>경로 중간에 링크 또는 파일이 있음: %1</translation>
    </message>
    <message>
        <source>another volume on the way: %1</source>
        <translation>경로 중간에 다른 볼륨이 있음: %1</translation>
    </message>
    <message>
        <source>it changed since it was chosen</source>
        <translation>선택한 이후에 변경됨</translation>
    </message>
</context>
<context>
    <name>HomeTrash</name>
    <message>
        <source>it is no longer there</source>
        <translation>더 이상 그 위치에 없음</translation>
    </message>
    <message>
        <source>the Finder could not be asked (osascript did not start)</source>
        <translation>Finder에 요청할 수 없음(osascript가 시작되지 않음)</translation>
    </message>
    <message>
        <source>the Finder did not answer within %1 seconds; it may be waiting for your permission or password</source>
        <translation>Finder가 %1초 이내에 응답하지 않음. 권한 허용이나 암호 입력을 기다리고 있을 수 있음</translation>
    </message>
    <message>
        <source>the Finder left it where it was</source>
        <translation>Finder가 항목을 옮기지 않음</translation>
    </message>
    <message>
        <source>Sweepnook is not allowed to control the Finder (System Settings &gt; Privacy &amp; Security &gt; Automation)</source>
        <translation>Sweepnook에 Finder를 제어할 권한이 없음(시스템 설정 &gt; 개인정보 보호 및 보안 &gt; 자동화)</translation>
    </message>
    <message>
        <source>the Finder refused (exit code %1)</source>
        <translation>Finder가 거부함(종료 코드 %1)</translation>
    </message>
    <message>
        <source>the Finder refused: %1</source>
        <translation>Finder가 거부함: %1</translation>
    </message>
    <message>
        <source>the Trash folder cannot be used: %1</source>
        <translation>휴지통 폴더를 사용할 수 없음: %1</translation>
    </message>
    <message>
        <source>it is on another volume than your Trash</source>
        <translation>휴지통과 다른 볼륨에 있음</translation>
    </message>
    <message>
        <source>it is in the Trash already</source>
        <translation>이미 휴지통에 있음</translation>
    </message>
    <message>
        <source>too many items of that name in the Trash</source>
        <translation>휴지통에 같은 이름의 항목이 너무 많음</translation>
    </message>
    <message>
        <source>a volume is mounted inside it (%1)</source>
        <translation>내부에 볼륨이 마운트되어 있음(%1)</translation>
    </message>
</context>
<context>
    <name>ItemDetailDialog</name>
    <message numerus="yes">
        <source>%1  |  %Ln files</source>
        <translation>
            <numerusform>%1  |  파일 %Ln개</numerusform>
        </translation>
    </message>
    <message>
        <source>Size</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>동작</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
</context>
<context>
    <name>JunkCleaner</name>
    <message>
        <source>outside the folders of its rule</source>
        <translation>규칙의 폴더 밖에 있음</translation>
    </message>
    <message>
        <source>These browsers are running, so their caches were left; close them to clean them:
%1</source>
        <translation>다음 브라우저가 실행 중이어서 캐시를 남겨 두었습니다. 정리하려면 종료하십시오:
%1</translation>
    </message>
</context>
<context>
    <name>JunkPage</name>
    <message>
        <source>Junk Cleaner</source>
        <translation>정크 클리너</translation>
    </message>
    <message>
        <source>Clean system temp files, cache and logs</source>
        <translation>시스템 임시 파일, 캐시 및 로그 정리</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>발견됨</translation>
    </message>
</context>
<context>
    <name>LargeFileDelegate</name>
    <message>
        <source>In iCloud</source>
        <translation>iCloud에 있음</translation>
    </message>
    <message>
        <source>%1, %2 on disk</source>
        <translation>%1, 디스크 사용 %2</translation>
    </message>
    <message>
        <source>via %1</source>
        <translation>%1 경유</translation>
    </message>
</context>
<context>
    <name>LargeFilePage</name>
    <message>
        <source>Find Large Files</source>
        <translation>대용량 파일 찾기</translation>
    </message>
    <message>
        <source>Scan your drives and remove files that are taking up the most space</source>
        <translation>드라이브를 스캔하여 공간을 가장 많이 차지하는 파일 제거</translation>
    </message>
    <message>
        <source>SELECT VOLUME</source>
        <translation>볼륨 선택</translation>
    </message>
    <message>
        <source>Min file size:</source>
        <translation>최소 파일 크기:</translation>
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
        <translation>사용자 지정...</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>스캔 시작</translation>
    </message>
    <message>
        <source>Scan Results</source>
        <translation>스캔 결과</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>모든 유형</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>비디오</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>오디오</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>압축 파일</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>이미지</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>문서</translation>
    </message>
    <message>
        <source>Packages</source>
        <translation>패키지</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>기타</translation>
    </message>
    <message>
        <source>Largest first</source>
        <translation>큰 파일 먼저</translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation>최신 파일 먼저</translation>
    </message>
    <message>
        <source>← Back</source>
        <translation>← 뒤로</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>선택 항목 삭제</translation>
    </message>
    <message>
        <source>Local Disk</source>
        <translation>로컬 디스크</translation>
    </message>
    <message>
        <source>Remove from list</source>
        <translation>목록에서 제거</translation>
    </message>
    <message>
        <source>Add location</source>
        <translation>위치 추가</translation>
    </message>
    <message>
        <source>Select a volume above to begin scanning.</source>
        <translation>스캔을 시작하려면 위에서 볼륨을 선택하십시오.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln volume(s) selected. Sweepnook will scan for files larger than %1.</source>
        <translation>
            <numerusform>볼륨 %Ln개 선택됨. Sweepnook이 %1보다 큰 파일을 스캔합니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose Folder to Scan</source>
        <translation>스캔할 폴더 선택</translation>
    </message>
    <message>
        <source>Custom File Size</source>
        <translation>사용자 지정 파일 크기</translation>
    </message>
    <message>
        <source>Enter minimum file size (MB):</source>
        <translation>최소 파일 크기 입력(MB):</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>팁</translation>
    </message>
    <message>
        <source>Please select at least one drive to scan.</source>
        <translation>스캔할 드라이브를 하나 이상 선택하십시오.</translation>
    </message>
    <message>
        <source>No large files found that match the criteria.</source>
        <translation>조건에 맞는 대용량 파일을 찾지 못했습니다.</translation>
    </message>
    <message>
        <source>Scan Completed</source>
        <translation>스캔 완료</translation>
    </message>
    <message>
        <source>%1 freed</source>
        <translation>%1 확보됨</translation>
    </message>
    <message>
        <source>%1 in the Trash until you empty it</source>
        <translation>%1은(는) 휴지통을 비울 때까지 확보되지 않음</translation>
    </message>
    <message>
        <source>Delete this file</source>
        <translation>이 파일 삭제</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>삭제 확인</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>휴지통으로 이동</translation>
    </message>
    <message>
        <source>Delete Permanently</source>
        <translation>영구적으로 삭제</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this file?

%1
Size: %2</source>
        <translation>이 파일을 삭제하겠습니까?

%1
크기: %2</translation>
    </message>
    <message>
        <source>This file is only in iCloud: deleting it frees no space on this Mac and removes it from all your devices.</source>
        <translation>이 파일은 iCloud에만 있습니다. 삭제해도 이 Mac의 공간은 확보되지 않으며, 모든 기기에서 삭제됩니다.</translation>
    </message>
    <message>
        <source>Move to Trash keeps it until you empty the Trash. Delete Permanently cannot be undone!</source>
        <translation>‘휴지통으로 이동’을 선택하면 휴지통을 비울 때까지 파일이 남아 있습니다. ‘영구적으로 삭제’는 되돌릴 수 없습니다!</translation>
    </message>
    <message>
        <source>Move to Trash keeps them until you empty the Trash. Delete Permanently cannot be undone!</source>
        <translation>‘휴지통으로 이동’을 선택하면 휴지통을 비울 때까지 파일이 남아 있습니다. ‘영구적으로 삭제’는 되돌릴 수 없습니다!</translation>
    </message>
    <message>
        <source>Deleting...</source>
        <translation>삭제 중...</translation>
    </message>
    <message>
        <source>Unable to delete this file. It may be in use by another program.</source>
        <translation>이 파일을 삭제할 수 없습니다. 다른 프로그램에서 사용 중일 수 있습니다.</translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation>삭제 실패</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>All files have been deleted</source>
        <translation>모든 파일이 삭제되었습니다</translation>
    </message>
    <message>
        <source>%1 moved to the Trash: empty the Trash to free the space.</source>
        <translation>%1을(를) 휴지통으로 이동했습니다. 공간을 확보하려면 휴지통을 비우십시오.</translation>
    </message>
    <message>
        <source>%1 freed.</source>
        <translation>%1 확보됨.</translation>
    </message>
    <message>
        <source>Delete Completed</source>
        <translation>삭제 완료</translation>
    </message>
    <message numerus="yes">
        <source>Found %Ln large files, total %1</source>
        <translation>
            <numerusform>대용량 파일 %Ln개 발견, 총 %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln files (%1)</source>
        <translation>
            <numerusform>선택됨: 파일 %Ln개(%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete the selected %Ln files?

Total: %1</source>
        <translation>
            <numerusform>선택한 파일 %Ln개를 삭제하겠습니까?

합계: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleted %Ln files successfully.</source>
        <translation>
            <numerusform>파일 %Ln개를 삭제했습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 used</source>
        <translation>%1 사용됨</translation>
    </message>
    <message>
        <source>%1 total</source>
        <translation>전체 %1</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Finder에서 보기</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files failed to delete.</source>
        <translation>
            <numerusform>파일 %Ln개를 삭제하지 못했습니다.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LargeFileScanner</name>
    <message>
        <source>It changed since the scan</source>
        <translation>스캔 이후에 변경됨</translation>
    </message>
    <message>
        <source>It is not among the results of the scan</source>
        <translation>스캔 결과에 없습니다</translation>
    </message>
</context>
<context>
    <name>LinkManager</name>
    <message>
        <source>配置错误</source>
        <translation>구성 오류</translation>
    </message>
    <message>
        <source>无法加载页面链接。

请联系技术支持或重新安装软件。</source>
        <translation>페이지 링크를 불러올 수 없습니다.

기술 지원팀에 문의하거나 응용 프로그램을 다시 설치하십시오.</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>브라우저를 열 수 없음</translation>
    </message>
    <message>
        <source>无法打开默认浏览器。

请手动复制链接访问：
%1</source>
        <translation>기본 브라우저를 열 수 없습니다.

링크를 복사하여 직접 여십시오:
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Dashboard</source>
        <translation>대시보드</translation>
    </message>
    <message>
        <source>Junk Cleaner</source>
        <translation>정크 클리너</translation>
    </message>
    <message>
        <source>Browser Cleaner</source>
        <translation>브라우저 클리너</translation>
    </message>
    <message>
        <source>Registry Cleaner</source>
        <translation>레지스트리 클리너</translation>
    </message>
    <message>
        <source>Startup Manager</source>
        <translation>시동 항목 관리자</translation>
    </message>
    <message>
        <source>Large Files</source>
        <translation>대용량 파일</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>최적화</translation>
    </message>
    <message>
        <source>App Uninstaller</source>
        <translation>앱 제거 도구</translation>
    </message>
    <message>
        <source>Duplicate Files</source>
        <translation>중복 파일</translation>
    </message>
    <message>
        <source>Privacy Cleaner</source>
        <translation>개인정보 클리너</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>확대/축소</translation>
    </message>
    <message>
        <source>Sweepnook - Mac Cleaning Tool</source>
        <translation>Sweepnook - Mac 정리 도구</translation>
    </message>
    <message>
        <source>显示主窗口</source>
        <translation>메인 윈도우 보기</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>No items selected</source>
        <translation>선택한 항목 없음</translation>
    </message>
    <message>
        <source>Confirm Clean</source>
        <translation>정리 확인</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to clean %Ln selected items (%1)?
This action cannot be undone!</source>
        <translation>
            <numerusform>선택한 항목 %Ln개(%1)를 정리하겠습니까?
이 작업은 되돌릴 수 없습니다!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cleaned %Ln items, freed %1</source>
        <translation>
            <numerusform>항목 %Ln개를 정리하고 %1을(를) 확보했습니다</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled. %1</source>
        <translation>취소됨. %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln items could not be removed.</source>
        <translation>
            <numerusform>항목 %Ln개를 제거할 수 없습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>A clean is still running. Scan again when it has finished.</source>
        <translation>정리가 아직 진행 중입니다. 완료된 후에 다시 스캔하십시오.</translation>
    </message>
    <message>
        <source>About Sweepnook</source>
        <translation>Sweepnook에 관하여</translation>
    </message>
    <message>
        <source>by Quelmo</source>
        <translation>제작: Quelmo</translation>
    </message>
    <message>
        <source>The smartest way to keep your Mac clean, fast, and private.&lt;br&gt;Remove junk files, browser traces, duplicate files,&lt;br&gt;and privacy risks — all in one click.</source>
        <translation>Mac을 깨끗하고 빠르게, 개인정보는 안전하게 지키는 가장 스마트한 방법.&lt;br&gt;정크 파일, 브라우저 흔적, 중복 파일,&lt;br&gt;개인정보 위험을 클릭 한 번으로 모두 제거하십시오.</translation>
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
        <translation>프로그램이 메뉴 막대로 최소화되었습니다. 아이콘을 이중 클릭하면 복원됩니다.</translation>
    </message>
</context>
<context>
    <name>PrivacyCleaner</name>
    <message>
        <source>Clipboard Content</source>
        <translation>클립보드 내용</translation>
    </message>
    <message>
        <source>Text, images or files currently copied to clipboard</source>
        <translation>현재 클립보드에 복사된 텍스트, 이미지 또는 파일</translation>
    </message>
    <message>
        <source>QuickLook Preview Cache</source>
        <translation>훑어보기 미리보기 캐시</translation>
    </message>
    <message>
        <source>Cached file previews generated by macOS QuickLook</source>
        <translation>macOS 훑어보기가 생성한 파일 미리보기 캐시</translation>
    </message>
    <message>
        <source>Recent Files List</source>
        <translation>최근 사용한 파일 목록</translation>
    </message>
    <message>
        <source>macOS list of recently opened files and apps</source>
        <translation>최근에 연 파일 및 앱에 대한 macOS 목록</translation>
    </message>
    <message>
        <source>Notification History</source>
        <translation>알림 기록</translation>
    </message>
    <message>
        <source>Database logs of all received app notifications</source>
        <translation>수신한 모든 앱 알림이 기록된 데이터베이스</translation>
    </message>
    <message>
        <source>DNS Cache</source>
        <translation>DNS 캐시</translation>
    </message>
    <message>
        <source>Cached DNS lookups recording recently visited domains</source>
        <translation>최근 방문한 도메인이 기록된 DNS 조회 캐시</translation>
    </message>
</context>
<context>
    <name>PrivacyItemCard</name>
    <message>
        <source>Nothing found</source>
        <translation>발견된 항목 없음</translation>
    </message>
    <message>
        <source>Size unknown</source>
        <translation>크기 알 수 없음</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation>
            <numerusform>항목 %Ln개</numerusform>
        </translation>
    </message>
    <message>
        <source>Not scanned</source>
        <translation>스캔 안 됨</translation>
    </message>
    <message>
        <source>Cleaned</source>
        <translation>정리됨</translation>
    </message>
    <message>
        <source>%1 freed</source>
        <translation>%1 확보됨</translation>
    </message>
    <message>
        <source>Not cleaned</source>
        <translation>정리 실패</translation>
    </message>
    <message>
        <source>Safe</source>
        <translation>안전</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>주의</translation>
    </message>
    <message>
        <source>High risk</source>
        <translation>높은 위험</translation>
    </message>
    <message>
        <source>Partly cleaned</source>
        <translation>일부만 정리됨</translation>
    </message>
</context>
<context>
    <name>PrivacyPage</name>
    <message>
        <source>Privacy Cleaner</source>
        <translation>개인정보 클리너</translation>
    </message>
    <message>
        <source>Clear the traces your everyday use leaves on this Mac</source>
        <translation>일상적인 사용으로 이 Mac에 남는 흔적 지우기</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>스캔</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>정리</translation>
    </message>
    <message>
        <source>Scan stopped</source>
        <translation>스캔 중단됨</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>중단 중…</translation>
    </message>
    <message>
        <source>Scanning: %1</source>
        <translation>스캔 중: %1</translation>
    </message>
    <message>
        <source>Cleaning: %1 of %2 done</source>
        <translation>정리 중: %2개 중 %1개 완료</translation>
    </message>
    <message>
        <source>Not cleaned: %1</source>
        <translation>정리 실패: %1</translation>
    </message>
    <message numerus="yes">
        <source>Stopped before %Ln item(s)</source>
        <translation>
            <numerusform>항목 %Ln개를 남기고 중단됨</numerusform>
        </translation>
    </message>
    <message>
        <source>Scan Again</source>
        <translation>다시 스캔</translation>
    </message>
    <message>
        <source>Scan to measure the traces on this Mac</source>
        <translation>스캔하여 이 Mac에 남은 흔적을 확인하십시오</translation>
    </message>
    <message>
        <source>Scanning…</source>
        <translation>스캔 중…</translation>
    </message>
    <message>
        <source>Cleaning…</source>
        <translation>정리 중…</translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln item(s)</source>
        <translation>
            <numerusform>선택됨: 항목 %Ln개</numerusform>
        </translation>
    </message>
    <message>
        <source>No items selected</source>
        <translation>선택한 항목 없음</translation>
    </message>
    <message>
        <source>Confirm Cleaning</source>
        <translation>정리 확인</translation>
    </message>
    <message numerus="yes">
        <source>Clean %Ln selected item(s)?</source>
        <translation>
            <numerusform>선택한 항목 %Ln개를 정리하겠습니까?</numerusform>
        </translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>이 작업은 되돌릴 수 없습니다.</translation>
    </message>
    <message numerus="yes">
        <source>Cleaned %Ln item(s) · freed %1</source>
        <translation>
            <numerusform>항목 %Ln개 정리됨 · %1 확보됨</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Scanning...</source>
        <translation>스캔 중...</translation>
    </message>
    <message>
        <source>Cleaning...</source>
        <translation>정리 중...</translation>
    </message>
    <message>
        <source>正在分析系统...</source>
        <translation>시스템 분석 중...</translation>
    </message>
    <message>
        <source>正在删除文件...</source>
        <translation>파일 삭제 중...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>已清理: %1</source>
        <translation>정리됨: %1</translation>
    </message>
    <message>
        <source>完成!</source>
        <translation>완료!</translation>
    </message>
    <message>
        <source>操作失败</source>
        <translation>작업 실패</translation>
    </message>
    <message>
        <source>Partly done</source>
        <translation>일부 완료</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>실행 취소(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>실행 복귀(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>잘라내기(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>복사하기(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>붙여넣기(&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>모두 선택</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>모두 저장</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>예(&amp;Y)</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>모두 예(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>아니요(&amp;N)</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>모두 아니요(&amp;O)</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>중단</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>재시도</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>무시</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>버리기</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>재설정</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>기본값 복원</translation>
    </message>
</context>
<context>
    <name>RegistryPage</name>
    <message>
        <source>Registry cleaning is only available on Windows</source>
        <translation>레지스트리 정리는 Windows에서만 사용할 수 있습니다</translation>
    </message>
    <message>
        <source>macOS keeps its settings in preference files, not in a registry, so there is nothing to clean here.</source>
        <translation>macOS는 설정을 레지스트리가 아닌 환경설정 파일에 저장하므로 여기에서 정리할 항목이 없습니다.</translation>
    </message>
</context>
<context>
    <name>RuleTexts</name>
    <message>
        <source>System Temporary Files</source>
        <translation>시스템 임시 파일</translation>
    </message>
    <message>
        <source>System temp folder and intermediate build files</source>
        <translation>시스템 임시 폴더 및 빌드 중간 파일</translation>
    </message>
    <message>
        <source>Application Caches</source>
        <translation>앱 캐시</translation>
    </message>
    <message>
        <source>Cached data generated by installed applications</source>
        <translation>설치된 앱이 생성한 캐시 데이터</translation>
    </message>
    <message>
        <source>Browser Caches</source>
        <translation>브라우저 캐시</translation>
    </message>
    <message>
        <source>Cache files from Safari, Chrome, Firefox, Edge, Brave</source>
        <translation>Safari, Chrome, Firefox, Edge, Brave의 캐시 파일</translation>
    </message>
    <message>
        <source>Log Files</source>
        <translation>로그 파일</translation>
    </message>
    <message>
        <source>System and application log files</source>
        <translation>시스템 및 앱 로그 파일</translation>
    </message>
    <message>
        <source>Crash Reports</source>
        <translation>충돌 보고서</translation>
    </message>
    <message>
        <source>Application and system crash dump files</source>
        <translation>앱 및 시스템 충돌 덤프 파일</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>휴지통</translation>
    </message>
    <message>
        <source>Files in the Trash waiting to be permanently deleted</source>
        <translation>영구 삭제를 기다리는 휴지통 속 항목</translation>
    </message>
    <message>
        <source>Download Installers</source>
        <translation>다운로드한 설치 프로그램</translation>
    </message>
    <message>
        <source>Installer packages accumulated in the Downloads folder</source>
        <translation>다운로드 폴더에 쌓인 설치 패키지</translation>
    </message>
    <message>
        <source>QuickLook Cache</source>
        <translation>훑어보기 캐시</translation>
    </message>
    <message>
        <source>macOS QuickLook preview thumbnail cache</source>
        <translation>macOS 훑어보기의 미리보기 썸네일 캐시</translation>
    </message>
    <message>
        <source>Homebrew Cache</source>
        <translation>Homebrew 캐시</translation>
    </message>
    <message>
        <source>Homebrew package manager download and build cache</source>
        <translation>Homebrew 패키지 관리자의 다운로드 및 빌드 캐시</translation>
    </message>
    <message>
        <source>Developer Caches</source>
        <translation>개발자 캐시</translation>
    </message>
    <message>
        <source>Xcode derived data, simulators, npm, pip, Gradle, Maven caches</source>
        <translation>Xcode 파생 데이터, 시뮬레이터, npm, pip, Gradle, Maven 캐시</translation>
    </message>
    <message>
        <source>iOS Backups</source>
        <translation>iOS 백업</translation>
    </message>
    <message>
        <source>iPhone / iPad local backups stored on this Mac</source>
        <translation>이 Mac에 저장된 iPhone / iPad 로컬 백업</translation>
    </message>
    <message>
        <source>Large Old Files</source>
        <translation>오래된 대용량 파일</translation>
    </message>
    <message>
        <source>Old iOS firmware, app installers, and large unused data</source>
        <translation>오래된 iOS 펌웨어, 앱 설치 프로그램 및 사용하지 않는 대용량 데이터</translation>
    </message>
    <message>
        <source>Office Cache</source>
        <translation>Office 캐시</translation>
    </message>
    <message>
        <source>Microsoft Office and Apple iWork temporary files</source>
        <translation>Microsoft Office 및 Apple iWork 임시 파일</translation>
    </message>
    <message>
        <source>Font Cache</source>
        <translation>서체 캐시</translation>
    </message>
    <message>
        <source>System font cache files</source>
        <translation>시스템 서체 캐시 파일</translation>
    </message>
    <message>
        <source>Prefetch Files</source>
        <translation>Prefetch 파일</translation>
    </message>
    <message>
        <source>Windows Prefetch cache files</source>
        <translation>Windows Prefetch 캐시 파일</translation>
    </message>
    <message>
        <source>Windows Update Cache</source>
        <translation>Windows 업데이트 캐시</translation>
    </message>
    <message>
        <source>Windows Update download cache</source>
        <translation>Windows 업데이트 다운로드 캐시</translation>
    </message>
    <message>
        <source>Memory Dumps</source>
        <translation>메모리 덤프</translation>
    </message>
    <message>
        <source>System crash and error dump files (Windows)</source>
        <translation>시스템 충돌 및 오류 덤프 파일(Windows)</translation>
    </message>
    <message>
        <source>Windows Defender Cache</source>
        <translation>Windows Defender 캐시</translation>
    </message>
    <message>
        <source>Microsoft Defender scan history and backup cache</source>
        <translation>Microsoft Defender 검사 기록 및 백업 캐시</translation>
    </message>
    <message>
        <source>GPU Shader Cache</source>
        <translation>GPU 셰이더 캐시</translation>
    </message>
    <message>
        <source>GPU driver shader and DirectX cache (NVIDIA / AMD)</source>
        <translation>그래픽 드라이버 셰이더 및 DirectX 캐시(NVIDIA / AMD)</translation>
    </message>
    <message>
        <source>Old Windows Installation</source>
        <translation>이전 Windows 설치</translation>
    </message>
    <message>
        <source>Old system backups remaining after a Windows upgrade</source>
        <translation>Windows 업그레이드 후 남은 이전 시스템 백업</translation>
    </message>
    <message>
        <source>Browser Cache</source>
        <translation>브라우저 캐시</translation>
    </message>
    <message>
        <source>Temporary web page cache files</source>
        <translation>웹 페이지 임시 캐시 파일</translation>
    </message>
    <message>
        <source>Code Cache</source>
        <translation>코드 캐시</translation>
    </message>
    <message>
        <source>JavaScript code cache</source>
        <translation>JavaScript 코드 캐시</translation>
    </message>
    <message>
        <source>GPU Cache</source>
        <translation>GPU 캐시</translation>
    </message>
    <message>
        <source>GPU rendering cache</source>
        <translation>GPU 렌더링 캐시</translation>
    </message>
    <message>
        <source>Shader Cache</source>
        <translation>셰이더 캐시</translation>
    </message>
    <message>
        <source>GPU shader compilation cache</source>
        <translation>GPU 셰이더 컴파일 캐시</translation>
    </message>
    <message>
        <source>Service Workers</source>
        <translation>서비스 워커</translation>
    </message>
    <message>
        <source>Service Worker cache</source>
        <translation>서비스 워커 캐시</translation>
    </message>
    <message>
        <source>Blob Storage</source>
        <translation>Blob 저장소</translation>
    </message>
    <message>
        <source>Temporary binary data storage</source>
        <translation>바이너리 데이터 임시 저장소</translation>
    </message>
    <message>
        <source>WebRTC Logs</source>
        <translation>WebRTC 로그</translation>
    </message>
    <message>
        <source>Video call debug logs</source>
        <translation>영상 통화 디버그 로그</translation>
    </message>
    <message>
        <source>Browser crash report files</source>
        <translation>브라우저 충돌 보고서 파일</translation>
    </message>
    <message>
        <source>Browser Logs</source>
        <translation>브라우저 로그</translation>
    </message>
    <message>
        <source>Browser debug and error logs</source>
        <translation>브라우저 디버그 및 오류 로그</translation>
    </message>
    <message>
        <source>Website Thumbnails</source>
        <translation>웹사이트 썸네일</translation>
    </message>
    <message>
        <source>New Tab page website thumbnails</source>
        <translation>새 탭 페이지의 웹사이트 썸네일</translation>
    </message>
    <message>
        <source>Favicon Cache</source>
        <translation>파비콘 캐시</translation>
    </message>
    <message>
        <source>Website icon (favicon) cache</source>
        <translation>웹사이트 아이콘(파비콘) 캐시</translation>
    </message>
    <message>
        <source>Local Storage</source>
        <translation>로컬 저장소</translation>
    </message>
    <message>
        <source>Website Local Storage (site settings may be lost)</source>
        <translation>웹사이트 로컬 저장소(사이트 설정이 사라질 수 있음)</translation>
    </message>
    <message>
        <source>IndexedDB</source>
        <translation>IndexedDB</translation>
    </message>
    <message>
        <source>Website database storage (offline data may be lost)</source>
        <translation>웹사이트 데이터베이스 저장소(오프라인 데이터가 사라질 수 있음)</translation>
    </message>
    <message>
        <source>Cookies</source>
        <translation>쿠키</translation>
    </message>
    <message>
        <source>Website Cookies (requires re-login to all sites)</source>
        <translation>웹사이트 쿠키(모든 사이트에 다시 로그인해야 함)</translation>
    </message>
    <message>
        <source>Browsing History</source>
        <translation>방문 기록</translation>
    </message>
    <message>
        <source>Web browsing history records</source>
        <translation>웹 방문 기록</translation>
    </message>
    <message>
        <source>Download History</source>
        <translation>다운로드 기록</translation>
    </message>
    <message>
        <source>Download history records (downloaded files are not deleted)</source>
        <translation>다운로드 기록(다운로드한 파일은 삭제되지 않음)</translation>
    </message>
    <message>
        <source>Session Data</source>
        <translation>세션 데이터</translation>
    </message>
    <message>
        <source>Current and recent session data (tabs may be lost)</source>
        <translation>현재 및 최근 세션 데이터(탭이 사라질 수 있음)</translation>
    </message>
    <message>
        <source>Form Data</source>
        <translation>양식 데이터</translation>
    </message>
    <message>
        <source>Autofill form data (requires re-entry after cleaning)</source>
        <translation>자동 완성 양식 데이터(정리 후 다시 입력해야 함)</translation>
    </message>
    <message>
        <source>Safe Browsing Data</source>
        <translation>세이프 브라우징 데이터</translation>
    </message>
    <message>
        <source>Safe Browsing protection data (not recommended to clean)</source>
        <translation>세이프 브라우징 보호 데이터(정리하지 않는 것이 좋음)</translation>
    </message>
    <message>
        <source>Thumbnail Cache</source>
        <translation>썸네일 캐시</translation>
    </message>
    <message>
        <source>Preview pictures of your files made by the desktop and file manager</source>
        <translation>데스크톱과 파일 관리자가 만든 파일 미리 보기 이미지</translation>
    </message>
    <message>
        <source>Package Caches</source>
        <translation>패키지 캐시</translation>
    </message>
    <message>
        <source>Downloads and builds kept by pip, npm, Yarn, pnpm, Cargo, Go, Gradle, Maven and ccache</source>
        <translation>pip, npm, Yarn, pnpm, Cargo, Go, Gradle, Maven, ccache가 보관하는 다운로드 및 빌드 파일</translation>
    </message>
</context>
<context>
    <name>ScanProgressDialog</name>
    <message>
        <source>Scanning for large files...</source>
        <translation>대용량 파일 스캔 중...</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>준비 중...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Scanning: %1</source>
        <translation>스캔 중: %1</translation>
    </message>
    <message>
        <source>Scan Complete</source>
        <translation>스캔 완료</translation>
    </message>
    <message>
        <source>Scan completed</source>
        <translation>스캔이 완료되었습니다</translation>
    </message>
    <message>
        <source>View Results</source>
        <translation>결과 보기</translation>
    </message>
    <message numerus="yes">
        <source>Found %Ln large files (%1)</source>
        <translation>
            <numerusform>대용량 파일 %Ln개 발견(%1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>로그인 시 시작</translation>
    </message>
    <message>
        <source>Minimize to tray on close</source>
        <translation>닫을 때 메뉴 막대로 최소화</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>Confirm before cleaning</source>
        <translation>정리하기 전에 확인</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>정리</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sweepnook에 관하여</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>로그인 시 시작</translation>
    </message>
    <message>
        <source>Sweepnook could not be set to start at login. The log has the details.</source>
        <translation>Sweepnook이 로그인 시 시작되도록 설정할 수 없습니다. 자세한 내용은 로그를 확인하십시오.</translation>
    </message>
    <message>
        <source>Sweepnook could not be kept from starting at login. The log has the details.</source>
        <translation>Sweepnook이 로그인 시 시작되지 않도록 설정할 수 없습니다. 자세한 내용은 로그를 확인하십시오.</translation>
    </message>
</context>
<context>
    <name>StartupCardDelegate</name>
    <message>
        <source>Reveal in Finder</source>
        <translation>Finder에서 보기</translation>
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
        <translation>시스템</translation>
    </message>
    <message>
        <source>Startup Folder</source>
        <translation>시작 프로그램 폴더</translation>
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
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>Startup items</source>
        <translation>시동 항목</translation>
    </message>
    <message>
        <source>System-wide agents and daemons</source>
        <translation>시스템 전체 에이전트 및 데몬</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>응용 프로그램</translation>
    </message>
    <message>
        <source>Program missing</source>
        <translation>프로그램 없음</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>비활성화됨</translation>
    </message>
</context>
<context>
    <name>StartupManager</name>
    <message>
        <source>Scanning %1...</source>
        <translation>%1 스캔 중...</translation>
    </message>
    <message>
        <source>Scanning startup items...</source>
        <translation>시동 항목 스캔 중...</translation>
    </message>
    <message>
        <source>Scanning installed applications...</source>
        <translation>설치된 응용 프로그램 스캔 중...</translation>
    </message>
</context>
<context>
    <name>StartupPage</name>
    <message>
        <source>Startup Manager</source>
        <translation>시동 항목 관리자</translation>
    </message>
    <message>
        <source>Manage programs that run automatically at startup</source>
        <translation>시동 시 자동으로 실행되는 프로그램 관리</translation>
    </message>
    <message>
        <source>Search programs...</source>
        <translation>프로그램 검색...</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>새로 고침</translation>
    </message>
    <message>
        <source>⚠️ Only your own startup items can be removed</source>
        <translation>⚠️ 자신의 시동 항목만 제거할 수 있습니다</translation>
    </message>
    <message>
        <source>Scanning installed programs...</source>
        <translation>설치된 프로그램 스캔 중...</translation>
    </message>
    <message>
        <source>First load may take a few seconds</source>
        <translation>처음 불러올 때 몇 초 정도 걸릴 수 있습니다</translation>
    </message>
    <message>
        <source>Cannot Modify</source>
        <translation>수정할 수 없음</translation>
    </message>
    <message>
        <source>This startup item was not created by Sweepnook and cannot be removed here.</source>
        <translation>이 시동 항목은 Sweepnook이 만든 것이 아니므로 여기에서 제거할 수 없습니다.</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>작업 실패</translation>
    </message>
    <message>
        <source>Failed to remove &quot;%1&quot; from startup.</source>
        <translation>‘%1’을(를) 시동 항목에서 제거하지 못했습니다.</translation>
    </message>
    <message>
        <source>Failed to add &quot;%1&quot; to startup.</source>
        <translation>‘%1’을(를) 시동 항목에 추가하지 못했습니다.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln startup items</source>
        <translation>
            <numerusform>시동 항목 %Ln개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln apps</source>
        <translation>
            <numerusform>앱 %Ln개</numerusform>
        </translation>
    </message>
    <message>
        <source>No startup items or apps found</source>
        <translation>시동 항목이나 앱을 찾을 수 없음</translation>
    </message>
    <message>
        <source>No startup items match &quot;%1&quot;</source>
        <translation>“%1”과(와) 일치하는 시동 항목 없음</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Menu</source>
        <translation>메뉴</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sweepnook에 관하여</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>지원</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>언어 변경됨</translation>
    </message>
    <message>
        <source>Language has been changed.

The application will restart now.</source>
        <translation>언어가 변경되었습니다.

응용 프로그램이 지금 다시 시작됩니다.</translation>
    </message>
    <message>
        <source>Restart Failed</source>
        <translation>다시 시작 실패</translation>
    </message>
    <message>
        <source>Sweepnook could not restart itself.

Please quit and reopen it to use the new language.</source>
        <translation>Sweepnook을 다시 시작할 수 없습니다.

새 언어를 사용하려면 종료한 후 다시 여십시오.</translation>
    </message>
</context>
<context>
    <name>TweakManager</name>
    <message>
        <source>This tweak changes Windows settings and works only on Windows.</source>
        <translation>이 조정은 Windows 설정을 변경하며 Windows에서만 작동합니다.</translation>
    </message>
    <message>
        <source>Stopped before all services were changed.</source>
        <translation>모든 서비스를 변경하기 전에 중단되었습니다.</translation>
    </message>
    <message>
        <source>Could not change the start type of the service &quot;%1&quot;.</source>
        <translation>‘%1’ 서비스의 시작 유형을 변경할 수 없습니다.</translation>
    </message>
    <message>
        <source>Could not add the Ultimate Performance power plan.</source>
        <translation>‘최고의 성능’ 전원 관리 옵션을 추가할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>TweaksPage</name>
    <message>
        <source>These tweaks change Windows settings and act only on Windows. Nothing on this Mac is changed.</source>
        <translation>이 조정은 Windows 설정을 변경하며 Windows에서만 작동합니다. 이 Mac에서는 아무것도 변경되지 않습니다.</translation>
    </message>
    <message>
        <source>System Tweaks</source>
        <translation>시스템 조정</translation>
    </message>
    <message>
        <source>Fine-tune privacy, performance and interface settings of Windows</source>
        <translation>Windows의 개인정보 보호, 성능 및 인터페이스 설정 미세 조정</translation>
    </message>
    <message>
        <source>Apply recommended</source>
        <translation>권장 설정 적용</translation>
    </message>
    <message>
        <source>No tweaks are available.</source>
        <translation>사용할 수 있는 조정 항목이 없습니다.</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>주의</translation>
    </message>
    <message>
        <source>Works only with Tamper Protection switched off in Windows Security.</source>
        <translation>Windows 보안에서 변조 보호를 끈 경우에만 작동합니다.</translation>
    </message>
    <message>
        <source>Only available on Windows</source>
        <translation>Windows에서만 사용 가능</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>개인정보 보호</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>성능</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>인터페이스</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>보안</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 of %2 on</source>
        <translation>%2개 중 %1개 켜짐</translation>
    </message>
</context>
<context>
    <name>UnreadableNote</name>
    <message numerus="yes">
        <source>%Ln folders could not be read, among them %1. To include them, allow Sweepnook Full Disk Access in System Settings &gt; Privacy &amp; Security.</source>
        <translation>
            <numerusform>폴더 %Ln개(%1 포함)를 읽을 수 없습니다. 이 폴더를 포함하려면 시스템 설정 &gt; 개인정보 보호 및 보안에서 Sweepnook에 전체 디스크 접근 권한을 허용하십시오.</numerusform>
        </translation>
    </message>
</context>
</TS>
