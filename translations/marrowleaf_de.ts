<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>ImportFormat</name>
    <message>
        <source>A Day One export</source>
        <translation>Ein Day-One-Export</translation>
    </message>
    <message>
        <source>a Day One export (.zip, folder or .json)</source>
        <translation>einen Day-One-Export (.zip, Ordner oder .json)</translation>
    </message>
    <message>
        <source>A Diaro backup</source>
        <translation>Eine Diaro-Sicherung</translation>
    </message>
    <message>
        <source>a Diaro backup (.zip)</source>
        <translation>eine Diaro-Sicherung (.zip)</translation>
    </message>
    <message>
        <source>A jrnl journal</source>
        <translation>Ein jrnl-Journal</translation>
    </message>
    <message>
        <source>a jrnl journal</source>
        <translation>ein jrnl-Journal</translation>
    </message>
    <message>
        <source>A RedNotebook journal</source>
        <translation>Ein RedNotebook-Journal</translation>
    </message>
    <message>
        <source>RedNotebook&apos;s data folder</source>
        <translation>den Datenordner von RedNotebook</translation>
    </message>
</context>
<context>
    <name>TDiaryCalendar</name>
    <message>
        <source>The month calendar; days with entries are bold, Alt+Left and Alt+Right move to the previous and next day with an entry</source>
        <translation>Der Monatskalender; Tage mit Einträgen sind fett, Alt+Links und Alt+Rechts gehen zum vorigen und nächsten Tag mit einem Eintrag</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Voriger Monat</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n entries, a sync tool&apos;s conflict copy</source>
        <translation>
            <numerusform>%1, %n Eintrag, eine Konfliktkopie eines Synchronisationsprogramms</numerusform>
            <numerusform>%1, %n Einträge, eine Konfliktkopie eines Synchronisationsprogramms</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, a sync tool&apos;s conflict copy</source>
        <translation>%1, eine Konfliktkopie eines Synchronisationsprogramms</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n entries</source>
        <translation>
            <numerusform>%1, %n Eintrag</numerusform>
            <numerusform>%1, %n Einträge</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TEncryptionWindow</name>
    <message>
        <source>Encryption</source>
        <translation>Verschlüsselung</translation>
    </message>
    <message>
        <source>&amp;Repeat password:</source>
        <translation>Passwort &amp;wiederholen:</translation>
    </message>
    <message>
        <source>&amp;Encrypt</source>
        <translation>&amp;Verschlüsseln</translation>
    </message>
    <message>
        <source>&amp;Change password…</source>
        <translation>Passwort &amp;ändern…</translation>
    </message>
    <message>
        <source>&amp;Decrypt…</source>
        <translation>&amp;Entschlüsseln…</translation>
    </message>
    <message>
        <source>Encrypt the &amp;plain entries</source>
        <translation>&amp;Unverschlüsselte Einträge verschlüsseln</translation>
    </message>
    <message>
        <source>Re&amp;member the password on this device</source>
        <translation>Passwort auf diesem Gerät &amp;merken</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s keyring, for this diary</source>
        <translation>Im Schlüsselbund der Arbeitsumgebung gespeichert, für dieses Tagebuch</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Too short: a password needs at least %1 characters.</source>
        <translation>Zu kurz: Ein Passwort braucht mindestens %1 Zeichen.</translation>
    </message>
    <message>
        <source>Weak: a longer password, or a few unrelated words, is far harder to guess.</source>
        <translation>Schwach: Ein längeres Passwort oder ein paar unzusammenhängende Wörter sind viel schwerer zu erraten.</translation>
    </message>
    <message>
        <source>Fair: a few more characters or words make it strong.</source>
        <translation>Mittel: Ein paar Zeichen oder Wörter mehr machen es stark.</translation>
    </message>
    <message>
        <source>Strong.</source>
        <translation>Stark.</translation>
    </message>
    <message>
        <source>This diary is not encrypted: anyone who has its folder can read its entries. Encrypting keeps every entry, its history, its drafts and its pictures readable only with the password; sync tools and the history go on working.</source>
        <translation>Dieses Tagebuch ist nicht verschlüsselt: Wer seinen Ordner hat, kann seine Einträge lesen. Verschlüsselt sind jeder Eintrag, sein Verlauf, seine Entwürfe und seine Bilder nur mit dem Passwort lesbar; Synchronisationsprogramme und der Verlauf funktionieren weiter.</translation>
    </message>
    <message>
        <source>This diary is encrypted: its entries, their history, drafts and pictures open only with its password.</source>
        <translation>Dieses Tagebuch ist verschlüsselt: Seine Einträge, ihr Verlauf, Entwürfe und Bilder öffnen sich nur mit seinem Passwort.</translation>
    </message>
    <message>
        <source>Two devices encrypted it, each with a key of its own: the files of both open. &quot;Encrypt the plain entries&quot; seals them all anew under this device&apos;s key.</source>
        <translation>Zwei Geräte haben es verschlüsselt, jedes mit eigenem Schlüssel: Die Dateien beider öffnen sich. „Unverschlüsselte Einträge verschlüsseln“ versiegelt sie alle neu mit dem Schlüssel dieses Geräts.</translation>
    </message>
    <message>
        <source>&amp;New password:</source>
        <translation>&amp;Neues Passwort:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message numerus="yes">
        <source>%n files of the diary are plain: written by another program or device, or before it was encrypted. They are encrypted when they are saved, or by &quot;Encrypt the plain entries&quot;.</source>
        <translation>
            <numerusform>%n Datei des Tagebuchs ist unverschlüsselt: von einem anderen Programm oder Gerät geschrieben, oder bevor es verschlüsselt wurde. Sie wird beim Speichern verschlüsselt oder mit „Unverschlüsselte Einträge verschlüsseln“.</numerusform>
            <numerusform>%n Dateien des Tagebuchs sind unverschlüsselt: von einem anderen Programm oder Gerät geschrieben, oder bevor es verschlüsselt wurde. Sie werden beim Speichern verschlüsselt oder mit „Unverschlüsselte Einträge verschlüsseln“.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files are encrypted with a key that this password does not open:</source>
        <translation>
            <numerusform>%n Datei ist mit einem Schlüssel verschlüsselt, den dieses Passwort nicht öffnet:</numerusform>
            <numerusform>%n Dateien sind mit einem Schlüssel verschlüsselt, den dieses Passwort nicht öffnet:</numerusform>
        </translation>
    </message>
    <message>
        <source>The two passwords differ. Type the same password twice.</source>
        <translation>Die beiden Passwörter unterscheiden sich. Geben Sie zweimal dasselbe Passwort ein.</translation>
    </message>
    <message>
        <source>Making the diary&apos;s key…</source>
        <translation>Der Schlüssel des Tagebuchs wird erzeugt…</translation>
    </message>
    <message>
        <source>The diary could not be encrypted:
%1</source>
        <translation>Das Tagebuch konnte nicht verschlüsselt werden:
%1</translation>
    </message>
    <message>
        <source>The password is wrong. Nothing was changed.</source>
        <translation>Das Passwort ist falsch. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Enter the diary&apos;s current password.</source>
        <translation>Geben Sie das aktuelle Passwort des Tagebuchs ein.</translation>
    </message>
    <message>
        <source>Changing the password…</source>
        <translation>Das Passwort wird geändert…</translation>
    </message>
    <message>
        <source>The password could not be changed:
%1</source>
        <translation>Das Passwort konnte nicht geändert werden:
%1</translation>
    </message>
    <message>
        <source>The password is changed. Other devices use the new one as soon as the key file reaches them.</source>
        <translation>Das Passwort ist geändert. Andere Geräte verwenden das neue, sobald die Schlüsseldatei bei ihnen ankommt.</translation>
    </message>
    <message>
        <source>Decrypting writes every entry, its history and its pictures as plain files again, readable by anyone who has the folder. Enter the diary&apos;s password to decrypt it.</source>
        <translation>Beim Entschlüsseln werden alle Einträge, ihr Verlauf und ihre Bilder wieder als unverschlüsselte Dateien geschrieben, lesbar für jeden, der den Ordner hat. Geben Sie das Passwort des Tagebuchs ein, um es zu entschlüsseln.</translation>
    </message>
    <message>
        <source>Encrypting the diary…</source>
        <translation>Das Tagebuch wird verschlüsselt…</translation>
    </message>
    <message>
        <source>Decrypting the diary…</source>
        <translation>Das Tagebuch wird entschlüsselt…</translation>
    </message>
    <message>
        <source>Stopped. The diary works as it is, with some files converted and some not; the conversion goes on at the next start.</source>
        <translation>Angehalten. Das Tagebuch funktioniert so, wie es ist, mit teils umgewandelten Dateien; die Umwandlung geht beim nächsten Start weiter.</translation>
    </message>
    <message>
        <source>The diary is encrypted.</source>
        <translation>Das Tagebuch ist verschlüsselt.</translation>
    </message>
    <message>
        <source>The diary is decrypted: its files are plain again.</source>
        <translation>Das Tagebuch ist entschlüsselt: Seine Dateien sind wieder unverschlüsselt.</translation>
    </message>
    <message>
        <source>The diary stays encrypted: some files could not be decrypted.</source>
        <translation>Das Tagebuch bleibt verschlüsselt: Einige Dateien konnten nicht entschlüsselt werden.</translation>
    </message>
    <message>
        <source>These files were left as they are:</source>
        <translation>Diese Dateien blieben, wie sie sind:</translation>
    </message>
    <message>
        <source>The password could not be kept in the desktop&apos;s keyring:
%1</source>
        <translation>Das Passwort konnte nicht im Schlüsselbund der Arbeitsumgebung gespeichert werden:
%1</translation>
    </message>
    <message>
        <source>Enter the diary&apos;s password to keep it in the desktop&apos;s keyring.</source>
        <translation>Geben Sie das Passwort des Tagebuchs ein, um es im Schlüsselbund der Arbeitsumgebung zu speichern.</translation>
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
        <translation>Reiner Text</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Could not export to %1:
%2</source>
        <translation>Export nach %1 nicht möglich:
%2</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Von</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;Bis</translation>
    </message>
    <message>
        <source>&amp;Whole diary</source>
        <translation>&amp;Ganzes Tagebuch</translation>
    </message>
    <message>
        <source>Whole diary</source>
        <translation>Ganzes Tagebuch</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>Reiter</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>D&amp;urchsuchen…</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Durchsuchen…</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>F&amp;ormat</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>F&amp;ile</source>
        <translation>Dat&amp;ei</translation>
    </message>
    <message>
        <source>diary</source>
        <translation>tagebuch</translation>
    </message>
    <message>
        <source>One &amp;day per page</source>
        <translation>Ein &amp;Tag pro Seite</translation>
    </message>
    <message>
        <source>One day per page</source>
        <translation>Ein Tag pro Seite</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>Marrowleaf diary</source>
        <translation>Marrowleaf-Tagebuch</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>Choose a file to export to.</source>
        <translation>Bitte eine Datei für den Export wählen.</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>Wird exportiert …</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Pre&amp;view…</source>
        <translation>&amp;Vorschau…</translation>
    </message>
    <message>
        <source>Preview…</source>
        <translation>Vorschau…</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist schon vorhanden.
Soll die Datei ersetzt werden?</translation>
    </message>
    <message>
        <source>No day from %1 to %2 holds an entry of the chosen tabs: nothing was exported.</source>
        <translation>Kein Tag vom %1 bis %2 enthält einen Eintrag der gewählten Reiter: Es wurde nichts exportiert.</translation>
    </message>
    <message>
        <source>No day from %1 to %2 holds an entry of the chosen tabs: nothing was printed.</source>
        <translation>Kein Tag vom %1 bis %2 enthält einen Eintrag der gewählten Reiter: Es wurde nichts gedruckt.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weiterer</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>These could not be read:
%1

Export without them?</source>
        <translation>Folgendes konnte nicht gelesen werden:
%1

Ohne sie exportieren?</translation>
    </message>
    <message>
        <source>These could not be read:
%1

Print without them?</source>
        <translation>Folgendes konnte nicht gelesen werden:
%1

Ohne sie drucken?</translation>
    </message>
    <message>
        <source>Could not print on %1.</source>
        <translation>Auf %1 konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>This diary is encrypted, and the export is not: %1 (and its pictures) will be plain files that anyone who has them can read.
Export anyway?</source>
        <translation>Dieses Tagebuch ist verschlüsselt, der Export aber nicht: %1 (samt Bildern) wird zu unverschlüsselten Dateien, die jeder lesen kann, der sie hat.
Trotzdem exportieren?</translation>
    </message>
</context>
<context>
    <name>TFindWindow</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Words to find, &quot;a phrase&quot; in quotes</source>
        <translation>Gesuchte Wörter, „eine Wortgruppe“ in Anführungszeichen</translation>
    </message>
    <message>
        <source>Words to find in every entry; quotation marks make a phrase</source>
        <translation>In allen Einträgen gesuchte Wörter; Anführungszeichen bilden eine Wortgruppe</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Text typed in an earlier run was never saved, for:
%1

It is kept as unsaved text in each entry&apos;s history (File, History), where it can be restored.</source>
        <translation>Bei einem früheren Start eingegebener Text wurde nie gespeichert, für:
%1

Er liegt als ungespeicherter Text im Verlauf des jeweiligen Eintrags (Datei, Verlauf) und kann dort wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>The editor is set by the key EDITOR in the section [GENERAL] of
%1
The editor must stay open until you are done with the entry, for example
EDITOR = gedit --wait, kate --block, gvim -f or code --wait.</source>
        <translation>Der Editor wird mit dem Schlüssel EDITOR im Abschnitt [GENERAL] dieser Datei eingestellt:
%1
Der Editor muss geöffnet bleiben, bis Sie mit dem Eintrag fertig sind, zum Beispiel
EDITOR = gedit --wait, kate --block, gvim -f oder code --wait.</translation>
    </message>
    <message>
        <source>No editor is set.</source>
        <translation>Es ist kein Editor eingestellt.</translation>
    </message>
    <message>
        <source>%1 is a link to a file outside the diary. It is shown read-only and not handed to an editor.</source>
        <translation>%1 ist eine Verknüpfung zu einer Datei außerhalb des Tagebuchs. Er wird schreibgeschützt angezeigt und keinem Editor übergeben.</translation>
    </message>
    <message>
        <source>The text of %1 could not be kept in its history:
%2</source>
        <translation>Der Text von %1 konnte nicht im Verlauf aufbewahrt werden:
%2</translation>
    </message>
    <message>
        <source>The editor returned at once; it may still be open in a window of its own.
The diary shows what it saves there as soon as it is saved.</source>
        <translation>Der Editor hat sich sofort beendet; vielleicht ist er noch in einem eigenen Fenster geöffnet.
Was er dort speichert, zeigt das Tagebuch, sobald es gespeichert ist.</translation>
    </message>
    <message>
        <source>No program named &quot;%1&quot; was found.</source>
        <translation>Es wurde kein Programm namens „%1“ gefunden.</translation>
    </message>
    <message>
        <source>Could not start the editor &quot;%1&quot;: %2</source>
        <translation>Der Editor „%1“ konnte nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>Entry of %1</source>
        <translation>Eintrag %1</translation>
    </message>
    <message>
        <source>File does not exist. push &apos;create&apos; button.</source>
        <translation>Die Datei existiert nicht. Bitte „Anlegen“ drücken.</translation>
    </message>
    <message>
        <source>No entry yet for %1</source>
        <translation>Noch kein Eintrag für %1</translation>
    </message>
    <message>
        <source>Entry of %1, read-only: a link to a file outside the diary</source>
        <translation>Eintrag %1, schreibgeschützt: eine Verknüpfung zu einer Datei außerhalb des Tagebuchs</translation>
    </message>
    <message>
        <source>Entry of %1, read-only</source>
        <translation>Eintrag %1, schreibgeschützt</translation>
    </message>
    <message>
        <source>Another program had changed %1 since it was shown.
Your text was saved; the other version is in the entry&apos;s history (File, History).</source>
        <translation>Ein anderes Programm hat %1 geändert, seit er angezeigt wurde.
Ihr Text wurde gespeichert; die andere Fassung liegt im Verlauf des Eintrags (Datei, Verlauf).</translation>
    </message>
    <message>
        <source>The text that %1 held before could not be kept in its history:
%2</source>
        <translation>Der bisherige Text von %1 konnte nicht im Verlauf aufbewahrt werden:
%2</translation>
    </message>
    <message>
        <source>The text of the shown entry, saved; the text it replaced is in its history</source>
        <translation>Der Text des angezeigten Eintrags, gespeichert; der ersetzte Text liegt im Verlauf</translation>
    </message>
    <message>
        <source>the entry of %1</source>
        <translation>Eintrag %1</translation>
    </message>
    <message>
        <source>Could not save %1:
%2</source>
        <translation>%1 konnte nicht gespeichert werden:
%2</translation>
    </message>
    <message>
        <source>The text was kept in
%1</source>
        <translation>Der Text wurde aufbewahrt in
%1</translation>
    </message>
    <message>
        <source>The text of the shown entry, not saved; kept in a recovery file</source>
        <translation>Der Text des angezeigten Eintrags, nicht gespeichert; in einer Wiederherstellungsdatei aufbewahrt</translation>
    </message>
    <message>
        <source>The text could not be kept either (%1). Copy it out of the window before another entry is shown.</source>
        <translation>Auch das Aufbewahren war nicht möglich (%1). Kopieren Sie den Text aus dem Fenster, bevor ein anderer Eintrag angezeigt wird.</translation>
    </message>
    <message>
        <source>Marrowleaf v0.02a</source>
        <translation>Marrowleaf v0.02a</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Suchen…</translation>
    </message>
    <message>
        <source>&amp;History…</source>
        <translation>&amp;Verlauf…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportieren…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Previous day with an entry</source>
        <translation>Voriger Tag mit einem Eintrag</translation>
    </message>
    <message>
        <source>Next day with an entry</source>
        <translation>Nächster Tag mit einem Eintrag</translation>
    </message>
    <message>
        <source>today</source>
        <translation>heute</translation>
    </message>
    <message>
        <source>launch editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>create</source>
        <translation>anlegen</translation>
    </message>
    <message>
        <source>autosave without confirm</source>
        <translation>ohne Rückfrage speichern</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Voriges Jahr</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Nächstes Jahr</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Voriger Monat</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Show today</source>
        <translation>Heute anzeigen</translation>
    </message>
    <message>
        <source>Open this entry in the external editor</source>
        <translation>Diesen Eintrag im externen Editor öffnen</translation>
    </message>
    <message>
        <source>Create this day&apos;s entry</source>
        <translation>Den Eintrag dieses Tages anlegen</translation>
    </message>
    <message>
        <source>Save without asking</source>
        <translation>Ohne Rückfrage speichern</translation>
    </message>
    <message>
        <source>Today&apos;s date</source>
        <translation>Das heutige Datum</translation>
    </message>
    <message>
        <source>One tab per kind of entry; a plus sign marks a tab whose entry exists</source>
        <translation>Ein Reiter pro Art von Eintrag; ein Pluszeichen markiert Reiter, deren Eintrag existiert</translation>
    </message>
    <message>
        <source>The text of the shown entry</source>
        <translation>Der Text des angezeigten Eintrags</translation>
    </message>
    <message>
        <source>Invalid date: year %1, month %2, day %3</source>
        <translation>Ungültiges Datum: Jahr %1, Monat %2, Tag %3</translation>
    </message>
    <message>
        <source>The calendar cannot show this date</source>
        <translation>Der Kalender kann dieses Datum nicht anzeigen</translation>
    </message>
    <message>
        <source>The editor &quot;%1&quot; ended abnormally and left the entry unchanged.</source>
        <translation>Der Editor „%1“ wurde unerwartet beendet; der Eintrag blieb unverändert.</translation>
    </message>
    <message>
        <source>The editor &quot;%1&quot; ended with exit status %2 and left the entry unchanged.</source>
        <translation>Der Editor „%1“ wurde mit dem Status %2 beendet; der Eintrag blieb unverändert.</translation>
    </message>
    <message>
        <source>%1, tab &quot;%2&quot;</source>
        <translation>%1, Reiter „%2“</translation>
    </message>
    <message>
        <source>Te&amp;mplates…</source>
        <translation>V&amp;orlagen…</translation>
    </message>
    <message>
        <source>The template %1 cannot be used:
%2

The new entry starts empty.</source>
        <translation>Die Vorlage %1 ist nicht verwendbar:
%2

Der neue Eintrag beginnt leer.</translation>
    </message>
    <message>
        <source>The template %1 could not be written into the new entry:
%2

The new entry starts empty.</source>
        <translation>Die Vorlage %1 konnte nicht in den neuen Eintrag geschrieben werden:
%2

Der neue Eintrag beginnt leer.</translation>
    </message>
    <message>
        <source>&amp;Tags…</source>
        <translation>&amp;Tags…</translation>
    </message>
    <message>
        <source>&amp;Look Back…</source>
        <translation>&amp;Rückblick…</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importieren…</translation>
    </message>
    <message>
        <source>I&amp;nsert Picture…</source>
        <translation>Bild ei&amp;nfügen…</translation>
    </message>
    <message>
        <source>Insert Picture</source>
        <translation>Bild einfügen</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
    <message>
        <source>The picture %1 could not be read:
%2</source>
        <translation>Das Bild %1 konnte nicht gelesen werden:
%2</translation>
    </message>
    <message>
        <source>%1 is not a picture the diary can show (PNG, JPEG, GIF, BMP or WebP).</source>
        <translation>%1 ist kein Bild, das das Tagebuch zeigen kann (PNG, JPEG, GIF, BMP oder WebP).</translation>
    </message>
    <message>
        <source>The picture could not be kept with %1:
%2</source>
        <translation>Das Bild konnte nicht bei %1 abgelegt werden:
%2</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Bild öffnen</translation>
    </message>
    <message>
        <source>The import cannot be used: its part of the program could not be loaded (%1).</source>
        <translation>Der Import kann nicht verwendet werden: sein Teil des Programms konnte nicht geladen werden (%1).</translation>
    </message>
    <message>
        <source>%1 cannot be read, and is not handed to an editor.</source>
        <translation>Nicht lesbar und daher keinem Editor übergeben: %1.</translation>
    </message>
    <message>
        <source>No private folder could be made for the editor&apos;s copy of %1.</source>
        <translation>Für die Kopie des Editors konnte kein privater Ordner angelegt werden: %1.</translation>
    </message>
    <message>
        <source>The editor returned at once, and its copy of the encrypted entry is removed: what it saves now is lost. Set an editor that stays open until you are done.</source>
        <translation>Der Editor kehrte sofort zurück, und seine Kopie des verschlüsselten Eintrags ist entfernt: Was er jetzt speichert, geht verloren. Stellen Sie einen Editor ein, der geöffnet bleibt, bis Sie fertig sind.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>sie ist nicht lesbar (%1)</translation>
    </message>
    <message>
        <source>it is no key file</source>
        <translation>sie ist keine Schlüsseldatei</translation>
    </message>
    <message>
        <source>it was written by a newer version of the program</source>
        <translation>sie wurde von einer neueren Version des Programms geschrieben</translation>
    </message>
    <message>
        <source>this device lacks the memory its password needs</source>
        <translation>diesem Gerät fehlt der Speicher, den sein Passwort braucht</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>sie ist beschädigt</translation>
    </message>
    <message>
        <source>This diary is encrypted. Enter its password to open it.</source>
        <translation>Dieses Tagebuch ist verschlüsselt. Geben Sie sein Passwort ein, um es zu öffnen.</translation>
    </message>
    <message>
        <source>The password could not be kept in the desktop&apos;s keyring:
%1</source>
        <translation>Das Passwort konnte nicht im Schlüsselbund der Arbeitsumgebung gespeichert werden:
%1</translation>
    </message>
    <message>
        <source>The password is wrong. Enter the password of this diary.</source>
        <translation>Das Passwort ist falsch. Geben Sie das Passwort dieses Tagebuchs ein.</translation>
    </message>
    <message>
        <source>Two devices encrypted this diary, each with a password of its own, and a sync tool kept both key files. Enter the other device&apos;s password too, or Cancel to open only the entries that this password opens.</source>
        <translation>Zwei Geräte haben dieses Tagebuch verschlüsselt, jedes mit eigenem Passwort, und ein Synchronisationsprogramm hat beide Schlüsseldateien behalten. Geben Sie auch das Passwort des anderen Geräts ein, oder Abbrechen, um nur die Einträge zu öffnen, die dieses Passwort öffnet.</translation>
    </message>
    <message>
        <source>This diary is encrypted, but none of its key files can be used:
%1

Nothing was read or written.</source>
        <translation>Dieses Tagebuch ist verschlüsselt, aber keine seiner Schlüsseldateien ist verwendbar:
%1

Nichts wurde gelesen oder geschrieben.</translation>
    </message>
    <message>
        <source>This entry cannot be read: it is encrypted, and the diary has no key file (marrowleaf.key) to open it with. Bring the key file back from a copy of the diary or another device, then start the diary again.</source>
        <translation>Dieser Eintrag ist nicht lesbar: Er ist verschlüsselt, und das Tagebuch hat keine Schlüsseldatei (marrowleaf.key), um ihn zu öffnen. Holen Sie die Schlüsseldatei aus einer Kopie des Tagebuchs oder von einem anderen Gerät zurück und starten Sie das Tagebuch neu.</translation>
    </message>
    <message>
        <source>This entry cannot be read: it is encrypted with a key that the diary&apos;s password does not open (another device&apos;s password, or another diary&apos;s). Its earlier versions are in File, History.</source>
        <translation>Dieser Eintrag ist nicht lesbar: Er ist mit einem Schlüssel verschlüsselt, den das Passwort des Tagebuchs nicht öffnet (das Passwort eines anderen Geräts oder eines anderen Tagebuchs). Seine früheren Fassungen stehen unter Datei, Verlauf.</translation>
    </message>
    <message>
        <source>This entry cannot be read: its encrypted file is damaged (changed or cut short since it was written). Its earlier versions are in File, History, where one can be restored.</source>
        <translation>Dieser Eintrag ist nicht lesbar: Seine verschlüsselte Datei ist beschädigt (seit dem Schreiben verändert oder gekürzt). Seine früheren Fassungen stehen unter Datei, Verlauf, wo sich eine wiederherstellen lässt.</translation>
    </message>
    <message>
        <source>Entry of %1, cannot be read</source>
        <translation>Eintrag %1, nicht lesbar</translation>
    </message>
    <message>
        <source>The text was kept, encrypted, as unsaved text in the entry&apos;s history (File, History).</source>
        <translation>Der Text wurde verschlüsselt als ungespeicherter Text im Verlauf des Eintrags aufbewahrt (Datei, Verlauf).</translation>
    </message>
    <message>
        <source>En&amp;cryption…</source>
        <translation>Vers&amp;chlüsselung…</translation>
    </message>
