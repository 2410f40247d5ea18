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
    <message>
        <source>Løsningen %1 går nå tapt: ± kan bare stå på høyre side.
Bytt sider først, så får du med begge løsningene.</source>
        <translation>Løysinga %1 går no tapt: ± kan berre stå på høgre side.
Byt sider først, så får du med begge løysingane.</translation>
    </message>
    <message>
        <source>Avstand etter hvert steg</source>
        <translation>Avstand etter kvart steg</translation>
    </message>
    <message>
        <source>Avstand:</source>
        <translation>Avstand:</translation>
    </message>
    <message>
        <source>Åpne klasseoversikt...</source>
        <translation>Opne klasseoversikt...</translation>
    </message>
    <message>
        <source>Regn selv</source>
        <translation>Rekn sjølv</translation>
    </message>
</context>
<context>
    <name>Dato</name>
    <message>
        <source>januar</source>
        <translation>januar</translation>
    </message>
    <message>
        <source>februar</source>
        <translation>februar</translation>
    </message>
    <message>
        <source>mars</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>april</source>
        <translation>april</translation>
    </message>
    <message>
        <source>mai</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>juni</source>
        <translation>juni</translation>
    </message>
    <message>
        <source>juli</source>
        <translation>juli</translation>
    </message>
    <message>
        <source>august</source>
        <translation>august</translation>
    </message>
    <message>
        <source>september</source>
        <translation>september</translation>
    </message>
    <message>
        <source>oktober</source>
        <translation>oktober</translation>
    </message>
    <message>
        <source>november</source>
        <translation>november</translation>
    </message>
    <message>
        <source>desember</source>
        <translation>desember</translation>
    </message>
    <message>
        <source>%1. %2 %3 kl. %4.%5</source>
        <translation>%1. %2 %3 kl. %4.%5</translation>
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
    <message>
        <source>Balvo-økt (*.balvo)</source>
        <translation>Balvo-økt (*.balvo)</translation>
    </message>
    <message>
        <source>Navn:</source>
        <translation>Namn:</translation>
    </message>
    <message>
        <source>økt.balvo</source>
        <translation>økt.balvo</translation>
    </message>
    <message>
        <source>klasse.pdf</source>
        <translation>klasse.pdf</translation>
    </message>
    <message>
        <source>klasse.csv</source>
        <translation>klasse.csv</translation>
    </message>
</context>
<context>
    <name>Klasseoversikt</name>
    <message>
        <source>Klasseoversikt</source>
        <translation>Klasseoversikt</translation>
    </message>
    <message>
        <source>Elever</source>
        <translation>Elevar</translation>
    </message>
    <message>
        <source>Nivåer</source>
        <translation>Nivå</translation>
    </message>
    <message>
        <source>Filer som ikke kunne leses</source>
        <translation>Filer som ikkje kunne lesast</translation>
    </message>
    <message>
        <source>Velg en elev og en oppgave for å se arket.</source>
        <translation>Vel ein elev og ei oppgåve for å sjå arket.</translation>
    </message>
    <message>
        <source>Skriv ut...</source>
        <translation>Skriv ut...</translation>
    </message>
    <message>
        <source>Lagre som PDF...</source>
        <translation>Lagre som PDF...</translation>
    </message>
    <message>
        <source>Eksporter CSV...</source>
        <translation>Eksporter CSV...</translation>
    </message>
    <message>
        <source>Lukk</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>CSV-fil (*.csv)</source>
        <translation>CSV-fil (*.csv)</translation>
    </message>
    <message>
        <source>Åpne økt-filer</source>
        <translation>Opne økt-filer</translation>
    </message>
    <message>
        <source>Åpne en mappe med økt-filer</source>
        <translation>Opne ei mappe med økt-filer</translation>
    </message>
    <message>
        <source>Åpne mappe...</source>
        <translation>Opne mappe...</translation>
    </message>
    <message>
        <source>Filen «%1» kunne ikke lagres.</source>
        <translation>Fila «%1» kunne ikkje lagrast.</translation>
    </message>
    <message>
        <source>Mappen har ingen økt-filer (*.balvo).</source>
        <translation>Mappa har ingen økt-filer (*.balvo).</translation>
    </message>
</context>
<context>
    <name>Kommandolinje</name>
    <message>
        <source>Bruk: balvo [VALG]
