<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>ImportFormat</name>
    <message>
        <source>A Day One export</source>
        <translation>Экспорт Day One</translation>
    </message>
    <message>
        <source>a Day One export (.zip, folder or .json)</source>
        <translation>экспорт Day One (.zip, папка или .json)</translation>
    </message>
    <message>
        <source>A Diaro backup</source>
        <translation>Резервная копия Diaro</translation>
    </message>
    <message>
        <source>a Diaro backup (.zip)</source>
        <translation>резервная копия Diaro (.zip)</translation>
    </message>
    <message>
        <source>A jrnl journal</source>
        <translation>Журнал jrnl</translation>
    </message>
    <message>
        <source>a jrnl journal</source>
        <translation>журнал jrnl</translation>
    </message>
    <message>
        <source>A RedNotebook journal</source>
        <translation>Журнал RedNotebook</translation>
    </message>
    <message>
        <source>RedNotebook&apos;s data folder</source>
        <translation>папка данных RedNotebook</translation>
    </message>
</context>
<context>
    <name>TDiaryCalendar</name>
    <message>
        <source>The month calendar; days with entries are bold, Alt+Left and Alt+Right move to the previous and next day with an entry</source>
        <translation>Календарь месяца; дни с записями выделены жирным, Alt+Влево и Alt+Вправо переходят к предыдущему и следующему дню с записью</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Предыдущий месяц</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Следующий месяц</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n entries, a sync tool&apos;s conflict copy</source>
        <translation>
            <numerusform>%1, %n запись, конфликтная копия программы синхронизации</numerusform>
            <numerusform>%1, %n записи, конфликтная копия программы синхронизации</numerusform>
            <numerusform>%1, %n записей, конфликтная копия программы синхронизации</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, a sync tool&apos;s conflict copy</source>
        <translation>%1, конфликтная копия программы синхронизации</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n entries</source>
        <translation>
            <numerusform>%1, %n запись</numerusform>
            <numerusform>%1, %n записи</numerusform>
            <numerusform>%1, %n записей</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TEncryptionWindow</name>
    <message>
        <source>Encryption</source>
        <translation>Шифрование</translation>
    </message>
    <message>
        <source>&amp;Repeat password:</source>
        <translation>П&amp;овторите пароль:</translation>
    </message>
    <message>
        <source>&amp;Encrypt</source>
        <translation>&amp;Зашифровать</translation>
    </message>
    <message>
        <source>&amp;Change password…</source>
        <translation>С&amp;менить пароль…</translation>
    </message>
    <message>
        <source>&amp;Decrypt…</source>
        <translation>&amp;Расшифровать…</translation>
    </message>
    <message>
        <source>Encrypt the &amp;plain entries</source>
        <translation>Зашифровать незашифрованные зап&amp;иси</translation>
    </message>
    <message>
        <source>Re&amp;member the password on this device</source>
        <translation>Запомнить пароль на этом &amp;устройстве</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s keyring, for this diary</source>
        <translation>Хранится в связке ключей рабочего стола, для этого дневника</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Отчёт</translation>
    </message>
    <message>
        <source>Too short: a password needs at least %1 characters.</source>
        <translation>Слишком короткий: в пароле нужно не меньше %1 символов.</translation>
    </message>
    <message>
        <source>Weak: a longer password, or a few unrelated words, is far harder to guess.</source>
        <translation>Слабый: более длинный пароль или несколько не связанных слов угадать гораздо труднее.</translation>
    </message>
    <message>
        <source>Fair: a few more characters or words make it strong.</source>
        <translation>Средний: ещё несколько символов или слов сделают его надёжным.</translation>
    </message>
    <message>
        <source>Strong.</source>
        <translation>Надёжный.</translation>
    </message>
    <message>
        <source>This diary is not encrypted: anyone who has its folder can read its entries. Encrypting keeps every entry, its history, its drafts and its pictures readable only with the password; sync tools and the history go on working.</source>
        <translation>Этот дневник не зашифрован: любой, у кого есть его папка, может прочитать записи. После шифрования каждую запись, её историю, черновики и изображения можно прочитать только с паролем; программы синхронизации и история продолжают работать.</translation>
    </message>
    <message>
        <source>This diary is encrypted: its entries, their history, drafts and pictures open only with its password.</source>
        <translation>Этот дневник зашифрован: его записи, их история, черновики и изображения открываются только с паролем.</translation>
    </message>
    <message>
        <source>Two devices encrypted it, each with a key of its own: the files of both open. &quot;Encrypt the plain entries&quot; seals them all anew under this device&apos;s key.</source>
        <translation>Два устройства зашифровали его, каждое своим ключом: файлы обоих открываются. «Зашифровать незашифрованные записи» заново запечатает их все ключом этого устройства.</translation>
    </message>
    <message>
        <source>&amp;New password:</source>
        <translation>&amp;Новый пароль:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Пароль:</translation>
    </message>
    <message numerus="yes">
        <source>%n files of the diary are plain: written by another program or device, or before it was encrypted. They are encrypted when they are saved, or by &quot;Encrypt the plain entries&quot;.</source>
        <translation>
            <numerusform>%n файл дневника не зашифрован: его записала другая программа или устройство, или он записан до шифрования. Он будет зашифрован при сохранении или кнопкой «Зашифровать незашифрованные записи».</numerusform>
            <numerusform>%n файла дневника не зашифрованы: их записала другая программа или устройство, или они записаны до шифрования. Они будут зашифрованы при сохранении или кнопкой «Зашифровать незашифрованные записи».</numerusform>
            <numerusform>%n файлов дневника не зашифрованы: их записала другая программа или устройство, или они записаны до шифрования. Они будут зашифрованы при сохранении или кнопкой «Зашифровать незашифрованные записи».</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files are encrypted with a key that this password does not open:</source>
        <translation>
            <numerusform>%n файл зашифрован ключом, который этот пароль не открывает:</numerusform>
            <numerusform>%n файла зашифрованы ключом, который этот пароль не открывает:</numerusform>
            <numerusform>%n файлов зашифрованы ключом, который этот пароль не открывает:</numerusform>
        </translation>
    </message>
    <message>
        <source>The two passwords differ. Type the same password twice.</source>
        <translation>Пароли не совпадают. Введите один и тот же пароль дважды.</translation>
    </message>
    <message>
        <source>Making the diary&apos;s key…</source>
        <translation>Создаётся ключ дневника…</translation>
    </message>
    <message>
        <source>The diary could not be encrypted:
%1</source>
        <translation>Не удалось зашифровать дневник:
%1</translation>
    </message>
    <message>
        <source>The password is wrong. Nothing was changed.</source>
        <translation>Неверный пароль. Ничего не изменено.</translation>
    </message>
    <message>
        <source>Enter the diary&apos;s current password.</source>
        <translation>Введите текущий пароль дневника.</translation>
    </message>
    <message>
        <source>Changing the password…</source>
        <translation>Пароль меняется…</translation>
    </message>
    <message>
        <source>The password could not be changed:
%1</source>
        <translation>Не удалось сменить пароль:
%1</translation>
    </message>
    <message>
        <source>The password is changed. Other devices use the new one as soon as the key file reaches them.</source>
        <translation>Пароль изменён. Другие устройства начнут использовать новый, как только до них дойдёт файл ключа.</translation>
    </message>
    <message>
        <source>Decrypting writes every entry, its history and its pictures as plain files again, readable by anyone who has the folder. Enter the diary&apos;s password to decrypt it.</source>
        <translation>При расшифровке каждая запись, её история и изображения снова записываются незашифрованными файлами, которые может прочитать любой, у кого есть папка. Введите пароль дневника, чтобы расшифровать его.</translation>
    </message>
    <message>
        <source>Encrypting the diary…</source>
        <translation>Дневник шифруется…</translation>
    </message>
    <message>
        <source>Decrypting the diary…</source>
        <translation>Дневник расшифровывается…</translation>
    </message>
    <message>
        <source>Stopped. The diary works as it is, with some files converted and some not; the conversion goes on at the next start.</source>
        <translation>Остановлено. Дневник работает как есть: часть файлов преобразована, часть нет; преобразование продолжится при следующем запуске.</translation>
    </message>
    <message>
        <source>The diary is encrypted.</source>
        <translation>Дневник зашифрован.</translation>
    </message>
    <message>
        <source>The diary is decrypted: its files are plain again.</source>
        <translation>Дневник расшифрован: его файлы снова не зашифрованы.</translation>
    </message>
    <message>
        <source>The diary stays encrypted: some files could not be decrypted.</source>
        <translation>Дневник остаётся зашифрованным: некоторые файлы не удалось расшифровать.</translation>
    </message>
    <message>
        <source>These files were left as they are:</source>
        <translation>Эти файлы оставлены как есть:</translation>
    </message>
    <message>
        <source>The password could not be kept in the desktop&apos;s keyring:
%1</source>
        <translation>Не удалось сохранить пароль в связке ключей рабочего стола:
%1</translation>
    </message>
    <message>
        <source>Enter the diary&apos;s password to keep it in the desktop&apos;s keyring.</source>
        <translation>Введите пароль дневника, чтобы сохранить его в связке ключей рабочего стола.</translation>
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
        <translation>Обычный текст</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Could not export to %1:
%2</source>
        <translation>Не удалось экспортировать в %1:
%2</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;С</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;По</translation>
    </message>
    <message>
        <source>&amp;Whole diary</source>
        <translation>&amp;Весь дневник</translation>
    </message>
    <message>
        <source>Whole diary</source>
        <translation>Весь дневник</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>Вкладки</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Обзор…</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Обзор…</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>&amp;Формат</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>F&amp;ile</source>
        <translation>Фа&amp;йл</translation>
    </message>
    <message>
        <source>diary</source>
        <translation>дневник</translation>
    </message>
    <message>
        <source>One &amp;day per page</source>
        <translation>Каждый &amp;день с новой страницы</translation>
    </message>
    <message>
        <source>One day per page</source>
        <translation>Каждый день с новой страницы</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Экспортировать</translation>
    </message>
    <message>
        <source>Marrowleaf diary</source>
        <translation>Дневник Marrowleaf</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>Choose a file to export to.</source>
        <translation>Выберите файл для экспорта.</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>Экспорт…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Пе&amp;чать…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Печать…</translation>
    </message>
    <message>
        <source>Pre&amp;view…</source>
        <translation>Предп&amp;росмотр…</translation>
    </message>
    <message>
        <source>Preview…</source>
        <translation>Предпросмотр…</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 уже существует.
Заменить его?</translation>
    </message>
    <message>
        <source>No day from %1 to %2 holds an entry of the chosen tabs: nothing was exported.</source>
        <translation>Ни в одном дне с %1 по %2 нет записей выбранных вкладок: ничего не экспортировано.</translation>
    </message>
    <message>
        <source>No day from %1 to %2 holds an entry of the chosen tabs: nothing was printed.</source>
        <translation>Ни в одном дне с %1 по %2 нет записей выбранных вкладок: ничего не напечатано.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>и ещё %n</numerusform>
            <numerusform>и ещё %n</numerusform>
            <numerusform>и ещё %n</numerusform>
        </translation>
    </message>
    <message>
        <source>These could not be read:
%1

Export without them?</source>
        <translation>Не удалось прочитать:
%1

Экспортировать без них?</translation>
    </message>
    <message>
        <source>These could not be read:
%1

Print without them?</source>
        <translation>Не удалось прочитать:
%1

Печатать без них?</translation>
    </message>
    <message>
        <source>Could not print on %1.</source>
        <translation>Не удалось напечатать на %1.</translation>
    </message>
    <message>
        <source>This diary is encrypted, and the export is not: %1 (and its pictures) will be plain files that anyone who has them can read.
Export anyway?</source>
        <translation>Этот дневник зашифрован, а экспорт — нет: %1 (вместе с изображениями) станет незашифрованными файлами, которые сможет прочитать любой, у кого они есть.
Всё равно экспортировать?</translation>
    </message>
</context>
<context>
    <name>TFindWindow</name>
    <message>
        <source>Find</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Words to find, &quot;a phrase&quot; in quotes</source>
        <translation>Слова для поиска, &quot;фраза&quot; в кавычках</translation>
    </message>
    <message>
        <source>Words to find in every entry; quotation marks make a phrase</source>
        <translation>Слова для поиска во всех записях; кавычки объединяют фразу</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Text typed in an earlier run was never saved, for:
%1

It is kept as unsaved text in each entry&apos;s history (File, History), where it can be restored.</source>
        <translation>Текст, набранный в прошлом сеансе, так и не был сохранён:
%1

Он хранится как несохранённый текст в истории каждой записи (Файл, История), откуда его можно восстановить.</translation>
    </message>
    <message>
        <source>The editor is set by the key EDITOR in the section [GENERAL] of
%1
The editor must stay open until you are done with the entry, for example
EDITOR = gedit --wait, kate --block, gvim -f or code --wait.</source>
        <translation>Редактор задаётся ключом EDITOR в разделе [GENERAL] файла
%1
Редактор должен оставаться открытым, пока вы не закончите работу с записью, например
EDITOR = gedit --wait, kate --block, gvim -f или code --wait.</translation>
    </message>
    <message>
        <source>No editor is set.</source>
        <translation>Редактор не задан.</translation>
    </message>
    <message>
        <source>%1 is a link to a file outside the diary. It is shown read-only and not handed to an editor.</source>
        <translation>Это ссылка на файл вне дневника (%1). Запись показана только для чтения и не передаётся редактору.</translation>
    </message>
    <message>
        <source>The text of %1 could not be kept in its history:
%2</source>
        <translation>Не удалось сохранить текст в истории (%1):
%2</translation>
    </message>
    <message>
        <source>The editor &quot;%1&quot; ended abnormally and left the entry unchanged.</source>
        <translation>Редактор «%1» завершился аварийно; запись не изменена.</translation>
    </message>
    <message>
        <source>The editor &quot;%1&quot; ended with exit status %2 and left the entry unchanged.</source>
        <translation>Редактор «%1» завершился с кодом %2; запись не изменена.</translation>
    </message>
    <message>
        <source>The editor returned at once; it may still be open in a window of its own.
The diary shows what it saves there as soon as it is saved.</source>
        <translation>Редактор сразу вернул управление; возможно, он всё ещё открыт в отдельном окне.
Дневник покажет то, что в нём сохранится, сразу после сохранения.</translation>
    </message>
    <message>
        <source>No program named &quot;%1&quot; was found.</source>
        <translation>Программа «%1» не найдена.</translation>
    </message>
    <message>
        <source>Could not start the editor &quot;%1&quot;: %2</source>
        <translation>Не удалось запустить редактор «%1»: %2</translation>
    </message>
    <message>
        <source>Entry of %1</source>
        <translation>Запись от %1</translation>
    </message>
    <message>
        <source>File does not exist. push &apos;create&apos; button.</source>
        <translation>Файл не существует. Нажмите кнопку «создать».</translation>
    </message>
    <message>
        <source>No entry yet for %1</source>
        <translation>Записи пока нет: %1</translation>
    </message>
    <message>
        <source>Entry of %1, read-only: a link to a file outside the diary</source>
        <translation>Запись от %1, только для чтения: ссылка на файл вне дневника</translation>
    </message>
    <message>
        <source>Entry of %1, read-only</source>
        <translation>Запись от %1, только для чтения</translation>
    </message>
    <message>
        <source>Another program had changed %1 since it was shown.
Your text was saved; the other version is in the entry&apos;s history (File, History).</source>
        <translation>Другая программа изменила %1 после того, как она была показана.
Ваш текст сохранён; другая версия находится в истории записи (Файл, История).</translation>
    </message>
    <message>
        <source>The text that %1 held before could not be kept in its history:
%2</source>
        <translation>Не удалось сохранить прежний текст в истории (%1):
%2</translation>
    </message>
    <message>
        <source>The text of the shown entry, saved; the text it replaced is in its history</source>
        <translation>Текст показанной записи, сохранён; заменённый текст находится в её истории</translation>
    </message>
    <message>
        <source>the entry of %1</source>
        <translation>запись от %1</translation>
    </message>
    <message>
        <source>Could not save %1:
%2</source>
        <translation>Не удалось сохранить %1:
%2</translation>
    </message>
    <message>
        <source>The text was kept in
%1</source>
        <translation>Текст сохранён в файле
%1</translation>
    </message>
    <message>
        <source>The text of the shown entry, not saved; kept in a recovery file</source>
        <translation>Текст показанной записи, не сохранён; он помещён в файл восстановления</translation>
    </message>
    <message>
        <source>The text could not be kept either (%1). Copy it out of the window before another entry is shown.</source>
        <translation>Не удалось сохранить текст и в файл восстановления (%1). Скопируйте его из окна, прежде чем будет показана другая запись.</translation>
    </message>
    <message>
        <source>Marrowleaf v0.02a</source>
        <translation>Marrowleaf v0.02a</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Найти…</translation>
    </message>
    <message>
        <source>&amp;History…</source>
        <translation>&amp;История…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Экспорт…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Печать…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Previous day with an entry</source>
        <translation>Предыдущий день с записью</translation>
    </message>
    <message>
        <source>Next day with an entry</source>
        <translation>Следующий день с записью</translation>
    </message>
    <message>
        <source>today</source>
        <translation>сегодня</translation>
    </message>
    <message>
        <source>launch editor</source>
        <translation>редактор</translation>
    </message>
    <message>
        <source>create</source>
        <translation>создать</translation>
    </message>
    <message>
        <source>autosave without confirm</source>
        <translation>сохранять без вопроса</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Предыдущий год</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Следующий год</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Предыдущий месяц</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Следующий месяц</translation>
    </message>
    <message>
        <source>Show today</source>
        <translation>Показать сегодняшний день</translation>
    </message>
    <message>
        <source>Open this entry in the external editor</source>
        <translation>Открыть эту запись во внешнем редакторе</translation>
    </message>
    <message>
        <source>Create this day&apos;s entry</source>
        <translation>Создать запись этого дня</translation>
    </message>
    <message>
        <source>Save without asking</source>
        <translation>Сохранять без вопроса</translation>
    </message>
    <message>
        <source>Today&apos;s date</source>
        <translation>Сегодняшняя дата</translation>
    </message>
    <message>
        <source>One tab per kind of entry; a plus sign marks a tab whose entry exists</source>
        <translation>По вкладке на каждый вид записей; знак плюс отмечает вкладки, запись которых существует</translation>
    </message>
    <message>
        <source>The text of the shown entry</source>
        <translation>Текст показанной записи</translation>
    </message>
    <message>
        <source>Invalid date: year %1, month %2, day %3</source>
        <translation>Недопустимая дата: год %1, месяц %2, день %3</translation>
    </message>
    <message>
        <source>The calendar cannot show this date</source>
        <translation>Календарь не может показать эту дату</translation>
    </message>
    <message>
        <source>%1, tab &quot;%2&quot;</source>
        <translation>%1, вкладка «%2»</translation>
    </message>
    <message>
        <source>&amp;Tags…</source>
        <translation>&amp;Метки…</translation>
    </message>
    <message>
        <source>Te&amp;mplates…</source>
        <translation>&amp;Шаблоны…</translation>
    </message>
    <message>
        <source>&amp;Look Back…</source>
        <translation>&amp;Ретроспектива…</translation>
    </message>
    <message>
        <source>The template %1 cannot be used:
%2

The new entry starts empty.</source>
        <translation>Шаблон %1 нельзя использовать:
%2

Новая запись начнётся пустой.</translation>
    </message>
    <message>
        <source>The template %1 could not be written into the new entry:
%2

The new entry starts empty.</source>
        <translation>Не удалось записать шаблон %1 в новую запись:
%2

