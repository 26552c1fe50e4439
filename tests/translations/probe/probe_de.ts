<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Probe</name>
    <message>
        <source>Dropped &amp; gone</source>
        <translation>Entfernt &amp; fort</translation>
    </message>
    <message>
        <source>Two<byte value="xd"/><byte value="xd"/>paragraphs</source>
        <translation>Zwei&lt;byte value=&quot;xd&quot;/&gt;&lt;byte value=&quot;xd&quot;/&gt;Absätze</translation>
    </message>
    <message>
        <source>One
line break</source>
        <translation>Ein Zeilenumbruch</translation>
    </message>
    <message>
        <source>Translated</source>
        <translation>Übersetzt</translation>
    </message>
</context>
</TS>