</context>
<context>
    <name>TFoundEntries</name>
    <message>
        <source>%1, tab %2, not saved yet: %3</source>
        <translation>%1, Reiter %2, noch nicht gespeichert: %3</translation>
    </message>
    <message>
        <source>%1, tab %2: %3</source>
        <translation>%1, Reiter %2: %3</translation>
    </message>
    <message>
        <source>not saved yet</source>
        <translation>noch nicht gespeichert</translation>
    </message>
    <message>
        <source>Entries found</source>
        <translation>Gefundene Einträge</translation>
    </message>
    <message>
        <source>Newest first; Enter shows the entry with the words selected</source>
        <translation>Neueste zuerst; Eingabe zeigt den Eintrag mit den Wörtern markiert</translation>
    </message>
    <message>
        <source>How many entries were found</source>
        <translation>Wie viele Einträge gefunden wurden</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Wird gesucht …</translation>
    </message>
    <message numerus="yes">
        <source>%n entries found</source>
        <translation>
            <numerusform>%n Eintrag gefunden</numerusform>
            <numerusform>%n Einträge gefunden</numerusform>
        </translation>
    </message>
    <message>
        <source>No entry holds &quot;%1&quot;.</source>
        <translation>Kein Eintrag enthält „%1“.</translation>
    </message>
</context>
<context>
    <name>THistoryWindow</name>
    <message>
        <source>History of %1</source>
        <translation>Verlauf von %1</translation>
    </message>
    <message>
        <source>No entry is shown, so there is no history to show.</source>
        <translation>Es wird kein Eintrag angezeigt, daher gibt es keinen Verlauf.</translation>
    </message>
    <message>
        <source>This entry has no earlier versions yet.</source>
        <translation>Dieser Eintrag hat noch keine früheren Fassungen.</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Versions</source>
        <translation>Fassungen</translation>
    </message>
    <message>
        <source>The entry&apos;s texts, newest first: the file now, unsaved text, earlier versions</source>
        <translation>Die Texte des Eintrags, neueste zuerst: die Datei jetzt, ungespeicherter Text, frühere Fassungen</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>The chosen version&apos;s text</source>
        <translation>Der Text der gewählten Fassung</translation>
    </message>
    <message>
        <source>Put the chosen text into the entry, to be saved like typing</source>
        <translation>Den gewählten Text in den Eintrag übernehmen; er wird wie Getipptes gespeichert</translation>
    </message>
    <message>
        <source>Now in the entry file</source>
        <translation>Jetzt in der Eintragsdatei</translation>
    </message>
    <message>
        <source>unsaved text from %1</source>
        <translation>ungespeicherter Text vom %1</translation>
    </message>
    <message>
        <source>written by another program</source>
        <translation>von einem anderen Programm geschrieben</translation>
    </message>
    <message>
        <source>copy made by a sync tool: %1</source>
        <translation>Kopie eines Synchronisationsprogramms: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n Byte</numerusform>
            <numerusform>%n Byte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n earlier versions</source>
        <translation>
            <numerusform>%n frühere Fassung</numerusform>
            <numerusform>%n frühere Fassungen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TImportWindow</name>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>D&amp;urchsuchen…</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Durchsuchen…</translation>
    </message>
    <message>
        <source>A &amp;file…</source>
        <translation>Eine &amp;Datei…</translation>
    </message>
    <message>
        <source>A f&amp;older…</source>
        <translation>Einen &amp;Ordner…</translation>
    </message>
    <message>
        <source>&amp;Source</source>
        <translation>&amp;Quelle</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Reiter</translation>
    </message>
    <message>
        <source>&amp;Tab</source>
        <translation>&amp;Reiter</translation>
    </message>
    <message>
        <source>What the import will do</source>
        <translation>Was der Import tun wird</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>%1 wird gelesen …</translation>
    </message>
    <message>
        <source>%1: not a diary that can be imported here</source>
        <translation>%1: kein Tagebuch, das hier importiert werden kann</translation>
    </message>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1: nicht lesbar (%2)</translation>
    </message>
    <message>
        <source>%1: does not parse (%2)</source>
        <translation>%1: nicht auswertbar (%2)</translation>
    </message>
    <message>
        <source>%1: not an entry (%2)</source>
        <translation>%1: kein Eintrag (%2)</translation>
    </message>
    <message>
        <source>%1: a date that does not exist (%2)</source>
        <translation>%1: ein Datum, das es nicht gibt (%2)</translation>
    </message>
    <message>
        <source>%1: the attachment %2 is missing; its link is kept</source>
        <translation>%1: der Anhang %2 fehlt; sein Verweis bleibt erhalten</translation>
    </message>
    <message numerus="yes">
        <source>Coordinates of places: %n (the places&apos; names are kept)</source>
        <translation>
            <numerusform>Koordinaten von Orten: %n (die Ortsnamen bleiben erhalten)</numerusform>
            <numerusform>Koordinaten von Orten: %n (die Ortsnamen bleiben erhalten)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Day One&apos;s formatting of entries: %n (their Markdown text is kept)</source>
        <translation>
            <numerusform>Formatierung von Day-One-Einträgen: %n (ihr Markdown-Text bleibt erhalten)</numerusform>
            <numerusform>Formatierung von Day-One-Einträgen: %n (ihr Markdown-Text bleibt erhalten)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moods of entries: %n</source>
        <translation>
            <numerusform>Stimmungen von Einträgen: %n</numerusform>
            <numerusform>Stimmungen von Einträgen: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Folders of entries: %n (all go to the chosen tab)</source>
        <translation>
            <numerusform>Ordner von Einträgen: %n (alle kommen in den gewählten Reiter)</numerusform>
            <numerusform>Ordner von Einträgen: %n (alle kommen in den gewählten Reiter)</numerusform>
        </translation>
    </message>
    <message>
        <source>No place in a plain entry:</source>
        <translation>Kein Platz in einem schlichten Eintrag:</translation>
    </message>
    <message>
        <source>Could not be read:</source>
        <translation>Nicht lesbar:</translation>
    </message>
    <message>
        <source>Nothing to import.</source>
        <translation>Nichts zu importieren.</translation>
    </message>
    <message numerus="yes">
        <source>Entries: %n</source>
        <translation>
            <numerusform>Einträge: %n</numerusform>
            <numerusform>Einträge: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Days: %n</source>
        <translation>
            <numerusform>Tage: %n</numerusform>
            <numerusform>Tage: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation>Vom %1 bis %2</translation>
    </message>
    <message numerus="yes">
        <source>Days that already hold an entry: %n (kept; the imported text is added after it)</source>
        <translation>
            <numerusform>Tage, die schon einen Eintrag haben: %n (er bleibt; der importierte Text kommt dahinter)</numerusform>
            <numerusform>Tage, die schon einen Eintrag haben: %n (er bleibt; der importierte Text kommt dahinter)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Days that hold this import already: %n (left as they are)</source>
        <translation>
            <numerusform>Tage, die diesen Import schon enthalten: %n (bleiben, wie sie sind)</numerusform>
            <numerusform>Tage, die diesen Import schon enthalten: %n (bleiben, wie sie sind)</numerusform>
        </translation>
    </message>
    <message>
        <source>Journals without a tab of their name: %1</source>
        <translation>Journale ohne Reiter ihres Namens: %1</translation>
    </message>
    <message>
        <source>No tab is named after the journals %1. Add a tab of that name for each to the diary?</source>
        <translation>Kein Reiter trägt den Namen der Journale %1. Dem Tagebuch für jedes einen Reiter dieses Namens hinzufügen?</translation>
    </message>
    <message>
        <source>The new tabs could not be written to config.ini; those journals go to the chosen tab.</source>
        <translation>Die neuen Reiter konnten nicht in config.ini geschrieben werden; diese Journale kommen in den gewählten Reiter.</translation>
    </message>
    <message>
        <source>Importing…</source>
        <translation>Wird importiert …</translation>
    </message>
    <message>
        <source>The import was cancelled.</source>
        <translation>Der Import wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The import is done.</source>
        <translation>Der Import ist fertig.</translation>
    </message>
    <message numerus="yes">
        <source>New entries: %n</source>
        <translation>
            <numerusform>Neue Einträge: %n</numerusform>
            <numerusform>Neue Einträge: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Entries kept, with the imported text added after them: %n (their earlier text is in their history)</source>
        <translation>
            <numerusform>Behaltene Einträge mit dem importierten Text dahinter: %n (ihr bisheriger Text liegt im Verlauf)</numerusform>
            <numerusform>Behaltene Einträge mit dem importierten Text dahinter: %n (ihr bisheriger Text liegt im Verlauf)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Entries that held the import already, left as they were: %n</source>
        <translation>
            <numerusform>Einträge, die den Import schon enthielten, unverändert: %n</numerusform>
            <numerusform>Einträge, die den Import schon enthielten, unverändert: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Attachments copied: %n</source>
        <translation>
            <numerusform>Kopierte Anhänge: %n</numerusform>
            <numerusform>Kopierte Anhänge: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Days from %1 on, left as they were: %n</source>
        <translation>
            <numerusform>Tage ab %1, unverändert: %n</numerusform>
            <numerusform>Tage ab %1, unverändert: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Not imported, left as it was: %1 (%2)</source>
        <translation>Nicht importiert, unverändert: %1 (%2)</translation>
    </message>
    <message>
        <source>Imported, but its earlier text could not be kept in its history: %1 (%2)</source>
        <translation>Importiert, aber der bisherige Text konnte nicht im Verlauf aufbewahrt werden: %1 (%2)</translation>
    </message>
    <message>
        <source>Choose a diary to import: %1.</source>
        <translation>Wählen Sie ein Tagebuch zum Importieren: %1.</translation>
    </message>
    <message>
        <source>%1: an encrypted backup, which cannot be read; Diaro can write a backup without encryption (.zip) to import instead</source>
        <translation>%1: eine verschlüsselte Sicherung, die nicht gelesen werden kann; Diaro kann stattdessen eine Sicherung ohne Verschlüsselung (.zip) zum Importieren schreiben</translation>
    </message>
    <message>
        <source>%1: no entry starts with a date and time of the form [2024-05-05 06:30 PM] or 2024-05-05 18:30; the line found there: %2</source>
        <translation>%1: kein Eintrag beginnt mit Datum und Uhrzeit in der Form [2024-05-05 06:30 PM] oder 2024-05-05 18:30; die dort gefundene Zeile: %2</translation>
    </message>
    <message>
        <source>%1: the attachment %2 has a name no file can have here; left out</source>
        <translation>%1: der Anhang %2 hat einen Namen, den hier keine Datei haben kann; ausgelassen</translation>
    </message>
    <message>
        <source>%1: a link to a place outside the chosen folder; left out</source>
        <translation>%1: eine Verknüpfung zu einem Ort außerhalb des gewählten Ordners; ausgelassen</translation>
    </message>
    <message>
        <source>%1: not a regular file (a pipe, a device or a socket); left out</source>
        <translation>%1: keine reguläre Datei (eine Pipe, ein Gerät oder ein Socket); ausgelassen</translation>
    </message>
    <message>
        <source>%1: not a day of a jrnl folder journal (YEAR/MONTH/DAY.txt); left out</source>
        <translation>%1: kein Tag eines jrnl-Ordnerjournals (JAHR/MONAT/TAG.txt); ausgelassen</translation>
    </message>
    <message>
        <source>%1: the XML entity %2 cannot be read; the text is imported without it</source>
        <translation>%1: die XML-Entität %2 kann nicht gelesen werden; der Text wird ohne sie importiert</translation>
    </message>
    <message numerus="yes">
        <source>…and %n more of this kind</source>
        <translation>
            <numerusform>…und %n weiteres dieser Art</numerusform>
            <numerusform>…und %n weitere dieser Art</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Entries the diary holds already in the tab %1: %n (imported into this tab as well)</source>
        <translation>
            <numerusform>Einträge, die das Tagebuch schon im Reiter %1 enthält: %n (werden auch in diesen Reiter importiert)</numerusform>
            <numerusform>Einträge, die das Tagebuch schon im Reiter %1 enthält: %n (werden auch in diesen Reiter importiert)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Attachments: %n (%1, copied into the diary folder)</source>
        <translation>
            <numerusform>Anhänge: %n (%1, werden in den Tagebuchordner kopiert)</numerusform>
            <numerusform>Anhänge: %n (%1, werden in den Tagebuchordner kopiert)</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was imported: the import needs %1, and the disk of the diary folder has %2 free.</source>
        <translation>Nichts wurde importiert: Der Import braucht %1, und auf dem Datenträger des Tagebuchordners sind %2 frei.</translation>
    </message>
    <message>
        <source>What the import did</source>
        <translation>Was der Import getan hat</translation>
    </message>
    <message>
        <source>Not imported, its changes in the diary window are not saved: %1 (import again once they are)</source>
        <translation>Nicht importiert, seine Änderungen im Tagebuchfenster sind nicht gespeichert: %1 (erneut importieren, sobald sie es sind)</translation>
    </message>
