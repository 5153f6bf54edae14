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
    <name>TLookBackWindow</name>
    <message numerus="yes">
        <source>%n years ago</source>
        <translation>
            <numerusform>%n years ago</numerusform>
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
            <numerusform>%Ln days, to %1</numerusform>
            <numerusform>%Ln days, to %1</numerusform>
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
            <numerusform>%Ln words in %1</numerusform>
            <numerusform>%Ln words in %1</numerusform>
        </translation>
    </message>
</context>
</TS>
