<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nn_NO" sourcelanguage="nb_NO">
<context>
    <name>Arket</name>
    <message>
        <source>Du kan ikke dele med null.</source>
        <translation>Du kan ikkje dele med null.</translation>
    </message>
    <message>
        <source>Å gange med null vil ødelegge
likningen.

Vil du gjøre det likevel?</source>
        <translation>Å gonge med null vil øydeleggje
likninga.

Vil du gjere det likevel?</translation>
    </message>
    <message>
        <source>x-verdier som gjør de to sidene i likningen like
men med motsatte fortegn er jo  i k k e  løsninger.

Den likningen du får ved kvadrering vil imidlertid
også ha slike x-verdier som løsning. (De kan av-
sløres ved å sette prøve eller ved å se på grafisk
løsning.)

Vil du likevel kvadrere likningen?</source>
        <translation>x-verdiar som gjer dei to sidene i likninga like,
men med motsett forteikn, er jo  i k k j e  løysingar.

Den likninga du får ved kvadrering, vil derimot
òg ha slike x-verdiar som løysing. (Dei kan av-
slørast ved å setje prøve eller ved å sjå på grafisk
løysing.)

Vil du likevel kvadrere likninga?</translation>
    </message>
    <message>
        <source>Arket er fullt: det har plass til 100 linjer.
Trykk «Ny oppgave» eller velg «Egen likning» for å begynne på nytt.</source>
        <translation>Arket er fullt: det har plass til 100 linjer.
Trykk «Ny oppgåve» eller vel «Eiga likning» for å byrje på nytt.</translation>
    </message>
    <message>
        <source>Tallet er for stort: teller og nevner kan være høyst 32767.
Trykk «Stryk ut» og velg operasjonen på nytt.</source>
        <translation>Talet er for stort: teljar og nemnar kan vere høgst 32767.
Trykk «Stryk ut» og vel operasjonen på nytt.</translation>
    </message>
    <message>
        <source>Løsningen x=0 følger med på
lasset når du ganger med x.</source>
        <translation>Løysinga x=0 følgjer med på
lasset når du gongar med x.</translation>
    </message>
    <message>
        <source>Løsningen x=0
går nå tapt.</source>
        <translation>Løysinga x=0
går no tapt.</translation>
    </message>
    <message>
        <source>Tallene blir for store til at regningen kan gjøres nøyaktig.
Velg en annen operasjon.</source>
        <translation>Tala blir for store til at utrekninga kan gjerast nøyaktig.