</context>
<context>
    <name>TLookBackWindow</name>
    <message>
        <source>Look Back</source>
        <translation>Rückblick</translation>
    </message>
    <message>
        <source>On this day</source>
        <translation>An diesem Tag</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Entries of this day in earlier years</source>
        <translation>Einträge dieses Tages in früheren Jahren</translation>
    </message>
    <message>
        <source>Newest first; Enter shows the entry in the diary window</source>
        <translation>Neueste zuerst; Eingabe zeigt den Eintrag im Tagebuchfenster</translation>
    </message>
    <message>
        <source>Nothing was written on this day in any earlier year.</source>
        <translation>An diesem Tag wurde in keinem früheren Jahr etwas geschrieben.</translation>
    </message>
    <message>
        <source>Entries:</source>
        <translation>Einträge:</translation>
    </message>
    <message>
        <source>Days written:</source>
        <translation>Tage mit Einträgen:</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Wörter:</translation>
    </message>
    <message>
        <source>Characters:</source>
        <translation>Zeichen:</translation>
    </message>
    <message>
        <source>Words per day written:</source>
        <translation>Wörter pro Tag mit Eintrag:</translation>
    </message>
    <message>
        <source>Current streak:</source>
        <translation>Aktuelle Serie:</translation>
    </message>
    <message>
        <source>Longest streak:</source>
        <translation>Längste Serie:</translation>
    </message>
    <message>
        <source>First entry:</source>
        <translation>Erster Eintrag:</translation>
    </message>
    <message>
        <source>Latest entry:</source>
        <translation>Letzter Eintrag:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Jahr:</translation>
    </message>
    <message>
        <source>A cell per day, its colour stronger the more words; the arrow keys move, Enter shows the day</source>
        <translation>Ein Feld pro Tag, je mehr Wörter, desto kräftiger die Farbe; die Pfeiltasten bewegen, Eingabe zeigt den Tag</translation>
    </message>
    <message numerus="yes">
        <source>%n years ago</source>
        <translation>
            <numerusform>vor %n Jahr</numerusform>
            <numerusform>vor %n Jahren</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2, tab %3: %4</source>
        <translation>%1, %2, Reiter %3: %4</translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln Tag</numerusform>
            <numerusform>%Ln Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days, to %1</source>
        <translation>
            <numerusform>%Ln Tag, bis %1</numerusform>
            <numerusform>%Ln Tage, bis %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Words per day of %1</source>
        <translation>Wörter pro Tag im Jahr %1</translation>
    </message>
    <message>
        <source>this year</source>
        <translation>dieses Jahr</translation>
    </message>
    <message numerus="yes">
        <source>in %n years</source>
        <translation>
            <numerusform>in %n Jahr</numerusform>
            <numerusform>in %n Jahren</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TMonthChart</name>
    <message>
        <source>Words per month of %1</source>
        <translation>Wörter pro Monat im Jahr %1</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln words</source>
        <translation>
            <numerusform>%1: %Ln Wort</numerusform>
            <numerusform>%1: %Ln Wörter</numerusform>
        </translation>
    </message>
    <message>
        <source>The words of each month; Left and Right move between the months</source>
        <translation>Die Wörter jedes Monats; Links und Rechts wechseln zwischen den Monaten</translation>
    </message>
