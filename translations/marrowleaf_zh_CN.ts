<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>ImportFormat</name>
    <message>
        <source>A Day One export</source>
        <translation>Day One 导出</translation>
    </message>
    <message>
        <source>a Day One export (.zip, folder or .json)</source>
        <translation>Day One 导出（.zip、文件夹或 .json）</translation>
    </message>
    <message>
        <source>A Diaro backup</source>
        <translation>Diaro 备份</translation>
    </message>
    <message>
        <source>a Diaro backup (.zip)</source>
        <translation>Diaro 备份（.zip）</translation>
    </message>
    <message>
        <source>A jrnl journal</source>
        <translation>jrnl 日志</translation>
    </message>
    <message>
        <source>a jrnl journal</source>
        <translation>jrnl 日志</translation>
    </message>
    <message>
        <source>A RedNotebook journal</source>
        <translation>RedNotebook 日志</translation>
    </message>
    <message>
        <source>RedNotebook&apos;s data folder</source>
        <translation>RedNotebook 的数据文件夹</translation>
    </message>
</context>
<context>
    <name>TDiaryCalendar</name>
    <message>
        <source>The month calendar; days with entries are bold, Alt+Left and Alt+Right move to the previous and next day with an entry</source>
        <translation>月历；有日记的日期以粗体显示，Alt+左方向键和 Alt+右方向键移到上一个和下一个有日记的日期</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>上个月</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>下个月</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n entries, a sync tool&apos;s conflict copy</source>
        <translation>
            <numerusform>%1，%n 篇日记，有同步工具的冲突副本</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, a sync tool&apos;s conflict copy</source>
        <translation>%1，有同步工具的冲突副本</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n entries</source>
        <translation>
            <numerusform>%1，%n 篇日记</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TEncryptionWindow</name>
    <message>
        <source>Encryption</source>
        <translation>加密</translation>
    </message>
    <message>
        <source>&amp;Repeat password:</source>
        <translation>确认密码(&amp;R)：</translation>
    </message>
    <message>
        <source>&amp;Encrypt</source>
        <translation>加密(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Change password…</source>
        <translation>更改密码(&amp;C)…</translation>
    </message>
    <message>
        <source>&amp;Decrypt…</source>
        <translation>解密(&amp;D)…</translation>
    </message>
    <message>
        <source>Encrypt the &amp;plain entries</source>
        <translation>加密未加密的日记(&amp;P)</translation>
    </message>
    <message>
        <source>Re&amp;member the password on this device</source>
        <translation>在此设备上记住密码(&amp;M)</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s keyring, for this diary</source>
        <translation>保存在桌面的密钥环中，仅用于此日记</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>报告</translation>
    </message>
    <message>
        <source>Too short: a password needs at least %1 characters.</source>
        <translation>太短：密码至少需要 %1 个字符。</translation>
    </message>
    <message>
        <source>Weak: a longer password, or a few unrelated words, is far harder to guess.</source>
        <translation>弱：更长的密码，或几个互不相关的词，要难猜得多。</translation>
    </message>
    <message>
        <source>Fair: a few more characters or words make it strong.</source>
        <translation>一般：再加几个字符或词就会很强。</translation>
    </message>
    <message>
        <source>Strong.</source>
        <translation>强。</translation>
    </message>
    <message>
        <source>This diary is not encrypted: anyone who has its folder can read its entries. Encrypting keeps every entry, its history, its drafts and its pictures readable only with the password; sync tools and the history go on working.</source>
        <translation>此日记未加密：任何拿到其文件夹的人都能读到日记。加密后，每篇日记及其历史记录、草稿和图片只有用密码才能读取；同步工具和历史记录照常工作。</translation>
    </message>
    <message>
        <source>This diary is encrypted: its entries, their history, drafts and pictures open only with its password.</source>
        <translation>此日记已加密：其日记、历史记录、草稿和图片只有用密码才能打开。</translation>
    </message>
    <message>
        <source>Two devices encrypted it, each with a key of its own: the files of both open. &quot;Encrypt the plain entries&quot; seals them all anew under this device&apos;s key.</source>
        <translation>两台设备各用自己的密钥加密了它：两者的文件都能打开。“加密未加密的日记”会用本设备的密钥重新封存所有文件。</translation>
    </message>
    <message>
        <source>&amp;New password:</source>
        <translation>新密码(&amp;N)：</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>密码(&amp;P)：</translation>
    </message>
    <message numerus="yes">
        <source>%n files of the diary are plain: written by another program or device, or before it was encrypted. They are encrypted when they are saved, or by &quot;Encrypt the plain entries&quot;.</source>
        <translation>
            <numerusform>日记中有 %n 个文件未加密：由其他程序或设备写入，或写于加密之前。它们会在保存时加密，或通过“加密未加密的日记”加密。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files are encrypted with a key that this password does not open:</source>
        <translation>
            <numerusform>%n 个文件用此密码打不开的密钥加密：</numerusform>
        </translation>
    </message>
    <message>
        <source>The two passwords differ. Type the same password twice.</source>
        <translation>两次输入的密码不同。请输入同一个密码两次。</translation>
    </message>
    <message>
        <source>Making the diary&apos;s key…</source>
        <translation>正在生成日记的密钥…</translation>
    </message>
    <message>
        <source>The diary could not be encrypted:
%1</source>
        <translation>无法加密日记：
%1</translation>
    </message>
    <message>
        <source>The password is wrong. Nothing was changed.</source>
        <translation>密码错误。未做任何更改。</translation>
    </message>
    <message>
        <source>Enter the diary&apos;s current password.</source>
        <translation>请输入日记的当前密码。</translation>
    </message>
    <message>
        <source>Changing the password…</source>
        <translation>正在更改密码…</translation>
    </message>
    <message>
        <source>The password could not be changed:
%1</source>
        <translation>无法更改密码：
%1</translation>
    </message>
    <message>
        <source>The password is changed. Other devices use the new one as soon as the key file reaches them.</source>
        <translation>密码已更改。其他设备在收到密钥文件后即使用新密码。</translation>
    </message>
    <message>
        <source>Decrypting writes every entry, its history and its pictures as plain files again, readable by anyone who has the folder. Enter the diary&apos;s password to decrypt it.</source>
        <translation>解密会把每篇日记及其历史记录和图片重新写成未加密的文件，任何拿到文件夹的人都能读取。请输入日记的密码以解密。</translation>
    </message>
    <message>
        <source>Encrypting the diary…</source>
        <translation>正在加密日记…</translation>
    </message>
    <message>
        <source>Decrypting the diary…</source>
        <translation>正在解密日记…</translation>
    </message>
    <message>
        <source>Stopped. The diary works as it is, with some files converted and some not; the conversion goes on at the next start.</source>
        <translation>已停止。日记照常可用，部分文件已转换、部分未转换；转换将在下次启动时继续。</translation>
    </message>
    <message>
        <source>The diary is encrypted.</source>
        <translation>日记已加密。</translation>
    </message>
    <message>
        <source>The diary is decrypted: its files are plain again.</source>
        <translation>日记已解密：其文件重新成为未加密文件。</translation>
    </message>
    <message>
        <source>The diary stays encrypted: some files could not be decrypted.</source>
        <translation>日记仍保持加密：有些文件无法解密。</translation>
    </message>
    <message>
        <source>These files were left as they are:</source>
        <translation>以下文件保持原样：</translation>
    </message>
    <message>
        <source>The password could not be kept in the desktop&apos;s keyring:
%1</source>
        <translation>无法将密码保存到桌面的密钥环中：
%1</translation>
    </message>
    <message>
        <source>Enter the diary&apos;s password to keep it in the desktop&apos;s keyring.</source>
        <translation>请输入日记的密码，以将其保存到桌面的密钥环中。</translation>
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
        <translation>纯文本</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Could not export to %1:
%2</source>
        <translation>无法导出到 %1：
%2</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>从(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>到(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Whole diary</source>
        <translation>整本日记(&amp;W)</translation>
    </message>
    <message>
        <source>Whole diary</source>
        <translation>整本日记</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>标签页</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>浏览(&amp;B)…</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>浏览…</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>格式(&amp;O)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>F&amp;ile</source>
        <translation>文件(&amp;I)</translation>
    </message>
    <message>
        <source>diary</source>
        <translation>日记</translation>
    </message>
    <message>
        <source>One &amp;day per page</source>
        <translation>每天一页(&amp;D)</translation>
    </message>
    <message>
        <source>One day per page</source>
        <translation>每天一页</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>导出(&amp;E)</translation>
    </message>
    <message>
        <source>Marrowleaf diary</source>
        <translation>Marrowleaf 日记</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 至 %2</translation>
    </message>
    <message>
        <source>Choose a file to export to.</source>
        <translation>请选择要导出到的文件。</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>正在导出…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>打印(&amp;P)…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>打印…</translation>
    </message>
    <message>
        <source>Pre&amp;view…</source>
        <translation>预览(&amp;V)…</translation>
    </message>
    <message>
        <source>Preview…</source>
        <translation>预览…</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
要替换它吗？</translation>
    </message>
    <message>
        <source>No day from %1 to %2 holds an entry of the chosen tabs: nothing was exported.</source>
        <translation>从 %1 到 %2 没有哪一天有所选标签页的日记：未导出任何内容。</translation>
    </message>
    <message>
        <source>No day from %1 to %2 holds an entry of the chosen tabs: nothing was printed.</source>
        <translation>从 %1 到 %2 没有哪一天有所选标签页的日记：未打印任何内容。</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>等另外 %n 项</numerusform>
        </translation>
    </message>
    <message>
        <source>These could not be read:
%1

Export without them?</source>
        <translation>无法读取以下内容：
%1

是否不含这些内容继续导出？</translation>
    </message>
    <message>
        <source>These could not be read:
%1

Print without them?</source>
        <translation>无法读取以下内容：
%1

是否不含这些内容继续打印？</translation>
    </message>
    <message>
        <source>Could not print on %1.</source>
        <translation>无法在 %1 上打印。</translation>
    </message>
    <message>
        <source>This diary is encrypted, and the export is not: %1 (and its pictures) will be plain files that anyone who has them can read.
Export anyway?</source>
        <translation>此日记已加密，但导出不加密：%1（及其图片）将成为未加密文件，任何拿到的人都能读取。
仍要导出吗？</translation>
    </message>
</context>
<context>
    <name>TFindWindow</name>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>Words to find, &quot;a phrase&quot; in quotes</source>
        <translation>要查找的词语，&quot;短语&quot;要加引号</translation>
    </message>
    <message>
        <source>Words to find in every entry; quotation marks make a phrase</source>
        <translation>要在所有日记中查找的词语；用引号括起来表示短语</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Text typed in an earlier run was never saved, for:
%1

It is kept as unsaved text in each entry&apos;s history (File, History), where it can be restored.</source>
        <translation>上次运行时输入的文本一直没有保存，涉及：
%1

这些文本已作为未保存的文本保留在各篇日记的历史记录中（文件 → 历史记录），可以从那里恢复。</translation>
    </message>
    <message>
        <source>The editor is set by the key EDITOR in the section [GENERAL] of
%1
The editor must stay open until you are done with the entry, for example
EDITOR = gedit --wait, kate --block, gvim -f or code --wait.</source>
        <translation>编辑器由以下文件中 [GENERAL] 节的 EDITOR 键设置：
%1
编辑器必须保持打开，直到您编辑完日记为止，例如：
EDITOR = gedit --wait, kate --block, gvim -f 或 code --wait</translation>
    </message>
    <message>
        <source>No editor is set.</source>
        <translation>未设置编辑器。</translation>
    </message>
    <message>
        <source>%1 is a link to a file outside the diary. It is shown read-only and not handed to an editor.</source>
        <translation>%1是指向日记文件夹之外的文件的链接。它以只读方式显示，不会交给编辑器。</translation>
    </message>
    <message>
        <source>The text of %1 could not be kept in its history:
%2</source>
        <translation>无法将%1的文本保留到历史记录中：
%2</translation>
    </message>
    <message>
        <source>The editor &quot;%1&quot; ended abnormally and left the entry unchanged.</source>
        <translation>编辑器“%1”异常结束，日记未被更改。</translation>
    </message>
    <message>
        <source>The editor &quot;%1&quot; ended with exit status %2 and left the entry unchanged.</source>
        <translation>编辑器“%1”以退出状态 %2 结束，日记未被更改。</translation>
    </message>
    <message>
        <source>The editor returned at once; it may still be open in a window of its own.
The diary shows what it saves there as soon as it is saved.</source>
        <translation>编辑器立即返回了；它可能仍在自己的窗口中打开着。
在那里保存的内容一经保存，就会显示在日记中。</translation>
    </message>
    <message>
        <source>No program named &quot;%1&quot; was found.</source>
        <translation>找不到名为“%1”的程序。</translation>
    </message>
    <message>
        <source>Could not start the editor &quot;%1&quot;: %2</source>
        <translation>无法启动编辑器“%1”：%2</translation>
    </message>
    <message>
        <source>Entry of %1</source>
        <translation>%1的日记</translation>
    </message>
    <message>
        <source>File does not exist. push &apos;create&apos; button.</source>
        <translation>文件不存在。请按“创建”按钮。</translation>
    </message>
    <message>
        <source>No entry yet for %1</source>
        <translation>%1还没有日记</translation>
    </message>
    <message>
        <source>Entry of %1, read-only: a link to a file outside the diary</source>
        <translation>%1的日记，只读：指向日记文件夹之外的文件的链接</translation>
    </message>
    <message>
        <source>Entry of %1, read-only</source>
        <translation>%1的日记，只读</translation>
    </message>
    <message>
        <source>Another program had changed %1 since it was shown.
Your text was saved; the other version is in the entry&apos;s history (File, History).</source>
        <translation>%1在显示之后被另一个程序修改过。
您的文本已保存；另一个版本在该日记的历史记录中（文件 → 历史记录）。</translation>
    </message>
    <message>
        <source>The text that %1 held before could not be kept in its history:
%2</source>
        <translation>无法将%1原先的文本保留到历史记录中：
%2</translation>
    </message>
    <message>
        <source>The text of the shown entry, saved; the text it replaced is in its history</source>
        <translation>所显示日记的文本，已保存；被替换的文本在其历史记录中</translation>
    </message>
    <message>
        <source>the entry of %1</source>
        <translation>%1的日记</translation>
    </message>
    <message>
        <source>Could not save %1:
%2</source>
        <translation>无法保存%1：
%2</translation>
    </message>
    <message>
        <source>The text was kept in
%1</source>
        <translation>文本已保留在：
%1</translation>
    </message>
    <message>
        <source>The text of the shown entry, not saved; kept in a recovery file</source>
        <translation>所显示日记的文本，未保存；已保留在恢复文件中</translation>
    </message>
    <message>
        <source>The text could not be kept either (%1). Copy it out of the window before another entry is shown.</source>
        <translation>文本也无法保留（%1）。请在显示其他日记之前，把文本从窗口中复制出来。</translation>
    </message>
    <message>
        <source>Marrowleaf v0.02a</source>
        <translation>Marrowleaf v0.02a</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>查找(&amp;F)…</translation>
    </message>
    <message>
        <source>&amp;History…</source>
        <translation>历史记录(&amp;H)…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>导出(&amp;E)…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>打印(&amp;P)…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Previous day with an entry</source>
        <translation>上一个有日记的日期</translation>
    </message>
    <message>
        <source>Next day with an entry</source>
        <translation>下一个有日记的日期</translation>
    </message>
    <message>
        <source>today</source>
        <translation>今天</translation>
    </message>
    <message>
        <source>launch editor</source>
        <translation>编辑器</translation>
    </message>
    <message>
        <source>create</source>
        <translation>创建</translation>
    </message>
    <message>
        <source>autosave without confirm</source>
        <translation>不经确认自动保存</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>上一年</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>下一年</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>上个月</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>下个月</translation>
    </message>
    <message>
        <source>Show today</source>
        <translation>显示今天</translation>
    </message>
    <message>
        <source>Open this entry in the external editor</source>
        <translation>在外部编辑器中打开这篇日记</translation>
    </message>
    <message>
        <source>Create this day&apos;s entry</source>
        <translation>创建这一天的日记</translation>
    </message>
    <message>
        <source>Save without asking</source>
        <translation>保存时不询问</translation>
    </message>
    <message>
        <source>Today&apos;s date</source>
        <translation>今天的日期</translation>
    </message>
    <message>
        <source>One tab per kind of entry; a plus sign marks a tab whose entry exists</source>
        <translation>每种日记一个标签页；加号标出已有日记的标签页</translation>
    </message>
    <message>
        <source>The text of the shown entry</source>
        <translation>所显示日记的文本</translation>
    </message>
    <message>
        <source>Invalid date: year %1, month %2, day %3</source>
        <translation>无效日期：%1 年 %2 月 %3 日</translation>
    </message>
    <message>
        <source>The calendar cannot show this date</source>
        <translation>日历无法显示此日期</translation>
    </message>
    <message>
        <source>%1, tab &quot;%2&quot;</source>
        <translation>%1，标签页“%2”</translation>
    </message>
    <message>
        <source>&amp;Tags…</source>
        <translation>标签(&amp;T)…</translation>
    </message>
    <message>
        <source>Te&amp;mplates…</source>
        <translation>模板(&amp;M)…</translation>
    </message>
    <message>
        <source>&amp;Look Back…</source>
        <translation>回顾(&amp;L)…</translation>
    </message>
    <message>
        <source>The template %1 cannot be used:
%2

The new entry starts empty.</source>
        <translation>无法使用模板 %1：
%2

新日记将从空白开始。</translation>
    </message>
    <message>
        <source>The template %1 could not be written into the new entry:
%2

The new entry starts empty.</source>
        <translation>无法将模板 %1 写入新日记：
%2

新日记将从空白开始。</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>导入(&amp;I)…</translation>
    </message>
    <message>
        <source>I&amp;nsert Picture…</source>
        <translation>插入图片(&amp;N)…</translation>
    </message>
    <message>
        <source>Insert Picture</source>
        <translation>插入图片</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>图片 (%1)</translation>
    </message>
    <message>
        <source>The picture %1 could not be read:
%2</source>
        <translation>无法读取图片 %1：
%2</translation>
    </message>
    <message>
        <source>%1 is not a picture the diary can show (PNG, JPEG, GIF, BMP or WebP).</source>
        <translation>%1 不是日记能够显示的图片（PNG、JPEG、GIF、BMP 或 WebP）。</translation>
    </message>
    <message>
        <source>The picture could not be kept with %1:
%2</source>
        <translation>无法将图片保存到%1：
%2</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>打开图片</translation>
    </message>
    <message>
        <source>The import cannot be used: its part of the program could not be loaded (%1).</source>
        <translation>无法使用导入：程序的这一部分无法加载（%1）。</translation>
    </message>
    <message>
        <source>%1 cannot be read, and is not handed to an editor.</source>
        <translation>无法读取%1，因此不交给编辑器。</translation>
    </message>
    <message>
        <source>No private folder could be made for the editor&apos;s copy of %1.</source>
        <translation>无法为编辑器的副本创建私有文件夹：%1。</translation>
    </message>
    <message>
        <source>The editor returned at once, and its copy of the encrypted entry is removed: what it saves now is lost. Set an editor that stays open until you are done.</source>
        <translation>编辑器立即返回，其加密日记的副本已删除：它现在保存的内容会丢失。请设置一个在您完成前一直打开的编辑器。</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>无法读取（%1）</translation>
    </message>
    <message>
        <source>it is no key file</source>
        <translation>不是密钥文件</translation>
    </message>
    <message>
        <source>it was written by a newer version of the program</source>
        <translation>由更新版本的程序写入</translation>
    </message>
    <message>
        <source>this device lacks the memory its password needs</source>
        <translation>此设备缺少其密码所需的内存</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>已损坏</translation>
    </message>
    <message>
        <source>This diary is encrypted. Enter its password to open it.</source>
        <translation>此日记已加密。请输入密码以打开。</translation>
    </message>
    <message>
        <source>The password could not be kept in the desktop&apos;s keyring:
%1</source>
        <translation>无法将密码保存到桌面的密钥环中：
%1</translation>
    </message>
    <message>
        <source>The password is wrong. Enter the password of this diary.</source>
        <translation>密码错误。请输入此日记的密码。</translation>
    </message>
    <message>
        <source>Two devices encrypted this diary, each with a password of its own, and a sync tool kept both key files. Enter the other device&apos;s password too, or Cancel to open only the entries that this password opens.</source>
        <translation>两台设备各用自己的密码加密了此日记，同步工具保留了两个密钥文件。请同时输入另一台设备的密码，或点“取消”只打开此密码能打开的日记。</translation>
    </message>
    <message>
        <source>This diary is encrypted, but none of its key files can be used:
%1

Nothing was read or written.</source>
        <translation>此日记已加密，但其密钥文件都无法使用：
%1

未读取或写入任何内容。</translation>
    </message>
    <message>
        <source>This entry cannot be read: it is encrypted, and the diary has no key file (marrowleaf.key) to open it with. Bring the key file back from a copy of the diary or another device, then start the diary again.</source>
        <translation>无法读取此日记：它已加密，而日记没有可用来打开它的密钥文件（marrowleaf.key）。请从日记的副本或其他设备找回密钥文件，然后重新启动日记。</translation>
    </message>
    <message>
        <source>This entry cannot be read: it is encrypted with a key that the diary&apos;s password does not open (another device&apos;s password, or another diary&apos;s). Its earlier versions are in File, History.</source>
        <translation>无法读取此日记：它用日记密码打不开的密钥加密（另一台设备或另一本日记的密码）。其早期版本在“文件”&gt;“历史记录”中。</translation>
    </message>
    <message>
        <source>This entry cannot be read: its encrypted file is damaged (changed or cut short since it was written). Its earlier versions are in File, History, where one can be restored.</source>
        <translation>无法读取此日记：其加密文件已损坏（写入后被改动或截断）。其早期版本在“文件”&gt;“历史记录”中，可以从那里恢复。</translation>
    </message>
    <message>
        <source>Entry of %1, cannot be read</source>
        <translation>%1的日记，无法读取</translation>
    </message>
    <message>
        <source>The text was kept, encrypted, as unsaved text in the entry&apos;s history (File, History).</source>
        <translation>文本已加密保存为日记历史记录中的未保存文本（“文件”&gt;“历史记录”）。</translation>
    </message>
    <message>
        <source>En&amp;cryption…</source>
        <translation>加密(&amp;C)…</translation>
    </message>
</context>
<context>
    <name>TFoundEntries</name>
    <message>
        <source>%1, tab %2, not saved yet: %3</source>
        <translation>%1，标签页 %2，尚未保存：%3</translation>
    </message>
    <message>
        <source>%1, tab %2: %3</source>
        <translation>%1，标签页 %2：%3</translation>
    </message>
    <message>
        <source>not saved yet</source>
        <translation>尚未保存</translation>
    </message>
    <message>
        <source>Entries found</source>
        <translation>找到的日记</translation>
    </message>
    <message>
        <source>Newest first; Enter shows the entry with the words selected</source>
        <translation>最新的在前；按 Enter 显示该日记并选中这些词语</translation>
    </message>
    <message>
        <source>How many entries were found</source>
        <translation>找到的日记数</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>正在查找…</translation>
    </message>
    <message numerus="yes">
        <source>%n entries found</source>
        <translation>
            <numerusform>找到 %n 篇日记</numerusform>
        </translation>
    </message>
    <message>
        <source>No entry holds &quot;%1&quot;.</source>
        <translation>没有日记包含“%1”。</translation>
    </message>
</context>
<context>
    <name>THistoryWindow</name>
    <message>
        <source>History of %1</source>
        <translation>%1的历史记录</translation>
    </message>
    <message>
        <source>No entry is shown, so there is no history to show.</source>
        <translation>没有显示日记，因此没有可显示的历史记录。</translation>
    </message>
    <message>
        <source>This entry has no earlier versions yet.</source>
        <translation>这篇日记还没有早先的版本。</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>恢复(&amp;R)</translation>
    </message>
    <message>
        <source>Versions</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>The entry&apos;s texts, newest first: the file now, unsaved text, earlier versions</source>
        <translation>日记的各个文本，最新的在前：当前文件、未保存的文本、早先的版本</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>The chosen version&apos;s text</source>
        <translation>所选版本的文本</translation>
    </message>
    <message>
        <source>Put the chosen text into the entry, to be saved like typing</source>
        <translation>将所选文本放入日记，像输入的文本一样保存</translation>
    </message>
    <message>
        <source>Now in the entry file</source>
        <translation>当前日记文件中的内容</translation>
    </message>
    <message>
        <source>unsaved text from %1</source>
        <translation>%1 未保存的文本</translation>
    </message>
    <message>
        <source>written by another program</source>
        <translation>由另一个程序写入</translation>
    </message>
    <message>
        <source>copy made by a sync tool: %1</source>
        <translation>同步工具生成的副本：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n 字节</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n earlier versions</source>
        <translation>
            <numerusform>%n 个早先的版本</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TImportWindow</name>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>来源</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>浏览(&amp;B)…</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>浏览…</translation>
    </message>
    <message>
        <source>A &amp;file…</source>
        <translation>文件(&amp;F)…</translation>
    </message>
    <message>
        <source>A f&amp;older…</source>
        <translation>文件夹(&amp;O)…</translation>
    </message>
    <message>
        <source>&amp;Source</source>
        <translation>来源(&amp;S)</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>标签页</translation>
    </message>
    <message>
        <source>&amp;Tab</source>
        <translation>标签页(&amp;T)</translation>
    </message>
    <message>
        <source>What the import will do</source>
        <translation>导入将执行的操作</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>导入(&amp;I)</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>正在读取 %1…</translation>
    </message>
    <message>
        <source>%1: not a diary that can be imported here</source>
        <translation>%1：不是可在此导入的日记</translation>
    </message>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1：无法读取（%2）</translation>
    </message>
    <message>
        <source>%1: does not parse (%2)</source>
        <translation>%1：无法解析（%2）</translation>
    </message>
    <message>
        <source>%1: not an entry (%2)</source>
        <translation>%1：不是一篇日记（%2）</translation>
    </message>
    <message>
        <source>%1: a date that does not exist (%2)</source>
        <translation>%1：不存在的日期（%2）</translation>
    </message>
    <message>
        <source>%1: the attachment %2 is missing; its link is kept</source>
        <translation>%1：缺少附件 %2；保留其链接</translation>
    </message>
    <message numerus="yes">
        <source>Coordinates of places: %n (the places&apos; names are kept)</source>
        <translation>
            <numerusform>地点坐标：%n（保留地点名称）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Day One&apos;s formatting of entries: %n (their Markdown text is kept)</source>
        <translation>
            <numerusform>Day One 的日记格式：%n（保留其 Markdown 文本）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moods of entries: %n</source>
        <translation>
            <numerusform>日记的心情：%n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Folders of entries: %n (all go to the chosen tab)</source>
        <translation>
            <numerusform>日记的文件夹：%n（全部放入所选标签页）</numerusform>
        </translation>
    </message>
    <message>
        <source>No place in a plain entry:</source>
        <translation>纯文本日记无法保留的内容：</translation>
    </message>
    <message>
        <source>Could not be read:</source>
        <translation>无法读取的内容：</translation>
    </message>
    <message>
        <source>Nothing to import.</source>
        <translation>没有可导入的内容。</translation>
    </message>
    <message numerus="yes">
        <source>Entries: %n</source>
        <translation>
            <numerusform>日记数：%n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Days: %n</source>
        <translation>
            <numerusform>天数：%n</numerusform>
        </translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation>%1 至 %2</translation>
    </message>
    <message numerus="yes">
        <source>Days that already hold an entry: %n (kept; the imported text is added after it)</source>
        <translation>
            <numerusform>已有日记的天数：%n（保留原日记，导入的文本添加在其后）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Days that hold this import already: %n (left as they are)</source>
        <translation>
            <numerusform>已包含此次导入的天数：%n（保持不变）</numerusform>
        </translation>
    </message>
    <message>
        <source>Journals without a tab of their name: %1</source>
        <translation>没有同名标签页的日志：%1</translation>
    </message>
    <message>
        <source>No tab is named after the journals %1. Add a tab of that name for each to the diary?</source>
        <translation>没有以日志 %1 命名的标签页。要在日记中为每个日志添加同名标签页吗？</translation>
    </message>
    <message>
        <source>The new tabs could not be written to config.ini; those journals go to the chosen tab.</source>
        <translation>无法将新标签页写入 config.ini；这些日志将放入所选标签页。</translation>
    </message>
    <message>
        <source>Importing…</source>
        <translation>正在导入…</translation>
    </message>
    <message>
        <source>The import was cancelled.</source>
        <translation>导入已取消。</translation>
    </message>
    <message>
        <source>The import is done.</source>
        <translation>导入已完成。</translation>
    </message>
    <message numerus="yes">
        <source>New entries: %n</source>
        <translation>
            <numerusform>新日记：%n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Entries kept, with the imported text added after them: %n (their earlier text is in their history)</source>
        <translation>
            <numerusform>保留并在其后添加了导入文本的日记：%n（其原有文本在历史记录中）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Entries that held the import already, left as they were: %n</source>
        <translation>
            <numerusform>已包含此次导入而保持不变的日记：%n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Attachments copied: %n</source>
        <translation>
            <numerusform>已复制的附件：%n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Days from %1 on, left as they were: %n</source>
        <translation>
            <numerusform>自 %1 起保持不变的天数：%n</numerusform>
        </translation>
    </message>
    <message>
        <source>Not imported, left as it was: %1 (%2)</source>
        <translation>未导入，保持不变：%1（%2）</translation>
    </message>
    <message>
        <source>Imported, but its earlier text could not be kept in its history: %1 (%2)</source>
        <translation>已导入，但其原有文本未能保存在历史记录中：%1（%2）</translation>
    </message>
    <message>
        <source>Choose a diary to import: %1.</source>
        <translation>请选择要导入的日记：%1。</translation>
    </message>
    <message>
        <source>%1: an encrypted backup, which cannot be read; Diaro can write a backup without encryption (.zip) to import instead</source>
        <translation>%1：加密的备份，无法读取；可让 Diaro 写出未加密的备份（.zip）再导入</translation>
    </message>
    <message>
        <source>%1: no entry starts with a date and time of the form [2024-05-05 06:30 PM] or 2024-05-05 18:30; the line found there: %2</source>
        <translation>%1：没有一篇日记以 [2024-05-05 06:30 PM] 或 2024-05-05 18:30 形式的日期和时间开头；在该处找到的行：%2</translation>
    </message>
    <message>
        <source>%1: the attachment %2 has a name no file can have here; left out</source>
        <translation>%1：附件 %2 的名称在此不能用作文件名；已略过</translation>
    </message>
    <message>
        <source>%1: a link to a place outside the chosen folder; left out</source>
        <translation>%1：指向所选文件夹之外的链接；已略过</translation>
    </message>
    <message>
        <source>%1: not a regular file (a pipe, a device or a socket); left out</source>
        <translation>%1：不是普通文件（管道、设备或套接字）；已略过</translation>
    </message>
    <message>
        <source>%1: not a day of a jrnl folder journal (YEAR/MONTH/DAY.txt); left out</source>
        <translation>%1：不是 jrnl 文件夹日志中的某一天（年/月/日.txt）；已略过</translation>
    </message>
    <message>
        <source>%1: the XML entity %2 cannot be read; the text is imported without it</source>
        <translation>%1：无法读取 XML 实体 %2；导入的文本中不含该实体</translation>
    </message>
    <message numerus="yes">
        <source>…and %n more of this kind</source>
        <translation>
            <numerusform>……另有 %n 个同类问题</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Entries the diary holds already in the tab %1: %n (imported into this tab as well)</source>
        <translation>
            <numerusform>已在标签页 %1 中的日记：%n（也会导入到此标签页）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Attachments: %n (%1, copied into the diary folder)</source>
        <translation>
            <numerusform>附件：%n（%1，复制到日记文件夹）</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was imported: the import needs %1, and the disk of the diary folder has %2 free.</source>
        <translation>未导入任何内容：导入需要 %1，而日记文件夹所在磁盘只有 %2 可用空间。</translation>
    </message>
    <message>
        <source>What the import did</source>
        <translation>导入执行的操作</translation>
    </message>
    <message>
        <source>Not imported, its changes in the diary window are not saved: %1 (import again once they are)</source>
        <translation>未导入，日记窗口中的更改尚未保存：%1（保存后请重新导入）</translation>
    </message>
</context>
<context>
    <name>TLookBackWindow</name>
    <message>
        <source>Look Back</source>
        <translation>回顾</translation>
    </message>
    <message>
        <source>On this day</source>
        <translation>历年今日</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Entries of this day in earlier years</source>
        <translation>往年这一天的日记</translation>
    </message>
    <message>
        <source>Newest first; Enter shows the entry in the diary window</source>
        <translation>最新的在前；按 Enter 在日记窗口中显示该日记</translation>
    </message>
    <message>
        <source>Nothing was written on this day in any earlier year.</source>
        <translation>往年的这一天都没有写过任何内容。</translation>
    </message>
    <message>
        <source>Entries:</source>
        <translation>日记数：</translation>
    </message>
    <message>
        <source>Days written:</source>
        <translation>写作天数：</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>字数：</translation>
    </message>
    <message>
        <source>Characters:</source>
        <translation>字符数：</translation>
    </message>
    <message>
        <source>Words per day written:</source>
        <translation>写作日平均字数：</translation>
    </message>
    <message>
        <source>Current streak:</source>
        <translation>当前连续天数：</translation>
    </message>
    <message>
        <source>Longest streak:</source>
        <translation>最长连续天数：</translation>
    </message>
    <message>
        <source>First entry:</source>
        <translation>第一篇日记：</translation>
    </message>
    <message>
        <source>Latest entry:</source>
        <translation>最新的日记：</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>年份(&amp;Y)：</translation>
    </message>
    <message>
        <source>A cell per day, its colour stronger the more words; the arrow keys move, Enter shows the day</source>
        <translation>每天一格，字数越多颜色越深；方向键移动，按 Enter 显示该日</translation>
    </message>
    <message numerus="yes">
        <source>%n years ago</source>
        <translation>
            <numerusform>%n 年前</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2, tab %3: %4</source>
        <translation>%1，%2，标签页 %3：%4</translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln 天</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days, to %1</source>
        <translation>
            <numerusform>%Ln 天，截至 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Words per day of %1</source>
        <translation>%1 年每天的字数</translation>
    </message>
    <message>
        <source>this year</source>
        <translation>今年</translation>
    </message>
    <message numerus="yes">
        <source>in %n years</source>
        <translation>
            <numerusform>%n 年后</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TMonthChart</name>
    <message>
        <source>Words per month of %1</source>
        <translation>%1 年每月的字数</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln words</source>
        <translation>
            <numerusform>%1：%Ln 字</numerusform>
        </translation>
    </message>
    <message>
        <source>The words of each month; Left and Right move between the months</source>
        <translation>每个月的字数；左右方向键在各月之间移动</translation>
    </message>
</context>
<context>
    <name>TPassedOver</name>
    <message numerus="yes">
        <source>Not read: %n files named like entries could not be read: %1</source>
        <translation>
            <numerusform>未读取：%n 个以日记命名的文件无法读取：%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TPasswordDialog</name>
    <message>
        <source>&amp;Password:</source>
        <translation>密码(&amp;P)：</translation>
    </message>
    <message>
        <source>&amp;Remember the password on this device</source>
        <translation>在此设备上记住密码(&amp;R)</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s keyring, for this diary</source>
        <translation>保存在桌面的密钥环中，仅用于此日记</translation>
    </message>
</context>
<context>
    <name>TPictureTextEdit</name>
    <message>
        <source>Picture not found: %1</source>
        <translation>找不到图片：%1</translation>
    </message>
    <message>
        <source>Picture outside the diary: %1</source>
        <translation>日记之外的图片：%1</translation>
    </message>
    <message>
        <source>Not a picture: %1</source>
        <translation>不是图片：%1</translation>
    </message>
    <message>
        <source>Picture cannot be shown: %1</source>
        <translation>无法显示图片：%1</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>图片：%1</translation>
    </message>
</context>
<context>
    <name>TProgress</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TPrompts</name>
    <message>
        <source>text modified</source>
        <translation>文本已修改</translation>
    </message>
    <message>
        <source>save?</source>
        <translation>是否保存？</translation>
    </message>
</context>
<context>
    <name>TSpellChecker</name>
    <message>
        <source>The word &quot;%1&quot; could not be added to your personal word list. It counts as right until the diary is closed.</source>
        <translation>无法将“%1”添加到您的个人词典。在关闭日记之前，它被视为拼写正确。</translation>
    </message>
    <message>
        <source>No suggestions</source>
        <translation>无建议</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>添加到词典</translation>
    </message>
    <message>
        <source>Ignore All</source>
        <translation>全部忽略</translation>
    </message>
    <message>
        <source>Check Spelling</source>
        <translation>检查拼写</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>No dictionaries installed</source>
        <translation>未安装词典</translation>
    </message>
</context>
<context>
    <name>TTagsWindow</name>
    <message>
        <source>Tags</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>Show the tags holding these letters</source>
        <translation>显示包含这些字母的标签</translation>
    </message>
    <message>
        <source>Filter the tags</source>
        <translation>筛选标签</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>日记数</translation>
    </message>
    <message>
        <source>Every tag of the diary with the number of entries holding it; choosing one lists its entries below</source>
        <translation>日记中的所有标签及含有各标签的日记数；选中一个标签即在下方列出其日记</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>重命名(&amp;R)…</translation>
    </message>
    <message>
        <source>Renames the chosen tag in every entry, or merges it with another</source>
        <translation>在所有日记中重命名所选标签，或将其与另一个标签合并</translation>
    </message>
    <message>
        <source>Reading the tags…</source>
        <translation>正在读取标签…</translation>
    </message>
    <message numerus="yes">
        <source>#%1, %n entries</source>
        <translation>
            <numerusform>#%1，%n 篇日记</numerusform>
        </translation>
    </message>
    <message>
        <source>No entry holds a tag.</source>
        <translation>没有日记含有标签。</translation>
    </message>
    <message numerus="yes">
        <source>%n tags</source>
        <translation>
            <numerusform>%n 个标签</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename a tag</source>
        <translation>重命名标签</translation>
    </message>
    <message>
        <source>New name of #%1 in every entry (an existing tag&apos;s name merges the two):</source>
        <translation>#%1 在所有日记中的新名称（使用已有标签的名称则合并两者）：</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a tag&apos;s name: a name holds letters, digits, &apos;_&apos;, &apos;-&apos; and &apos;/&apos;, and at least one letter.</source>
        <translation>“%1”不能作为标签名称：名称由字母、数字、&apos;_&apos;、&apos;-&apos; 和 &apos;/&apos; 组成，且至少含有一个字母。</translation>
    </message>
    <message>
        <source>%1: its changes in the window are not saved</source>
        <translation>%1：它在窗口中的更改尚未保存</translation>
    </message>
    <message>
        <source>%1: its encoding cannot hold the new name</source>
        <translation>%1：它的编码无法容纳新名称</translation>
    </message>
    <message>
        <source>%1, tab &quot;%2&quot;</source>
        <translation>%1，标签页“%2”</translation>
    </message>
    <message>
        <source>%1: another program changed it meanwhile</source>
        <translation>%1：其间已被另一个程序更改</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message numerus="yes">
        <source>#%1 was renamed to #%2 in %n entries.</source>
        <translation>
            <numerusform>已在 %n 篇日记中将 #%1 重命名为 #%2。</numerusform>
        </translation>
    </message>
    <message>
        <source>Not renamed:</source>
        <translation>未重命名：</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n tags</source>
        <translation>
            <numerusform>%1 / %n 个标签</numerusform>
        </translation>
    </message>
    <message>
        <source>The tags nested under it are renamed with it: %1.</source>
        <translation>其下的嵌套标签会一并重命名：%1。</translation>
    </message>
    <message>
        <source>A change of case alone: every entry then writes #%1 so, whatever case it has there now.</source>
        <translation>仅更改大小写：之后每篇日记都将写作 #%1，无论其中现在是何种大小写。</translation>
    </message>
    <message>
        <source>#%1 is a tag already: the two are merged into one.</source>
        <translation>#%1 已是一个标签：两者将合并为一个。</translation>
    </message>
    <message>
        <source>Merge #%1 into #%2? Every entry holding #%1 then holds #%2, and the two cannot be told apart afterwards: renaming back would rename both.</source>
        <translation>将 #%1 合并到 #%2？含有 #%1 的每篇日记之后都将含有 #%2，两者之后无法再区分：改回原名会同时重命名两者。</translation>
    </message>
    <message numerus="yes">
        <source>#%1 was merged into #%2 in %n entries.</source>
        <translation>
            <numerusform>已在 %n 篇日记中将 #%1 合并到 #%2。</numerusform>
        </translation>
    </message>
    <message>
        <source>Renaming #%1…</source>
        <translation>正在重命名 #%1…</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %n entries were not reached and still hold #%1.</source>
        <translation>
            <numerusform>已停止：%n 篇日记未处理，仍含有 #%1。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TTemplatesWindow</name>
    <message>
        <source>Templates</source>
        <translation>模板</translation>
    </message>
    <message>
        <source>The general template, one for each day of the week and one for each tab; the most specific one that exists applies</source>
        <translation>通用模板、每个星期几各一个模板以及每个标签页各一个模板；使用已有模板中最具体的一个</translation>
    </message>
    <message>
        <source>Every new entry</source>
        <translation>所有新日记</translation>
    </message>
    <message>
        <source>Tab &quot;%1&quot;</source>
        <translation>标签页“%1”</translation>
    </message>
    <message>
        <source>Template text</source>
        <translation>模板文本</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save the chosen template&apos;s text</source>
        <translation>保存所选模板的文本</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>删除(&amp;R)</translation>
    </message>
    <message>
        <source>Remove the chosen template&apos;s file, so that the next less specific one applies</source>
        <translation>删除所选模板的文件，以便改用下一个较通用的模板</translation>
    </message>
    <message>
        <source>Placeholders</source>
        <translation>占位符</translation>
    </message>
    <message>
        <source>the new entry&apos;s date, long: %1</source>
        <translation>新日记的日期（长格式）：%1</translation>
    </message>
    <message>
        <source>the new entry&apos;s date, short: %1</source>
        <translation>新日记的日期（短格式）：%1</translation>
    </message>
    <message>
        <source>its day of the week: %1</source>
        <translation>它的星期：%1</translation>
    </message>
    <message>
        <source>the name of its tab: %1</source>
        <translation>它所在标签页的名称：%1</translation>
    </message>
    <message>
        <source>The dates are always the new entry&apos;s own, whatever day it is made on. Anything else in braces stays as written.</source>
        <translation>日期始终是新日记自身的日期，无论在哪一天创建。花括号中的其他内容保持原样。</translation>
    </message>
    <message>
        <source>New entries of %1:</source>
        <translation>%1 的新日记：</translation>
    </message>
    <message>
        <source>tab &quot;%1&quot; starts empty: no template applies</source>
        <translation>标签页“%1”从空白开始：没有适用的模板</translation>
    </message>
    <message>
        <source>tab &quot;%1&quot; starts from %2</source>
        <translation>标签页“%1”从 %2 开始</translation>
    </message>
    <message>
        <source>tab &quot;%1&quot; starts empty: %2 cannot be read</source>
        <translation>标签页“%1”从空白开始：无法读取 %2</translation>
    </message>
    <message>
        <source>applies on %1</source>
        <translation>适用于 %1</translation>
    </message>
    <message>
        <source>not written yet</source>
        <translation>尚未编写</translation>
    </message>
    <message>
        <source>In %1</source>
        <translation>位于 %1</translation>
    </message>
    <message>
        <source>%1 does not exist yet: saving makes it.</source>
        <translation>%1 尚不存在：保存时将创建它。</translation>
    </message>
    <message>
        <source>This template cannot be used, and is not written over here:
%1</source>
        <translation>此模板无法使用，不会在此处覆盖：
%1</translation>
    </message>
    <message>
        <source>Could not save the template %1:
%2</source>
        <translation>无法保存模板 %1：
%2</translation>
    </message>
    <message>
        <source>Could not remove the template %1:
%2</source>
        <translation>无法删除模板 %1：
%2</translation>
    </message>
    <message>
        <source>%1 is saved.</source>
        <translation>%1 已保存。</translation>
    </message>
    <message>
        <source>Not filled in, kept as written: %1</source>
        <translation>不会填充，按原样保留：%1</translation>
    </message>
</context>
<context>
    <name>TYearHeatmap</name>
    <message numerus="yes">
        <source>%1: %Ln words</source>
        <translation>
            <numerusform>%1：%Ln 字</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words in %1</source>
        <translation>
            <numerusform>%1 年共 %Ln 字</numerusform>
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
