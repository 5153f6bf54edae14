<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>TDiaryCalendar</name>
    <message>
        <source>The month calendar; days with entries are bold, Alt+Left and Alt+Right move to the previous and next day with an entry</source>
        <translation>月のカレンダー。日記のある日は太字で表示されます。Alt+← と Alt+→ で前後の日記のある日へ移動します</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>前の月</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>次の月</translation>
    </message>
    <message>
        <source>1 entry</source>
        <translation>日記 1 件</translation>
    </message>
    <message>
        <source>%1 entries</source>
        <translation>日記 %1 件</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>a sync tool&apos;s conflict copy</source>
        <translation>同期ツールの競合コピーあり</translation>
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
        <translation>プレーンテキスト</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Could not export to %1:
%2</source>
        <translation>%1 にエクスポートできませんでした:
%2</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>開始日(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>終了日(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Whole diary</source>
        <translation>日記全体(&amp;W)</translation>
    </message>
    <message>
        <source>Whole diary</source>
        <translation>日記全体</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>タブ</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>参照(&amp;B)…</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>参照…</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>形式(&amp;O)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>F&amp;ile</source>
        <translation>ファイル(&amp;I)</translation>
    </message>
    <message>
        <source>diary</source>
        <translation>日記</translation>
    </message>
    <message>
        <source>One &amp;day per page</source>
        <translation>1 ページに 1 日(&amp;D)</translation>
    </message>
    <message>
        <source>One day per page</source>
        <translation>1 ページに 1 日</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>エクスポート(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>印刷(&amp;P)</translation>
    </message>
    <message>
        <source>Marrowleaf diary</source>
        <translation>Marrowleaf 日記</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 ～ %2</translation>
    </message>
    <message>
        <source>Choose a file to export to.</source>
        <translation>エクスポート先のファイルを選んでください。</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>エクスポートしています…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>TFindWindow</name>
    <message>
        <source>, tab </source>
        <translation>、タブ </translation>
    </message>
    <message>
        <source>, not saved yet</source>
        <translation>、未保存</translation>
    </message>
    <message>
        <source> · not saved yet</source>
        <translation> · 未保存</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Words to find, &quot;a phrase&quot; in quotes</source>
        <translation>検索する語句 (&quot;語句&quot; のように引用符で囲むとフレーズ)</translation>
    </message>
    <message>
        <source>Words to find in every entry; double quotes make a phrase</source>
        <translation>すべての日記から探す語句。二重引用符で囲むとフレーズになります</translation>
    </message>
    <message>
        <source>Entries found</source>
        <translation>見つかった日記</translation>
    </message>
    <message>
        <source>Newest first; Enter shows the entry with the words selected</source>
        <translation>新しい順。Enter でその日記を語句を選択した状態で表示します</translation>
    </message>
    <message>
        <source>How many entries were found</source>
        <translation>見つかった日記の数</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>検索しています…</translation>
    </message>
    <message>
        <source>No entry holds &quot;%1&quot;.</source>
        <translation>「%1」を含む日記はありません。</translation>
    </message>
    <message>
        <source>1 entry found</source>
        <translation>日記が 1 件見つかりました</translation>
    </message>
    <message>
        <source>%1 entries found</source>
        <translation>日記が %1 件見つかりました</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>%1-%2-%3, tab &quot;%4&quot;</source>
        <translation>%1-%2-%3、タブ「%4」</translation>
    </message>
    <message>
        <source>Text typed in an earlier run was never saved, for:
%1

It is kept as unsaved text in each entry&apos;s history (File, History), where it can be restored.</source>
        <translation>前回入力したまま保存されなかった文章があります:
%1

それぞれの日記の履歴 (ファイル → 履歴) に未保存の文章として残っているので、そこから復元できます。</translation>
    </message>
    <message>
        <source>The editor is set by the key EDITOR in the section [GENERAL] of
%1
The editor must stay open until you are done with the entry, for example
EDITOR = gedit --wait, kate --block, gvim -f or code --wait.</source>
        <translation>エディタは次のファイルの [GENERAL] セクションの EDITOR キーで設定します:
%1
エディタは日記の編集が終わるまで終了しないものにしてください。例:
EDITOR = gedit --wait, kate --block, gvim -f, code --wait</translation>
    </message>
    <message>
        <source>No editor is set.</source>
        <translation>エディタが設定されていません。</translation>
    </message>
    <message>
        <source>%1 is a link to a file outside the diary. It is shown read-only and not handed to an editor.</source>
        <translation>%1は日記の外のファイルへのリンクです。読み取り専用で表示し、エディタには渡しません。</translation>
    </message>
    <message>
        <source>The text of %1 could not be kept in its history:
%2</source>
        <translation>%1の文章を履歴に残せませんでした:
%2</translation>
    </message>
    <message>
        <source>The editor returned at once; it may still be open in a window of its own.
The diary shows what it saves there as soon as it is saved.</source>
        <translation>エディタはすぐに終了しました。別のウィンドウでまだ開いているかもしれません。
そこで保存された内容は、保存されしだい日記に表示されます。</translation>
    </message>
    <message>
        <source>No program named &quot;%1&quot; was found.</source>
        <translation>「%1」という名前のプログラムが見つかりません。</translation>
    </message>
    <message>
        <source>Could not start the editor &quot;%1&quot;: %2</source>
        <translation>エディタ「%1」を起動できませんでした: %2</translation>
    </message>
    <message>
        <source>Entry of %1</source>
        <translation>%1の日記</translation>
    </message>
    <message>
        <source>File does not exist. push &apos;create&apos; button.</source>
        <translation>ファイルがありません。「作成」ボタンを押してください。</translation>
    </message>
    <message>
        <source>No entry yet for %1</source>
        <translation>%1の日記はまだありません</translation>
    </message>
    <message>
        <source>Entry of %1, read-only: a link to a file outside the diary</source>
        <translation>%1の日記、読み取り専用: 日記の外のファイルへのリンク</translation>
    </message>
    <message>
        <source>Entry of %1, read-only</source>
        <translation>%1の日記、読み取り専用</translation>
    </message>
    <message>
        <source>Another program had changed %1 since it was shown.
Your text was saved; the other version is in the entry&apos;s history (File, History).</source>
        <translation>%1は表示されたあと別のプログラムによって変更されていました。
あなたの文章を保存しました。もう一方の版は日記の履歴 (ファイル → 履歴) にあります。</translation>
    </message>
    <message>
        <source>The text that %1 held before could not be kept in its history:
%2</source>
        <translation>%1のそれまでの文章を履歴に残せませんでした:
%2</translation>
    </message>
    <message>
        <source>The text of the shown entry, saved; the text it replaced is in its history</source>
        <translation>表示中の日記の文章 (保存済み)。置き換えられた文章は履歴にあります</translation>
    </message>
    <message>
        <source>%1/%2/%3, tab &quot;%4&quot;</source>
        <translation>%1/%2/%3、タブ「%4」</translation>
    </message>
    <message>
        <source>the entry of %1</source>
        <translation>%1の日記</translation>
    </message>
    <message>
        <source>Could not save %1:
%2</source>
        <translation>%1を保存できませんでした:
%2</translation>
    </message>
    <message>
        <source>The text was kept in
%1</source>
        <translation>文章は次の場所に残しました:
%1</translation>
    </message>
    <message>
        <source>The text of the shown entry, not saved; kept in a recovery file</source>
        <translation>表示中の日記の文章 (未保存)。復旧用ファイルに残してあります</translation>
    </message>
    <message>
        <source>The text could not be kept either (%1). Copy it out of the window before another entry is shown.</source>
        <translation>文章を残すこともできませんでした (%1)。別の日記を表示する前に、ウィンドウから文章をコピーしてください。</translation>
    </message>
    <message>
        <source>Marrowleaf v0.02a</source>
        <translation>Marrowleaf v0.02a</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>検索(&amp;F)…</translation>
    </message>
    <message>
        <source>&amp;History…</source>
        <translation>履歴(&amp;H)…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>エクスポート(&amp;E)…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>印刷(&amp;P)…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Previous day with an entry</source>
        <translation>日記のある前の日</translation>
    </message>
    <message>
        <source>Next day with an entry</source>
        <translation>日記のある次の日</translation>
    </message>
    <message>
        <source>today</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>launch editor</source>
        <translation>エディタ</translation>
    </message>
    <message>
        <source>create</source>
        <translation>作成</translation>
    </message>
    <message>
        <source>autosave without confirm</source>
        <translation>確認せずに自動保存</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>前の年</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>次の年</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>前の月</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>次の月</translation>
    </message>
    <message>
        <source>Show today</source>
        <translation>今日を表示</translation>
    </message>
    <message>
        <source>Open this entry in the external editor</source>
        <translation>この日記を外部エディタで開く</translation>
    </message>
    <message>
        <source>Create this day&apos;s entry</source>
        <translation>この日の日記を作成</translation>
    </message>
    <message>
        <source>Save without asking</source>
        <translation>確認せずに保存</translation>
    </message>
    <message>
        <source>Today&apos;s date</source>
        <translation>今日の日付</translation>
    </message>
    <message>
        <source>One tab per kind of entry; a plus sign marks a tab whose entry exists</source>
        <translation>日記の種類ごとのタブ。日記のあるタブにはプラス記号が付きます</translation>
    </message>
    <message>
        <source>The text of the shown entry</source>
        <translation>表示中の日記の文章</translation>
    </message>
    <message>
        <source>Invalid date: year %1, month %2, day %3</source>
        <translation>無効な日付です: %1 年 %2 月 %3 日</translation>
    </message>
    <message>
        <source>The calendar cannot show this date</source>
        <translation>カレンダーではこの日付を表示できません</translation>
    </message>
    <message>
        <source>The editor &quot;%1&quot; ended abnormally and left the entry unchanged.</source>
        <translation>エディタ「%1」が異常終了しました。日記は変更されていません。</translation>
    </message>
    <message>
        <source>The editor &quot;%1&quot; ended with exit status %2 and left the entry unchanged.</source>
        <translation>エディタ「%1」が終了コード %2 で終了しました。日記は変更されていません。</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>インポート(&amp;I)…</translation>
    </message>
</context>
<context>
    <name>THistoryWindow</name>
    <message>
        <source>1 byte</source>
        <translation>1 バイト</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 バイト</translation>
    </message>
    <message>
        <source>History of %1</source>
        <translation>%1の履歴</translation>
    </message>
    <message>
        <source>No entry is shown, so there is no history to show.</source>
        <translation>日記が表示されていないため、表示する履歴はありません。</translation>
    </message>
    <message>
        <source>This entry has no earlier versions yet.</source>
        <translation>この日記にはまだ以前の版がありません。</translation>
    </message>
    <message>
        <source>1 earlier version</source>
        <translation>以前の版 1 件</translation>
    </message>
    <message>
        <source>%1 earlier versions</source>
        <translation>以前の版 %1 件</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>復元(&amp;R)</translation>
    </message>
    <message>
        <source>Versions</source>
        <translation>版</translation>
    </message>
    <message>
        <source>The entry&apos;s texts, newest first: the file now, unsaved text, earlier versions</source>
        <translation>日記の文章 (新しい順): 現在のファイル、未保存の文章、以前の版</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>The chosen version&apos;s text</source>
        <translation>選んだ版の文章</translation>
    </message>
    <message>
        <source>Put the chosen text into the entry, to be saved like typing</source>
        <translation>選んだ文章を日記に入れます。入力した文章と同じように保存されます</translation>
    </message>
    <message>
        <source>Now in the entry file</source>
        <translation>現在のファイルの内容</translation>
    </message>
    <message>
        <source>unsaved text from %1</source>
        <translation>%1 の未保存の文章</translation>
    </message>
    <message>
        <source>written by another program</source>
        <translation>別のプログラムが書いたもの</translation>
    </message>
    <message>
        <source>copy made by a sync tool: %1</source>
        <translation>同期ツールが作ったコピー: %1</translation>
    </message>
</context>
<context>
    <name>TImportWindow</name>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>取り込み元</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>参照(&amp;B)…</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>参照…</translation>
    </message>
    <message>
        <source>A &amp;file…</source>
        <translation>ファイル(&amp;F)…</translation>
    </message>
    <message>
        <source>A f&amp;older…</source>
        <translation>フォルダー(&amp;O)…</translation>
    </message>
    <message>
        <source>&amp;Source</source>
        <translation>取り込み元(&amp;S)</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>タブ</translation>
    </message>
    <message>
        <source>&amp;Tab</source>
        <translation>タブ(&amp;T)</translation>
    </message>
    <message>
        <source>What the import will do</source>
        <translation>インポートで行われること</translation>
    </message>
    <message>
        <source>Choose a diary to import: a Day One export (.zip, folder or .json), a jrnl journal, RedNotebook&apos;s data folder or a Diaro backup (.zip).</source>
        <translation>インポートする日記を選んでください: Day One のエクスポート (.zip、フォルダー、.json)、jrnl のジャーナル、RedNotebook のデータフォルダー、Diaro のバックアップ (.zip)。</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>インポート(&amp;I)</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>%1 を読み込み中…</translation>
    </message>
    <message>
        <source>%1: not a diary that can be imported here</source>
        <translation>%1: ここでインポートできる日記ではありません</translation>
    </message>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1: 読み込めません (%2)</translation>
    </message>
    <message>
        <source>%1: does not parse (%2)</source>
        <translation>%1: 解析できません (%2)</translation>
    </message>
    <message>
        <source>%1: not an entry (%2)</source>
        <translation>%1: エントリーではありません (%2)</translation>
    </message>
    <message>
        <source>%1: a date that does not exist (%2)</source>
        <translation>%1: 存在しない日付です (%2)</translation>
    </message>
    <message>
        <source>%1: the attachment %2 is missing; its link is kept</source>
        <translation>%1: 添付ファイル %2 がありません。リンクはそのまま残します</translation>
    </message>
    <message numerus="yes">
        <source>Coordinates of places: %n (the places&apos; names are kept)</source>
        <translation>
            <numerusform>場所の座標: %n (場所の名前は残します)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Day One&apos;s formatting of entries: %n (their Markdown text is kept)</source>
        <translation>
            <numerusform>Day One のエントリーの書式: %n (Markdown のテキストは残します)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moods of entries: %n</source>
        <translation>
            <numerusform>エントリーの気分: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Folders of entries: %n (all go to the chosen tab)</source>
        <translation>
            <numerusform>エントリーのフォルダー: %n (すべて選んだタブに入ります)</numerusform>
        </translation>
    </message>
    <message>
        <source>No place in a plain entry:</source>
        <translation>プレーンなエントリーに入らないもの:</translation>
    </message>
    <message>
        <source>Could not be read:</source>
        <translation>読み込めなかったもの:</translation>
    </message>
    <message>
        <source>A Day One export</source>
        <translation>Day One のエクスポート</translation>
    </message>
    <message>
        <source>A jrnl journal</source>
        <translation>jrnl のジャーナル</translation>
    </message>
    <message>
        <source>A RedNotebook journal</source>
        <translation>RedNotebook のジャーナル</translation>
    </message>
    <message>
        <source>A Diaro backup</source>
        <translation>Diaro のバックアップ</translation>
    </message>
    <message>
        <source>Nothing to import.</source>
        <translation>インポートするものはありません。</translation>
    </message>
    <message numerus="yes">
        <source>Entries: %n</source>
        <translation>
            <numerusform>エントリー: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Days: %n</source>
        <translation>
            <numerusform>日数: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation>%1 から %2 まで</translation>
    </message>
    <message numerus="yes">
        <source>Days that already hold an entry: %n (kept; the imported text is added after it)</source>
        <translation>
            <numerusform>すでにエントリーがある日: %n (残したまま、その後にインポートしたテキストを加えます)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Days that hold this import already: %n (left as they are)</source>
        <translation>
            <numerusform>このインポートをすでに含む日: %n (そのままにします)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Attachments: %n (copied into the diary folder)</source>
        <translation>
            <numerusform>添付ファイル: %n (日記フォルダーにコピーします)</numerusform>
        </translation>
    </message>
    <message>
        <source>Journals without a tab of their name: %1</source>
        <translation>同じ名前のタブがないジャーナル: %1</translation>
    </message>
    <message>
        <source>No tab is named after the journals %1. Add a tab of that name for each to the diary?</source>
        <translation>ジャーナル %1 と同じ名前のタブがありません。それぞれの名前のタブを日記に追加しますか?</translation>
    </message>
    <message>
        <source>The new tabs could not be written to config.ini; those journals go to the chosen tab.</source>
        <translation>新しいタブを config.ini に書き込めませんでした。それらのジャーナルは選んだタブに入ります。</translation>
    </message>
    <message>
        <source>Importing…</source>
        <translation>インポート中…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>The import was cancelled.</source>
        <translation>インポートはキャンセルされました。</translation>
    </message>
    <message>
        <source>The import is done.</source>
        <translation>インポートが完了しました。</translation>
    </message>
    <message numerus="yes">
        <source>New entries: %n</source>
        <translation>
            <numerusform>新しいエントリー: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Entries kept, with the imported text added after them: %n (their earlier text is in their history)</source>
        <translation>
            <numerusform>残したエントリー (後にインポートしたテキストを追加): %n (以前のテキストは履歴にあります)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Entries that held the import already, left as they were: %n</source>
        <translation>
            <numerusform>すでにインポート済みでそのままのエントリー: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Attachments copied: %n</source>
        <translation>
            <numerusform>コピーした添付ファイル: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Days from %1 on, left as they were: %n</source>
        <translation>
            <numerusform>%1 以降のそのままの日: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Not imported, left as it was: %1 (%2)</source>
        <translation>インポートせず、そのままです: %1 (%2)</translation>
    </message>
    <message>
        <source>Imported, but its earlier text could not be kept in its history: %1 (%2)</source>
        <translation>インポートしましたが、以前のテキストを履歴に残せませんでした: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>TPrompts</name>
    <message>
        <source>text modified</source>
        <translation>テキストが変更されました</translation>
    </message>
    <message>
        <source>save?</source>
        <translation>保存しますか?</translation>
    </message>
</context>
<context>
    <name>TSpellChecker</name>
    <message>
        <source>The word &quot;%1&quot; could not be added to your personal word list. It counts as right until the diary is closed.</source>
        <translation>「%1」を個人用辞書に追加できませんでした。日記を閉じるまでは正しい語として扱います。</translation>
    </message>
    <message>
        <source>No suggestions</source>
        <translation>候補なし</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>辞書に追加</translation>
    </message>
    <message>
        <source>Ignore All</source>
        <translation>すべて無視</translation>
    </message>
    <message>
        <source>Check Spelling</source>
        <translation>スペルチェック</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>No dictionaries installed</source>
        <translation>辞書がインストールされていません</translation>
    </message>
</context>
</TS>