Vel ein annan operasjon.</translation>
    </message>
    <message>
        <source>Egen likning</source>
        <translation>Eiga likning</translation>
    </message>
    <message>
        <source>Grafisk løsning</source>
        <translation>Grafisk løysing</translation>
    </message>
    <message>
        <source>Utskrift</source>
        <translation>Utskrift</translation>
    </message>
    <message>
        <source>Lagre som</source>
        <translation>Lagre som</translation>
    </message>
    <message>
        <source>Om Balvo</source>
        <translation>Om Balvo</translation>
    </message>
    <message>
        <source>Angre</source>
        <translation>Angre</translation>
    </message>
    <message>
        <source>Kopier arket</source>
        <translation>Kopier arket</translation>
    </message>
    <message>
        <source>Valg</source>
        <translation>Val</translation>
    </message>
    <message>
        <source>Rediger</source>
        <translation>Rediger</translation>
    </message>
    <message>
        <source>Ny oppgave</source>
        <translation>Ny oppgåve</translation>
    </message>
    <message>
        <source>Vanskelighetsgrad:</source>
        <translation>Vanskegrad:</translation>
    </message>
    <message>
        <source>Løste oppgaver:</source>
        <translation>Løyste oppgåver:</translation>
    </message>
    <message>
        <source>Poeng:</source>
        <translation>Poeng:</translation>
    </message>
    <message>
        <source>Likningstype</source>
        <translation>Likningstype</translation>
    </message>
    <message>
        <source>Både x² og x</source>
        <translation>Både x² og x</translation>
    </message>
    <message>
        <source>Kun x²</source>
        <translation>Berre x²</translation>
    </message>
    <message>
        <source>Kun x</source>
        <translation>Berre x</translation>
    </message>
    <message>
        <source>Brøker</source>
        <translation>Brøkar</translation>
    </message>
    <message>
        <source>Legg til...</source>
        <translation>Legg til...</translation>
    </message>
    <message>
        <source>Trekk fra...</source>
        <translation>Trekk frå...</translation>
    </message>
    <message>
        <source>Multipliser begge sider med..</source>
        <translation>Multipliser begge sider med..</translation>
    </message>
    <message>
        <source>Divider begge sider med...</source>
        <translation>Divider begge sider med...</translation>
    </message>
    <message>
        <source>Trekk kvadratrot av begge sider</source>
        <translation>Trekk kvadratrot av begge sider</translation>
    </message>
    <message>
        <source>Kvadrer begge sider</source>
        <translation>Kvadrer begge sider</translation>
    </message>
    <message>
        <source>Snu alle fortegn</source>
        <translation>Snu alle forteikn</translation>
    </message>
    <message>
        <source>Bytt sider</source>
        <translation>Byt sider</translation>
    </message>
    <message>
        <source>Negativt fortegn</source>
        <translation>Negativt forteikn</translation>
    </message>
    <message>
        <source>Brøkstrek</source>
        <translation>Brøkstrek</translation>
    </message>
    <message>
        <source>Stryk ut</source>
        <translation>Stryk ut</translation>
    </message>
    <message>
        <source>Den ukjente</source>
        <translation>Den ukjende</translation>
    </message>
    <message>
        <source>Den ukjente i andre</source>
        <translation>Den ukjende i andre</translation>
    </message>
    <message>
        <source>Utfør</source>
        <translation>Utfør</translation>
    </message>
    <message>
        <source>Språk</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Rull opp</source>
        <translation>Rull opp</translation>
    </message>
    <message>
        <source>Rull ned</source>
        <translation>Rull ned</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>Løsningsforslag</source>
        <translation>Løysingsforslag</translation>
    </message>
    <message>
        <source>Hjelp</source>
        <translation>Hjelp</translation>
    </message>
    <message>
        <source>Steg:</source>
        <translation>Steg:</translation>
    </message>
    <message>
        <source>Prøve:</source>
        <translation>Prøve:</translation>
    </message>
    <message>
        <source>Oppgave: %1</source>
        <translation>Oppgåve: %1</translation>
    </message>
    <message>
        <source>Linje %1: %2</source>
        <translation>Linje %1: %2</translation>
    </message>
    <message>
        <source>%1, løst</source>
        <translation>%1, løyst</translation>
    </message>
    <message>
        <source>neste steg: %1</source>
        <translation>neste steg: %1</translation>
    </message>
    <message>
        <source>Operanden er strøket ut</source>
        <translation>Operanden er stroken ut</translation>
    </message>
    <message>
        <source>Arket</source>
        <translation>Arket</translation>
    </message>
    <message>
        <source>Løst</source>
        <translation>Løyst</translation>
    </message>
    <message>
        <source>Større</source>
        <translation>Større</translation>
    </message>
    <message>
        <source>Mindre</source>
        <translation>Mindre</translation>
    </message>
    <message>
        <source>Vanlig størrelse</source>
        <translation>Vanleg storleik</translation>
    </message>
    <message>
        <source>Fyll vinduet</source>
        <translation>Fyll vindauget</translation>
    </message>
    <message>
        <source>Lagre økta som...</source>
        <translation>Lagre økta som...</translation>
    </message>
    <message>
        <source>Skriv ut økta...</source>
        <translation>Skriv ut økta...</translation>
    </message>
    <message>
        <source>Vis</source>
        <translation>Vis</translation>
    </message>
    <message>
        <source>Økt</source>
        <translation>Økt</translation>
    </message>