</context>
<context>
    <name>TPassedOver</name>
    <message numerus="yes">
        <source>Not read: %n files named like entries could not be read: %1</source>
        <translation>
            <numerusform>Nicht gelesen: %n Datei, die wie ein Eintrag heißt, war nicht lesbar: %1</numerusform>
            <numerusform>Nicht gelesen: %n Dateien, die wie Einträge heißen, waren nicht lesbar: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TPasswordDialog</name>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>&amp;Remember the password on this device</source>
        <translation>Passwort auf diesem Gerät &amp;merken</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s keyring, for this diary</source>
        <translation>Im Schlüsselbund der Arbeitsumgebung gespeichert, für dieses Tagebuch</translation>
    </message>
</context>
<context>
    <name>TPictureTextEdit</name>
    <message>
        <source>Picture not found: %1</source>
        <translation>Bild nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Picture outside the diary: %1</source>
        <translation>Bild außerhalb des Tagebuchs: %1</translation>
    </message>
    <message>
        <source>Not a picture: %1</source>
        <translation>Kein Bild: %1</translation>
    </message>
    <message>
        <source>Picture cannot be shown: %1</source>
        <translation>Bild kann nicht angezeigt werden: %1</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Bild: %1</translation>
    </message>
</context>
<context>
    <name>TProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TPrompts</name>
    <message>
        <source>text modified</source>
        <translation>Text geändert</translation>
    </message>
    <message>
        <source>save?</source>
        <translation>Speichern?</translation>
    </message>
</context>
<context>
    <name>TSpellChecker</name>
    <message>
        <source>The word &quot;%1&quot; could not be added to your personal word list. It counts as right until the diary is closed.</source>
        <translation>Das Wort „%1“ konnte nicht in Ihr persönliches Wörterbuch aufgenommen werden. Es gilt als richtig, bis das Tagebuch geschlossen wird.</translation>
    </message>
    <message>
        <source>No suggestions</source>
        <translation>Keine Vorschläge</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Zum Wörterbuch hinzufügen</translation>
    </message>
    <message>
        <source>Ignore All</source>
        <translation>Alle ignorieren</translation>
    </message>
    <message>
        <source>Check Spelling</source>
        <translation>Rechtschreibung prüfen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>No dictionaries installed</source>
        <translation>Keine Wörterbücher installiert</translation>
    </message>
