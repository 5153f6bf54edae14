<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>ImportFormat</name>
    <message>
        <source>A Day One export</source>
        <translation>Een Day One-export</translation>
    </message>
    <message>
        <source>a Day One export (.zip, folder or .json)</source>
        <translation>een Day One-export (.zip, map of .json)</translation>
    </message>
    <message>
        <source>A Diaro backup</source>
        <translation>Een Diaro-back-up</translation>
    </message>
    <message>
        <source>a Diaro backup (.zip)</source>
        <translation>een Diaro-back-up (.zip)</translation>
    </message>
    <message>
        <source>A jrnl journal</source>
        <translation>Een jrnl-journaal</translation>
    </message>
    <message>
        <source>a jrnl journal</source>
        <translation>een jrnl-journaal</translation>
    </message>
    <message>
        <source>A RedNotebook journal</source>
        <translation>Een RedNotebook-journaal</translation>
    </message>
    <message>
        <source>RedNotebook&apos;s data folder</source>
        <translation>de gegevensmap van RedNotebook</translation>
    </message>
</context>
<context>
    <name>TDiaryCalendar</name>
    <message>
        <source>The month calendar; days with entries are bold, Alt+Left and Alt+Right move to the previous and next day with an entry</source>
        <translation>De maandkalender; dagen met notities zijn vet, Alt+Links en Alt+Rechts gaan naar de vorige en volgende dag met een notitie</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Vorige maand</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Volgende maand</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n entries, a sync tool&apos;s conflict copy</source>
        <translation>
            <numerusform>%1, %n notitie, een conflictkopie van een synchronisatieprogramma</numerusform>
            <numerusform>%1, %n notities, een conflictkopie van een synchronisatieprogramma</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, a sync tool&apos;s conflict copy</source>
        <translation>%1, een conflictkopie van een synchronisatieprogramma</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n entries</source>
        <translation>
            <numerusform>%1, %n notitie</numerusform>
            <numerusform>%1, %n notities</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TEncryptionWindow</name>
    <message>
        <source>Encryption</source>
        <translation>Versleuteling</translation>
    </message>
    <message>
        <source>&amp;Repeat password:</source>
        <translation>Wachtwoord &amp;herhalen:</translation>
    </message>
    <message>
        <source>&amp;Encrypt</source>
        <translation>&amp;Versleutelen</translation>
    </message>
    <message>
        <source>&amp;Change password…</source>
        <translation>Wachtwoord wij&amp;zigen…</translation>
    </message>
    <message>
        <source>&amp;Decrypt…</source>
        <translation>&amp;Ontsleutelen…</translation>
    </message>
    <message>
        <source>Encrypt the &amp;plain entries</source>
        <translation>Onversleutelde no&amp;tities versleutelen</translation>
    </message>
    <message>
        <source>Re&amp;member the password on this device</source>
        <translation>Wachtwoord op dit &amp;apparaat onthouden</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s keyring, for this diary</source>
        <translation>Bewaard in de sleutelbos van het bureaublad, voor dit dagboek</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Verslag</translation>
    </message>
    <message>
        <source>Too short: a password needs at least %1 characters.</source>
        <translation>Te kort: een wachtwoord heeft minstens %1 tekens nodig.</translation>
    </message>
    <message>
        <source>Weak: a longer password, or a few unrelated words, is far harder to guess.</source>
        <translation>Zwak: een langer wachtwoord, of een paar losse woorden, is veel moeilijker te raden.</translation>
    </message>
    <message>
        <source>Fair: a few more characters or words make it strong.</source>
        <translation>Redelijk: een paar tekens of woorden meer maken het sterk.</translation>
    </message>
    <message>
        <source>Strong.</source>
        <translation>Sterk.</translation>
    </message>
    <message>
        <source>This diary is not encrypted: anyone who has its folder can read its entries. Encrypting keeps every entry, its history, its drafts and its pictures readable only with the password; sync tools and the history go on working.</source>
        <translation>Dit dagboek is niet versleuteld: iedereen die de map heeft, kan de notities lezen. Versleuteld zijn elke notitie, de geschiedenis, de concepten en de afbeeldingen alleen met het wachtwoord te lezen; synchronisatieprogramma&apos;s en de geschiedenis blijven werken.</translation>
    </message>
    <message>
        <source>This diary is encrypted: its entries, their history, drafts and pictures open only with its password.</source>
        <translation>Dit dagboek is versleuteld: de notities, hun geschiedenis, concepten en afbeeldingen openen alleen met het wachtwoord.</translation>
    </message>
    <message>
        <source>Two devices encrypted it, each with a key of its own: the files of both open. &quot;Encrypt the plain entries&quot; seals them all anew under this device&apos;s key.</source>
        <translation>Twee apparaten hebben het versleuteld, elk met een eigen sleutel: de bestanden van beide openen. ‘Onversleutelde notities versleutelen’ verzegelt ze allemaal opnieuw met de sleutel van dit apparaat.</translation>
    </message>
    <message>
        <source>&amp;New password:</source>
        <translation>&amp;Nieuw wachtwoord:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Wachtwoord:</translation>
    </message>
    <message numerus="yes">
        <source>%n files of the diary are plain: written by another program or device, or before it was encrypted. They are encrypted when they are saved, or by &quot;Encrypt the plain entries&quot;.</source>
        <translation>
            <numerusform>%n bestand van het dagboek is onversleuteld: geschreven door een ander programma of apparaat, of voordat het werd versleuteld. Het wordt versleuteld bij het opslaan, of met ‘Onversleutelde notities versleutelen’.</numerusform>
            <numerusform>%n bestanden van het dagboek zijn onversleuteld: geschreven door een ander programma of apparaat, of voordat het werd versleuteld. Ze worden versleuteld bij het opslaan, of met ‘Onversleutelde notities versleutelen’.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files are encrypted with a key that this password does not open:</source>
        <translation>
            <numerusform>%n bestand is versleuteld met een sleutel die dit wachtwoord niet opent:</numerusform>
            <numerusform>%n bestanden zijn versleuteld met een sleutel die dit wachtwoord niet opent:</numerusform>
        </translation>
    </message>
    <message>
        <source>The two passwords differ. Type the same password twice.</source>
        <translation>De twee wachtwoorden verschillen. Typ twee keer hetzelfde wachtwoord.</translation>
    </message>
    <message>
        <source>Making the diary&apos;s key…</source>
        <translation>De sleutel van het dagboek wordt gemaakt…</translation>
    </message>
    <message>
        <source>The diary could not be encrypted:
%1</source>
        <translation>Het dagboek kon niet worden versleuteld:
%1</translation>
    </message>
    <message>
        <source>The password is wrong. Nothing was changed.</source>
        <translation>Het wachtwoord is onjuist. Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>Enter the diary&apos;s current password.</source>
        <translation>Voer het huidige wachtwoord van het dagboek in.</translation>
    </message>
    <message>
        <source>Changing the password…</source>
        <translation>Het wachtwoord wordt gewijzigd…</translation>
    </message>
    <message>
        <source>The password could not be changed:
%1</source>
        <translation>Het wachtwoord kon niet worden gewijzigd:
%1</translation>
    </message>
    <message>
        <source>The password is changed. Other devices use the new one as soon as the key file reaches them.</source>
        <translation>Het wachtwoord is gewijzigd. Andere apparaten gebruiken het nieuwe zodra het sleutelbestand hen bereikt.</translation>
    </message>
    <message>
        <source>Decrypting writes every entry, its history and its pictures as plain files again, readable by anyone who has the folder. Enter the diary&apos;s password to decrypt it.</source>
        <translation>Ontsleutelen schrijft elke notitie, de geschiedenis en de afbeeldingen weer als onversleutelde bestanden, leesbaar voor iedereen die de map heeft. Voer het wachtwoord van het dagboek in om het te ontsleutelen.</translation>
    </message>
    <message>
        <source>Encrypting the diary…</source>
        <translation>Het dagboek wordt versleuteld…</translation>
    </message>
    <message>
        <source>Decrypting the diary…</source>
        <translation>Het dagboek wordt ontsleuteld…</translation>
    </message>
    <message>
        <source>Stopped. The diary works as it is, with some files converted and some not; the conversion goes on at the next start.</source>
        <translation>Gestopt. Het dagboek werkt zoals het is, met sommige bestanden omgezet en andere niet; het omzetten gaat verder bij de volgende start.</translation>
    </message>
    <message>
        <source>The diary is encrypted.</source>
        <translation>Het dagboek is versleuteld.</translation>
    </message>
    <message>
        <source>The diary is decrypted: its files are plain again.</source>
        <translation>Het dagboek is ontsleuteld: de bestanden zijn weer onversleuteld.</translation>
    </message>
    <message>
        <source>The diary stays encrypted: some files could not be decrypted.</source>
        <translation>Het dagboek blijft versleuteld: sommige bestanden konden niet worden ontsleuteld.</translation>
    </message>
    <message>
        <source>These files were left as they are:</source>
        <translation>Deze bestanden zijn gelaten zoals ze zijn:</translation>
    </message>
    <message>
        <source>The password could not be kept in the desktop&apos;s keyring:
%1</source>
        <translation>Het wachtwoord kon niet in de sleutelbos van het bureaublad worden bewaard:
%1</translation>
    </message>
    <message>
        <source>Enter the diary&apos;s password to keep it in the desktop&apos;s keyring.</source>
        <translation>Voer het wachtwoord van het dagboek in om het in de sleutelbos van het bureaublad te bewaren.</translation>
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
        <translation>Platte tekst</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Could not export to %1:
%2</source>
        <translation>Kan niet exporteren naar %1:
%2</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Van</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;Tot en met</translation>
    </message>
    <message>
        <source>&amp;Whole diary</source>
        <translation>Het &amp;hele dagboek</translation>
    </message>
    <message>
        <source>Whole diary</source>
        <translation>Het hele dagboek</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>Tabbladen</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Bladeren…</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Bladeren…</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>&amp;Indeling</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>F&amp;ile</source>
        <translation>Be&amp;stand</translation>
    </message>
    <message>
        <source>diary</source>
        <translation>dagboek</translation>
    </message>
    <message>
        <source>One &amp;day per page</source>
        <translation>Eén &amp;dag per pagina</translation>
    </message>
    <message>
        <source>One day per page</source>
        <translation>Eén dag per pagina</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exporteren</translation>
    </message>
    <message>
        <source>Marrowleaf diary</source>
        <translation>Marrowleaf-dagboek</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>Choose a file to export to.</source>
        <translation>Kies een bestand om naar te exporteren.</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>Bezig met exporteren…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Afdrukken…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Afdrukken…</translation>
    </message>
    <message>
        <source>Pre&amp;view…</source>
        <translation>Voor&amp;beeld…</translation>
    </message>
    <message>
        <source>Preview…</source>
        <translation>Voorbeeld…</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 bestaat al.
Wilt u het vervangen?</translation>
    </message>
    <message>
        <source>No day from %1 to %2 holds an entry of the chosen tabs: nothing was exported.</source>
        <translation>Geen enkele dag van %1 tot en met %2 bevat een notitie van de gekozen tabbladen: er is niets geëxporteerd.</translation>
    </message>
    <message>
        <source>No day from %1 to %2 holds an entry of the chosen tabs: nothing was printed.</source>
        <translation>Geen enkele dag van %1 tot en met %2 bevat een notitie van de gekozen tabbladen: er is niets afgedrukt.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>en nog %n</numerusform>
            <numerusform>en nog %n</numerusform>
        </translation>
    </message>
    <message>
        <source>These could not be read:
%1

Export without them?</source>
        <translation>Het volgende kon niet worden gelezen:
%1

Zonder deze exporteren?</translation>
    </message>
    <message>
        <source>These could not be read:
%1

Print without them?</source>
        <translation>Het volgende kon niet worden gelezen:
%1

Zonder deze afdrukken?</translation>
    </message>
    <message>
        <source>Could not print on %1.</source>
        <translation>Kan niet afdrukken op %1.</translation>
    </message>
    <message>
        <source>This diary is encrypted, and the export is not: %1 (and its pictures) will be plain files that anyone who has them can read.
Export anyway?</source>
        <translation>Dit dagboek is versleuteld, de export niet: %1 (en de afbeeldingen) worden onversleutelde bestanden die iedereen die ze heeft kan lezen.
Toch exporteren?</translation>
    </message>
</context>
<context>
    <name>TFindWindow</name>
    <message>
        <source>Find</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Words to find, &quot;a phrase&quot; in quotes</source>
        <translation>Te zoeken woorden, &quot;een woordgroep&quot; tussen aanhalingstekens</translation>
    </message>
    <message>
        <source>Words to find in every entry; quotation marks make a phrase</source>
        <translation>Te zoeken woorden in alle notities; aanhalingstekens maken een woordgroep</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Text typed in an earlier run was never saved, for:
%1

It is kept as unsaved text in each entry&apos;s history (File, History), where it can be restored.</source>
        <translation>Tekst die in een eerdere sessie is getypt, is nooit opgeslagen, voor:
%1

Deze is bewaard als niet-opgeslagen tekst in de geschiedenis van elke notitie (Bestand, Geschiedenis), waar hij kan worden teruggezet.</translation>
    </message>
    <message>
        <source>The editor is set by the key EDITOR in the section [GENERAL] of
%1
The editor must stay open until you are done with the entry, for example
EDITOR = gedit --wait, kate --block, gvim -f or code --wait.</source>
        <translation>De editor wordt ingesteld met de sleutel EDITOR in de sectie [GENERAL] van