Likninger løst steg for steg.

  --oversikt FIL...  skriv klasseoversikten over økt-filene (*.balvo) som CSV
                     (semikolon, UTF-8) til standard ut; filer som ikke kan leses,
                     står med grunnen på standard feil
  --help             vis denne hjelpen
  --version          vis programmets versjon

Uten valg åpnes programvinduet. Avslutningsstatus: 0, eller 2 når ingen fil kunne
leses eller valgene er feil.
</source>
        <translation>Bruk: balvo [VAL]
Likningar løyste steg for steg.

  --oversikt FIL...  skriv klasseoversikta over økt-filene (*.balvo) som CSV
                     (semikolon, UTF-8) til standard ut; filer som ikkje kan lesast,
                     står med grunnen på standard feil
  --help             vis denne hjelpa
  --version          vis versjonen til programmet

Utan val blir programvindauget opna. Avslutningsstatus: 0, eller 2 når inga fil kunne
lesast eller vala er feil.
</translation>
    </message>
    <message>
        <source>balvo: ukjent valg «%1»
Prøv «balvo --help».
</source>
        <translation>balvo: ukjent val «%1»
Prøv «balvo --help».
</translation>
    </message>
    <message>
        <source>balvo: --oversikt trenger minst én fil
</source>
        <translation>balvo: --oversikt treng minst éi fil
</translation>
    </message>
    <message>
        <source>Filen kunne ikke åpnes.</source>
        <translation>Fila kunne ikkje opnast.</translation>
    </message>
    <message>
        <source>balvo: ingen fil kunne leses
</source>
        <translation>balvo: inga fil kunne lesast
</translation>
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
        <source>Kopier</source>
        <translation>Kopier</translation>
    </message>
    <message>
        <source>Filtype:</source>
        <translation>Filtype:</translation>
    </message>
    <message>
        <source>Lagre</source>
        <translation>Lagre</translation>
    </message>
    <message>
        <source>Avbryt</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Velg økt-filene (*.balvo), eller slipp dem her i vinduet.</source>
        <translation>Vel økt-filene (*.balvo), eller slepp dei her i vindauget.</translation>
    </message>