</context>
<context>
    <name>Dokument</name>
    <message>
        <source>Det er ingen oppgave å lagre ennå.</source>
        <translation>Det er inga oppgåve å lagre enno.</translation>
    </message>
    <message>
        <source>Det er ingen oppgave å skrive ut ennå.</source>
        <translation>Det er inga oppgåve å skrive ut enno.</translation>
    </message>
    <message>
        <source>Filen «%1» kunne ikke lagres: mappen finnes ikke, eller du har ikke lov til å skrive i den.</source>
        <translation>Fila «%1» kunne ikkje lagrast: mappa finst ikkje, eller du har ikkje lov til å skrive i ho.</translation>
    </message>
    <message>
        <source>Filen «%1» kunne ikke lagres fordi skrivingen mislyktes (kanskje er disken full).
Ingenting er lagret.</source>
        <translation>Fila «%1» kunne ikkje lagrast fordi skrivinga gjekk gale (kanskje er disken full).
Ingenting er lagra.</translation>
    </message>
    <message>
        <source>Utskriften kunne ikke startes.</source>
        <translation>Utskrifta kunne ikkje startast.</translation>
    </message>
    <message>
        <source>PDF-dokument (*.pdf)</source>
        <translation>PDF-dokument (*.pdf)</translation>
    </message>
    <message>
        <source>PNG-bilde (*.png)</source>
        <translation>PNG-bilete (*.png)</translation>
    </message>
    <message>
        <source>likning.pdf</source>
        <translation>likning.pdf</translation>
    </message>
    <message>
        <source>d. MMMM yyyy</source>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>økt.pdf</source>
        <translation>økt.pdf</translation>
    </message>
</context>
<context>
    <name>Loesningsforslag</name>
    <message>
        <source>Løsningsforslag</source>
        <translation>Løysingsforslag</translation>
    </message>
    <message>
        <source>Løsningsforslaget som tekst</source>
        <translation>Løysingsforslaget som tekst</translation>
    </message>
    <message>
        <source>Kopier</source>
        <translation>Kopier</translation>
    </message>
    <message>
        <source>Lukk</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Linje %1</source>
        <translation>Linje %1</translation>
    </message>
</context>
<context>
    <name>Melding</name>
    <message>
        <source>Påtale</source>
        <translation>Påtale</translation>
    </message>
    <message>
        <source>Advarsel</source>
        <translation>Åtvaring</translation>
    </message>
    <message>
        <source>Til etteretning</source>
        <translation>Til orientering</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Nei</source>
        <translation>Nei</translation>
    </message>
</context>
<context>
    <name>Nett</name>
    <message>
        <source>Menylinje</source>
        <translation>Menylinje</translation>
    </message>
    <message>
        <source>likning.png</source>
        <translation>likning.png</translation>
    </message>
    <message>
        <source>Lukk</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Fyll vinduet</source>
        <translation>Fyll vindauget</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>125 %</source>
        <translation>125 %</translation>
    </message>
    <message>
        <source>150 %</source>
        <translation>150 %</translation>
    </message>
    <message>
        <source>200 %</source>
        <translation>200 %</translation>
    </message>
    <message>
        <source>Vis</source>
        <translation>Vis</translation>
    </message>
    <message>
        <source>Kopier</source>
        <translation>Kopier</translation>
    </message>
</context>
<context>
    <name>Okt</name>
    <message>
        <source>Nr.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Oppgave</source>
        <translation>Oppgåve</translation>
    </message>
    <message>
        <source>Nivå</source>
        <translation>Nivå</translation>
    </message>
    <message>
        <source>Steg</source>
        <translation>Steg</translation>
    </message>
    <message>
        <source>Korteste</source>
        <translation>Kortaste</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>Forslag</source>
        <translation>Forslag</translation>
    </message>
    <message>
        <source>Løst</source>
        <translation>Løyst</translation>
    </message>
    <message>
        <source>Prøve</source>
        <translation>Prøve</translation>
    </message>
    <message>
        <source>Poeng</source>
        <translation>Poeng</translation>
    </message>
    <message>
        <source>%1 (egen)</source>
        <translation>%1 (eiga)</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>nei</source>
        <translation>nei</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Sum</translation>
    </message>
    <message>
        <source>%1 av %2</source>
        <translation>%1 av %2</translation>
    </message>
    <message>
        <source>Økta</source>
        <translation>Økta</translation>
    </message>
    <message>
        <source>Oppgave %1</source>
        <translation>Oppgåve %1</translation>
    </message>
