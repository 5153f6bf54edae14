<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>ImportFormat</name>
    <message>
        <source>A Day One export</source>
        <translation>Un&apos;esportazione di Day One</translation>
    </message>
    <message>
        <source>a Day One export (.zip, folder or .json)</source>
        <translation>un&apos;esportazione di Day One (.zip, cartella o .json)</translation>
    </message>
    <message>
        <source>A Diaro backup</source>
        <translation>Un backup di Diaro</translation>
    </message>
    <message>
        <source>a Diaro backup (.zip)</source>
        <translation>un backup di Diaro (.zip)</translation>
    </message>
    <message>
        <source>A jrnl journal</source>
        <translation>Un diario di jrnl</translation>
    </message>
    <message>
        <source>a jrnl journal</source>
        <translation>un diario di jrnl</translation>
    </message>
    <message>
        <source>A RedNotebook journal</source>
        <translation>Un diario di RedNotebook</translation>
    </message>
    <message>
        <source>RedNotebook&apos;s data folder</source>
        <translation>la cartella dei dati di RedNotebook</translation>
    </message>
</context>
<context>
    <name>TDiaryCalendar</name>
    <message>
        <source>The month calendar; days with entries are bold, Alt+Left and Alt+Right move to the previous and next day with an entry</source>
        <translation>Il calendario del mese; i giorni con voci sono in grassetto, Alt+Sinistra e Alt+Destra vanno al giorno precedente e al successivo con una voce</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mese precedente</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mese successivo</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n entries, a sync tool&apos;s conflict copy</source>
        <translation>
            <numerusform>%1, %n voce, una copia in conflitto di uno strumento di sincronizzazione</numerusform>
            <numerusform>%1, %n voci, una copia in conflitto di uno strumento di sincronizzazione</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, a sync tool&apos;s conflict copy</source>
        <translation>%1, una copia in conflitto di uno strumento di sincronizzazione</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n entries</source>
        <translation>
            <numerusform>%1, %n voce</numerusform>
            <numerusform>%1, %n voci</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TEncryptionWindow</name>
    <message>
        <source>Encryption</source>
        <translation>Crittografia</translation>
    </message>
    <message>
        <source>&amp;Repeat password:</source>
        <translation>&amp;Ripeti la password:</translation>
    </message>
    <message>
        <source>&amp;Encrypt</source>
        <translation>&amp;Cifra</translation>
    </message>
    <message>
        <source>&amp;Change password…</source>
        <translation>Cambia la pass&amp;word…</translation>
    </message>
    <message>
        <source>&amp;Decrypt…</source>
        <translation>&amp;Decifra…</translation>
    </message>
    <message>
        <source>Encrypt the &amp;plain entries</source>
        <translation>Cifra le &amp;voci non cifrate</translation>
    </message>
    <message>
        <source>Re&amp;member the password on this device</source>
        <translation>Ric&amp;orda la password su questo dispositivo</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s keyring, for this diary</source>
        <translation>Conservata nel portachiavi del desktop, per questo diario</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Resoconto</translation>
    </message>
    <message>
        <source>Too short: a password needs at least %1 characters.</source>
        <translation>Troppo corta: una password deve avere almeno %1 caratteri.</translation>
    </message>
    <message>
        <source>Weak: a longer password, or a few unrelated words, is far harder to guess.</source>
        <translation>Debole: una password più lunga, o alcune parole senza legame tra loro, è molto più difficile da indovinare.</translation>
    </message>
    <message>
        <source>Fair: a few more characters or words make it strong.</source>
        <translation>Discreta: qualche carattere o parola in più la rende forte.</translation>
    </message>
    <message>
        <source>Strong.</source>
        <translation>Forte.</translation>
    </message>
    <message>
        <source>This diary is not encrypted: anyone who has its folder can read its entries. Encrypting keeps every entry, its history, its drafts and its pictures readable only with the password; sync tools and the history go on working.</source>
        <translation>Questo diario non è cifrato: chiunque abbia la sua cartella può leggerne le voci. Cifrandolo, ogni voce, la sua cronologia, le sue bozze e le sue immagini si leggono solo con la password; gli strumenti di sincronizzazione e la cronologia continuano a funzionare.</translation>
    </message>
    <message>
        <source>This diary is encrypted: its entries, their history, drafts and pictures open only with its password.</source>
        <translation>Questo diario è cifrato: le sue voci, la loro cronologia, bozze e immagini si aprono solo con la sua password.</translation>
    </message>
    <message>
        <source>Two devices encrypted it, each with a key of its own: the files of both open. &quot;Encrypt the plain entries&quot; seals them all anew under this device&apos;s key.</source>
        <translation>Due dispositivi lo hanno cifrato, ciascuno con una propria chiave: i file di entrambi si aprono. «Cifra le voci non cifrate» li sigilla tutti di nuovo con la chiave di questo dispositivo.</translation>
    </message>
    <message>
        <source>&amp;New password:</source>
        <translation>&amp;Nuova password:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Password:</translation>
    </message>
    <message numerus="yes">
        <source>%n files of the diary are plain: written by another program or device, or before it was encrypted. They are encrypted when they are saved, or by &quot;Encrypt the plain entries&quot;.</source>
        <translation>
            <numerusform>%n file del diario non è cifrato: scritto da un altro programma o dispositivo, o prima della cifratura. Viene cifrato quando è salvato, o con «Cifra le voci non cifrate».</numerusform>
            <numerusform>%n file del diario non sono cifrati: scritti da un altro programma o dispositivo, o prima della cifratura. Vengono cifrati quando sono salvati, o con «Cifra le voci non cifrate».</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files are encrypted with a key that this password does not open:</source>
        <translation>
            <numerusform>%n file è cifrato con una chiave che questa password non apre:</numerusform>
            <numerusform>%n file sono cifrati con una chiave che questa password non apre:</numerusform>
        </translation>
    </message>
    <message>
        <source>The two passwords differ. Type the same password twice.</source>
        <translation>Le due password sono diverse. Digita due volte la stessa password.</translation>
    </message>
    <message>
        <source>Making the diary&apos;s key…</source>
        <translation>Creazione della chiave del diario…</translation>
    </message>
    <message>
        <source>The diary could not be encrypted:
%1</source>
        <translation>Non è stato possibile cifrare il diario:
%1</translation>
    </message>
    <message>
        <source>The password is wrong. Nothing was changed.</source>
        <translation>La password è sbagliata. Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>Enter the diary&apos;s current password.</source>
        <translation>Inserisci la password attuale del diario.</translation>
    </message>
    <message>
        <source>Changing the password…</source>
        <translation>Modifica della password…</translation>
    </message>
    <message>
        <source>The password could not be changed:
%1</source>
        <translation>Non è stato possibile cambiare la password:
%1</translation>
    </message>
    <message>
        <source>The password is changed. Other devices use the new one as soon as the key file reaches them.</source>
        <translation>La password è cambiata. Gli altri dispositivi usano la nuova appena ricevono il file della chiave.</translation>
    </message>
    <message>
        <source>Decrypting writes every entry, its history and its pictures as plain files again, readable by anyone who has the folder. Enter the diary&apos;s password to decrypt it.</source>
        <translation>La decifratura riscrive ogni voce, la sua cronologia e le sue immagini come file non cifrati, leggibili da chiunque abbia la cartella. Inserisci la password del diario per decifrarlo.</translation>
    </message>
    <message>
        <source>Encrypting the diary…</source>
        <translation>Cifratura del diario…</translation>
    </message>
    <message>
        <source>Decrypting the diary…</source>
        <translation>Decifratura del diario…</translation>
    </message>
    <message>
        <source>Stopped. The diary works as it is, with some files converted and some not; the conversion goes on at the next start.</source>
        <translation>Interrotto. Il diario funziona così com&apos;è, con alcuni file convertiti e altri no; la conversione riprende al prossimo avvio.</translation>
    </message>
    <message>
        <source>The diary is encrypted.</source>
        <translation>Il diario è cifrato.</translation>
    </message>
    <message>
        <source>The diary is decrypted: its files are plain again.</source>
        <translation>Il diario è decifrato: i suoi file sono di nuovo non cifrati.</translation>
    </message>
    <message>
        <source>The diary stays encrypted: some files could not be decrypted.</source>
        <translation>Il diario resta cifrato: alcuni file non è stato possibile decifrarli.</translation>
    </message>
    <message>
        <source>These files were left as they are:</source>
        <translation>Questi file sono stati lasciati come sono:</translation>
    </message>
    <message>
        <source>The password could not be kept in the desktop&apos;s keyring:
%1</source>
        <translation>Non è stato possibile conservare la password nel portachiavi del desktop:
%1</translation>
    </message>
    <message>
        <source>Enter the diary&apos;s password to keep it in the desktop&apos;s keyring.</source>
        <translation>Inserisci la password del diario per conservarla nel portachiavi del desktop.</translation>
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
        <translation>Testo semplice</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Could not export to %1:
%2</source>
        <translation>Impossibile esportare in %1:
%2</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Dal</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;Al</translation>
    </message>
    <message>
        <source>&amp;Whole diary</source>
        <translation>&amp;Tutto il diario</translation>
    </message>
    <message>
        <source>Whole diary</source>
        <translation>Tutto il diario</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>Schede</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Sfoglia…</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Sfoglia…</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>F&amp;ormato</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>F&amp;ile</source>
        <translation>F&amp;ile</translation>
    </message>
    <message>
        <source>diary</source>
        <translation>diario</translation>
    </message>
    <message>
        <source>One &amp;day per page</source>
        <translation>Un &amp;giorno per pagina</translation>
    </message>
    <message>
        <source>One day per page</source>
        <translation>Un giorno per pagina</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Esporta</translation>
    </message>
    <message>
        <source>Marrowleaf diary</source>
        <translation>Diario di Marrowleaf</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>Choose a file to export to.</source>
        <translation>Scegliere il file in cui esportare.</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>Esportazione…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Stampa…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Stampa…</translation>
    </message>
    <message>
        <source>Pre&amp;view…</source>
        <translation>Antep&amp;rima…</translation>
    </message>
    <message>
        <source>Preview…</source>
        <translation>Anteprima…</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 esiste già.
Sostituirlo?</translation>
    </message>
    <message>
        <source>No day from %1 to %2 holds an entry of the chosen tabs: nothing was exported.</source>
        <translation>Nessun giorno dal %1 al %2 contiene una voce delle schede scelte: non è stato esportato nulla.</translation>
    </message>
    <message>
        <source>No day from %1 to %2 holds an entry of the chosen tabs: nothing was printed.</source>
        <translation>Nessun giorno dal %1 al %2 contiene una voce delle schede scelte: non è stato stampato nulla.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e %n altro</numerusform>
            <numerusform>e altri %n</numerusform>
        </translation>
    </message>
    <message>
        <source>These could not be read:
%1

Export without them?</source>
        <translation>Non è stato possibile leggere quanto segue:
%1

Esportare senza?</translation>
    </message>
    <message>
        <source>These could not be read:
%1

Print without them?</source>
        <translation>Non è stato possibile leggere quanto segue:
%1

Stampare senza?</translation>
    </message>
    <message>
        <source>Could not print on %1.</source>
        <translation>Impossibile stampare su %1.</translation>
    </message>
    <message>
        <source>This diary is encrypted, and the export is not: %1 (and its pictures) will be plain files that anyone who has them can read.
Export anyway?</source>
        <translation>Questo diario è cifrato, l&apos;esportazione no: %1 (e le sue immagini) saranno file non cifrati, leggibili da chiunque li abbia.
Esportare comunque?</translation>
    </message>
</context>
<context>
    <name>TFindWindow</name>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>Words to find, &quot;a phrase&quot; in quotes</source>
        <translation>Parole da trovare, &quot;una frase&quot; tra virgolette</translation>
    </message>
    <message>
        <source>Words to find in every entry; quotation marks make a phrase</source>
        <translation>Parole da trovare in tutte le voci; le virgolette formano una frase</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Text typed in an earlier run was never saved, for:
%1

It is kept as unsaved text in each entry&apos;s history (File, History), where it can be restored.</source>
        <translation>Del testo scritto in una sessione precedente non è mai stato salvato, per:
%1

È conservato come testo non salvato nella cronologia di ciascuna voce (File, Cronologia), da cui si può ripristinare.</translation>
    </message>
    <message>
        <source>The editor is set by the key EDITOR in the section [GENERAL] of
%1
The editor must stay open until you are done with the entry, for example
EDITOR = gedit --wait, kate --block, gvim -f or code --wait.</source>
        <translation>L&apos;editor si imposta con la chiave EDITOR nella sezione [GENERAL] di