%1
De editor moet open blijven totdat u klaar bent met de notitie, bijvoorbeeld
EDITOR = gedit --wait, kate --block, gvim -f of code --wait.</translation>
    </message>
    <message>
        <source>No editor is set.</source>
        <translation>Er is geen editor ingesteld.</translation>
    </message>
    <message>
        <source>%1 is a link to a file outside the diary. It is shown read-only and not handed to an editor.</source>
        <translation>Het bestand van %1 is een koppeling naar een bestand buiten het dagboek. De notitie wordt alleen-lezen getoond en niet aan een editor doorgegeven.</translation>
    </message>
    <message>
        <source>The text of %1 could not be kept in its history:
%2</source>
        <translation>De tekst van %1 kon niet in de geschiedenis worden bewaard:
%2</translation>
    </message>
    <message>
        <source>The editor &quot;%1&quot; ended abnormally and left the entry unchanged.</source>
        <translation>De editor ‘%1’ is abnormaal beëindigd en heeft de notitie ongewijzigd gelaten.</translation>
    </message>
    <message>
        <source>The editor &quot;%1&quot; ended with exit status %2 and left the entry unchanged.</source>
        <translation>De editor ‘%1’ is beëindigd met afsluitstatus %2 en heeft de notitie ongewijzigd gelaten.</translation>
    </message>
    <message>
        <source>The editor returned at once; it may still be open in a window of its own.
The diary shows what it saves there as soon as it is saved.</source>
        <translation>De editor keerde meteen terug; misschien is hij nog geopend in een eigen venster.
Het dagboek toont wat daar wordt opgeslagen zodra het is opgeslagen.</translation>
    </message>
    <message>
        <source>No program named &quot;%1&quot; was found.</source>
        <translation>Er is geen programma met de naam ‘%1’ gevonden.</translation>
    </message>
    <message>
        <source>Could not start the editor &quot;%1&quot;: %2</source>
        <translation>Kan de editor ‘%1’ niet starten: %2</translation>
    </message>
    <message>
        <source>Entry of %1</source>
        <translation>Notitie van %1</translation>
    </message>
    <message>
        <source>File does not exist. push &apos;create&apos; button.</source>
        <translation>Het bestand bestaat niet. Klik op de knop ‘maken’.</translation>
    </message>
    <message>
        <source>No entry yet for %1</source>
        <translation>Nog geen notitie voor %1</translation>
    </message>
    <message>
        <source>Entry of %1, read-only: a link to a file outside the diary</source>
        <translation>Notitie van %1, alleen-lezen: een koppeling naar een bestand buiten het dagboek</translation>
    </message>
    <message>
        <source>Entry of %1, read-only</source>
        <translation>Notitie van %1, alleen-lezen</translation>
    </message>
    <message>
        <source>Another program had changed %1 since it was shown.
Your text was saved; the other version is in the entry&apos;s history (File, History).</source>
        <translation>Een ander programma had %1 gewijzigd nadat deze werd getoond.
Uw tekst is opgeslagen; de andere versie staat in de geschiedenis van de notitie (Bestand, Geschiedenis).</translation>
    </message>
    <message>
        <source>The text that %1 held before could not be kept in its history:
%2</source>
        <translation>De tekst die %1 eerder bevatte, kon niet in de geschiedenis worden bewaard:
%2</translation>
    </message>
    <message>
        <source>The text of the shown entry, saved; the text it replaced is in its history</source>
        <translation>De tekst van de getoonde notitie, opgeslagen; de vervangen tekst staat in de geschiedenis</translation>
    </message>
    <message>
        <source>the entry of %1</source>
        <translation>de notitie van %1</translation>
    </message>
    <message>
        <source>Could not save %1:
%2</source>
        <translation>Kan %1 niet opslaan:
%2</translation>
    </message>
    <message>
        <source>The text was kept in
%1</source>
        <translation>De tekst is bewaard in
%1</translation>
    </message>
    <message>
        <source>The text of the shown entry, not saved; kept in a recovery file</source>
        <translation>De tekst van de getoonde notitie, niet opgeslagen; bewaard in een herstelbestand</translation>
    </message>
    <message>
        <source>The text could not be kept either (%1). Copy it out of the window before another entry is shown.</source>
        <translation>Ook het bewaren is mislukt (%1). Kopieer de tekst uit het venster voordat er een andere notitie wordt getoond.</translation>
    </message>
    <message>
        <source>Marrowleaf v0.02a</source>
        <translation>Marrowleaf v0.02a</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Zoeken…</translation>
    </message>
    <message>
        <source>&amp;History…</source>
        <translation>&amp;Geschiedenis…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exporteren…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Af&amp;drukken…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Previous day with an entry</source>
        <translation>Vorige dag met een notitie</translation>
    </message>
    <message>
        <source>Next day with an entry</source>
        <translation>Volgende dag met een notitie</translation>
    </message>
    <message>
        <source>today</source>
        <translation>vandaag</translation>
    </message>
    <message>
        <source>launch editor</source>
        <translation>editor</translation>
    </message>
    <message>
        <source>create</source>
        <translation>maken</translation>
    </message>
    <message>
        <source>autosave without confirm</source>
        <translation>opslaan zonder vragen</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Vorig jaar</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Volgend jaar</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Vorige maand</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Volgende maand</translation>
    </message>
    <message>
        <source>Show today</source>
        <translation>Vandaag tonen</translation>
    </message>
    <message>
        <source>Open this entry in the external editor</source>
        <translation>Deze notitie in de externe editor openen</translation>
    </message>
    <message>
        <source>Create this day&apos;s entry</source>
        <translation>De notitie van deze dag maken</translation>
    </message>
    <message>
        <source>Save without asking</source>
        <translation>Opslaan zonder te vragen</translation>
    </message>
    <message>
        <source>Today&apos;s date</source>
        <translation>De datum van vandaag</translation>
    </message>
    <message>
        <source>One tab per kind of entry; a plus sign marks a tab whose entry exists</source>
        <translation>Eén tabblad per soort notitie; een plusteken markeert de tabbladen waarvan de notitie bestaat</translation>
    </message>
    <message>
        <source>The text of the shown entry</source>
        <translation>De tekst van de getoonde notitie</translation>
    </message>
    <message>
        <source>Invalid date: year %1, month %2, day %3</source>
        <translation>Ongeldige datum: jaar %1, maand %2, dag %3</translation>
    </message>
    <message>
        <source>The calendar cannot show this date</source>
        <translation>De kalender kan deze datum niet tonen</translation>
    </message>
    <message>
        <source>%1, tab &quot;%2&quot;</source>
        <translation>%1, tabblad ‘%2’</translation>
    </message>
    <message>
        <source>&amp;Tags…</source>
        <translation>&amp;Labels…</translation>
    </message>
    <message>
        <source>Te&amp;mplates…</source>
        <translation>&amp;Sjablonen…</translation>
    </message>
    <message>
        <source>&amp;Look Back…</source>
        <translation>&amp;Terugblik…</translation>
    </message>
    <message>
        <source>The template %1 cannot be used:
%2

The new entry starts empty.</source>
        <translation>Het sjabloon %1 kan niet worden gebruikt:
%2

De nieuwe notitie begint leeg.</translation>
    </message>
    <message>
        <source>The template %1 could not be written into the new entry:
%2

The new entry starts empty.</source>
        <translation>Het sjabloon %1 kon niet in de nieuwe notitie worden geschreven:
%2

De nieuwe notitie begint leeg.</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importeren…</translation>
    </message>
    <message>
        <source>I&amp;nsert Picture…</source>
        <translation>Afbeelding in&amp;voegen…</translation>
    </message>
    <message>
        <source>Insert Picture</source>
        <translation>Afbeelding invoegen</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Afbeeldingen (%1)</translation>
    </message>
    <message>
        <source>The picture %1 could not be read:
%2</source>
        <translation>De afbeelding %1 kon niet worden gelezen:
%2</translation>
    </message>
    <message>
        <source>%1 is not a picture the diary can show (PNG, JPEG, GIF, BMP or WebP).</source>
        <translation>%1 is geen afbeelding die het dagboek kan tonen (PNG, JPEG, GIF, BMP of WebP).</translation>
    </message>
    <message>
        <source>The picture could not be kept with %1:
%2</source>
        <translation>De afbeelding kon niet bij %1 worden bewaard:
%2</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Afbeelding openen</translation>
    </message>
    <message>
        <source>The import cannot be used: its part of the program could not be loaded (%1).</source>
        <translation>Importeren kan niet worden gebruikt: dat deel van het programma kon niet worden geladen (%1).</translation>
    </message>
    <message>
        <source>%1 cannot be read, and is not handed to an editor.</source>
        <translation>Niet leesbaar en daarom niet aan een editor gegeven: %1.</translation>
    </message>
    <message>
        <source>No private folder could be made for the editor&apos;s copy of %1.</source>
        <translation>Er kon geen privémap worden gemaakt voor de kopie van de editor: %1.</translation>
    </message>
    <message>
        <source>The editor returned at once, and its copy of the encrypted entry is removed: what it saves now is lost. Set an editor that stays open until you are done.</source>
        <translation>De editor keerde meteen terug, en zijn kopie van de versleutelde notitie is verwijderd: wat hij nu opslaat gaat verloren. Stel een editor in die open blijft tot u klaar bent.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>het is niet leesbaar (%1)</translation>
    </message>
    <message>
        <source>it is no key file</source>
        <translation>het is geen sleutelbestand</translation>
    </message>
    <message>
        <source>it was written by a newer version of the program</source>
        <translation>het is geschreven door een nieuwere versie van het programma</translation>
    </message>
    <message>
        <source>this device lacks the memory its password needs</source>
        <translation>dit apparaat heeft niet het geheugen dat het wachtwoord nodig heeft</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>het is beschadigd</translation>
    </message>
    <message>
        <source>This diary is encrypted. Enter its password to open it.</source>
        <translation>Dit dagboek is versleuteld. Voer het wachtwoord in om het te openen.</translation>
    </message>
    <message>
        <source>The password could not be kept in the desktop&apos;s keyring:
%1</source>
        <translation>Het wachtwoord kon niet in de sleutelbos van het bureaublad worden bewaard:
%1</translation>
    </message>
    <message>
        <source>The password is wrong. Enter the password of this diary.</source>
        <translation>Het wachtwoord is onjuist. Voer het wachtwoord van dit dagboek in.</translation>
    </message>
    <message>
        <source>Two devices encrypted this diary, each with a password of its own, and a sync tool kept both key files. Enter the other device&apos;s password too, or Cancel to open only the entries that this password opens.</source>
        <translation>Twee apparaten hebben dit dagboek versleuteld, elk met een eigen wachtwoord, en een synchronisatieprogramma heeft beide sleutelbestanden bewaard. Voer ook het wachtwoord van het andere apparaat in, of kies Annuleren om alleen de notities te openen die dit wachtwoord opent.</translation>
    </message>
    <message>
        <source>This diary is encrypted, but none of its key files can be used:
%1

Nothing was read or written.</source>
        <translation>Dit dagboek is versleuteld, maar geen van de sleutelbestanden is bruikbaar:
%1

Er is niets gelezen of geschreven.</translation>
    </message>
    <message>
        <source>This entry cannot be read: it is encrypted, and the diary has no key file (marrowleaf.key) to open it with. Bring the key file back from a copy of the diary or another device, then start the diary again.</source>
        <translation>Deze notitie is niet leesbaar: ze is versleuteld, en het dagboek heeft geen sleutelbestand (marrowleaf.key) om ze te openen. Haal het sleutelbestand terug uit een kopie van het dagboek of van een ander apparaat en start het dagboek opnieuw.</translation>
    </message>
    <message>
        <source>This entry cannot be read: it is encrypted with a key that the diary&apos;s password does not open (another device&apos;s password, or another diary&apos;s). Its earlier versions are in File, History.</source>
        <translation>Deze notitie is niet leesbaar: ze is versleuteld met een sleutel die het wachtwoord van het dagboek niet opent (het wachtwoord van een ander apparaat of een ander dagboek). Eerdere versies staan in Bestand, Geschiedenis.</translation>
    </message>
    <message>
        <source>This entry cannot be read: its encrypted file is damaged (changed or cut short since it was written). Its earlier versions are in File, History, where one can be restored.</source>
        <translation>Deze notitie is niet leesbaar: het versleutelde bestand is beschadigd (gewijzigd of ingekort sinds het is geschreven). Eerdere versies staan in Bestand, Geschiedenis, waar er een kan worden hersteld.</translation>
    </message>
    <message>
        <source>Entry of %1, cannot be read</source>
        <translation>Notitie van %1, niet leesbaar</translation>
    </message>
    <message>
        <source>The text was kept, encrypted, as unsaved text in the entry&apos;s history (File, History).</source>
        <translation>De tekst is versleuteld bewaard als niet-opgeslagen tekst in de geschiedenis van de notitie (Bestand, Geschiedenis).</translation>
    </message>
    <message>
        <source>En&amp;cryption…</source>
        <translation>Ve&amp;rsleuteling…</translation>
    </message>