</context>
<context>
    <name>Operasjon</name>
    <message>
        <source>Legg til</source>
        <translation>Legg til</translation>
    </message>
    <message>
        <source>Trekk fra</source>
        <translation>Trekk frå</translation>
    </message>
    <message>
        <source>Gang med</source>
        <translation>Gong med</translation>
    </message>
    <message>
        <source>Del med</source>
        <translation>Del med</translation>
    </message>
    <message>
        <source>Trekk kvadratrot</source>
        <translation>Trekk kvadratrot</translation>
    </message>
    <message>
        <source>Kvadrer</source>
        <translation>Kvadrer</translation>
    </message>
    <message>
        <source>Snu fortegn</source>
        <translation>Snu forteikn</translation>
    </message>
    <message>
        <source>Bytt side</source>
        <translation>Byt side</translation>
    </message>
</context>
<context>
    <name>Veileder</name>
    <message>
        <source>x = %1</source>
        <translation>x = %1</translation>
    </message>
    <message>
        <source>%1 og %2</source>
        <translation>%1 og %2</translation>
    </message>
    <message>
        <source>Likningen er løst.</source>
        <translation>Likninga er løyst.</translation>
    </message>
    <message>
        <source>Neste steg: %1</source>
        <translation>Neste steg: %1</translation>
    </message>
    <message>
        <source>Da er du %1 steg fra løsningen.</source>
        <translation>Då er du %1 steg frå løysinga.</translation>
    </message>
    <message>
        <source>Denne likningen har ingen løsning.</source>
        <translation>Denne likninga har inga løysing.</translation>
    </message>
    <message>
        <source>Alle tall er løsninger av denne likningen.</source>
        <translation>Alle tal er løysingar av denne likninga.</translation>
    </message>
    <message>
        <source>Herfra kommer du ikke fram til løsningen av oppgaven.</source>
        <translation>Herifrå kjem du ikkje fram til løysinga av oppgåva.</translation>
    </message>
    <message>
        <source>Fant ingen kort vei herfra.</source>
        <translation>Fann ingen kort veg herifrå.</translation>
    </message>
    <message>
        <source>%1 (korteste: %2)</source>
        <translation>%1 (kortaste: %2)</translation>
    </message>
    <message>
        <source>kan ikke avgjøres</source>
        <translation>kan ikkje avgjerast</translation>
    </message>
    <message>
        <source>stemmer</source>
        <translation>stemmer</translation>
    </message>
    <message>
        <source>%1 passer ikke i oppgaven</source>
        <translation>%1 passar ikkje i oppgåva</translation>
    </message>
    <message>
        <source>alle tall er løsninger av oppgaven</source>
        <translation>alle tal er løysingar av oppgåva</translation>
    </message>
    <message>
        <source>%1 mangler</source>
        <translation>%1 manglar</translation>
    </message>
    <message>
        <source>stemmer ikke: %1</source>
        <translation>stemmer ikkje: %1</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tips</translation>
    </message>
</context>
<context>
    <name>egenlikning</name>
    <message>
        <source>Skriv egen likning</source>
        <translation>Skriv eiga likning</translation>
    </message>
    <message>
        <source>Glem det</source>
        <translation>Gløym det</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>x² på venstre side</source>
        <translation>x² på venstre side</translation>
    </message>
    <message>
        <source>x på venstre side</source>
        <translation>x på venstre side</translation>
    </message>
    <message>
        <source>konstantleddet på venstre side</source>
        <translation>konstantleddet på venstre side</translation>
    </message>
    <message>
        <source>x² på høyre side</source>
        <translation>x² på høgre side</translation>
    </message>
    <message>
        <source>x på høyre side</source>
        <translation>x på høgre side</translation>
    </message>
    <message>
        <source>konstantleddet på høyre side</source>
        <translation>konstantleddet på høgre side</translation>
    </message>
    <message>
        <source>koeffisienten</source>
        <translation>koeffisienten</translation>
    </message>
    <message>
        <source>Feil i ruta for %1:
%2</source>
        <translation>Feil i ruta for %1:
%2</translation>
    </message>
    <message>
        <source>%1 er ikke et helt tall eller en brøk.