</context>
<context>
    <name>Oektfil</name>
    <message>
        <source>kan ikke spilles av: oppgave %1, handling %2: %3</source>
        <translation>kan ikkje spelast av: oppgåve %1, handling %2: %3</translation>
    </message>
    <message>
        <source>kan ikke spilles av: oppgave %1: %2</source>
        <translation>kan ikkje spelast av: oppgåve %1: %2</translation>
    </message>
    <message>
        <source>tasten «%1» var ikke i bruk</source>
        <translation>tasten «%1» var ikkje i bruk</translation>
    </message>
    <message>
        <source>operasjonen «%1» finnes ikke</source>
        <translation>operasjonen «%1» finst ikkje</translation>
    </message>
    <message>
        <source>operanden «%1» kan ikke tastes</source>
        <translation>operanden «%1» kan ikkje tastast</translation>
    </message>
    <message>
        <source>programmet ville ikke ha utført dette steget</source>
        <translation>programmet ville ikkje ha utført dette steget</translation>
    </message>
    <message>
        <source>programmet ville ha utført dette steget</source>
        <translation>programmet ville ha utført dette steget</translation>
    </message>
    <message>
        <source>arket har ikke plass til flere linjer</source>
        <translation>arket har ikkje plass til fleire linjer</translation>
    </message>
    <message>
        <source>«%1» var ikke mulig her</source>
        <translation>«%1» var ikkje mogleg her</translation>
    </message>
    <message>
        <source>operanden fortsetter ikke den som ble avvist før</source>
        <translation>operanden held ikkje fram med den som vart avvist før</translation>
    </message>
    <message>
        <source>Filen er ikke en Balvo-økt (den er ikke JSON).</source>
        <translation>Fila er ikkje ei Balvo-økt (ho er ikkje JSON).</translation>
    </message>
    <message>
        <source>Filen er avkortet: slutten mangler.</source>
        <translation>Fila er avkorta: slutten manglar.</translation>
    </message>
    <message>
        <source>Filen er større enn 5 MB.</source>
        <translation>Fila er større enn 5 MB.</translation>
    </message>
    <message>
        <source>Filen er ikke en Balvo-økt.</source>
        <translation>Fila er ikkje ei Balvo-økt.</translation>
    </message>
    <message>
        <source>Filen er laget av en nyere Balvo (formatversjon %1); denne leser versjon %2.</source>
        <translation>Fila er laga av ein nyare Balvo (formatversjon %1); denne les versjon %2.</translation>
    </message>
    <message>
        <source>Feltet «%1» mangler.</source>
        <translation>Feltet «%1» manglar.</translation>
    </message>
    <message>
        <source>Feltet «%1» har feil type.</source>
        <translation>Feltet «%1» har feil type.</translation>
    </message>
    <message>
        <source>Feltet «%1» er utenfor det tillatte.</source>
        <translation>Feltet «%1» er utanfor det som er tillate.</translation>
    </message>
    <message>
        <source>Feltet «%1» har flere enn %2 elementer.</source>
        <translation>Feltet «%1» har fleire enn %2 element.</translation>
    </message>
    <message>
        <source>Filen har flere enn %1 handlinger i alt.</source>
        <translation>Fila har fleire enn %1 handlingar i alt.</translation>
    </message>
    <message>
        <source>samme økt som «%1»</source>
        <translation>same økt som «%1»</translation>
    </message>
    <message>
        <source>usynlige tegn fjernet fra navnet</source>
        <translation>usynlege teikn fjerna frå namnet</translation>
    </message>
    <message>
        <source>linje %1 (%2 ganger)</source>
        <translation>linje %1 (%2 gonger)</translation>
    </message>
    <message>
        <source>Navn</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>Oppgaver</source>
        <translation>Oppgåver</translation>
    </message>
    <message>
        <source>Løst</source>
        <translation>Løyst</translation>
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
        <source>Tips 1</source>
        <translation>Tips 1</translation>
    </message>
    <message>
        <source>Tips 2</source>
        <translation>Tips 2</translation>
    </message>
    <message>
        <source>Tips 3</source>
        <translation>Tips 3</translation>
    </message>
    <message>
        <source>Løsningsforslag</source>
        <translation>Løysingsforslag</translation>
    </message>
    <message>
        <source>Minutter</source>
        <translation>Minutt</translation>
    </message>
    <message>
        <source>Merknad</source>
        <translation>Merknad</translation>
    </message>
    <message>
        <source>Fil</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Nivå</source>
        <translation>Nivå</translation>
    </message>
    <message>
        <source>Median steg over korteste</source>
        <translation>Median steg over kortaste</translation>
    </message>
    <message>
        <source>Oftest tips ved</source>
        <translation>Oftast tips ved</translation>
    </message>
    <message>
        <source>egen</source>
        <translation>eiga</translation>
    </message>
    <message>
        <source>Oftest ikke nærmere ved</source>
        <translation>Oftast ikkje nærare ved</translation>
    </message>
    <message>
        <source>Tid</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Oppgavene til %1, lagret %2</source>
        <translation>Oppgåvene til %1, lagra %2</translation>
    </message>
    <message>
        <source>Oppgavene til %1</source>
        <translation>Oppgåvene til %1</translation>
    </message>
    <message>
        <source>linjen «%1» vurderes ikke slik fila sier</source>
        <translation>linja «%1» blir ikkje vurdert slik fila seier</translation>
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
    <message>
        <source>Tips 1/2/3</source>
        <translation>Tips 1/2/3</translation>
    </message>
    <message>
        <source>Ikke nærmere</source>
        <translation>Ikkje nærare</translation>
    </message>
    <message>
        <source>Gjentatt</source>
        <translation>Gjenteke</translation>
    </message>
    <message>
        <source>Skrevet</source>
        <translation>Skrive</translation>
    </message>
    <message>
        <source>Riktig 1. gang</source>
        <translation>Rett 1. gong</translation>
    </message>
    <message>
        <source>Forsøk</source>
        <translation>Forsøk</translation>
    </message>
    <message>
        <source>Vist</source>
        <translation>Vist</translation>
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
    <name>Regn selv</name>
    <message>
        <source>Skriv linjen før du trykker Enter.</source>
        <translation>Skriv linja før du trykkjer Enter.</translation>
    </message>
    <message>
        <source>det mangler et ledd etter %1</source>
        <translation>det manglar eit ledd etter %1</translation>
    </message>
    <message>
        <source>det mangler et ledd foran %1</source>
        <translation>det manglar eit ledd framfor %1</translation>
    </message>
    <message>
        <source>det mangler et ledd på slutten</source>
        <translation>det manglar eit ledd på slutten</translation>
    </message>
    <message>
        <source>det mangler + eller − foran %1</source>
        <translation>det manglar + eller − framfor %1</translation>
    </message>
    <message>
        <source>det mangler et likhetstegn</source>
        <translation>det manglar eit likskapsteikn</translation>
    </message>
    <message>
        <source>det kan bare stå ett likhetstegn i en linje</source>
        <translation>det kan berre stå eitt likskapsteikn i ei linje</translation>
    </message>
    <message>
        <source>den ukjente skal hete x, ikke %1</source>
        <translation>den ukjende skal heite x, ikkje %1</translation>
    </message>
    <message>
        <source>tegnet %1 kan ikke brukes i en linje</source>
        <translation>teiknet %1 kan ikkje brukast i ei linje</translation>
    </message>
    <message>
        <source>tallet er for stort til å regnes eksakt</source>
        <translation>talet er for stort til å reknast eksakt</translation>
    </message>
    <message>
        <source>tallene blir for store til å regnes eksakt</source>
        <translation>tala blir for store til å reknast eksakt</translation>
    </message>
    <message>
        <source>nevneren kan ikke være 0</source>
        <translation>nemnaren kan ikkje vere 0</translation>
    </message>
    <message>
        <source>det mangler et tall etter %1</source>
        <translation>det manglar eit tal etter %1</translation>
    </message>
    <message>
        <source>det kan ikke stå en rot under en rot</source>
        <translation>det kan ikkje stå ei rot under ei rot</translation>
    </message>
    <message>
        <source>x kan ikke ha høyere potens enn 2</source>
        <translation>x kan ikkje ha høgare potens enn 2</translation>
    </message>
    <message>
        <source>bare potensen 2 kan skrives, som x² eller x^2</source>
        <translation>berre potensen 2 kan skrivast, som x² eller x^2</translation>
    </message>
    <message>
        <source>parentesen lukkes ikke</source>
        <translation>parentesen blir ikkje lukka</translation>
    </message>
    <message>
        <source>i en parentes foran x kan det bare stå et tall eller en brøk</source>
        <translation>i ein parentes framfor x kan det berre stå eit tal eller ein brøk</translation>
    </message>
    <message>
        <source>%1 kan ikke stå her</source>
        <translation>%1 kan ikkje stå her</translation>
    </message>
    <message>
        <source>det kan bare stå én rot på hver side</source>
        <translation>det kan berre stå éi rot på kvar side</translation>
    </message>
    <message>
        <source>± kan bare stå foran et tall eller en rot</source>
        <translation>± kan berre stå framfor eit tal eller ei rot</translation>
    </message>
    <message>
        <source>± kan ikke stå under en rot</source>
        <translation>± kan ikkje stå under ei rot</translation>
    </message>
    <message>
        <source>det mangler et tall, x eller en parentes etter √</source>
        <translation>det manglar eit tal, x eller ein parentes etter √</translation>
    </message>
    <message>
        <source>det mangler x eller en rot etter %1</source>
        <translation>det manglar x eller ei rot etter %1</translation>
    </message>
    <message>
        <source>Kan ikke lese «%1» ved tegn %2: %3.</source>
        <translation>Kan ikkje lese «%1» ved teikn %2: %3.</translation>
    </message>
    <message>
        <source>Kan ikke lese «%1»: %2.</source>
        <translation>Kan ikkje lese «%1»: %2.</translation>
    </message>
    <message>
        <source>Regn selv</source>
        <translation>Rekn sjølv</translation>
    </message>
    <message>
        <source>Du har bare gjort det på venstre side.</source>
        <translation>Du har berre gjort det på venstre side.</translation>
    </message>
    <message>
        <source>Du har bare gjort det på høyre side.</source>
        <translation>Du har berre gjort det på høgre side.</translation>
    </message>
    <message>
        <source>Du har bare delt ett av leddene.</source>
        <translation>Du har berre delt eitt av ledda.</translation>
    </message>
    <message>
        <source>Du har bare ganget ett av leddene.</source>
        <translation>Du har berre gonga eitt av ledda.</translation>
    </message>
    <message>
        <source>Sjekk fortegnet foran %1.</source>
        <translation>Sjekk forteiknet framfor %1.</translation>
    </message>
    <message>
        <source>Brøker legges ikke sammen ved å legge sammen tellere og nevnere.</source>
        <translation>Brøkar blir ikkje lagde saman ved å leggje saman teljarar og nemnarar.</translation>
    </message>
    <message>
        <source>Kvadratet av en sum er ikke summen av kvadratene.</source>
        <translation>Kvadratet av ein sum er ikkje summen av kvadrata.</translation>
    </message>
    <message>
        <source>Husk ± når du trekker kvadratroten.</source>
        <translation>Hugs ± når du trekkjer kvadratrota.</translation>
    </message>
    <message>
        <source>Ikke riktig. Prøv igjen, eller trykk Esc for å se linjen.</source>
        <translation>Ikkje rett. Prøv igjen, eller trykk Esc for å sjå linja.</translation>
    </message>
    <message>
        <source>Det er den samme likningen, men med sidene byttet om.
