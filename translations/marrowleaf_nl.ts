<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
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
        <source>&amp;Print</source>
        <translation>&amp;Afdrukken</translation>
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
</context>
<context>
    <name>TFindWindow</name>
    <message>
        <source>, tab </source>
        <translation>, tabblad </translation>
    </message>
    <message>
        <source>, not saved yet</source>
        <translation>, nog niet opgeslagen</translation>
    </message>
    <message>
        <source> · not saved yet</source>
        <translation> · nog niet opgeslagen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Words to find, &quot;a phrase&quot; in quotes</source>
        <translation>Te zoeken woorden, &quot;een woordgroep&quot; tussen aanhalingstekens</translation>
    </message>
    <message>
        <source>Words to find in every entry; double quotes make a phrase</source>
        <translation>Te zoeken woorden in alle notities; dubbele aanhalingstekens vormen een woordgroep</translation>
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
    <message>
        <source>No entry holds &quot;%1&quot;.</source>
        <translation>Geen enkele notitie bevat ‘%1’.</translation>
    </message>
    <message>
        <source>1 entry found</source>
        <translation>1 notitie gevonden</translation>
    </message>
    <message>
        <source>%1 entries found</source>
        <translation>%1 notities gevonden</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>%1-%2-%3, tab &quot;%4&quot;</source>
        <translation>%3-%2-%1, tabblad ‘%4’</translation>
    </message>
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
        <source>%1/%2/%3, tab &quot;%4&quot;</source>
        <translation>%3-%2-%1, tabblad ‘%4’</translation>
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
</context>
<context>
    <name>THistoryWindow</name>
    <message>
        <source>1 byte</source>
        <translation>1 byte</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
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
        <source>1 earlier version</source>
        <translation>1 eerdere versie</translation>
    </message>
    <message>
        <source>%1 earlier versions</source>
        <translation>%1 eerdere versies</translation>
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
</TS>