%1
L&apos;editor deve restare aperto finché non si è finito con la voce, per esempio
EDITOR = gedit --wait, kate --block, gvim -f o code --wait.</translation>
    </message>
    <message>
        <source>No editor is set.</source>
        <translation>Nessun editor impostato.</translation>
    </message>
    <message>
        <source>%1 is a link to a file outside the diary. It is shown read-only and not handed to an editor.</source>
        <translation>La %1 è un collegamento a un file fuori dal diario. È mostrata in sola lettura e non viene passata a un editor.</translation>
    </message>
    <message>
        <source>The text of %1 could not be kept in its history:
%2</source>
        <translation>Impossibile conservare nella cronologia il testo della %1:
%2</translation>
    </message>
    <message>
        <source>The editor &quot;%1&quot; ended abnormally and left the entry unchanged.</source>
        <translation>L&apos;editor «%1» è terminato in modo anomalo e ha lasciato la voce invariata.</translation>
    </message>
    <message>
        <source>The editor &quot;%1&quot; ended with exit status %2 and left the entry unchanged.</source>
        <translation>L&apos;editor «%1» è terminato con il codice di uscita %2 e ha lasciato la voce invariata.</translation>
    </message>
    <message>
        <source>The editor returned at once; it may still be open in a window of its own.
The diary shows what it saves there as soon as it is saved.</source>
        <translation>L&apos;editor è tornato subito; potrebbe essere ancora aperto in una finestra sua.
Il diario mostra ciò che vi si salva non appena è salvato.</translation>
    </message>
    <message>
        <source>No program named &quot;%1&quot; was found.</source>
        <translation>Nessun programma chiamato «%1» è stato trovato.</translation>
    </message>
    <message>
        <source>Could not start the editor &quot;%1&quot;: %2</source>
        <translation>Impossibile avviare l&apos;editor «%1»: %2</translation>
    </message>
    <message>
        <source>Entry of %1</source>
        <translation>Voce %1</translation>
    </message>
    <message>
        <source>File does not exist. push &apos;create&apos; button.</source>
        <translation>Il file non esiste. Premere il pulsante «crea».</translation>
    </message>
    <message>
        <source>No entry yet for %1</source>
        <translation>Ancora nessuna voce per %1</translation>
    </message>
    <message>
        <source>Entry of %1, read-only: a link to a file outside the diary</source>
        <translation>Voce %1, sola lettura: un collegamento a un file fuori dal diario</translation>
    </message>
    <message>
        <source>Entry of %1, read-only</source>
        <translation>Voce %1, sola lettura</translation>
    </message>
    <message>
        <source>Another program had changed %1 since it was shown.
Your text was saved; the other version is in the entry&apos;s history (File, History).</source>
        <translation>Un altro programma ha modificato la %1 dopo che era stata mostrata.
Il testo è stato salvato; l&apos;altra versione è nella cronologia della voce (File, Cronologia).</translation>
    </message>
    <message>
        <source>The text that %1 held before could not be kept in its history:
%2</source>
        <translation>Impossibile conservare nella cronologia il testo che la %1 conteneva prima:
%2</translation>
    </message>
    <message>
        <source>The text of the shown entry, saved; the text it replaced is in its history</source>
        <translation>Il testo della voce mostrata, salvato; il testo che ha sostituito è nella sua cronologia</translation>
    </message>
    <message>
        <source>the entry of %1</source>
        <translation>voce %1</translation>
    </message>
    <message>
        <source>Could not save %1:
%2</source>
        <translation>Impossibile salvare la %1:
%2</translation>
    </message>
    <message>
        <source>The text was kept in
%1</source>
        <translation>Il testo è stato conservato in
%1</translation>
    </message>
    <message>
        <source>The text of the shown entry, not saved; kept in a recovery file</source>
        <translation>Il testo della voce mostrata, non salvato; conservato in un file di recupero</translation>
    </message>
    <message>
        <source>The text could not be kept either (%1). Copy it out of the window before another entry is shown.</source>
        <translation>Non è stato possibile conservare neanche il testo (%1). Copiarlo dalla finestra prima che venga mostrata un&apos;altra voce.</translation>
    </message>
    <message>
        <source>Marrowleaf v0.02a</source>
        <translation>Marrowleaf v0.02a</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Trova…</translation>
    </message>
    <message>
        <source>&amp;History…</source>
        <translation>&amp;Cronologia…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>Es&amp;porta…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Stampa…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Previous day with an entry</source>
        <translation>Giorno precedente con una voce</translation>
    </message>
    <message>
        <source>Next day with an entry</source>
        <translation>Giorno successivo con una voce</translation>
    </message>
    <message>
        <source>today</source>
        <translation>oggi</translation>
    </message>
    <message>
        <source>launch editor</source>
        <translation>editor</translation>
    </message>
    <message>
        <source>create</source>
        <translation>crea</translation>
    </message>
    <message>
        <source>autosave without confirm</source>
        <translation>salva senza chiedere</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Anno precedente</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Anno successivo</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mese precedente</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mese successivo</translation>
    </message>
    <message>
        <source>Show today</source>
        <translation>Mostra oggi</translation>
    </message>
    <message>
        <source>Open this entry in the external editor</source>
        <translation>Apri questa voce nell&apos;editor esterno</translation>
    </message>
    <message>
        <source>Create this day&apos;s entry</source>
        <translation>Crea la voce di questo giorno</translation>
    </message>
    <message>
        <source>Save without asking</source>
        <translation>Salva senza chiedere</translation>
    </message>
    <message>
        <source>Today&apos;s date</source>
        <translation>La data di oggi</translation>
    </message>
    <message>
        <source>One tab per kind of entry; a plus sign marks a tab whose entry exists</source>
        <translation>Una scheda per tipo di voce; un segno più indica le schede la cui voce esiste</translation>
    </message>
    <message>
        <source>The text of the shown entry</source>
        <translation>Il testo della voce mostrata</translation>
    </message>
    <message>
        <source>Invalid date: year %1, month %2, day %3</source>
        <translation>Data non valida: anno %1, mese %2, giorno %3</translation>
    </message>
    <message>
        <source>The calendar cannot show this date</source>
        <translation>Il calendario non può mostrare questa data</translation>
    </message>
    <message>
        <source>%1, tab &quot;%2&quot;</source>
        <translation>%1, scheda «%2»</translation>
    </message>
    <message>
        <source>&amp;Tags…</source>
        <translation>Et&amp;ichette…</translation>
    </message>
    <message>
        <source>Te&amp;mplates…</source>
        <translation>&amp;Modelli…</translation>
    </message>
    <message>
        <source>&amp;Look Back…</source>
        <translation>&amp;Retrospettiva…</translation>
    </message>
    <message>
        <source>The template %1 cannot be used:
%2

The new entry starts empty.</source>
        <translation>Il modello %1 non può essere usato:
%2

La nuova voce inizia vuota.</translation>
    </message>
    <message>
        <source>The template %1 could not be written into the new entry:
%2

The new entry starts empty.</source>
        <translation>Impossibile scrivere il modello %1 nella nuova voce:
%2

La nuova voce inizia vuota.</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>Imp&amp;orta…</translation>
    </message>
    <message>
        <source>I&amp;nsert Picture…</source>
        <translation>Inserisci imma&amp;gine…</translation>
    </message>
    <message>
        <source>Insert Picture</source>
        <translation>Inserisci immagine</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Immagini (%1)</translation>
    </message>
    <message>
        <source>The picture %1 could not be read:
%2</source>
        <translation>Impossibile leggere l&apos;immagine %1:
%2</translation>
    </message>
    <message>
        <source>%1 is not a picture the diary can show (PNG, JPEG, GIF, BMP or WebP).</source>
        <translation>%1 non è un&apos;immagine che il diario può mostrare (PNG, JPEG, GIF, BMP o WebP).</translation>
    </message>
    <message>
        <source>The picture could not be kept with %1:
%2</source>
        <translation>Impossibile conservare l&apos;immagine con la %1:
%2</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Apri immagine</translation>
    </message>
    <message>
        <source>The import cannot be used: its part of the program could not be loaded (%1).</source>
        <translation>Non è possibile usare l&apos;importazione: la sua parte del programma non è stata caricata (%1).</translation>
    </message>
    <message>
        <source>%1 cannot be read, and is not handed to an editor.</source>
        <translation>Non leggibile, quindi non passata a un editor: %1.</translation>
    </message>
    <message>
        <source>No private folder could be made for the editor&apos;s copy of %1.</source>
        <translation>Non è stato possibile creare una cartella privata per la copia dell&apos;editor: %1.</translation>
    </message>
    <message>
        <source>The editor returned at once, and its copy of the encrypted entry is removed: what it saves now is lost. Set an editor that stays open until you are done.</source>
        <translation>L&apos;editor è tornato subito e la sua copia della voce cifrata è stata rimossa: ciò che salva ora va perso. Imposta un editor che resti aperto finché non hai finito.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>non è leggibile (%1)</translation>
    </message>
    <message>
        <source>it is no key file</source>
        <translation>non è un file della chiave</translation>
    </message>
    <message>
        <source>it was written by a newer version of the program</source>
        <translation>è stato scritto da una versione più recente del programma</translation>
    </message>
    <message>
        <source>this device lacks the memory its password needs</source>
        <translation>questo dispositivo non ha la memoria che la sua password richiede</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>è danneggiato</translation>
    </message>
    <message>
        <source>This diary is encrypted. Enter its password to open it.</source>
        <translation>Questo diario è cifrato. Inserisci la sua password per aprirlo.</translation>
    </message>
    <message>
        <source>The password could not be kept in the desktop&apos;s keyring:
%1</source>
        <translation>Non è stato possibile conservare la password nel portachiavi del desktop:
%1</translation>
    </message>
    <message>
        <source>The password is wrong. Enter the password of this diary.</source>
        <translation>La password è sbagliata. Inserisci la password di questo diario.</translation>
    </message>
    <message>
        <source>Two devices encrypted this diary, each with a password of its own, and a sync tool kept both key files. Enter the other device&apos;s password too, or Cancel to open only the entries that this password opens.</source>
        <translation>Due dispositivi hanno cifrato questo diario, ciascuno con una propria password, e uno strumento di sincronizzazione ha tenuto entrambi i file della chiave. Inserisci anche la password dell&apos;altro dispositivo, oppure Annulla per aprire solo le voci che questa password apre.</translation>
    </message>
    <message>
        <source>This diary is encrypted, but none of its key files can be used:
%1

Nothing was read or written.</source>
        <translation>Questo diario è cifrato, ma nessuno dei suoi file della chiave è utilizzabile:
%1

Non è stato letto né scritto nulla.</translation>
    </message>
    <message>
        <source>This entry cannot be read: it is encrypted, and the diary has no key file (marrowleaf.key) to open it with. Bring the key file back from a copy of the diary or another device, then start the diary again.</source>
        <translation>Questa voce non è leggibile: è cifrata e il diario non ha un file della chiave (marrowleaf.key) con cui aprirla. Recupera il file della chiave da una copia del diario o da un altro dispositivo, poi riavvia il diario.</translation>
    </message>
    <message>
        <source>This entry cannot be read: it is encrypted with a key that the diary&apos;s password does not open (another device&apos;s password, or another diary&apos;s). Its earlier versions are in File, History.</source>
        <translation>Questa voce non è leggibile: è cifrata con una chiave che la password del diario non apre (la password di un altro dispositivo o di un altro diario). Le sue versioni precedenti sono in File, Cronologia.</translation>
    </message>
    <message>
        <source>This entry cannot be read: its encrypted file is damaged (changed or cut short since it was written). Its earlier versions are in File, History, where one can be restored.</source>
        <translation>Questa voce non è leggibile: il suo file cifrato è danneggiato (modificato o troncato dopo la scrittura). Le sue versioni precedenti sono in File, Cronologia, dove se ne può ripristinare una.</translation>
    </message>
    <message>
        <source>Entry of %1, cannot be read</source>
        <translation>Voce %1, non leggibile</translation>
    </message>
    <message>
        <source>The text was kept, encrypted, as unsaved text in the entry&apos;s history (File, History).</source>
        <translation>Il testo è stato conservato, cifrato, come testo non salvato nella cronologia della voce (File, Cronologia).</translation>
    </message>
    <message>
        <source>En&amp;cryption…</source>
        <translation>Crittogr&amp;afia…</translation>
    </message>
</context>
<context>
    <name>TFoundEntries</name>
    <message>
        <source>%1, tab %2, not saved yet: %3</source>
        <translation>%1, scheda %2, non ancora salvata: %3</translation>
    </message>
    <message>
        <source>%1, tab %2: %3</source>
        <translation>%1, scheda %2: %3</translation>
    </message>
    <message>
        <source>not saved yet</source>
        <translation>non ancora salvata</translation>
    </message>
    <message>
        <source>Entries found</source>
        <translation>Voci trovate</translation>
    </message>
    <message>
        <source>Newest first; Enter shows the entry with the words selected</source>
        <translation>Prima le più recenti; Invio mostra la voce con le parole selezionate</translation>
    </message>
    <message>
        <source>How many entries were found</source>
        <translation>Quante voci sono state trovate</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Ricerca in corso…</translation>
    </message>
    <message numerus="yes">
        <source>%n entries found</source>
        <translation>
            <numerusform>%n voce trovata</numerusform>
            <numerusform>%n voci trovate</numerusform>
        </translation>
    </message>
    <message>
        <source>No entry holds &quot;%1&quot;.</source>
        <translation>Nessuna voce contiene «%1».</translation>
    </message>