</context>
<context>
    <name>TFoundEntries</name>
    <message>
        <source>%1, tab %2, not saved yet: %3</source>
        <translation>%1, tabblad %2, nog niet opgeslagen: %3</translation>
    </message>
    <message>
        <source>%1, tab %2: %3</source>
        <translation>%1, tabblad %2: %3</translation>
    </message>
    <message>
        <source>not saved yet</source>
        <translation>nog niet opgeslagen</translation>
    </message>
    <message>
        <source>Entries found</source>
        <translation>Gevonden notities</translation>
    </message>
    <message>
        <source>Newest first; Enter shows the entry with the words selected</source>
        <translation>Nieuwste eerst; Enter toont de notitie met de woorden geselecteerd</translation>
    </message>
    <message>
        <source>How many entries were found</source>
        <translation>Hoeveel notities er zijn gevonden</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Bezig met zoeken…</translation>
    </message>
    <message numerus="yes">
        <source>%n entries found</source>
        <translation>
            <numerusform>%n notitie gevonden</numerusform>
            <numerusform>%n notities gevonden</numerusform>
        </translation>
    </message>
    <message>
        <source>No entry holds &quot;%1&quot;.</source>
        <translation>Geen enkele notitie bevat ‘%1’.</translation>
    </message>
</context>
<context>
    <name>THistoryWindow</name>
    <message>
        <source>History of %1</source>
        <translation>Geschiedenis van %1</translation>
    </message>
    <message>
        <source>No entry is shown, so there is no history to show.</source>
        <translation>Er wordt geen notitie getoond, dus er is geen geschiedenis om te tonen.</translation>
    </message>
    <message>
        <source>This entry has no earlier versions yet.</source>
        <translation>Deze notitie heeft nog geen eerdere versies.</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Terugzetten</translation>
    </message>
    <message>
        <source>Versions</source>
        <translation>Versies</translation>
    </message>
    <message>
        <source>The entry&apos;s texts, newest first: the file now, unsaved text, earlier versions</source>
        <translation>De teksten van de notitie, nieuwste eerst: het huidige bestand, niet-opgeslagen tekst, eerdere versies</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Voorbeeld</translation>
    </message>
    <message>
        <source>The chosen version&apos;s text</source>
        <translation>De tekst van de gekozen versie</translation>
    </message>
    <message>
        <source>Put the chosen text into the entry, to be saved like typing</source>
        <translation>Zet de gekozen tekst in de notitie, waar hij wordt opgeslagen als getypte tekst</translation>
    </message>
    <message>
        <source>Now in the entry file</source>
        <translation>Nu in het notitiebestand</translation>
    </message>
    <message>
        <source>unsaved text from %1</source>
        <translation>niet-opgeslagen tekst van %1</translation>
    </message>
    <message>
        <source>written by another program</source>
        <translation>geschreven door een ander programma</translation>
    </message>
    <message>
        <source>copy made by a sync tool: %1</source>
        <translation>kopie gemaakt door een synchronisatieprogramma: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n earlier versions</source>
        <translation>
            <numerusform>%n eerdere versie</numerusform>
            <numerusform>%n eerdere versies</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TImportWindow</name>
    <message>
        <source>Import</source>
        <translation>Importeren</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Bron</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Bladeren…</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Bladeren…</translation>
    </message>
    <message>
        <source>A &amp;file…</source>
        <translation>Een &amp;bestand…</translation>
    </message>
    <message>
        <source>A f&amp;older…</source>
        <translation>Een &amp;map…</translation>
    </message>
    <message>
        <source>&amp;Source</source>
        <translation>B&amp;ron</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabblad</translation>
    </message>
    <message>
        <source>&amp;Tab</source>
        <translation>&amp;Tabblad</translation>
    </message>
    <message>
        <source>What the import will do</source>
        <translation>Wat het importeren zal doen</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importeren</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>Bezig met lezen van %1…</translation>
    </message>
    <message>
        <source>%1: not a diary that can be imported here</source>
        <translation>%1: geen dagboek dat hier geïmporteerd kan worden</translation>
    </message>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1: kan niet worden gelezen (%2)</translation>
    </message>
    <message>
        <source>%1: does not parse (%2)</source>
        <translation>%1: kan niet worden verwerkt (%2)</translation>
    </message>
    <message>
        <source>%1: not an entry (%2)</source>
        <translation>%1: geen notitie (%2)</translation>
    </message>
    <message>
        <source>%1: a date that does not exist (%2)</source>
        <translation>%1: een datum die niet bestaat (%2)</translation>
    </message>
    <message>
        <source>%1: the attachment %2 is missing; its link is kept</source>
        <translation>%1: de bijlage %2 ontbreekt; de koppeling blijft behouden</translation>
    </message>
    <message numerus="yes">
        <source>Coordinates of places: %n (the places&apos; names are kept)</source>
        <translation>
            <numerusform>Coördinaten van plaatsen: %n (de plaatsnamen blijven behouden)</numerusform>
            <numerusform>Coördinaten van plaatsen: %n (de plaatsnamen blijven behouden)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Day One&apos;s formatting of entries: %n (their Markdown text is kept)</source>
        <translation>
            <numerusform>Opmaak van Day One-notities: %n (de Markdown-tekst blijft behouden)</numerusform>
            <numerusform>Opmaak van Day One-notities: %n (de Markdown-tekst blijft behouden)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moods of entries: %n</source>
        <translation>
            <numerusform>Stemmingen van notities: %n</numerusform>
            <numerusform>Stemmingen van notities: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Folders of entries: %n (all go to the chosen tab)</source>
        <translation>
            <numerusform>Mappen van notities: %n (alle gaan naar het gekozen tabblad)</numerusform>
            <numerusform>Mappen van notities: %n (alle gaan naar het gekozen tabblad)</numerusform>
        </translation>
    </message>
    <message>
        <source>No place in a plain entry:</source>
        <translation>Geen plaats in een gewone notitie:</translation>
    </message>
    <message>
        <source>Could not be read:</source>
        <translation>Kon niet worden gelezen:</translation>
    </message>
    <message>
        <source>Nothing to import.</source>
        <translation>Niets te importeren.</translation>
    </message>
    <message numerus="yes">
        <source>Entries: %n</source>
        <translation>
            <numerusform>Notities: %n</numerusform>
            <numerusform>Notities: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Days: %n</source>
        <translation>
            <numerusform>Dagen: %n</numerusform>
            <numerusform>Dagen: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation>Van %1 tot en met %2</translation>
    </message>
    <message numerus="yes">
        <source>Days that already hold an entry: %n (kept; the imported text is added after it)</source>
        <translation>
            <numerusform>Dagen die al een notitie hebben: %n (die blijft; de geïmporteerde tekst komt erachter)</numerusform>
            <numerusform>Dagen die al een notitie hebben: %n (die blijft; de geïmporteerde tekst komt erachter)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Days that hold this import already: %n (left as they are)</source>
        <translation>
            <numerusform>Dagen die deze import al bevatten: %n (blijven zoals ze zijn)</numerusform>
            <numerusform>Dagen die deze import al bevatten: %n (blijven zoals ze zijn)</numerusform>
        </translation>
    </message>
    <message>
        <source>Journals without a tab of their name: %1</source>
        <translation>Journaals zonder tabblad met hun naam: %1</translation>
    </message>
    <message>
        <source>No tab is named after the journals %1. Add a tab of that name for each to the diary?</source>
        <translation>Geen tabblad heeft de naam van de journaals %1. Voor elk een tabblad met die naam aan het dagboek toevoegen?</translation>
    </message>
    <message>
        <source>The new tabs could not be written to config.ini; those journals go to the chosen tab.</source>
        <translation>De nieuwe tabbladen konden niet in config.ini worden geschreven; die journaals gaan naar het gekozen tabblad.</translation>
    </message>
    <message>
        <source>Importing…</source>
        <translation>Bezig met importeren…</translation>
    </message>
    <message>
        <source>The import was cancelled.</source>
        <translation>Het importeren is geannuleerd.</translation>
    </message>
    <message>
        <source>The import is done.</source>
        <translation>Het importeren is klaar.</translation>
    </message>
    <message numerus="yes">
        <source>New entries: %n</source>
        <translation>
            <numerusform>Nieuwe notities: %n</numerusform>
            <numerusform>Nieuwe notities: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Entries kept, with the imported text added after them: %n (their earlier text is in their history)</source>
        <translation>
            <numerusform>Behouden notities, met de geïmporteerde tekst erachter: %n (hun eerdere tekst staat in hun geschiedenis)</numerusform>
            <numerusform>Behouden notities, met de geïmporteerde tekst erachter: %n (hun eerdere tekst staat in hun geschiedenis)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Entries that held the import already, left as they were: %n</source>
        <translation>
            <numerusform>Notities die de import al bevatten, ongewijzigd gelaten: %n</numerusform>
            <numerusform>Notities die de import al bevatten, ongewijzigd gelaten: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Attachments copied: %n</source>
        <translation>
            <numerusform>Gekopieerde bijlagen: %n</numerusform>
            <numerusform>Gekopieerde bijlagen: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Days from %1 on, left as they were: %n</source>
        <translation>
            <numerusform>Dagen vanaf %1, ongewijzigd gelaten: %n</numerusform>
            <numerusform>Dagen vanaf %1, ongewijzigd gelaten: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Not imported, left as it was: %1 (%2)</source>
        <translation>Niet geïmporteerd, ongewijzigd gelaten: %1 (%2)</translation>
    </message>
    <message>
        <source>Imported, but its earlier text could not be kept in its history: %1 (%2)</source>
        <translation>Geïmporteerd, maar de eerdere tekst kon niet in de geschiedenis worden bewaard: %1 (%2)</translation>
    </message>
    <message>
        <source>Choose a diary to import: %1.</source>
        <translation>Kies een dagboek om te importeren: %1.</translation>
    </message>
    <message>
        <source>%1: an encrypted backup, which cannot be read; Diaro can write a backup without encryption (.zip) to import instead</source>
        <translation>%1: een versleutelde back-up, die niet gelezen kan worden; Diaro kan in plaats daarvan een back-up zonder versleuteling (.zip) schrijven om te importeren</translation>
    </message>
    <message>
        <source>%1: no entry starts with a date and time of the form [2024-05-05 06:30 PM] or 2024-05-05 18:30; the line found there: %2</source>
        <translation>%1: geen notitie begint met een datum en tijd in de vorm [2024-05-05 06:30 PM] of 2024-05-05 18:30; de regel die daar staat: %2</translation>
    </message>
    <message>
        <source>%1: the attachment %2 has a name no file can have here; left out</source>
        <translation>%1: de bijlage %2 heeft een naam die hier geen bestand kan hebben; weggelaten</translation>
    </message>
    <message>
        <source>%1: a link to a place outside the chosen folder; left out</source>
        <translation>%1: een koppeling naar een plek buiten de gekozen map; weggelaten</translation>
    </message>
    <message>
        <source>%1: not a regular file (a pipe, a device or a socket); left out</source>
        <translation>%1: geen gewoon bestand (een pipe, een apparaat of een socket); weggelaten</translation>
    </message>
    <message>
        <source>%1: not a day of a jrnl folder journal (YEAR/MONTH/DAY.txt); left out</source>
        <translation>%1: geen dag van een jrnl-mapjournaal (JAAR/MAAND/DAG.txt); weggelaten</translation>
    </message>
    <message>
        <source>%1: the XML entity %2 cannot be read; the text is imported without it</source>
        <translation>%1: de XML-entiteit %2 kan niet gelezen worden; de tekst wordt zonder geïmporteerd</translation>
    </message>
    <message numerus="yes">
        <source>…and %n more of this kind</source>
        <translation>
            <numerusform>…en nog %n van deze soort</numerusform>
            <numerusform>…en nog %n van deze soort</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Entries the diary holds already in the tab %1: %n (imported into this tab as well)</source>
        <translation>
            <numerusform>Notities die het dagboek al in het tabblad %1 bevat: %n (worden ook in dit tabblad geïmporteerd)</numerusform>
            <numerusform>Notities die het dagboek al in het tabblad %1 bevat: %n (worden ook in dit tabblad geïmporteerd)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Attachments: %n (%1, copied into the diary folder)</source>
        <translation>
            <numerusform>Bijlagen: %n (%1, worden naar de dagboekmap gekopieerd)</numerusform>
            <numerusform>Bijlagen: %n (%1, worden naar de dagboekmap gekopieerd)</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was imported: the import needs %1, and the disk of the diary folder has %2 free.</source>
        <translation>Er is niets geïmporteerd: de import heeft %1 nodig en de schijf van de dagboekmap heeft %2 vrij.</translation>
    </message>
    <message>
        <source>What the import did</source>
        <translation>Wat het importeren heeft gedaan</translation>
    </message>
    <message>
        <source>Not imported, its changes in the diary window are not saved: %1 (import again once they are)</source>
        <translation>Niet geïmporteerd, de wijzigingen in het dagboekvenster zijn niet opgeslagen: %1 (importeer opnieuw zodra ze dat zijn)</translation>
    </message>
