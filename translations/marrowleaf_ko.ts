<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>ImportFormat</name>
    <message>
        <source>A Day One export</source>
        <translation>Day One 내보내기</translation>
    </message>
    <message>
        <source>a Day One export (.zip, folder or .json)</source>
        <translation>Day One 내보내기(.zip, 폴더 또는 .json)</translation>
    </message>
    <message>
        <source>A Diaro backup</source>
        <translation>Diaro 백업</translation>
    </message>
    <message>
        <source>a Diaro backup (.zip)</source>
        <translation>Diaro 백업(.zip)</translation>
    </message>
    <message>
        <source>A jrnl journal</source>
        <translation>jrnl 저널</translation>
    </message>
    <message>
        <source>a jrnl journal</source>
        <translation>jrnl 저널</translation>
    </message>
    <message>
        <source>A RedNotebook journal</source>
        <translation>RedNotebook 저널</translation>
    </message>
    <message>
        <source>RedNotebook&apos;s data folder</source>
        <translation>RedNotebook 데이터 폴더</translation>
    </message>
</context>
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
    <name>TEncryptionWindow</name>
    <message>
        <source>Encryption</source>
        <translation>암호화</translation>
    </message>
    <message>
        <source>&amp;Repeat password:</source>
        <translation>암호 확인(&amp;R):</translation>
    </message>
    <message>
        <source>&amp;Encrypt</source>
        <translation>암호화(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Change password…</source>
        <translation>암호 변경(&amp;C)…</translation>
    </message>
    <message>
        <source>&amp;Decrypt…</source>
        <translation>복호화(&amp;D)…</translation>
    </message>
    <message>
        <source>Encrypt the &amp;plain entries</source>
        <translation>암호화되지 않은 일기 암호화(&amp;P)</translation>
    </message>
    <message>
        <source>Re&amp;member the password on this device</source>
        <translation>이 기기에서 암호 기억(&amp;M)</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s keyring, for this diary</source>
        <translation>데스크톱 키링에 이 일기용으로 보관됩니다</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>결과</translation>
    </message>
    <message>
        <source>Too short: a password needs at least %1 characters.</source>
        <translation>너무 짧습니다: 암호는 %1자 이상이어야 합니다.</translation>
    </message>
    <message>
        <source>Weak: a longer password, or a few unrelated words, is far harder to guess.</source>
        <translation>약함: 더 긴 암호나 서로 관계없는 단어 몇 개는 훨씬 추측하기 어렵습니다.</translation>
    </message>
    <message>
        <source>Fair: a few more characters or words make it strong.</source>
        <translation>보통: 글자나 단어를 몇 개 더하면 강해집니다.</translation>
    </message>
    <message>
        <source>Strong.</source>
        <translation>강함.</translation>
    </message>
    <message>
        <source>This diary is not encrypted: anyone who has its folder can read its entries. Encrypting keeps every entry, its history, its drafts and its pictures readable only with the password; sync tools and the history go on working.</source>
        <translation>이 일기는 암호화되어 있지 않습니다. 폴더를 가진 사람은 누구나 일기를 읽을 수 있습니다. 암호화하면 모든 일기와 그 기록, 초안, 그림을 암호로만 읽을 수 있습니다. 동기화 도구와 기록은 계속 작동합니다.</translation>
    </message>
    <message>
        <source>This diary is encrypted: its entries, their history, drafts and pictures open only with its password.</source>
        <translation>이 일기는 암호화되어 있습니다. 일기와 그 기록, 초안, 그림은 암호로만 열 수 있습니다.</translation>
    </message>
    <message>
        <source>Two devices encrypted it, each with a key of its own: the files of both open. &quot;Encrypt the plain entries&quot; seals them all anew under this device&apos;s key.</source>
        <translation>두 기기가 각자의 키로 암호화했습니다. 두 기기의 파일이 모두 열립니다. &apos;암호화되지 않은 일기 암호화&apos;를 누르면 모두 이 기기의 키로 다시 봉인합니다.</translation>
    </message>
    <message>
        <source>&amp;New password:</source>
        <translation>새 암호(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>암호(&amp;P):</translation>
    </message>
    <message numerus="yes">
        <source>%n files of the diary are plain: written by another program or device, or before it was encrypted. They are encrypted when they are saved, or by &quot;Encrypt the plain entries&quot;.</source>
        <translation>
            <numerusform>일기의 파일 %n개가 암호화되어 있지 않습니다. 다른 프로그램이나 기기가 썼거나 암호화 전에 쓴 파일입니다. 저장할 때나 &apos;암호화되지 않은 일기 암호화&apos;로 암호화됩니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files are encrypted with a key that this password does not open:</source>
        <translation>
            <numerusform>파일 %n개가 이 암호로 열리지 않는 키로 암호화되어 있습니다:</numerusform>
        </translation>
    </message>
    <message>
        <source>The two passwords differ. Type the same password twice.</source>
        <translation>두 암호가 다릅니다. 같은 암호를 두 번 입력하세요.</translation>
    </message>
    <message>
        <source>Making the diary&apos;s key…</source>
        <translation>일기의 키를 만드는 중…</translation>
    </message>
    <message>
        <source>The diary could not be encrypted:
%1</source>
        <translation>일기를 암호화하지 못했습니다:
%1</translation>
    </message>
    <message>
        <source>The password is wrong. Nothing was changed.</source>
        <translation>암호가 틀렸습니다. 아무것도 바꾸지 않았습니다.</translation>
    </message>
    <message>
        <source>Enter the diary&apos;s current password.</source>
        <translation>일기의 현재 암호를 입력하세요.</translation>
    </message>
    <message>
        <source>Changing the password…</source>
        <translation>암호를 바꾸는 중…</translation>
    </message>
    <message>
        <source>The password could not be changed:
%1</source>
        <translation>암호를 바꾸지 못했습니다:
%1</translation>
    </message>
    <message>
        <source>The password is changed. Other devices use the new one as soon as the key file reaches them.</source>
        <translation>암호를 바꿨습니다. 다른 기기는 키 파일이 도착하는 대로 새 암호를 씁니다.</translation>
    </message>
    <message>
        <source>Decrypting writes every entry, its history and its pictures as plain files again, readable by anyone who has the folder. Enter the diary&apos;s password to decrypt it.</source>
        <translation>복호화하면 모든 일기와 그 기록, 그림이 다시 암호화되지 않은 파일로 쓰여 폴더를 가진 누구나 읽을 수 있게 됩니다. 복호화하려면 일기의 암호를 입력하세요.</translation>
    </message>
    <message>
        <source>Encrypting the diary…</source>
        <translation>일기를 암호화하는 중…</translation>
    </message>
    <message>
        <source>Decrypting the diary…</source>
        <translation>일기를 복호화하는 중…</translation>
    </message>
    <message>
        <source>Stopped. The diary works as it is, with some files converted and some not; the conversion goes on at the next start.</source>
        <translation>중지했습니다. 일기는 일부 파일만 변환된 채로 그대로 작동합니다. 변환은 다음 시작 때 이어집니다.</translation>
    </message>
    <message>
        <source>The diary is encrypted.</source>
        <translation>일기를 암호화했습니다.</translation>
    </message>
    <message>
        <source>The diary is decrypted: its files are plain again.</source>
        <translation>일기를 복호화했습니다. 파일이 다시 암호화되지 않은 상태입니다.</translation>
    </message>
    <message>
        <source>The diary stays encrypted: some files could not be decrypted.</source>
        <translation>일기는 암호화된 상태로 남습니다. 일부 파일을 복호화하지 못했습니다.</translation>
    </message>
    <message>
        <source>These files were left as they are:</source>
        <translation>다음 파일은 그대로 두었습니다:</translation>
    </message>
    <message>
        <source>The password could not be kept in the desktop&apos;s keyring:
%1</source>
        <translation>암호를 데스크톱 키링에 보관하지 못했습니다:
%1</translation>
    </message>
    <message>
        <source>Enter the diary&apos;s password to keep it in the desktop&apos;s keyring.</source>
        <translation>데스크톱 키링에 보관하려면 일기의 암호를 입력하세요.</translation>
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
    <message>
        <source>&amp;Print…</source>
        <translation>인쇄(&amp;P)…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>인쇄…</translation>
    </message>
    <message>
        <source>Pre&amp;view…</source>
        <translation>미리 보기(&amp;V)…</translation>
    </message>
    <message>
        <source>Preview…</source>
        <translation>미리 보기…</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1이(가) 이미 있습니다.
바꾸시겠습니까?</translation>
    </message>
    <message>
        <source>No day from %1 to %2 holds an entry of the chosen tabs: nothing was exported.</source>
        <translation>%1부터 %2까지 선택한 탭의 일기가 있는 날이 없습니다. 아무것도 내보내지 않았습니다.</translation>
    </message>
    <message>
        <source>No day from %1 to %2 holds an entry of the chosen tabs: nothing was printed.</source>
        <translation>%1부터 %2까지 선택한 탭의 일기가 있는 날이 없습니다. 아무것도 인쇄하지 않았습니다.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>외 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>These could not be read:
%1

Export without them?</source>
        <translation>다음을 읽을 수 없습니다:
%1

이것들을 빼고 내보내시겠습니까?</translation>
    </message>
    <message>
        <source>These could not be read:
%1

Print without them?</source>
        <translation>다음을 읽을 수 없습니다:
%1

이것들을 빼고 인쇄하시겠습니까?</translation>
    </message>
    <message>
        <source>Could not print on %1.</source>
        <translation>%1에서 인쇄할 수 없습니다.</translation>
    </message>
    <message>
        <source>This diary is encrypted, and the export is not: %1 (and its pictures) will be plain files that anyone who has them can read.
Export anyway?</source>
        <translation>이 일기는 암호화되어 있지만 내보내기는 암호화되지 않습니다: %1(과 그림)은 가진 사람이 누구나 읽을 수 있는 암호화되지 않은 파일이 됩니다.
그래도 내보낼까요?</translation>
    </message>
</context>
<context>
    <name>TFindWindow</name>
    <message>
        <source>Find</source>
        <translation>찾기</translation>
    </message>
    <message>
        <source>Words to find, &quot;a phrase&quot; in quotes</source>
        <translation>찾을 단어, &quot;구절&quot;은 따옴표로 묶기</translation>
    </message>
    <message>
        <source>Words to find in every entry; quotation marks make a phrase</source>
        <translation>모든 일기에서 찾을 단어. 따옴표로 묶으면 구절이 됩니다</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
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
    <message>
        <source>%1, tab &quot;%2&quot;</source>
        <translation>%1, 탭 “%2”</translation>
    </message>
    <message>
        <source>&amp;Tags…</source>
        <translation>태그(&amp;T)…</translation>
    </message>
    <message>
        <source>Te&amp;mplates…</source>
        <translation>템플릿(&amp;M)…</translation>
    </message>
    <message>
        <source>&amp;Look Back…</source>
        <translation>돌아보기(&amp;L)…</translation>
    </message>
    <message>
        <source>The template %1 cannot be used:
%2

The new entry starts empty.</source>
        <translation>템플릿 %1을(를) 사용할 수 없습니다:
%2

새 일기는 빈 상태로 시작합니다.</translation>
    </message>
    <message>
        <source>The template %1 could not be written into the new entry:
%2

The new entry starts empty.</source>
        <translation>템플릿 %1을(를) 새 일기에 쓸 수 없습니다:
%2

새 일기는 빈 상태로 시작합니다.</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>가져오기(&amp;I)…</translation>
    </message>
    <message>
        <source>I&amp;nsert Picture…</source>
        <translation>그림 삽입(&amp;N)…</translation>
    </message>
    <message>
        <source>Insert Picture</source>
        <translation>그림 삽입</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>그림 (%1)</translation>
    </message>
    <message>
        <source>The picture %1 could not be read:
%2</source>
        <translation>그림 %1을(를) 읽을 수 없습니다:
%2</translation>
    </message>
    <message>
        <source>%1 is not a picture the diary can show (PNG, JPEG, GIF, BMP or WebP).</source>
        <translation>%1은(는) 일기에서 보여 줄 수 있는 그림이 아닙니다 (PNG, JPEG, GIF, BMP, WebP).</translation>
    </message>
    <message>
        <source>The picture could not be kept with %1:
%2</source>
        <translation>그림을 %1에 보관할 수 없습니다:
%2</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>그림 열기</translation>
    </message>
    <message>
        <source>The import cannot be used: its part of the program could not be loaded (%1).</source>
        <translation>가져오기를 사용할 수 없습니다: 프로그램의 해당 부분을 불러오지 못했습니다 (%1).</translation>
    </message>
    <message>
        <source>%1 cannot be read, and is not handed to an editor.</source>
        <translation>%1을(를) 읽을 수 없어 편집기에 넘기지 않습니다.</translation>
    </message>
    <message>
        <source>No private folder could be made for the editor&apos;s copy of %1.</source>
        <translation>%1의 편집기용 사본을 둘 비공개 폴더를 만들지 못했습니다.</translation>
    </message>
    <message>
        <source>The editor returned at once, and its copy of the encrypted entry is removed: what it saves now is lost. Set an editor that stays open until you are done.</source>
        <translation>편집기가 바로 돌아와 암호화된 일기의 사본을 지웠습니다. 지금 저장하는 내용은 사라집니다. 작업이 끝날 때까지 열려 있는 편집기를 설정하세요.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>읽을 수 없음 (%1)</translation>
    </message>
    <message>
        <source>it is no key file</source>
        <translation>키 파일이 아님</translation>
    </message>
    <message>
        <source>it was written by a newer version of the program</source>
        <translation>더 새 버전의 프로그램이 썼음</translation>
    </message>
    <message>
        <source>this device lacks the memory its password needs</source>
        <translation>이 기기에는 그 암호에 필요한 메모리가 없음</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>손상됨</translation>
    </message>
    <message>
        <source>This diary is encrypted. Enter its password to open it.</source>
        <translation>이 일기는 암호화되어 있습니다. 열려면 암호를 입력하세요.</translation>
    </message>
    <message>
        <source>The password could not be kept in the desktop&apos;s keyring:
%1</source>
        <translation>암호를 데스크톱 키링에 보관하지 못했습니다:
%1</translation>
    </message>
    <message>
        <source>The password is wrong. Enter the password of this diary.</source>
        <translation>암호가 틀렸습니다. 이 일기의 암호를 입력하세요.</translation>
    </message>
    <message>
        <source>Two devices encrypted this diary, each with a password of its own, and a sync tool kept both key files. Enter the other device&apos;s password too, or Cancel to open only the entries that this password opens.</source>
        <translation>두 기기가 각자의 암호로 이 일기를 암호화했고, 동기화 도구가 두 키 파일을 모두 남겼습니다. 다른 기기의 암호도 입력하거나, [취소]를 눌러 이 암호로 열리는 일기만 여세요.</translation>
    </message>
    <message>
        <source>This diary is encrypted, but none of its key files can be used:
%1

Nothing was read or written.</source>
        <translation>이 일기는 암호화되어 있지만 쓸 수 있는 키 파일이 없습니다:
%1

아무것도 읽거나 쓰지 않았습니다.</translation>
    </message>
    <message>
        <source>This entry cannot be read: it is encrypted, and the diary has no key file (marrowleaf.key) to open it with. Bring the key file back from a copy of the diary or another device, then start the diary again.</source>
        <translation>이 일기는 읽을 수 없습니다. 암호화되어 있는데 일기에 이를 열 키 파일(marrowleaf.key)이 없습니다. 일기의 사본이나 다른 기기에서 키 파일을 가져온 뒤 일기를 다시 시작하세요.</translation>
    </message>
    <message>
        <source>This entry cannot be read: it is encrypted with a key that the diary&apos;s password does not open (another device&apos;s password, or another diary&apos;s). Its earlier versions are in File, History.</source>
        <translation>이 일기는 읽을 수 없습니다. 일기의 암호로 열리지 않는 키(다른 기기나 다른 일기의 암호)로 암호화되어 있습니다. 이전 버전은 [파일] &gt; [기록]에 있습니다.</translation>
    </message>
    <message>
        <source>This entry cannot be read: its encrypted file is damaged (changed or cut short since it was written). Its earlier versions are in File, History, where one can be restored.</source>
        <translation>이 일기는 읽을 수 없습니다. 암호화된 파일이 손상되었습니다(쓴 뒤에 바뀌었거나 잘렸음). 이전 버전은 [파일] &gt; [기록]에 있으며 거기서 복원할 수 있습니다.</translation>
    </message>
    <message>
        <source>Entry of %1, cannot be read</source>
        <translation>%1 일기, 읽을 수 없음</translation>
    </message>
    <message>
        <source>The text was kept, encrypted, as unsaved text in the entry&apos;s history (File, History).</source>
        <translation>텍스트는 암호화된 채 저장되지 않은 텍스트로 일기의 기록([파일] &gt; [기록])에 보관했습니다.</translation>
    </message>
    <message>
        <source>En&amp;cryption…</source>
        <translation>암호화(&amp;C)…</translation>
    </message>
</context>
<context>
    <name>TFoundEntries</name>
    <message>
        <source>%1, tab %2, not saved yet: %3</source>
        <translation>%1, 탭 %2, 아직 저장 안 됨: %3</translation>
    </message>
    <message>
        <source>%1, tab %2: %3</source>
        <translation>%1, 탭 %2: %3</translation>
    </message>
    <message>
        <source>not saved yet</source>
        <translation>아직 저장 안 됨</translation>
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
    <message numerus="yes">
        <source>%n entries found</source>
        <translation>
            <numerusform>일기 %n개를 찾았습니다</numerusform>
        </translation>
    </message>
    <message>
        <source>No entry holds &quot;%1&quot;.</source>
        <translation>“%1”이(가) 들어 있는 일기가 없습니다.</translation>
    </message>
</context>
<context>
    <name>THistoryWindow</name>
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
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n바이트</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n earlier versions</source>
        <translation>
            <numerusform>이전 버전 %n개</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TImportWindow</name>
    <message>
        <source>Import</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>원본</translation>
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
        <source>A &amp;file…</source>
        <translation>파일(&amp;F)…</translation>
    </message>
    <message>
        <source>A f&amp;older…</source>
        <translation>폴더(&amp;O)…</translation>
    </message>
    <message>
        <source>&amp;Source</source>
        <translation>원본(&amp;S)</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>탭</translation>
    </message>
    <message>
        <source>&amp;Tab</source>
        <translation>탭(&amp;T)</translation>
    </message>
    <message>
        <source>What the import will do</source>
        <translation>가져오기에서 할 작업</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>가져오기(&amp;I)</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>%1 읽는 중…</translation>
    </message>
    <message>
        <source>%1: not a diary that can be imported here</source>
        <translation>%1: 여기서 가져올 수 있는 일기장이 아닙니다</translation>
    </message>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1: 읽을 수 없습니다(%2)</translation>
    </message>
    <message>
        <source>%1: does not parse (%2)</source>
        <translation>%1: 해석할 수 없습니다(%2)</translation>
    </message>
    <message>
        <source>%1: not an entry (%2)</source>
        <translation>%1: 일기가 아닙니다(%2)</translation>
    </message>
    <message>
        <source>%1: a date that does not exist (%2)</source>
        <translation>%1: 존재하지 않는 날짜입니다(%2)</translation>
    </message>
    <message>
        <source>%1: the attachment %2 is missing; its link is kept</source>
        <translation>%1: 첨부 파일 %2이(가) 없습니다. 링크는 유지됩니다</translation>
    </message>
    <message numerus="yes">
        <source>Coordinates of places: %n (the places&apos; names are kept)</source>
        <translation>
            <numerusform>장소 좌표: %n개(장소 이름은 유지됩니다)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Day One&apos;s formatting of entries: %n (their Markdown text is kept)</source>
        <translation>
            <numerusform>Day One 일기 서식: %n개(Markdown 텍스트는 유지됩니다)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moods of entries: %n</source>
        <translation>
            <numerusform>일기의 기분: %n개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Folders of entries: %n (all go to the chosen tab)</source>
        <translation>
            <numerusform>일기 폴더: %n개(모두 선택한 탭으로 들어갑니다)</numerusform>
        </translation>
    </message>
    <message>
        <source>No place in a plain entry:</source>
        <translation>일반 일기에 담을 수 없는 항목:</translation>
    </message>
    <message>
        <source>Could not be read:</source>
        <translation>읽을 수 없는 항목:</translation>
    </message>
    <message>
        <source>Nothing to import.</source>
        <translation>가져올 항목이 없습니다.</translation>
    </message>
    <message numerus="yes">
        <source>Entries: %n</source>
        <translation>
            <numerusform>일기: %n개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Days: %n</source>
        <translation>
            <numerusform>일수: %n일</numerusform>
        </translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation>%1부터 %2까지</translation>
    </message>
    <message numerus="yes">
        <source>Days that already hold an entry: %n (kept; the imported text is added after it)</source>
        <translation>
            <numerusform>이미 일기가 있는 날: %n일(기존 일기는 유지되고 가져온 텍스트가 뒤에 추가됩니다)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Days that hold this import already: %n (left as they are)</source>
        <translation>
            <numerusform>이미 이 가져오기가 들어 있는 날: %n일(그대로 둡니다)</numerusform>
        </translation>
    </message>
    <message>
        <source>Journals without a tab of their name: %1</source>
        <translation>이름이 같은 탭이 없는 저널: %1</translation>
    </message>
    <message>
        <source>No tab is named after the journals %1. Add a tab of that name for each to the diary?</source>
        <translation>저널 %1와(과) 이름이 같은 탭이 없습니다. 각 저널의 이름으로 일기장에 탭을 추가하시겠습니까?</translation>
    </message>
    <message>
        <source>The new tabs could not be written to config.ini; those journals go to the chosen tab.</source>
        <translation>새 탭을 config.ini에 쓸 수 없습니다. 해당 저널은 선택한 탭으로 들어갑니다.</translation>
    </message>
    <message>
        <source>Importing…</source>
        <translation>가져오는 중…</translation>
    </message>
    <message>
        <source>The import was cancelled.</source>
        <translation>가져오기를 취소했습니다.</translation>
    </message>
    <message>
        <source>The import is done.</source>
        <translation>가져오기를 완료했습니다.</translation>
    </message>
    <message numerus="yes">
        <source>New entries: %n</source>
        <translation>
            <numerusform>새 일기: %n개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Entries kept, with the imported text added after them: %n (their earlier text is in their history)</source>
        <translation>
            <numerusform>유지하고 뒤에 가져온 텍스트를 추가한 일기: %n개(이전 텍스트는 기록에 있습니다)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Entries that held the import already, left as they were: %n</source>
        <translation>
            <numerusform>이미 가져온 내용이 있어 그대로 둔 일기: %n개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Attachments copied: %n</source>
        <translation>
            <numerusform>복사한 첨부 파일: %n개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Days from %1 on, left as they were: %n</source>
        <translation>
            <numerusform>%1부터 그대로 둔 날: %n일</numerusform>
        </translation>
    </message>
    <message>
        <source>Not imported, left as it was: %1 (%2)</source>
        <translation>가져오지 않고 그대로 둠: %1(%2)</translation>
    </message>
    <message>
        <source>Imported, but its earlier text could not be kept in its history: %1 (%2)</source>
        <translation>가져왔지만 이전 텍스트를 기록에 보관하지 못함: %1(%2)</translation>
    </message>
    <message>
        <source>Choose a diary to import: %1.</source>
        <translation>가져올 일기장을 선택하십시오: %1.</translation>
    </message>
    <message>
        <source>%1: an encrypted backup, which cannot be read; Diaro can write a backup without encryption (.zip) to import instead</source>
        <translation>%1: 암호화된 백업이라 읽을 수 없습니다. Diaro에서 암호화하지 않은 백업(.zip)을 만들어 대신 가져오십시오</translation>
    </message>
    <message>
        <source>%1: no entry starts with a date and time of the form [2024-05-05 06:30 PM] or 2024-05-05 18:30; the line found there: %2</source>
        <translation>%1: [2024-05-05 06:30 PM] 또는 2024-05-05 18:30 형식의 날짜와 시간으로 시작하는 일기가 없습니다. 그곳에서 찾은 줄: %2</translation>
    </message>
    <message>
        <source>%1: the attachment %2 has a name no file can have here; left out</source>
        <translation>%1: 첨부 파일 %2의 이름은 여기서 파일 이름으로 쓸 수 없습니다. 건너뜁니다</translation>
    </message>
    <message>
        <source>%1: a link to a place outside the chosen folder; left out</source>
        <translation>%1: 선택한 폴더 밖을 가리키는 링크입니다. 건너뜁니다</translation>
    </message>
    <message>
        <source>%1: not a regular file (a pipe, a device or a socket); left out</source>
        <translation>%1: 일반 파일이 아닙니다(파이프, 장치 또는 소켓). 건너뜁니다</translation>
    </message>
    <message>
        <source>%1: not a day of a jrnl folder journal (YEAR/MONTH/DAY.txt); left out</source>
        <translation>%1: jrnl 폴더 저널의 날(연/월/일.txt)이 아닙니다. 건너뜁니다</translation>
    </message>
    <message>
        <source>%1: the XML entity %2 cannot be read; the text is imported without it</source>
        <translation>%1: XML 엔터티 %2을(를) 읽을 수 없습니다. 텍스트는 이것 없이 가져옵니다</translation>
    </message>
    <message numerus="yes">
        <source>…and %n more of this kind</source>
        <translation>
            <numerusform>…같은 종류가 %n개 더 있습니다</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Entries the diary holds already in the tab %1: %n (imported into this tab as well)</source>
        <translation>
            <numerusform>%1 탭에 이미 있는 일기: %n개(이 탭에도 가져옵니다)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Attachments: %n (%1, copied into the diary folder)</source>
        <translation>
            <numerusform>첨부 파일: %n개(%1, 일기장 폴더로 복사됩니다)</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was imported: the import needs %1, and the disk of the diary folder has %2 free.</source>
        <translation>아무것도 가져오지 않았습니다: 가져오기에 %1이(가) 필요하지만 일기장 폴더의 디스크에는 %2만 남아 있습니다.</translation>
    </message>
    <message>
        <source>What the import did</source>
        <translation>가져오기에서 한 작업</translation>
    </message>
    <message>
        <source>Not imported, its changes in the diary window are not saved: %1 (import again once they are)</source>
        <translation>가져오지 않음, 일기 창에서 바꾼 내용이 저장되지 않았습니다: %1 (저장한 뒤 다시 가져오십시오)</translation>
    </message>
</context>
<context>
    <name>TLookBackWindow</name>
    <message>
        <source>Look Back</source>
        <translation>돌아보기</translation>
    </message>
    <message>
        <source>On this day</source>
        <translation>이날</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>통계</translation>
    </message>
    <message>
        <source>Entries of this day in earlier years</source>
        <translation>지난 해들의 이날 일기</translation>
    </message>
    <message>
        <source>Newest first; Enter shows the entry in the diary window</source>
        <translation>최신 순. Enter 키를 누르면 일기 창에 일기를 보여 줍니다</translation>
    </message>
    <message>
        <source>Nothing was written on this day in any earlier year.</source>
        <translation>지난 어느 해에도 이날 쓴 일기가 없습니다.</translation>
    </message>
    <message>
        <source>Entries:</source>
        <translation>일기 수:</translation>
    </message>
    <message>
        <source>Days written:</source>
        <translation>쓴 날 수:</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>단어 수:</translation>
    </message>
    <message>
        <source>Characters:</source>
        <translation>문자 수:</translation>
    </message>
    <message>
        <source>Words per day written:</source>
        <translation>쓴 날의 하루 평균 단어 수:</translation>
    </message>
    <message>
        <source>Current streak:</source>
        <translation>현재 연속 기록:</translation>
    </message>
    <message>
        <source>Longest streak:</source>
        <translation>최장 연속 기록:</translation>
    </message>
    <message>
        <source>First entry:</source>
        <translation>첫 일기:</translation>
    </message>
    <message>
        <source>Latest entry:</source>
        <translation>최근 일기:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>연도(&amp;Y):</translation>
    </message>
    <message>
        <source>A cell per day, its colour stronger the more words; the arrow keys move, Enter shows the day</source>
        <translation>하루에 한 칸, 단어가 많을수록 색이 진합니다. 화살표 키로 이동하고 Enter 키로 그날을 보여 줍니다</translation>
    </message>
    <message numerus="yes">
        <source>%n years ago</source>
        <translation>
            <numerusform>%n년 전</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2, tab %3: %4</source>
        <translation>%1, %2, 탭 %3: %4</translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln일</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days, to %1</source>
        <translation>
            <numerusform>%Ln일, %1까지</numerusform>
        </translation>
    </message>
    <message>
        <source>Words per day of %1</source>
        <translation>%1년 일별 단어 수</translation>
    </message>
    <message>
        <source>this year</source>
        <translation>올해</translation>
    </message>
    <message numerus="yes">
        <source>in %n years</source>
        <translation>
            <numerusform>%n년 후</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TMonthChart</name>
    <message>
        <source>Words per month of %1</source>
        <translation>%1년 월별 단어 수</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln words</source>
        <translation>
            <numerusform>%1: %Ln단어</numerusform>
        </translation>
    </message>
    <message>
        <source>The words of each month; Left and Right move between the months</source>
        <translation>각 달의 단어 수. 왼쪽과 오른쪽 화살표 키로 달 사이를 이동합니다</translation>
    </message>
</context>
<context>
    <name>TPassedOver</name>
    <message numerus="yes">
        <source>Not read: %n files named like entries could not be read: %1</source>
        <translation>
            <numerusform>읽지 않음: 일기 이름을 가진 파일 %n개를 읽지 못했습니다: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TPasswordDialog</name>
    <message>
        <source>&amp;Password:</source>
        <translation>암호(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Remember the password on this device</source>
        <translation>이 기기에서 암호 기억(&amp;R)</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s keyring, for this diary</source>
        <translation>데스크톱 키링에 이 일기용으로 보관됩니다</translation>
    </message>
</context>
<context>
    <name>TPictureTextEdit</name>
    <message>
        <source>Picture not found: %1</source>
        <translation>그림을 찾을 수 없음: %1</translation>
    </message>
    <message>
        <source>Picture outside the diary: %1</source>
        <translation>일기 밖에 있는 그림: %1</translation>
    </message>
    <message>
        <source>Not a picture: %1</source>
        <translation>그림이 아님: %1</translation>
    </message>
    <message>
        <source>Picture cannot be shown: %1</source>
        <translation>그림을 표시할 수 없음: %1</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>그림: %1</translation>
    </message>
</context>
<context>
    <name>TProgress</name>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
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
<context>
    <name>TTagsWindow</name>
    <message>
        <source>Tags</source>
        <translation>태그</translation>
    </message>
    <message>
        <source>Show the tags holding these letters</source>
        <translation>이 글자가 들어 있는 태그 보기</translation>
    </message>
    <message>
        <source>Filter the tags</source>
        <translation>태그 필터</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>태그</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>일기 수</translation>
    </message>
    <message>
        <source>Every tag of the diary with the number of entries holding it; choosing one lists its entries below</source>
        <translation>일기장의 모든 태그와 그 태그가 있는 일기 수. 하나를 선택하면 아래에 해당 일기가 나열됩니다</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>이름 바꾸기(&amp;R)…</translation>
    </message>
    <message>
        <source>Renames the chosen tag in every entry, or merges it with another</source>
        <translation>선택한 태그의 이름을 모든 일기에서 바꾸거나 다른 태그와 합칩니다</translation>
    </message>
    <message>
        <source>Reading the tags…</source>
        <translation>태그를 읽는 중…</translation>
    </message>
    <message numerus="yes">
        <source>#%1, %n entries</source>
        <translation>
            <numerusform>#%1, 일기 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>No entry holds a tag.</source>
        <translation>태그가 있는 일기가 없습니다.</translation>
    </message>
    <message numerus="yes">
        <source>%n tags</source>
        <translation>
            <numerusform>태그 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename a tag</source>
        <translation>태그 이름 바꾸기</translation>
    </message>
    <message>
        <source>New name of #%1 in every entry (an existing tag&apos;s name merges the two):</source>
        <translation>모든 일기에서 사용할 #%1의 새 이름(기존 태그의 이름을 쓰면 둘을 합칩니다):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a tag&apos;s name: a name holds letters, digits, &apos;_&apos;, &apos;-&apos; and &apos;/&apos;, and at least one letter.</source>
        <translation>“%1”은(는) 태그 이름이 될 수 없습니다. 이름은 문자, 숫자, &apos;_&apos;, &apos;-&apos;, &apos;/&apos;로 이루어지며 문자를 하나 이상 포함해야 합니다.</translation>
    </message>
    <message>
        <source>%1: its changes in the window are not saved</source>
        <translation>%1: 창에서 바꾼 내용이 저장되지 않았습니다</translation>
    </message>
    <message>
        <source>%1: its encoding cannot hold the new name</source>
        <translation>%1: 해당 인코딩으로는 새 이름을 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>%1, tab &quot;%2&quot;</source>
        <translation>%1, 탭 “%2”</translation>
    </message>
    <message>
        <source>%1: another program changed it meanwhile</source>
        <translation>%1: 그사이에 다른 프로그램이 바꾸었습니다</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>#%1 was renamed to #%2 in %n entries.</source>
        <translation>
            <numerusform>일기 %n개에서 #%1의 이름을 #%2(으)로 바꾸었습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not renamed:</source>
        <translation>이름을 바꾸지 못한 일기:</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n tags</source>
        <translation>
            <numerusform>태그 %n개 중 %1개</numerusform>
        </translation>
    </message>
    <message>
        <source>The tags nested under it are renamed with it: %1.</source>
        <translation>그 아래의 하위 태그도 함께 이름이 바뀝니다: %1.</translation>
    </message>
    <message>
        <source>A change of case alone: every entry then writes #%1 so, whatever case it has there now.</source>
        <translation>대소문자만 바뀝니다. 모든 일기에서 지금 어떤 대소문자로 쓰였든 #%1(으)로 쓰게 됩니다.</translation>
    </message>
    <message>
        <source>#%1 is a tag already: the two are merged into one.</source>
        <translation>#%1은(는) 이미 있는 태그입니다. 둘이 하나로 합쳐집니다.</translation>
    </message>
    <message>
        <source>Merge #%1 into #%2? Every entry holding #%1 then holds #%2, and the two cannot be told apart afterwards: renaming back would rename both.</source>
        <translation>#%1을(를) #%2에 합칠까요? #%1이(가) 있는 모든 일기에 #%2이(가) 들어가며, 이후에는 둘을 구별할 수 없습니다. 이름을 되돌리면 둘 다 바뀝니다.</translation>
    </message>
    <message numerus="yes">
        <source>#%1 was merged into #%2 in %n entries.</source>
        <translation>
            <numerusform>일기 %n개에서 #%1을(를) #%2에 합쳤습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Renaming #%1…</source>
        <translation>#%1 이름을 바꾸는 중…</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %n entries were not reached and still hold #%1.</source>
        <translation>
            <numerusform>중지됨: %n개의 항목에 도달하지 못해 여전히 #%1을(를) 담고 있습니다.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TTemplatesWindow</name>
    <message>
        <source>Templates</source>
        <translation>템플릿</translation>
    </message>
    <message>
        <source>The general template, one for each day of the week and one for each tab; the most specific one that exists applies</source>
        <translation>공통 템플릿, 요일별 템플릿, 탭별 템플릿. 있는 것 중 가장 구체적인 템플릿이 적용됩니다</translation>
    </message>
    <message>
        <source>Every new entry</source>
        <translation>모든 새 일기</translation>
    </message>
    <message>
        <source>Tab &quot;%1&quot;</source>
        <translation>탭 “%1”</translation>
    </message>
    <message>
        <source>Template text</source>
        <translation>템플릿 텍스트</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>저장(&amp;S)</translation>
    </message>
    <message>
        <source>Save the chosen template&apos;s text</source>
        <translation>선택한 템플릿의 텍스트 저장</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>삭제(&amp;R)</translation>
    </message>
    <message>
        <source>Remove the chosen template&apos;s file, so that the next less specific one applies</source>
        <translation>선택한 템플릿의 파일을 삭제하여 그다음으로 일반적인 템플릿이 적용되게 합니다</translation>
    </message>
    <message>
        <source>Placeholders</source>
        <translation>자리 표시자</translation>
    </message>
    <message>
        <source>the new entry&apos;s date, long: %1</source>
        <translation>새 일기의 날짜(긴 형식): %1</translation>
    </message>
    <message>
        <source>the new entry&apos;s date, short: %1</source>
        <translation>새 일기의 날짜(짧은 형식): %1</translation>
    </message>
    <message>
        <source>its day of the week: %1</source>
        <translation>요일: %1</translation>
    </message>
    <message>
        <source>the name of its tab: %1</source>
        <translation>탭 이름: %1</translation>
    </message>
    <message>
        <source>The dates are always the new entry&apos;s own, whatever day it is made on. Anything else in braces stays as written.</source>
        <translation>날짜는 만든 날과 관계없이 항상 새 일기 자체의 날짜입니다. 중괄호 안의 다른 내용은 쓴 그대로 남습니다.</translation>
    </message>
    <message>
        <source>New entries of %1:</source>
        <translation>%1의 새 일기:</translation>
    </message>
    <message>
        <source>tab &quot;%1&quot; starts empty: no template applies</source>
        <translation>탭 “%1”은(는) 빈 상태로 시작: 적용되는 템플릿 없음</translation>
    </message>
    <message>
        <source>tab &quot;%1&quot; starts from %2</source>
        <translation>탭 “%1”은(는) %2에서 시작</translation>
    </message>
    <message>
        <source>tab &quot;%1&quot; starts empty: %2 cannot be read</source>
        <translation>탭 “%1”은(는) 빈 상태로 시작: %2을(를) 읽을 수 없음</translation>
    </message>
    <message>
        <source>applies on %1</source>
        <translation>%1에 적용됨</translation>
    </message>
    <message>
        <source>not written yet</source>
        <translation>아직 작성되지 않음</translation>
    </message>
    <message>
        <source>In %1</source>
        <translation>위치: %1</translation>
    </message>
    <message>
        <source>%1 does not exist yet: saving makes it.</source>
        <translation>%1이(가) 아직 없습니다. 저장하면 만들어집니다.</translation>
    </message>
    <message>
        <source>This template cannot be used, and is not written over here:
%1</source>
        <translation>이 템플릿은 사용할 수 없으므로 여기서 덮어쓰지 않습니다:
%1</translation>
    </message>
    <message>
        <source>Could not save the template %1:
%2</source>
        <translation>템플릿 %1을(를) 저장할 수 없습니다:
%2</translation>
    </message>
    <message>
        <source>Could not remove the template %1:
%2</source>
        <translation>템플릿 %1을(를) 삭제할 수 없습니다:
%2</translation>
    </message>
    <message>
        <source>%1 is saved.</source>
        <translation>%1을(를) 저장했습니다.</translation>
    </message>
    <message>
        <source>Not filled in, kept as written: %1</source>
        <translation>채워지지 않고 쓴 그대로 남습니다: %1</translation>
    </message>
</context>
<context>
    <name>TYearHeatmap</name>
    <message numerus="yes">
        <source>%1: %Ln words</source>
        <translation>
            <numerusform>%1: %Ln단어</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words in %1</source>
        <translation>
            <numerusform>%1년에 %Ln단어</numerusform>
        </translation>
    </message>
    <message>
        <source>Less</source>
        <translation>적음</translation>
    </message>
    <message>
        <source>More</source>
        <translation>많음</translation>
    </message>
</context>
</TS>