</context>
<context>
    <name>TTagsWindow</name>
    <message>
        <source>Tags</source>
        <translation>Tags</translation>
    </message>
    <message>
        <source>Show the tags holding these letters</source>
        <translation>Tags mit diesen Buchstaben zeigen</translation>
    </message>
    <message>
        <source>Filter the tags</source>
        <translation>Tags filtern</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>Every tag of the diary with the number of entries holding it; choosing one lists its entries below</source>
        <translation>Jeder Tag des Tagebuchs mit der Zahl seiner Einträge; ein gewählter Tag listet unten seine Einträge</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Umbenennen…</translation>
    </message>
    <message>
        <source>Renames the chosen tag in every entry, or merges it with another</source>
        <translation>Benennt den gewählten Tag in jedem Eintrag um oder führt ihn mit einem anderen zusammen</translation>
    </message>
    <message>
        <source>Reading the tags…</source>
        <translation>Tags werden gelesen…</translation>
    </message>
    <message numerus="yes">
        <source>#%1, %n entries</source>
        <translation>
            <numerusform>#%1, %n Eintrag</numerusform>
            <numerusform>#%1, %n Einträge</numerusform>
        </translation>
    </message>
    <message>
        <source>No entry holds a tag.</source>
        <translation>Kein Eintrag enthält einen Tag.</translation>
    </message>
    <message numerus="yes">
        <source>%n tags</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tags</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename a tag</source>
        <translation>Tag umbenennen</translation>
    </message>
    <message>
        <source>New name of #%1 in every entry (an existing tag&apos;s name merges the two):</source>
        <translation>Neuer Name von #%1 in jedem Eintrag (der Name eines vorhandenen Tags führt beide zusammen):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a tag&apos;s name: a name holds letters, digits, &apos;_&apos;, &apos;-&apos; and &apos;/&apos;, and at least one letter.</source>
        <translation>„%1“ kann kein Name eines Tags sein: Ein Name besteht aus Buchstaben, Ziffern, &apos;_&apos;, &apos;-&apos; und &apos;/&apos; und enthält mindestens einen Buchstaben.</translation>
    </message>
    <message>
        <source>%1: its changes in the window are not saved</source>
        <translation>%1: Seine Änderungen im Fenster sind nicht gespeichert</translation>
    </message>
    <message>
        <source>%1: its encoding cannot hold the new name</source>
        <translation>%1: Seine Kodierung kann den neuen Namen nicht aufnehmen</translation>
    </message>
    <message>
        <source>%1, tab &quot;%2&quot;</source>
        <translation>%1, Reiter „%2“</translation>
    </message>
    <message>
        <source>%1: another program changed it meanwhile</source>
        <translation>%1: Ein anderes Programm hat ihn inzwischen geändert</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>#%1 was renamed to #%2 in %n entries.</source>
        <translation>
            <numerusform>#%1 wurde in %n Eintrag in #%2 umbenannt.</numerusform>
            <numerusform>#%1 wurde in %n Einträgen in #%2 umbenannt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not renamed:</source>
        <translation>Nicht umbenannt:</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n tags</source>
        <translation>
            <numerusform>%1 von %n Tag</numerusform>
            <numerusform>%1 von %n Tags</numerusform>
        </translation>
    </message>
    <message>
        <source>The tags nested under it are renamed with it: %1.</source>
        <translation>Die darunter verschachtelten Tags werden mit umbenannt: %1.</translation>
    </message>
    <message>
        <source>A change of case alone: every entry then writes #%1 so, whatever case it has there now.</source>
        <translation>Nur eine andere Groß- und Kleinschreibung: Jeder Eintrag schreibt dann #%1 so, wie auch immer er es jetzt schreibt.</translation>
    </message>
    <message>
        <source>#%1 is a tag already: the two are merged into one.</source>
        <translation>#%1 ist bereits ein Tag: Beide werden zu einem zusammengeführt.</translation>
    </message>
    <message>
        <source>Merge #%1 into #%2? Every entry holding #%1 then holds #%2, and the two cannot be told apart afterwards: renaming back would rename both.</source>
        <translation>#%1 mit #%2 zusammenführen? Jeder Eintrag mit #%1 enthält dann #%2, und beide lassen sich danach nicht mehr unterscheiden: Ein Zurückbenennen würde beide umbenennen.</translation>
    </message>
    <message numerus="yes">
        <source>#%1 was merged into #%2 in %n entries.</source>
        <translation>
            <numerusform>#%1 wurde in %n Eintrag mit #%2 zusammengeführt.</numerusform>
            <numerusform>#%1 wurde in %n Einträgen mit #%2 zusammengeführt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Renaming #%1…</source>
        <translation>#%1 wird umbenannt…</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %n entries were not reached and still hold #%1.</source>
        <translation>
            <numerusform>Angehalten: %n Eintrag wurde nicht erreicht und enthält weiter #%1.</numerusform>
            <numerusform>Angehalten: %n Einträge wurden nicht erreicht und enthalten weiter #%1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TTemplatesWindow</name>
    <message>
        <source>Templates</source>
        <translation>Vorlagen</translation>
    </message>
    <message>
        <source>The general template, one for each day of the week and one for each tab; the most specific one that exists applies</source>
        <translation>Die allgemeine Vorlage, eine je Wochentag und eine je Reiter; es gilt die speziellste vorhandene</translation>
    </message>
    <message>
        <source>Every new entry</source>
        <translation>Jeder neue Eintrag</translation>
    </message>
    <message>
        <source>Tab &quot;%1&quot;</source>
        <translation>Reiter „%1“</translation>
    </message>
    <message>
        <source>Template text</source>
        <translation>Vorlagentext</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save the chosen template&apos;s text</source>
        <translation>Den Text der gewählten Vorlage speichern</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Remove the chosen template&apos;s file, so that the next less specific one applies</source>
        <translation>Die Datei der gewählten Vorlage entfernen, sodass die nächst allgemeinere gilt</translation>
    </message>
    <message>
        <source>Placeholders</source>
        <translation>Platzhalter</translation>
    </message>
    <message>
        <source>the new entry&apos;s date, long: %1</source>
        <translation>das Datum des neuen Eintrags, lang: %1</translation>
    </message>
    <message>
        <source>the new entry&apos;s date, short: %1</source>
        <translation>das Datum des neuen Eintrags, kurz: %1</translation>
    </message>
    <message>
        <source>its day of the week: %1</source>
        <translation>sein Wochentag: %1</translation>
    </message>
    <message>
        <source>the name of its tab: %1</source>
        <translation>der Name seines Reiters: %1</translation>
    </message>
    <message>
        <source>The dates are always the new entry&apos;s own, whatever day it is made on. Anything else in braces stays as written.</source>
        <translation>Die Datumsangaben sind immer die des neuen Eintrags, an welchem Tag er auch angelegt wird. Alles andere in geschweiften Klammern bleibt, wie es geschrieben ist.</translation>
    </message>
    <message>
        <source>New entries of %1:</source>
        <translation>Neue Einträge vom %1:</translation>
    </message>
    <message>
        <source>tab &quot;%1&quot; starts empty: no template applies</source>
        <translation>Reiter „%1“ beginnt leer: keine Vorlage gilt</translation>
    </message>
    <message>
        <source>tab &quot;%1&quot; starts from %2</source>
        <translation>Reiter „%1“ beginnt mit %2</translation>
    </message>
    <message>
        <source>tab &quot;%1&quot; starts empty: %2 cannot be read</source>
        <translation>Reiter „%1“ beginnt leer: %2 ist nicht lesbar</translation>
    </message>
    <message>
        <source>applies on %1</source>
        <translation>gilt am %1</translation>
    </message>
    <message>
        <source>not written yet</source>
        <translation>noch nicht geschrieben</translation>
    </message>
    <message>
        <source>In %1</source>
        <translation>In %1</translation>
    </message>
    <message>
        <source>%1 does not exist yet: saving makes it.</source>
        <translation>%1 gibt es noch nicht: Speichern legt sie an.</translation>
    </message>
    <message>
        <source>This template cannot be used, and is not written over here:
%1</source>
        <translation>Diese Vorlage ist nicht verwendbar und wird hier nicht überschrieben:
%1</translation>
    </message>
    <message>
        <source>Could not save the template %1:
%2</source>
        <translation>Die Vorlage %1 konnte nicht gespeichert werden:
%2</translation>
    </message>
    <message>
        <source>Could not remove the template %1:
%2</source>
        <translation>Die Vorlage %1 konnte nicht entfernt werden:
%2</translation>
    </message>
    <message>
        <source>%1 is saved.</source>
        <translation>%1 ist gespeichert.</translation>
    </message>
    <message>
        <source>Not filled in, kept as written: %1</source>
        <translation>Nicht ausgefüllt, bleibt wie geschrieben: %1</translation>
    </message>
</context>
<context>
    <name>TYearHeatmap</name>
    <message numerus="yes">
        <source>%1: %Ln words</source>
        <translation>
            <numerusform>%1: %Ln Wort</numerusform>
            <numerusform>%1: %Ln Wörter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words in %1</source>
        <translation>
            <numerusform>%Ln Wort im Jahr %1</numerusform>
            <numerusform>%Ln Wörter im Jahr %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Less</source>
        <translation>Weniger</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
</context>
</TS>