</context>
<context>
    <name>TLookBackWindow</name>
    <message>
        <source>Look Back</source>
        <translation>Terugblik</translation>
    </message>
    <message>
        <source>On this day</source>
        <translation>Op deze dag</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>Entries of this day in earlier years</source>
        <translation>Notities van deze dag in eerdere jaren</translation>
    </message>
    <message>
        <source>Newest first; Enter shows the entry in the diary window</source>
        <translation>Nieuwste eerst; Enter toont de notitie in het dagboekvenster</translation>
    </message>
    <message>
        <source>Nothing was written on this day in any earlier year.</source>
        <translation>Op deze dag is in geen enkel eerder jaar iets geschreven.</translation>
    </message>
    <message>
        <source>Entries:</source>
        <translation>Notities:</translation>
    </message>
    <message>
        <source>Days written:</source>
        <translation>Dagen geschreven:</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Woorden:</translation>
    </message>
    <message>
        <source>Characters:</source>
        <translation>Tekens:</translation>
    </message>
    <message>
        <source>Words per day written:</source>
        <translation>Woorden per geschreven dag:</translation>
    </message>
    <message>
        <source>Current streak:</source>
        <translation>Huidige reeks:</translation>
    </message>
    <message>
        <source>Longest streak:</source>
        <translation>Langste reeks:</translation>
    </message>
    <message>
        <source>First entry:</source>
        <translation>Eerste notitie:</translation>
    </message>
    <message>
        <source>Latest entry:</source>
        <translation>Laatste notitie:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Jaar:</translation>
    </message>
    <message>
        <source>A cell per day, its colour stronger the more words; the arrow keys move, Enter shows the day</source>
        <translation>Eén vakje per dag, met een sterkere kleur naarmate er meer woorden zijn; de pijltjestoetsen verplaatsen, Enter toont de dag</translation>
    </message>
    <message numerus="yes">
        <source>%n years ago</source>
        <translation>
            <numerusform>%n jaar geleden</numerusform>
            <numerusform>%n jaar geleden</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2, tab %3: %4</source>
        <translation>%1, %2, tabblad %3: %4</translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln dag</numerusform>
            <numerusform>%Ln dagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days, to %1</source>
        <translation>
            <numerusform>%Ln dag, tot %1</numerusform>
            <numerusform>%Ln dagen, tot %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Words per day of %1</source>
        <translation>Woorden per dag in %1</translation>
    </message>
    <message>
        <source>this year</source>
        <translation>dit jaar</translation>
    </message>
    <message numerus="yes">
        <source>in %n years</source>
        <translation>
            <numerusform>over %n jaar</numerusform>
            <numerusform>over %n jaar</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TMonthChart</name>
    <message>
        <source>Words per month of %1</source>
        <translation>Woorden per maand in %1</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln words</source>
        <translation>
            <numerusform>%1: %Ln woord</numerusform>
            <numerusform>%1: %Ln woorden</numerusform>
        </translation>
    </message>
    <message>
        <source>The words of each month; Left and Right move between the months</source>
        <translation>De woorden van elke maand; Links en Rechts gaan van maand naar maand</translation>
    </message>
