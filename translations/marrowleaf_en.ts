<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>TDiaryCalendar</name>
    <message numerus="yes">
        <source>%1, %n entries, a sync tool&apos;s conflict copy</source>
        <translation>
            <numerusform>%1, %n entry, a sync tool&apos;s conflict copy</numerusform>
            <numerusform>%1, %n entries, a sync tool&apos;s conflict copy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n entries</source>
        <translation>
            <numerusform>%1, %n entry</numerusform>
            <numerusform>%1, %n entries</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TEncryptionWindow</name>
    <message numerus="yes">
        <source>%n files of the diary are plain: written by another program or device, or before it was encrypted. They are encrypted when they are saved, or by &quot;Encrypt the plain entries&quot;.</source>
        <translation>
            <numerusform>%n file of the diary is plain: written by another program or device, or before it was encrypted. It is encrypted when it is saved, or by &quot;Encrypt the plain entries&quot;.</numerusform>
            <numerusform>%n files of the diary are plain: written by another program or device, or before it was encrypted. They are encrypted when they are saved, or by &quot;Encrypt the plain entries&quot;.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files are encrypted with a key that this password does not open:</source>
        <translation>
            <numerusform>%n file is encrypted with a key that this password does not open:</numerusform>
            <numerusform>%n files are encrypted with a key that this password does not open:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TExportWindow</name>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFoundEntries</name>
    <message numerus="yes">
        <source>%n entries found</source>
        <translation>
            <numerusform>%n entry found</numerusform>
            <numerusform>%n entries found</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>THistoryWindow</name>
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
            <numerusform>%n earlier version</numerusform>
            <numerusform>%n earlier versions</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TImportWindow</name>
    <message numerus="yes">
        <source>Coordinates of places: %n (the places&apos; names are kept)</source>
        <translation>
            <numerusform>Coordinates of places: %n (the places&apos; names are kept)</numerusform>
            <numerusform>Coordinates of places: %n (the places&apos; names are kept)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Day One&apos;s formatting of entries: %n (their Markdown text is kept)</source>
        <translation>
            <numerusform>Day One&apos;s formatting of entries: %n (their Markdown text is kept)</numerusform>
            <numerusform>Day One&apos;s formatting of entries: %n (their Markdown text is kept)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moods of entries: %n</source>
        <translation>
            <numerusform>Moods of entries: %n</numerusform>
            <numerusform>Moods of entries: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Folders of entries: %n (all go to the chosen tab)</source>
        <translation>
            <numerusform>Folders of entries: %n (all go to the chosen tab)</numerusform>
            <numerusform>Folders of entries: %n (all go to the chosen tab)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Entries: %n</source>
        <translation>
            <numerusform>Entries: %n</numerusform>
            <numerusform>Entries: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Days: %n</source>
        <translation>
            <numerusform>Days: %n</numerusform>
            <numerusform>Days: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Days that already hold an entry: %n (kept; the imported text is added after it)</source>
        <translation>
            <numerusform>Days that already hold an entry: %n (kept; the imported text is added after it)</numerusform>
            <numerusform>Days that already hold an entry: %n (kept; the imported text is added after it)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Days that hold this import already: %n (left as they are)</source>
        <translation>
            <numerusform>Days that hold this import already: %n (left as they are)</numerusform>
            <numerusform>Days that hold this import already: %n (left as they are)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>New entries: %n</source>
        <translation>
            <numerusform>New entries: %n</numerusform>
            <numerusform>New entries: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Entries kept, with the imported text added after them: %n (their earlier text is in their history)</source>
        <translation>
            <numerusform>Entries kept, with the imported text added after them: %n (their earlier text is in their history)</numerusform>
            <numerusform>Entries kept, with the imported text added after them: %n (their earlier text is in their history)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Entries that held the import already, left as they were: %n</source>
        <translation>
            <numerusform>Entries that held the import already, left as they were: %n</numerusform>
            <numerusform>Entries that held the import already, left as they were: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Attachments copied: %n</source>
        <translation>
            <numerusform>Attachments copied: %n</numerusform>
            <numerusform>Attachments copied: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Days from %1 on, left as they were: %n</source>
        <translation>
            <numerusform>Days from %1 on, left as they were: %n</numerusform>
            <numerusform>Days from %1 on, left as they were: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>…and %n more of this kind</source>
        <translation>
            <numerusform>…and %n more of this kind</numerusform>
            <numerusform>…and %n more of this kind</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Entries the diary holds already in the tab %1: %n (imported into this tab as well)</source>
        <translation>
            <numerusform>Entries the diary holds already in the tab %1: %n (imported into this tab as well)</numerusform>
            <numerusform>Entries the diary holds already in the tab %1: %n (imported into this tab as well)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Attachments: %n (%1, copied into the diary folder)</source>
        <translation>
            <numerusform>Attachments: %n (%1, copied into the diary folder)</numerusform>
            <numerusform>Attachments: %n (%1, copied into the diary folder)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TLookBackWindow</name>
    <message numerus="yes">
        <source>%n years ago</source>
        <translation>
            <numerusform>%n year ago</numerusform>
            <numerusform>%n years ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln day</numerusform>
            <numerusform>%Ln days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days, to %1</source>
        <translation>
            <numerusform>%Ln day, to %1</numerusform>
            <numerusform>%Ln days, to %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n years</source>
        <translation>
            <numerusform>in %n year</numerusform>
            <numerusform>in %n years</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TMonthChart</name>
    <message numerus="yes">
        <source>%1: %Ln words</source>
        <translation>
            <numerusform>%1: %Ln word</numerusform>
            <numerusform>%1: %Ln words</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TPassedOver</name>
    <message numerus="yes">
        <source>Not read: %n files named like entries could not be read: %1</source>
        <translation>
            <numerusform>Not read: %n file named like an entry could not be read: %1</numerusform>
            <numerusform>Not read: %n files named like entries could not be read: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TTagsWindow</name>
    <message numerus="yes">
        <source>#%1, %n entries</source>
        <translation>
            <numerusform>#%1, %n entry</numerusform>
            <numerusform>#%1, %n entries</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tags</source>
        <translation>
            <numerusform>%n tag</numerusform>
            <numerusform>%n tags</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>#%1 was renamed to #%2 in %n entries.</source>
        <translation>
            <numerusform>#%1 was renamed to #%2 in %n entry.</numerusform>
            <numerusform>#%1 was renamed to #%2 in %n entries.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n tags</source>
        <translation>
            <numerusform>%1 of %n tag</numerusform>
            <numerusform>%1 of %n tags</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>#%1 was merged into #%2 in %n entries.</source>
        <translation>
            <numerusform>#%1 was merged into #%2 in %n entry.</numerusform>
            <numerusform>#%1 was merged into #%2 in %n entries.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %n entries were not reached and still hold #%1.</source>
        <translation>
            <numerusform>Stopped: %n entry was not reached and still holds #%1.</numerusform>
            <numerusform>Stopped: %n entries were not reached and still hold #%1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TYearHeatmap</name>
    <message numerus="yes">
        <source>%1: %Ln words</source>
        <translation>
            <numerusform>%1: %Ln word</numerusform>
            <numerusform>%1: %Ln words</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words in %1</source>
        <translation>
            <numerusform>%Ln word in %1</numerusform>
            <numerusform>%Ln words in %1</numerusform>
        </translation>
    </message>
</context>
</TS>