Новая запись начнётся пустой.</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>Импор&amp;т…</translation>
    </message>
    <message>
        <source>I&amp;nsert Picture…</source>
        <translation>Вставить изо&amp;бражение…</translation>
    </message>
    <message>
        <source>Insert Picture</source>
        <translation>Вставить изображение</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Изображения (%1)</translation>
    </message>
    <message>
        <source>The picture %1 could not be read:
%2</source>
        <translation>Не удалось прочитать изображение %1:
%2</translation>
    </message>
    <message>
        <source>%1 is not a picture the diary can show (PNG, JPEG, GIF, BMP or WebP).</source>
        <translation>%1 — не изображение, которое дневник может показать (PNG, JPEG, GIF, BMP или WebP).</translation>
    </message>
    <message>
        <source>The picture could not be kept with %1:
%2</source>
        <translation>Не удалось сохранить изображение в %1:
%2</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Открыть изображение</translation>
    </message>
    <message>
        <source>The import cannot be used: its part of the program could not be loaded (%1).</source>
        <translation>Импорт недоступен: не удалось загрузить его часть программы (%1).</translation>
    </message>
    <message>
        <source>%1 cannot be read, and is not handed to an editor.</source>
        <translation>Не читается и поэтому не передана редактору: %1.</translation>
    </message>
    <message>
        <source>No private folder could be made for the editor&apos;s copy of %1.</source>
        <translation>Не удалось создать личную папку для копии редактора: %1.</translation>
    </message>
    <message>
        <source>The editor returned at once, and its copy of the encrypted entry is removed: what it saves now is lost. Set an editor that stays open until you are done.</source>
        <translation>Редактор сразу завершился, и его копия зашифрованной записи удалена: то, что он сохранит сейчас, пропадёт. Укажите редактор, который остаётся открытым, пока вы не закончите.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>его не прочитать (%1)</translation>
    </message>
    <message>
        <source>it is no key file</source>
        <translation>это не файл ключа</translation>
    </message>
    <message>
        <source>it was written by a newer version of the program</source>
        <translation>он записан более новой версией программы</translation>
    </message>
    <message>
        <source>this device lacks the memory its password needs</source>
        <translation>этому устройству не хватает памяти, нужной для его пароля</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>он повреждён</translation>
    </message>
    <message>
        <source>This diary is encrypted. Enter its password to open it.</source>
        <translation>Этот дневник зашифрован. Введите пароль, чтобы открыть его.</translation>
    </message>
    <message>
        <source>The password could not be kept in the desktop&apos;s keyring:
%1</source>
        <translation>Не удалось сохранить пароль в связке ключей рабочего стола:
%1</translation>
    </message>
    <message>
        <source>The password is wrong. Enter the password of this diary.</source>
        <translation>Неверный пароль. Введите пароль этого дневника.</translation>
    </message>
    <message>
        <source>Two devices encrypted this diary, each with a password of its own, and a sync tool kept both key files. Enter the other device&apos;s password too, or Cancel to open only the entries that this password opens.</source>
        <translation>Два устройства зашифровали этот дневник, каждое своим паролем, и программа синхронизации сохранила оба файла ключа. Введите также пароль другого устройства или нажмите «Отмена», чтобы открыть только записи, которые открывает этот пароль.</translation>
    </message>
    <message>
        <source>This diary is encrypted, but none of its key files can be used:
%1

Nothing was read or written.</source>
        <translation>Этот дневник зашифрован, но ни один из его файлов ключа не подходит:
%1

Ничего не прочитано и не записано.</translation>
    </message>
    <message>
        <source>This entry cannot be read: it is encrypted, and the diary has no key file (marrowleaf.key) to open it with. Bring the key file back from a copy of the diary or another device, then start the diary again.</source>
        <translation>Эту запись не прочитать: она зашифрована, а у дневника нет файла ключа (marrowleaf.key), чтобы открыть её. Верните файл ключа из копии дневника или с другого устройства и запустите дневник снова.</translation>
    </message>
    <message>
        <source>This entry cannot be read: it is encrypted with a key that the diary&apos;s password does not open (another device&apos;s password, or another diary&apos;s). Its earlier versions are in File, History.</source>
        <translation>Эту запись не прочитать: она зашифрована ключом, который пароль дневника не открывает (пароль другого устройства или другого дневника). Её прежние версии — в меню «Файл», «История».</translation>
    </message>
    <message>
        <source>This entry cannot be read: its encrypted file is damaged (changed or cut short since it was written). Its earlier versions are in File, History, where one can be restored.</source>
        <translation>Эту запись не прочитать: её зашифрованный файл повреждён (изменён или обрезан после записи). Её прежние версии — в меню «Файл», «История», где одну из них можно восстановить.</translation>
    </message>
    <message>
        <source>Entry of %1, cannot be read</source>
        <translation>Запись от %1, не читается</translation>
    </message>
    <message>
        <source>The text was kept, encrypted, as unsaved text in the entry&apos;s history (File, History).</source>
        <translation>Текст сохранён в зашифрованном виде как несохранённый текст в истории записи («Файл», «История»).</translation>
    </message>
    <message>
        <source>En&amp;cryption…</source>
        <translation>Ши&amp;фрование…</translation>
    </message>
</context>
<context>
    <name>TFoundEntries</name>
    <message>
        <source>%1, tab %2, not saved yet: %3</source>
        <translation>%1, вкладка %2, ещё не сохранено: %3</translation>
    </message>
    <message>
        <source>%1, tab %2: %3</source>
        <translation>%1, вкладка %2: %3</translation>
    </message>
    <message>
        <source>not saved yet</source>
        <translation>ещё не сохранено</translation>
    </message>
    <message>
        <source>Entries found</source>
        <translation>Найденные записи</translation>
    </message>
    <message>
        <source>Newest first; Enter shows the entry with the words selected</source>
        <translation>Сначала новые; Enter показывает запись с выделенными словами</translation>
    </message>
    <message>
        <source>How many entries were found</source>
        <translation>Сколько записей найдено</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Поиск…</translation>
    </message>
    <message numerus="yes">
        <source>%n entries found</source>
        <translation>
            <numerusform>Найдена %n запись</numerusform>
            <numerusform>Найдены %n записи</numerusform>
            <numerusform>Найдено %n записей</numerusform>
        </translation>
    </message>
    <message>
        <source>No entry holds &quot;%1&quot;.</source>
        <translation>Ни одна запись не содержит «%1».</translation>
    </message>