</context>
<context>
    <name>TPassedOver</name>
    <message numerus="yes">
        <source>Not read: %n files named like entries could not be read: %1</source>
        <translation>
            <numerusform>Niet gelezen: %n bestand met de naam van een notitie kon niet worden gelezen: %1</numerusform>
            <numerusform>Niet gelezen: %n bestanden met de naam van een notitie konden niet worden gelezen: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TPasswordDialog</name>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Wachtwoord:</translation>
    </message>
    <message>
        <source>&amp;Remember the password on this device</source>
        <translation>Wachtwoord op dit &amp;apparaat onthouden</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s keyring, for this diary</source>
        <translation>Bewaard in de sleutelbos van het bureaublad, voor dit dagboek</translation>
    </message>
</context>
<context>
    <name>TPictureTextEdit</name>
    <message>
        <source>Picture not found: %1</source>
        <translation>Afbeelding niet gevonden: %1</translation>
    </message>
    <message>
        <source>Picture outside the diary: %1</source>
        <translation>Afbeelding buiten het dagboek: %1</translation>
    </message>
    <message>
        <source>Not a picture: %1</source>
        <translation>Geen afbeelding: %1</translation>
    </message>
    <message>
        <source>Picture cannot be shown: %1</source>
        <translation>Afbeelding kan niet worden getoond: %1</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Afbeelding: %1</translation>
    </message>
</context>
<context>
    <name>TProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>TPrompts</name>
    <message>
        <source>text modified</source>
        <translation>Tekst gewijzigd</translation>
    </message>
    <message>
        <source>save?</source>
        <translation>Opslaan?</translation>
    </message>
</context>
<context>
    <name>TSpellChecker</name>
    <message>
        <source>The word &quot;%1&quot; could not be added to your personal word list. It counts as right until the diary is closed.</source>
        <translation>Het woord ‘%1’ kon niet aan uw persoonlijke woordenlijst worden toegevoegd. Het geldt als juist totdat het dagboek wordt gesloten.</translation>
    </message>
    <message>
        <source>No suggestions</source>
        <translation>Geen suggesties</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Aan woordenboek toevoegen</translation>
    </message>
    <message>
        <source>Ignore All</source>
        <translation>Alles negeren</translation>
    </message>
    <message>
        <source>Check Spelling</source>
        <translation>Spelling controleren</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>No dictionaries installed</source>
        <translation>Geen woordenboeken geïnstalleerd</translation>
    </message>