</context>
<context>
    <name>THistoryWindow</name>
    <message>
        <source>History of %1</source>
        <translation>Cronologia della %1</translation>
    </message>
    <message>
        <source>No entry is shown, so there is no history to show.</source>
        <translation>Non è mostrata nessuna voce, quindi non c&apos;è una cronologia da mostrare.</translation>
    </message>
    <message>
        <source>This entry has no earlier versions yet.</source>
        <translation>Questa voce non ha ancora versioni precedenti.</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <source>Versions</source>
        <translation>Versioni</translation>
    </message>
    <message>
        <source>The entry&apos;s texts, newest first: the file now, unsaved text, earlier versions</source>
        <translation>I testi della voce, prima i più recenti: il file attuale, il testo non salvato, le versioni precedenti</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>The chosen version&apos;s text</source>
        <translation>Il testo della versione scelta</translation>
    </message>
    <message>
        <source>Put the chosen text into the entry, to be saved like typing</source>
        <translation>Mette il testo scelto nella voce, dove sarà salvato come ciò che si digita</translation>
    </message>
    <message>
        <source>Now in the entry file</source>
        <translation>Ora nel file della voce</translation>
    </message>
    <message>
        <source>unsaved text from %1</source>
        <translation>testo non salvato del %1</translation>
    </message>
    <message>
        <source>written by another program</source>
        <translation>scritto da un altro programma</translation>
    </message>
    <message>
        <source>copy made by a sync tool: %1</source>
        <translation>copia fatta da uno strumento di sincronizzazione: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n byte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n earlier versions</source>
        <translation>
            <numerusform>%n versione precedente</numerusform>
            <numerusform>%n versioni precedenti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TImportWindow</name>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Sfoglia…</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Sfoglia…</translation>
    </message>
    <message>
        <source>A &amp;file…</source>
        <translation>Un &amp;file…</translation>
    </message>
    <message>
        <source>A f&amp;older…</source>
        <translation>Una &amp;cartella…</translation>
    </message>
    <message>
        <source>&amp;Source</source>
        <translation>&amp;Origine</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Scheda</translation>
    </message>
    <message>
        <source>&amp;Tab</source>
        <translation>S&amp;cheda</translation>
    </message>
    <message>
        <source>What the import will do</source>
        <translation>Cosa farà l&apos;importazione</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importa</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>Lettura di %1…</translation>
    </message>
    <message>
        <source>%1: not a diary that can be imported here</source>
        <translation>%1: non è un diario importabile qui</translation>
    </message>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1: impossibile leggere (%2)</translation>
    </message>
    <message>
        <source>%1: does not parse (%2)</source>
        <translation>%1: impossibile interpretare (%2)</translation>
    </message>
    <message>
        <source>%1: not an entry (%2)</source>
        <translation>%1: non è una voce (%2)</translation>
    </message>
    <message>
        <source>%1: a date that does not exist (%2)</source>
        <translation>%1: una data che non esiste (%2)</translation>
    </message>
    <message>
        <source>%1: the attachment %2 is missing; its link is kept</source>
        <translation>%1: manca l&apos;allegato %2; il suo collegamento è mantenuto</translation>
    </message>
    <message numerus="yes">
        <source>Coordinates of places: %n (the places&apos; names are kept)</source>
        <translation>
            <numerusform>Coordinate di luoghi: %n (i nomi dei luoghi sono mantenuti)</numerusform>
            <numerusform>Coordinate di luoghi: %n (i nomi dei luoghi sono mantenuti)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Day One&apos;s formatting of entries: %n (their Markdown text is kept)</source>
        <translation>
            <numerusform>Formattazione delle voci di Day One: %n (il loro testo Markdown è mantenuto)</numerusform>
            <numerusform>Formattazione delle voci di Day One: %n (il loro testo Markdown è mantenuto)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moods of entries: %n</source>
        <translation>
            <numerusform>Stati d&apos;animo delle voci: %n</numerusform>
            <numerusform>Stati d&apos;animo delle voci: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Folders of entries: %n (all go to the chosen tab)</source>
        <translation>
            <numerusform>Cartelle di voci: %n (vanno tutte nella scheda scelta)</numerusform>
            <numerusform>Cartelle di voci: %n (vanno tutte nella scheda scelta)</numerusform>
        </translation>
    </message>
    <message>
        <source>No place in a plain entry:</source>
        <translation>Senza posto in una voce di testo semplice:</translation>
    </message>
    <message>
        <source>Could not be read:</source>
        <translation>Impossibile leggere:</translation>
    </message>
    <message>
        <source>Nothing to import.</source>
        <translation>Niente da importare.</translation>
    </message>
    <message numerus="yes">
        <source>Entries: %n</source>
        <translation>
            <numerusform>Voci: %n</numerusform>
            <numerusform>Voci: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Days: %n</source>
        <translation>
            <numerusform>Giorni: %n</numerusform>
            <numerusform>Giorni: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation>Dal %1 al %2</translation>
    </message>
    <message numerus="yes">
        <source>Days that already hold an entry: %n (kept; the imported text is added after it)</source>
        <translation>
            <numerusform>Giorni che hanno già una voce: %n (mantenuta; il testo importato viene aggiunto dopo)</numerusform>
            <numerusform>Giorni che hanno già una voce: %n (mantenuta; il testo importato viene aggiunto dopo)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Days that hold this import already: %n (left as they are)</source>
        <translation>
            <numerusform>Giorni che contengono già questa importazione: %n (lasciati come sono)</numerusform>
            <numerusform>Giorni che contengono già questa importazione: %n (lasciati come sono)</numerusform>
        </translation>
    </message>
    <message>
        <source>Journals without a tab of their name: %1</source>
        <translation>Diari senza una scheda con il loro nome: %1</translation>
    </message>
    <message>
        <source>No tab is named after the journals %1. Add a tab of that name for each to the diary?</source>
        <translation>Nessuna scheda ha il nome dei diari %1. Aggiungere al diario una scheda con quel nome per ciascuno?</translation>
    </message>
    <message>
        <source>The new tabs could not be written to config.ini; those journals go to the chosen tab.</source>
        <translation>Impossibile scrivere le nuove schede in config.ini; quei diari vanno nella scheda scelta.</translation>
    </message>
    <message>
        <source>Importing…</source>
        <translation>Importazione…</translation>
    </message>
    <message>
        <source>The import was cancelled.</source>
        <translation>L&apos;importazione è stata annullata.</translation>
    </message>
    <message>
        <source>The import is done.</source>
        <translation>L&apos;importazione è terminata.</translation>
    </message>
    <message numerus="yes">
        <source>New entries: %n</source>
        <translation>
            <numerusform>Nuove voci: %n</numerusform>
            <numerusform>Nuove voci: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Entries kept, with the imported text added after them: %n (their earlier text is in their history)</source>
        <translation>
            <numerusform>Voci mantenute, con il testo importato aggiunto dopo: %n (il loro testo precedente è nella loro cronologia)</numerusform>
            <numerusform>Voci mantenute, con il testo importato aggiunto dopo: %n (il loro testo precedente è nella loro cronologia)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Entries that held the import already, left as they were: %n</source>
        <translation>
            <numerusform>Voci che contenevano già l&apos;importazione, lasciate come erano: %n</numerusform>
            <numerusform>Voci che contenevano già l&apos;importazione, lasciate come erano: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Attachments copied: %n</source>
        <translation>
            <numerusform>Allegati copiati: %n</numerusform>
            <numerusform>Allegati copiati: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Days from %1 on, left as they were: %n</source>
        <translation>
            <numerusform>Giorni dal %1 in poi, lasciati come erano: %n</numerusform>
            <numerusform>Giorni dal %1 in poi, lasciati come erano: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Not imported, left as it was: %1 (%2)</source>
        <translation>Non importato, lasciato com&apos;era: %1 (%2)</translation>
    </message>
    <message>
        <source>Imported, but its earlier text could not be kept in its history: %1 (%2)</source>
        <translation>Importato, ma non è stato possibile conservare il testo precedente nella cronologia: %1 (%2)</translation>
    </message>
    <message>
        <source>Choose a diary to import: %1.</source>
        <translation>Scegliere un diario da importare: %1.</translation>
    </message>
    <message>
        <source>%1: an encrypted backup, which cannot be read; Diaro can write a backup without encryption (.zip) to import instead</source>
        <translation>%1: un backup cifrato, che non può essere letto; Diaro può scrivere un backup senza cifratura (.zip) da importare al suo posto</translation>
    </message>
    <message>
        <source>%1: no entry starts with a date and time of the form [2024-05-05 06:30 PM] or 2024-05-05 18:30; the line found there: %2</source>
        <translation>%1: nessuna voce inizia con data e ora nella forma [2024-05-05 06:30 PM] o 2024-05-05 18:30; la riga trovata lì: %2</translation>
    </message>
    <message>
        <source>%1: the attachment %2 has a name no file can have here; left out</source>
        <translation>%1: l&apos;allegato %2 ha un nome che nessun file può avere qui; tralasciato</translation>
    </message>
    <message>
        <source>%1: a link to a place outside the chosen folder; left out</source>
        <translation>%1: un collegamento a un percorso fuori dalla cartella scelta; tralasciato</translation>
    </message>
    <message>
        <source>%1: not a regular file (a pipe, a device or a socket); left out</source>
        <translation>%1: non è un file normale (una pipe, un dispositivo o un socket); tralasciato</translation>
    </message>
    <message>
        <source>%1: not a day of a jrnl folder journal (YEAR/MONTH/DAY.txt); left out</source>
        <translation>%1: non è un giorno di un diario di jrnl a cartelle (ANNO/MESE/GIORNO.txt); tralasciato</translation>
    </message>
    <message>
        <source>%1: the XML entity %2 cannot be read; the text is imported without it</source>
        <translation>%1: l&apos;entità XML %2 non può essere letta; il testo è importato senza di essa</translation>
    </message>
    <message numerus="yes">
        <source>…and %n more of this kind</source>
        <translation>
            <numerusform>…e %n altro di questo tipo</numerusform>
            <numerusform>…e altri %n di questo tipo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Entries the diary holds already in the tab %1: %n (imported into this tab as well)</source>
        <translation>
            <numerusform>Voci che il diario contiene già nella scheda %1: %n (importate anche in questa scheda)</numerusform>
            <numerusform>Voci che il diario contiene già nella scheda %1: %n (importate anche in questa scheda)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Attachments: %n (%1, copied into the diary folder)</source>
        <translation>
            <numerusform>Allegati: %n (%1, copiati nella cartella del diario)</numerusform>
            <numerusform>Allegati: %n (%1, copiati nella cartella del diario)</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was imported: the import needs %1, and the disk of the diary folder has %2 free.</source>
        <translation>Non è stato importato nulla: l&apos;importazione richiede %1 e il disco della cartella del diario ha %2 liberi.</translation>
    </message>
    <message>
        <source>What the import did</source>
        <translation>Cosa ha fatto l&apos;importazione</translation>
    </message>
    <message>
        <source>Not imported, its changes in the diary window are not saved: %1 (import again once they are)</source>
        <translation>Non importato, le sue modifiche nella finestra del diario non sono salvate: %1 (importa di nuovo quando lo sono)</translation>
    </message>
