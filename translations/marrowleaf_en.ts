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
</TS>
