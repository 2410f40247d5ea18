<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nn_NO" sourcelanguage="nb_NO">
<context>
    <name>Arket</name>
    <message>
        <source>Ny oppgave</source>
        <translation>Ny oppgåve</translation>
    </message>
    <message>
        <source>Løste oppgaver:</source>
        <translation type="unfinished">Løyste oppgåver:</translation>
    </message>
    <message>
        <source>Poeng:</source>
        <translation type="vanished">Poeng (gamal):</translation>
    </message>
</context>
<context>
    <name>frmOm</name>
    <message>
        <source>"Advarsel:"
linje to</source>
        <translation>"Åtvaring:"
line to ?</translation>
    </message>
</context>
</TS>
