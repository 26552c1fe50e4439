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
        <source>Translated</source>
        <translation>Übersetzt</translation>
    </message>
</context>
</TS>
