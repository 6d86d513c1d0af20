<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>TFormMain</name>
    <message>
        <source>Check Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2 years)</source>
        <translation>%1 (lat: %3)</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>za %n dzień</numerusform>
            <numerusform>za %n dni</numerusform>
            <numerusform>za kilka dni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n years</source>
        <translation>
            <numerusform>%n rok</numerusform>
            <numerusform>%n lata</numerusform>
        </translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Zapisz zmiany</translation>
    </message>
</context>
</TS>