</context>
<context>
    <name>TLookBackWindow</name>
    <message>
        <source>Look Back</source>
        <translation>Retrospettiva</translation>
    </message>
    <message>
        <source>On this day</source>
        <translation>In questo giorno</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Entries of this day in earlier years</source>
        <translation>Voci di questo giorno negli anni precedenti</translation>
    </message>
    <message>
        <source>Newest first; Enter shows the entry in the diary window</source>
        <translation>Prima le più recenti; Invio mostra la voce nella finestra del diario</translation>
    </message>
    <message>
        <source>Nothing was written on this day in any earlier year.</source>
        <translation>In questo giorno non è stato scritto nulla in nessun anno precedente.</translation>
    </message>
    <message>
        <source>Entries:</source>
        <translation>Voci:</translation>
    </message>
    <message>
        <source>Days written:</source>
        <translation>Giorni scritti:</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Parole:</translation>
    </message>
    <message>
        <source>Characters:</source>
        <translation>Caratteri:</translation>
    </message>
    <message>
        <source>Words per day written:</source>
        <translation>Parole per giorno scritto:</translation>
    </message>
    <message>
        <source>Current streak:</source>
        <translation>Serie attuale:</translation>
    </message>
    <message>
        <source>Longest streak:</source>
        <translation>Serie più lunga:</translation>
    </message>
    <message>
        <source>First entry:</source>
        <translation>Prima voce:</translation>
    </message>
    <message>
        <source>Latest entry:</source>
        <translation>Ultima voce:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Anno:</translation>
    </message>
    <message>
        <source>A cell per day, its colour stronger the more words; the arrow keys move, Enter shows the day</source>
        <translation>Una casella per giorno, di colore più intenso quante più sono le parole; le frecce spostano, Invio mostra il giorno</translation>
    </message>
    <message numerus="yes">
        <source>%n years ago</source>
        <translation>
            <numerusform>%n anno fa</numerusform>
            <numerusform>%n anni fa</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2, tab %3: %4</source>
        <translation>%1, %2, scheda %3: %4</translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln giorno</numerusform>
            <numerusform>%Ln giorni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days, to %1</source>
        <translation>
            <numerusform>%Ln giorno, fino al %1</numerusform>
            <numerusform>%Ln giorni, fino al %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Words per day of %1</source>
        <translation>Parole per giorno nel %1</translation>
    </message>
    <message>
        <source>this year</source>
        <translation>quest&apos;anno</translation>
    </message>
    <message numerus="yes">
        <source>in %n years</source>
        <translation>
            <numerusform>tra %n anno</numerusform>
            <numerusform>tra %n anni</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TMonthChart</name>
    <message>
        <source>Words per month of %1</source>
        <translation>Parole per mese nel %1</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln words</source>
        <translation>
            <numerusform>%1: %Ln parola</numerusform>
            <numerusform>%1: %Ln parole</numerusform>
        </translation>
    </message>
    <message>
        <source>The words of each month; Left and Right move between the months</source>
        <translation>Le parole di ogni mese; Sinistra e Destra passano da un mese all&apos;altro</translation>
    </message>