</context>
<context>
    <name>THistoryWindow</name>
    <message>
        <source>History of %1</source>
        <translation>История: %1</translation>
    </message>
    <message>
        <source>No entry is shown, so there is no history to show.</source>
        <translation>Запись не показана, поэтому показывать историю нечего.</translation>
    </message>
    <message>
        <source>This entry has no earlier versions yet.</source>
        <translation>У этой записи пока нет прежних версий.</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Восстановить</translation>
    </message>
    <message>
        <source>Versions</source>
        <translation>Версии</translation>
    </message>
    <message>
        <source>The entry&apos;s texts, newest first: the file now, unsaved text, earlier versions</source>
        <translation>Тексты записи, сначала новые: текущий файл, несохранённый текст, прежние версии</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Предпросмотр</translation>
    </message>
    <message>
        <source>The chosen version&apos;s text</source>
        <translation>Текст выбранной версии</translation>
    </message>
    <message>
        <source>Put the chosen text into the entry, to be saved like typing</source>
        <translation>Помещает выбранный текст в запись; он будет сохранён, как набранный</translation>
    </message>
    <message>
        <source>Now in the entry file</source>
        <translation>Сейчас в файле записи</translation>
    </message>
    <message>
        <source>unsaved text from %1</source>
        <translation>несохранённый текст от %1</translation>
    </message>
    <message>
        <source>written by another program</source>
        <translation>записано другой программой</translation>
    </message>
    <message>
        <source>copy made by a sync tool: %1</source>
        <translation>копия программы синхронизации: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n Б</numerusform>
            <numerusform>%n Б</numerusform>
            <numerusform>%n Б</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n earlier versions</source>
        <translation>
            <numerusform>%n прежняя версия</numerusform>
            <numerusform>%n прежние версии</numerusform>
            <numerusform>%n прежних версий</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TImportWindow</name>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Источник</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Обзор…</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Обзор…</translation>
    </message>
    <message>
        <source>A &amp;file…</source>
        <translation>&amp;Файл…</translation>
    </message>
    <message>
        <source>A f&amp;older…</source>
        <translation>&amp;Папка…</translation>
    </message>
    <message>
        <source>&amp;Source</source>
        <translation>Ис&amp;точник</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Вкладка</translation>
    </message>
    <message>
        <source>&amp;Tab</source>
        <translation>&amp;Вкладка</translation>
    </message>
    <message>
        <source>What the import will do</source>
        <translation>Что сделает импорт</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Импортировать</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>Чтение %1…</translation>
    </message>
    <message>
        <source>%1: not a diary that can be imported here</source>
        <translation>%1: это не дневник, который можно здесь импортировать</translation>
    </message>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1: не удаётся прочитать (%2)</translation>
    </message>
    <message>
        <source>%1: does not parse (%2)</source>
        <translation>%1: не удаётся разобрать (%2)</translation>
    </message>
    <message>
        <source>%1: not an entry (%2)</source>
        <translation>%1: это не запись (%2)</translation>
    </message>
    <message>
        <source>%1: a date that does not exist (%2)</source>
        <translation>%1: несуществующая дата (%2)</translation>
    </message>
    <message>
        <source>%1: the attachment %2 is missing; its link is kept</source>
        <translation>%1: вложение %2 отсутствует; ссылка на него сохраняется</translation>
    </message>
    <message numerus="yes">
        <source>Coordinates of places: %n (the places&apos; names are kept)</source>
        <translation>
            <numerusform>Координаты мест: %n (названия мест сохраняются)</numerusform>
            <numerusform>Координаты мест: %n (названия мест сохраняются)</numerusform>
            <numerusform>Координаты мест: %n (названия мест сохраняются)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Day One&apos;s formatting of entries: %n (their Markdown text is kept)</source>
        <translation>
            <numerusform>Оформление записей Day One: %n (текст Markdown сохраняется)</numerusform>
            <numerusform>Оформление записей Day One: %n (текст Markdown сохраняется)</numerusform>
            <numerusform>Оформление записей Day One: %n (текст Markdown сохраняется)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moods of entries: %n</source>
        <translation>
            <numerusform>Настроения записей: %n</numerusform>
            <numerusform>Настроения записей: %n</numerusform>
            <numerusform>Настроения записей: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Folders of entries: %n (all go to the chosen tab)</source>
        <translation>
            <numerusform>Папки записей: %n (все попадают в выбранную вкладку)</numerusform>
            <numerusform>Папки записей: %n (все попадают в выбранную вкладку)</numerusform>
            <numerusform>Папки записей: %n (все попадают в выбранную вкладку)</numerusform>
        </translation>
    </message>
    <message>
        <source>No place in a plain entry:</source>
        <translation>Не помещается в простую запись:</translation>
    </message>
    <message>
        <source>Could not be read:</source>
        <translation>Не удалось прочитать:</translation>
    </message>
    <message>
        <source>Nothing to import.</source>
        <translation>Импортировать нечего.</translation>
    </message>
    <message numerus="yes">
        <source>Entries: %n</source>
        <translation>
            <numerusform>Записей: %n</numerusform>
            <numerusform>Записей: %n</numerusform>
            <numerusform>Записей: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Days: %n</source>
        <translation>
            <numerusform>Дней: %n</numerusform>
            <numerusform>Дней: %n</numerusform>
            <numerusform>Дней: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation>Период: %1 – %2</translation>
    </message>
    <message numerus="yes">
        <source>Days that already hold an entry: %n (kept; the imported text is added after it)</source>
        <translation>
            <numerusform>Дней, где уже есть запись: %n (она сохраняется; импортированный текст добавляется после неё)</numerusform>
            <numerusform>Дней, где уже есть запись: %n (она сохраняется; импортированный текст добавляется после неё)</numerusform>
            <numerusform>Дней, где уже есть запись: %n (она сохраняется; импортированный текст добавляется после неё)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Days that hold this import already: %n (left as they are)</source>
        <translation>
            <numerusform>Дней, где этот импорт уже есть: %n (остаются как есть)</numerusform>
            <numerusform>Дней, где этот импорт уже есть: %n (остаются как есть)</numerusform>
            <numerusform>Дней, где этот импорт уже есть: %n (остаются как есть)</numerusform>
        </translation>
    </message>
    <message>
        <source>Journals without a tab of their name: %1</source>
        <translation>Журналы без вкладки с их именем: %1</translation>
    </message>
    <message>
        <source>No tab is named after the journals %1. Add a tab of that name for each to the diary?</source>
        <translation>Нет вкладок с именами журналов %1. Добавить в дневник вкладку с таким именем для каждого из них?</translation>
    </message>
    <message>
        <source>The new tabs could not be written to config.ini; those journals go to the chosen tab.</source>
        <translation>Не удалось записать новые вкладки в config.ini; эти журналы попадут в выбранную вкладку.</translation>
    </message>
    <message>
        <source>Importing…</source>
        <translation>Импорт…</translation>
    </message>
    <message>
        <source>The import was cancelled.</source>
        <translation>Импорт отменён.</translation>
    </message>
    <message>
        <source>The import is done.</source>
        <translation>Импорт завершён.</translation>
    </message>
    <message numerus="yes">
        <source>New entries: %n</source>
        <translation>
            <numerusform>Новых записей: %n</numerusform>
            <numerusform>Новых записей: %n</numerusform>
            <numerusform>Новых записей: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Entries kept, with the imported text added after them: %n (their earlier text is in their history)</source>
        <translation>
            <numerusform>Записей сохранено с добавленным после них импортированным текстом: %n (их прежний текст — в истории)</numerusform>
            <numerusform>Записей сохранено с добавленным после них импортированным текстом: %n (их прежний текст — в истории)</numerusform>
            <numerusform>Записей сохранено с добавленным после них импортированным текстом: %n (их прежний текст — в истории)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Entries that held the import already, left as they were: %n</source>
        <translation>
            <numerusform>Записей, где импорт уже был, оставлено без изменений: %n</numerusform>
            <numerusform>Записей, где импорт уже был, оставлено без изменений: %n</numerusform>
            <numerusform>Записей, где импорт уже был, оставлено без изменений: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Attachments copied: %n</source>
        <translation>
            <numerusform>Скопировано вложений: %n</numerusform>
            <numerusform>Скопировано вложений: %n</numerusform>
            <numerusform>Скопировано вложений: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Days from %1 on, left as they were: %n</source>
        <translation>
            <numerusform>Дней без изменений, начиная с даты %1: %n</numerusform>
            <numerusform>Дней без изменений, начиная с даты %1: %n</numerusform>
            <numerusform>Дней без изменений, начиная с даты %1: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Not imported, left as it was: %1 (%2)</source>
        <translation>Не импортировано, оставлено без изменений: %1 (%2)</translation>
    </message>
    <message>
        <source>Imported, but its earlier text could not be kept in its history: %1 (%2)</source>
        <translation>Импортировано, но прежний текст не удалось сохранить в истории: %1 (%2)</translation>
    </message>
    <message>
        <source>Choose a diary to import: %1.</source>
        <translation>Выберите дневник для импорта: %1.</translation>
    </message>
    <message>
        <source>%1: an encrypted backup, which cannot be read; Diaro can write a backup without encryption (.zip) to import instead</source>
        <translation>%1: зашифрованная резервная копия, её нельзя прочитать; Diaro может записать резервную копию без шифрования (.zip), чтобы импортировать её</translation>
    </message>
    <message>
        <source>%1: no entry starts with a date and time of the form [2024-05-05 06:30 PM] or 2024-05-05 18:30; the line found there: %2</source>
        <translation>%1: ни одна запись не начинается с даты и времени вида [2024-05-05 06:30 PM] или 2024-05-05 18:30; строка, найденная там: %2</translation>
    </message>
    <message>
        <source>%1: the attachment %2 has a name no file can have here; left out</source>
        <translation>%1: у вложения %2 имя, которого здесь не может быть у файла; пропущено</translation>
    </message>
    <message>
        <source>%1: a link to a place outside the chosen folder; left out</source>
        <translation>%1: ссылка на место вне выбранной папки; пропущена</translation>
    </message>
    <message>
        <source>%1: not a regular file (a pipe, a device or a socket); left out</source>
        <translation>%1: не обычный файл (канал, устройство или сокет); пропущен</translation>
    </message>
    <message>
        <source>%1: not a day of a jrnl folder journal (YEAR/MONTH/DAY.txt); left out</source>
        <translation>%1: не день журнала jrnl в папках (ГОД/МЕСЯЦ/ДЕНЬ.txt); пропущен</translation>
    </message>
    <message>
        <source>%1: the XML entity %2 cannot be read; the text is imported without it</source>
        <translation>%1: XML-сущность %2 не может быть прочитана; текст импортируется без неё</translation>
    </message>
    <message numerus="yes">
        <source>…and %n more of this kind</source>
        <translation>
            <numerusform>…и ещё %n того же рода</numerusform>
            <numerusform>…и ещё %n того же рода</numerusform>
            <numerusform>…и ещё %n того же рода</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Entries the diary holds already in the tab %1: %n (imported into this tab as well)</source>
        <translation>
            <numerusform>Записей, которые уже есть в дневнике во вкладке %1: %n (импортируются и в эту вкладку)</numerusform>
            <numerusform>Записей, которые уже есть в дневнике во вкладке %1: %n (импортируются и в эту вкладку)</numerusform>
            <numerusform>Записей, которые уже есть в дневнике во вкладке %1: %n (импортируются и в эту вкладку)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Attachments: %n (%1, copied into the diary folder)</source>
        <translation>
            <numerusform>Вложений: %n (%1, копируются в папку дневника)</numerusform>
            <numerusform>Вложений: %n (%1, копируются в папку дневника)</numerusform>
            <numerusform>Вложений: %n (%1, копируются в папку дневника)</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was imported: the import needs %1, and the disk of the diary folder has %2 free.</source>
        <translation>Ничего не импортировано: импорту нужно %1, а на диске папки дневника свободно %2.</translation>
    </message>
    <message>
        <source>What the import did</source>
        <translation>Что сделал импорт</translation>
    </message>
    <message>
        <source>Not imported, its changes in the diary window are not saved: %1 (import again once they are)</source>
        <translation>Не импортировано, изменения в окне дневника не сохранены: %1 (импортируйте снова, когда они будут сохранены)</translation>
    </message>
