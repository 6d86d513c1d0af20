<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>TAccessibleNames</name>
    <message numerus="yes">
        <source>Events within %n days</source>
        <translation>
            <numerusform>Events within %n day</numerusform>
            <numerusform>Events within %n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n years</source>
        <translation>
            <numerusform>%n year</numerusform>
            <numerusform>%n years</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>in %n day</numerusform>
            <numerusform>in %n days</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TCheckSummary</name>
    <message numerus="yes">
        <source>%Ln contacts</source>
        <translation>
            <numerusform>%Ln contact</numerusform>
            <numerusform>%Ln contacts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln address books</source>
        <translation>
            <numerusform>%Ln address book</numerusform>
            <numerusform>%Ln address books</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln contacts from %1</source>
        <translation>
            <numerusform>%Ln contact from %1</numerusform>
            <numerusform>%Ln contacts from %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%Ln not synced, from the last copy)</source>
        <extracomment>Appended to the line below the list: online address books whose last sync failed, read from their copy.</extracomment>
        <translation>
            <numerusform> (%Ln not synced, from the last copy)</numerusform>
            <numerusform> (%Ln not synced, from the last copy)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%Ln with files that cannot be read)</source>
        <extracomment>Appended to the line below the list: address books of which some files could not be read.</extracomment>
        <translation>
            <numerusform> (%Ln with files that cannot be read)</numerusform>
            <numerusform> (%Ln with files that cannot be read)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TEventReport</name>
    <message numerus="yes">
        <source>%1 occurs in %n days</source>
        <extracomment>A row of the coming days: %1 is the event (&quot;bday. 30&quot;), %n the days until it.</extracomment>
        <translation>
            <numerusform>%1 occurs in %n day</numerusform>
            <numerusform>%1 occurs in %n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>-=- Events within %n days -=-</source>
        <translation>
            <numerusform>-=- Events within %n days -=-</numerusform>
            <numerusform>-=- Events within %n days -=-</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TReminder</name>
    <message numerus="yes">
        <source>%n anniversary(ies) today</source>
        <translation>
            <numerusform>%n anniversary today</numerusform>
            <numerusform>%n anniversaries today</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) today</source>
        <translation>
            <numerusform>%n birthday today</numerusform>
            <numerusform>%n birthdays today</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies) tomorrow</source>
        <translation>
            <numerusform>%n anniversary tomorrow</numerusform>
            <numerusform>%n anniversaries tomorrow</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) tomorrow</source>
        <translation>
            <numerusform>%n birthday tomorrow</numerusform>
            <numerusform>%n birthdays tomorrow</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>in %n day</numerusform>
            <numerusform>in %n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies)</source>
        <translation>
            <numerusform>%n anniversary</numerusform>
            <numerusform>%n anniversaries</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s)</source>
        <translation>
            <numerusform>%n birthday</numerusform>
            <numerusform>%n birthdays</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s)</source>
        <comment>summary</comment>
        <extracomment>The summary of a notification, where birthdays and anniversaries fall on one day: keep it short, the whole summary (&quot;3 birthdays and 1 anniversary today&quot;) should stay within 40 characters.</extracomment>
        <translation>
            <numerusform>%n birthday</numerusform>
            <numerusform>%n birthdays</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies)</source>
        <comment>summary</comment>
        <extracomment>Beside the birthdays in the summary: keep it short (&quot;1 anniversary&quot; rather than &quot;1 wedding anniversary&quot;).</extracomment>
        <translation>
            <numerusform>%n anniversary</numerusform>
            <numerusform>%n anniversaries</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TStoreListView</name>
    <message numerus="yes">
        <source>%n contacts</source>
        <extracomment>Spoken with an address book&apos;s row: how many contacts it gave.</extracomment>
        <translation>
            <numerusform>%n contact</numerusform>
            <numerusform>%n contacts</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>nelvora-report</name>
    <message numerus="yes">
        <source>added %1, %n address books:</source>
        <extracomment>After --add-account: %1 is the server&apos;s address, %n the number of address books found there, listed below.</extracomment>
        <translation>
            <numerusform>added %1, %n address book:</numerusform>
            <numerusform>added %1, %n address books:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>synced, %n new or changed cards</source>
        <extracomment>On a terminal, after --sync: the account&apos;s line once its books are in the cache.</extracomment>
        <translation>
            <numerusform>synced, %n new or changed card</numerusform>
            <numerusform>synced, %n new or changed cards</numerusform>
        </translation>
    </message>
</context>
</TS>