</context>
<context>
    <name>TTagsWindow</name>
    <message>
        <source>Tags</source>
        <translation>Labels</translation>
    </message>
    <message>
        <source>Show the tags holding these letters</source>
        <translation>De labels met deze letters tonen</translation>
    </message>
    <message>
        <source>Filter the tags</source>
        <translation>Labels filteren</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Notities</translation>
    </message>
    <message>
        <source>Every tag of the diary with the number of entries holding it; choosing one lists its entries below</source>
        <translation>Alle labels van het dagboek met het aantal notities waarin ze staan; als u er een kiest, worden de notities eronder weergegeven</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Naam wijzigen…</translation>
    </message>
    <message>
        <source>Renames the chosen tag in every entry, or merges it with another</source>
        <translation>Wijzigt de naam van het gekozen label in alle notities, of voegt het samen met een ander</translation>
    </message>
    <message>
        <source>Reading the tags…</source>
        <translation>Labels worden gelezen…</translation>
    </message>
    <message numerus="yes">
        <source>#%1, %n entries</source>
        <translation>
            <numerusform>#%1, %n notitie</numerusform>
            <numerusform>#%1, %n notities</numerusform>
        </translation>
    </message>
    <message>
        <source>No entry holds a tag.</source>
        <translation>Geen enkele notitie bevat een label.</translation>
    </message>
    <message numerus="yes">
        <source>%n tags</source>
        <translation>
            <numerusform>%n label</numerusform>
            <numerusform>%n labels</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename a tag</source>
        <translation>Naam van label wijzigen</translation>
    </message>
    <message>
        <source>New name of #%1 in every entry (an existing tag&apos;s name merges the two):</source>
        <translation>Nieuwe naam van #%1 in alle notities (de naam van een bestaand label voegt beide samen):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a tag&apos;s name: a name holds letters, digits, &apos;_&apos;, &apos;-&apos; and &apos;/&apos;, and at least one letter.</source>
        <translation>‘%1’ kan geen labelnaam zijn: een naam bestaat uit letters, cijfers, &apos;_&apos;, &apos;-&apos; en &apos;/&apos;, met minstens één letter.</translation>
    </message>
    <message>
        <source>%1: its changes in the window are not saved</source>
        <translation>%1: de wijzigingen in het venster zijn niet opgeslagen</translation>
    </message>
    <message>
        <source>%1: its encoding cannot hold the new name</source>
        <translation>%1: de codering kan de nieuwe naam niet bevatten</translation>
    </message>
    <message>
        <source>%1, tab &quot;%2&quot;</source>
        <translation>%1, tabblad ‘%2’</translation>
    </message>
    <message>
        <source>%1: another program changed it meanwhile</source>
        <translation>%1: een ander programma heeft de notitie intussen gewijzigd</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>#%1 was renamed to #%2 in %n entries.</source>
        <translation>
            <numerusform>#%1 is in %n notitie hernoemd tot #%2.</numerusform>
            <numerusform>#%1 is in %n notities hernoemd tot #%2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not renamed:</source>
        <translation>Niet hernoemd:</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n tags</source>
        <translation>
            <numerusform>%1 van %n label</numerusform>
            <numerusform>%1 van %n labels</numerusform>
        </translation>
    </message>
    <message>
        <source>The tags nested under it are renamed with it: %1.</source>
        <translation>De labels die eronder vallen, worden mee hernoemd: %1.</translation>
    </message>
    <message>
        <source>A change of case alone: every entry then writes #%1 so, whatever case it has there now.</source>
        <translation>Alleen hoofdletters en kleine letters veranderen: elke notitie schrijft dan #%1 zo, hoe ze het nu ook schrijft.</translation>
    </message>
    <message>
        <source>#%1 is a tag already: the two are merged into one.</source>
        <translation>#%1 is al een label: de twee worden samengevoegd tot één.</translation>
    </message>
    <message>
        <source>Merge #%1 into #%2? Every entry holding #%1 then holds #%2, and the two cannot be told apart afterwards: renaming back would rename both.</source>
        <translation>#%1 samenvoegen met #%2? Elke notitie met #%1 bevat dan #%2, en de twee zijn daarna niet meer uit elkaar te houden: terug hernoemen zou beide hernoemen.</translation>
    </message>
    <message numerus="yes">
        <source>#%1 was merged into #%2 in %n entries.</source>
        <translation>
            <numerusform>#%1 is in %n notitie samengevoegd met #%2.</numerusform>
            <numerusform>#%1 is in %n notities samengevoegd met #%2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Renaming #%1…</source>
        <translation>#%1 wordt hernoemd…</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %n entries were not reached and still hold #%1.</source>
        <translation>
            <numerusform>Gestopt: %n item is niet bereikt en bevat nog #%1.</numerusform>
            <numerusform>Gestopt: %n items zijn niet bereikt en bevatten nog #%1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TTemplatesWindow</name>
    <message>
        <source>Templates</source>
        <translation>Sjablonen</translation>
    </message>
    <message>
        <source>The general template, one for each day of the week and one for each tab; the most specific one that exists applies</source>
        <translation>Het algemene sjabloon, één per dag van de week en één per tabblad; het meest specifieke dat bestaat, geldt</translation>
    </message>
    <message>
        <source>Every new entry</source>
        <translation>Elke nieuwe notitie</translation>
    </message>
    <message>
        <source>Tab &quot;%1&quot;</source>
        <translation>Tabblad ‘%1’</translation>
    </message>
    <message>
        <source>Template text</source>
        <translation>Sjabloontekst</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>Save the chosen template&apos;s text</source>
        <translation>De tekst van het gekozen sjabloon opslaan</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>Remove the chosen template&apos;s file, so that the next less specific one applies</source>
        <translation>Het bestand van het gekozen sjabloon verwijderen, zodat het volgende, minder specifieke sjabloon geldt</translation>
    </message>
    <message>
        <source>Placeholders</source>
        <translation>Plaatsaanduidingen</translation>
    </message>
    <message>
        <source>the new entry&apos;s date, long: %1</source>
        <translation>de datum van de nieuwe notitie, lang: %1</translation>
    </message>
    <message>
        <source>the new entry&apos;s date, short: %1</source>
        <translation>de datum van de nieuwe notitie, kort: %1</translation>
    </message>
    <message>
        <source>its day of the week: %1</source>
        <translation>de dag van de week: %1</translation>
    </message>
    <message>
        <source>the name of its tab: %1</source>
        <translation>de naam van het tabblad: %1</translation>
    </message>
    <message>
        <source>The dates are always the new entry&apos;s own, whatever day it is made on. Anything else in braces stays as written.</source>
        <translation>De datums zijn altijd die van de nieuwe notitie zelf, op welke dag die ook wordt gemaakt. Al het andere tussen accolades blijft zoals het er staat.</translation>
    </message>
    <message>
        <source>New entries of %1:</source>
        <translation>Nieuwe notities van %1:</translation>
    </message>
    <message>
        <source>tab &quot;%1&quot; starts empty: no template applies</source>
        <translation>tabblad ‘%1’ begint leeg: er geldt geen sjabloon</translation>
    </message>
    <message>
        <source>tab &quot;%1&quot; starts from %2</source>
        <translation>tabblad ‘%1’ begint met %2</translation>
    </message>
    <message>
        <source>tab &quot;%1&quot; starts empty: %2 cannot be read</source>
        <translation>tabblad ‘%1’ begint leeg: %2 kan niet worden gelezen</translation>
    </message>
    <message>
        <source>applies on %1</source>
        <translation>geldt op %1</translation>
    </message>
    <message>
        <source>not written yet</source>
        <translation>nog niet geschreven</translation>
    </message>
    <message>
        <source>In %1</source>
        <translation>In %1</translation>
    </message>
    <message>
        <source>%1 does not exist yet: saving makes it.</source>
        <translation>%1 bestaat nog niet: opslaan maakt het aan.</translation>
    </message>
    <message>
        <source>This template cannot be used, and is not written over here:
%1</source>
        <translation>Dit sjabloon kan niet worden gebruikt en wordt hier niet overschreven:
%1</translation>
    </message>
    <message>
        <source>Could not save the template %1:
%2</source>
        <translation>Kan het sjabloon %1 niet opslaan:
%2</translation>
    </message>
    <message>
        <source>Could not remove the template %1:
%2</source>
        <translation>Kan het sjabloon %1 niet verwijderen:
%2</translation>
    </message>
    <message>
        <source>%1 is saved.</source>
        <translation>%1 is opgeslagen.</translation>
    </message>
    <message>
        <source>Not filled in, kept as written: %1</source>
        <translation>Niet ingevuld, blijft zoals geschreven: %1</translation>
    </message>
</context>
<context>
    <name>TYearHeatmap</name>
    <message numerus="yes">
        <source>%1: %Ln words</source>
        <translation>
            <numerusform>%1: %Ln woord</numerusform>
            <numerusform>%1: %Ln woorden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words in %1</source>
        <translation>
            <numerusform>%Ln woord in %1</numerusform>
            <numerusform>%Ln woorden in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Less</source>
        <translation>Minder</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Meer</translation>
    </message>
</context>
</TS>