</context>
<context>
    <name>TPassedOver</name>
    <message numerus="yes">
        <source>Not read: %n files named like entries could not be read: %1</source>
        <translation>
            <numerusform>Non letto: non è stato possibile leggere %n file con il nome di una voce: %1</numerusform>
            <numerusform>Non letti: non è stato possibile leggere %n file con il nome di una voce: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TPasswordDialog</name>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Password:</translation>
    </message>
    <message>
        <source>&amp;Remember the password on this device</source>
        <translation>&amp;Ricorda la password su questo dispositivo</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s keyring, for this diary</source>
        <translation>Conservata nel portachiavi del desktop, per questo diario</translation>
    </message>
</context>
<context>
    <name>TPictureTextEdit</name>
    <message>
        <source>Picture not found: %1</source>
        <translation>Immagine non trovata: %1</translation>
    </message>
    <message>
        <source>Picture outside the diary: %1</source>
        <translation>Immagine fuori dal diario: %1</translation>
    </message>
    <message>
        <source>Not a picture: %1</source>
        <translation>Non è un&apos;immagine: %1</translation>
    </message>
    <message>
        <source>Picture cannot be shown: %1</source>
        <translation>Impossibile mostrare l&apos;immagine: %1</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Immagine: %1</translation>
    </message>
</context>
<context>
    <name>TProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>TPrompts</name>
    <message>
        <source>text modified</source>
        <translation>Testo modificato</translation>
    </message>
    <message>
        <source>save?</source>
        <translation>Salvare?</translation>
    </message>
</context>
<context>
    <name>TSpellChecker</name>
    <message>
        <source>The word &quot;%1&quot; could not be added to your personal word list. It counts as right until the diary is closed.</source>
        <translation>Impossibile aggiungere la parola «%1» al dizionario personale. È considerata corretta fino alla chiusura del diario.</translation>
    </message>
    <message>
        <source>No suggestions</source>
        <translation>Nessun suggerimento</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Aggiungi al dizionario</translation>
    </message>
    <message>
        <source>Ignore All</source>
        <translation>Ignora tutte</translation>
    </message>
    <message>
        <source>Check Spelling</source>
        <translation>Controlla ortografia</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>No dictionaries installed</source>
        <translation>Nessun dizionario installato</translation>
    </message>