Skriv for eksempel 3, -2 eller -3/4.</source>
        <translation>%1 er ikkje eit heilt tal eller ein brøk.
Skriv til dømes 3, -2 eller -3/4.</translation>
    </message>
    <message>
        <source>%1 er for stort.
Bruk tall mellom -2147483648 og 2147483647.</source>
        <translation>%1 er for stort.
Bruk tal mellom -2147483648 og 2147483647.</translation>
    </message>
    <message>
        <source>Nevneren kan ikke være null.</source>
        <translation>Nemnaren kan ikkje vere null.</translation>
    </message>
    <message>
        <source>«%1»</source>
        <translation>«%1»</translation>
    </message>
</context>
<context>
    <name>frmOm</name>
    <message>
        <source>Om Balvo 2.0</source>
        <translation>Om Balvo 2.0</translation>
    </message>
    <message>
        <source>Balvo 2.0 er et program for å øve på å løse likninger
trinn for trinn. Det er laget for bruk i skolen og
kjører på Linux-skrivebord med Qt. Eleven velger,
og maskinen regner ut.</source>
        <translation>Balvo 2.0 er eit program for å øve på å løyse likningar
steg for steg. Det er laga for bruk i skulen og
køyrer på Linux-skrivebord med Qt. Eleven vel,
og maskina reknar ut.</translation>
    </message>
    <message>
        <source>Balvo 2.0 er et program for å øve på å løse likninger
trinn for trinn. Det er laget for bruk i skolen og
kjører i nettleseren, også uten nett. Eleven velger,
og maskinen regner ut.</source>
        <translation>Balvo 2.0 er eit program for å øve på å løyse likningar
steg for steg. Det er laga for bruk i skulen og
køyrer i nettlesaren, òg utan nett. Eleven vel,
og maskina reknar ut.</translation>
    </message>
    <message>
        <source>Fri programvare for bruk i skolen.</source>
        <translation>Fri programvare for bruk i skulen.</translation>
    </message>
    <message>
        <source>Versjon 2.03.0</source>
        <translation>Versjon 2.03.0</translation>
    </message>
    <message>
        <source>Programmets pedagogiske idé går ut på å utnytte data-
maskinas mulighet til enkelt å skille ut det taktiske som
eget øvelsesmoment når det gjelder å løse oppstilte
likninger.

Programmet utfører lydig utregningene som følger av de
valg eleven gjør enten de fører mot målet eller ikke. Dit
er det dessuten mange veier, og dét er jo i seg selv et
viktig pedagogisk poeng...</source>
        <translation>Den pedagogiske ideen i programmet er å utnytte data-
maskina si evne til enkelt å skilje ut det taktiske som
eit eige øvingsmoment når det gjeld å løyse oppstilte
likningar.

Programmet utfører lydig utrekningane som følgjer av dei
vala eleven gjer, anten dei fører mot målet eller ikkje. Dit
er det dessutan mange vegar, og dét er jo i seg sjølv eit
viktig pedagogisk poeng...</translation>
    </message>
    <message>
        <source>&quot;Advarsel:&quot;</source>
        <translation>&quot;Åtvaring:&quot;</translation>
    </message>
    <message>
        <source>Det er nokså meningsløst å kunne løse likninger uten å kunne lage dem selv når det trengs.</source>
        <translation>Det er nokså meiningslaust å kunne løyse likningar utan å kunne lage dei sjølv når det trengst.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>mmArk</name>
    <message>
        <source>Grafisk løsning</source>
        <translation>Grafisk løysing</translation>
    </message>
    <message>
        <source>Det er ingen likning å tegne</source>
        <translation>Det er inga likning å teikne</translation>
    </message>
    <message>
        <source>Kurvene krysser hverandre i %1</source>
        <translation>Kurvene kryssar kvarandre i %1</translation>
    </message>
    <message>
        <source>%1 og %2</source>
        <translation>%1 og %2</translation>
    </message>
    <message>
        <source>Kurvene krysser ikke hverandre</source>
        <translation>Kurvene kryssar ikkje kvarandre</translation>
    </message>
    <message>
        <source>Kurvene er like</source>
        <translation>Kurvene er like</translation>
    </message>
</context>
</TS>
