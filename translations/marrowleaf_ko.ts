<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>TDiaryCalendar</name>
    <message>
        <source>The month calendar; days with entries are bold, Alt+Left and Alt+Right move to the previous and next day with an entry</source>
        <translation>월 달력. 일기가 있는 날은 굵게 표시되며, Alt+왼쪽 화살표와 Alt+오른쪽 화살표로 일기가 있는 이전 날과 다음 날로 이동합니다</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>이전 달</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>다음 달</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n entries, a sync tool&apos;s conflict copy</source>
        <translation>
            <numerusform>%1, 일기 %n개, 동기화 도구의 충돌 사본 있음</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, a sync tool&apos;s conflict copy</source>
        <translation>%1, 동기화 도구의 충돌 사본 있음</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n entries</source>
        <translation>
            <numerusform>%1, 일기 %n개</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TExportWindow</name>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>HTML</source>
        <translation>HTML</translation>
    </message>
    <message>
        <source>Markdown</source>
        <translation>Markdown</translation>
    </message>
    <message>
        <source>Plain text</source>
        <translation>일반 텍스트</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>Could not export to %1:
%2</source>
        <translation>%1(으)로 내보낼 수 없습니다:
%2</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>시작(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>끝(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Whole diary</source>
        <translation>일기장 전체(&amp;W)</translation>
    </message>
    <message>
        <source>Whole diary</source>
        <translation>일기장 전체</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>탭</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>찾아보기(&amp;B)…</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>찾아보기…</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>형식(&amp;O)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>F&amp;ile</source>
        <translation>파일(&amp;I)</translation>
    </message>
    <message>
        <source>diary</source>
        <translation>일기</translation>
    </message>
    <message>
        <source>One &amp;day per page</source>
        <translation>한 페이지에 하루씩(&amp;D)</translation>
    </message>
    <message>
        <source>One day per page</source>
        <translation>한 페이지에 하루씩</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>내보내기(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>인쇄(&amp;P)</translation>
    </message>
    <message>
        <source>Marrowleaf diary</source>
        <translation>Marrowleaf 일기</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 ~ %2</translation>
    </message>
    <message>
        <source>Choose a file to export to.</source>
        <translation>내보낼 파일을 선택하십시오.</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>내보내는 중…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>TFindWindow</name>
    <message>
        <source>, tab </source>
        <translation>, 탭 </translation>
    </message>
    <message>
        <source>, not saved yet</source>
        <translation>, 아직 저장 안 됨</translation>
    </message>
    <message>
        <source> · not saved yet</source>
        <translation> · 아직 저장 안 됨</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>찾기</translation>
    </message>
    <message>
        <source>Words to find, &quot;a phrase&quot; in quotes</source>
        <translation>찾을 단어, &quot;구절&quot;은 따옴표로 묶기</translation>
    </message>
    <message>
        <source>Words to find in every entry; double quotes make a phrase</source>
        <translation>모든 일기에서 찾을 단어. 큰따옴표로 묶으면 하나의 구절이 됩니다</translation>
    </message>
    <message>
        <source>Entries found</source>
        <translation>찾은 일기</translation>
    </message>
    <message>
        <source>Newest first; Enter shows the entry with the words selected</source>
        <translation>최신 순. Enter 키를 누르면 단어가 선택된 상태로 일기를 보여 줍니다</translation>
    </message>
    <message>
        <source>How many entries were found</source>
        <translation>찾은 일기 수</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>찾는 중…</translation>
    </message>
    <message>
        <source>No entry holds &quot;%1&quot;.</source>
        <translation>“%1”이(가) 들어 있는 일기가 없습니다.</translation>
    </message>
    <message>
        <source>1 entry found</source>
        <translation>일기 1개를 찾았습니다</translation>
    </message>
    <message>
        <source>%1 entries found</source>
        <translation>일기 %1개를 찾았습니다</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>%1-%2-%3, tab &quot;%4&quot;</source>
        <translation>%1-%2-%3, “%4” 탭</translation>
    </message>
    <message>
        <source>Text typed in an earlier run was never saved, for:
%1

It is kept as unsaved text in each entry&apos;s history (File, History), where it can be restored.</source>
        <translation>지난번 실행에서 입력한 텍스트가 저장되지 않았습니다. 해당 일기:
%1

각 일기의 기록(파일 → 기록)에 저장되지 않은 텍스트로 보관되어 있으며, 거기서 복원할 수 있습니다.</translation>
    </message>
    <message>
        <source>The editor is set by the key EDITOR in the section [GENERAL] of
%1
The editor must stay open until you are done with the entry, for example
EDITOR = gedit --wait, kate --block, gvim -f or code --wait.</source>
        <translation>편집기는 다음 파일의 [GENERAL] 섹션에 있는 EDITOR 키로 설정합니다:
%1
편집기는 일기 편집을 마칠 때까지 열려 있어야 합니다. 예:
EDITOR = gedit --wait, kate --block, gvim -f 또는 code --wait</translation>
    </message>
    <message>
        <source>No editor is set.</source>
        <translation>편집기가 설정되지 않았습니다.</translation>
    </message>
    <message>
        <source>%1 is a link to a file outside the diary. It is shown read-only and not handed to an editor.</source>
        <translation>%1은(는) 일기장 밖의 파일을 가리키는 링크입니다. 읽기 전용으로 표시되며 편집기에 넘기지 않습니다.</translation>
    </message>
    <message>
        <source>The text of %1 could not be kept in its history:
%2</source>
        <translation>%1의 텍스트를 기록에 보관할 수 없습니다:
%2</translation>
    </message>
    <message>
        <source>The editor &quot;%1&quot; ended abnormally and left the entry unchanged.</source>
        <translation>편집기 “%1”이(가) 비정상적으로 끝났으며 일기는 바뀌지 않았습니다.</translation>
    </message>
    <message>
        <source>The editor &quot;%1&quot; ended with exit status %2 and left the entry unchanged.</source>
        <translation>편집기 “%1”이(가) 종료 상태 %2(으)로 끝났으며 일기는 바뀌지 않았습니다.</translation>
    </message>
    <message>
        <source>The editor returned at once; it may still be open in a window of its own.
The diary shows what it saves there as soon as it is saved.</source>
        <translation>편집기가 바로 돌아왔습니다. 별도의 창에서 아직 열려 있을 수 있습니다.
거기서 저장한 내용은 저장되는 즉시 일기에 표시됩니다.</translation>
    </message>
    <message>
        <source>No program named &quot;%1&quot; was found.</source>
        <translation>“%1”(이)라는 프로그램을 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>Could not start the editor &quot;%1&quot;: %2</source>
        <translation>편집기 “%1”을(를) 시작할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Entry of %1</source>
        <translation>%1 일기</translation>
    </message>
    <message>
        <source>File does not exist. push &apos;create&apos; button.</source>
        <translation>파일이 없습니다. ‘만들기’ 버튼을 누르십시오.</translation>
    </message>
    <message>
        <source>No entry yet for %1</source>
        <translation>%1 일기가 아직 없습니다</translation>
    </message>
    <message>
        <source>Entry of %1, read-only: a link to a file outside the diary</source>
        <translation>%1 일기, 읽기 전용: 일기장 밖의 파일을 가리키는 링크</translation>
    </message>
    <message>
        <source>Entry of %1, read-only</source>
        <translation>%1 일기, 읽기 전용</translation>
    </message>
    <message>
        <source>Another program had changed %1 since it was shown.
Your text was saved; the other version is in the entry&apos;s history (File, History).</source>
        <translation>%1이(가) 표시된 뒤에 다른 프로그램이 변경했습니다.
입력한 텍스트는 저장했습니다. 다른 버전은 일기의 기록(파일 → 기록)에 있습니다.</translation>
    </message>
    <message>
        <source>The text that %1 held before could not be kept in its history:
%2</source>
        <translation>%1의 이전 텍스트를 기록에 보관할 수 없습니다:
%2</translation>
    </message>
    <message>
        <source>The text of the shown entry, saved; the text it replaced is in its history</source>
        <translation>표시된 일기의 텍스트, 저장됨. 바뀌기 전 텍스트는 기록에 있습니다</translation>
    </message>
    <message>
        <source>%1/%2/%3, tab &quot;%4&quot;</source>
        <translation>%1. %2. %3. “%4” 탭</translation>
    </message>
    <message>
        <source>the entry of %1</source>
        <translation>%1 일기</translation>
    </message>
    <message>
        <source>Could not save %1:
%2</source>
        <translation>%1을(를) 저장할 수 없습니다:
%2</translation>
    </message>
    <message>
        <source>The text was kept in
%1</source>
        <translation>텍스트를 다음 위치에 보관했습니다:
%1</translation>
    </message>
    <message>
        <source>The text of the shown entry, not saved; kept in a recovery file</source>
        <translation>표시된 일기의 텍스트, 저장 안 됨. 복구 파일에 보관됨</translation>
    </message>
    <message>
        <source>The text could not be kept either (%1). Copy it out of the window before another entry is shown.</source>
        <translation>텍스트를 보관할 수도 없었습니다(%1). 다른 일기가 표시되기 전에 창에서 텍스트를 복사해 두십시오.</translation>
    </message>
    <message>
        <source>Marrowleaf v0.02a</source>
        <translation>Marrowleaf v0.02a</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>찾기(&amp;F)…</translation>
    </message>
    <message>
        <source>&amp;History…</source>
        <translation>기록(&amp;H)…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>내보내기(&amp;E)…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>인쇄(&amp;P)…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>끝내기(&amp;X)</translation>
    </message>
    <message>
        <source>Previous day with an entry</source>
        <translation>일기가 있는 이전 날</translation>
    </message>
    <message>
        <source>Next day with an entry</source>
        <translation>일기가 있는 다음 날</translation>
    </message>
    <message>
        <source>today</source>
        <translation>오늘</translation>
    </message>
    <message>
        <source>launch editor</source>
        <translation>편집기</translation>
    </message>
    <message>
        <source>create</source>
        <translation>만들기</translation>
    </message>
    <message>
        <source>autosave without confirm</source>
        <translation>확인 없이 자동 저장</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>이전 해</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>다음 해</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>이전 달</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>다음 달</translation>
    </message>
    <message>
        <source>Show today</source>
        <translation>오늘 보기</translation>
    </message>
    <message>
        <source>Open this entry in the external editor</source>
        <translation>이 일기를 외부 편집기에서 열기</translation>
    </message>
    <message>
        <source>Create this day&apos;s entry</source>
        <translation>이 날의 일기 만들기</translation>
    </message>
    <message>
        <source>Save without asking</source>
        <translation>묻지 않고 저장</translation>
    </message>
    <message>
        <source>Today&apos;s date</source>
        <translation>오늘 날짜</translation>
    </message>
    <message>
        <source>One tab per kind of entry; a plus sign marks a tab whose entry exists</source>
        <translation>일기 종류마다 탭 하나. 더하기 기호는 일기가 있는 탭을 나타냅니다</translation>
    </message>
    <message>
        <source>The text of the shown entry</source>
        <translation>표시된 일기의 텍스트</translation>
    </message>
    <message>
        <source>Invalid date: year %1, month %2, day %3</source>
        <translation>잘못된 날짜: %1년 %2월 %3일</translation>
    </message>
    <message>
        <source>The calendar cannot show this date</source>
        <translation>달력에서 이 날짜를 표시할 수 없습니다</translation>
    </message>
</context>
<context>
    <name>THistoryWindow</name>
    <message>
        <source>1 byte</source>
        <translation>1바이트</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1바이트</translation>
    </message>
    <message>
        <source>History of %1</source>
        <translation>%1의 기록</translation>
    </message>
    <message>
        <source>No entry is shown, so there is no history to show.</source>
        <translation>표시된 일기가 없으므로 보여 줄 기록이 없습니다.</translation>
    </message>
    <message>
        <source>This entry has no earlier versions yet.</source>
        <translation>이 일기에는 아직 이전 버전이 없습니다.</translation>
    </message>
    <message>
        <source>1 earlier version</source>
        <translation>이전 버전 1개</translation>
    </message>
    <message>
        <source>%1 earlier versions</source>
        <translation>이전 버전 %1개</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>복원(&amp;R)</translation>
    </message>
    <message>
        <source>Versions</source>
        <translation>버전</translation>
    </message>
    <message>
        <source>The entry&apos;s texts, newest first: the file now, unsaved text, earlier versions</source>
        <translation>일기의 텍스트, 최신 순: 현재 파일, 저장되지 않은 텍스트, 이전 버전</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>미리 보기</translation>
    </message>
    <message>
        <source>The chosen version&apos;s text</source>
        <translation>선택한 버전의 텍스트</translation>
    </message>
    <message>
        <source>Put the chosen text into the entry, to be saved like typing</source>
        <translation>선택한 텍스트를 일기에 넣습니다. 직접 입력한 텍스트처럼 저장됩니다</translation>
    </message>
    <message>
        <source>Now in the entry file</source>
        <translation>현재 일기 파일의 내용</translation>
    </message>
    <message>
        <source>unsaved text from %1</source>
        <translation>%1의 저장되지 않은 텍스트</translation>
    </message>
    <message>
        <source>written by another program</source>
        <translation>다른 프로그램이 씀</translation>
    </message>
    <message>
        <source>copy made by a sync tool: %1</source>
        <translation>동기화 도구가 만든 사본: %1</translation>
    </message>
</context>
<context>
    <name>TPrompts</name>
    <message>
        <source>text modified</source>
        <translation>텍스트 수정됨</translation>
    </message>
    <message>
        <source>save?</source>
        <translation>저장하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>TSpellChecker</name>
    <message>
        <source>The word &quot;%1&quot; could not be added to your personal word list. It counts as right until the diary is closed.</source>
        <translation>“%1” 단어를 개인 사전에 추가할 수 없습니다. 일기장을 닫을 때까지는 맞는 단어로 취급합니다.</translation>
    </message>
    <message>
        <source>No suggestions</source>
        <translation>추천 단어 없음</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>사전에 추가</translation>
    </message>
    <message>
        <source>Ignore All</source>
        <translation>모두 무시</translation>
    </message>
    <message>
        <source>Check Spelling</source>
        <translation>맞춤법 검사</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>No dictionaries installed</source>
        <translation>설치된 사전 없음</translation>
    </message>
</context>
</TS>