</context>
<context>
    <name>TLookBackWindow</name>
    <message>
        <source>Look Back</source>
        <translation>Ретроспектива</translation>
    </message>
    <message>
        <source>On this day</source>
        <translation>В этот день</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Entries of this day in earlier years</source>
        <translation>Записи этого дня в прошлые годы</translation>
    </message>
    <message>
        <source>Newest first; Enter shows the entry in the diary window</source>
        <translation>Сначала новые; Enter показывает запись в окне дневника</translation>
    </message>
    <message>
        <source>Nothing was written on this day in any earlier year.</source>
        <translation>В этот день ни в одном прошлом году ничего не написано.</translation>
    </message>
    <message>
        <source>Entries:</source>
        <translation>Записей:</translation>
    </message>
    <message>
        <source>Days written:</source>
        <translation>Дней с записями:</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Слов:</translation>
    </message>
    <message>
        <source>Characters:</source>
        <translation>Символов:</translation>
    </message>
    <message>
        <source>Words per day written:</source>
        <translation>Слов за день с записью:</translation>
    </message>
    <message>
        <source>Current streak:</source>
        <translation>Текущая серия:</translation>
    </message>
    <message>
        <source>Longest streak:</source>
        <translation>Самая длинная серия:</translation>
    </message>
    <message>
        <source>First entry:</source>
        <translation>Первая запись:</translation>
    </message>
    <message>
        <source>Latest entry:</source>
        <translation>Последняя запись:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Год:</translation>
    </message>
    <message>
        <source>A cell per day, its colour stronger the more words; the arrow keys move, Enter shows the day</source>
        <translation>По клетке на день, чем больше слов, тем ярче цвет; стрелки перемещают, Enter показывает день</translation>
    </message>
    <message numerus="yes">
        <source>%n years ago</source>
        <translation>
            <numerusform>%n год назад</numerusform>
            <numerusform>%n года назад</numerusform>
            <numerusform>%n лет назад</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2, tab %3: %4</source>
        <translation>%1, %2, вкладка %3: %4</translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln день</numerusform>
            <numerusform>%Ln дня</numerusform>
            <numerusform>%Ln дней</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days, to %1</source>
        <translation>
            <numerusform>%Ln день, по %1</numerusform>
            <numerusform>%Ln дня, по %1</numerusform>
            <numerusform>%Ln дней, по %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Words per day of %1</source>
        <translation>Слова по дням за %1 год</translation>
    </message>
    <message>
        <source>this year</source>
        <translation>в этом году</translation>
    </message>
    <message numerus="yes">
        <source>in %n years</source>
        <translation>
            <numerusform>через %n год</numerusform>
            <numerusform>через %n года</numerusform>
            <numerusform>через %n лет</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TMonthChart</name>
    <message>
        <source>Words per month of %1</source>
        <translation>Слова по месяцам за %1 год</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln words</source>
        <translation>
            <numerusform>%1: %Ln слово</numerusform>
            <numerusform>%1: %Ln слова</numerusform>
            <numerusform>%1: %Ln слов</numerusform>
        </translation>
    </message>
    <message>
        <source>The words of each month; Left and Right move between the months</source>
        <translation>Слова за каждый месяц; стрелки влево и вправо переходят от месяца к месяцу</translation>
    </message>
