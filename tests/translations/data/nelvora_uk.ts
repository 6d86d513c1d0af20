<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>TCheckSummary</name>
    <message numerus="yes">
        <source>%Ln contacts</source>
        <translation>
            <numerusform>%Ln контакт</numerusform>
            <numerusform>%Ln контактів</numerusform>
        </translation>
    </message>
</context>
</TS>