Skriv sidene slik steget gir dem, eller trykk Esc for å se linjen.</source>
        <translation>Det er den same likninga, men med sidene bytte om.
Skriv sidene slik steget gir dei, eller trykk Esc for å sjå linja.</translation>
    </message>
    <message>
        <source>Det er den samme likningen, men med begge sider ganget med samme tall.
Skriv linjen slik steget gir den, eller trykk Esc for å se linjen.</source>
        <translation>Det er den same likninga, men med begge sider gonga med same tal.
Skriv linja slik steget gir henne, eller trykk Esc for å sjå linja.</translation>
    </message>
    <message>
        <source>Linjen var lengre enn 200 tegn, og resten er tatt bort.
Se over linjen og trykk Enter igjen.</source>
        <translation>Linja var lengre enn 200 teikn, og resten er teken bort.
Sjå over linja og trykk Enter igjen.</translation>
    </message>
    <message>
        <source>Skriv linje %1</source>
        <translation>Skriv linje %1</translation>
    </message>
    <message>
        <source>Skriv linjen steget gir, for eksempel 2x = 4, og trykk Enter. Esc viser linjen.</source>
        <translation>Skriv linja steget gir, til dømes 2x = 4, og trykk Enter. Esc viser linja.</translation>
    </message>
</context>
<context>
    <name>Side</name>
    <message>
        <source>Denne nettleseren kan ikke kjøre Balvo: den mangler WebAssembly.</source>
        <translation>Denne nettlesaren kan ikkje køyre Balvo: han manglar WebAssembly.</translation>
    </message>
    <message>
        <source>Bruk en nyere utgave av Chrome, Edge, Firefox eller Safari.</source>
        <translation>Bruk ei nyare utgåve av Chrome, Edge, Firefox eller Safari.</translation>
    </message>
    <message>
        <source>Balvo kunne ikke startes. Last inn siden på nytt.</source>
        <translation>Balvo kunne ikkje startast. Last inn sida på nytt.</translation>
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
        <source>Tips</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>stemmer ikke: alle tall er løsninger av oppgaven</source>
        <translation>stemmer ikkje: alle tal er løysingar av oppgåva</translation>
    </message>
    <message>
        <source>stemmer ikke: %1 passer ikke i oppgaven, %2 mangler</source>
        <translation>stemmer ikkje: %1 passar ikkje i oppgåva, %2 manglar</translation>
    </message>
    <message>
        <source>stemmer ikke: %1 passer ikke i oppgaven</source>
        <translation>stemmer ikkje: %1 passar ikkje i oppgåva</translation>
    </message>
    <message>
        <source>stemmer ikke: %1 mangler</source>
        <translation>stemmer ikkje: %1 manglar</translation>
    </message>
    <message>
        <source>Dette steget mistet løsningen %1</source>
        <translation>Dette steget mista løysinga %1</translation>
    </message>
    <message>
        <source>Dette steget mistet løsningene %1</source>
        <translation>Dette steget mista løysingane %1</translation>
    </message>
    <message>
        <source>Dette steget ga en ekstra løsning %1</source>
        <translation>Dette steget gav ei ekstra løysing %1</translation>
    </message>
    <message>
        <source>Dette steget ga ekstra løsninger %1</source>
        <translation>Dette steget gav ekstra løysingar %1</translation>
    </message>
    <message>
        <source>Etter dette steget er alle tall løsninger</source>
        <translation>Etter dette steget er alle tal løysingar</translation>
    </message>
    <message>
        <source>Denne linjen hadde du før (oppgaven)</source>
        <translation>Denne linja hadde du før (oppgåva)</translation>
    </message>
    <message>
        <source>Denne linjen hadde du før (linje %1)</source>
        <translation>Denne linja hadde du før (linje %1)</translation>
    </message>
    <message>
        <source>Ikke nærmere: %1 steg igjen (før: %2)</source>
        <translation>Ikkje nærare: %1 steg att (før: %2)</translation>
    </message>
    <message>
        <source>%1 steg igjen</source>
        <translation>%1 steg att</translation>
    </message>
    <message>
        <source>Trenger du et tips? Trykk Ctrl+T.</source>
        <translation>Treng du eit tips? Trykk Ctrl+T.</translation>
    </message>
    <message>
        <source>Samle x-leddene på den ene siden.</source>
        <translation>Samle x-ledda på den eine sida.</translation>
    </message>
    <message>
        <source>Få leddet med x alene.</source>
        <translation>Få leddet med x åleine.</translation>
    </message>
    <message>
        <source>Få x² alene, så kan du trekke kvadratroten.</source>
        <translation>Få x² åleine, så kan du trekkje ut kvadratrota.</translation>
    </message>
    <message>
        <source>Fullfør kvadratet.</source>
        <translation>Fullfør kvadratet.</translation>
    </message>
    <message>
        <source>Gjør tallet foran x til 1.</source>
        <translation>Gjer talet framfor x til 1.</translation>
    </message>
    <message>
        <source>Gjør tallet foran x² til 1.</source>
        <translation>Gjer talet framfor x² til 1.</translation>
    </message>
    <message>
        <source>Gjør tallet foran rottegnet til 1.</source>
        <translation>Gjer talet framfor rotteiknet til 1.</translation>
    </message>
    <message>
        <source>Bli kvitt brøkene.</source>
        <translation>Bli kvitt brøkane.</translation>
    </message>
    <message>
        <source>Få et positivt tall foran x.</source>
        <translation>Få eit positivt tal framfor x.</translation>
    </message>
    <message>
        <source>Få x over på venstre side.</source>
        <translation>Få x over på venstre side.</translation>
    </message>
    <message>
        <source>Bli kvitt x².</source>
        <translation>Bli kvitt x².</translation>
    </message>
    <message>
        <source>Bli kvitt rottegnet.</source>
        <translation>Bli kvitt rotteiknet.</translation>
    </message>
    <message>
        <source>Kom ett steg nærmere løsningen.</source>
        <translation>Kom eitt steg nærare løysinga.</translation>
    </message>
    <message>
        <source>Legg til et ledd med x².</source>
        <translation>Legg til eit ledd med x².</translation>
    </message>
    <message>
        <source>Trekk fra et ledd med x².</source>
        <translation>Trekk frå eit ledd med x².</translation>
    </message>
    <message>
        <source>Legg til et ledd med x.</source>
        <translation>Legg til eit ledd med x.</translation>
    </message>
    <message>
        <source>Trekk fra et ledd med x.</source>
        <translation>Trekk frå eit ledd med x.</translation>
    </message>
    <message>
        <source>Legg til et tall.</source>
        <translation>Legg til eit tal.</translation>
    </message>
    <message>
        <source>Trekk fra et tall.</source>
        <translation>Trekk frå eit tal.</translation>
    </message>
    <message>
        <source>Multipliser med x.</source>
        <translation>Multipliser med x.</translation>
    </message>
    <message>
        <source>Del med x.</source>
        <translation>Del med x.</translation>
    </message>
    <message>
        <source>Multipliser med fellesnevneren.</source>
        <translation>Multipliser med fellesnemnaren.</translation>
    </message>
    <message>
        <source>Multipliser med det omvendte av tallet foran x.</source>
        <translation>Multipliser med det omvende av talet framfor x.</translation>
    </message>
    <message>
        <source>Del med tallet foran x.</source>
        <translation>Del med talet framfor x.</translation>
    </message>
    <message>
        <source>Multipliser med det omvendte av tallet foran x².</source>
        <translation>Multipliser med det omvende av talet framfor x².</translation>
    </message>
    <message>
        <source>Del med tallet foran x².</source>
        <translation>Del med talet framfor x².</translation>
    </message>
    <message>
        <source>Multipliser med det omvendte av tallet foran rottegnet.</source>
        <translation>Multipliser med det omvende av talet framfor rotteiknet.</translation>
    </message>
    <message>
        <source>Del med tallet foran rottegnet.</source>
        <translation>Del med talet framfor rotteiknet.</translation>
    </message>
    <message>
        <source>Multipliser med et tall.</source>
        <translation>Multipliser med eit tal.</translation>
    </message>
    <message>
        <source>Del med et tall.</source>
        <translation>Del med eit tal.</translation>
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