</context>
<context>
    <name>TPassedOver</name>
    <message numerus="yes">
        <source>Not read: %n files named like entries could not be read: %1</source>
        <translation>
            <numerusform>Не прочитано: %n файл с именем записи не удалось прочитать: %1</numerusform>
            <numerusform>Не прочитано: %n файла с именем записи не удалось прочитать: %1</numerusform>
            <numerusform>Не прочитано: %n файлов с именем записи не удалось прочитать: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TPasswordDialog</name>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Пароль:</translation>
    </message>
    <message>
        <source>&amp;Remember the password on this device</source>
        <translation>Запомнить пароль на этом &amp;устройстве</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s keyring, for this diary</source>
        <translation>Хранится в связке ключей рабочего стола, для этого дневника</translation>
    </message>
</context>
<context>
    <name>TPictureTextEdit</name>
    <message>
        <source>Picture not found: %1</source>
        <translation>Изображение не найдено: %1</translation>
    </message>
    <message>
        <source>Picture outside the diary: %1</source>
        <translation>Изображение вне дневника: %1</translation>
    </message>
    <message>
        <source>Not a picture: %1</source>
        <translation>Не изображение: %1</translation>
    </message>
    <message>
        <source>Picture cannot be shown: %1</source>
        <translation>Невозможно показать изображение: %1</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Изображение: %1</translation>
    </message>
</context>
<context>
    <name>TProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>TPrompts</name>
    <message>
        <source>text modified</source>
        <translation>Текст изменён</translation>
    </message>
    <message>
        <source>save?</source>
        <translation>Сохранить?</translation>
    </message>
</context>
<context>
    <name>TSpellChecker</name>
    <message>
        <source>The word &quot;%1&quot; could not be added to your personal word list. It counts as right until the diary is closed.</source>
        <translation>Не удалось добавить слово «%1» в ваш личный словарь. Оно считается правильным, пока дневник не будет закрыт.</translation>
    </message>
    <message>
        <source>No suggestions</source>
        <translation>Нет вариантов</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Добавить в словарь</translation>
    </message>
    <message>
        <source>Ignore All</source>
        <translation>Пропустить все</translation>
    </message>
    <message>
        <source>Check Spelling</source>
        <translation>Проверять орфографию</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>No dictionaries installed</source>
        <translation>Словари не установлены</translation>
    </message>
