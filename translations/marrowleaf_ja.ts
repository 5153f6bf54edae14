<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>ImportFormat</name>
    <message>
        <source>A Day One export</source>
        <translation>Day One のエクスポート</translation>
    </message>
    <message>
        <source>a Day One export (.zip, folder or .json)</source>
        <translation>Day One のエクスポート (.zip、フォルダー、.json)</translation>
    </message>
    <message>
        <source>A Diaro backup</source>
        <translation>Diaro のバックアップ</translation>
    </message>
    <message>
        <source>a Diaro backup (.zip)</source>
        <translation>Diaro のバックアップ (.zip)</translation>
    </message>
    <message>
        <source>A jrnl journal</source>
        <translation>jrnl のジャーナル</translation>
    </message>
    <message>
        <source>a jrnl journal</source>
        <translation>jrnl のジャーナル</translation>
    </message>
    <message>
        <source>A RedNotebook journal</source>
        <translation>RedNotebook のジャーナル</translation>
    </message>
    <message>
        <source>RedNotebook&apos;s data folder</source>
        <translation>RedNotebook のデータフォルダー</translation>
    </message>
</context>
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
    <message numerus="yes">
        <source>%1, %n entries, a sync tool&apos;s conflict copy</source>
        <translation>
            <numerusform>%1、日記 %n 件、同期ツールの競合コピーあり</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, a sync tool&apos;s conflict copy</source>
        <translation>%1、同期ツールの競合コピーあり</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n entries</source>
        <translation>
            <numerusform>%1、日記 %n 件</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TEncryptionWindow</name>
    <message>
        <source>Encryption</source>
        <translation>暗号化</translation>
    </message>
    <message>
        <source>&amp;Repeat password:</source>
        <translation>パスワードの確認(&amp;R):</translation>
    </message>
    <message>
        <source>&amp;Encrypt</source>
        <translation>暗号化(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Change password…</source>
        <translation>パスワードの変更(&amp;C)…</translation>
    </message>
    <message>
        <source>&amp;Decrypt…</source>
        <translation>復号(&amp;D)…</translation>
    </message>
    <message>
        <source>Encrypt the &amp;plain entries</source>
        <translation>暗号化されていない日記を暗号化(&amp;P)</translation>
    </message>
    <message>
        <source>Re&amp;member the password on this device</source>
        <translation>この端末でパスワードを記憶する(&amp;M)</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s keyring, for this diary</source>
        <translation>デスクトップのキーリングに、この日記用に保存されます</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Too short: a password needs at least %1 characters.</source>
        <translation>短すぎます: パスワードには %1 文字以上必要です。</translation>
    </message>
    <message>
        <source>Weak: a longer password, or a few unrelated words, is far harder to guess.</source>
        <translation>弱い: もっと長いパスワードや、関係のない単語をいくつか並べたものは、はるかに推測されにくくなります。</translation>
    </message>
    <message>
        <source>Fair: a few more characters or words make it strong.</source>
        <translation>普通: あと数文字か数語加えると強くなります。</translation>
    </message>
    <message>
        <source>Strong.</source>
        <translation>強い。</translation>
    </message>
    <message>
        <source>This diary is not encrypted: anyone who has its folder can read its entries. Encrypting keeps every entry, its history, its drafts and its pictures readable only with the password; sync tools and the history go on working.</source>
        <translation>この日記は暗号化されていません。フォルダーを持っている人なら誰でも日記を読めます。暗号化すると、各日記とその履歴、下書き、画像はパスワードがなければ読めなくなります。同期ツールと履歴はそのまま使えます。</translation>
    </message>
    <message>
        <source>This diary is encrypted: its entries, their history, drafts and pictures open only with its password.</source>
        <translation>この日記は暗号化されています。日記とその履歴、下書き、画像はパスワードでのみ開けます。</translation>
    </message>
    <message>
        <source>Two devices encrypted it, each with a key of its own: the files of both open. &quot;Encrypt the plain entries&quot; seals them all anew under this device&apos;s key.</source>
        <translation>2 台の端末がそれぞれ自分の鍵で暗号化しました。どちらのファイルも開けます。「暗号化されていない日記を暗号化」を使うと、すべてこの端末の鍵で封印し直します。</translation>
    </message>
    <message>
        <source>&amp;New password:</source>
        <translation>新しいパスワード(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>パスワード(&amp;P):</translation>
    </message>
    <message numerus="yes">
        <source>%n files of the diary are plain: written by another program or device, or before it was encrypted. They are encrypted when they are saved, or by &quot;Encrypt the plain entries&quot;.</source>
        <translation>
            <numerusform>日記の %n 個のファイルが暗号化されていません。別のプログラムや端末が書いたか、暗号化の前に書かれたものです。保存するか「暗号化されていない日記を暗号化」を使うと暗号化されます。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files are encrypted with a key that this password does not open:</source>
        <translation>
            <numerusform>%n 個のファイルが、このパスワードでは開けない鍵で暗号化されています:</numerusform>
        </translation>
    </message>
    <message>
        <source>The two passwords differ. Type the same password twice.</source>
        <translation>2 つのパスワードが違います。同じパスワードを 2 回入力してください。</translation>
    </message>
    <message>
        <source>Making the diary&apos;s key…</source>
        <translation>日記の鍵を作成しています…</translation>
    </message>
    <message>
        <source>The diary could not be encrypted:
%1</source>
        <translation>日記を暗号化できませんでした:
%1</translation>
    </message>
    <message>
        <source>The password is wrong. Nothing was changed.</source>
        <translation>パスワードが違います。何も変更していません。</translation>
    </message>
    <message>
        <source>Enter the diary&apos;s current password.</source>
        <translation>日記の現在のパスワードを入力してください。</translation>
    </message>
    <message>
        <source>Changing the password…</source>
        <translation>パスワードを変更しています…</translation>
    </message>
    <message>
        <source>The password could not be changed:
%1</source>
        <translation>パスワードを変更できませんでした:
%1</translation>
    </message>
    <message>
        <source>The password is changed. Other devices use the new one as soon as the key file reaches them.</source>
        <translation>パスワードを変更しました。他の端末では、鍵ファイルが届きしだい新しいパスワードを使います。</translation>
    </message>
    <message>
        <source>Decrypting writes every entry, its history and its pictures as plain files again, readable by anyone who has the folder. Enter the diary&apos;s password to decrypt it.</source>
        <translation>復号すると、すべての日記とその履歴、画像が暗号化されていないファイルに戻り、フォルダーを持つ誰でも読めるようになります。復号するには日記のパスワードを入力してください。</translation>
    </message>
    <message>
        <source>Encrypting the diary…</source>
        <translation>日記を暗号化しています…</translation>
    </message>
    <message>
        <source>Decrypting the diary…</source>
        <translation>日記を復号しています…</translation>
    </message>
    <message>
        <source>Stopped. The diary works as it is, with some files converted and some not; the conversion goes on at the next start.</source>
        <translation>中止しました。日記は変換済みのファイルと未変換のファイルが混ざったまま使えます。変換は次回の起動時に続きます。</translation>
    </message>
    <message>
        <source>The diary is encrypted.</source>
        <translation>日記を暗号化しました。</translation>
    </message>
    <message>
        <source>The diary is decrypted: its files are plain again.</source>
        <translation>日記を復号しました。ファイルは再び暗号化されていない状態です。</translation>
    </message>
    <message>
        <source>The diary stays encrypted: some files could not be decrypted.</source>
        <translation>日記は暗号化されたままです。復号できなかったファイルがあります。</translation>
    </message>
    <message>
        <source>These files were left as they are:</source>
        <translation>次のファイルはそのままにしました:</translation>
    </message>
    <message>
        <source>The password could not be kept in the desktop&apos;s keyring:
%1</source>
        <translation>パスワードをデスクトップのキーリングに保存できませんでした:
%1</translation>
    </message>
    <message>
        <source>Enter the diary&apos;s password to keep it in the desktop&apos;s keyring.</source>
        <translation>デスクトップのキーリングに保存するため、日記のパスワードを入力してください。</translation>
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
    <message>
        <source>&amp;Print…</source>
        <translation>印刷(&amp;P)…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>印刷…</translation>
    </message>
    <message>
        <source>Pre&amp;view…</source>
        <translation>プレビュー(&amp;V)…</translation>
    </message>
    <message>
        <source>Preview…</source>
        <translation>プレビュー…</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 は既に存在します。
置き換えますか?</translation>
    </message>
    <message>
        <source>No day from %1 to %2 holds an entry of the chosen tabs: nothing was exported.</source>
        <translation>%1 から %2 までに、選んだタブの記事がある日はありません。何もエクスポートしませんでした。</translation>
    </message>
    <message>
        <source>No day from %1 to %2 holds an entry of the chosen tabs: nothing was printed.</source>
        <translation>%1 から %2 までに、選んだタブの記事がある日はありません。何も印刷しませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>ほか %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>These could not be read:
%1

Export without them?</source>
        <translation>次のものを読めませんでした:
%1

これらを除いてエクスポートしますか?</translation>
    </message>
    <message>
        <source>These could not be read:
%1

Print without them?</source>
        <translation>次のものを読めませんでした:
%1

これらを除いて印刷しますか?</translation>
    </message>
    <message>
        <source>Could not print on %1.</source>
        <translation>%1 で印刷できませんでした。</translation>
    </message>
    <message>
        <source>This diary is encrypted, and the export is not: %1 (and its pictures) will be plain files that anyone who has them can read.
Export anyway?</source>
        <translation>この日記は暗号化されていますが、エクスポートは暗号化されません: %1 (と画像) は、手にした誰でも読める暗号化されていないファイルになります。
それでもエクスポートしますか?</translation>
    </message>
</context>
<context>
    <name>TFindWindow</name>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Words to find, &quot;a phrase&quot; in quotes</source>
        <translation>検索する語句 (&quot;語句&quot; のように引用符で囲むとフレーズ)</translation>
    </message>
    <message>
        <source>Words to find in every entry; quotation marks make a phrase</source>
        <translation>すべての日記から探す語句。引用符で囲むとフレーズになります</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
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
        <source>%1, tab &quot;%2&quot;</source>
        <translation>%1、タブ「%2」</translation>
    </message>
    <message>
        <source>Te&amp;mplates…</source>
        <translation>テンプレート(&amp;M)…</translation>
    </message>
    <message>
        <source>The template %1 cannot be used:
%2

The new entry starts empty.</source>
        <translation>テンプレート %1 は使えません:
%2

新しい日記は空で始まります。</translation>
    </message>
    <message>
        <source>The template %1 could not be written into the new entry:
%2

The new entry starts empty.</source>
        <translation>テンプレート %1 を新しい日記に書き込めませんでした:
%2

新しい日記は空で始まります。</translation>
    </message>
    <message>
        <source>&amp;Tags…</source>
        <translation>タグ(&amp;T)…</translation>
    </message>
    <message>
        <source>&amp;Look Back…</source>
        <translation>振り返り(&amp;L)…</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>インポート(&amp;I)…</translation>
    </message>
    <message>
        <source>I&amp;nsert Picture…</source>
        <translation>画像を挿入(&amp;N)…</translation>
    </message>
    <message>
        <source>Insert Picture</source>
        <translation>画像を挿入</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>画像 (%1)</translation>
    </message>
    <message>
        <source>The picture %1 could not be read:
%2</source>
        <translation>画像 %1 を読み込めませんでした:
%2</translation>
    </message>
    <message>
        <source>%1 is not a picture the diary can show (PNG, JPEG, GIF, BMP or WebP).</source>
        <translation>%1 は日記で表示できる画像ではありません (PNG、JPEG、GIF、BMP、WebP)。</translation>
    </message>
    <message>
        <source>The picture could not be kept with %1:
%2</source>
        <translation>画像を%1に保存できませんでした:
%2</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>画像を開く</translation>
    </message>
    <message>
        <source>The import cannot be used: its part of the program could not be loaded (%1).</source>
        <translation>インポートは使えません。プログラムのその部分を読み込めませんでした（%1）。</translation>
    </message>
    <message>
        <source>%1 cannot be read, and is not handed to an editor.</source>
        <translation>%1を読めないため、エディターに渡しません。</translation>
    </message>
    <message>
        <source>No private folder could be made for the editor&apos;s copy of %1.</source>
        <translation>%1をエディターに渡すコピー用の非公開フォルダーを作成できませんでした。</translation>
    </message>
    <message>
        <source>The editor returned at once, and its copy of the encrypted entry is removed: what it saves now is lost. Set an editor that stays open until you are done.</source>
        <translation>エディターがすぐに終了したため、暗号化された日記のコピーは削除しました。今保存しても失われます。作業が終わるまで開いたままのエディターを設定してください。</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>読み取れません (%1)</translation>
    </message>
    <message>
        <source>it is no key file</source>
        <translation>鍵ファイルではありません</translation>
    </message>
    <message>
        <source>it was written by a newer version of the program</source>
        <translation>新しいバージョンのプログラムで書かれています</translation>
    </message>
    <message>
        <source>this device lacks the memory its password needs</source>
        <translation>この端末には、そのパスワードに必要なメモリがありません</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>破損しています</translation>
    </message>
    <message>
        <source>This diary is encrypted. Enter its password to open it.</source>
        <translation>この日記は暗号化されています。開くにはパスワードを入力してください。</translation>
    </message>
    <message>
        <source>The password could not be kept in the desktop&apos;s keyring:
%1</source>
        <translation>パスワードをデスクトップのキーリングに保存できませんでした:
%1</translation>
    </message>
    <message>
        <source>The password is wrong. Enter the password of this diary.</source>
        <translation>パスワードが違います。この日記のパスワードを入力してください。</translation>
    </message>
    <message>
        <source>Two devices encrypted this diary, each with a password of its own, and a sync tool kept both key files. Enter the other device&apos;s password too, or Cancel to open only the entries that this password opens.</source>
        <translation>2 台の端末がそれぞれ自分のパスワードでこの日記を暗号化し、同期ツールが両方の鍵ファイルを残しました。もう一方の端末のパスワードも入力するか、[キャンセル] でこのパスワードで開ける日記だけを開いてください。</translation>
    </message>
    <message>
        <source>This diary is encrypted, but none of its key files can be used:
%1

Nothing was read or written.</source>
        <translation>この日記は暗号化されていますが、使える鍵ファイルがありません:
%1

何も読み書きしていません。</translation>
    </message>
    <message>
        <source>This entry cannot be read: it is encrypted, and the diary has no key file (marrowleaf.key) to open it with. Bring the key file back from a copy of the diary or another device, then start the diary again.</source>
        <translation>この日記は読めません。暗号化されていますが、日記にはそれを開く鍵ファイル (marrowleaf.key) がありません。日記のコピーか別の端末から鍵ファイルを戻し、日記を起動し直してください。</translation>
    </message>
    <message>
        <source>This entry cannot be read: it is encrypted with a key that the diary&apos;s password does not open (another device&apos;s password, or another diary&apos;s). Its earlier versions are in File, History.</source>
        <translation>この日記は読めません。日記のパスワードでは開けない鍵 (別の端末や別の日記のパスワード) で暗号化されています。以前の版は [ファイル] の [履歴] にあります。</translation>
    </message>
    <message>
        <source>This entry cannot be read: its encrypted file is damaged (changed or cut short since it was written). Its earlier versions are in File, History, where one can be restored.</source>
        <translation>この日記は読めません。暗号化されたファイルが破損しています (書き込み後に変更されたか、途中で切れています)。以前の版は [ファイル] の [履歴] にあり、そこで復元できます。</translation>
    </message>
    <message>
        <source>Entry of %1, cannot be read</source>
        <translation>%1の日記、読み取り不可</translation>
    </message>
    <message>
        <source>The text was kept, encrypted, as unsaved text in the entry&apos;s history (File, History).</source>
        <translation>テキストは、未保存のテキストとして暗号化したまま日記の履歴 ([ファイル] の [履歴]) に残しました。</translation>
    </message>
    <message>
        <source>En&amp;cryption…</source>
        <translation>暗号化(&amp;C)…</translation>
    </message>
</context>
<context>
    <name>TFoundEntries</name>
    <message>
        <source>%1, tab %2, not saved yet: %3</source>
        <translation>%1、タブ %2、未保存: %3</translation>
    </message>
    <message>
        <source>%1, tab %2: %3</source>
        <translation>%1、タブ %2: %3</translation>
    </message>
    <message>
        <source>not saved yet</source>
        <translation>未保存</translation>
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
    <message numerus="yes">
        <source>%n entries found</source>
        <translation>
            <numerusform>日記が %n 件見つかりました</numerusform>
        </translation>
    </message>
    <message>
        <source>No entry holds &quot;%1&quot;.</source>
        <translation>「%1」を含む日記はありません。</translation>
    </message>
</context>
<context>
    <name>THistoryWindow</name>
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
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n バイト</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n earlier versions</source>
        <translation>
            <numerusform>以前の版 %n 件</numerusform>
        </translation>
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
    <message>
        <source>Choose a diary to import: %1.</source>
        <translation>インポートする日記を選んでください: %1。</translation>
    </message>
    <message>
        <source>%1: an encrypted backup, which cannot be read; Diaro can write a backup without encryption (.zip) to import instead</source>
        <translation>%1: 暗号化されたバックアップのため読み込めません。Diaro で暗号化なしのバックアップ (.zip) を書き出してインポートしてください</translation>
    </message>
    <message>
        <source>%1: no entry starts with a date and time of the form [2024-05-05 06:30 PM] or 2024-05-05 18:30; the line found there: %2</source>
        <translation>%1: [2024-05-05 06:30 PM] または 2024-05-05 18:30 の形式の日付と時刻で始まるエントリーがありません。そこで見つかった行: %2</translation>
    </message>
    <message>
        <source>%1: the attachment %2 has a name no file can have here; left out</source>
        <translation>%1: 添付ファイル %2 の名前はここではファイル名にできません。スキップしました</translation>
    </message>
    <message>
        <source>%1: a link to a place outside the chosen folder; left out</source>
        <translation>%1: 選んだフォルダーの外を指すリンクです。スキップしました</translation>
    </message>
    <message>
        <source>%1: not a regular file (a pipe, a device or a socket); left out</source>
        <translation>%1: 通常のファイルではありません (パイプ、デバイス、ソケット)。スキップしました</translation>
    </message>
    <message>
        <source>%1: not a day of a jrnl folder journal (YEAR/MONTH/DAY.txt); left out</source>
        <translation>%1: jrnl のフォルダージャーナルの日 (年/月/日.txt) ではありません。スキップしました</translation>
    </message>
    <message>
        <source>%1: the XML entity %2 cannot be read; the text is imported without it</source>
        <translation>%1: XML エンティティ %2 を読み込めません。テキストはそれを除いてインポートします</translation>
    </message>
    <message numerus="yes">
        <source>…and %n more of this kind</source>
        <translation>
            <numerusform>…ほかに同じ種類のものが %n 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Entries the diary holds already in the tab %1: %n (imported into this tab as well)</source>
        <translation>
            <numerusform>タブ %1 にすでにあるエントリー: %n (このタブにもインポートします)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Attachments: %n (%1, copied into the diary folder)</source>
        <translation>
            <numerusform>添付ファイル: %n (%1、日記フォルダーにコピーします)</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was imported: the import needs %1, and the disk of the diary folder has %2 free.</source>
        <translation>何もインポートしませんでした: インポートには %1 必要ですが、日記フォルダーのディスクの空き容量は %2 です。</translation>
    </message>
    <message>
        <source>What the import did</source>
        <translation>インポートで行われたこと</translation>
    </message>
    <message>
        <source>Not imported, its changes in the diary window are not saved: %1 (import again once they are)</source>
        <translation>インポートしていません。日記ウィンドウでの変更が保存されていません: %1（保存してからもう一度インポートしてください）</translation>
    </message>
</context>
<context>
    <name>TLookBackWindow</name>
    <message>
        <source>Look Back</source>
        <translation>振り返り</translation>
    </message>
    <message>
        <source>On this day</source>
        <translation>この日</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>Entries of this day in earlier years</source>
        <translation>以前の年のこの日の日記</translation>
    </message>
    <message>
        <source>Newest first; Enter shows the entry in the diary window</source>
        <translation>新しい順。Enter で日記のウィンドウに表示します</translation>
    </message>
    <message>
        <source>Nothing was written on this day in any earlier year.</source>
        <translation>以前の年のこの日には何も書かれていません。</translation>
    </message>
    <message>
        <source>Entries:</source>
        <translation>日記の数:</translation>
    </message>
    <message>
        <source>Days written:</source>
        <translation>書いた日数:</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>語数:</translation>
    </message>
    <message>
        <source>Characters:</source>
        <translation>文字数:</translation>
    </message>
    <message>
        <source>Words per day written:</source>
        <translation>書いた日の平均語数:</translation>
    </message>
    <message>
        <source>Current streak:</source>
        <translation>現在の連続日数:</translation>
    </message>
    <message>
        <source>Longest streak:</source>
        <translation>最長の連続日数:</translation>
    </message>
    <message>
        <source>First entry:</source>
        <translation>最初の日記:</translation>
    </message>
    <message>
        <source>Latest entry:</source>
        <translation>最新の日記:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>年(&amp;Y):</translation>
    </message>
    <message>
        <source>A cell per day, its colour stronger the more words; the arrow keys move, Enter shows the day</source>
        <translation>1日 1 マス、語数が多いほど濃い色。矢印キーで移動し、Enter でその日を表示します</translation>
    </message>
    <message numerus="yes">
        <source>%n years ago</source>
        <translation>
            <numerusform>%n 年前</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2, tab %3: %4</source>
        <translation>%1、%2、タブ %3: %4</translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln 日</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days, to %1</source>
        <translation>
            <numerusform>%Ln 日、%1 まで</numerusform>
        </translation>
    </message>
    <message>
        <source>Words per day of %1</source>
        <translation>%1 年の日ごとの語数</translation>
    </message>
    <message>
        <source>this year</source>
        <translation>今年</translation>
    </message>
    <message numerus="yes">
        <source>in %n years</source>
        <translation>
            <numerusform>%n 年後</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TMonthChart</name>
    <message>
        <source>Words per month of %1</source>
        <translation>%1 年の月ごとの語数</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln words</source>
        <translation>
            <numerusform>%1: %Ln 語</numerusform>
        </translation>
    </message>
    <message>
        <source>The words of each month; Left and Right move between the months</source>
        <translation>月ごとの語数。左右の矢印キーで月を移動します</translation>
    </message>
</context>
<context>
    <name>TPassedOver</name>
    <message numerus="yes">
        <source>Not read: %n files named like entries could not be read: %1</source>
        <translation>
            <numerusform>未読: 日記の名前を持つ %n 個のファイルを読めませんでした: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TPasswordDialog</name>
    <message>
        <source>&amp;Password:</source>
        <translation>パスワード(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Remember the password on this device</source>
        <translation>この端末でパスワードを記憶する(&amp;R)</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s keyring, for this diary</source>
        <translation>デスクトップのキーリングに、この日記用に保存されます</translation>
    </message>
</context>
<context>
    <name>TPictureTextEdit</name>
    <message>
        <source>Picture not found: %1</source>
        <translation>画像が見つかりません: %1</translation>
    </message>
    <message>
        <source>Picture outside the diary: %1</source>
        <translation>日記の外にある画像: %1</translation>
    </message>
    <message>
        <source>Not a picture: %1</source>
        <translation>画像ではありません: %1</translation>
    </message>
    <message>
        <source>Picture cannot be shown: %1</source>
        <translation>画像を表示できません: %1</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>画像: %1</translation>
    </message>
</context>
<context>
    <name>TProgress</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
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
<context>
    <name>TTagsWindow</name>
    <message>
        <source>Tags</source>
        <translation>タグ</translation>
    </message>
    <message>
        <source>Show the tags holding these letters</source>
        <translation>この文字を含むタグを表示</translation>
    </message>
    <message>
        <source>Filter the tags</source>
        <translation>タグを絞り込む</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>タグ</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>日記数</translation>
    </message>
    <message>
        <source>Every tag of the diary with the number of entries holding it; choosing one lists its entries below</source>
        <translation>日記のすべてのタグと、それを含む日記の数。選ぶと下にその日記を一覧します</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>名前の変更(&amp;R)…</translation>
    </message>
    <message>
        <source>Renames the chosen tag in every entry, or merges it with another</source>
        <translation>選んだタグをすべての日記で名前を変えるか、別のタグと統合します</translation>
    </message>
    <message>
        <source>Reading the tags…</source>
        <translation>タグを読み込み中…</translation>
    </message>
    <message numerus="yes">
        <source>#%1, %n entries</source>
        <translation>
            <numerusform>#%1、%n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>No entry holds a tag.</source>
        <translation>タグのある日記はありません。</translation>
    </message>
    <message numerus="yes">
        <source>%n tags</source>
        <translation>
            <numerusform>%n 個のタグ</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename a tag</source>
        <translation>タグの名前の変更</translation>
    </message>
    <message>
        <source>New name of #%1 in every entry (an existing tag&apos;s name merges the two):</source>
        <translation>すべての日記での #%1 の新しい名前（既存のタグの名前にすると統合します）:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a tag&apos;s name: a name holds letters, digits, &apos;_&apos;, &apos;-&apos; and &apos;/&apos;, and at least one letter.</source>
        <translation>「%1」はタグの名前にできません。名前は文字、数字、&apos;_&apos;、&apos;-&apos;、&apos;/&apos; からなり、文字を一つ以上含みます。</translation>
    </message>
    <message>
        <source>%1: its changes in the window are not saved</source>
        <translation>%1: ウィンドウでの変更が保存されていません</translation>
    </message>
    <message>
        <source>%1: its encoding cannot hold the new name</source>
        <translation>%1: その文字コードでは新しい名前を書けません</translation>
    </message>
    <message>
        <source>%1, tab &quot;%2&quot;</source>
        <translation>%1、タブ「%2」</translation>
    </message>
    <message>
        <source>%1: another program changed it meanwhile</source>
        <translation>%1: その間に別のプログラムが変更しました</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>#%1 was renamed to #%2 in %n entries.</source>
        <translation>
            <numerusform>%n 件の日記で #%1 を #%2 に変更しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Not renamed:</source>
        <translation>変更されなかった日記:</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n tags</source>
        <translation>
            <numerusform>%n 個のタグのうち %1 個</numerusform>
        </translation>
    </message>
    <message>
        <source>The tags nested under it are renamed with it: %1.</source>
        <translation>その下に入れ子になったタグも一緒に名前が変わります: %1。</translation>
    </message>
    <message>
        <source>A change of case alone: every entry then writes #%1 so, whatever case it has there now.</source>
        <translation>大文字と小文字だけの変更です。今どう書かれていても、すべての日記で #%1 と書かれるようになります。</translation>
    </message>
    <message>
        <source>#%1 is a tag already: the two are merged into one.</source>
        <translation>#%1 は既にあるタグです。2 つは 1 つに統合されます。</translation>
    </message>
    <message>
        <source>Merge #%1 into #%2? Every entry holding #%1 then holds #%2, and the two cannot be told apart afterwards: renaming back would rename both.</source>
        <translation>#%1 を #%2 に統合しますか? #%1 を含むすべての日記が #%2 を含むようになり、その後は 2 つを区別できません。名前を戻すと両方が変わります。</translation>
    </message>
    <message numerus="yes">
        <source>#%1 was merged into #%2 in %n entries.</source>
        <translation>
            <numerusform>%n 件の日記で #%1 を #%2 に統合しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Renaming #%1…</source>
        <translation>#%1 の名前を変更しています…</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %n entries were not reached and still hold #%1.</source>
        <translation>
            <numerusform>中止しました: %n 件の記事は処理されず、#%1 のままです。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TTemplatesWindow</name>
    <message>
        <source>Templates</source>
        <translation>テンプレート</translation>
    </message>
    <message>
        <source>The general template, one for each day of the week and one for each tab; the most specific one that exists applies</source>
        <translation>共通のテンプレート、曜日ごと、タブごとのテンプレート。存在するうち最も限定的なものが使われます</translation>
    </message>
    <message>
        <source>Every new entry</source>
        <translation>すべての新しい日記</translation>
    </message>
    <message>
        <source>Tab &quot;%1&quot;</source>
        <translation>タブ「%1」</translation>
    </message>
    <message>
        <source>Template text</source>
        <translation>テンプレートの本文</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save the chosen template&apos;s text</source>
        <translation>選んだテンプレートの本文を保存します</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>削除(&amp;R)</translation>
    </message>
    <message>
        <source>Remove the chosen template&apos;s file, so that the next less specific one applies</source>
        <translation>選んだテンプレートのファイルを削除し、次に一般的なものが使われるようにします</translation>
    </message>
    <message>
        <source>Placeholders</source>
        <translation>差し込み項目</translation>
    </message>
    <message>
        <source>the new entry&apos;s date, long: %1</source>
        <translation>新しい日記の日付(長い形式): %1</translation>
    </message>
    <message>
        <source>the new entry&apos;s date, short: %1</source>
        <translation>新しい日記の日付(短い形式): %1</translation>
    </message>
    <message>
        <source>its day of the week: %1</source>
        <translation>その曜日: %1</translation>
    </message>
    <message>
        <source>the name of its tab: %1</source>
        <translation>そのタブの名前: %1</translation>
    </message>
    <message>
        <source>The dates are always the new entry&apos;s own, whatever day it is made on. Anything else in braces stays as written.</source>
        <translation>日付は、作成した日ではなく常に新しい日記自身の日付です。ほかの波かっこの語は書いたまま残ります。</translation>
    </message>
    <message>
        <source>New entries of %1:</source>
        <translation>%1 の新しい日記:</translation>
    </message>
    <message>
        <source>tab &quot;%1&quot; starts empty: no template applies</source>
        <translation>タブ「%1」は空で始まります: 使われるテンプレートはありません</translation>
    </message>
    <message>
        <source>tab &quot;%1&quot; starts from %2</source>
        <translation>タブ「%1」は %2 から始まります</translation>
    </message>
    <message>
        <source>tab &quot;%1&quot; starts empty: %2 cannot be read</source>
        <translation>タブ「%1」は空で始まります: %2 を読めません</translation>
    </message>
    <message>
        <source>applies on %1</source>
        <translation>%1 に使われます</translation>
    </message>
    <message>
        <source>not written yet</source>
        <translation>まだ作成されていません</translation>
    </message>
    <message>
        <source>In %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 does not exist yet: saving makes it.</source>
        <translation>%1 はまだありません。保存すると作成されます。</translation>
    </message>
    <message>
        <source>This template cannot be used, and is not written over here:
%1</source>
        <translation>このテンプレートは使えないため、ここでは上書きしません:
%1</translation>
    </message>
    <message>
        <source>Could not save the template %1:
%2</source>
        <translation>テンプレート %1 を保存できませんでした:
%2</translation>
    </message>
    <message>
        <source>Could not remove the template %1:
%2</source>
        <translation>テンプレート %1 を削除できませんでした:
%2</translation>
    </message>
    <message>
        <source>%1 is saved.</source>
        <translation>%1 を保存しました。</translation>
    </message>
    <message>
        <source>Not filled in, kept as written: %1</source>
        <translation>埋め込まれず、書いたまま残ります: %1</translation>
    </message>
</context>
<context>
    <name>TYearHeatmap</name>
    <message numerus="yes">
        <source>%1: %Ln words</source>
        <translation>
            <numerusform>%1: %Ln 語</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words in %1</source>
        <translation>
            <numerusform>%1 年に %Ln 語</numerusform>
        </translation>
    </message>
    <message>
        <source>Less</source>
        <translation>少</translation>
    </message>
    <message>
        <source>More</source>
        <translation>多</translation>
    </message>
</context>
</TS>