</context>
<context>
    <name>TTagsWindow</name>
    <message>
        <source>Tags</source>
        <translation>Etichette</translation>
    </message>
    <message>
        <source>Show the tags holding these letters</source>
        <translation>Mostra le etichette che contengono queste lettere</translation>
    </message>
    <message>
        <source>Filter the tags</source>
        <translation>Filtra le etichette</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Etichetta</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Voci</translation>
    </message>
    <message>
        <source>Every tag of the diary with the number of entries holding it; choosing one lists its entries below</source>
        <translation>Tutte le etichette del diario con il numero di voci che le contengono; sceglierne una elenca le sue voci qui sotto</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Rinomina…</translation>
    </message>
    <message>
        <source>Renames the chosen tag in every entry, or merges it with another</source>
        <translation>Rinomina l&apos;etichetta scelta in tutte le voci, o la unisce a un&apos;altra</translation>
    </message>
    <message>
        <source>Reading the tags…</source>
        <translation>Lettura delle etichette…</translation>
    </message>
    <message numerus="yes">
        <source>#%1, %n entries</source>
        <translation>
            <numerusform>#%1, %n voce</numerusform>
            <numerusform>#%1, %n voci</numerusform>
        </translation>
    </message>
    <message>
        <source>No entry holds a tag.</source>
        <translation>Nessuna voce contiene etichette.</translation>
    </message>
    <message numerus="yes">
        <source>%n tags</source>
        <translation>
            <numerusform>%n etichetta</numerusform>
            <numerusform>%n etichette</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename a tag</source>
        <translation>Rinomina etichetta</translation>
    </message>
    <message>
        <source>New name of #%1 in every entry (an existing tag&apos;s name merges the two):</source>
        <translation>Nuovo nome di #%1 in tutte le voci (il nome di un&apos;etichetta esistente unisce le due):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a tag&apos;s name: a name holds letters, digits, &apos;_&apos;, &apos;-&apos; and &apos;/&apos;, and at least one letter.</source>
        <translation>«%1» non può essere il nome di un&apos;etichetta: un nome contiene lettere, cifre, &apos;_&apos;, &apos;-&apos; e &apos;/&apos;, e almeno una lettera.</translation>
    </message>
    <message>
        <source>%1: its changes in the window are not saved</source>
        <translation>%1: le sue modifiche nella finestra non sono salvate</translation>
    </message>
    <message>
        <source>%1: its encoding cannot hold the new name</source>
        <translation>%1: la sua codifica non può contenere il nuovo nome</translation>
    </message>
    <message>
        <source>%1, tab &quot;%2&quot;</source>
        <translation>%1, scheda «%2»</translation>
    </message>
    <message>
        <source>%1: another program changed it meanwhile</source>
        <translation>%1: un altro programma l&apos;ha modificata nel frattempo</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>#%1 was renamed to #%2 in %n entries.</source>
        <translation>
            <numerusform>#%1 è stata rinominata in #%2 in %n voce.</numerusform>
            <numerusform>#%1 è stata rinominata in #%2 in %n voci.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not renamed:</source>
        <translation>Non rinominate:</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n tags</source>
        <translation>
            <numerusform>%1 di %n etichetta</numerusform>
            <numerusform>%1 di %n etichette</numerusform>
        </translation>
    </message>
    <message>
        <source>The tags nested under it are renamed with it: %1.</source>
        <translation>Le etichette annidate sotto di essa vengono rinominate con essa: %1.</translation>
    </message>
    <message>
        <source>A change of case alone: every entry then writes #%1 so, whatever case it has there now.</source>
        <translation>Solo un cambio di maiuscole e minuscole: ogni voce scriverà allora #%1 così, qualunque forma abbia ora.</translation>
    </message>
    <message>
        <source>#%1 is a tag already: the two are merged into one.</source>
        <translation>#%1 è già un&apos;etichetta: le due vengono unite in una sola.</translation>
    </message>
    <message>
        <source>Merge #%1 into #%2? Every entry holding #%1 then holds #%2, and the two cannot be told apart afterwards: renaming back would rename both.</source>
        <translation>Unire #%1 a #%2? Ogni voce che contiene #%1 conterrà allora #%2, e le due non si potranno più distinguere: rinominare all&apos;indietro rinominerebbe entrambe.</translation>
    </message>
    <message numerus="yes">
        <source>#%1 was merged into #%2 in %n entries.</source>
        <translation>
            <numerusform>#%1 è stata unita a #%2 in %n voce.</numerusform>
            <numerusform>#%1 è stata unita a #%2 in %n voci.</numerusform>
        </translation>
    </message>
    <message>
        <source>Renaming #%1…</source>
        <translation>Rinomina di #%1…</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %n entries were not reached and still hold #%1.</source>
        <translation>
            <numerusform>Interrotto: %n voce non è stata raggiunta e contiene ancora #%1.</numerusform>
            <numerusform>Interrotto: %n voci non sono state raggiunte e contengono ancora #%1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TTemplatesWindow</name>
    <message>
        <source>Templates</source>
        <translation>Modelli</translation>
    </message>
    <message>
        <source>The general template, one for each day of the week and one for each tab; the most specific one that exists applies</source>
        <translation>Il modello generale, uno per ogni giorno della settimana e uno per ogni scheda; si applica il più specifico esistente</translation>
    </message>
    <message>
        <source>Every new entry</source>
        <translation>Ogni nuova voce</translation>
    </message>
    <message>
        <source>Tab &quot;%1&quot;</source>
        <translation>Scheda «%1»</translation>
    </message>
    <message>
        <source>Template text</source>
        <translation>Testo del modello</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save the chosen template&apos;s text</source>
        <translation>Salva il testo del modello scelto</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>Remove the chosen template&apos;s file, so that the next less specific one applies</source>
        <translation>Rimuove il file del modello scelto, così che si applichi il successivo meno specifico</translation>
    </message>
    <message>
        <source>Placeholders</source>
        <translation>Segnaposto</translation>
    </message>
    <message>
        <source>the new entry&apos;s date, long: %1</source>
        <translation>la data della nuova voce, estesa: %1</translation>
    </message>
    <message>
        <source>the new entry&apos;s date, short: %1</source>
        <translation>la data della nuova voce, breve: %1</translation>
    </message>
    <message>
        <source>its day of the week: %1</source>
        <translation>il suo giorno della settimana: %1</translation>
    </message>
    <message>
        <source>the name of its tab: %1</source>
        <translation>il nome della sua scheda: %1</translation>
    </message>
    <message>
        <source>The dates are always the new entry&apos;s own, whatever day it is made on. Anything else in braces stays as written.</source>
        <translation>Le date sono sempre quelle della nuova voce, in qualunque giorno venga creata. Tutto il resto tra parentesi graffe resta com’è scritto.</translation>
    </message>
    <message>
        <source>New entries of %1:</source>
        <translation>Nuove voci del %1:</translation>
    </message>
    <message>
        <source>tab &quot;%1&quot; starts empty: no template applies</source>
        <translation>la scheda «%1» inizia vuota: non si applica nessun modello</translation>
    </message>
    <message>
        <source>tab &quot;%1&quot; starts from %2</source>
        <translation>la scheda «%1» inizia da %2</translation>
    </message>
    <message>
        <source>tab &quot;%1&quot; starts empty: %2 cannot be read</source>
        <translation>la scheda «%1» inizia vuota: impossibile leggere %2</translation>
    </message>
    <message>
        <source>applies on %1</source>
        <translation>si applica il %1</translation>
    </message>
    <message>
        <source>not written yet</source>
        <translation>non ancora scritto</translation>
    </message>
    <message>
        <source>In %1</source>
        <translation>In %1</translation>
    </message>
    <message>
        <source>%1 does not exist yet: saving makes it.</source>
        <translation>%1 non esiste ancora: salvando viene creato.</translation>
    </message>
    <message>
        <source>This template cannot be used, and is not written over here:
%1</source>
        <translation>Questo modello non può essere usato e qui non viene sovrascritto:
%1</translation>
    </message>
    <message>
        <source>Could not save the template %1:
%2</source>
        <translation>Impossibile salvare il modello %1:
%2</translation>
    </message>
    <message>
        <source>Could not remove the template %1:
%2</source>
        <translation>Impossibile rimuovere il modello %1:
%2</translation>
    </message>
    <message>
        <source>%1 is saved.</source>
        <translation>%1 è stato salvato.</translation>
    </message>
    <message>
        <source>Not filled in, kept as written: %1</source>
        <translation>Non compilato, resta come scritto: %1</translation>
    </message>
</context>
<context>
    <name>TYearHeatmap</name>
    <message numerus="yes">
        <source>%1: %Ln words</source>
        <translation>
            <numerusform>%1: %Ln parola</numerusform>
            <numerusform>%1: %Ln parole</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words in %1</source>
        <translation>
            <numerusform>%Ln parola nel %1</numerusform>
            <numerusform>%Ln parole nel %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Less</source>
        <translation>Meno</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Più</translation>
    </message>
</context>
</TS>