</context>
<context>
    <name>TTagsWindow</name>
    <message>
        <source>Tags</source>
        <translation>Метки</translation>
    </message>
    <message>
        <source>Show the tags holding these letters</source>
        <translation>Показать метки с этими буквами</translation>
    </message>
    <message>
        <source>Filter the tags</source>
        <translation>Фильтр меток</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Метка</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Записи</translation>
    </message>
    <message>
        <source>Every tag of the diary with the number of entries holding it; choosing one lists its entries below</source>
        <translation>Все метки дневника с числом записей, где они есть; выбранная метка показывает свои записи ниже</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Переименовать…</translation>
    </message>
    <message>
        <source>Renames the chosen tag in every entry, or merges it with another</source>
        <translation>Переименовывает выбранную метку во всех записях или объединяет её с другой</translation>
    </message>
    <message>
        <source>Reading the tags…</source>
        <translation>Чтение меток…</translation>
    </message>
    <message numerus="yes">
        <source>#%1, %n entries</source>
        <translation>
            <numerusform>#%1, %n запись</numerusform>
            <numerusform>#%1, %n записи</numerusform>
            <numerusform>#%1, %n записей</numerusform>
        </translation>
    </message>
    <message>
        <source>No entry holds a tag.</source>
        <translation>Ни в одной записи нет меток.</translation>
    </message>
    <message numerus="yes">
        <source>%n tags</source>
        <translation>
            <numerusform>%n метка</numerusform>
            <numerusform>%n метки</numerusform>
            <numerusform>%n меток</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename a tag</source>
        <translation>Переименовать метку</translation>
    </message>
    <message>
        <source>New name of #%1 in every entry (an existing tag&apos;s name merges the two):</source>
        <translation>Новое имя #%1 во всех записях (имя существующей метки объединяет их):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a tag&apos;s name: a name holds letters, digits, &apos;_&apos;, &apos;-&apos; and &apos;/&apos;, and at least one letter.</source>
        <translation>«%1» не может быть именем метки: имя состоит из букв, цифр, &apos;_&apos;, &apos;-&apos; и &apos;/&apos; и содержит хотя бы одну букву.</translation>
    </message>
    <message>
        <source>%1: its changes in the window are not saved</source>
        <translation>%1: изменения в окне не сохранены</translation>
    </message>
    <message>
        <source>%1: its encoding cannot hold the new name</source>
        <translation>%1: её кодировка не вмещает новое имя</translation>
    </message>
    <message>
        <source>%1, tab &quot;%2&quot;</source>
        <translation>%1, вкладка «%2»</translation>
    </message>
    <message>
        <source>%1: another program changed it meanwhile</source>
        <translation>%1: тем временем её изменила другая программа</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>#%1 was renamed to #%2 in %n entries.</source>
        <translation>
            <numerusform>Метка #%1 переименована в #%2 в %n записи.</numerusform>
            <numerusform>Метка #%1 переименована в #%2 в %n записях.</numerusform>
            <numerusform>Метка #%1 переименована в #%2 в %n записях.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not renamed:</source>
        <translation>Не переименованы:</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n tags</source>
        <translation>
            <numerusform>%1 из %n метки</numerusform>
            <numerusform>%1 из %n меток</numerusform>
            <numerusform>%1 из %n меток</numerusform>
        </translation>
    </message>
    <message>
        <source>The tags nested under it are renamed with it: %1.</source>
        <translation>Вложенные в неё метки переименовываются вместе с ней: %1.</translation>
    </message>
    <message>
        <source>A change of case alone: every entry then writes #%1 so, whatever case it has there now.</source>
        <translation>Меняется только регистр: каждая запись будет писать #%1 именно так, каким бы ни был регистр в ней сейчас.</translation>
    </message>
    <message>
        <source>#%1 is a tag already: the two are merged into one.</source>
        <translation>#%1 — уже существующая метка: обе объединяются в одну.</translation>
    </message>
    <message>
        <source>Merge #%1 into #%2? Every entry holding #%1 then holds #%2, and the two cannot be told apart afterwards: renaming back would rename both.</source>
        <translation>Объединить #%1 с #%2? Каждая запись с #%1 будет содержать #%2, и потом их уже нельзя будет различить: обратное переименование переименует обе.</translation>
    </message>
    <message numerus="yes">
        <source>#%1 was merged into #%2 in %n entries.</source>
        <translation>
            <numerusform>Метка #%1 объединена с #%2 в %n записи.</numerusform>
            <numerusform>Метка #%1 объединена с #%2 в %n записях.</numerusform>
            <numerusform>Метка #%1 объединена с #%2 в %n записях.</numerusform>
        </translation>
    </message>
    <message>
        <source>Renaming #%1…</source>
        <translation>Переименование #%1…</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %n entries were not reached and still hold #%1.</source>
        <translation>
            <numerusform>Остановлено: %n запись не обработана и всё ещё содержит #%1.</numerusform>
            <numerusform>Остановлено: %n записи не обработаны и всё ещё содержат #%1.</numerusform>
            <numerusform>Остановлено: %n записей не обработано и всё ещё содержат #%1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TTemplatesWindow</name>
    <message>
        <source>Templates</source>
        <translation>Шаблоны</translation>
    </message>
    <message>
        <source>The general template, one for each day of the week and one for each tab; the most specific one that exists applies</source>
        <translation>Общий шаблон, по одному на каждый день недели и на каждую вкладку; действует самый частный из существующих</translation>
    </message>
    <message>
        <source>Every new entry</source>
        <translation>Каждая новая запись</translation>
    </message>
    <message>
        <source>Tab &quot;%1&quot;</source>
        <translation>Вкладка «%1»</translation>
    </message>
    <message>
        <source>Template text</source>
        <translation>Текст шаблона</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>Save the chosen template&apos;s text</source>
        <translation>Сохранить текст выбранного шаблона</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Remove the chosen template&apos;s file, so that the next less specific one applies</source>
        <translation>Удалить файл выбранного шаблона, чтобы действовал следующий, более общий</translation>
    </message>
    <message>
        <source>Placeholders</source>
        <translation>Подстановки</translation>
    </message>
    <message>
        <source>the new entry&apos;s date, long: %1</source>
        <translation>дата новой записи, полная: %1</translation>
    </message>
    <message>
        <source>the new entry&apos;s date, short: %1</source>
        <translation>дата новой записи, краткая: %1</translation>
    </message>
    <message>
        <source>its day of the week: %1</source>
        <translation>её день недели: %1</translation>
    </message>
    <message>
        <source>the name of its tab: %1</source>
        <translation>имя её вкладки: %1</translation>
    </message>
    <message>
        <source>The dates are always the new entry&apos;s own, whatever day it is made on. Anything else in braces stays as written.</source>
        <translation>Даты всегда относятся к самой новой записи, в какой бы день она ни создавалась. Всё остальное в фигурных скобках остаётся как написано.</translation>
    </message>
    <message>
        <source>New entries of %1:</source>
        <translation>Новые записи от %1:</translation>
    </message>
    <message>
        <source>tab &quot;%1&quot; starts empty: no template applies</source>
        <translation>вкладка «%1» начнётся пустой: шаблон не действует</translation>
    </message>
    <message>
        <source>tab &quot;%1&quot; starts from %2</source>
        <translation>вкладка «%1» начнётся с %2</translation>
    </message>
    <message>
        <source>tab &quot;%1&quot; starts empty: %2 cannot be read</source>
        <translation>вкладка «%1» начнётся пустой: не удаётся прочитать %2</translation>
    </message>
    <message>
        <source>applies on %1</source>
        <translation>действует %1</translation>
    </message>
    <message>
        <source>not written yet</source>
        <translation>ещё не создан</translation>
    </message>
    <message>
        <source>In %1</source>
        <translation>Файл: %1</translation>
    </message>
    <message>
        <source>%1 does not exist yet: saving makes it.</source>
        <translation>%1 ещё не существует: сохранение создаст его.</translation>
    </message>
    <message>
        <source>This template cannot be used, and is not written over here:
%1</source>
        <translation>Этот шаблон нельзя использовать, и здесь он не перезаписывается:
%1</translation>
    </message>
    <message>
        <source>Could not save the template %1:
%2</source>
        <translation>Не удалось сохранить шаблон %1:
%2</translation>
    </message>
    <message>
        <source>Could not remove the template %1:
%2</source>
        <translation>Не удалось удалить шаблон %1:
%2</translation>
    </message>
    <message>
        <source>%1 is saved.</source>
        <translation>Шаблон %1 сохранён.</translation>
    </message>
    <message>
        <source>Not filled in, kept as written: %1</source>
        <translation>Не заполняется, остаётся как написано: %1</translation>
    </message>
</context>
<context>
    <name>TYearHeatmap</name>
    <message numerus="yes">
        <source>%1: %Ln words</source>
        <translation>
            <numerusform>%1: %Ln слово</numerusform>
            <numerusform>%1: %Ln слова</numerusform>
            <numerusform>%1: %Ln слов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words in %1</source>
        <translation>
            <numerusform>%Ln слово за %1 год</numerusform>
            <numerusform>%Ln слова за %1 год</numerusform>
            <numerusform>%Ln слов за %1 год</numerusform>
        </translation>
    </message>
    <message>
        <source>Less</source>
        <translation>Меньше</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Больше</translation>
    </message>
</context>
</TS>
